#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <utility>

#include "dialogue_essai.h"
#include "fichier_modele.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

using testing::CDialogueTest;

TEST(FichierModele, WritesWindows1252KeysWithCrLfInTheDesignedOrder) {
  CEcran m;
  m.Textes[0].Libelle = "Été";
  std::string o = EcritModele(m);
  EXPECT_EQ(o.substr(0, 32), "Fichier mod\xE8le de : Lumaveil\r\n\r\n");
  EXPECT_NE(o.find("[Redimension Utilisation] 0\r\n[Redimension TailleX] 0\r\n"), std::string::npos);
  EXPECT_NE(o.find("[Texte n\xB0" "1 Libelle] \xC9t\xE9\r\n"), std::string::npos);
  EXPECT_NE(o.find("[Texte n\xB0" "5 Fonte] -27 0 0 0 400 0 0 0 0 3 2 1 34 Comic Sans MS\r\n"),
            std::string::npos);
  EXPECT_NE(o.find("[Fond Couleur] 16777215\r\n"), std::string::npos);
  EXPECT_EQ(o.substr(o.size() - 43), "[Effet Transition] 0\r\n[Duree Affichage] 3\r\n");
  // Every line ends with CR LF: no bare LF anywhere.
  std::size_t lignes = 0;
  for (std::size_t i = 0; i < o.size(); ++i)
    if (o[i] == '\n') {
      ++lignes;
      EXPECT_EQ(o[i - 1], '\r');
    }
  EXPECT_EQ(lignes, 2u + 6u + 5u * 13u + 7u + 4u + 2u);
  EXPECT_EQ(o.find("Recoupe"), std::string::npos);
  EXPECT_EQ(o.find("Rotation"), std::string::npos);
}

TEST(FichierModele, SaveThenLoadKeepsEveryTemplateField) {
  CEcran a;
  a.RedimensionUtilisation = 1;
  a.RedimensionTailleX = 1024;
  a.RedimensionTailleY = -3;
  a.RedimensionPourcentageValeur = 42;
  a.RedimensionPourcentageUtilisation = 0;
  a.RedimensionConservationProportion = 0;
  a.CadreUtilisation = 1;
  a.CadreTaille = 9;
  a.CadreMotifUtilisation = 1;
  a.CadreMotif = 60;
  a.CadreCouleur = 0x00FFFFFF;
  a.CadreBordureUtilisation = 1;
  a.CadreCouleurBordure = 0x00010203;
  a.FondUtilisation = 0;
  a.FondMotifUtilisation = 1;
  a.FondMotif = 3;
  a.FondCouleur = 0x00ABCDEF;
  a.EffetTransition = 7;
  a.DureeAffichage = 180;
  for (int i = 0; i < kNombreTextes; ++i) {
    T_TEXTE& t = a.Textes[i];
    t.Utilisation = 1;
    t.Libelle = "Texte " + std::to_string(i) + " — café";  // the dash is Windows-1252 0x97
    t.PositionAutomatique = i % 2;
    t.PositionAutomatiqueVerticale = 1;
    t.PositionAutomatiqueHorizontale = 2;
    t.DeltaX = -i;
    t.DeltaY = 100 + i;
    t.AbsolueX = 7 * i;
    t.AbsolueY = 9 * i;
    t.CouleurEncre = 0x000000FFu + unsigned(i);
    t.CouleurFond = 0x00FFFFFF;
    t.FondTransparent = 0;
    t.Fonte.lfHeight = -40 - i;
    t.Fonte.lfWeight = 700;
    t.Fonte.lfItalic = 1;
    t.Fonte.lfUnderline = 1;
    t.Fonte.lfStrikeOut = 1;
    t.Fonte.lfCharSet = 255;
    std::strcpy(t.Fonte.lfFaceName, i == 2 ? "Times New Roman" : "Comic Sans MS");
  }
  lumaveil::testing::TempDir dir;
  CDialogueTest d;
  ASSERT_EQ(SauveModele(dir.File("t.mod"), a, d), 1);
  CEcran b;
  b.RotationAngle = 180;  // not part of a template: kept
  b.RecoupeUtilisation = 1;
  ASSERT_EQ(ChargeModele(dir.File("t.mod"), b, d), 1);
  EXPECT_TRUE(d.messages.empty());
  EXPECT_EQ(EcritModele(b), EcritModele(a));
  EXPECT_EQ(b.RotationAngle, 180);
  EXPECT_EQ(b.RecoupeUtilisation, 1);
  EXPECT_EQ(b.CadreCouleur, 0x00FFFFFFu);
  EXPECT_EQ(b.RedimensionTailleY, -3);
  EXPECT_EQ(b.Textes[2].Libelle, "Texte 2 — café");
  EXPECT_STREQ(b.Textes[2].Fonte.lfFaceName, "Times New Roman");
  EXPECT_EQ(b.Textes[4].Fonte.lfHeight, -44);
  EXPECT_EQ(b.Textes[4].Fonte.lfCharSet, 255);
  EXPECT_EQ(b.DureeAffichage, 180);
}

TEST(FichierModele, OnlyTheKeysPresentChangeAndTheLastOccurrenceWins) {
  CEcran m;
  LitModele("", m);
  CEcran defaut;
  EXPECT_EQ(EcritModele(m), EcritModele(defaut));
  LitModele(
      "[Cadre Taille] 12\r\n"
      "junk [Duree Affichage] 9 more\r\n"
      "[Cadre Taille] 14\n"
      "[Texte n\xB0" "3 Couleur Fond] 255abc\r\n",
      m);
  EXPECT_EQ(m.CadreTaille, 14);
  EXPECT_EQ(m.DureeAffichage, 9);
  EXPECT_EQ(m.Textes[2].CouleurFond, 255u);
  EXPECT_EQ(m.CadreMotif, 25);
  EXPECT_EQ(m.FondCouleur, 0x00FFFFFFu);
}

TEST(FichierModele, MultiLineTextKeepsItsFirstLine) {
  CEcran a;
  a.Textes[0].Libelle = "ligne un\nligne deux [Fond Motif] 44";
  std::string o = EcritModele(a);
  EXPECT_NE(o.find("[Texte n\xB0" "1 Libelle] ligne un\r\nligne deux [Fond Motif] 44\r\n"),
            std::string::npos);
  CEcran b;
  LitModele(o, b);
  EXPECT_EQ(b.Textes[0].Libelle, "ligne un");
  // The continuation line holds a key: it is applied too, then the real
  // key later in the file sets it back.
  EXPECT_EQ(b.FondMotif, 25);
  CEcran c;
  LitModele("[Texte n\xB0" "2 Libelle] voir [Fond Motif] 44\r\n", c);
  EXPECT_EQ(c.Textes[1].Libelle, "voir [Fond Motif] 44");
  EXPECT_EQ(c.FondMotif, 44);
}

TEST(FichierModele, ALineSetsAtMostOneFieldPerGroup) {
  CEcran m;
  // Two resize keys on one line: only the first one of the group's order.
  LitModele("[Redimension TailleY] 5 [Redimension Utilisation] 1\r\n", m);
  EXPECT_EQ(m.RedimensionUtilisation, 1);
  EXPECT_EQ(m.RedimensionTailleY, 0);
  // A text key of text 4 and one of text 2: text 2 comes first in the group.
  LitModele("[Texte n\xB0" "4 Utilisation] 1 [Texte n\xB0" "2 Position AbsolueX] 77\r\n", m);
  EXPECT_EQ(m.Textes[1].AbsolueX, 77);
  EXPECT_EQ(m.Textes[3].Utilisation, 0);
  // Keys of different groups on one line all apply.
  LitModele("[Cadre Motif] 3 [Fond Motif] 4 [Effet Transition] 5 [Duree Affichage] 6\r\n", m);
  EXPECT_EQ(m.CadreMotif, 3);
  EXPECT_EQ(m.FondMotif, 4);
  EXPECT_EQ(m.EffetTransition, 5);
  EXPECT_EQ(m.DureeAffichage, 6);
}

TEST(FichierModele, AKeyIsFoundWhateverBracketsComeBeforeIt) {
  CEcran m;
  // Stray brackets before the key, a bracket inside a false key, a key
  // without its space, a key cut by the line's end: only whole keys count.
  LitModele("[[Cadre Taille] 7\r\n"
            "x] [Cadre] [Fond [Fond Motif] 8\r\n"
            "[Duree Affichage]9 [Texte n\xB0" "1 Utilisation]1\r\n"
            "[Texte n\xB0" "5 Fonte]\r\n"
            "[Redimension TailleX] 5 [Redimension TailleX] 6\r\n",
            m);
  EXPECT_EQ(m.CadreTaille, 7);
  EXPECT_EQ(m.FondMotif, 8);
  EXPECT_EQ(m.DureeAffichage, 3);
  EXPECT_EQ(m.Textes[0].Utilisation, 0);
  EXPECT_EQ(m.Textes[4].Fonte.lfHeight, -27);  // the default font: 20 points at 96 dpi
  // The first occurrence of a key gives its value.
  EXPECT_EQ(m.RedimensionTailleX, 5);
}

TEST(FichierModele, FilesThatCannotBeOpenedShowTheDesignedMessages) {
  lumaveil::testing::TempDir dir;
  CDialogueTest d;
  CEcran m;
  m.CadreTaille = 33;
  EXPECT_EQ(ChargeModele(dir.File("absent.mod"), m, d), 0);
  EXPECT_EQ(m.CadreTaille, 33);
  EXPECT_EQ(SauveModele(dir.File("no/dir/t.mod"), m, d), 0);
  ASSERT_EQ(d.messages.size(), 2u);
  EXPECT_EQ(d.messages[0].texte, "Unable to open the file for reading");
  EXPECT_EQ(d.messages[1].texte, "Unable to open the file for writing");
  EXPECT_EQ(d.messages[0].titre, "Error");
  EXPECT_EQ(d.messages[1].titre, "Error");
  EXPECT_EQ(d.messages[1].icone, IconeMessage::Erreur);
}

TEST(FichierModele, AFileWithoutTheTemplateHeaderIsRefusedUnread) {
  lumaveil::testing::TempDir dir;
  // A JPEG, a headerless list of keys and an empty file; then a file of our
  // own, in either encoding of its header, still loads.
  const std::string jpeg = std::string("\xFF\xD8\xFF\xE0", 4) + "[Duree Affichage] 9\r\n";
  const std::pair<const char*, std::string> refuses[] = {
      {"photo.jpg", jpeg}, {"keys.mod", "[Duree Affichage] 9\r\n"}, {"empty.mod", ""}};
  for (const auto& [nom, contenu] : refuses) {
    SCOPED_TRACE(nom);
    std::ofstream(dir.File(nom), std::ios::binary) << contenu;
    CDialogueTest d;
    CEcran m;
    m.DureeAffichage = 4;
    EXPECT_EQ(ChargeModele(dir.File(nom), m, d), 0);
    EXPECT_EQ(m.DureeAffichage, 4);
    ASSERT_EQ(d.messages.size(), 1u);
    EXPECT_EQ(d.messages[0].texte, "This file is not a Lumaveil template");
    EXPECT_EQ(d.messages[0].titre, "Error");
  }
  for (const char* entete : {"Fichier mod\xE8le de : Lumaveil", "Fichier mod\xC3\xA8le de : X"}) {
    std::ofstream(dir.File("ok.mod"), std::ios::binary)
        << entete << "\r\n\r\n[Duree Affichage] 9\r\n";
    CDialogueTest d;
    CEcran m;
    ASSERT_EQ(ChargeModele(dir.File("ok.mod"), m, d), 1) << entete;
    EXPECT_EQ(m.DureeAffichage, 9);
    EXPECT_TRUE(d.messages.empty());
  }
}

TEST(FichierModele, ALongLineOfBracketsIsReadInOnePass) {
  // Eight million "[" before a key, then the key alone behind as many "["
  // and as many "]": read from bracket to bracket, each byte is looked at a
  // bounded number of times (searching from every "[" to the next "]" took
  // minutes).
  const std::string crochets(8'000'000, '[');
  CEcran m;
  LitModele(crochets + "Cadre Taille] 7\r\n" + crochets + "\r\n" +
                std::string(8'000'000, ']') + " [Fond Motif] 5\r\n",
            m);
  EXPECT_EQ(m.CadreTaille, 7);
  EXPECT_EQ(m.FondMotif, 5);
}

}  // namespace
}  // namespace lumaveil
