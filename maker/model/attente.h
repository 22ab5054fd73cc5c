// The wait cursor shown during long work on the model (loading a picture,
// rendering a screen). The GUI installs a hook that sets and restores its
// cursor; without one nothing is shown.
#pragma once

#include <functional>

namespace lumaveil {

// Called with true when work starts and with false when it ends, only on
// the thread that installed the hook (the user interface's): work done on
// other threads, such as generation's rendering, shows no cursor.
using HookAttente = std::function<void(bool debut)>;

// Installs the hook (an empty function removes it) for the calling thread;
// returns the previous one.
HookAttente InstalleHookAttente(HookAttente hook);

// Shows the wait cursor for its lifetime. Nested objects show it once.
class CCurseurAttente {
 public:
  CCurseurAttente();
  ~CCurseurAttente();
  CCurseurAttente(const CCurseurAttente&) = delete;
  CCurseurAttente& operator=(const CCurseurAttente&) = delete;
};

}  // namespace lumaveil
