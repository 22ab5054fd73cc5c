// Small X11 boxes: the message box (caption, text, OK) and the about box
// ("Lumaveil", the maker's web address, OK). Both are modal: the call
// returns when the box is dismissed (OK, Return, Escape, space or the
// window manager's close).
#pragma once

#include <X11/Xlib.h>

#include <string>

#include "platform.h"

namespace lmvx11 {

// Shows `text` (UTF-8, lines separated by '\n') in a box titled `caption`, over
// `owner` when it is not None, its button in `language`. Returns when it is
// dismissed.
void ShowMessageBox(Display* display, Window owner, const std::string& caption,
                    const std::string& text, lmvengine::Language language);

// The about box, over `owner` when it is not None, its button in `language`.
void ShowAboutBox(Display* display, Window owner, lmvengine::Language language);

// Messages of the player: always on standard error ("caption: text"), and
// in a message box when a display is there.
class MessageSinkX11 : public lmvengine::MessageSink {
 public:
  explicit MessageSinkX11(Display* display) : display_(display) {}
  void SetOwner(Window owner) { owner_ = owner; }
  // The language of the boxes' button: the package's once it is read.
  void SetLanguage(lmvengine::Language language) { language_ = language; }
  void Show(const std::string& text, const std::string& caption,
            lmvengine::MessageIcon icon) override;
  lmvengine::Language SystemLanguage() const override { return lmvengine::EnvironmentLanguage(); }

 private:
  Display* display_;    // null without a display: standard error only
  Window owner_ = None;
  lmvengine::Language language_ = lmvengine::EnvironmentLanguage();
};

}  // namespace lmvx11
