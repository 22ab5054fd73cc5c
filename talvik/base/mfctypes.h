// The small value types that the library's interfaces take and return:
// CSize, CPoint, CRect and CString. They are the Windows structures of
// base/wintypes.h with constructors and the few helpers callers use.
#pragma once

#include <string>

#include "base/wintypes.h"

namespace talvik {

// Paths and texts: UTF-8 bytes.
using CString = std::string;

struct CSize : SIZE {
  constexpr CSize() = default;
  constexpr CSize(LONG w, LONG h) : SIZE{w, h} {}
  constexpr CSize(const SIZE& s) : SIZE(s) {}  // NOLINT: implicit like its namesake
  friend constexpr bool operator==(const CSize& a, const CSize& b) {
    return a.cx == b.cx && a.cy == b.cy;
  }
};

struct CPoint : POINT {
  constexpr CPoint() = default;
  constexpr CPoint(LONG px, LONG py) : POINT{px, py} {}
  constexpr CPoint(const POINT& p) : POINT(p) {}  // NOLINT
  friend constexpr bool operator==(const CPoint& a, const CPoint& b) {
    return a.x == b.x && a.y == b.y;
  }
};

struct CRect : RECT {
  constexpr CRect() = default;
  constexpr CRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}
  constexpr CRect(const RECT& r) : RECT(r) {}  // NOLINT
  constexpr LONG Width() const { return right - left; }
  constexpr LONG Height() const { return bottom - top; }
  friend constexpr bool operator==(const CRect& a, const CRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
};

}  // namespace talvik
