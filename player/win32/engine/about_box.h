// The about box, dialog 103: the icon, "Lumaveil", the maker's web address
// and an OK button.
#pragma once

#include <windows.h>

namespace lmvengine::win32 {

// Shows dialog 103 modally, owned by `owner` (null: no owner), and returns
// when OK or Cancel closes it.
void ShowAboutBox(HINSTANCE instance, HWND owner);

}  // namespace lmvengine::win32
