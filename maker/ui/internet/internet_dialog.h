// The "Internet" dialog: where and how to upload the screen saver and its
// download page. The caller fills the members, runs it modally and reads
// them back only after OK; Cancel leaves them as they were.
#pragma once

#include <QDialog>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lumaveil {

class CInternetDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CInternetDlg(QWidget* parent = nullptr);

  std::string m_strNomServeur;         // "Server name"
  int m_nNumeroPort = 21;              // "Port number"
  int m_bModePassif = 0;               // "Passive mode"
  int m_bFtpEnClair = 0;               // "Allow unencrypted FTP (password sent in clear)"
  std::string m_strNomUtilisateur;     // "User name"
  std::string m_strMotDePasse;         // "Password"
  std::string m_strRepertoireServeur;  // "Server directory"
  std::string m_strNomFichier;         // "Screensaver file name" (remote)
  int m_bCreationPage = 1;             // "Create a simple Web page for download."
  std::string m_strNomPage;            // "Web page name" (remote)
  std::string m_strAdressePage;        // "Web address of the page" (optional)

  // The members into the controls, then the modal run. After OK the
  // members hold what the controls show.
  int exec() override;
  // Fills the controls from the members (exec does it).
  void ChargeControles();

  QLineEdit* Port() const { return port_; }
  QCheckBox* Passif() const { return passif_; }
  QCheckBox* EnClair() const { return enClair_; }
  QLineEdit* MotDePasse() const { return motDePasse_; }
  QLineEdit* Repertoire() const { return repertoire_; }
  QLineEdit* Fichier() const { return fichier_; }
  QCheckBox* Page() const { return page_; }
  QLineEdit* NomPage() const { return nomPage_; }
  QLineEdit* AdressePage() const { return adressePage_; }
  QPushButton* BoutonOk() const { return ok_; }

  // Reads the controls into the members and closes with OK; a port outside
  // 1..65535, an empty remote file name or a web address that is not an
  // http or https address only beeps and keeps it open.
  void accept() override;

 private:
  QLineEdit* serveur_ = nullptr;
  QLineEdit* port_ = nullptr;
  QCheckBox* passif_ = nullptr;
  QCheckBox* enClair_ = nullptr;
  QLineEdit* utilisateur_ = nullptr;
  QLineEdit* motDePasse_ = nullptr;
  QLineEdit* repertoire_ = nullptr;
  QLineEdit* fichier_ = nullptr;
  QCheckBox* page_ = nullptr;
  QLineEdit* nomPage_ = nullptr;
  QLineEdit* adressePage_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace lumaveil
