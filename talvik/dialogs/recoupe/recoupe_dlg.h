// CRecoupeDlg: chooses the part of a picture to keep, showing the picture
// with the rectangle outlined ("Before") and the kept part ("After").
#pragma once

#include <QTimer>

#include "base/bitmap.h"
#include "base/wintypes.h"
#include "dialogs/apercu/dialogue_editeur.h"

namespace talvik {

class CSpinEdition;
class CZoneApercu;

class CRecoupeDlg : public CDialogueEditeur {
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
  void OnPleinEcranAvant();
  void OnPleinEcranApres();

  // Preview areas: 0 "Before", 1 "After"; edits 0 X1, 1 Y1, 2 X2, 3 Y2.
  CZoneApercu* Zone(int i) const { return m_pZone[i]; }
  CSpinEdition* Edition(int i) const { return m_pEdition[i]; }

 protected:
  void showEvent(QShowEvent* event) override;
  void OnReset() override;
  void OnOK() override;

 private:
  void OnInitDialog();
  // Writes the rectangle into the edits (their notifications ignored).
  void EcritValeurs();
  // Redraws both previews once the pending changes are in.
  void DemandeAffichage();
  void AfficheImage(int i);
  // The rectangle set against preview i.
  RECT RectangleApercu(int i) const;

  CGraphique* m_pGraphique = nullptr;
  CZoneApercu* m_pZone[2] = {nullptr, nullptr};
  CSpinEdition* m_pEdition[4] = {nullptr, nullptr, nullptr, nullptr};
  int m_bPret = 0;  // 0 while the dialog writes its own edits
  QTimer m_timerAffichage;
  bool m_bInitialise = false;
};

}  // namespace talvik
