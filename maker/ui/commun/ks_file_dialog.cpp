#include "commun/ks_file_dialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QWidget>

#include "picture/format.h"

namespace lumaveil {

namespace {

// The texts of the formats the chooser has always listed, in their order;
// the formats read since come after them under the reader's name.
struct FormatChoix {
  const char* format;  // as talvik::ExtensionsLisibles names it
  const char* texte;
};
constexpr FormatChoix kFormatsDesignes[] = {
    {"JPEG", "Jpeg"}, {"BMP", "Bitmap"}, {"GIF", "Gif"}, {"PNG", "Png"}, {"TIFF", "Tiff"}};

// "*.jpg;*.jpeg;*.jpe": the patterns of one format's extensions.
QString Motifs(const std::string& format) {
  QStringList motifs;
  for (const talvik::ExtensionImage& e : talvik::ExtensionsLisibles())
    if (format.empty() || e.format == format)
      motifs << QStringLiteral("*.") + QString::fromStdString(e.extension);
  return motifs.join(';');
}

QString Entree(const QString& texte, const QString& motifs) {
  return texte + " (" + motifs + ")|" + motifs + "|";
}

}  // namespace

QString FiltreImages() {
  QString filtre = QString(QT_TRANSLATE_NOOP("lumaveil::CKSFileDialog", "All pictures")) + "|" +
                   Motifs({}) + "|";
  QStringList faits;
  for (const FormatChoix& f : kFormatsDesignes) {
    filtre += Entree(QString::fromUtf8(f.texte), Motifs(f.format));
    faits << QString::fromUtf8(f.format);
  }
  for (const talvik::ExtensionImage& e : talvik::ExtensionsLisibles()) {
    const QString format = QString::fromStdString(e.format);
    if (faits.contains(format)) continue;
    filtre += Entree(format, Motifs(e.format));
    faits << format;
  }
  return filtre + QString(QT_TRANSLATE_NOOP("lumaveil::CKSFileDialog", "All files (*.*)")) +
         "|*.*||";
}

QStringList FiltresQt(const QString& filtre) {
  QStringList resultat;
  const QStringList morceaux = filtre.split('|');
  for (int i = 0; i + 1 < morceaux.size(); i += 2) {
    // Each description in the user's language (their patterns stay).
    const QString texte =
        QCoreApplication::translate("lumaveil::CKSFileDialog", morceaux[i].toUtf8().constData());
    if (texte.isEmpty()) break;
    QString motifs;
    // Every letter of an extension in either case: "*.JPG" from a camera
    // is a picture as much as "*.jpg".
    for (const QChar c : morceaux[i + 1]) {
      if (c == ';') motifs += ' ';
      else if (c.isLetter() && c.toLower() != c.toUpper())
        motifs += QStringLiteral("[%1%2]").arg(c.toLower()).arg(c.toUpper());
      else motifs += c;
    }
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
  if (!titre_.isEmpty())
    dialogue.setWindowTitle(
        QCoreApplication::translate("lumaveil::CKSFileDialog", titre_.toUtf8().constData()));
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
