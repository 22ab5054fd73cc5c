// CProgressionDlg: the modeless "Running operation..." window of a long
// operation: a progress bar, a "(n / total)" counter, the file and the
// operation of the current item, and a "Stop" toggle that stays pressed
// until the next update reads it. The maker's long work drives it from
// CProgressionTravail (maker/ui/app/progression_travail.h), which updates
// it on the GUI thread and reads "Stop" for its job.
#pragma once

#include <QDialog>

#include "base/mfctypes.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace talvik {

class CProgressionDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CProgressionDlg(QWidget* parent = nullptr);
  ~CProgressionDlg() override;

  QProgressBar* m_Progression = nullptr;  // the caller sets its range 0..total
  CString m_strCompteur;                  // "(n / total)", centred
  CString m_strFichier;                   // "File"
  CString m_strOperation;                 // "Operation"
  int m_bArret = 0;                       // "Stop" pressed

  // Shows the window without blocking (modeless).
  void Create();
  // Controls moved into the members (bSauve true) or the other way.
  void UpdateData(bool bSauve);
  // Handles the waiting events; 0 when the application is closing.
  int PeekAndPump();

  QPushButton* BoutonArret() const { return m_pArret; }

 protected:
  // Closing the window asks for a stop; the operation closes it.
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  QLabel* m_pCompteur = nullptr;
  QLineEdit* m_pFichier = nullptr;
  QLineEdit* m_pOperation = nullptr;
  QPushButton* m_pArret = nullptr;
};

}  // namespace talvik
