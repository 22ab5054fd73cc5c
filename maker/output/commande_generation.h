// The "save" action of the generation dialog, whole: at least two screens,
// the target chosen by the user, the package written, and the offer to
// install it. The GUI calls this with its own chooser, message boxes and
// progress window.
#pragma once

#include <optional>
#include <string>

#include "choix_fichier.h"
#include "generation.h"
#include "plateforme.h"

namespace lumaveil {

struct ParametresCommandeGeneration {
  std::string titreProjet;          // document title; the proposed name is cut at its first "."
  Plateforme plateforme = Plateforme::Windows;
  int qualiteJPEG = 75;             // the application's JPEGQuality
  std::string maison;               // the user's home directory (Linux install)
  std::string moteur;               // engine file; "": the one beside the program
  std::string fichierProjet;        // the project's file, never accepted as the target
  std::string langue = "en";        // the saver's messages (OptionsGeneration::langue)
};

// Fewer than 2 screens: message 61239 and nothing else. Otherwise the
// chooser proposes the name (".scr" and "Ecran de veille (*.scr)|*.scr||"
// for a Windows saver); a cancel stops. After a complete run the install offer follows (Linux savers only
// here). Returns the generation's result.
BilanGeneration CommandeGeneration(CProjet& projet, talvik::CGraphique& graphique,
                                   const ParametresCommandeGeneration& parametres,
                                   IChoixFichier& choix, IDialogue& dialogue,
                                   IProgression& progression);

// CommandeGeneration in three parts, for a caller that generates on
// another thread: PrepareGeneration runs the checks and the chooser and
// gives the options to generate with (nothing when the command stops
// there); TermineGeneration makes the install offer after a complete run.
std::optional<OptionsGeneration> PrepareGeneration(const CProjet& projet,
                                                   const ParametresCommandeGeneration& parametres,
                                                   IChoixFichier& choix, IDialogue& dialogue);
void TermineGeneration(const BilanGeneration& bilan, const OptionsGeneration& options,
                       const ParametresCommandeGeneration& parametres, IDialogue& dialogue);

}  // namespace lumaveil
