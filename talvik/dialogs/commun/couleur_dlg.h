// CCouleurDlg: the colour chooser embedded in the border, background and
// text editors. Red, green and blue are typed in hexadecimal or decimal
// (with arrows beside each field), or chosen from the colour dialog by a
// click on the swatch; every change is reported to the parent through
// ChangementCouleur. Escape typed inside the chooser reaches the dialog
// around it, which it cancels.
#pragma once

#include <QWidget>

#include "base/bitmap.h"
#include "base/mfctypes.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace talvik {

class CGraphique;

class CCouleurDlg : public QWidget {
  Q_OBJECT

 public:
  enum : unsigned { ID_HEX = 1400, ID_DEC = 1401 };
  // Mode of InitInstance: 1 hides "Transparent", 0 keeps it.
  enum : int { MODE_AVEC_TRANSPARENT = 0, MODE_SANS_TRANSPARENT = 1 };
  static constexpr int kTailleEchantillon = 48;

  explicit CCouleurDlg(QWidget* parent = nullptr);
  ~CCouleurDlg() override;

  QWidget* m_pParent = nullptr;  // the dialog told of changes
  int m_bChange = 0;             // the user changed the colour; the parent clears it
  COLORREF m_crCouleur = 0;      // the colour, 0x00BBGGRR
  CString m_strRouge;            // the three component texts
  CString m_strVert;
  CString m_strBleu;
  QRadioButton* m_pHex = nullptr;
  QRadioButton* m_pDec = nullptr;
  QCheckBox* m_pTransparent = nullptr;
  CGraphique* m_pGraphique = nullptr;

  // Remembers parent and graphics object, shows or hides "Transparent"
  // after the mode, rewrites the fields from m_crCouleur in the current
  // base and clears m_bChange.
  void InitInstance(QWidget* parent, CGraphique* graphique, int mode);
  // "Hex" on, colour 0 (black), "Transparent" checked.
  void ValeurDefaut();
  // Fills the swatch and writes the three components in the current base
  // ("%x": lower case, no leading zeros; or "%d").
  void FormateCouleur();
  // ID_HEX checks "Hex", anything else "Dec"; then rewrites the fields.
  void OnCouleurBase(unsigned id);
  // Tells the parent that the colour changed (or "Transparent" was clicked).
  virtual void PriseEnCompteChangementCouleur();

  // Handlers: a field typed into, an arrow pressed (composante 0 red,
  // 1 green, 2 blue; pas +1 or -1), the swatch clicked, "Transparent" clicked.
  void OnCouleurChange();
  void OnCouleurFlecheChange(int composante, int pas);
  void OnCouleurSelecteur();
  void OnCouleurTransparent();

  // Controls moved into the members (bSauve true) or the other way.
  void UpdateData(bool bSauve);

  QLineEdit* EditComposante(int composante) const { return m_pEdits[composante]; }
  QToolButton* Fleche(int composante, int pas) const {
    return pas > 0 ? m_pPlus[composante] : m_pMoins[composante];
  }
  QLabel* Echantillon() const { return m_pEchantillon; }
  bool Hexadecimal() const;

 signals:
  void ChangementCouleur();

 protected:
  bool eventFilter(QObject* objet, QEvent* event) override;

 private:
  int ValeurComposante(const CString& texte) const;
  CString TexteComposante(int valeur) const;

  HBITMAP m_hEchantillon;
  int m_bPret = 0;
  int m_nPositions[3] = {0, 0, 0};  // positions of the three arrows
  QLabel* m_pEchantillon = nullptr;
  QLineEdit* m_pEdits[3] = {nullptr, nullptr, nullptr};
  QToolButton* m_pPlus[3] = {nullptr, nullptr, nullptr};
  QToolButton* m_pMoins[3] = {nullptr, nullptr, nullptr};
};

}  // namespace talvik
