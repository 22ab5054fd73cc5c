// CCadreDlg: the border editor. A border is a band of a pattern of the
// bank or of a colour (then with an optional thin line around it) drawn
// around the screen's picture; "None" leaves the picture as it is. User
// patterns can be added from picture files and deleted here; the bank
// changes at once, whatever the user answers afterwards.
//
// Calling pattern: construct, set the public members, InitInstance(), run
// DoModal(), always DesInitInstance(); read the members back on IDOK.
#pragma once

#include "base/bitmap.h"
#include "base/mfctypes.h"
#include "dialogs/motifs/dialogue_motifs.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace talvik {

class CCouleurDlg;
class CSpinEdition;

class CCadreDlg : public CDialogueMotifs {
  Q_OBJECT

 public:
  // Controls of the dialog.
  enum : unsigned {
    ID_EPAISSEUR = 1500,
    ID_BORDURE = 1502,
    ID_LISTE = 1506,
    ID_AUCUN = 1507,
    ID_MOTIF = 1508,
    ID_COULEUR = 1509,
    ID_APERCU = 1511,
  };
  // Range of the thickness, pixels.
  static constexpr int kEpaisseurMin = 1;
  static constexpr int kEpaisseurMax = 50;

  explicit CCadreDlg(QWidget* parent = nullptr);
  ~CCadreDlg() override;

  int m_nLargeur = 0;              // picture width, pixels
  int m_nHauteur = 0;              // picture height, pixels
  HBITMAP m_hImage;                // the picture before the border step (caller's)
  QRadioButton* m_pAucun;          // "None"
  QRadioButton* m_pMotif;          // "Border with pattern"
  QRadioButton* m_pCouleur;        // "Border with color"
  QCheckBox* m_pBordure;           // "Borderline"
  // m_nMotif (the selected pattern) comes with the pattern list.
  int m_nEpaisseur = 5;            // border thickness, 1..50 pixels
  int m_bAucun = 0;                // no border
  int m_bMotif = 0;                // border with a pattern
  int m_bCouleur = 0;              // border with a colour
  int m_bBordure = 0;              // thin line around a colour border
  COLORREF m_crCouleur = 0;        // border colour
  COLORREF m_crCouleurBordure = 0; // line colour
  int m_nExtension = 1;            // the border grows the picture (CadreImage)

  // Empties the pattern list and destroys the two colour choosers.
  void DesInitInstance();

  // Draws the preview (on a worker thread; see AttendApercu).
  void AfficheImage() override;
  // The bordered picture as it would be built now (the caller's picture
  // itself when "None" is checked).
  HBITMAP Resultat() override;
  // Enables the controls that the border type and "Borderline" allow.
  void RestrictionAcces();

  void OnChangeAcces(unsigned id) override;
  void OnChangeAcces2();
  void PriseEnCompteChangementCouleur();

  // Controls, for the callers that drive the dialog.
  CSpinEdition* Epaisseur() const { return m_pEpaisseur; }
  CCouleurDlg* ChoixCouleur() const { return m_pChoixCouleur; }
  CCouleurDlg* ChoixCouleurBordure() const { return m_pChoixBordure; }
  QGroupBox* CadreCouleur() const { return m_pCadreCouleur; }
  QGroupBox* CadreCouleurBordure() const { return m_pCadreBordure; }

 protected:
  void OnInitDialog() override;
  void OnReset() override;
  void OnOK() override;

 private:
  COLORREF CouleurChoisie() const;
  COLORREF CouleurTraitChoisie() const;
  // The thickness field into m_nEpaisseur, checked (bSauve), or back into
  // the field. False when the field was refused.
  bool UpdateData(bool bSauve);

  CSpinEdition* m_pEpaisseur = nullptr;
  CCouleurDlg* m_pChoixCouleur = nullptr;  // inside "Border color"
  CCouleurDlg* m_pChoixBordure = nullptr;  // inside "Borderline color"
  QGroupBox* m_pCadreCouleur = nullptr;
  QGroupBox* m_pCadreBordure = nullptr;
  bool m_bEcriture = false;  // the dialog writes the thickness field itself
};

}  // namespace talvik
