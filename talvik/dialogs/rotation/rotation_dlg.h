// CRotationDlg: chooses a quarter or half turn of a picture while showing
// the turned picture on a preview.
#pragma once

#include "base/bitmap.h"
#include "dialogs/apercu/dialogue_editeur.h"

class QToolButton;

namespace talvik {

class CZoneApercu;

class CRotationDlg : public CDialogueEditeur {
  Q_OBJECT

 public:
  explicit CRotationDlg(QWidget* parent = nullptr);
  ~CRotationDlg() override;

  int m_nAngle = 0;     // rotation in half degrees: 0 none, 180, -180 or 360
  int m_nLargeur = 0;   // picture width, pixels
  int m_nHauteur = 0;   // picture height, pixels
  HBITMAP m_hImage;     // the picture, the caller's (read only)

  // Remembers the graphics object; call after setting the members.
  void InitInstance(CGraphique* pGraphique);

  // Button handlers: each sets its code, or 0 when it was already set.
  void OnRotationGauche();
  void OnRotationInverse();
  void OnRotationDroite();
  // Click on the preview: the full-size picture turned, full screen.
  void OnPleinEcran();

  // The preview area and the three buttons (-180, 360, 180).
  CZoneApercu* Zone() const { return m_pZone; }
  QToolButton* Bouton(int nAngle) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void OnReset() override;

 private:
  void OnInitDialog();
  // Presses exactly the button of the current code.
  void MiseAJourBoutons();
  void AfficheImage();

  CGraphique* m_pGraphique = nullptr;
  CZoneApercu* m_pZone = nullptr;
  QToolButton* m_pGauche = nullptr;   // -180
  QToolButton* m_pInverse = nullptr;  // 360
  QToolButton* m_pDroite = nullptr;   // 180
  bool m_bInitialise = false;
};

}  // namespace talvik
