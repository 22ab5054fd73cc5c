// CQuestionTraitementDlg: the "Question" asked when a file already exists:
// "Replace", "Rename" (a new name typed in CSaisieChaineDlg), "All
// replace", "Pass", or "Stop" (the cancel button).
#pragma once

#include <QDialog>

#include "base/mfctypes.h"

class QLabel;
class QPushButton;

namespace talvik {

class CQuestionTraitementDlg : public QDialog {
  Q_OBJECT

 public:
  // Choices left in m_nChoix.
  enum : int { CHOIX_ECRASER = 1, CHOIX_RENOMMER = 2, CHOIX_TOUT_ECRASER = 3, CHOIX_PASSER = 4 };

  explicit CQuestionTraitementDlg(QWidget* parent = nullptr);
  ~CQuestionTraitementDlg() override;

  CString m_strNomFichier;  // the file name; the new one after "Rename"
  int m_nChoix = 0;         // set by every button but "Stop"

  void OnEcraser();
  // Asks for a new name; the question closes only when it is confirmed.
  void OnRenommer();
  void OnToutEcraser();
  void OnPasser();

  QPushButton* Bouton(int choix) const;
  QPushButton* BoutonArret() const { return m_pArret; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Choix(int choix);

  QLabel* m_pNomFichier = nullptr;
  QPushButton* m_pBoutons[4] = {nullptr, nullptr, nullptr, nullptr};
  QPushButton* m_pArret = nullptr;
};

}  // namespace talvik
