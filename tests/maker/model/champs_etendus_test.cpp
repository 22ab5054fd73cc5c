#include <gtest/gtest.h>

#include <algorithm>

#include "archive.h"
#include "champs_etendus.h"
#include "fichier_projet.h"

namespace lumaveil {
namespace {

void DeuxEcrans(CProjet& p) {
  p.ResolutionCible = {1024, 768};
  p.Ajoute(p.NouvelEcranDepuisModele());
  p.Ajoute(p.NouvelEcranDepuisModele());
  p.Ecran(1).DureeAffichage = 9;
}

std::vector<std::uint8_t> OctetsDeDeuxEcrans() {
  CProjet p;
  DeuxEcrans(p);
  return EcritProjet(p);
}

// The bytes of a block with the entries given, as a later maker may write it.
std::vector<std::uint8_t> Bloc(
    const std::vector<std::tuple<std::int32_t, std::string, std::string>>& entrees) {
  CArchiveEcriture ar;
  ar.EcritEntier(kMagiqueExtension);
  ar.EcritEntier(std::int32_t(entrees.size()));
  for (const auto& [portee, cle, valeur] : entrees) {
    ar.EcritEntier(portee);
    ar.EcritChaine(cle);
    ar.EcritChaine(valeur);
  }
  return ar.Octets();
}

TEST(ChampsEtendus, OptionsAtTheirDefaultsWriteTheDesignedBytesAndOthersFollowThem) {
  const std::vector<std::uint8_t> concu = OctetsDeDeuxEcrans();
  for (const ChampProjet& c : kChampsProjet) {
    CProjet q;
    DeuxEcrans(q);
    q.*c.membre = c.defaut + 1;
    const std::vector<std::uint8_t> o = EcritProjet(q);
    // The designed part is unchanged and comes first, so that a maker that
    // knows nothing of the option opens the file as before.
    ASSERT_GT(o.size(), concu.size()) << c.nom;
    EXPECT_TRUE(std::equal(concu.begin(), concu.end(), o.begin())) << c.nom;
    CProjet lu;
    ASSERT_EQ(LitProjet(o.data(), o.size(), lu, nullptr), 1) << c.nom;
    EXPECT_EQ(lu.*c.membre, c.defaut + 1) << c.nom;
    EXPECT_EQ(lu.NombreEcrans(), 2);
    EXPECT_EQ(lu.Ecran(1).DureeAffichage, 9);
    EXPECT_EQ(EcritProjet(lu), o) << c.nom;
  }
}

TEST(ChampsEtendus, UnknownKeysScopesAndValuesAreSkipped) {
  std::vector<std::uint8_t> o = OctetsDeDeuxEcrans();
  const std::vector<std::uint8_t> bloc = Bloc({{kPorteeProjet, "Une Option Future", "1"},
                                               {kPorteeProjet, "Paire Portraits", "beaucoup"},
                                               {7, "Melange Ecrans", "1"},
                                               {2, "Un Champ Futur", "x"},
                                               {kPorteeProjet, "Melange Ecrans", "1"}});
  o.insert(o.end(), bloc.begin(), bloc.end());
  CProjet lu;
  ASSERT_EQ(LitProjet(o.data(), o.size(), lu, nullptr), 1);
  EXPECT_EQ(lu.MelangeEcrans, 1);
  EXPECT_EQ(lu.PairePortraits, 0);
  EXPECT_EQ(lu.NombreEcrans(), 2);
}

TEST(ChampsEtendus, DamagedBlockIsRefusedAndOtherTrailingBytesIgnored) {
  const std::vector<std::uint8_t> concu = OctetsDeDeuxEcrans();
  const std::vector<std::uint8_t> bloc = Bloc({{kPorteeProjet, "Melange Ecrans", "1"}});
  struct Cas {
    const char* nom;
    std::vector<std::uint8_t> suite;
    int attendu;
  };
  std::vector<std::uint8_t> coupe(bloc.begin(), bloc.end() - 1);
  std::vector<std::uint8_t> trop = bloc;
  trop[4] = 0xFF;  // an entry count far beyond the bytes left
  const std::vector<Cas> cas = {
      {"cut short", coupe, 0},
      {"huge count", trop, 0},
      {"not a block", {1, 2, 3, 4, 5, 6, 7}, 1},
      {"three bytes", {0x4C, 0x4D, 0x56}, 1},
  };
  for (const Cas& c : cas) {
    std::vector<std::uint8_t> o = concu;
    o.insert(o.end(), c.suite.begin(), c.suite.end());
    CProjet lu;
    std::string erreur;
    EXPECT_EQ(LitProjet(o.data(), o.size(), lu, &erreur), c.attendu) << c.nom;
    if (c.attendu == 0) {
      EXPECT_FALSE(erreur.empty()) << c.nom;
    }
  }
}

}  // namespace
}  // namespace lumaveil
