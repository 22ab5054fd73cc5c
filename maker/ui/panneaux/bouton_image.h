// The picture buttons of the edit panels: an icon of ":/panneaux/icones",
// the command's name as tooltip and accessible name.
#pragma once

#include <QString>

class QToolButton;
class QWidget;

namespace lumaveil {

// Makes ":/panneaux/..." available (idempotent).
void InitialiseIconesPanneaux();

// A 40 x 40 button showing icones/<icone>.svg, named texte.
QToolButton* BoutonImage(QWidget* parent, const QString& icone, const QString& texte);

}  // namespace lumaveil
