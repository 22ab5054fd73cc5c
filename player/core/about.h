// What the player's about box shows, shared by every back-end.
#pragma once

namespace lmvengine {

inline constexpr const char* kProductName = "Lumaveil";
inline constexpr const char* kMakerWebAddress = "https://www.vermalune.example/";
inline constexpr const char* kAboutButton = "OK";
// The window class name (string 109); X11 uses it as the window's class hint.
inline constexpr const char* kWindowClassName = "LMVENGINE";

}  // namespace lmvengine
