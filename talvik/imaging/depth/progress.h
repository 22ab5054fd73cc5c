// The progress bar that long file operations report to: a range and a
// position. The GUI wraps its own bar in it; a null pointer means none.
#pragma once

namespace talvik {

class CProgressCtrl {
 public:
  virtual ~CProgressCtrl() = default;
  // The range the positions will fall in, lower <= upper.
  virtual void SetRange32(int lower, int upper) = 0;
  virtual void SetPos(int position) = 0;
};

}  // namespace talvik
