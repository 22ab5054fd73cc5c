// The routines that drive the progress window of a long job over files:
// each item's progress and Stop, and the file-exists question. They work on
// windows, so they live with the dialogs; util keeps the routines without Qt.
#pragma once

#include "base/mfctypes.h"

namespace talvik {

class CProgressionDlg;

// Called once per item, before its work, with the progress window
// shown modeless (its bar's range set by the caller to 0..total): shows
// "(current / total)", the file and the operation, moves the bar,
// releases the Stop toggle and handles the waiting events. Returns 1
// when Stop was pressed since the previous call, else 0. GUI thread only.
int ProgressionAfficheEtTeste(CProgressionDlg& dlg, unsigned int courant, unsigned int total,
                              const CString& fichier, const CString& operation);
// Asks what to do with the existing file nomFichier (the file-exists
// question, owned by the progress window). Leaving it with Stop, Escape
// or its close button sets arret to 1 (the result is then 0). The name
// comes back in nomFichier (the new one after a rename) and shows in the
// progress window's operation line. Returns 1 Replace, 2 Rename, 3 All
// replace or 4 Pass.
int QuestionEtProgression(CString& nomFichier, int& arret, CProgressionDlg& dlg);

}  // namespace talvik
