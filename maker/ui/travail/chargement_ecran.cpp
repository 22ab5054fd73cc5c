#include "travail/chargement_ecran.h"

#include <QMetaObject>
#include <utility>

#include "base/arret.h"
#include "chargement_rendu.h"
#include "graphique.h"

namespace lumaveil {

namespace {
using Actuelle = talvik::DerniereDemande<std::unique_ptr<CEcran>>::Actuelle;
}  // namespace

CChargementEcran::CChargementEcran(talvik::CGraphique& graphique, QObject* parent)
    : QObject(parent),
      graphique_(graphique),
      fil_([this](std::uint64_t numero, std::unique_ptr<CEcran> ecran) {
        bool actuel;
        {
          std::lock_guard<std::mutex> garde(mutex_);
          actuel = numero == courant_;
          if (actuel) resultat_ = std::move(ecran);
        }
        if (actuel) QMetaObject::invokeMethod(this, [this] { emit pret(); }, Qt::QueuedConnection);
      }) {}

CChargementEcran::~CChargementEcran() {
  arretFil_ = true;
  std::lock_guard<std::mutex> garde(mutex_);
  courant_ = 0;
}

void CChargementEcran::Demande(const CEcran& ecran, Echantillonnage echantillonnage) {
  // Shared by the request, which takes the screen when it starts.
  auto copie =
      std::make_shared<std::unique_ptr<CEcran>>(std::make_unique<CEcran>(ecran.TailleCible));
  (*copie)->CopieParametres(ecran);
  std::lock_guard<std::mutex> garde(mutex_);
  resultat_.reset();
  courant_ = fil_.Demande([this, copie, echantillonnage](const Actuelle& actuelle) {
    const talvik::CArretFil arret(arretFil_);
    std::unique_ptr<CEcran> e = std::move(*copie);
    DemandeRendu demande;
    demande.pour = PourRendu::EcranDeTravail;
    demande.echantillonnage = echantillonnage;
    // A superseded screen is not rendered: the newer one starts sooner.
    demande.poursuit = actuelle;
    ChargeEtRendEcran(*e, e->CheminImage, graphique_, demande);
    return e;
  });
}

void CChargementEcran::Annule() {
  std::lock_guard<std::mutex> garde(mutex_);
  fil_.Retire();
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
  fil_.Attend();
  return Prend();
}

}  // namespace lumaveil
