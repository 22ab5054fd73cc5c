#include "fenetre/geometrie_fenetre.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <string>

#include "parametres.h"
#include "registre.h"

namespace lumaveil {

namespace {

constexpr const char* kCleGeometrie = "WindowGeometry";
constexpr const char* kCleZoom = "ThumbnailZoom";

// The size on a screen of `disponible` for a window that asks for `voulue`.
QSize TailleAdaptee(const QRect& disponible, const QSize& voulue) {
  return QSize(std::max(voulue.width(), disponible.width() * 3 / 4),
               std::max(voulue.height(), disponible.height() * 3 / 4))
      .boundedTo(disponible.size());
}

}  // namespace

void PlaceFenetrePrincipale(QWidget& fenetre) {
  talvik::CBaseRegistre registre;
  std::string gardee;
  if (registre.OuvreLecture(kNomApplication, "")) {
    registre.Lecture(kCleGeometrie, gardee);
    registre.Ferme();
  }
  // A place kept on a screen no longer there is not restored.
  if (!gardee.empty() &&
      fenetre.restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(gardee)))) {
    for (const QScreen* ecran : QGuiApplication::screens())
      if (ecran->availableGeometry().intersects(fenetre.geometry())) return;
  }
  const QScreen* ecran = QGuiApplication::primaryScreen();
  if (!ecran) return;
  const QRect disponible = ecran->availableGeometry();
  const QSize taille = TailleAdaptee(disponible, fenetre.sizeHint());
  fenetre.resize(taille);
  fenetre.move(disponible.center() - QPoint(taille.width() / 2, taille.height() / 2));
}

void RetientFenetrePrincipale(const QWidget& fenetre) {
  talvik::CBaseRegistre registre;
  if (!registre.OuvreEcriture(kNomApplication, "")) return;
  registre.Ecriture(kCleGeometrie, fenetre.saveGeometry().toBase64().toStdString());
  registre.Ferme();
}

int LitZoomVignettes(int defaut) {
  talvik::CBaseRegistre registre;
  int zoom = 0;
  if (registre.OuvreLecture(kNomApplication, "")) {
    if (!registre.Lecture(kCleZoom, zoom)) zoom = 0;
    registre.Ferme();
  }
  return zoom > 0 ? zoom : defaut;
}

void RetientZoomVignettes(int pourcent) {
  talvik::CBaseRegistre registre;
  if (!registre.OuvreEcriture(kNomApplication, "")) return;
  registre.Ecriture(kCleZoom, pourcent);
  registre.Ferme();
}

}  // namespace lumaveil
