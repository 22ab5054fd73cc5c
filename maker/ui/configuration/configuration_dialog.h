// The configuration dialog: wizard at start-up, compressed mail and the
// JPEG quality of generated screens, and how the open project's saver
// plays ("Shuffle", the same or different screens on each monitor). OK
// writes the three settings back at once (saved in the store at exit) and
// gives the project's choices through the project controller; Cancel
// changes nothing.
#pragma once

#include <QDialog>

#include "parametres.h"

class QCheckBox;
class QRadioButton;
class QPushButton;

namespace lumaveil {

class CChampNombre;
class CControleurProjet;

class CConfigurationDlg : public QDialog {
  Q_OBJECT
 public:
  // Without a controller the project's choices are not shown.
  explicit CConfigurationDlg(ParametresApplication& parametres, QWidget* parent = nullptr);
  CConfigurationDlg(ParametresApplication& parametres, CControleurProjet* controleur,
                    QWidget* parent = nullptr);

  QRadioButton* AssistantOui() const { return assistantOui_; }
  QRadioButton* AssistantNon() const { return assistantNon_; }
  QRadioButton* CompressionOui() const { return compressionOui_; }
  QRadioButton* CompressionNon() const { return compressionNon_; }
  CChampNombre* Qualite() const { return qualite_; }
  QPushButton* BoutonOk() const { return ok_; }
  QCheckBox* CaseMelange() const { return melange_; }
  QRadioButton* MemeEcran() const { return memeEcran_; }
  QRadioButton* EcransDifferents() const { return ecransDifferents_; }

  void accept() override;

 private:
  ParametresApplication& parametres_;
  CControleurProjet* controleur_ = nullptr;
  QRadioButton* assistantOui_ = nullptr;
  QRadioButton* assistantNon_ = nullptr;
  QRadioButton* compressionOui_ = nullptr;
  QRadioButton* compressionNon_ = nullptr;
  CChampNombre* qualite_ = nullptr;
  QPushButton* ok_ = nullptr;
  QCheckBox* melange_ = nullptr;
  QRadioButton* memeEcran_ = nullptr;
  QRadioButton* ecransDifferents_ = nullptr;
};

}  // namespace lumaveil
