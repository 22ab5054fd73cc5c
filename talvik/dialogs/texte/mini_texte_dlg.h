// CMiniTexteDlg: one page of the text editor, for one text: the text, its
// font, its placement (absolute at X, Y, or automatic from the margins Dx,
// Dy against a corner or centred) and its ink and background colours. The
// text field shows the text in its font and colours. Every change the user
// makes is read back into the members and reported to the editor through
// ChangementTexte (posted: the page finishes its own handling first).
#pragma once

#include <QWidget>

#include <memory>

#include "base/mfctypes.h"
#include "base/wintypes.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace talvik {

class CCouleurDlg;
class CGraphique;
class CSpinEdition;

class CMiniTexteDlg : public QWidget {
  Q_OBJECT

 public:
  // Controls of the page.
  enum : unsigned {
    ID_TEXTE = 2241,
    ID_POLICE = 2246,
    ID_ABSOLUE = 2247,
    ID_AUTOMATIQUE = 2248,
    ID_X = 2249,
    ID_Y = 2251,
    ID_HAUT = 2253,
    ID_BAS = 2254,
    ID_DY = 2255,
    ID_GAUCHE = 2257,
    ID_DROITE = 2258,
    ID_CENTRE = 2259,
    ID_DX = 2260,
  };

  explicit CMiniTexteDlg(QWidget* parent = nullptr);
  ~CMiniTexteDlg() override;

  int m_bModifie = 0;                  // the user changed something on the page
  CString m_strTexte;                  // the text (UTF-8)
  QPushButton* m_pBoutonPolice;        // shows the font, opens the font chooser
  std::unique_ptr<QFont> m_pPolice;    // font made from m_lfPolice (the field shows it fitted)
  LOGFONT m_lfPolice;                  // the text's font
  LOGFONT m_lfDefaut;                  // the text field's own font when the page opened
  QRadioButton* m_pAbsolue;            // "Absolute"
  int m_nAbsolueX = 0;                 // absolute x, pixels
  int m_nAbsolueY = 0;                 // absolute y, pixels
  QRadioButton* m_pAutomatique;        // "Automatic"
  QRadioButton* m_pHaut;               // "Up"
  QRadioButton* m_pBas;                // "Down"
  QRadioButton* m_pDroite;             // "Right"
  QRadioButton* m_pGauche;             // "Left"
  QRadioButton* m_pCentre;             // "Center"
  int m_nDeltaY = 5;                   // vertical margin, pixels ("Dy = ")
  int m_nDeltaX = 5;                   // horizontal margin, pixels ("Dx = ")
  CCouleurDlg* m_pCouleurEncre;        // ink colour, in the "Ink color" frame
  CCouleurDlg* m_pCouleurFond;         // background colour and "Transparent"
  CGraphique* m_pGraphique = nullptr;
  QWidget* m_pParent = nullptr;        // the editor told of changes
  int m_nLargeur = 0;                  // picture size: bounds of the positions
  int m_nHauteur = 0;
  int m_nFormatDate = 0;               // how a date field is written (kLibellesFormatDate)
  int m_nRelief = 0;                   // kReliefAucun, kReliefContour, kReliefOmbre

  // Remembers the editor and the graphics object, shows the page (and
  // puts the focus into its text) when it is the first one, sets the
  // colour choosers' modes, the arrows' ranges (X and Dx 0..width, Y and
  // Dy 0..height) and writes the members into the controls.
  void InitInstance(QWidget* parent, CGraphique* graphique, int premier);
  // Frees the font and the two colour choosers.
  void DesInitInstance();
  // Empty text, the field's font, automatic placement from the bottom
  // right corner, X = Y = 0, Dx = Dy = 5, both colour choosers at their
  // defaults.
  void ValeurDefaut();
  // Font description, text font, both choosers and the placement's
  // enabling, from the members.
  void AffichageGlobal();
  void AffichePolice();
  void FormateLeTexte();
  // ID_AUTOMATIQUE enables the five anchors and Dx, Dy and disables X, Y;
  // ID_ABSOLUE the reverse.
  void PositionChange(unsigned id);

  // Reads the controls into the members in the order text, X, Y, Dy, Dx,
  // then checks Dx and X against 0..width and Dy and Y against
  // 0..height. A field without a number, or a number out of its range,
  // shows its message and ends the reading; a number out of range is
  // kept. bSauve false writes the members into the controls.
  bool UpdateData(bool bSauve);

  // Handlers of the page's controls.
  void OnTexteChange();
  void OnPoliceSelecteur();
  void OnPositionChange(unsigned id);
  void OnPositionAutomatiqueXChange(unsigned id);
  void OnPositionAbsolueXChange(unsigned id);
  void PriseEnCompteChangementCouleur();
  // Puts the field `nom` (text/champs_texte.h) where the cursor is.
  void OnInsereChamp(const char* nom);

  // Controls, for the editor and the callers that drive the page.
  QPlainTextEdit* EditTexte() const { return m_pEditTexte; }
  QToolButton* BoutonChamp() const { return m_pInsereChamp; }
  QComboBox* ChoixFormatDate() const { return m_pFormatDate; }
  QComboBox* ChoixRelief() const { return m_pRelief; }
  CSpinEdition* Champ(unsigned id) const;
  // The text field's colours and fill: ink, background, and whether the
  // background is filled (not transparent).
  QColor CouleurTexteAffichee() const;
  QColor CouleurFondAffichee() const;

 signals:
  // Something on the page changed (posted to the editor).
  void ChangementTexte();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* objet, QEvent* event) override;

 private:
  // The sample shows the whole caption on one line: the text's font, made
  // smaller when the caption would not fit in the field.
  void AjustePolice();

  QPlainTextEdit* m_pEditTexte = nullptr;
  QToolButton* m_pInsereChamp = nullptr;  // "Insert field", a menu of the fields
  QComboBox* m_pFormatDate = nullptr;      // "Date format"
  QComboBox* m_pRelief = nullptr;          // "Text edge": none, outline, soft shadow
  CSpinEdition* m_pChampX = nullptr;
  CSpinEdition* m_pChampY = nullptr;
  CSpinEdition* m_pChampDx = nullptr;
  CSpinEdition* m_pChampDy = nullptr;
  int m_bPret = 0;
  bool m_bEcriture = false;  // the page writes its own controls
};

}  // namespace talvik
