// PeekAndPump of the viewer and of the progress window: lets the GUI
// thread handle every waiting event (clicks on Stop, repaints) while a
// long operation runs in a loop on that thread.
#pragma once

namespace talvik {

// Handles the events that are waiting, then returns: 0 when the
// application is shutting down, else 1.
int PompeMessages();

}  // namespace talvik
