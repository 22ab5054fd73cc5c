#include "travail/editeurs_qt.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <type_traits>

#include "champs_legende.h"
#include "commun/ks_file_dialog.h"
#include "dialogs/cadre/cadre_dlg.h"
#include "dialogs/fond/fond_dlg.h"
#include "dialogs/recoupe/recoupe_dlg.h"
#include "dialogs/redimension/redimension_dlg.h"
#include "dialogs/reglage/reglage_dlg.h"
#include "dialogs/rotation/rotation_dlg.h"
#include "dialogs/texte/texte_dlg.h"
#include "duree/duree_dialog.h"
#include "effet/effet_dialog.h"
#include "textes_ecran.h"

namespace lumaveil {

namespace {

// One value of an editor: the dialog's member and where the caller keeps
// it (a member of the caller's values, or, without one, the whole value).
template <auto MembreDialogue, auto MembreValeurs = nullptr>
struct Lien {
  template <class Valeurs>
  static auto& Garde(Valeurs& valeurs) {
    if constexpr (std::is_null_pointer_v<decltype(MembreValeurs)>) return valeurs;
    else return valeurs.*MembreValeurs;
  }
  template <class Dialogue, class Valeurs>
  static void Remplit(Dialogue& dlg, const Valeurs& valeurs) {
    dlg.*MembreDialogue = Garde(valeurs);
  }
  template <class Dialogue, class Valeurs>
  static void Relit(const Dialogue& dlg, Valeurs& valeurs) {
    Garde(valeurs) = dlg.*MembreDialogue;
  }
};

// An editor described by the values it edits, each given to the dialog and
// read back on OK; `Autres` fills and reads what is not a plain copy.
struct SansAutres {
  template <class Dialogue, class Valeurs>
  static void Remplit(Dialogue&, const Valeurs&) {}
  template <class Dialogue, class Valeurs>
  static void Relit(const Dialogue&, Valeurs&) {}
};
template <class Autres, class... Liens>
struct Description {
  template <class Dialogue, class Valeurs>
  static void Remplit(Dialogue& dlg, const Valeurs& valeurs) {
    (Liens::Remplit(dlg, valeurs), ...);
    Autres::Remplit(dlg, valeurs);
  }
  template <class Dialogue, class Valeurs>
  static void Relit(const Dialogue& dlg, Valeurs& valeurs) {
    (Liens::Relit(dlg, valeurs), ...);
    Autres::Relit(dlg, valeurs);
  }
};

// Every editor runs the same way: the preview and its size, the values,
// InitInstance with the shared image-operations object (after the size: the
// resize editor takes the aspect ratio from it), the modal run,
// DesInitInstance for the editors that have one, and on OK the values read
// back.
// `prepare` gives the dialog what is not a value (before InitInstance).
template <class Dialogue, class DescriptionEditeur, class Valeurs>
int Edite(QWidget* fenetre, talvik::CGraphique& graphique, const HBITMAP& apercu, SIZE taille,
          Valeurs& valeurs, const std::function<void(Dialogue&)>& prepare = {}) {
  Dialogue dlg(fenetre);
  dlg.m_nLargeur = taille.cx;
  dlg.m_nHauteur = taille.cy;
  dlg.m_hImage = apercu;
  DescriptionEditeur::Remplit(dlg, valeurs);
  if (prepare) prepare(dlg);
  dlg.InitInstance(&graphique);
  const bool ok = dlg.DoModal() == talvik::IDOK;
  if constexpr (requires { dlg.DesInitInstance(); }) dlg.DesInitInstance();
  if (!ok) return 0;
  DescriptionEditeur::Relit(dlg, valeurs);
  return 1;
}

using talvik::CCadreDlg;
using talvik::CFondDlg;
using talvik::CRecoupeDlg;
using talvik::CRedimensionDlg;
using talvik::CReglageDlg;
using talvik::CRotationDlg;
using talvik::CTexteDlg;

using Rotation = Description<SansAutres, Lien<&CRotationDlg::m_nAngle>>;
using Recoupe = Description<SansAutres, Lien<&CRecoupeDlg::m_rectRecoupe>>;
using Reglage = Description<SansAutres,
                           Lien<&CReglageDlg::m_nLumiere, &ValeursReglage::lumiere>,
                           Lien<&CReglageDlg::m_nContraste, &ValeursReglage::contraste>,
                           Lien<&CReglageDlg::m_nIntensite, &ValeursReglage::intensite>>;
using Redimension = Description<
    SansAutres, Lien<&CRedimensionDlg::m_bPourcentage, &ValeursRedimension::parPourcentage>,
    Lien<&CRedimensionDlg::m_nPourcentage, &ValeursRedimension::pourcentage>,
    Lien<&CRedimensionDlg::m_nTailleX, &ValeursRedimension::tailleX>,
    Lien<&CRedimensionDlg::m_nTailleY, &ValeursRedimension::tailleY>,
    Lien<&CRedimensionDlg::m_bConservationProportion,
         &ValeursRedimension::conservationProportion>,
    Lien<&CRedimensionDlg::m_bRemplissage, &ValeursRedimension::remplissage>>;

// The five texts, copied whole.
struct CopieTextes {
  static void Remplit(CTexteDlg& dlg, const T_TEXTE (&textes)[kNombreTextes]) {
    std::copy(std::begin(textes), std::end(textes), std::begin(dlg.m_Textes));
  }
  static void Relit(const CTexteDlg& dlg, T_TEXTE (&textes)[kNombreTextes]) {
    std::copy(std::begin(dlg.m_Textes), std::end(dlg.m_Textes), std::begin(textes));
  }
};
using Textes = Description<CopieTextes>;

// The border's mode as the dialog's three radio buttons.
struct ModeDuCadre {
  static void Remplit(CCadreDlg& dlg, const ValeursCadre& v) {
    dlg.m_bAucun = v.mode == ModeCadre::Aucun ? 1 : 0;
    dlg.m_bMotif = v.mode == ModeCadre::Motif ? 1 : 0;
    dlg.m_bCouleur = v.mode == ModeCadre::Couleur ? 1 : 0;
  }
  static void Relit(const CCadreDlg& dlg, ValeursCadre& v) {
    v.mode = dlg.m_bAucun  ? ModeCadre::Aucun
             : dlg.m_bMotif ? ModeCadre::Motif
                            : ModeCadre::Couleur;
  }
};
using Cadre = Description<ModeDuCadre,
                          Lien<&CCadreDlg::m_bBordure, &ValeursCadre::bordureUtilisation>,
                          Lien<&CCadreDlg::m_nMotif, &ValeursCadre::motif>,
                          Lien<&CCadreDlg::m_nEpaisseur, &ValeursCadre::taille>,
                          Lien<&CCadreDlg::m_crCouleur, &ValeursCadre::couleur>,
                          Lien<&CCadreDlg::m_crCouleurBordure, &ValeursCadre::couleurBordure>>;

// What the background editor is given and not asked back: the canvas size,
// "none" off, and whether the background is a plain colour.
struct DonneesDuFond {
  static void Remplit(CFondDlg& dlg, const ValeursFond& v) {
    dlg.m_sizeEcran = v.tailleCible;
    dlg.m_bAucun = 0;
    dlg.m_bCouleur = v.modeCouleur;
  }
  static void Relit(const CFondDlg&, ValeursFond&) {}
};
using Fond = Description<DonneesDuFond,
                         Lien<&CFondDlg::m_bMotif, &ValeursFond::motifUtilisation>,
                         Lien<&CFondDlg::m_nMotif, &ValeursFond::motif>,
                         Lien<&CFondDlg::m_crCouleur, &ValeursFond::couleur>,
                         Lien<&CFondDlg::m_bFlou, &ValeursFond::flou>>;

}  // namespace

CEditeursQt::CEditeursQt(QWidget* fenetre, talvik::CGraphique& graphique)
    : fenetre_(fenetre), graphique_(graphique) {}

int CEditeursQt::ChoixImage(std::string& chemin) {
  CKSFileDialog choix(true, QStringLiteral(".jpg"), QString::fromStdString(chemin),
                      OFN_FILEMUSTEXIST, FiltreImages(), fenetre_);
  if (choix.DoModal() != IDOK) return 0;
  chemin = choix.GetPathName().toStdString();
  return 1;
}

int CEditeursQt::EditeRotation(const HBITMAP& apercu, SIZE taille, int& angle) {
  return Edite<CRotationDlg, Rotation>(fenetre_, graphique_, apercu, taille, angle);
}

int CEditeursQt::EditeReglage(const HBITMAP& apercu, SIZE taille, ValeursReglage& valeurs) {
  return Edite<CReglageDlg, Reglage>(fenetre_, graphique_, apercu, taille, valeurs);
}

int CEditeursQt::EditeRecoupe(const HBITMAP& apercu, SIZE taille, RECT& rectangle) {
  return Edite<CRecoupeDlg, Recoupe>(fenetre_, graphique_, apercu, taille, rectangle);
}

int CEditeursQt::EditeRedimension(const HBITMAP& apercu, SIZE taille,
                                  ValeursRedimension& valeurs) {
  return Edite<CRedimensionDlg, Redimension>(fenetre_, graphique_, apercu, taille, valeurs);
}

int CEditeursQt::EditeTextes(const HBITMAP& apercu, SIZE taille,
                             T_TEXTE (&textes)[kNombreTextes], const std::string& photo) {
  // The preview writes the fields out with the photo's values, as the
  // rendering does; a caption typed in an empty text is sized for the screen.
  return Edite<CTexteDlg, Textes>(fenetre_, graphique_, apercu, taille, textes,
                                  [&](CTexteDlg& dlg) {
                                    dlg.m_fnLibelle = [photo](const T_TEXTE& t) {
                                      return LibelleDessine(t, photo);
                                    };
                                    dlg.m_lfNouvelleLegende = PoliceLegende(taille);
                                  });
}

int CEditeursQt::EditeCadre(const HBITMAP& apercu, SIZE taille, ValeursCadre& valeurs) {
  return Edite<CCadreDlg, Cadre>(fenetre_, graphique_, apercu, taille, valeurs);
}

int CEditeursQt::EditeFond(const HBITMAP& apercu, SIZE taille, ValeursFond& valeurs) {
  return Edite<CFondDlg, Fond>(fenetre_, graphique_, apercu, taille, valeurs);
}

int CEditeursQt::EditeEffet(ValeursEffet& valeurs) {
  return lumaveil::EditeEffet(fenetre_, valeurs);
}

int CEditeursQt::EditeDuree(int& duree) { return lumaveil::EditeDuree(fenetre_, duree); }

}  // namespace lumaveil
