#include "distribution/envoi_internet.h"

#include <cctype>
#include <cstdio>
#include <vector>

#include "chaines_maker.h"
#include "distribution/page_telechargement.h"
#include "fichiers_livres.h"

namespace lumaveil {

namespace {

// A Windows saver by its name: "name.scr" in any case.
bool PourWindows(const std::string& nom) {
  if (nom.size() < 4) return false;
  std::string fin = nom.substr(nom.size() - 4);
  for (char& c : fin) c = char(std::tolower(static_cast<unsigned char>(c)));
  return fin == ".scr";
}

MessageUtilisateur Echec(unsigned id, const std::string& detail) {
  MessageUtilisateur message = MessageMaker(id, IDS_ERREUR, IconeMessage::Erreur);
  if (!detail.empty()) message.texte += "\n\n" + detail;
  return message;
}

}  // namespace

MessageUtilisateur QuestionCleInconnue(const std::string& serveur, const std::string& empreinte) {
  MessageUtilisateur question = MessageMaker(IDS_CLE_INCONNUE, IDS_QUESTION, IconeMessage::Question);
  const std::string modele = question.texte;
  std::vector<char> texte(modele.size() + serveur.size() + empreinte.size() + 1);
  std::snprintf(texte.data(), texte.size(), modele.c_str(), serveur.c_str(), empreinte.c_str());
  question.texte = texte.data();
  return question;
}

BilanInternet EnvoieSurInternet(const DemandeInternet& demande,
                                const ProgressionInternet& progression) {
  BilanInternet bilan;
  CPageTemporaire page;
  bool pageFaite = false;
  const std::string modele = demande.modelePage.empty() ? CheminModelePage() : demande.modelePage;
  if (demande.page) {
    ContenuPage contenu;
    contenu.nomBase = demande.nomBase;
    contenu.langue = demande.langue;
    (PourWindows(demande.nomEcranDeVeille) ? contenu.fichierWindows : contenu.fichierLinux) =
        demande.nomEcranDeVeille;
    pageFaite = page.Fabrique(modele, contenu) == 1;
  }

  CTransfertFtp transfert(demande.serveur);
  const auto suivi = [&](const std::string& nom) -> ProgressionFtp {
    if (!progression) return {};
    return [&progression, nom](std::int64_t envoye, std::int64_t total) {
      return progression(nom, envoye, total);
    };
  };

  const ResultatFtp paquet = transfert.Envoie(demande.cheminEcranDeVeille, demande.nomEcranDeVeille,
                                              suivi(demande.nomEcranDeVeille));
  switch (paquet.echec) {
    case EchecFtp::Aucun:
      bilan.ecranDeVeilleEnvoye = true;
      break;
    case EchecFtp::Connexion:
      bilan.messages.push_back(Echec(IDS_PAS_DE_FTP, paquet.detail));
      return bilan;
    case EchecFtp::Arret:
      bilan.arrete = true;
      return bilan;
    case EchecFtp::Envoi:
      bilan.messages.push_back(Echec(IDS_ECHEC_ENVOI, paquet.detail));
      break;
  }

  if (!demande.page) return bilan;
  if (!pageFaite) {
    bilan.messages.push_back(
        Echec(IDS_ECHEC_ENVOI, "The download page could not be made from " + modele + "."));
    return bilan;
  }
  ResultatFtp resultatPage =
      transfert.Envoie(page.Chemin(), demande.nomPage, suivi(demande.nomPage));
  if (resultatPage.echec == EchecFtp::Aucun) {
    const std::string module =
        demande.modulePage.empty() ? CheminModulePage() : demande.modulePage;
    resultatPage = transfert.Envoie(module, kFichierModulePage, suivi(kFichierModulePage));
  }
  if (resultatPage.echec == EchecFtp::Aucun) {
    const std::string module =
        demande.moduleLecteur.empty() ? CheminModuleLecteur() : demande.moduleLecteur;
    resultatPage = transfert.Envoie(module, kFichierModule, suivi(kFichierModule));
  }
  if (resultatPage.echec == EchecFtp::Aucun) {
    bilan.pageEnvoyee = true;
  } else if (resultatPage.echec == EchecFtp::Arret) {
    bilan.arrete = true;
  } else {
    bilan.messages.push_back(Echec(IDS_ECHEC_ENVOI, resultatPage.detail));
  }
  return bilan;
}

}  // namespace lumaveil
