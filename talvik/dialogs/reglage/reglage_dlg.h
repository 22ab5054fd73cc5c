// CReglageDlg: sets the light, contrast and intensity of a picture with
// three trackbars, showing the picture as it is ("Before") and adjusted
// ("After"); the preview follows the thumbs while they are dragged.
#pragma once

#include "base/bitmap.h"
#include "dialogs/apercu/dialogue_avant_apres.h"

class QLabel;
class QSlider;

namespace talvik {

class CReglageDlg : public CDialogueAvantApres {
  Q_OBJECT

 public:
  explicit CReglageDlg(QWidget* parent = nullptr);
  ~CReglageDlg() override;

  int m_nContraste = 50;  // contrast 0..100, 50 neutral
  int m_nLumiere = 50;    // light 0..100, 50 neutral
  int m_nIntensite = 50;  // intensity 0..100, 50 neutral
  int m_nLargeur = 0;     // picture width, pixels
  int m_nHauteur = 0;     // picture height, pixels
  HBITMAP m_hImage;       // the picture, the caller's (read only)

  void InitInstance(CGraphique* pGraphique);

  // A trackbar moved: reads the three values back and, when one changed,
  // rewrites the labels and redraws "After".
  void OnHScroll();
  // Clicks on the previews: the picture, or the picture adjusted, full
  // screen.
  void OnPleinEcranAvant() override;
  void OnPleinEcranApres() override;

  // Trackbars and value labels: 0 light, 1 contrast, 2 intensity (the
  // previews: Zone).
  QSlider* Curseur(int i) const { return m_pCurseur[i]; }
  QLabel* Valeur(int i) const { return m_pValeur[i]; }

 protected:
  void OnReset() override;
  void OnInitDialog() override;
  void AfficheImage(int i) override;

 private:
  // Puts the values on the trackbars and into the labels.
  void EcritValeurs();
  bool Neutre() const { return m_nLumiere == 50 && m_nContraste == 50 && m_nIntensite == 50; }

  CGraphique* m_pGraphique = nullptr;
  QSlider* m_pCurseur[3] = {nullptr, nullptr, nullptr};
  QLabel* m_pValeur[3] = {nullptr, nullptr, nullptr};
  bool m_bEcriture = false;  // the dialog is moving the trackbars itself
};

}  // namespace talvik
