// The about box, dialog 103: the icon, "Lumaveil", the maker's web address
// and an OK button, worded in the saver's language.
#pragma once

#include <windows.h>

#include "player_words.h"

namespace lmvengine::win32 {

// Shows dialog 103 modally, owned by `owner` (null: no owner), its button
// in `language`, and returns when OK or Cancel closes it.
void ShowAboutBox(HINSTANCE instance, HWND owner, Language language);

}  // namespace lmvengine::win32
