#include "dialogs/texte/taille_police.h"

#include <QWidget>

#include <algorithm>

#include "dialogs/texte/police_qt.h"

namespace talvik {

void ChangeTaillePolice(QWidget* controle, int points) {
  if (!controle) return;
  QFont police = controle->font();
  police.setPixelSize(std::max(1, MulDiv(points, PointsParPouceEcran(), 72)));
  if (points <= 8) police.setFamilies({QStringLiteral("Small Fonts")});
  controle->setFont(police);
}

}  // namespace talvik
