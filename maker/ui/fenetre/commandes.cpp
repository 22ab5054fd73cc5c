#include "fenetre/commandes.h"

#include "commun/langue.h"

namespace lumaveil {

namespace {

using C = Commande;

constexpr std::array<DefinitionCommande, kNombreCommandes> kTable{{
    {C::Nouveau, "File", QT_TRANSLATE_NOOP("Commandes", "&New\tCtrl+N"), "Ctrl+N", QT_TRANSLATE_NOOP("Commandes", "Creates a new document"), ":/icones/nouveau.svg", false},
    {C::Ouvrir, "File", QT_TRANSLATE_NOOP("Commandes", "&Open...\tCtrl+O"), "Ctrl+O", QT_TRANSLATE_NOOP("Commandes", "Open an existing document"), ":/icones/ouvrir.svg", false},
    {C::Enregistrer, "File", QT_TRANSLATE_NOOP("Commandes", "&Save\tCtrl+S"), "Ctrl+S", QT_TRANSLATE_NOOP("Commandes", "Save working document"), ":/icones/enregistrer.svg", false},
    {C::EnregistrerSous, "File", QT_TRANSLATE_NOOP("Commandes", "S&ave as..."), nullptr, nullptr, nullptr, false},
    {C::Modele, "File", QT_TRANSLATE_NOOP("Commandes", "Template"), nullptr, nullptr, nullptr, true},
    {C::Propriete, "File", QT_TRANSLATE_NOOP("Commandes", "Property"), nullptr, nullptr, nullptr, false},
    {C::Quitter, "File", QT_TRANSLATE_NOOP("Commandes", "&Quit"), nullptr, nullptr, nullptr, true},
    {C::Annuler, "Edit", QT_TRANSLATE_NOOP("Commandes", "&Undo\tCtrl+Z"), "Ctrl+Z", QT_TRANSLATE_NOOP("Commandes", "Undo the last change"), ":/icones/annuler.svg", false},
    {C::Retablir, "Edit", QT_TRANSLATE_NOOP("Commandes", "&Redo\tCtrl+Shift+Z"), "Ctrl+Shift+Z|Ctrl+Y", QT_TRANSLATE_NOOP("Commandes", "Redo the change undone"), ":/icones/retablir.svg", false},
    {C::ZoomAvant, "View", QT_TRANSLATE_NOOP("Commandes", "Zoom &In"), nullptr, nullptr, nullptr, false},
    {C::ZoomArriere, "View", QT_TRANSLATE_NOOP("Commandes", "Zoom &Out"), nullptr, nullptr, nullptr, false},
    {C::EcranNouveau, "Screen", QT_TRANSLATE_NOOP("Commandes", "New"), nullptr, QT_TRANSLATE_NOOP("Commandes", "Create a new screen"), ":/icones/ecran_nouveau.svg", false},
    {C::AjoutPhotos, "Screen", QT_TRANSLATE_NOOP("Commandes", "Add &photos...\tCtrl+Shift+O"), "Ctrl+Shift+O", QT_TRANSLATE_NOOP("Commandes", "Add photos"), ":/icones/ajout_photos.svg", false},
    {C::AjoutDossier, "Screen", QT_TRANSLATE_NOOP("Commandes", "Add &folder..."), nullptr, nullptr, nullptr, false},
    {C::OrdreNom, "Screen", QT_TRANSLATE_NOOP("Commandes", "Add in name order"), nullptr, nullptr, nullptr, false},
    {C::OrdreDate, "Screen", QT_TRANSLATE_NOOP("Commandes", "Add in date order"), nullptr, nullptr, nullptr, false},
    {C::EcranSupprime, "Screen", QT_TRANSLATE_NOOP("Commandes", "Delete"), nullptr, QT_TRANSLATE_NOOP("Commandes", "Delete selected screen"), ":/icones/ecran_supprime.svg", false},
    {C::EcranPrecedent, "Screen", QT_TRANSLATE_NOOP("Commandes", "Previous"), nullptr, QT_TRANSLATE_NOOP("Commandes", "Select previous screen"), ":/icones/precedent.svg", false},
    {C::EcranSuivant, "Screen", QT_TRANSLATE_NOOP("Commandes", "Next"), nullptr, QT_TRANSLATE_NOOP("Commandes", "Select next screen"), ":/icones/suivant.svg", false},
    {C::ChargementImage, "Screen", QT_TRANSLATE_NOOP("Commandes", "Picture loading"), nullptr, nullptr, nullptr, true},
    {C::DechargementImage, "Screen", QT_TRANSLATE_NOOP("Commandes", "Picture unloading"), nullptr, nullptr, nullptr, false},
    {C::Rotation, "Screen", QT_TRANSLATE_NOOP("Commandes", "Rotating"), nullptr, nullptr, nullptr, true},
    {C::Recoupe, "Screen", QT_TRANSLATE_NOOP("Commandes", "Cutting"), nullptr, nullptr, nullptr, false},
    {C::Reglage, "Screen", QT_TRANSLATE_NOOP("Commandes", "Color Adjustment"), nullptr, nullptr, nullptr, false},
    {C::Redimension, "Screen", QT_TRANSLATE_NOOP("Commandes", "Stretching"), nullptr, nullptr, nullptr, true},
    {C::Texte, "Screen", QT_TRANSLATE_NOOP("Commandes", "Text definition"), nullptr, nullptr, nullptr, false},
    {C::Cadre, "Screen", QT_TRANSLATE_NOOP("Commandes", "Border definition"), nullptr, nullptr, nullptr, false},
    {C::Fond, "Screen", QT_TRANSLATE_NOOP("Commandes", "Background definition"), nullptr, nullptr, nullptr, false},
    {C::Effet, "Screen", QT_TRANSLATE_NOOP("Commandes", "Changing effect"), nullptr, nullptr, nullptr, true},
    {C::Duree, "Screen", QT_TRANSLATE_NOOP("Commandes", "Displaying duration"), nullptr, nullptr, nullptr, false},
    {C::Affichage, "Generate", QT_TRANSLATE_NOOP("Commandes", "Display"), nullptr, nullptr, nullptr, false},
    {C::Generation, nullptr, QT_TRANSLATE_NOOP("Commandes", "Generate"), nullptr, QT_TRANSLATE_NOOP("Commandes", "Generate a screen saver"), ":/icones/generer.svg", false},
    {C::SauveWindows, "Generate", QT_TRANSLATE_NOOP("Commandes", "Save for Windows"), nullptr, nullptr, nullptr, false},
    {C::SauveLinux, "Generate", QT_TRANSLATE_NOOP("Commandes", "Save for Linux"), nullptr, nullptr, nullptr, false},
    {C::SauvePageWeb, "Generate", QT_TRANSLATE_NOOP("Commandes", "Save as web page"), nullptr, nullptr, nullptr, false},
    {C::EnvoiMail, "Generate", QT_TRANSLATE_NOOP("Commandes", "Send by email"), nullptr, nullptr, nullptr, false},
    {C::EnvoiInternet, "Generate", QT_TRANSLATE_NOOP("Commandes", "Send to Internet"), nullptr, nullptr, nullptr, false},
    {C::Configuration, "Setup", QT_TRANSLATE_NOOP("Commandes", "Configuration"), nullptr, nullptr, nullptr, false},
    {C::Aide, "?", QT_TRANSLATE_NOOP("Commandes", "Help manual"), "F1", QT_TRANSLATE_NOOP("Commandes", "Information about software"), ":/icones/aide.svg", false},
    {C::Web, "?", QT_TRANSLATE_NOOP("Commandes", "Web"), nullptr, nullptr, nullptr, false},
    {C::Presentation, "?", QT_TRANSLATE_NOOP("Commandes", "Show"), nullptr, nullptr, nullptr, false},
    {C::APropos, "?", QT_TRANSLATE_NOOP("Commandes", "About Lumaveil..."), nullptr, nullptr, nullptr, true},
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
  QString t = TraduitCommande(texte);
  t = t.left(t.indexOf('\t') < 0 ? t.size() : t.indexOf('\t'));
  return t.remove('&');
}

}  // namespace lumaveil
