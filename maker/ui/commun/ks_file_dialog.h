// CKSFileDialog: the file chooser of the maker, in open or save mode, with
// a default extension, an initial file name, a filter in the
// "Text|patterns|Text|patterns||" form, single or multiple selection. Its
// modal run blocks the owner window while it runs and returns OK or
// Cancel. Open mode accepts only existing files; save mode asks before an
// existing file is replaced.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace lumaveil {

// Results of DoModal.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Option flags.
inline constexpr unsigned OFN_ALLOWMULTISELECT = 0x200;
inline constexpr unsigned OFN_FILEMUSTEXIST = 0x1000;
inline constexpr unsigned OFN_OVERWRITEPROMPT = 0x2;

// Pictures the maker loads, with "All files" last.
QString FiltreImages();
// Title of the multi-selection picture chooser.
inline constexpr const char* kTitreChoixImages = QT_TRANSLATE_NOOP(
    "lumaveil::CKSFileDialog", "Select images to load (use 'CTRL' for multiple selection)");

// The Qt name filters of a "Text|patterns|...||" filter: each entry keeps
// its text as shown and matches its ';'-separated patterns.
QStringList FiltresQt(const QString& filtre);

class CKSFileDialog {
 public:
  CKSFileDialog(bool ouverture, const QString& extensionDefaut, const QString& nomFichier,
                unsigned options, const QString& filtre, QWidget* parent = nullptr);

  void FixeTitre(const QString& titre) { titre_ = titre; }
  // Runs the chooser; IDOK or IDCANCEL.
  int DoModal();

  // The chosen file (the first one in multiple selection).
  QString GetPathName() const { return chemins_.value(0); }
  // Every chosen file, in the order the chooser gives them.
  const QStringList& Chemins() const { return chemins_; }

  // Object name of the chooser while it runs (tests find it by this name).
  static constexpr const char* kNomObjet = "CKSFileDialog";

 private:
  bool ouverture_;
  QString extension_;
  QString nom_;
  unsigned options_;
  QString filtre_;
  QWidget* parent_;
  QString titre_;
  QStringList chemins_;
};

}  // namespace lumaveil
