#include "dialogs/apercu/plein_ecran.h"

#include <utility>

#include "dialogs/commun/plein_ecran_dlg.h"

namespace talvik {

namespace {

OuvreurPleinEcran& Ouvreur() {
  static OuvreurPleinEcran ouvreur;
  return ouvreur;
}

}  // namespace

OuvreurPleinEcran InstalleOuvreurPleinEcran(OuvreurPleinEcran ouvreur) {
  return std::exchange(Ouvreur(), std::move(ouvreur));
}

void OuvrePleinEcran(QWidget* parent, CGraphique* graphique, const HBITMAP& image,
                     const CString& strTaille) {
  if (Ouvreur()) {
    Ouvreur()(parent, graphique, image, strTaille);
    return;
  }
  CPleinEcranDlg vue(parent);
  vue.m_hImage = image;
  vue.m_strTaille = strTaille;
  vue.InitInstance(graphique);
  vue.exec();
}

}  // namespace talvik
