// CRedimensionDlg: chooses the new size of a picture, by percentage or as
// a width and height (optionally keeping the proportions), and shows the
// resized picture at its true size against the preview area.
#pragma once

#include <QTimer>

#include "base/bitmap.h"
#include "base/mfctypes.h"
#include "dialogs/apercu/dialogue_editeur.h"

class QCheckBox;
class QRadioButton;

namespace talvik {

class CSpinEdition;
class CZoneApercu;

// Largest width or height a picture may be resized to.
inline constexpr int kTailleRedimensionMax = 2000;

class CRedimensionDlg : public CDialogueEditeur {
  Q_OBJECT

 public:
  explicit CRedimensionDlg(QWidget* parent = nullptr);
  ~CRedimensionDlg() override;

  int m_bPourcentage = 1;             // 1: by percentage; 0: to a width and height
  int m_nPourcentage = 100;           // percentage
  int m_nTailleX = 0;                 // width, pixels
  int m_nTailleY = 0;                 // height, pixels
  int m_bConservationProportion = 1;  // keep the proportions in size mode
  int m_bRemplissage = 0;             // "Fill the screen": cut around the subject
  int m_nLargeur = 0;                 // picture width, pixels
  int m_nHauteur = 0;                 // picture height, pixels
  HBITMAP m_hImage;                   // the picture, the caller's (read only)

  // Remembers the graphics object and computes the aspect ratio from
  // m_nLargeur and m_nHauteur (set them first).
  void InitInstance(CGraphique* pGraphique);

  // The size the settings give.
  CSize TailleResultat() const;
  // 1 when both sides of the result are 1 to 2000 pixels.
  int ControleValeurs() const;
  // Enables the percentage edit in percentage mode, the width, height and
  // "KP" in size mode.
  void RestrictionAcces();
  // Keeping the proportions: from the width (bDepuisLargeur) the height,
  // else the width from the height; truncated.
  void CalculProportion(bool bDepuisLargeur);

  void OnChangeMode();
  void OnChangeValeurP();
  void OnChangeValeurX();
  void OnChangeValeurY();
  void OnConservationProportion();
  // Click on the preview: the resized picture full screen with its sizes.
  void OnPleinEcran();

  double Rapport() const { return m_dRapport; }
  CZoneApercu* Zone() const { return m_pZone; }
  QRadioButton* RadioPourcentage() const { return m_pRadioPourcentage; }
  QRadioButton* RadioTaille() const { return m_pRadioTaille; }
  CSpinEdition* EditionPourcentage() const { return m_pPourcentage; }
  CSpinEdition* EditionX() const { return m_pTailleX; }
  CSpinEdition* EditionY() const { return m_pTailleY; }
  QCheckBox* CaseProportion() const { return m_pProportion; }
  QCheckBox* CaseRemplissage() const { return m_pRemplissage; }

 protected:
  void showEvent(QShowEvent* event) override;
  void OnReset() override;
  void OnOK() override;

 private:
  void OnInitDialog();
  void EcritValeurs();
  void ValeursInitiales();
  void DemandeAffichage();
  void AfficheImage();

  CGraphique* m_pGraphique = nullptr;
  CZoneApercu* m_pZone = nullptr;
  QRadioButton* m_pRadioPourcentage = nullptr;
  QRadioButton* m_pRadioTaille = nullptr;
  CSpinEdition* m_pPourcentage = nullptr;
  CSpinEdition* m_pTailleX = nullptr;
  CSpinEdition* m_pTailleY = nullptr;
  QCheckBox* m_pProportion = nullptr;
  QCheckBox* m_pRemplissage = nullptr;
  int m_bPret = 0;          // 0 while the dialog writes its own edits
  double m_dRapport = 1.0;  // picture width / height
  QTimer m_timerAffichage;
  bool m_bInitialise = false;
};

}  // namespace talvik
