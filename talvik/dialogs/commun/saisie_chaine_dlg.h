// CSaisieChaineDlg: the "Request" dialog, one line of text typed under a
// prompt, with OK and Cancel.
#pragma once

#include <QDialog>

#include "base/mfctypes.h"

class QLabel;
class QLineEdit;

namespace talvik {

class CSaisieChaineDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CSaisieChaineDlg(QWidget* parent = nullptr);
  ~CSaisieChaineDlg() override;

  CString m_strQuestion;  // the prompt, shown at opening
  CString m_strReponse;   // the answer: preset by the caller, read after OK

  QLineEdit* EditReponse() const { return m_pReponse; }

  // Takes the typed answer into m_strReponse and closes.
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* m_pQuestion = nullptr;
  QLineEdit* m_pReponse = nullptr;
};

}  // namespace talvik
