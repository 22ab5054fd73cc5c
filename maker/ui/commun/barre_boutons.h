// The button row of the small dialogs: OK and Cancel (and Reset, which the
// caller connects), each named for screen readers; OK accepts the dialog
// and Cancel rejects it.
#pragma once

class QDialog;
class QPushButton;
class QWidget;

namespace lumaveil {

struct BarreBoutons {
  QWidget* barre;  // for the dialog's layout
  QPushButton* ok;
  QPushButton* reset;  // null unless asked for
};

BarreBoutons BarreOkAnnuler(QDialog* dialogue, bool avecReset = false);

}  // namespace lumaveil
