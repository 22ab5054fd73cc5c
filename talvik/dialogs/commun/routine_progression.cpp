#include "dialogs/commun/routine_progression.h"

#include <QProgressBar>

#include "dialogs/commun/nombres_locaux.h"
#include "dialogs/commun/progression_dlg.h"
#include "dialogs/commun/question_traitement_dlg.h"

namespace talvik {

int ProgressionAfficheEtTeste(CProgressionDlg& dlg, unsigned int courant, unsigned int total,
                              const CString& fichier, const CString& operation) {
  // A press of Stop made since the last update (the window answers at
  // once while the work runs elsewhere) is kept, not released unseen.
  dlg.UpdateData(true);
  const int arretEnAttente = dlg.m_bArret;

  dlg.m_strCompteur = CompteurLocal(courant, total);
  dlg.m_strFichier = fichier;
  dlg.m_strOperation = operation;
  dlg.m_Progression->setValue(int(courant));
  dlg.m_bArret = 0;
  dlg.UpdateData(false);
  dlg.repaint();
  dlg.PeekAndPump();
  dlg.UpdateData(true);
  if (arretEnAttente) dlg.m_bArret = 1;
  return dlg.m_bArret;
}

int QuestionEtProgression(CString& nomFichier, int& arret, CProgressionDlg& dlg) {
  CQuestionTraitementDlg question(&dlg);
  question.m_strNomFichier = nomFichier;
  if (question.exec() != QDialog::Accepted) arret = 1;
  nomFichier = question.m_strNomFichier;
  dlg.UpdateData(true);
  dlg.m_strOperation = nomFichier;
  dlg.UpdateData(false);
  return question.m_nChoix;
}

}  // namespace talvik
