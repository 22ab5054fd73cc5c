#include "travail/editeurs_qt.h"

#include <QFileDialog>
#include <QFileInfo>

#include "chaines.h"

namespace lumaveil {

CEditeursQt::CEditeursQt(QWidget* fenetre, talvik::CGraphique& graphique)
    : fenetre_(fenetre), graphique_(graphique) {}

int CEditeursQt::ChoixImage(std::string& chemin) {
  const QString tous = QString::fromStdString(talvik::ChargeChaine(talvik::IDS_TOUS_FICHIERS));
  const QStringList filtres = {"Jpeg (*.jpg;*.jpeg;*.jpe) (*.jpg *.jpeg *.jpe)",
                               "Bitmap (*.bmp) (*.bmp)",
                               "Gif (*.gif) (*.gif)",
                               "Png (*.png) (*.png)",
                               "Tiff (*.tif;*.tiff) (*.tif *.tiff)",
                               tous + " (*.*) (*)"};
  QFileDialog choix(fenetre_);
  choix.setAcceptMode(QFileDialog::AcceptOpen);
  choix.setFileMode(QFileDialog::ExistingFile);
  choix.setNameFilters(filtres);
  choix.setDefaultSuffix("jpg");
  if (!chemin.empty()) choix.selectFile(QString::fromStdString(chemin));
  if (choix.exec() != QDialog::Accepted || choix.selectedFiles().isEmpty()) return 0;
  chemin = choix.selectedFiles().front().toStdString();
  return 1;
}

int CEditeursQt::EditeEffet(int&) {
  return 0;
}

int CEditeursQt::EditeDuree(int&) {
  return 0;
}

}  // namespace lumaveil
