// Screens for the window tests: plain coloured screens that render fast
// (no picture, a small canvas of one colour), and reading back the colour a
// list item shows.
#pragma once

#include <QIcon>
#include <QListWidgetItem>
#include <memory>

#include "ecran.h"
#include "graphique.h"

namespace lumaveil::testing {

inline constexpr SIZE kPetitCanevas{160, 120};

// A screen without picture whose background is `couleur`.
inline std::unique_ptr<CEcran> EcranCouleur(COLORREF couleur, bool rendu,
                                            talvik::CGraphique& graphique) {
  auto e = std::make_unique<CEcran>(kPetitCanevas);
  e->FondCouleur = couleur;
  if (rendu) e->CalculeImageFinale(graphique, 0, Etapes::Toutes());
  return e;
}

// COLORREF of the centre of the item's thumbnail.
inline COLORREF CouleurVignette(const QListWidgetItem* item) {
  const QImage image = item->icon().pixmap(QSize(150, 110)).toImage();
  const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
  return talvik::RGB(talvik::BYTE(c.red()), talvik::BYTE(c.green()), talvik::BYTE(c.blue()));
}

}  // namespace lumaveil::testing
