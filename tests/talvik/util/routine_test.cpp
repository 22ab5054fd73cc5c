// CRoutine: messages with the application's table first, HexToBin,
// check boxes, Swap.
#include <gtest/gtest.h>

#include "chaines.h"
#include "routine.h"

namespace talvik {
namespace {

TEST(Message, LibraryTableHoldsIdsFourToEighteen) {
  EXPECT_EQ(CRoutine::Message("", 4), "Error");
  EXPECT_EQ(CRoutine::Message("", 7), "\nBarred");
  EXPECT_EQ(CRoutine::Message("", 11), "Unable to load file");
  EXPECT_EQ(CRoutine::Message("", 18), "All files");
  for (unsigned id = 4; id <= 18; ++id) EXPECT_FALSE(CRoutine::Message("", id).empty()) << id;
  EXPECT_EQ(CRoutine::Message("", 3), "");
  EXPECT_EQ(CRoutine::Message("", 19), "");
}

TEST(Message, ApplicationTableIsLookedUpFirst) {
  TableChaines ancienne = InstalleTableApplication([](unsigned id) -> std::optional<std::string> {
    if (id == 4) return std::string("Erreur de l'application");
    if (id == 61218) return std::string("Warning");
    return std::nullopt;
  });
  EXPECT_EQ(CRoutine::Message("ignored", 4), "Erreur de l'application");
  EXPECT_EQ(CRoutine::Message("", 61218), "Warning");
  EXPECT_EQ(CRoutine::Message("", 11), "Unable to load file");
  InstalleTableApplication(ancienne);
  EXPECT_EQ(CRoutine::Message("", 4), "Error");
  EXPECT_EQ(CRoutine::Message("", 61218), "");
}

TEST(HexToBin, LastTwoDigitsOnly) {
  EXPECT_EQ(CRoutine::HexToBin("ff"), 255u);
  EXPECT_EQ(CRoutine::HexToBin("FF"), 255u);
  EXPECT_EQ(CRoutine::HexToBin("7"), 7u);
  EXPECT_EQ(CRoutine::HexToBin("1AB"), 171u);
  EXPECT_EQ(CRoutine::HexToBin(""), 0u);
  EXPECT_EQ(CRoutine::HexToBin("a0"), 160u);
  for (unsigned v = 0; v < 256; ++v) {
    char t[3];
    std::snprintf(t, sizeof t, "%02x", v);
    EXPECT_EQ(CRoutine::HexToBin(t), v);
  }
}

struct Coche : CButton {
  int etat = BST_UNCHECKED;
  int GetCheck() const override { return etat; }
  void SetCheck(int e) override { etat = e; }
};

TEST(EtatBouton, OnlyTheCheckedStateReadsAsOne) {
  Coche c;
  int e = -1;
  CRoutine::FixeEtatBouton(&c, 5);
  EXPECT_EQ(c.etat, BST_CHECKED);
  CRoutine::LireEtatBouton(&c, &e);
  EXPECT_EQ(e, 1);
  c.etat = BST_INDETERMINATE;
  CRoutine::LireEtatBouton(&c, &e);
  EXPECT_EQ(e, 0);
  CRoutine::FixeEtatBouton(&c, 0);
  EXPECT_EQ(c.etat, BST_UNCHECKED);
}

TEST(EtatBouton, NullPointersChangeNothing) {
  Coche c;
  c.etat = BST_CHECKED;
  CRoutine::LireEtatBouton(&c, nullptr);
  EXPECT_EQ(c.etat, BST_CHECKED);
  int e = 7;
  CRoutine::LireEtatBouton(nullptr, &e);
  EXPECT_EQ(e, 7);
  CRoutine::FixeEtatBouton(nullptr, 1);  // no box: nothing to set, no crash
}

TEST(Swap, ExchangesTheValues) {
  long a = 3, b = -9;
  CRoutine::Swap(a, b);
  EXPECT_EQ(a, -9);
  EXPECT_EQ(b, 3);
}

}  // namespace
}  // namespace talvik
