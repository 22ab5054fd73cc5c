// One record of a saver made ready apart from its package: the screen
// rendered and encoded as a JPEG file, with its entry of the options block
// and the messages that loading, rendering and encoding it raised, in
// order. Generation makes each record so before appending it; the web
// maker's workers make them side by side, each in its own instance of the
// core, into a folder (the JPEG and a description beside it) from which
// one instance then writes the package, byte for byte the one it would
// have written alone.
#pragma once

#include <string>
#include <vector>

#include "base/message.h"
#include "options_block.h"
#include "projet.h"
#include "rendu_avance.h"

namespace lumaveil {

struct EnregistrementPret {
  bool jpegEcrit = false;       // the JPEG file holds the screen
  bool imageIllisible = false;  // the screen names a picture that could not be loaded
  lmvengine::RecordOptions entree;
  std::vector<talvik::MessageUtilisateur> messages;
};

// Encodes `rendu` (screen `ecran` rendered for generation) as the JPEG
// file `jpeg` at `qualite`. Nothing is written when `jpeg` is "" or the
// screen has no image; the encoder's messages follow the rendering's.
EnregistrementPret EncodeEnregistrement(const CEcran& ecran, EcranRendu rendu,
                                        const std::string& jpeg, int qualite);

// Where record `k` (from 0) of a folder of records made ready lies: its
// JPEG, and its description (what EnregistrementPret holds but the JPEG).
std::string CheminJpegPret(const std::string& dossier, int k);
std::string CheminDescriptionPrete(const std::string& dossier, int k);

// Record `k` of the project rendered and encoded into `dossier` as
// generation would make it; `groupes` are the project's GroupesAGenerer
// (rendu_avance.h), which an instance making several records works out
// once. False for a `k` beyond them, or when the description could not be
// written (the folder must exist).
bool PrepareEnregistrement(const CProjet& projet, const std::vector<GroupeEcrans>& groupes, int k,
                           talvik::CGraphique& graphique, int qualite, int messageChargement,
                           const std::string& dossier);

// Record `k` read back from `dossier`; jpegEcrit is false when it is
// missing or its description cannot be read.
EnregistrementPret LitEnregistrementPret(const std::string& dossier, int k);

}  // namespace lumaveil
