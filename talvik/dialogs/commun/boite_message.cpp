#include "dialogs/commun/boite_message.h"
#include "dialogs/commun/placement_fenetre.h"

#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QThread>
#include <utility>

namespace talvik {

namespace {

HookBoiteMessage& HookBoite() {
  static HookBoiteMessage hook;
  return hook;
}

HookBip& HookDuBip() {
  static HookBip hook;
  return hook;
}

QMessageBox::Icon IconeQt(IconeMessage icone) {
  switch (icone) {
    case IconeMessage::Erreur: return QMessageBox::Critical;
    case IconeMessage::Attention: return QMessageBox::Warning;
    case IconeMessage::Question: return QMessageBox::Question;
    case IconeMessage::Information: return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoutonsQt(BoutonsMessage boutons) {
  switch (boutons) {
    case BoutonsMessage::Ok: return QMessageBox::Ok;
    case BoutonsMessage::OkAnnuler: return QMessageBox::Ok | QMessageBox::Cancel;
    case BoutonsMessage::OuiNon: return QMessageBox::Yes | QMessageBox::No;
    case BoutonsMessage::OuiNonAnnuler:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

int Reponse(int bouton, BoutonsMessage boutons) {
  switch (bouton) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return boutons == BoutonsMessage::OuiNon ? IDNO : IDCANCEL;
  }
}

int MessageSurFilGraphique(const std::string& texte, const std::string& titre,
                           IconeMessage icone) {
  const BoutonsMessage boutons =
      icone == IconeMessage::Question ? BoutonsMessage::OuiNon : BoutonsMessage::Ok;
  const int reponse = BoiteMessage(nullptr, texte, titre, icone, boutons);
  return (reponse == IDOK || reponse == IDYES) ? 1 : 0;
}

// A message box placed once it has its size: QMessageBox fits its width
// to the wrapped text in its own showEvent, after any filter has placed it
// at the width of its unwrapped text.
class CBoiteQt : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    PlaceDansEcran(this, parentWidget());
  }
};

}  // namespace

const char* TitreMessage(IconeMessage icone) {
  switch (icone) {
    case IconeMessage::Erreur: return kTitreErreur;
    case IconeMessage::Attention: return kTitreAttention;
    case IconeMessage::Question: return kTitreQuestion;
    case IconeMessage::Information: return kTitreInformation;
  }
  return kTitreErreur;
}

int BoiteMessage(QWidget* parent, const std::string& texte, const std::string& titre,
                 IconeMessage icone, BoutonsMessage boutons) {
  const std::string legende = titre.empty() ? std::string(TitreMessage(icone)) : titre;
  if (HookBoite()) return HookBoite()(texte, legende, icone, boutons);
  // Every message is shown here: its designed English text and caption in
  // the user's language (context "Messages"; texts already translated, or
  // built around a file name, are shown as they are).
  const QString titreTraduit = QCoreApplication::translate("Messages", legende.c_str());
  CBoiteQt boite(IconeQt(icone), titreTraduit,
                 QCoreApplication::translate("Messages", texte.c_str()), BoutonsQt(boutons),
                 parent ? parent : QApplication::activeWindow());
  boite.setAccessibleName(titreTraduit);
  return Reponse(boite.exec(), boutons);
}

HookBoiteMessage InstalleHookBoiteMessage(HookBoiteMessage hook) {
  return std::exchange(HookBoite(), std::move(hook));
}

void InstalleMessagesQt() {
  InstalleMessageHook([](const std::string& texte, const std::string& titre,
                         IconeMessage icone) -> int {
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() == application->thread())
      return MessageSurFilGraphique(texte, titre, icone);
    int resultat = 0;
    QMetaObject::invokeMethod(
        application, [&] { resultat = MessageSurFilGraphique(texte, titre, icone); },
        Qt::BlockingQueuedConnection);
    return resultat;
  });
}

void Bip() {
  if (HookDuBip()) {
    HookDuBip()();
    return;
  }
  QApplication::beep();
}

HookBip InstalleHookBip(HookBip hook) { return std::exchange(HookDuBip(), std::move(hook)); }

}  // namespace talvik
