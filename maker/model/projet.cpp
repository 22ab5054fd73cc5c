#include "projet.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "champs_etendus.h"
#include "redimension.h"

namespace lumaveil {

CProjet::CProjet() {
  ResolutionCible = TailleEcranCourante();
  ModeleParDefaut(ModeleEcran, ModeleEcran.TailleCible);
}

void CProjet::Nouveau() {
  SupprimeTout();
  ModeleParDefaut(ModeleEcran, ModeleEcran.TailleCible);
  ModeleEcran.SupprimeImages();
  ModeleEcran.Vignette.Reset();
  NomModele.clear();
  ModeleCharge = 0;
  ModeleSauve = 0;
  CheminEcranDeVeille.clear();
  OptionsParDefaut(*this);
  // A project begun today pairs its portraits; one read from a file keeps
  // what the file says (off when it says nothing).
  PairePortraits = 1;
}

std::unique_ptr<CEcran> CProjet::NouvelEcranDepuisModele() const {
  return NouvelEcran(ModeleEcran, ResolutionCible);
}

int CProjet::InsereApresSelection(std::unique_ptr<CEcran> ecran) {
  if (!ecran) return -1;
  int place = selection_ < 0 ? NombreEcrans() : selection_ + 1;
  ecrans_.insert(ecrans_.begin() + place, std::move(ecran));
  selection_ = place;
  return place;
}

int CProjet::Ajoute(std::unique_ptr<CEcran> ecran) {
  if (!ecran) return -1;
  ecrans_.push_back(std::move(ecran));
  return NombreEcrans() - 1;
}

int CProjet::Supprime(int index) {
  if (index < 0 || index >= NombreEcrans()) return 0;
  ecrans_.erase(ecrans_.begin() + index);
  if (selection_ >= NombreEcrans()) selection_ = NombreEcrans() - 1;
  else if (selection_ > index) --selection_;
  return 1;
}

int CProjet::Deplace(int de, int vers) {
  if (de < 0 || de >= NombreEcrans() || vers < 0 || vers >= NombreEcrans()) return 0;
  std::unique_ptr<CEcran> e = std::move(ecrans_[std::size_t(de)]);
  ecrans_.erase(ecrans_.begin() + de);
  ecrans_.insert(ecrans_.begin() + vers, std::move(e));
  if (selection_ == de) {
    selection_ = vers;
  } else if (selection_ >= 0) {
    if (de < selection_ && vers >= selection_) --selection_;
    else if (de > selection_ && vers <= selection_) ++selection_;
  }
  return 1;
}

void CProjet::SupprimeTout() {
  while (!ecrans_.empty()) ecrans_.pop_back();
  selection_ = -1;
}

int CProjet::InsereA(int index, std::unique_ptr<CEcran> ecran) {
  if (!ecran) return -1;
  index = std::clamp(index, 0, NombreEcrans());
  ecrans_.insert(ecrans_.begin() + index, std::move(ecran));
  if (selection_ >= index) ++selection_;
  return index;
}

std::unique_ptr<CEcran> CProjet::Retire(int index) {
  if (index < 0 || index >= NombreEcrans()) return nullptr;
  std::unique_ptr<CEcran> ecran = std::move(ecrans_[std::size_t(index)]);
  ecrans_.erase(ecrans_.begin() + index);
  if (selection_ >= NombreEcrans()) selection_ = NombreEcrans() - 1;
  else if (selection_ > index) --selection_;
  return ecran;
}

void CProjet::EchangeEcran(int index, std::unique_ptr<CEcran>& ecran) {
  if (!ecran || index < 0 || index >= NombreEcrans()) return;
  std::swap(ecrans_[std::size_t(index)], ecran);
}

void CProjet::CopieReglages(const CProjet& autre) {
  ResolutionCible = autre.ResolutionCible;
  ModeleEcran.CopieParametres(autre.ModeleEcran);
  NomModele = autre.NomModele;
  ModeleCharge = autre.ModeleCharge;
  ModeleSauve = autre.ModeleSauve;
  for (const ChampProjet& champ : kChampsProjet) this->*champ.membre = autre.*champ.membre;
}

void CProjet::EchangeReglages(CProjet& autre) {
  std::swap(ResolutionCible, autre.ResolutionCible);
  CEcran t(ModeleEcran.TailleCible);
  t.CopieParametres(ModeleEcran);
  ModeleEcran.CopieParametres(autre.ModeleEcran);
  autre.ModeleEcran.CopieParametres(t);
  std::swap(NomModele, autre.NomModele);
  std::swap(ModeleCharge, autre.ModeleCharge);
  std::swap(ModeleSauve, autre.ModeleSauve);
  for (const ChampProjet& champ : kChampsProjet)
    std::swap(this->*champ.membre, autre.*champ.membre);
}

int CProjet::Selectionne(int index) {
  if (index < -1 || index >= NombreEcrans()) return 0;
  selection_ = index;
  return 1;
}

std::string CProjet::Libelle(int index) {
  char tampon[16];
  std::snprintf(tampon, sizeof tampon, "%3d", index + 1);
  std::string s = tampon;
  for (char& c : s)
    if (c == ' ') c = '0';
  return s;
}

void CProjet::Echange(CProjet& autre) {
  std::swap(ecrans_, autre.ecrans_);
  std::swap(selection_, autre.selection_);
  EchangeReglages(autre);
  std::swap(CheminEcranDeVeille, autre.CheminEcranDeVeille);
}

}  // namespace lumaveil
