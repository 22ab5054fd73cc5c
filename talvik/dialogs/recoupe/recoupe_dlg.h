// CRecoupeDlg: chooses the part of a picture to keep, showing the picture
// with the rectangle outlined ("Before") and the kept part ("After").
#pragma once

#include "base/bitmap.h"
#include "base/wintypes.h"
#include "dialogs/apercu/dialogue_avant_apres.h"

namespace talvik {

class CSpinEdition;
class CTraceRecoupe;

class CRecoupeDlg : public CDialogueAvantApres {
  Q_OBJECT

 public:
  explicit CRecoupeDlg(QWidget* parent = nullptr);
  ~CRecoupeDlg() override;

  // Rectangle in picture pixels: left X1, top Y1, right X2, bottom Y2;
  // right and bottom excluded (the kept size is X2 - X1 by Y2 - Y1).
  RECT m_rectRecoupe{};
  int m_nLargeur = 0;  // picture width, pixels
  int m_nHauteur = 0;  // picture height, pixels
  HBITMAP m_hImage;    // the picture, the caller's (read only)

  void InitInstance(CGraphique* pGraphique);

  // 1 when X1 < X2 and Y1 < Y2.
  int ControleValeurs() const;

  // Any edit changed: the four edits become the rectangle.
  void OnChangeValeurs();
  // Clicks on the previews: full-size views of the picture with the
  // rectangle, and of the kept part, with their size labels.
  void OnPleinEcranAvant() override;
  void OnPleinEcranApres() override;

  // Edits 0 X1, 1 Y1, 2 X2, 3 Y2 (the previews: Zone).
  CSpinEdition* Edition(int i) const { return m_pEdition[i]; }
  // The rectangle drawn with the mouse on "Before".
  CTraceRecoupe* Trace() const { return m_pTrace; }

 protected:
  void OnReset() override;
  void OnOK() override;
  void OnInitDialog() override;
  void AfficheImage(int i) override;

 private:
  // Writes the rectangle into the edits (their notifications ignored).
  void EcritValeurs();
  // The rectangle set against preview i.
  RECT RectangleApercu(int i) const;

  CGraphique* m_pGraphique = nullptr;
  CSpinEdition* m_pEdition[4] = {nullptr, nullptr, nullptr, nullptr};
  CTraceRecoupe* m_pTrace = nullptr;
  int m_bPret = 0;  // 0 while the dialog writes its own edits
};

}  // namespace talvik
