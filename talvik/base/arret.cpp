#include "base/arret.h"

namespace talvik {

namespace {
thread_local const std::atomic<bool>* drapeauDuFil = nullptr;
}  // namespace

CArretFil::CArretFil(const std::atomic<bool>& drapeau) : precedent_(drapeauDuFil) {
  drapeauDuFil = &drapeau;
}

CArretFil::~CArretFil() { drapeauDuFil = precedent_; }

bool ArretDemande() {
  return drapeauDuFil && drapeauDuFil->load(std::memory_order_relaxed);
}

}  // namespace talvik
