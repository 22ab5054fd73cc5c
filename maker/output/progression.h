// Progress of a long operation, with a Stop request: the GUI shows its
// progress window, the command line writes one line per item.
#pragma once

#include <string>

namespace lumaveil {

class IProgression {
 public:
  virtual ~IProgression() = default;
  // The operation starts with `total` items (the GUI disables its main
  // window and shows the progress window).
  virtual void Debut(unsigned total) { (void)total; }
  // Called before item `courant` (1-based) of `total`, with the file the
  // operation works on and the text of the item. Returns 1 when the user
  // asked to stop since the last call, else 0.
  virtual int AfficheEtTeste(unsigned courant, unsigned total, const std::string& fichier,
                             const std::string& operation) = 0;
  // The operation has ended (the GUI closes the window, enables its main
  // window again).
  virtual void Fin() {}
};

}  // namespace lumaveil
