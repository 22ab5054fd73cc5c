// The playing window of the Linux player and its event loop.
#pragma once

#include <X11/Xlib.h>

#include <filesystem>

#include "message_box.h"

namespace lmvx11 {

enum class SaverKind {
  kFullScreen,  // own override-redirect window over the screen; input ends it
  kPreview,     // own child window of `target`; input ignored
  kHack,        // draws into `target` itself (xscreensaver); input ignored
};

struct SaverTarget {
  SaverKind kind = SaverKind::kFullScreen;
  Window target = None;  // preview parent, or the hack's window
};

// Opens the package, creates the window and plays until the window ends
// (input in full screen, the window or its parent destroyed, SIGTERM or
// SIGINT). Package failures show their message through `messages`. Returns
// the exit code, 0.
int RunSaver(Display* display, const SaverTarget& target, const std::filesystem::path& package,
             MessageSinkX11& messages);

}  // namespace lmvx11
