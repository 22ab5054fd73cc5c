// The maker's command line, a thin face over the model and the output:
//
//   lumaveil --new PROJECT.lmv [--resolution WxH] [--template FILE.mod] [PICTURE...]
//   lumaveil --render PROJECT.lmv --screen N --output FILE [--quality Q]
//   lumaveil --generate PROJECT.lmv --output FILE [--quality Q]
//            [--platform windows|linux] [--install]
//   lumaveil --save-template PROJECT.lmv --output FILE.mod
//
// Messages go to standard error; questions are answered No (except the
// install question with --install). Exit status 0 on success, 1 on failure
// (also for a command line that cannot be understood), 2 when --generate
// wrote the saver but some of its pictures could not be loaded. A failed
// command leaves no half-written file behind.
#pragma once

#include <string>

namespace lumaveil {

// `enregistrementsPrets`, when given, is where --generate and --web-page
// take their records from instead of rendering the screens (see
// OptionsGeneration): the web maker's workers made them ready.
int ExecuteLigneCommande(int argc, char** argv, const std::string& enregistrementsPrets = {});

}  // namespace lumaveil
