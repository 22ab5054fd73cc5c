#include "travail/editeurs_qt.h"

#include "duree/duree_dialog.h"
#include "effet/effet_dialog.h"
#include "commun/ks_file_dialog.h"

namespace lumaveil {

CEditeursQt::CEditeursQt(QWidget* fenetre, talvik::CGraphique& graphique)
    : fenetre_(fenetre), graphique_(graphique) {}

int CEditeursQt::ChoixImage(std::string& chemin) {
  CKSFileDialog choix(true, QStringLiteral(".jpg"), QString::fromStdString(chemin),
                      OFN_FILEMUSTEXIST, FiltreImages(), fenetre_);
  if (choix.DoModal() != IDOK) return 0;
  chemin = choix.GetPathName().toStdString();
  return 1;
}

int CEditeursQt::EditeEffet(int& effet) { return lumaveil::EditeEffet(fenetre_, effet); }

int CEditeursQt::EditeDuree(int& duree) { return lumaveil::EditeDuree(fenetre_, duree); }

}  // namespace lumaveil
