#include "travail/chargement_ecran.h"

#include <QMetaObject>

#include "graphique.h"

namespace lumaveil {

CChargementEcran::CChargementEcran(talvik::CGraphique& graphique, QObject* parent)
    : QObject(parent), graphique_(graphique) {
  fil_ = std::thread([this] { Boucle(); });
}

CChargementEcran::~CChargementEcran() {
  {
    std::lock_guard<std::mutex> garde(mutex_);
    arret_ = true;
    demande_.reset();
    courant_ = 0;
  }
  cv_.notify_all();
  if (fil_.joinable()) fil_.join();
}

void CChargementEcran::Demande(const CEcran& ecran, Echantillonnage echantillonnage) {
  auto copie = std::make_unique<CEcran>(ecran.TailleCible);
  copie->CopieParametres(ecran);
  {
    std::lock_guard<std::mutex> garde(mutex_);
    demande_ = std::move(copie);
    echantillonnage_ = echantillonnage;
    numeroDemande_ = courant_ = ++dernier_;
    resultat_.reset();
  }
  cv_.notify_all();
}

void CChargementEcran::Annule() {
  std::lock_guard<std::mutex> garde(mutex_);
  demande_.reset();
  resultat_.reset();
  courant_ = 0;
}

bool CChargementEcran::EnCours() const {
  std::lock_guard<std::mutex> garde(mutex_);
  return courant_ != 0;
}

std::unique_ptr<CEcran> CChargementEcran::Prend() {
  std::lock_guard<std::mutex> garde(mutex_);
  if (!resultat_) return nullptr;
  courant_ = 0;
  return std::move(resultat_);
}

std::unique_ptr<CEcran> CChargementEcran::Attend() {
  std::unique_lock<std::mutex> verrou(mutex_);
  cv_.wait(verrou, [this] { return !demande_ && !occupe_; });
  if (!resultat_) return nullptr;
  courant_ = 0;
  return std::move(resultat_);
}

void CChargementEcran::Boucle() {
  for (;;) {
    std::unique_ptr<CEcran> ecran;
    std::uint64_t numero;
    Echantillonnage echantillonnage;
    {
      std::unique_lock<std::mutex> verrou(mutex_);
      cv_.wait(verrou, [this] { return arret_ || demande_; });
      if (arret_) return;
      ecran = std::move(demande_);
      numero = numeroDemande_;
      echantillonnage = echantillonnage_;
      occupe_ = true;
    }
    ecran->ChargeImage(ecran->CheminImage);
    bool actuel;
    {
      std::lock_guard<std::mutex> garde(mutex_);
      actuel = numero == courant_ && !arret_;
    }
    // A superseded screen is not rendered: the newer one starts sooner.
    if (actuel) ecran->CalculeImageFinale(graphique_, 0, Etapes::Toutes(), nullptr, echantillonnage);
    {
      std::lock_guard<std::mutex> garde(mutex_);
      actuel = numero == courant_ && !arret_;
      if (actuel) resultat_ = std::move(ecran);
      occupe_ = false;
    }
    ecran.reset();
    cv_.notify_all();
    if (actuel) QMetaObject::invokeMethod(this, [this] { emit pret(); }, Qt::QueuedConnection);
  }
}

void TransfereImages(CEcran& de, CEcran& vers) {
  vers.CheminImage = de.CheminImage;
  vers.TailleFichier = de.TailleFichier;
  vers.DateFichier = de.DateFichier;
  vers.ImageSource = std::move(de.ImageSource);
  vers.TailleImage = de.TailleImage;
  vers.ReductionSource = de.ReductionSource;
  vers.TransparenceUtilisation = de.TransparenceUtilisation;
  vers.CouleurTransparente = de.CouleurTransparente;
  vers.ImageTournee = std::move(de.ImageTournee);
  vers.ImageReglee = std::move(de.ImageReglee);
  vers.ImageFinale = std::move(de.ImageFinale);
  vers.TailleFinale = de.TailleFinale;
}

}  // namespace lumaveil
