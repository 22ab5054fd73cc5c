// CRetoucheDialog: the "Picture" panel. The rendered working screen in the
// picture box (CBoiteEcran: fitted to the box, or at its own size, over a
// backdrop), which the main window takes out to show it large; the buttons Picture loading, Rotating, Color Adjustment and Cutting; the
// "Full screen" check box (fit); the status lines. A click on the picture
// opens the full-screen viewer; files dropped here or on the box are
// handed on.
#pragma once

#include <QStringList>
#include <QWidget>

#include "base/bitmap.h"
#include "base/mfctypes.h"
#include "lignes_etat.h"
#include "panneaux/boite_ecran.h"

class QCheckBox;
class QLabel;
class QToolButton;

namespace lumaveil {

class CRetoucheDialog : public QWidget {
  Q_OBJECT

 public:
  explicit CRetoucheDialog(QWidget* parent = nullptr);
  ~CRetoucheDialog() override;

  // Shows the screen's rendered picture and its status lines (see
  // LignesEtatRetouche for a picture still `enChargement`).
  void Rafraichit(const CEcran& ecran, bool enChargement = false);
  // The "Full screen" box clicked: the fit flag follows it, the picture is shown again.
  void OnAjustement();
  // The picture box clicked: the viewer on the rendered picture, labelled
  // "(%dx%d)" with its size; only the warning beep without a rendered picture.
  void OnImage();

  int m_bAjuste = 1;  // fit the picture into the box

  // Controls, for the window and the tests.
  CBoiteEcran* Boite() const { return m_pBoite; }
  QCheckBox* CaseAjustement() const { return m_pAjuste; }
  QToolButton* BoutonChargement() const { return m_pChargement; }
  QToolButton* BoutonRotation() const { return m_pRotation; }
  QToolButton* BoutonReglage() const { return m_pReglage; }
  QToolButton* BoutonRecoupe() const { return m_pRecoupe; }
  // The six lines as shown: name, file, format, cutting, rotating, colour.
  LignesRetouche Lignes() const;
  // The screen the box shows, at its size there (null without a picture).
  talvik::HBITMAP ImageBoite() const;

 signals:
  void fichiersDeposes(const QStringList& fichiers);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* objet, QEvent* event) override;

 private:
  // Files of a drop, handed on; false when it holds none.
  bool Depose(QDropEvent* event);

  talvik::HBITMAP m_hRendu;     // the screen's rendered picture (shared)
  talvik::SIZE m_sizeFinale{};  // its size
  CBoiteEcran* m_pBoite = nullptr;
  QCheckBox* m_pAjuste = nullptr;
  QToolButton* m_pChargement = nullptr;
  QToolButton* m_pRotation = nullptr;
  QToolButton* m_pReglage = nullptr;
  QToolButton* m_pRecoupe = nullptr;
  QLabel* m_pLignes[6] = {};
};

}  // namespace lumaveil
