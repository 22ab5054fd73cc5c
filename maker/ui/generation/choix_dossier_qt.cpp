#include "generation/choix_dossier_qt.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace lumaveil {

namespace {

QPushButton* BoutonChoisir(const QFileDialog& dialogue) {
  const auto* boutons = dialogue.findChild<QDialogButtonBox*>();
  return boutons ? boutons->button(QDialogButtonBox::Open) : nullptr;
}

}  // namespace

CChoixDossierQt::CChoixDossierQt(QWidget* parent, const QString& titre) : QFileDialog(parent) {
  setObjectName(kNomObjet);
  setWindowTitle(titre);
  setAccessibleName(titre);
  setOption(QFileDialog::DontUseNativeDialog);
  setOption(QFileDialog::ShowDirsOnly);
  setFileMode(QFileDialog::Directory);
  setAcceptMode(QFileDialog::AcceptOpen);
  // The chooser greys its button for a name that is no folder yet: here
  // such a name is a folder to make.
  if (QPushButton* choisir = BoutonChoisir(*this)) choisir->installEventFilter(this);
}

bool CChoixDossierQt::eventFilter(QObject* objet, QEvent* evenement) {
  if (evenement->type() == QEvent::EnabledChange && objet == BoutonChoisir(*this)) {
    auto* choisir = static_cast<QPushButton*>(objet);
    const auto* nom = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!choisir->isEnabled() && nom && !nom->text().trimmed().isEmpty()) choisir->setEnabled(true);
  }
  return QFileDialog::eventFilter(objet, evenement);
}

void CChoixDossierQt::accept() {
  const QStringList choisis = selectedFiles();
  if (!choisis.isEmpty()) {
    const QFileInfo dossier(choisis.first());
    // A name that is a file stays refused by the chooser itself.
    if (!dossier.exists()) QDir().mkpath(dossier.absoluteFilePath());
  }
  QFileDialog::accept();
}

QString CChoixDossierQt::Choisit(QWidget* parent, const QString& titre) {
  CChoixDossierQt dialogue(parent, titre);
  if (dialogue.exec() != QDialog::Accepted) return {};
  const QStringList choisis = dialogue.selectedFiles();
  return choisis.isEmpty() ? QString() : choisis.first();
}

}  // namespace lumaveil
