// What the maker's application owns for the whole run and shares with its
// windows: the project, read-only, and the controller every change to it
// goes through,
// the working screen, the one image-operations object, the settings and the
// mail capacity.
#pragma once

#include <memory>
#include <string>

#include "parametres.h"
#include "ecran.h"
#include "graphique.h"
#include "projet.h"
#include "projet/controleur_projet.h"

namespace lumaveil {

struct CContexte {
 private:
  CProjet projet_;  // changed through Controleur only

 public:
  CControleurProjet Controleur{projet_};          // every change to the project, undoable
  const CProjet& Projet = projet_;                // screens, selection, template, resolution
  std::unique_ptr<CEcran> EcranCourant;           // the working screen, mirrors the selection
  std::unique_ptr<talvik::CGraphique> Graphique;  // shared by every editor and renderer
  ParametresApplication Parametres;               // the ten settings
  bool Messagerie = false;                        // a mail client can be opened
  int QualiteRedimension = 1;                     // resize flag of the renderer (1: fast)
  std::string AutoritesTls;                       // CA file trusted for FTPS; "": the system's
  // Set until the main window shows at start-up: reading and writing the
  // project file do nothing meanwhile (a project named on the command line
  // is read once the window shows).
  bool DemarrageEnCours = true;

  // How the window's renderings resize, after QualiteRedimension.
  Echantillonnage EchantillonnageRendu() const {
    return QualiteRedimension ? Echantillonnage::Rapide : Echantillonnage::Moyenne;
  }
};

}  // namespace lumaveil
