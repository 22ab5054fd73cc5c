#include "app/dialogue_qt.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <cstdio>

namespace lumaveil {

namespace {

talvik::MessageHook g_precedent;

bool SurFilInterface() {
  return qApp && QThread::currentThread() == qApp->thread();
}

}  // namespace

int BoiteMessage(QWidget* parent, const std::string& texte, const std::string& titre,
                 IconeMessage icone) {
  if (!SurFilInterface()) {
    std::fprintf(stderr, "%s\n", texte.c_str());
    return 0;
  }
  QMessageBox boite(parent);
  boite.setWindowTitle(QString::fromStdString(titre));
  boite.setText(QString::fromStdString(texte));
  boite.setAccessibleName(QString::fromStdString(titre));
  switch (icone) {
    case IconeMessage::Erreur:
      boite.setIcon(QMessageBox::Critical);
      break;
    case IconeMessage::Attention:
      boite.setIcon(QMessageBox::Warning);
      QApplication::beep();
      break;
    case IconeMessage::Information:
      boite.setIcon(QMessageBox::Information);
      break;
    case IconeMessage::Question:
      boite.setIcon(QMessageBox::Question);
      boite.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      boite.setDefaultButton(QMessageBox::Yes);
      return boite.exec() == QMessageBox::Yes ? 1 : 0;
  }
  boite.setStandardButtons(QMessageBox::Ok);
  boite.exec();
  return 1;
}

void CDialogueQt::Message(const std::string& texte, const std::string& titre,
                          IconeMessage icone) {
  BoiteMessage(parent_, texte, titre, icone);
}

int CDialogueQt::Question(const std::string& texte, const std::string& titre) {
  return BoiteMessage(parent_, texte, titre, IconeMessage::Question);
}

void InstalleMessagesQt() {
  g_precedent = talvik::InstalleMessageHook(
      [](const std::string& texte, const std::string& titre, IconeMessage icone) {
        return BoiteMessage(QApplication::activeWindow(), texte, titre, icone);
      });
}

void RestaureMessagesQt() { talvik::InstalleMessageHook(g_precedent); }

}  // namespace lumaveil
