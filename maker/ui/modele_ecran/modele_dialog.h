// The template dialog "Template definition": edits its own copy of the
// project's screen template with the resize, text, border and background
// editors and the effect and duration dialogs, loads and saves template
// files, and shows one status line per setting. A demo picture (the list's
// thumbnail backdrop at 80 % of the resolution, 800 x 600 for 1024 x 768)
// stands in for a picture, so every editor has something to show.
//
// Normal mode closes with OK, "OK for all" or Cancel; wizard mode with
// "Next" or "Finish". Nothing reaches the project until the caller stores
// the dialog's values (Stocke) for a result other than Cancel.
#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <string>

#include "base/bitmap.h"
#include "dialogue.h"
#include "ecran.h"
#include "projet.h"
#include "projet/controleur_projet.h"
#include "travail/travail_ecran.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace talvik {
class CGraphique;
}

namespace lumaveil {

class CCommandesEcran;
class CEditeursQt;

// Result of "OK for all", beside QDialog's and the wizard's.
inline constexpr int kOkPourTous = 12;

// Texts of the template file choosers.
inline constexpr char kFiltreModele[] =
    QT_TRANSLATE_NOOP("lumaveil::CKSFileDialog", "Lumaveil Template (*.mod)") "|*.mod||";
inline constexpr char kTitreChargementModele[] =
    QT_TRANSLATE_NOOP("lumaveil::CKSFileDialog", "Template loading from");
inline constexpr char kTitreSauvegardeModele[] =
    QT_TRANSLATE_NOOP("lumaveil::CKSFileDialog", "Template saving under");

// The demo picture's size for a resolution: 80 % of each side (integer
// arithmetic), 800 x 600 for 1024 x 768.
SIZE TailleDemo(SIZE resolution);

class CModeleDlg : public QDialog, private ITravailEcran {
  Q_OBJECT
 public:
  // The buttons that open an editor, in the order of their status lines.
  enum Editeur { kRedimension, kTextes, kCadre, kFond, kEffet, kDuree, kNombreEditeurs };

  // Copies the template, its file name and flags from `projet`; the demo
  // picture is made from `fondVignette` (the list's backdrop). Messages of
  // the template files go through `dialogue`.
  CModeleDlg(const CProjet& projet, const talvik::HBITMAP& fondVignette,
             talvik::CGraphique& graphique, IDialogue& dialogue, bool assistant,
             QWidget* parent = nullptr);
  ~CModeleDlg() override;

  // The dialog's copy of the template and its file name and flags.
  const CEcran& Modele() const { return *modele_; }
  const std::string& NomModele() const { return nomModele_; }
  int ModeleCharge() const { return modeleCharge_; }
  int ModeleSauve() const { return modeleSauve_; }

  // Stores the template, its file name and flags into the project
  // (CControleurProjet::FixeModele).
  void Stocke(CControleurProjet& controleur) const;

  QToolButton* BoutonEditeur(Editeur editeur) const { return editeurs_[editeur]; }
  QPushButton* BoutonChargement() const { return chargement_; }
  QPushButton* BoutonSauvegarde() const { return sauvegarde_; }
  QPushButton* BoutonReset() const { return reset_; }
  QPushButton* BoutonOk() const { return ok_; }
  QPushButton* BoutonOkPourTous() const { return okPourTous_; }
  QPushButton* BoutonSuivant() const { return suivant_; }
  QPushButton* BoutonTerminer() const { return terminer_; }
  // Status line i: the six editors, then the loaded and the saved template.
  QString Ligne(int i) const;

 private:
  // ITravailEcran: the editors work on the copy.
  CEcran& EcranCourant() override { return *modele_; }
  talvik::CGraphique& Graphique() override { return graphique_; }
  void Valide(int niveau, const char* nom = nullptr) override;

  void Charge();
  void Sauve();
  void Reset();
  void Rafraichit();

  talvik::CGraphique& graphique_;
  IDialogue& dialogue_;
  std::unique_ptr<CEcran> modele_;
  talvik::HBITMAP demo_;
  std::string nomModele_;
  int modeleCharge_ = 0;
  int modeleSauve_ = 0;
  std::unique_ptr<CEditeursQt> editeursQt_;
  std::unique_ptr<CCommandesEcran> commandes_;

  QLabel* apercu_ = nullptr;
  std::array<QToolButton*, kNombreEditeurs> editeurs_{};
  std::array<QLabel*, kNombreEditeurs + 2> lignes_{};
  QPushButton* chargement_ = nullptr;
  QPushButton* sauvegarde_ = nullptr;
  QPushButton* reset_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* okPourTous_ = nullptr;
  QPushButton* suivant_ = nullptr;
  QPushButton* terminer_ = nullptr;
};

}  // namespace lumaveil
