// The check-state interface that the settings store and the utility
// routines read and set: a check box with the three states of a Windows
// check box. Qt check boxes implement it through a small adapter in the
// dialogs; tests implement it with a plain value.
#pragma once

namespace talvik {

inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;
inline constexpr int BST_INDETERMINATE = 2;

class CButton {
 public:
  virtual ~CButton() = default;
  // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
  virtual int GetCheck() const = 0;
  // Sets the state (one of the three values above).
  virtual void SetCheck(int etat) = 0;
};

}  // namespace talvik
