// Real X input for the window tests that run on a private X server: the
// pointer and the keyboard of the server moved with xdotool (XTest), at
// the screen places of the widgets, the application handling what comes
// between the steps. A press, moves in small steps and a release reach the
// widgets as a user's hand would, through the window manager's stacking
// and whatever window lies under the pointer.
#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace lumaveil::testing {

// "xdotool ARGUMENTS" on the application's display; then the events it
// caused are handled.
void Xdotool(const std::string& arguments);

// The pointer to point `p` of `widget` (its own coordinates).
void Survole(QWidget* widget, QPoint p);
void Presse(QWidget* widget, QPoint p, int bouton = 1);
void Relache(int bouton = 1);
// Press at `de`, moves of at most `pas` pixels to `a`, release.
void Glisse(QWidget* widget, QPoint de, QPoint a, int pas = 4);
// The moves alone (the button already down).
void DeplaceEnPas(QWidget* widget, QPoint de, QPoint a, int pas = 4);
void Clique(QWidget* widget, QPoint p, int bouton = 1);
// Keys by their X names ("Tab", "shift+Tab", "Escape", "Return", "a").
void Touches(const std::string& touches);
// Text typed on the keyboard.
void Tape(const std::string& texte);

// Handles events until `condition` holds or `ms` have passed.
bool Attend(const std::function<bool()>& condition, int ms = 3000);
// Runs `action` on the next modal window to open, once it shows, from the
// event loop of that window (which a gesture opened and whose loop the
// gesture's caller is then waiting in). `action` closes it. With `quelle`,
// only a window it accepts counts: one that opens first and closes by
// itself (a progress window) is let be.
void PendantModal(const std::function<void(QWidget*)>& action,
                  const std::function<bool(QWidget*)>& quelle = {});

// Shows `widget` as a top-level window and waits until the window manager
// has mapped and activated it.
bool MontreEtActive(QWidget* widget);

// The whole screen as the X server shows it, saved as NAME.png under the
// screenshot directory (NAME then the suffix below); returns the path (""
// on failure).
QString CaptureEcran(const QString& nom);
// Appended to every name CaptureEcran saves under ("_de" for a run in
// German, so that it does not overwrite the English run's pictures).
void FixeSuffixeCaptures(const QString& suffixe);

}  // namespace lumaveil::testing
