// What the player core asks of its back-end: a calendar clock, a way to
// pause, a drawing surface and somewhere to show messages. The Win32 and X11
// players implement these over their window systems; the virtual display and
// the tests implement them in memory.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "effects.h"
#include "jpeg_decoder.h"
#include "player_words.h"
#include "soft_raster.h"

namespace lmvengine {

// Calendar time in whole seconds (time(nullptr) on a real machine), and a
// monotonic clock in milliseconds that paces the moving effects.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual int64_t NowSeconds() = 0;
  // Milliseconds from any fixed origin, never going back. By default the
  // calendar seconds, which only a clock without a finer one should keep.
  virtual int64_t NowMilliseconds() { return NowSeconds() * 1000; }
};

// Blocking pause between the steps of a transition.
class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void SleepMilliseconds(int milliseconds) = 0;
};

// The window the screens are drawn on, with one picture slot: the next
// screen, decoded in advance.
class Surface {
 public:
  virtual ~Surface() = default;
  // Makes the picture slot's native bitmap from decoded rows (packed RGB,
  // top-down). The core frees the rows afterwards. Returns false when no
  // bitmap could be made; the slot is then empty and nothing is drawn from it.
  virtual bool SetPicture(const DecodedImage& image) = 0;
  // Releases the picture slot (the bitmap just shown).
  virtual void DropPicture() = 0;
  // Bracket the blits of one screen (device contexts, stretch mode, ...).
  virtual void BeginDraw() {}
  virtual void EndDraw() {}
  // The blits that follow, up to the next call or EndDraw, draw only
  // inside `area` (window coordinates): the monitor they are planned for.
  virtual void SetArea(const Rect& /*area*/) {}
  // One blit from the picture slot onto the window, as planned by
  // PlanEffectStep(). Source pixels outside the picture are not drawn.
  virtual void Blit(const BlitStep& step) = 0;
  // One frame of a moving effect, frame.width x frame.height pixels
  // (0x00RRGGBB), shown with its top left at (x, y) of the window, inside
  // the area set; called between BeginDraw and EndDraw.
  virtual void PresentFrame(const Raster& /*frame*/, int /*x*/, int /*y*/) {}
};

// Work running beside the caller's thread (reading the next screen while
// the frames go on). Destroying it waits until the work is over.
class BackgroundWork {
 public:
  virtual ~BackgroundWork() = default;
  // The work is over, asked without waiting.
  virtual bool Finished() = 0;
};

// Starts work on a thread of its own; null when it cannot (the caller then
// does the work itself).
class WorkStarter {
 public:
  virtual ~WorkStarter() = default;
  virtual std::unique_ptr<BackgroundWork> Start(std::function<void()> work) = 0;
};

enum class MessageIcon { kError, kWarning, kInformation };

// Shows a message to the user (a message box, standard error, ...). Returns
// when the user has dismissed it.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void Show(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
  // The system's language, for what is shown before the package's own
  // language is known (a package that cannot be read); English unless the
  // back-end tells.
  virtual Language SystemLanguage() const { return Language::kEnglish; }
};

}  // namespace lmvengine
