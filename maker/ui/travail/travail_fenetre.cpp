#include "travail/travail_fenetre.h"

#include "travail/travail.h"

namespace lumaveil {

CTravailFenetre::CTravailFenetre(CContexte& contexte, CTravail& travail)
    : contexte_(contexte), travail_(travail) {}

bool CTravailFenetre::AUnEcranCourant() const { return travail_.AUnEcranCourant(); }

// The commands act on the picture: a load in progress is waited for.
CEcran& CTravailFenetre::EcranCourant() { return travail_.EcranPret(); }

talvik::CGraphique& CTravailFenetre::Graphique() { return *contexte_.Graphique; }

Echantillonnage CTravailFenetre::Echantillonnage() const {
  return contexte_.EchantillonnageRendu();
}

void CTravailFenetre::Valide(int niveau, const char* nom) { travail_.Valide(niveau, nom); }

}  // namespace lumaveil
