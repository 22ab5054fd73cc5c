// The window in the user's language: the language chosen from the locale's
// interface languages, and the main window and Qt's own buttons in German
// once its translations are installed (a screenshot of each is saved).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include "capture_ecran.h"
#include "commun/langue.h"
#include "fenetre_essai.h"
#include "fenetre/main_frame.h"

namespace lumaveil {
namespace {

TEST(Langue, TheFirstInterfaceLanguageSpokenIsChosenElseEnglish) {
  EXPECT_EQ(LangueChoisie(QLocale(QStringLiteral("de_DE"))), "de");
  EXPECT_EQ(LangueChoisie(QLocale(QStringLiteral("fr_CA"))), "fr");
  EXPECT_EQ(LangueChoisie(QLocale(QStringLiteral("es_MX"))), "es");
  EXPECT_EQ(LangueChoisie(QLocale(QStringLiteral("en_GB"))), "en");
  EXPECT_EQ(LangueChoisie(QLocale(QStringLiteral("pt_BR"))), "en");
}

// Every translation in the tree is built and loads.
TEST(Langue, EachLanguageHasItsTranslationAndEnglishNeedsNone) {
  for (const QString& langue : LanguesTraduites())
    EXPECT_EQ(InstalleTraductions(*qApp, langue), 1) << langue.toStdString();
  EXPECT_EQ(InstalleTraductions(*qApp, QStringLiteral("en")), 0);
  EXPECT_EQ(QCoreApplication::translate("Commandes", "Creates a new document"),
            "Creates a new document");
}

class FenetreAllemande : public ::testing::Test {
 protected:
  FenetreAllemande() { InstalleTraductions(*qApp, QStringLiteral("de")); }
  ~FenetreAllemande() override { InstalleTraductions(*qApp, QStringLiteral("en")); }
  CContexte contexte_;
};

TEST_F(FenetreAllemande, MenusToolbarAndUndoSpeakGermanAndNothingIsCut) {
  auto frame = testing::FenetreEssai(contexte_, testing::kPetitCanevas);
  frame->resize(1024, 768);
  frame->show();
  QStringList menus;
  for (QAction* a : frame->menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "B&ildschirm", "&Erzeugen",
                                "&Einstellungen", "&?"}));
  EXPECT_EQ(frame->Action(Commande::Nouveau)->toolTip(), "Erstellt ein neues Dokument");
  frame->Action(Commande::EcranNouveau)->trigger();
  EXPECT_EQ(frame->Action(Commande::Annuler)->text(), "&Rückgängig: Neuer Bildschirm");
  // The menu bar holds every title at its full width.
  int largeur = 0;
  for (QAction* a : frame->menuBar()->actions())
    largeur += frame->menuBar()->actionGeometry(a).width();
  EXPECT_LE(largeur, frame->menuBar()->width());
  testing::CaptureWidget(frame.get(), "fenetre_principale_de");
  frame->Menu("Edit")->popup(frame->mapToGlobal(QPoint(60, 20)));
  testing::CaptureWidget(frame->Menu("Edit"), "menu_edition_de");
  frame->Menu("Edit")->hide();
}

TEST_F(FenetreAllemande, QtsOwnButtonsComeFromItsTranslations) {
  QMessageBox boite(QMessageBox::Question, "Lumaveil", "?",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(boite.button(QMessageBox::Yes)->text(), "&Ja");
  EXPECT_EQ(boite.button(QMessageBox::Cancel)->text(), "Abbrechen");
}

}  // namespace
}  // namespace lumaveil
