#include "chaines_maker.h"

#include <optional>

#include "chaines.h"

namespace lumaveil {

namespace {

struct Entree {
  unsigned id;
  const char* texte;
};

constexpr Entree kTable[] = {
    {IDS_ATTENTION, "Warning"},
    {IDS_INFORMATION, "Information"},
    {IDS_ERREUR, "Error"},
    {IDS_DEUX_ECRANS, "You must create at least 2 screens before generating a screen saver !"},
    {IDS_MOTEUR_IMPOSSIBLE, "Unable to put software engine !"},
    {IDS_TRAITEMENT_ECRAN, "*** Treatment of screen n°%d ***"},
    {IDS_INTERROMPRE, "Break the sequence ?"},
    {IDS_QUESTION, "Question"},
    {IDS_COPIE_SYSTEME,
     "To use this screen saver under 'Displaying properties',\nit must be copy under Windows "
     "system directory.\n\nCopy screen saver ?"},
    {IDS_ERREUR_ECRAN, "Error during saving of this screen !\nDo you want to continue ?"},
    {IDS_COPIE_REUSSIE,
     "Now, under 'Displaying properties' , select 'screen saver'.\nChoice your new artistic "
     "creation."},
    {IDS_OUVERTURE_ECRITURE, "Unable to write-open file"},
    {IDS_INSTALLATION_XSCREENSAVER,
     "To use this screen saver with xscreensaver,\nit must be installed as an xscreensaver "
     "hack.\n\nInstall screen saver ?"},
    {IDS_INSTALLATION_REUSSIE,
     "Now, in xscreensaver's settings, select '%s'.\nChoice your new artistic creation."},
};

std::optional<std::string> Cherche(unsigned id) {
  for (const Entree& e : kTable)
    if (e.id == id) return std::string(e.texte);
  return std::nullopt;
}

}  // namespace

std::string ChaineMaker(unsigned id) { return Cherche(id).value_or(std::string()); }

talvik::MessageUtilisateur MessageMaker(unsigned id, unsigned idTitre, talvik::IconeMessage icone) {
  return talvik::MessageUtilisateur{id, ChaineMaker(id), ChaineMaker(idTitre), icone, {}};
}

void InstalleChainesMaker() { talvik::InstalleTableApplication(&Cherche); }

}  // namespace lumaveil
