// The working screen and the editors as the tests of the per-screen
// commands and of the panels see them: a screen rendered for 320 x 240,
// every commit recorded, editors that record what they were given and
// answer as the test says; beeps and message boxes counted.
#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <string>
#include <vector>

#include "base/message.h"
#include "dialogs/commun/boite_message.h"
#include "dialogs/commun/image_qt.h"
#include "graphique.h"
#include "photo_essai.h"
#include "travail/editeurs_ecran.h"
#include "travail/travail_ecran.h"

namespace lumaveil::testing {

class TravailFactice : public ITravailEcran {
 public:
  TravailFactice() : ecran_(SIZE{320, 240}) {}
  CEcran& EcranCourant() override { return ecran_; }
  talvik::CGraphique& Graphique() override { return graphique_; }
  void Valide(int niveau) override {
    ecran_.CalculeImageFinale(graphique_, niveau, Etapes::Toutes());
    niveaux.push_back(niveau);
    if (apresValidation) apresValidation();
  }
  std::vector<int> niveaux;  // levels of the commits, in order
  std::function<void()> apresValidation;

 private:
  talvik::CGraphique graphique_;
  CEcran ecran_;
};

// Editors: each call is recorded with its inputs, then `reponse` is
// returned after `modifie` changed the values (when the test set it).
class EditeursFactices : public IEditeursEcran {
 public:
  int reponse = 1;
  std::vector<std::string> ouverts;  // names of the editors opened
  SIZE tailleRecue{};
  HBITMAP apercuRecu;
  std::string cheminChoisi;
  int angle = 0;
  ValeursReglage reglage;
  RECT rectangle{};
  ValeursRedimension redimension;
  ValeursCadre cadre;
  ValeursFond fond;
  int effet = 0;
  int dureeTransition = 0;  // 0: the effect editor leaves the length as it is
  int duree = 0;
  // What the editor received, before the test's answer replaced it.
  int angleRecu = 0;
  ValeursReglage reglageRecu;
  RECT rectangleRecu{};
  ValeursRedimension redimensionRecue;
  ValeursCadre cadreRecu;
  ValeursFond fondRecu;

  int ChoixImage(std::string& chemin) override {
    ouverts.push_back("image");
    if (reponse) chemin = cheminChoisi;
    return reponse;
  }
  int EditeRotation(const HBITMAP& a, SIZE t, int& v) override {
    return Ouvre("rotation", a, t, v, angleRecu, angle);
  }
  int EditeReglage(const HBITMAP& a, SIZE t, ValeursReglage& v) override {
    return Ouvre("reglage", a, t, v, reglageRecu, reglage);
  }
  int EditeRecoupe(const HBITMAP& a, SIZE t, RECT& v) override {
    return Ouvre("recoupe", a, t, v, rectangleRecu, rectangle);
  }
  int EditeRedimension(const HBITMAP& a, SIZE t, ValeursRedimension& v) override {
    return Ouvre("redimension", a, t, v, redimensionRecue, redimension);
  }
  int EditeTextes(const HBITMAP& a, SIZE t, T_TEXTE (&textes)[kNombreTextes]) override {
    ouverts.push_back("textes");
    apercuRecu = a;
    tailleRecue = t;
    if (reponse) textes[2].Utilisation = 1;
    return reponse;
  }
  int EditeCadre(const HBITMAP& a, SIZE t, ValeursCadre& v) override {
    return Ouvre("cadre", a, t, v, cadreRecu, cadre);
  }
  int EditeFond(const HBITMAP& a, SIZE t, ValeursFond& v) override {
    return Ouvre("fond", a, t, v, fondRecu, fond);
  }
  int EditeEffet(ValeursEffet& v) override {
    ouverts.push_back("effet");
    if (reponse) {
      v.effet = effet;
      if (dureeTransition) v.dureeTransitionMs = dureeTransition;
    }
    return reponse;
  }
  int EditeDuree(int& v) override {
    ouverts.push_back("duree");
    if (reponse) v = duree;
    return reponse;
  }

 private:
  template <typename T>
  int Ouvre(const char* nom, const HBITMAP& a, SIZE t, T& valeurs, T& recu, const T& choix) {
    ouverts.push_back(nom);
    apercuRecu = a;
    tailleRecue = t;
    recu = valeurs;
    if (reponse) valeurs = choix;
    return reponse;
  }
};

// Counts beeps and takes the message boxes while it lives.
struct Temoins {
  int bips = 0;
  struct Message {
    std::string texte, titre;
    talvik::IconeMessage icone;
  };
  std::vector<Message> messages;
  talvik::HookBip ancienBip;
  talvik::HookBoiteMessage ancienneBoite;
  talvik::MessageHook ancienMessage;
  Temoins() {
    ancienBip = talvik::InstalleHookBip([this] { ++bips; });
    ancienneBoite = talvik::InstalleHookBoiteMessage(
        [this](const std::string& texte, const std::string& titre, talvik::IconeMessage icone,
               talvik::BoutonsMessage) {
          messages.push_back({texte, titre, icone});
          return talvik::IDOK;
        });
    ancienMessage = talvik::InstalleMessageHook(
        [this](const std::string& texte, const std::string& titre, talvik::IconeMessage icone) {
          messages.push_back({texte, titre, icone});
          return 1;
        });
  }
  ~Temoins() {
    talvik::InstalleHookBip(ancienBip);
    talvik::InstalleHookBoiteMessage(ancienneBoite);
    talvik::InstalleMessageHook(ancienMessage);
  }
};

// A photo-like BMP file of the given size in the directory.
inline std::string FichierPhoto(const QTemporaryDir& dossier, const char* nom, int largeur,
                                int hauteur) {
  const std::string chemin = QDir(dossier.path()).filePath(nom).toStdString();
  talvik::CGraphique::SauveImageBMP(chemin,
                                    talvik::BitmapDepuisImageQt(PhotoDeTest(largeur, hauteur)));
  return chemin;
}

}  // namespace lumaveil::testing
