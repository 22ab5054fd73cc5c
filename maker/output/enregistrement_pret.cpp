#include "enregistrement_pret.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "graphique.h"

namespace lumaveil {

namespace {

// Texts are kept one to a line: backslashes and line ends escaped.
std::string Echappe(const std::string& s) {
  std::string r;
  for (char c : s) {
    if (c == '\\') r += "\\\\";
    else if (c == '\n') r += "\\n";
    else r += c;
  }
  return r;
}

std::string Restitue(const std::string& s) {
  std::string r;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size()) {
      r += s[i + 1] == 'n' ? '\n' : s[i + 1];
      ++i;
    } else {
      r += s[i];
    }
  }
  return r;
}

// The description: a line of figures (written, unreadable, the entry's
// seven fields, the number of messages), then four lines per message
// (id and icon, text, caption, file).
bool EcritDescription(const EnregistrementPret& e, const std::string& chemin) {
  std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
  const lmvengine::RecordOptions& o = e.entree;
  f << int(e.jpegEcrit) << ' ' << int(e.imageIllisible) << ' ' << o.transitionMs << ' '
    << o.pictureWidth << ' ' << o.pictureHeight << ' ' << o.subjectLeft << ' ' << o.subjectTop
    << ' ' << o.subjectRight << ' ' << o.subjectBottom << ' ' << e.messages.size() << '\n';
  for (const talvik::MessageUtilisateur& m : e.messages)
    f << m.id << ' ' << int(m.icone) << '\n'
      << Echappe(m.texte) << '\n'
      << Echappe(m.titre) << '\n'
      << Echappe(m.fichier) << '\n';
  f.flush();
  return bool(f);
}

}  // namespace

EnregistrementPret EncodeEnregistrement(const CEcran& ecran, EcranRendu rendu,
                                        const std::string& jpeg, int qualite) {
  EnregistrementPret e;
  e.imageIllisible = rendu.imageIllisible;
  e.entree = EntreeEnregistrement(ecran, rendu);
  e.messages = std::move(rendu.messages);
  if (jpeg.empty()) return e;
  talvik::CMessagesRetenus retenus;
  e.jpegEcrit = talvik::CGraphique::SauveImageJPEG(jpeg, rendu.image, qualite);
  for (talvik::MessageUtilisateur& m : retenus.Prend()) e.messages.push_back(std::move(m));
  return e;
}

std::string CheminJpegPret(const std::string& dossier, int k) {
  return dossier + "/" + std::to_string(k) + ".jpg";
}

std::string CheminDescriptionPrete(const std::string& dossier, int k) {
  return dossier + "/" + std::to_string(k) + ".txt";
}

bool PrepareEnregistrement(const CProjet& projet, const std::vector<GroupeEcrans>& groupes, int k,
                           talvik::CGraphique& graphique, int qualite, int messageChargement,
                           const std::string& dossier) {
  if (k < 0 || k >= int(groupes.size())) return false;
  const GroupeEcrans& groupe = groupes[std::size_t(k)];
  const std::string jpeg = CheminJpegPret(dossier, k);
  std::remove(jpeg.c_str());
  const EnregistrementPret e = EncodeEnregistrement(
      projet.Ecran(groupe.premier), RendGroupePourGeneration(projet, groupe, graphique, messageChargement),
      jpeg, qualite);
  return EcritDescription(e, CheminDescriptionPrete(dossier, k));
}

EnregistrementPret LitEnregistrementPret(const std::string& dossier, int k) {
  EnregistrementPret e;
  std::ifstream f(CheminDescriptionPrete(dossier, k), std::ios::binary);
  std::string ligne;
  if (!std::getline(f, ligne)) return {};
  std::istringstream chiffres(ligne);
  int ecrit = 0, illisible = 0;
  std::size_t n = 0;
  lmvengine::RecordOptions& o = e.entree;
  if (!(chiffres >> ecrit >> illisible >> o.transitionMs >> o.pictureWidth >> o.pictureHeight >>
        o.subjectLeft >> o.subjectTop >> o.subjectRight >> o.subjectBottom >> n))
    return {};
  e.imageIllisible = illisible != 0;
  for (std::size_t i = 0; i < n; ++i) {
    talvik::MessageUtilisateur m;
    std::string texte, titre, fichier;
    int icone = 0;
    if (!std::getline(f, ligne) || !std::getline(f, texte) || !std::getline(f, titre) ||
        !std::getline(f, fichier))
      return {};
    std::istringstream tete(ligne);
    if (!(tete >> m.id >> icone)) return {};
    m.icone = talvik::IconeMessage(icone);
    m.texte = Restitue(texte);
    m.titre = Restitue(titre);
    m.fichier = Restitue(fichier);
    e.messages.push_back(std::move(m));
  }
  e.jpegEcrit = ecrit != 0;
  return e;
}

}  // namespace lumaveil
