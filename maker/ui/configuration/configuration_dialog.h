// The configuration dialog: wizard at start-up, compressed mail and the
// JPEG quality of generated screens. OK writes the three values back into
// the settings at once (saved in the store at exit); Cancel changes nothing.
#pragma once

#include <QDialog>

#include "parametres.h"

class QRadioButton;
class QPushButton;

namespace lumaveil {

class CChampNombre;

class CConfigurationDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CConfigurationDlg(ParametresApplication& parametres, QWidget* parent = nullptr);

  QRadioButton* AssistantOui() const { return assistantOui_; }
  QRadioButton* AssistantNon() const { return assistantNon_; }
  QRadioButton* CompressionOui() const { return compressionOui_; }
  QRadioButton* CompressionNon() const { return compressionNon_; }
  CChampNombre* Qualite() const { return qualite_; }
  QPushButton* BoutonOk() const { return ok_; }

  void accept() override;

 private:
  ParametresApplication& parametres_;
  QRadioButton* assistantOui_ = nullptr;
  QRadioButton* assistantNon_ = nullptr;
  QRadioButton* compressionOui_ = nullptr;
  QRadioButton* compressionNon_ = nullptr;
  CChampNombre* qualite_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace lumaveil
