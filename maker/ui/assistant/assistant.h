// The creation wizard, run by the new-project routine while StartWizard is
// set: its first dialog, the display properties, the template, the
// pictures and the generation, each step in wizard mode. Only "Next" (OK
// for the picture chooser) goes on to the next step; any other answer
// ends the wizard, keeping what the earlier steps stored.
#pragma once

namespace lumaveil {

class CMainFrame;

// The steps reached, for the caller that wants to know (1: only the first
// dialog was shown ... 5: the generation was opened).
int LanceAssistant(CMainFrame& fenetre);

}  // namespace lumaveil
