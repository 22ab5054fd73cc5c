// The "Template" command and the wizard's template step: the template
// dialog, then the template stored into the project, and with "OK for all"
// applied to every screen.
#pragma once

#include "base/bitmap.h"

class QWidget;

namespace lumaveil {

class CTravail;
class IDialogue;
struct CContexte;

// Opens the template dialog (wizard mode with `assistant`; `fondVignette`:
// the screen list's thumbnail backdrop, for the dialog's preview). Cancel changes
// nothing. Any other result stores the dialog's template, file name and
// flags into the project (new screens start from it). "OK for all" then
// makes every screen again from the new template, keeping its own picture,
// crop, rotation and colour adjustment, behind the progress window (its
// "Stop" puts the screens back; the template stays stored). Returns the
// dialog's result: QDialog::Accepted, kOkPourTous, kSuivant, kTerminer or
// QDialog::Rejected.
int CommandeModele(CContexte& contexte, const talvik::HBITMAP& fondVignette, CTravail& travail,
                   IDialogue& dialogue, bool assistant, QWidget* parent);

}  // namespace lumaveil
