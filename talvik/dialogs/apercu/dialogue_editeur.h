// What the four picture editors share: the 48 x 48 icon at the top left
// beside the two explanatory texts, the body, and the row of Reset, OK and
// Cancel. The editors fill the body and react to the three buttons.
#pragma once

#include <QDialog>

#include "dialogs/commun/boite_message.h"

class QPushButton;
class QVBoxLayout;

namespace talvik {

class CGraphique;

// The editor icons (48 x 48) and the rotation buttons' icons, by resource id.
QIcon IconeEditeur(int nId);

class CDialogueEditeur : public QDialog {
  Q_OBJECT

 public:
  // Runs the dialog modally: IDOK or IDCANCEL (boite_message.h).
  int DoModal();

  QPushButton* BoutonReset() const { return m_pReset; }
  QPushButton* BoutonOK() const { return m_pOK; }
  QPushButton* BoutonAnnuler() const { return m_pAnnuler; }

 protected:
  // Caption, icon resource, the two texts.
  CDialogueEditeur(QWidget* parent, const QString& titre, int nIcone, const QString& texte,
                   const QString& aide);

  // The layout the editor puts its controls and previews in.
  QVBoxLayout* Corps() const { return m_pCorps; }

  // Reset button.
  virtual void OnReset() = 0;
  // OK button: checks the values; the dialog then closes with IDOK.
  virtual void OnOK() { accept(); }

  // Once the editor's content is complete (the editors fill it as they
  // show), the dialog is sized to it and placed on its owner, inside the
  // screen.
  void showEvent(QShowEvent* event) override;

  // The warning beep of a refused request.
  static void BipAttention();
  // "Unable to validate data." with the caption "Error" and the error icon.
  void MessageValidationImpossible();

 private:
  QVBoxLayout* m_pCorps = nullptr;
  QPushButton* m_pReset = nullptr;
  QPushButton* m_pOK = nullptr;
  QPushButton* m_pAnnuler = nullptr;
};

}  // namespace talvik
