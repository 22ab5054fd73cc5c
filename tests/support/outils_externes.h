// Test files made at test time with the system's own tools (ImageMagick's
// convert, heif-enc, cwebp) and read back as references.
#pragma once

#include <cstdlib>
#include <string>

#include "base/bitmap.h"
#include "graphique.h"

namespace lumaveil::testing {

// Single-quotes an argument for the shell.
inline std::string Cite(const std::string& texte) {
  std::string q = "'";
  for (char c : texte) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// Runs the command line under /bin/sh, its output discarded; true when it
// exits with 0.
inline bool Lance(const std::string& commande) {
  return std::system(("(" + commande + ") >/dev/null 2>&1 </dev/null").c_str()) == 0;
}

// The picture ImageMagick reads from `chemin` (after the given options,
// e.g. "-profile srgb.icc"), through an 8-bit RGB PNG written beside it.
// Null when ImageMagick fails.
inline talvik::Bitmap LuParImageMagick(const std::string& chemin, const std::string& options = "") {
  const std::string png = chemin + ".reference.png";
  if (!Lance("convert " + Cite(chemin) + "[0] " + options + " -depth 8 -type TrueColor " +
             "-define png:color-type=2 " + Cite("PNG24:" + png)))
    return {};
  return talvik::CGraphique::ChargeImagePNG(png);
}

}  // namespace lumaveil::testing
