// Sending the saver: by e-mail through xdg-email (replaced on PATH by a
// script that records its arguments), and to a real FTP server through the
// Internet dialog.
#include "internet/envoi.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "projet/contexte.h"
#include "capture_ecran.h"
#include "chaines_maker.h"
#include "dialogs/commun/boite_message.h"
#include "dialogues_essai.h"
#include "distribution/envoi_mail.h"
#include "internet/internet_dialog.h"
#include "serveur_ftp.h"
#include "serveur_sftp.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

namespace fs = std::filesystem;
using lumaveil::testing::ContenuFichier;
using lumaveil::testing::ServeurFtpEssai;
using lumaveil::testing::TempDir;

struct Boite {
  std::string texte;
  std::string titre;
  talvik::IconeMessage icone;
};

// Records every message box and answers Yes/OK (or No when `non`).
class CBoitesEnregistrees {
 public:
  explicit CBoitesEnregistrees(bool non = false) {
    precedent_ = talvik::InstalleHookBoiteMessage(
        [this, non](const std::string& texte, const std::string& titre, talvik::IconeMessage icone,
                    talvik::BoutonsMessage boutons) {
          boites.push_back({texte, titre, icone});
          if (boutons == talvik::BoutonsMessage::OuiNon)
            return int(non ? talvik::IDNO : talvik::IDYES);
          return int(talvik::IDOK);
        });
  }
  ~CBoitesEnregistrees() { talvik::InstalleHookBoiteMessage(precedent_); }
  std::vector<Boite> boites;

 private:
  talvik::HookBoiteMessage precedent_;
};

// xdg-email replaced by a script that writes its arguments, one per line,
// to a file of the test's directory.
class CMessagerieEnregistree {
 public:
  CMessagerieEnregistree() {
    const std::string script = dir_.File("xdg-email");
    std::ofstream(script) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n--\\n' \"$a\"; done > '"
                          << dir_.File("args.tmp") << "' && mv '" << dir_.File("args.tmp") << "' '"
                          << dir_.File("args") << "'\n";
    fs::permissions(script, fs::perms::owner_all);
    ancien_ = std::getenv("PATH");
    setenv("PATH", (dir_.Path() + ":" + ancien_).c_str(), 1);
  }
  ~CMessagerieEnregistree() { setenv("PATH", ancien_.c_str(), 1); }

  // The arguments of the one run, waited for (the client runs detached);
  // empty when it did not run within `ms`.
  std::vector<std::string> Arguments(int ms = 5000) {
    for (int t = 0; t < ms && !fs::exists(dir_.File("args")); t += 20) QTest::qWait(20);
    std::vector<std::string> arguments;
    std::string tout = ContenuFichier(dir_.File("args"));
    std::string courant;
    std::size_t debut = 0;
    for (std::size_t fin; (fin = tout.find("\n--\n", debut)) != std::string::npos; debut = fin + 4)
      arguments.push_back(tout.substr(debut, fin - debut));
    return arguments;
  }

 private:
  TempDir dir_;
  std::string ancien_;
};

TEST(EnvoiMail, CompressedSaverIsAttachedFromBesideTheSaverWithTheDesignedTexts) {
  CMessagerieEnregistree messagerie;
  TempDir dir;
  std::ofstream(dir.File("show.scr"), std::ios::binary) << std::string(5000, 'S');
  CContexte contexte;
  contexte.Messagerie = true;
  contexte.Parametres.MailCompression = 1;
  CBoitesEnregistrees boites;
  EXPECT_EQ(CommandeEnvoiMail(nullptr, contexte, QString::fromStdString(dir.File("show.scr")),
                              QStringLiteral("summer.holiday.lmv")),
            1);
  ASSERT_EQ(boites.boites.size(), 1u);
  const Boite& question = boites.boites[0];
  EXPECT_EQ(question.texte.rfind("Confirm sending saved screensaver by email ?", 0), 0u);
  EXPECT_NE(question.texte.find("refuse"), std::string::npos);
  EXPECT_NE(question.texte.find("Send to Internet"), std::string::npos);
  EXPECT_EQ(question.titre, "Question");

  const std::vector<std::string> arguments = messagerie.Arguments();
  const std::vector<std::string> attendus = {
      "--utf8",
      "--subject",
      "Screensaver : summer",
      "--body",
      ChaineMaker(IDS_CORPS_MAIL_1) + "\n" + ChaineMaker(IDS_CORPS_MAIL_2),
      "--attach",
      dir.File("show.scr.gz")};
  EXPECT_EQ(arguments, attendus);
  const std::string gz = ContenuFichier(dir.File("show.scr.gz"));
  ASSERT_GE(gz.size(), 2u);
  EXPECT_EQ(gz.substr(0, 2), "\x1f\x8b");
  EXPECT_EQ(ContenuFichier(dir.File("show.scr")), std::string(5000, 'S'));
}

TEST(EnvoiMail, WebAddressOfThePageIsOfferedAndSentInTheBodyInsteadOfTheFile) {
  CMessagerieEnregistree messagerie;
  TempDir dir;
  std::ofstream(dir.File("show.scr"), std::ios::binary) << "saver";
  CContexte contexte;
  contexte.Messagerie = true;
  contexte.Parametres.MailCompression = 1;
  contexte.Parametres.WebPageAddress = "https://example.org/pub/summer.html";
  CBoitesEnregistrees boites;
  EXPECT_EQ(CommandeEnvoiMail(nullptr, contexte, QString::fromStdString(dir.File("show.scr")),
                              QStringLiteral("summer.lmv")),
            1);
  ASSERT_EQ(boites.boites.size(), 2u);
  EXPECT_NE(boites.boites[0].texte.find("instead of the file"), std::string::npos);
  // The confirmation says that the link goes, not the file.
  EXPECT_EQ(boites.boites[1].texte.rfind("Confirm sending saved screensaver by email ?", 0), 0u);
  EXPECT_NE(boites.boites[1].texte.find("link to the web page"), std::string::npos);
  EXPECT_NE(boites.boites[1].texte.find("https://example.org/pub/summer.html"), std::string::npos);
  const std::vector<std::string> attendus = {
      "--utf8", "--subject", "Screensaver : summer", "--body",
      ChaineMaker(IDS_CORPS_MAIL_1) + "\nhttps://example.org/pub/summer.html\n" +
          ChaineMaker(IDS_CORPS_MAIL_2)};
  EXPECT_EQ(messagerie.Arguments(), attendus);
  // Nothing was compressed for a mail without attachment.
  EXPECT_FALSE(fs::exists(dir.File("show.scr.gz")));
}

TEST(EnvoiMail, OnlyHttpAddressesWithAHostAreLinks) {
  EXPECT_TRUE(AdresseWebValide("http://h/p.html"));
  EXPECT_TRUE(AdresseWebValide("https://example.org:8080/a%20b.html?x=1"));
  for (const char* adresse : {"", "example.org/p.html", "ftp://example.org/p.html", "https://",
                              "https:///p.html", "https://example.org/a b.html",
                              "javascript:alert(1)", "https://example.org/\n"}) {
    EXPECT_FALSE(AdresseWebValide(adresse)) << adresse;
  }
}

TEST(EnvoiMail, NothingIsSentWithoutSaverConsentOrMailClient) {
  CMessagerieEnregistree messagerie;
  TempDir dir;
  std::ofstream(dir.File("show.scr")) << "saver";
  const QString saver = QString::fromStdString(dir.File("show.scr"));
  CContexte contexte;
  contexte.Messagerie = true;
  contexte.Parametres.MailCompression = 1;
  {
    // A screen changed since the last generation.
    CBoitesEnregistrees boites;
    EXPECT_EQ(CommandeEnvoiMail(nullptr, contexte, QString(), QStringLiteral("a.lmv")), 0);
    ASSERT_EQ(boites.boites.size(), 1u);
    EXPECT_EQ(boites.boites[0].texte, "No saved file.\nFirst, you must save screensaver in file.");
    EXPECT_EQ(boites.boites[0].titre, "Error");
  }
  {
    CBoitesEnregistrees non(true);
    EXPECT_EQ(CommandeEnvoiMail(nullptr, contexte, saver, QStringLiteral("a.lmv")), 0);
    EXPECT_EQ(non.boites.size(), 1u);
    EXPECT_FALSE(fs::exists(dir.File("show.scr.gz")));
  }
  {
    contexte.Messagerie = false;
    CBoitesEnregistrees boites;
    EXPECT_EQ(CommandeEnvoiMail(nullptr, contexte, saver, QStringLiteral("a.lmv")), 0);
    ASSERT_EQ(boites.boites.size(), 2u);
    EXPECT_EQ(boites.boites[1].texte,
              "Unable to send screensaver by email.\nNo email capacity found.");
  }
  EXPECT_TRUE(messagerie.Arguments(300).empty());
}

void RegleServeur(CContexte& contexte, const ServeurFtpEssai& serveur) {
  ParametresApplication& p = contexte.Parametres;
  p.ServerName = "127.0.0.1";
  p.PortNumber = serveur.Port();
  p.PassiveMode = 1;
  p.UserName = ServeurFtpEssai::kUtilisateur;
  p.Password = ServeurFtpEssai::kMotDePasse;
}

TEST(EnvoiInternet, DialogProposesTheNamesAndItsValuesAreStoredAndUsed) {
  ServeurFtpEssai serveur;
  ASSERT_GT(serveur.Port(), 0);
  fs::create_directory(serveur.Racine() + "/pub");
  TempDir dir;
  std::ofstream(dir.File("show.scr"), std::ios::binary) << std::string(300000, 'x');
  CContexte contexte;
  RegleServeur(contexte, serveur);
  CBoitesEnregistrees boites;
  QString nomPropose;
  QString pagePropose;
  lumaveil::testing::RepondDialogue<CInternetDlg>([&](CInternetDlg& dlg) {
    nomPropose = dlg.Fichier()->text();
    pagePropose = dlg.NomPage()->text();
    EXPECT_EQ(dlg.Port()->text(), QString::number(serveur.Port()));
    EXPECT_TRUE(dlg.Passif()->isChecked());
    EXPECT_EQ(dlg.MotDePasse()->echoMode(), QLineEdit::Password);
    // The test server speaks plain FTP: without the box nothing would go.
    EXPECT_FALSE(dlg.EnClair()->isChecked());
    EXPECT_EQ(dlg.EnClair()->accessibleName(), "Allow unencrypted FTP (password sent in clear)");
    // Whole, also on the test platform's 800-pixel screen.
    EXPECT_GE(dlg.EnClair()->width(), dlg.EnClair()->sizeHint().width());
    QTest::mouseClick(dlg.EnClair(), Qt::LeftButton, {}, QPoint(6, dlg.EnClair()->height() / 2));
    dlg.Repertoire()->setFocus();
    QTest::keyClicks(dlg.Repertoire(), "pub");
    // An address that is not a web address keeps the dialog open.
    dlg.AdressePage()->setFocus();
    QTest::keyClicks(dlg.AdressePage(), "example.org/pub/summer.html");
    QTest::mouseClick(dlg.BoutonOk(), Qt::LeftButton);
    EXPECT_TRUE(dlg.isVisible());
    dlg.AdressePage()->clear();
    QTest::keyClicks(dlg.AdressePage(), "https://example.org/pub/summer.html");
    lumaveil::testing::CaptureWidget(&dlg, "internet_dialog");
    QTest::mouseClick(dlg.BoutonOk(), Qt::LeftButton);
  });
  EXPECT_EQ(CommandeEnvoiInternet(nullptr, contexte, QString::fromStdString(dir.File("show.scr")),
                                  QStringLiteral("summer.lmv")),
            1);
  EXPECT_EQ(nomPropose, "summer.scr");
  EXPECT_EQ(pagePropose, "summer.html");
  ASSERT_EQ(boites.boites.size(), 1u) << boites.boites.back().texte;
  EXPECT_EQ(boites.boites[0].texte, "Confirm sending saved screensaver on Internet ?");
  EXPECT_EQ(contexte.Parametres.ServerDirectory, "pub/");
  EXPECT_EQ(contexte.Parametres.WebPageAddress, "https://example.org/pub/summer.html");
  EXPECT_EQ(contexte.Parametres.FtpEnClair, 1);
  EXPECT_EQ(ContenuFichier(serveur.Racine() + "/pub/summer.scr"), std::string(300000, 'x'));
  EXPECT_TRUE(fs::exists(serveur.Racine() + "/pub/summer.html"));
  EXPECT_TRUE(fs::exists(serveur.Racine() + "/pub/lumaveil_player.js"));
}

// The box is off until the user ticks it; its state is kept in the
// settings store with the other settings.
TEST(EnvoiInternet, UnencryptedFtpIsOffByDefaultAndStoredInTheSettings) {
  TempDir dir;
  const char* const ancien = std::getenv("LUMAVEIL_REGISTRY");
  const std::string avant = ancien ? ancien : "";
  setenv("LUMAVEIL_REGISTRY", dir.File("registry.reg").c_str(), 1);
  ParametresApplication p;
  EXPECT_EQ(LitParametres(p), 1);
  EXPECT_EQ(p.FtpEnClair, 0);
  p.FtpEnClair = 1;
  ASSERT_EQ(EcritParametres(p), 1);
  ParametresApplication relu;
  LitParametres(relu);
  EXPECT_EQ(relu.FtpEnClair, 1);
  relu.FtpEnClair = 0;
  ASSERT_EQ(EcritParametres(relu), 1);
  LitParametres(p);
  EXPECT_EQ(p.FtpEnClair, 0);
  if (ancien) setenv("LUMAVEIL_REGISTRY", avant.c_str(), 1);
  else unsetenv("LUMAVEIL_REGISTRY");
}

// An SFTP server not known yet: the question with its key's fingerprint is
// shown on the GUI thread while the upload waits; Yes sends, and the key is
// remembered in the user's known hosts.
TEST(EnvoiInternet, AnUnknownSftpServerIsAskedAboutWithItsFingerprint) {
  lumaveil::testing::ServeurSftpEssai serveur;
  ASSERT_GT(serveur.Port(), 0);
  TempDir dir;
  const char* const maison = std::getenv("HOME");
  const std::string avant = maison ? maison : "";
  setenv("HOME", dir.Path().c_str(), 1);
  std::ofstream(dir.File("show.scr"), std::ios::binary) << "sftp saver";
  CContexte contexte;
  ParametresApplication& p = contexte.Parametres;
  p.ServerName = "sftp://127.0.0.1";
  p.PortNumber = serveur.Port();
  p.UserName = lumaveil::testing::ServeurSftpEssai::kUtilisateur;
  p.Password = lumaveil::testing::ServeurSftpEssai::kMotDePasse;
  CBoitesEnregistrees boites;  // Yes to every question
  lumaveil::testing::RepondDialogue<CInternetDlg>([&](CInternetDlg& dlg) {
    dlg.Page()->setChecked(false);
    QTest::mouseClick(dlg.BoutonOk(), Qt::LeftButton);
  });
  EXPECT_EQ(CommandeEnvoiInternet(nullptr, contexte, QString::fromStdString(dir.File("show.scr")),
                                  QStringLiteral("summer.lmv")),
            1);
  ASSERT_EQ(boites.boites.size(), 2u);
  EXPECT_EQ(boites.boites[0].texte, "Confirm sending saved screensaver on Internet ?");
  const std::string& question = boites.boites[1].texte;
  EXPECT_EQ(question.rfind("The SFTP server [127.0.0.1]:" + std::to_string(serveur.Port()) +
                               " is not known yet.\nThe fingerprint of its key is:\n" +
                               serveur.Empreinte() + "\n",
                           0),
            0u)
      << question;
  EXPECT_EQ(boites.boites[1].titre, "Question");
  EXPECT_EQ(ContenuFichier(serveur.Racine() + "/summer.scr"), "sftp saver");
  EXPECT_NE(ContenuFichier(dir.File(".ssh/known_hosts")).find("ssh-rsa"), std::string::npos);
  if (maison) setenv("HOME", avant.c_str(), 1);
  else unsetenv("HOME");
}

TEST(EnvoiInternet, CancelOrNoChangesNoSettingAndSendsNothing) {
  ServeurFtpEssai serveur;
  ASSERT_GT(serveur.Port(), 0);
  TempDir dir;
  std::ofstream(dir.File("show.scr")) << "saver";
  const QString saver = QString::fromStdString(dir.File("show.scr"));
  CContexte contexte;
  RegleServeur(contexte, serveur);
  {
    // A screen changed since the last generation: no dialog.
    CBoitesEnregistrees boites;
    EXPECT_EQ(CommandeEnvoiInternet(nullptr, contexte, QString(), QStringLiteral("a.lmv")), 0);
    ASSERT_EQ(boites.boites.size(), 1u);
    EXPECT_EQ(boites.boites[0].texte, "No saved file.\nFirst, you must save screensaver in file.");
  }
  for (bool annule : {true, false}) {
    CBoitesEnregistrees non(true);
    lumaveil::testing::RepondDialogue<CInternetDlg>([annule](CInternetDlg& dlg) {
      QTest::keyClicks(dlg.Repertoire(), "elsewhere");
      dlg.Page()->setChecked(false);
      if (annule) {
        dlg.reject();
      } else {
        QTest::mouseClick(dlg.BoutonOk(), Qt::LeftButton);
      }
    });
    EXPECT_EQ(CommandeEnvoiInternet(nullptr, contexte, saver, QStringLiteral("a.lmv")), 0);
    EXPECT_EQ(non.boites.size(), annule ? 0u : 1u);
    EXPECT_EQ(contexte.Parametres.ServerDirectory, "");
    EXPECT_EQ(contexte.Parametres.WebPageCreating, 1);
  }
  EXPECT_TRUE(fs::is_empty(serveur.Racine()));
}

TEST(InternetDlg, PortTakesDigitsOnlyAndOkNeedsAPortAndNames) {
  talvik::HookBip precedent;
  int bips = 0;
  precedent = talvik::InstalleHookBip([&] { ++bips; });
  CInternetDlg dlg;
  dlg.m_strNomFichier = "a.scr";
  dlg.m_strNomPage = "a.html";
  dlg.ChargeControles();
  dlg.show();
  for (QWidget* controle : dlg.findChildren<QWidget*>()) {
    if (controle->focusPolicy() != Qt::NoFocus) {
      EXPECT_FALSE(controle->accessibleName().isEmpty()) << controle->metaObject()->className();
    }
  }
  dlg.Port()->selectAll();
  QTest::keyClicks(dlg.Port(), "2x1-");
  EXPECT_EQ(dlg.Port()->text(), "21");
  dlg.Port()->selectAll();
  QTest::keyClicks(dlg.Port(), "70000");
  QTest::mouseClick(dlg.BoutonOk(), Qt::LeftButton);
  EXPECT_EQ(bips, 1);
  EXPECT_TRUE(dlg.isVisible());
  dlg.Port()->selectAll();
  QTest::keyClicks(dlg.Port(), "2121");
  dlg.Fichier()->clear();
  QTest::mouseClick(dlg.BoutonOk(), Qt::LeftButton);
  EXPECT_EQ(bips, 2);
  // The page name is only asked for with the page.
  lumaveil::testing::Clique(dlg.Page());
  EXPECT_FALSE(dlg.NomPage()->isEnabled());
  QTest::keyClicks(dlg.Fichier(), " b.scr ");
  QTest::mouseClick(dlg.BoutonOk(), Qt::LeftButton);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.m_nNumeroPort, 2121);
  EXPECT_EQ(dlg.m_strNomFichier, "b.scr");
  EXPECT_EQ(dlg.m_bCreationPage, 0);
  talvik::InstalleHookBip(precedent);
}

}  // namespace
}  // namespace lumaveil
