// bin/lumaveil-window: the maker's window, started by bin/lumaveil when it
// is given no option, opening the project named as the first argument if
// there is one.
#include "programme/application.h"

int main(int argc, char** argv) { return lumaveil::LanceApplication(argc, argv); }
