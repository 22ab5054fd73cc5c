// The folder chooser of "Save as web page": the maker's own chooser in
// folder mode, which takes the name of a folder that does not exist yet
// and makes it, as file choosers take a new file's name.
#pragma once

#include <QFileDialog>
#include <QString>

class QWidget;

namespace lumaveil {

class CChoixDossierQt : public QFileDialog {
  Q_OBJECT
 public:
  CChoixDossierQt(QWidget* parent, const QString& titre);
  // The chosen folder, made when it was missing; "" when cancelled.
  static QString Choisit(QWidget* parent, const QString& titre);

  // Object name of the chooser while it runs (tests find it by this name).
  static constexpr const char* kNomObjet = "CChoixDossierQt";

  void accept() override;

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override;
};

}  // namespace lumaveil
