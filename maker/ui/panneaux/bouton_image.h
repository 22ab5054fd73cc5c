// The picture buttons of the edit panels: an icon of ":/panneaux/icones",
// the command's name as tooltip and accessible name.
#pragma once

#include <QString>
#include <string>

class QLabel;
class QToolButton;
class QWidget;

namespace lumaveil {

// Makes ":/panneaux/..." available (idempotent).
void InitialiseIconesPanneaux();

// A 40 x 40 button showing icones/<icone>.svg, named texte.
QToolButton* BoutonImage(QWidget* parent, const QString& icone, const QString& texte);

// A status line of a panel. Its width does not follow its text, so that the
// panels stay where they are when a line changes: it is as wide as the
// widest of the panels' designed lines, and a longer text (a file name) is
// cut at its edge, whole in its tooltip.
QLabel* NouvelleLigneEtat(QWidget* parent);

// Shows a status line; screen readers and the tooltip give the same text.
void AfficheLigneEtat(QLabel* ligne, const std::string& texte);

}  // namespace lumaveil
