#include "fenetre/commandes.h"

namespace lumaveil {

namespace {

using C = Commande;

constexpr std::array<DefinitionCommande, kNombreCommandes> kTable{{
    {C::Nouveau, "File", "&New\tCtrl+N", "Ctrl+N", "Creates a new document", ":/icones/nouveau.svg", false},
    {C::Ouvrir, "File", "&Open...\tCtrl+O", "Ctrl+O", "Open an existing document", ":/icones/ouvrir.svg", false},
    {C::Enregistrer, "File", "&Save\tCtrl+S", "Ctrl+S", "Save working document", ":/icones/enregistrer.svg", false},
    {C::EnregistrerSous, "File", "S&ave as...", nullptr, nullptr, nullptr, false},
    {C::Modele, "File", "Template", nullptr, nullptr, nullptr, true},
    {C::Propriete, "File", "Property", nullptr, nullptr, nullptr, false},
    {C::Quitter, "File", "&Quit", nullptr, nullptr, nullptr, true},
    {C::Annuler, "Edit", "&Undo\tCtrl+Z", "Ctrl+Z", "Undo the last change", ":/icones/annuler.svg", false},
    {C::Retablir, "Edit", "&Redo\tCtrl+Shift+Z", "Ctrl+Shift+Z|Ctrl+Y", "Redo the change undone", ":/icones/retablir.svg", false},
    {C::EcranNouveau, "Screen", "New", nullptr, "Create a new screen", ":/icones/ecran_nouveau.svg", false},
    {C::EcranSupprime, "Screen", "Delete", nullptr, "Delete selected screen", ":/icones/ecran_supprime.svg", false},
    {C::EcranPrecedent, "Screen", "Previous", nullptr, "Select previous screen", ":/icones/precedent.svg", false},
    {C::EcranSuivant, "Screen", "Next", nullptr, "Select next screen", ":/icones/suivant.svg", false},
    {C::ChargementImage, "Screen", "Picture loading", nullptr, nullptr, nullptr, true},
    {C::DechargementImage, "Screen", "Picture unloading", nullptr, nullptr, nullptr, false},
    {C::Rotation, "Screen", "Rotating", nullptr, nullptr, nullptr, true},
    {C::Recoupe, "Screen", "Cutting", nullptr, nullptr, nullptr, false},
    {C::Reglage, "Screen", "Color Adjustment", nullptr, nullptr, nullptr, false},
    {C::Redimension, "Screen", "Stretching", nullptr, nullptr, nullptr, true},
    {C::Texte, "Screen", "Text definition", nullptr, nullptr, nullptr, false},
    {C::Cadre, "Screen", "Border definition", nullptr, nullptr, nullptr, false},
    {C::Fond, "Screen", "Background definition", nullptr, nullptr, nullptr, false},
    {C::Effet, "Screen", "Changing effect", nullptr, nullptr, nullptr, true},
    {C::Duree, "Screen", "Displaying duration", nullptr, nullptr, nullptr, false},
    {C::Affichage, "Generate", "Display", nullptr, nullptr, nullptr, false},
    {C::Generation, nullptr, "Generate", nullptr, "Generate a screen saver", ":/icones/generer.svg", false},
    {C::SauveWindows, "Generate", "Save for Windows", nullptr, nullptr, nullptr, false},
    {C::SauveLinux, "Generate", "Save for Linux", nullptr, nullptr, nullptr, false},
    {C::SauvePageWeb, "Generate", "Save as web page", nullptr, nullptr, nullptr, false},
    {C::EnvoiMail, "Generate", "Send by email", nullptr, nullptr, nullptr, false},
    {C::EnvoiInternet, "Generate", "Send to Internet", nullptr, nullptr, nullptr, false},
    {C::Configuration, "Setup", "Configuration", nullptr, nullptr, nullptr, false},
    {C::Aide, "?", "Help manual", "F1", "Information about software", ":/icones/aide.svg", false},
    {C::Web, "?", "Web", nullptr, nullptr, nullptr, false},
    {C::Presentation, "?", "Show", nullptr, nullptr, nullptr, false},
    {C::APropos, "?", "About Lumaveil...", nullptr, nullptr, nullptr, true},
}};

constexpr bool TableDansOrdre() {
  for (int i = 0; i < kNombreCommandes; ++i)
    if (int(kTable[std::size_t(i)].commande) != i) return false;
  return true;
}
static_assert(TableDansOrdre(), "each command sits at its own index");

}  // namespace

const std::array<DefinitionCommande, kNombreCommandes>& TableCommandes() { return kTable; }

const DefinitionCommande& Definition(Commande commande) {
  return kTable[std::size_t(commande)];
}

QString TexteSansMnemonique(const char* texte) {
  QString t = QString::fromUtf8(texte);
  t = t.left(t.indexOf('\t') < 0 ? t.size() : t.indexOf('\t'));
  return t.remove('&');
}

}  // namespace lumaveil
