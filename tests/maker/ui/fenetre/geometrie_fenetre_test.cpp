// Where the main window opens: sized for the screen the first time, then
// where the user left it, unless that place is on no screen any more.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <cstdlib>

#include "dossier_temporaire.h"
#include "fenetre/geometrie_fenetre.h"

namespace lumaveil {
namespace {

TEST(GeometrieFenetre, OpensSizedForTheScreenThenWhereItWasLeftButNeverOffTheScreens) {
  // A settings store of its own: nothing kept from another run.
  testing::TempDir dossier;
  setenv("LUMAVEIL_REGISTRY", dossier.File("registry.reg").c_str(), 1);
  const QRect disponible = QGuiApplication::primaryScreen()->availableGeometry();
  {
    // A small window grows to three quarters of the screen, centred.
    QMainWindow fenetre;
    PlaceFenetrePrincipale(fenetre);
    EXPECT_EQ(fenetre.size(), QSize(disponible.width() * 3 / 4, disponible.height() * 3 / 4));
    EXPECT_LE(std::abs(fenetre.geometry().center().x() - disponible.center().x()), 1);
    EXPECT_LE(std::abs(fenetre.geometry().center().y() - disponible.center().y()), 1);
    fenetre.setGeometry(disponible.x() + 10, disponible.y() + 20, 400, 300);
    RetientFenetrePrincipale(fenetre);
  }
  {
    QMainWindow fenetre;
    PlaceFenetrePrincipale(fenetre);
    EXPECT_EQ(fenetre.size(), QSize(400, 300));
    fenetre.setGeometry(disponible.right() + 5000, disponible.bottom() + 5000, 400, 300);
    RetientFenetrePrincipale(fenetre);
  }
  QMainWindow fenetre;
  PlaceFenetrePrincipale(fenetre);
  EXPECT_TRUE(disponible.contains(fenetre.geometry().center()));
}

}  // namespace
}  // namespace lumaveil
