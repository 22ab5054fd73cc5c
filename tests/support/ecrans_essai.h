// Screens for the window tests: plain coloured screens that render fast
// (no picture, a small canvas of one colour), and reading back the colour a
// row of the screen list shows.
#pragma once

#include <QIcon>
#include <QModelIndex>
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

// The thumbnail a row of the screen list shows.
inline QIcon IconeLigne(const QModelIndex& ligne) {
  return qvariant_cast<QIcon>(ligne.data(Qt::DecorationRole));
}

// COLORREF of the centre of the row's thumbnail.
inline COLORREF CouleurVignette(const QModelIndex& ligne) {
  const QImage image = IconeLigne(ligne).pixmap(QSize(150, 110)).toImage();
  const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
  return talvik::RGB(talvik::BYTE(c.red()), talvik::BYTE(c.green()), talvik::BYTE(c.blue()));
}

}  // namespace lumaveil::testing
