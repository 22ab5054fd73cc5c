#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "dialogue_essai.h"
#include "fichier_projet.h"
#include "sortie_commande.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

using testing::CDialogueTest;

// Writes project bytes by hand, as a Windows program would lay them out.
struct Octets {
  std::vector<std::uint8_t> v;
  Octets& i32(std::int32_t x) {
    for (int k = 0; k < 4; ++k) v.push_back(std::uint8_t((std::uint32_t(x) >> (8 * k)) & 0xFF));
    return *this;
  }
  Octets& chaine(const std::string& ansi) {  // lengths below 255 only
    v.push_back(std::uint8_t(ansi.size()));
    v.insert(v.end(), ansi.begin(), ansi.end());
    return *this;
  }
  Octets& brut(const void* p, std::size_t n) {
    auto b = static_cast<const std::uint8_t*>(p);
    v.insert(v.end(), b, b + n);
    return *this;
  }
  // A screen record of default settings except for a few marked values.
  Octets& ecran(const std::string& chemin, std::int32_t duree, const std::string& texte1) {
    chaine(chemin);
    i32(1).i32(300).i32(200).i32(75).i32(0).i32(1);                 // resize
    i32(1).i32(10).i32(20).i32(110).i32(220);                       // crop
    i32(180).i32(-180);                                             // rotation
    i32(1).i32(40).i32(60).i32(70);                                 // contrast, light, intensity
    i32(1).i32(8).i32(1).i32(12).i32(0x000000FF).i32(1).i32(0x0000FF00);  // border
    for (int n = 0; n < 5; ++n) {
      i32(n == 0 ? 1 : 0);
      chaine(n == 0 ? texte1 : "");
      i32(0).i32(1).i32(2).i32(11).i32(22).i32(33).i32(44);
      i32(0x00FF0000).i32(0x00FFFFFF).i32(0);
      talvik::LOGFONT f{};
      f.lfHeight = -13;
      f.lfWeight = 700;
      f.lfItalic = 1;
      f.lfPitchAndFamily = 34;
      std::strcpy(f.lfFaceName, "Comic Sans MS");
      brut(&f, sizeof f);
    }
    i32(1).i32(1).i32(7).i32(0x00FFFFFF);  // background
    i32(6).i32(duree);
    return *this;
  }
};

std::vector<std::uint8_t> LitFichier(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

TEST(FichierProjet, NewProjectSavesAsMagicResolutionOneTemplateAndOneScreen) {
  CProjet p;
  p.ResolutionCible = {800, 600};
  p.Ajoute(p.NouvelEcranDepuisModele());
  std::vector<std::uint8_t> o = EcritProjet(p);
  // 16 bytes of header, then two records of 640 bytes and six one-byte
  // lengths (empty path and texts).
  ASSERT_EQ(o.size(), 16u + 2u * 646u);
  EXPECT_EQ(o[0], 175);
  EXPECT_EQ(o[1], 0);
  EXPECT_EQ(o[4] | (o[5] << 8), 800);
  EXPECT_EQ(o[8] | (o[9] << 8), 600);
  EXPECT_EQ(o[12], 1);
  EXPECT_EQ(o[16], 0);        // the template's empty path: one length byte 0
  EXPECT_EQ(o[16 + 646], 0);  // the screen's empty path
  // The screen record ends with effect 0 and duration 3.
  EXPECT_EQ(o[o.size() - 4], 3);
  EXPECT_EQ(o[o.size() - 8], 0);
}

TEST(FichierProjet, StringLengthsUseTheThreeArchiveForms) {
  for (std::size_t n : {std::size_t(254), std::size_t(255), std::size_t(0xFFFD),
                        std::size_t(0xFFFE), std::size_t(70000)}) {
    CProjet p;
    p.ModeleEcran.Textes[0].Libelle.assign(n, 'x');
    std::vector<std::uint8_t> o = EcritProjet(p);
    // Template record: path (1 byte), 96 bytes of settings, text 1's flag.
    std::size_t at = 16 + 1 + 96 + 4;
    if (n < 255) {
      EXPECT_EQ(o[at], n);
    } else if (n < 0xFFFE) {
      EXPECT_EQ(o[at], 0xFF);
      EXPECT_EQ(std::size_t(o[at + 1] | (o[at + 2] << 8)), n);
    } else {
      EXPECT_EQ(o[at], 0xFF);
      EXPECT_EQ(o[at + 1], 0xFF);
      EXPECT_EQ(o[at + 2], 0xFF);
      EXPECT_EQ(std::size_t(o[at + 3] | (o[at + 4] << 8) | (o[at + 5] << 16)), n);
    }
    CProjet lu;
    ASSERT_EQ(LitProjet(o.data(), o.size(), lu, nullptr), 1) << n;
    EXPECT_EQ(lu.ModeleEcran.Textes[0].Libelle.size(), n);
  }
}

TEST(FichierProjet, HandWrittenFileLoadsWithItsValues) {
  Octets f;
  f.i32(175).i32(640).i32(480).i32(2);
  f.ecran("", 9, "Mod\xE8le");
  f.ecran("C:\\img\\a.jpg", 4, "Premier");
  f.ecran("/home/u/b.png", 180, "Caf\xE9 \x80");  // Windows-1252 é and €
  CProjet p;
  CDialogueTest d;
  p.NomModele = "/keep/me.mod";
  p.ModeleCharge = 1;
  p.CheminEcranDeVeille = "/old.scr";
  lumaveil::testing::TempDir dir;
  {
    std::ofstream o(dir.File("main.lmv"), std::ios::binary);
    o.write(reinterpret_cast<const char*>(f.v.data()), std::streamsize(f.v.size()));
  }
  ASSERT_EQ(ChargeProjet(p, dir.File("main.lmv"), d), 1);
  EXPECT_TRUE(d.messages.empty());
  EXPECT_EQ(p.ResolutionCible.cx, 640);
  EXPECT_EQ(p.ResolutionCible.cy, 480);
  ASSERT_EQ(p.NombreEcrans(), 2);
  EXPECT_EQ(p.Selection(), 1);
  EXPECT_EQ(p.NomModele, "/keep/me.mod");
  EXPECT_EQ(p.ModeleCharge, 0);
  EXPECT_EQ(p.CheminEcranDeVeille, "");
  EXPECT_EQ(p.ModeleEcran.DureeAffichage, 9);
  EXPECT_EQ(p.ModeleEcran.Textes[0].Libelle, "Modèle");
  const CEcran& a = p.Ecran(0);
  EXPECT_EQ(a.CheminImage, "C:\\img\\a.jpg");
  EXPECT_EQ(a.TailleCible.cx, 640);
  EXPECT_EQ(a.RedimensionUtilisation, 1);
  EXPECT_EQ(a.RedimensionTailleX, 300);
  EXPECT_EQ(a.RedimensionTailleY, 200);
  EXPECT_EQ(a.RedimensionPourcentageValeur, 75);
  EXPECT_EQ(a.RedimensionPourcentageUtilisation, 0);
  EXPECT_EQ(a.RecoupeRectangle.left, 10);
  EXPECT_EQ(a.RecoupeRectangle.bottom, 220);
  EXPECT_EQ(a.RotationUtilisation, 180);
  EXPECT_EQ(a.RotationAngle, -180);
  EXPECT_EQ(a.ReglageContraste, 40);
  EXPECT_EQ(a.ReglageLumiere, 60);
  EXPECT_EQ(a.ReglageIntensite, 70);
  EXPECT_EQ(a.CadreTaille, 8);
  EXPECT_EQ(a.CadreMotif, 12);
  EXPECT_EQ(a.CadreCouleur, 0x000000FFu);
  EXPECT_EQ(a.CadreCouleurBordure, 0x0000FF00u);
  EXPECT_EQ(a.Textes[0].Utilisation, 1);
  EXPECT_EQ(a.Textes[0].Libelle, "Premier");
  EXPECT_EQ(a.Textes[1].Utilisation, 0);
  EXPECT_EQ(a.Textes[3].PositionAutomatiqueVerticale, 1);
  EXPECT_EQ(a.Textes[3].PositionAutomatiqueHorizontale, 2);
  EXPECT_EQ(a.Textes[3].DeltaX, 11);
  EXPECT_EQ(a.Textes[3].AbsolueY, 44);
  EXPECT_EQ(a.Textes[3].CouleurEncre, 0x00FF0000u);
  EXPECT_EQ(a.Textes[3].FondTransparent, 0);
  EXPECT_EQ(a.Textes[3].Fonte.lfHeight, -13);
  EXPECT_EQ(a.Textes[3].Fonte.lfWeight, 700);
  EXPECT_EQ(a.Textes[3].Fonte.lfItalic, 1);
  EXPECT_EQ(a.Textes[3].Fonte.lfPitchAndFamily, 34);
  EXPECT_STREQ(a.Textes[3].Fonte.lfFaceName, "Comic Sans MS");
  EXPECT_EQ(a.FondMotifUtilisation, 1);
  EXPECT_EQ(a.FondMotif, 7);
  EXPECT_EQ(a.EffetTransition, 6);
  EXPECT_EQ(a.DureeAffichage, 4);
  EXPECT_EQ(p.Ecran(1).CheminImage, "/home/u/b.png");
  EXPECT_EQ(p.Ecran(1).Textes[0].Libelle, "Café €");
  EXPECT_EQ(p.Ecran(1).DureeAffichage, 180);
  // Saved again, the file is the same bytes.
  EXPECT_EQ(EcritProjet(p), f.v);
}

// A project with every persisted field set to a different value.
void Remplit(CEcran& e, std::mt19937& g) {
  auto v = [&g] { return std::int32_t(g()); };
  e.CheminImage = "/p/" + std::to_string(g() % 1000) + "-ü.jpg";
  e.RedimensionUtilisation = v();
  e.RedimensionTailleX = v();
  e.RedimensionTailleY = v();
  e.RedimensionPourcentageValeur = v();
  e.RedimensionPourcentageUtilisation = v();
  e.RedimensionConservationProportion = v();
  e.RecoupeUtilisation = v();
  e.RecoupeRectangle = {v(), v(), v(), v()};
  e.RotationUtilisation = v();
  e.RotationAngle = v();
  e.ReglageUtilisation = v();
  e.ReglageContraste = v();
  e.ReglageLumiere = v();
  e.ReglageIntensite = v();
  e.CadreUtilisation = v();
  e.CadreTaille = v();
  e.CadreMotifUtilisation = v();
  e.CadreMotif = v();
  e.CadreCouleur = g();
  e.CadreBordureUtilisation = v();
  e.CadreCouleurBordure = g();
  for (T_TEXTE& t : e.Textes) {
    t.Utilisation = v();
    t.Libelle = "texte " + std::to_string(g()) + " ✓ 日本";
    t.PositionAutomatique = v();
    t.PositionAutomatiqueVerticale = v();
    t.PositionAutomatiqueHorizontale = v();
    t.DeltaX = v();
    t.DeltaY = v();
    t.AbsolueX = v();
    t.AbsolueY = v();
    t.CouleurEncre = g();
    t.CouleurFond = g();
    t.FondTransparent = v();
    t.Fonte.lfHeight = v();
    t.Fonte.lfWidth = v();
    t.Fonte.lfEscapement = v();
    t.Fonte.lfOrientation = v();
    t.Fonte.lfWeight = v();
    t.Fonte.lfItalic = talvik::BYTE(g());
    t.Fonte.lfUnderline = talvik::BYTE(g());
    t.Fonte.lfStrikeOut = talvik::BYTE(g());
    t.Fonte.lfCharSet = talvik::BYTE(g());
    t.Fonte.lfOutPrecision = talvik::BYTE(g());
    t.Fonte.lfClipPrecision = talvik::BYTE(g());
    t.Fonte.lfQuality = talvik::BYTE(g());
    t.Fonte.lfPitchAndFamily = talvik::BYTE(g());
    std::snprintf(t.Fonte.lfFaceName, sizeof t.Fonte.lfFaceName, "Face %u", unsigned(g()));
  }
  e.FondUtilisation = v();
  e.FondMotifUtilisation = v();
  e.FondMotif = v();
  e.FondCouleur = g();
  e.EffetTransition = v();
  e.DureeAffichage = v();
}

void ExpectMemesParametres(const CEcran& a, const CEcran& b) {
  CProjet pa, pb;
  // Equal records write equal bytes.
  pa.ModeleEcran.CopieParametres(a);
  pb.ModeleEcran.CopieParametres(b);
  EXPECT_EQ(EcritProjet(pa), EcritProjet(pb));
  EXPECT_EQ(a.CheminImage, b.CheminImage);
  EXPECT_EQ(a.Textes[4].Libelle, b.Textes[4].Libelle);
  // The numbers and bytes of the font record, then its face name.
  EXPECT_EQ(0, std::memcmp(&a.Textes[2].Fonte, &b.Textes[2].Fonte, 28));
  EXPECT_STREQ(a.Textes[2].Fonte.lfFaceName, b.Textes[2].Fonte.lfFaceName);
  EXPECT_EQ(a.RecoupeRectangle.right, b.RecoupeRectangle.right);
  EXPECT_EQ(a.DureeAffichage, b.DureeAffichage);
}

TEST(FichierProjet, SaveThenLoadKeepsEveryFieldAndTheOrder) {
  std::mt19937 g(7);
  CProjet p;
  p.ResolutionCible = {1280, 960};
  Remplit(p.ModeleEcran, g);
  for (int i = 0; i < 6; ++i) {
    auto e = p.NouvelEcranDepuisModele();
    Remplit(*e, g);
    p.Ajoute(std::move(e));
  }
  lumaveil::testing::TempDir dir;
  CDialogueTest d;
  ASSERT_EQ(SauveProjet(p, dir.File("p.lmv"), d), 1);
  CProjet q;
  ASSERT_EQ(ChargeProjet(q, dir.File("p.lmv"), d), 1);
  EXPECT_TRUE(d.messages.empty());
  EXPECT_EQ(q.ResolutionCible.cx, 1280);
  EXPECT_EQ(q.ResolutionCible.cy, 960);
  ExpectMemesParametres(p.ModeleEcran, q.ModeleEcran);
  ASSERT_EQ(q.NombreEcrans(), 6);
  for (int i = 0; i < 6; ++i) ExpectMemesParametres(p.Ecran(i), q.Ecran(i));
  EXPECT_EQ(LitFichier(dir.File("p.lmv")), EcritProjet(q));
}

// Pictures named relative to the project, as a project unpacked from the
// web maker's zip names its photos: found beside the project unless the
// current folder holds that name; absolute, empty and missing paths kept.
TEST(FichierProjet, RelativePicturesAreFoundBesideTheProject) {
  lumaveil::testing::TempDir dir;
  std::filesystem::create_directories(dir.File("p/photos"));
  std::ofstream(dir.File("p/photos/a.jpg")) << "a";
  std::ofstream(dir.File("here.jpg")) << "h";
  std::ofstream(dir.File("p/here.jpg")) << "p";
  const std::string chemins[] = {"photos/a.jpg", "here.jpg", "photos/missing.jpg", "",
                                 dir.File("here.jpg")};
  CProjet p;
  for (const std::string& c : chemins) {
    auto e = p.NouvelEcranDepuisModele();
    e->CheminImage = c;
    p.Ajoute(std::move(e));
  }
  CDialogueTest d;
  ASSERT_EQ(SauveProjet(p, dir.File("p/p.lmv"), d), 1);
  const std::filesystem::path avant = std::filesystem::current_path();
  std::filesystem::current_path(dir.File(""));
  CProjet q;
  const int charge = ChargeProjet(q, "p/p.lmv", d);
  std::filesystem::current_path(avant);
  ASSERT_EQ(charge, 1);
  ASSERT_EQ(q.NombreEcrans(), 5);
  EXPECT_EQ(q.Ecran(0).CheminImage, "p/photos/a.jpg");
  EXPECT_EQ(q.Ecran(1).CheminImage, "here.jpg");
  EXPECT_EQ(q.Ecran(2).CheminImage, "photos/missing.jpg");
  EXPECT_EQ(q.Ecran(3).CheminImage, "");
  EXPECT_EQ(q.Ecran(4).CheminImage, dir.File("here.jpg"));
}

TEST(FichierProjet, FileWithoutScreensOpensEmptyWithItsTemplate) {
  Octets f;
  f.i32(175).i32(800).i32(600).i32(0).ecran("", 11, "t");
  lumaveil::testing::TempDir dir;
  std::ofstream(dir.File("e.lmv"), std::ios::binary)
      .write(reinterpret_cast<const char*>(f.v.data()), std::streamsize(f.v.size()));
  CProjet p;
  CDialogueTest d;
  ASSERT_EQ(ChargeProjet(p, dir.File("e.lmv"), d), 1);
  EXPECT_EQ(p.NombreEcrans(), 0);
  EXPECT_EQ(p.Selection(), -1);
  // A screen made then comes from the file's template and resolution.
  const std::unique_ptr<CEcran> e = p.NouvelEcranDepuisModele();
  EXPECT_EQ(e->DureeAffichage, 11);
  EXPECT_EQ(e->TailleCible.cx, 800);
}

TEST(FichierProjet, WrongMagicLeavesTheOpenProjectAsItWas) {
  Octets f;
  f.i32(176).i32(640).i32(480).i32(0).ecran("", 3, "");
  lumaveil::testing::TempDir dir;
  std::ofstream(dir.File("x.lmv"), std::ios::binary)
      .write(reinterpret_cast<const char*>(f.v.data()), std::streamsize(f.v.size()));
  CProjet p;
  p.Ajoute(p.NouvelEcranDepuisModele());
  p.CheminEcranDeVeille = "/a.scr";
  CDialogueTest d;
  EXPECT_EQ(ChargeProjet(p, dir.File("x.lmv"), d), 0);
  ASSERT_EQ(d.messages.size(), 1u);
  EXPECT_EQ(d.messages[0].texte, "This file isn't correct.");
  EXPECT_EQ(d.messages[0].titre, "Error");
  EXPECT_EQ(d.messages[0].icone, IconeMessage::Erreur);
  EXPECT_EQ(p.NombreEcrans(), 1);
  EXPECT_EQ(p.CheminEcranDeVeille, "/a.scr");
}

TEST(FichierProjet, ShortOrDamagedFileFailsAndChangesNothing) {
  Octets f;
  f.i32(175).i32(640).i32(480).i32(2).ecran("", 3, "m").ecran("/a.jpg", 4, "a").ecran("/b", 5,
                                                                                      "b");
  lumaveil::testing::TempDir dir;
  CProjet p;
  p.ResolutionCible = {320, 240};
  p.Ajoute(p.NouvelEcranDepuisModele());
  p.Ecran(0).DureeAffichage = 77;
  p.ModeleEcran.DureeAffichage = 66;
  const std::vector<std::uint8_t> avant = EcritProjet(p);
  // Every cut of the file, and a screen count far beyond its records.
  std::vector<std::vector<std::uint8_t>> mauvais;
  for (std::size_t n = 4; n < f.v.size(); n += 7) mauvais.emplace_back(f.v.begin(), f.v.begin() + long(n));
  auto enorme = f.v;
  enorme[12] = 0xFF;
  enorme[13] = 0xFF;
  enorme[14] = 0xFF;
  enorme[15] = 0x7F;
  mauvais.push_back(enorme);
  auto negatif = f.v;
  negatif[15] = 0x80;
  mauvais.push_back(negatif);
  auto longueur = f.v;  // the template's path claims 2^31 - 1 bytes
  longueur.erase(longueur.begin() + 16);
  const std::uint8_t prefixe[7] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
  longueur.insert(longueur.begin() + 16, prefixe, prefixe + 7);
  mauvais.push_back(longueur);
  for (const auto& m : mauvais) {
    std::ofstream(dir.File("cut.lmv"), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(m.data()), std::streamsize(m.size()));
    CDialogueTest d;
    EXPECT_EQ(ChargeProjet(p, dir.File("cut.lmv"), d), 0) << m.size();
    ASSERT_EQ(d.messages.size(), 1u);
    EXPECT_EQ(d.messages[0].texte, kFichierEndommage);
    EXPECT_EQ(d.messages[0].titre, "Error");
    EXPECT_EQ(EcritProjet(p), avant);
  }
}

TEST(FichierProjet, SaveReplacesTheOldFileWholeAndLeavesNoTemporaryFile) {
  lumaveil::testing::TempDir dir;
  CProjet p;
  for (int i = 0; i < 3; ++i) p.Ajoute(p.NouvelEcranDepuisModele());
  CDialogueTest d;
  std::ofstream(dir.File("p.lmv")) << "old content that is not a project";
  ASSERT_EQ(SauveProjet(p, dir.File("p.lmv"), d), 1);
  EXPECT_EQ(LitFichier(dir.File("p.lmv")), EcritProjet(p));
  std::string listing = lumaveil::testing::RunAndCapture("ls -A " + dir.Path());
  EXPECT_EQ(listing, "p.lmv\n");
  // A place that cannot be written: the message, and nothing created.
  EXPECT_EQ(SauveProjet(p, dir.File("missing/dir/p.lmv"), d), 0);
  ASSERT_EQ(d.messages.size(), 1u);
  EXPECT_EQ(d.messages[0].titre, "Error");
  EXPECT_EQ(lumaveil::testing::RunAndCapture("ls -A " + dir.Path()), "p.lmv\n");
}

TEST(FichierProjet, LongAccentedFaceNameIsCutOnACharacterBoundary) {
  CProjet p;
  p.ModeleEcran.Textes[0].Fonte.lfFaceName[0] = 'x';
  std::vector<std::uint8_t> o = EcritProjet(p);
  // The face name of text 1 of the template: 31 bytes of "é" in the file.
  std::size_t face = 16 + 1 + 96 + 4 + 1 + 40 + 28;
  ASSERT_EQ(o[face], 'x');
  for (int i = 0; i < 31; ++i) o[face + std::size_t(i)] = 0xE9;
  CProjet q;
  ASSERT_EQ(LitProjet(o.data(), o.size(), q, nullptr), 1);
  std::string attendu;
  for (int i = 0; i < 15; ++i) attendu += "é";
  EXPECT_EQ(std::string(q.ModeleEcran.Textes[0].Fonte.lfFaceName), attendu);
}

TEST(FichierProjet, CharactersOutsideWindows1252SurviveInTheUnicodeForm) {
  CProjet p;
  p.ModeleEcran.CheminImage = "/photos/東京/夜.jpg";
  p.ModeleEcran.Textes[1].Libelle = "Zoë";  // Windows-1252 holds it: one byte per letter
  std::vector<std::uint8_t> o = EcritProjet(p);
  EXPECT_EQ(o[16], 0xFF);
  EXPECT_EQ(o[17], 0xFE);
  EXPECT_EQ(o[18], 0xFF);
  CProjet q;
  ASSERT_EQ(LitProjet(o.data(), o.size(), q, nullptr), 1);
  EXPECT_EQ(q.ModeleEcran.CheminImage, "/photos/東京/夜.jpg");
  EXPECT_EQ(q.ModeleEcran.Textes[1].Libelle, "Zoë");
}

}  // namespace
}  // namespace lumaveil
