// The window's working screen (CTravail over the application's context)
// as the per-screen commands see it.
#pragma once

#include "projet/contexte.h"
#include "travail/travail_ecran.h"

namespace lumaveil {

class CTravail;

class CTravailFenetre : public ITravailEcran {
 public:
  CTravailFenetre(CContexte& contexte, CTravail& travail);

  bool AUnEcranCourant() const override;
  CEcran& EcranCourant() override;
  talvik::CGraphique& Graphique() override;
  lumaveil::Echantillonnage Echantillonnage() const override;
  void Valide(int niveau, const char* nom = nullptr) override;

 private:
  CContexte& contexte_;
  CTravail& travail_;
};

}  // namespace lumaveil
