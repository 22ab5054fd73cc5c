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
};

std::optional<std::string> Cherche(unsigned id) {
  for (const Entree& e : kTable)
    if (e.id == id) return std::string(e.texte);
  return std::nullopt;
}

}  // namespace

std::string ChaineMaker(unsigned id) { return Cherche(id).value_or(std::string()); }

void InstalleChainesMaker() { talvik::InstalleTableApplication(&Cherche); }

}  // namespace lumaveil
