// Counters and numbers in the messages follow the language the window
// speaks, thousands separators included.
#include <gtest/gtest.h>

#include <QLocale>

#include "dialogs/commun/nombres_locaux.h"

namespace {

struct Cas {
  const char* locale;
  const char* compteur;
};

class NombresLocaux : public ::testing::TestWithParam<Cas> {
 protected:
  void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(NombresLocaux, ProgressCounterUsesTheLanguagesSeparators) {
  QLocale::setDefault(QLocale(QString::fromLatin1(GetParam().locale)));
  EXPECT_EQ(talvik::CompteurLocal(1234, 5000), GetParam().compteur);
  EXPECT_EQ(talvik::CompteurLocal(3, 10), "(3 / 10)");
}

INSTANTIATE_TEST_SUITE_P(Langues, NombresLocaux,
                         ::testing::Values(Cas{"en_GB", "(1,234 / 5,000)"},
                                           Cas{"de_DE", "(1.234 / 5.000)"},
                                           Cas{"es_ES", "(1234 / 5000)"},
                                           Cas{"fr_FR", "(1\u202F234 / 5\u202F000)"}));

}  // namespace
