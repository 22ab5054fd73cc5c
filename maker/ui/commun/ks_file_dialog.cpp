#include "commun/ks_file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QWidget>

namespace lumaveil {

QString FiltreImages() {
  return QStringLiteral(
             "Jpeg (*.jpg;*.jpeg;*.jpe)|*.jpg;*.jpeg;*.jpe|Bitmap (*.bmp)|*.bmp|Gif (*.gif)|"
             "*.gif|Png (*.png)|*.png|Tiff (*.tif;*.tiff)|*.tif;*.tiff|%1 (*.*)|*.*||")
      .arg(QStringLiteral("All files"));
}

QStringList FiltresQt(const QString& filtre) {
  QStringList resultat;
  const QStringList morceaux = filtre.split('|');
  for (int i = 0; i + 1 < morceaux.size(); i += 2) {
    const QString& texte = morceaux[i];
    if (texte.isEmpty()) break;
    QString motifs = morceaux[i + 1];
    motifs.replace(';', ' ');
    // The text as shown, then the patterns Qt matches (kept out of sight
    // by HideNameFilterDetails).
    resultat << texte + " (" + motifs + ")";
  }
  return resultat;
}

CKSFileDialog::CKSFileDialog(bool ouverture, const QString& extensionDefaut,
                             const QString& nomFichier, unsigned options, const QString& filtre,
                             QWidget* parent)
    : ouverture_(ouverture),
      extension_(extensionDefaut),
      nom_(nomFichier),
      options_(options),
      filtre_(filtre),
      parent_(parent) {}

int CKSFileDialog::DoModal() {
  chemins_.clear();
  QFileDialog dialogue(parent_);
  dialogue.setObjectName(kNomObjet);
  dialogue.setOption(QFileDialog::DontUseNativeDialog);
  dialogue.setOption(QFileDialog::HideNameFilterDetails);
  dialogue.setAcceptMode(ouverture_ ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  if (ouverture_) {
    dialogue.setFileMode((options_ & OFN_ALLOWMULTISELECT) ? QFileDialog::ExistingFiles
                                                           : QFileDialog::ExistingFile);
  } else {
    dialogue.setFileMode(QFileDialog::AnyFile);
    if (!(options_ & OFN_OVERWRITEPROMPT)) dialogue.setOption(QFileDialog::DontConfirmOverwrite);
  }
  QString extension = extension_;
  if (extension.startsWith('.')) extension.remove(0, 1);
  if (!extension.isEmpty()) dialogue.setDefaultSuffix(extension);
  dialogue.setNameFilters(FiltresQt(filtre_));
  if (!titre_.isEmpty()) dialogue.setWindowTitle(titre_);
  if (!nom_.isEmpty()) {
    const QFileInfo info(nom_);
    if (info.isAbsolute() || nom_.contains('/')) dialogue.setDirectory(info.absolutePath());
    dialogue.selectFile(info.fileName());
  }
  // Application-modal: the owner takes no input while the chooser runs.
  dialogue.setWindowModality(Qt::ApplicationModal);
  const int resultat = dialogue.exec();
  if (resultat != QDialog::Accepted) return IDCANCEL;
  chemins_ = dialogue.selectedFiles();
  return chemins_.isEmpty() ? IDCANCEL : IDOK;
}

}  // namespace lumaveil
