// The player window: class "LMVENGINE", full screen or as a child of the
// preview parent, and the messages that drive the player core's tick and
// end the saver.
#pragma once

#include <windows.h>

#include <vector>

#include <memory>

#include "frame_pacer.h"
#include "gdi_surface.h"
#include "player.h"
#include "win32_rows.h"
#include "win32_services.h"

namespace lmvengine::win32 {

inline constexpr UINT_PTR kTickTimer = 1;  // the single window timer

// The player of one more monitor, when each monitor shows its own screens.
struct MonitorPlayer {
  Player player;
  GdiSurface surface;
};

// Everything one run of the player keeps; lives in WinMain for the whole
// run and is reached from the window procedure through GWLP_USERDATA.
struct EngineState {
  HINSTANCE instance = nullptr;
  bool preview = false;           // preview: cursor shown, input never ends the saver
  std::vector<Rect> monitors;     // full screen over several monitors: each one's
                                  // rectangle in the window; empty otherwise
  POINT firstMouse{-1, -1};       // first mouse position seen; (-1, -1) = none yet
  Player player;                  // the portable core's state (the first monitor's)
  GdiSurface surface;
  std::vector<std::unique_ptr<MonitorPlayer>> others;  // the other monitors' own players
  Win32Rows rows;                 // the compositor's second thread
  Win32WorkStarter work;          // reads the next screen while a moving one plays
  FramePacer pacer;               // one frame per refresh while animating
  bool animating = false;         // a moving effect is on: frames, not the timer
  SystemClock clock;
  SystemSleeper sleeper;
  MessageBoxSink messages;
  bool inTick = false;            // a tick is running (a message box may pump messages)
  bool closeAfterTick = false;    // the window went away during the tick
};

// Runs the players' tick (each player's), then arms the timer for the
// earliest of what they ask, or, when one is animating, leaves the timer
// off and sets `animating`: the message loop then calls it once per
// refresh (FramePacer) between its messages.
void RunTick(HWND window, EngineState& state);

// Registers the window class `className`: CS_HREDRAW | CS_VREDRAW |
// CS_BYTEALIGNCLIENT, icons 107 and 108, the arrow cursor, a black
// background (around the screens fitted to the display), no menu. Returns false when registration fails.
bool RegisterEngineClass(HINSTANCE instance, const wchar_t* className);

// Preview: a WS_CHILD | WS_VISIBLE window over the parent's client
// rectangle `area` (left, top as position; right, bottom as size). Full
// screen: WS_POPUP | WS_MAXIMIZE at (0, 0), area.right x area.bottom, no
// parent; over several monitors (state.monitors not empty) WS_POPUP over
// the virtual screen `area`, since a maximized window covers one monitor.
// No title, extended style 0. Null when creation fails.
HWND CreateEngineWindow(EngineState& state, const wchar_t* className, HWND parent,
                        const RECT& area);

}  // namespace lmvengine::win32
