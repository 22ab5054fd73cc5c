// Screenshots taken by the tests of windows, saved under the build tree
// (build/screenshots/NAME.png) so that a person can look at them.
#pragma once

#include <QString>

class QWidget;

namespace lumaveil::testing {

// Directory of the screenshots (created on first use).
QString DossierCaptures();

// Grabs the widget (shown and laid out first) to DossierCaptures()/NAME.png;
// returns the file's path, or an empty string when it could not be written.
QString CaptureWidget(QWidget* widget, const QString& name);

}  // namespace lumaveil::testing
