// CFondDlg: the background editor. The screen's picture is centred on a
// background of the target display size, made of a tiled pattern of the
// bank, of a plain colour, or of the picture itself scaled to fill the
// background, blurred and darkened ("Blurred photo"); the preview shows the whole background
// reduced into the preview area. User patterns can be added from picture
// files and deleted here; the bank changes at once, whatever the user
// answers afterwards.
//
// Calling pattern: construct, set the public members, InitInstance(), run
// DoModal(), always DesInitInstance(); read the members back on IDOK.
#pragma once

#include "base/bitmap.h"
#include "base/mfctypes.h"
#include "dialogs/motifs/dialogue_motifs.h"

class QGroupBox;
class QRadioButton;

namespace talvik {

class CCouleurDlg;

class CFondDlg : public CDialogueMotifs {
  Q_OBJECT

 public:
  // Controls of the dialog.
  enum : unsigned {
    ID_APERCU = 2231,
    ID_AUCUN = 2233,
    ID_MOTIF = 2234,
    ID_COULEUR = 2235,
    ID_LISTE = 2236,
    ID_FLOU = 2237,
  };

  explicit CFondDlg(QWidget* parent = nullptr);
  ~CFondDlg() override;

  CSize m_sizeEcran;            // size of the background (the screen's target size)
  int m_nBits = 32;             // bits per pixel of the background
  int m_nLargeur = 0;           // picture width, pixels
  int m_nHauteur = 0;           // picture height, pixels
  HBITMAP m_hImage;             // the picture before the background step (caller's)
  QRadioButton* m_pAucun;       // "Motif": hidden choice meaning no background
  QRadioButton* m_pMotif;       // "Background with pattern"
  QRadioButton* m_pCouleur;     // "Background with color"
  QRadioButton* m_pFlou;        // "Blurred photo"
  // m_nMotif (the selected pattern) comes with the pattern list.
  int m_bAucun = 0;             // no background
  int m_bMotif = 0;             // background with a pattern
  int m_bCouleur = 0;           // background with a colour
  int m_bFlou = 0;              // the picture itself, blurred
  COLORREF m_crCouleur = 0;     // background colour

  // Empties the pattern list and destroys the colour chooser.
  void DesInitInstance();

  // Draws the preview (on a worker thread; see AttendApercu).
  void AfficheImage() override;
  // The background as it would be built now, at the target size (the
  // caller's picture itself when "Motif" is checked).
  HBITMAP Resultat() override;
  // Enables the pattern list and the colour frame after the type.
  void RestrictionAcces();

  void OnChangeAcces(unsigned id) override;
  void PriseEnCompteChangementCouleur();

  CCouleurDlg* ChoixCouleur() const { return m_pChoixCouleur; }
  QGroupBox* CadreCouleur() const { return m_pCadreCouleur; }

 protected:
  void OnInitDialog() override;
  void OnReset() override;
  void OnOK() override;

 private:
  COLORREF CouleurChoisie() const;

  CCouleurDlg* m_pChoixCouleur = nullptr;  // inside the "Color" frame
  QGroupBox* m_pCadreCouleur = nullptr;
};

}  // namespace talvik
