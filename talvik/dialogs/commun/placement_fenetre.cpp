#include "dialogs/commun/placement_fenetre.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace talvik {

namespace {

// The frame the window manager puts around `w`, as far as Qt knows it (none
// before the window was first mapped). Margins Qt read while the window
// manager was still reparenting the window can be negative or absurd: they
// count as unknown.
QMargins CadreConnu(const QWidget* w) {
  const QRect f = w->frameGeometry(), g = w->geometry();
  const QMargins m(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(),
                   f.bottom() - g.bottom());
  constexpr int kPlus = 80;
  const bool plausible = m.left() >= 0 && m.top() >= 0 && m.right() >= 0 && m.bottom() >= 0 &&
                         m.left() <= kPlus && m.top() <= kPlus && m.right() <= kPlus &&
                         m.bottom() <= kPlus;
  return plausible ? m : QMargins();
}

}  // namespace

void PlaceDansEcran(QWidget* fenetre, const QWidget* proprietaire) {
  if (!fenetre) return;
  const QWidget* maitre = proprietaire ? proprietaire->window() : nullptr;
  QScreen* ecran = maitre && maitre->isVisible() ? maitre->screen() : fenetre->screen();
  if (!ecran) ecran = QGuiApplication::primaryScreen();
  if (!ecran) return;
  const QRect zone = ecran->availableGeometry();
  // The window's own frame once it has been shown; before that the owner's
  // (the same window manager draws both), and without an owner a title
  // bar's worth (without a window manager the window then sits a little
  // below the middle, wholly inside all the same).
  const QMargins propre = CadreConnu(fenetre);
  const bool connu = !propre.isNull();
  const QMargins cadre = connu                            ? propre
                         : maitre && maitre->isVisible() ? CadreConnu(maitre)
                                                          : QMargins(4, 28, 4, 4);
  const QSize place(zone.width() - cadre.left() - cadre.right(),
                    zone.height() - cadre.top() - cadre.bottom());

  if (QLayout* disposition = fenetre->layout()) disposition->activate();
  QSize taille = fenetre->sizeHint().expandedTo(fenetre->minimumSizeHint());
  // A size of the window's own (the user's, or of an earlier showing) stays.
  if (fenetre->testAttribute(Qt::WA_Resized)) taille = taille.expandedTo(fenetre->size());
  taille = taille.boundedTo(place);
  taille = taille.expandedTo(fenetre->minimumSize()).boundedTo(fenetre->maximumSize());
  if (taille != fenetre->size()) fenetre->resize(taille);

  // The frame's rectangle, centred, then pushed inside the area.
  QRect r(QPoint(0, 0), taille.grownBy(cadre));
  r.moveCenter(maitre && maitre->isVisible()
                   ? maitre->geometry().marginsAdded(CadreConnu(maitre)).center()
                   : zone.center());
  r.moveLeft(std::max(zone.left(), std::min(r.left(), zone.right() - r.width() + 1)));
  r.moveTop(std::max(zone.top(), std::min(r.top(), zone.bottom() - r.height() + 1)));
  // Qt places a window whose frame it does not know yet by its client
  // area: the frame's place plus the frame.
  fenetre->move(connu ? r.topLeft() : r.topLeft() + QPoint(cadre.left(), cadre.top()));
}

}  // namespace talvik
