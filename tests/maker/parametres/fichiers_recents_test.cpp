// The recent-project list of the File menu, as the settings store keeps it.
#include "fichiers_recents.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "fichier_registre.h"
#include "registre.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

namespace reg = talvik::registre;

// Each test has a settings store of its own, whatever way it ends.
class FichiersRecents : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* avant = std::getenv("LUMAVEIL_REGISTRY");
    ancien_ = avant ? avant : "";
    setenv("LUMAVEIL_REGISTRY", dossier_.File("registry.reg").c_str(), 1);
  }
  void TearDown() override { setenv("LUMAVEIL_REGISTRY", ancien_.c_str(), 1); }

  testing::TempDir dossier_;
  std::string ancien_;
};

TEST_F(FichiersRecents, KeepFourNewestFirstWithoutDuplicates) {
  CFichiersRecents r;
  for (const char* f : {"/a.lmv", "/b.lmv", "/c.lmv", "/d.lmv", "/b.lmv", "/e.lmv"}) r.Ajoute(f);
  EXPECT_EQ(r.Liste(), (std::vector<std::string>{"/e.lmv", "/b.lmv", "/d.lmv", "/c.lmv"}));
  ASSERT_EQ(r.Ecrit(), 1);
  r.Retire(0);
  r.Retire(9);
  ASSERT_EQ(r.Ecrit(), 1);
  CFichiersRecents lu;
  ASSERT_EQ(lu.Lit(), 1);
  EXPECT_EQ(lu.Liste(), (std::vector<std::string>{"/b.lmv", "/d.lmv", "/c.lmv"}));
  reg::Base base;
  ASSERT_TRUE(reg::ChargeFichier(reg::CheminFichier(), base));
  const reg::Cle* cle = base.Trouve(
      "HKEY_CURRENT_USER\\Software\\Local AppWizard-Generated Applications\\Lumaveil\\Recent File "
      "List");
  ASSERT_NE(cle, nullptr);
  EXPECT_EQ(cle->Trouve("File4"), nullptr);  // the old fourth entry is gone
}

}  // namespace
}  // namespace lumaveil
