#include "message_box.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "about.h"

namespace lmvx11 {
namespace {

constexpr int kMargin = 20;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (true) {
    size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

// UTF-8 as the core fonts' ISO 8859-1 (every letter of the saver's
// languages is there); a character outside it as '?'.
std::string Latin1(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size() &&
               (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
      out += static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
    } else if ((c & 0xC0) != 0x80) {
      out += '?';
    }
  }
  return out;
}

int TextWidth(XFontStruct* font, const std::string& s) {
  return font ? XTextWidth(font, s.c_str(), static_cast<int>(s.size()))
              : static_cast<int>(s.size()) * 7;
}

// One modal box: lines of text (ISO 8859-1) over a button.
void RunBox(Display* display, Window owner, const std::string& title,
            const std::vector<std::string>& lines, const std::string& button) {
  const int screen = DefaultScreen(display);
  XFontStruct* font = XLoadQueryFont(display, "fixed");
  const int lineHeight = font ? font->ascent + font->descent + 4 : 16;
  int textWidth = 0;
  for (const std::string& l : lines) textWidth = std::max(textWidth, TextWidth(font, l));
  const int width = std::max(240, textWidth + 2 * kMargin);
  const int height = kMargin + static_cast<int>(lines.size()) * lineHeight + kMargin +
                     kButtonHeight + kMargin;
  const int x = std::max(0, (DisplayWidth(display, screen) - width) / 2);
  const int y = std::max(0, (DisplayHeight(display, screen) - height) / 2);

  XSetWindowAttributes attrs{};
  attrs.background_pixel = WhitePixel(display, screen);
  attrs.border_pixel = BlackPixel(display, screen);
  attrs.event_mask = ExposureMask | KeyPressMask | ButtonPressMask | StructureNotifyMask;
  Window box = XCreateWindow(display, RootWindow(display, screen), x, y,
                             static_cast<unsigned>(width), static_cast<unsigned>(height), 1,
                             CopyFromParent, InputOutput, CopyFromParent,
                             CWBackPixel | CWBorderPixel | CWEventMask, &attrs);
  XStoreName(display, box, title.c_str());
  XClassHint hint{const_cast<char*>("LmvEngine"), const_cast<char*>(lmvengine::kWindowClassName)};
  XSetClassHint(display, box, &hint);
  if (owner != None) XSetTransientForHint(display, box, owner);
  XSizeHints size{};
  size.flags = PMinSize | PMaxSize;
  size.min_width = size.max_width = width;
  size.min_height = size.max_height = height;
  XSetWMNormalHints(display, box, &size);
  Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
  XSetWMProtocols(display, box, &deleteWindow, 1);
  GC gc = XCreateGC(display, box, 0, nullptr);
  if (font) XSetFont(display, gc, font->fid);
  XSetForeground(display, gc, BlackPixel(display, screen));
  XMapRaised(display, box);

  const int buttonX = (width - kButtonWidth) / 2;
  const int buttonY = height - kMargin - kButtonHeight;
  bool open = true;
  bool focused = false;
  while (open) {
    XEvent ev;
    XNextEvent(display, &ev);
    if (ev.xany.window != box) continue;  // the owner is disabled meanwhile
    switch (ev.type) {
      case Expose:
        if (ev.xexpose.count != 0) break;
        if (!focused) {
          XSetInputFocus(display, box, RevertToParent, CurrentTime);
          focused = true;
        }
        for (size_t i = 0; i < lines.size(); ++i) {
          const int baseline = kMargin + static_cast<int>(i) * lineHeight + (font ? font->ascent : 12);
          XDrawString(display, box, gc, kMargin, baseline, lines[i].c_str(),
                      static_cast<int>(lines[i].size()));
        }
        XDrawRectangle(display, box, gc, buttonX, buttonY, kButtonWidth, kButtonHeight);
        XDrawString(display, box, gc, buttonX + (kButtonWidth - TextWidth(font, button)) / 2,
                    buttonY + kButtonHeight / 2 + (font ? font->ascent / 2 : 5),
                    button.c_str(), static_cast<int>(button.size()));
        break;
      case KeyPress: {
        KeySym key = XLookupKeysym(&ev.xkey, 0);
        if (key == XK_Return || key == XK_KP_Enter || key == XK_Escape || key == XK_space) {
          open = false;
        }
        break;
      }
      case ButtonPress:
        if (ev.xbutton.button == Button1 && ev.xbutton.x >= buttonX &&
            ev.xbutton.x < buttonX + kButtonWidth && ev.xbutton.y >= buttonY &&
            ev.xbutton.y < buttonY + kButtonHeight) {
          open = false;
        }
        break;
      case ClientMessage:
        if (static_cast<Atom>(ev.xclient.data.l[0]) == deleteWindow) open = false;
        break;
      case DestroyNotify:
        open = false;
        box = None;
        break;
      default:
        break;
    }
  }
  XFreeGC(display, gc);
  if (box != None) XDestroyWindow(display, box);
  if (font) XFreeFont(display, font);
  XFlush(display);
}

}  // namespace

void ShowMessageBox(Display* display, Window owner, const std::string& caption,
                    const std::string& text, lmvengine::Language language) {
  if (!display) return;
  RunBox(display, owner, Latin1(caption), SplitLines(Latin1(text)),
         Latin1(lmvengine::Words(language, lmvengine::kAboutButton)));
}

void ShowAboutBox(Display* display, Window owner, lmvengine::Language language) {
  if (!display) {
    std::fprintf(stderr, "%s\n%s\n", lmvengine::kProductName, lmvengine::kMakerWebAddress);
    return;
  }
  RunBox(display, owner, "", {lmvengine::kProductName, lmvengine::kMakerWebAddress},
         Latin1(lmvengine::Words(language, lmvengine::kAboutButton)));
}

void MessageSinkX11::Show(const std::string& text, const std::string& caption,
                          lmvengine::MessageIcon) {
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  std::fflush(stderr);
  ShowMessageBox(display_, owner_, caption, text, language_);
}

}  // namespace lmvx11
