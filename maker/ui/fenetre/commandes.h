// The maker's command table: every menu item with its menu, text,
// accelerator and, for those on the top bar, the button's tooltip. One
// QAction per command is created by the main frame and shared by the menu,
// the button and the shortcut; whoever does the work connects to it.
#pragma once

#include <QString>
#include <array>

namespace lumaveil {

enum class Commande {
  // File
  Nouveau,
  Ouvrir,
  Enregistrer,
  EnregistrerSous,
  Modele,
  Propriete,
  Quitter,
  // Edit
  Annuler,
  Retablir,
  // View
  ZoomAvant,
  ZoomArriere,
  // Screen
  EcranNouveau,
  AjoutPhotos,
  AjoutDossier,
  OrdreNom,
  OrdreDate,
  EcranSupprime,
  EcranPrecedent,
  EcranSuivant,
  ChargementImage,
  DechargementImage,
  Rotation,
  Recoupe,
  Reglage,
  Redimension,
  Texte,
  Cadre,
  Fond,
  Effet,
  Duree,
  // Generate
  Affichage,
  Generation,
  SauveWindows,
  SauveLinux,
  SauvePageWeb,
  EnvoiMail,
  EnvoiInternet,
  // Setup
  Configuration,
  // ?
  Aide,
  Web,
  Presentation,
  APropos,
};

inline constexpr int kNombreCommandes = int(Commande::APropos) + 1;

struct DefinitionCommande {
  Commande commande;
  const char* menu;      // "File", "Edit", "View", "Screen", "Generate", "Setup", "?"; null: no menu item
  const char* texte;     // menu text, with its & mnemonic and \t accelerator
  const char* raccourci; // key sequences (portable text, several separated by "|"), or null
                         // (the zoom takes the platform's standard keys)
  const char* bulle;     // tooltip of its top-bar button, or null
  const char* icone;     // resource of its button picture, or null
  bool separateurAvant;  // a separator precedes it in its menu
};

// The table, in menu order.
const std::array<DefinitionCommande, kNombreCommandes>& TableCommandes();
const DefinitionCommande& Definition(Commande commande);

// The menu text without its mnemonic and accelerator ("&Open...\tCtrl+O"
// gives "Open...").
QString TexteSansMnemonique(const char* texte);

}  // namespace lumaveil
