// The maker's pictures (buttons, start-up picture, logo, thumbnail
// backdrop) live in the ":/icones" resources of the window library.
#pragma once

namespace lumaveil {

// Makes ":/icones/..." available; call before the first picture is used
// (the main frame and the list do). Idempotent.
void InitialiseIcones();

}  // namespace lumaveil
