#include "rendu_avance.h"

#include <algorithm>

#include "base/fils.h"
#include "base/message.h"
#include "picture/taille_declaree.h"
#include "agrandissement.h"
#include "chargement_rendu.h"
#include "ecrans_suffisants.h"
#include "effets_transition.h"
#include "options_block.h"
#include "rendu_paire.h"
#include "sujet_ecran.h"

namespace lumaveil {

std::vector<GroupeEcrans> GroupesAGenerer(const CProjet& projet) {
  std::vector<GroupeEcrans> groupes;
  for (const GroupeEcrans& g : GroupesDuProjet(projet, projet.PairePortraits != 0))
    if (g.Paire() || !EcranBlanc(projet.Ecran(g.premier))) groupes.push_back(g);
  return groupes;
}

EcranRendu RendPourGeneration(const CProjet& projet, int index, talvik::CGraphique& graphique,
                              int messageChargement) {
  talvik::CMessagesRetenus retenus;
  std::unique_ptr<CEcran> e = NouvelEcran(projet.ModeleEcran, projet.ResolutionCible);
  e->CopieParametres(projet.Ecran(index));
  AgranditEcran(*e, TailleRendu(*e, e->TailleCible));
  DemandeRendu demande;
  demande.pour = PourRendu::Generation;
  demande.echantillonnage = Echantillonnage::Moyenne;
  demande.signaleEchec = messageChargement != 0;
  const bool illisible =
      !ChargeEtRendEcran(*e, e->CheminImage, graphique, demande) && !e->CheminImage.empty();
  EcranRendu rendu{e->ImageFinale, illisible, retenus.Prend()};
  // A pan and zoom ends on the picture's subject (faces first).
  RECT s{};
  if (e->EffetTransition == kEffetPanoramique && rendu.image && RectangleSujetEcran(*e, &s) &&
      s.right > s.left && s.bottom > s.top) {
    const double w = double(rendu.image.Width()), h = double(rendu.image.Height());
    rendu.sujet = RECT{talvik::LONG(s.left * 10000.0 / w), talvik::LONG(s.top * 10000.0 / h),
                       talvik::LONG(s.right * 10000.0 / w), talvik::LONG(s.bottom * 10000.0 / h)};
  }
  return rendu;
}

EcranRendu RendGroupePourGeneration(const CProjet& projet, const GroupeEcrans& groupe,
                                    talvik::CGraphique& graphique, int messageChargement) {
  if (!groupe.Paire()) return RendPourGeneration(projet, groupe.premier, graphique, messageChargement);
  talvik::CMessagesRetenus retenus;
  std::unique_ptr<CEcran> g = NouvelEcran(projet.ModeleEcran, projet.ResolutionCible);
  std::unique_ptr<CEcran> d = NouvelEcran(projet.ModeleEcran, projet.ResolutionCible);
  g->CopieParametres(projet.Ecran(groupe.premier));
  d->CopieParametres(projet.Ecran(groupe.second));
  DemandeRendu demande;
  demande.pour = PourRendu::Generation;
  demande.echantillonnage = Echantillonnage::Moyenne;
  demande.signaleEchec = messageChargement != 0;
  int charges = 0;
  HBITMAP image = ChargeEtRendPaire(*g, *d, graphique, demande, &charges);
  return EcranRendu{image, charges < 2, retenus.Prend()};
}

SIZE TailleRendu(const CEcran& ecran, SIZE resolution) {
  if (ecran.EffetTransition != kEffetPanoramique) return resolution;
  return SIZE{lmvengine::PanZoomPictureSide(resolution.cx),
              lmvengine::PanZoomPictureSide(resolution.cy)};
}

lmvengine::RecordOptions EntreeEnregistrement(const CEcran& ecran, const EcranRendu& rendu) {
  lmvengine::RecordOptions o;
  o.transitionMs = DureeTransitionBornee(ecran.DureeTransition);
  if (rendu.image && ecran.EffetTransition == kEffetPanoramique) {
    o.pictureWidth = std::int32_t(rendu.image.Width());
    o.pictureHeight = std::int32_t(rendu.image.Height());
    o.subjectLeft = rendu.sujet.left;
    o.subjectTop = rendu.sujet.top;
    o.subjectRight = rendu.sujet.right;
    o.subjectBottom = rendu.sujet.bottom;
  }
  return o;
}

int FilsDeRenduParDefaut() {
  if (!talvik::kFilsPossibles) return 1;
  return std::clamp(int(std::thread::hardware_concurrency()), 2, 4);
}

CRenduEnAvance::CRenduEnAvance(const CProjet& projet, talvik::CGraphique& graphique, int fils,
                               int messageChargement)
    : projet_(projet),
      groupes_(GroupesAGenerer(projet)),
      graphique_(graphique),
      capacite_(std::max(1, fils)),
      messageChargement_(messageChargement) {
  if (!talvik::kFilsPossibles || fils < 2 || groupes_.empty()) return;
  for (int i = 0; i < fils; ++i) {
    try {
      fils_.emplace_back(&CRenduEnAvance::Boucle, this);
    } catch (...) {
      // Fewer threads, or none: then every screen is rendered when it is
      // asked for.
      break;
    }
  }
}

CRenduEnAvance::~CRenduEnAvance() {
  {
    std::lock_guard<std::mutex> verrou(mutex_);
    arret_ = true;
  }
  cv_.notify_all();
  for (std::thread& fil : fils_) fil.join();
}

void CRenduEnAvance::Boucle() {
  const int n = NombreGroupes();
  for (;;) {
    int i = 0;
    {
      // A screen is taken up only while fewer than capacite_ wait beyond
      // the caller's.
      std::unique_lock<std::mutex> verrou(mutex_);
      cv_.wait(verrou, [&] { return arret_ || prochain_ >= n || prochain_ < attendu_ + capacite_; });
      if (arret_ || prochain_ >= n) return;
      i = prochain_++;
    }
    // How much memory the picture takes, from its header: a big picture,
    // or one whose header does not say, is loaded alone.
    const GroupeEcrans& groupe = Groupe(i);
    std::int64_t pixels = 0;
    bool inconnu = false;
    for (int k : {groupe.premier, groupe.second}) {
      if (k < 0) continue;
      const std::string& chemin = projet_.Ecran(k).CheminImage;
      const std::int64_t p = chemin.empty() ? 1 : talvik::PixelsDeclares(chemin);
      if (p <= 0) inconnu = true;
      pixels += p;
    }
    const bool seul = inconnu || pixels > kPixelsEnParallele;
    {
      std::unique_lock<std::mutex> verrou(mutex_);
      if (seul) {
        ++seulEnAttente_;
        cv_.wait(verrou, [&] { return arret_ || enCours_ == 0; });
        --seulEnAttente_;
        seulEnCours_ = !arret_;
      } else {
        // A big picture waiting goes before the small ones that follow it.
        cv_.wait(verrou, [&] { return arret_ || (!seulEnCours_ && seulEnAttente_ == 0); });
      }
      if (arret_) return;
      ++enCours_;
    }
    EcranRendu rendu = RendGroupePourGeneration(projet_, groupe, graphique_, messageChargement_);
    {
      std::lock_guard<std::mutex> verrou(mutex_);
      --enCours_;
      if (seul) seulEnCours_ = false;
      prets_[i] = std::move(rendu);
    }
    cv_.notify_all();
  }
}

EcranRendu CRenduEnAvance::Prend(int index) {
  if (index < 0 || index >= NombreGroupes()) return {};
  if (fils_.empty())
    return RendGroupePourGeneration(projet_, Groupe(index), graphique_, messageChargement_);
  EcranRendu rendu;
  {
    std::unique_lock<std::mutex> verrou(mutex_);
    // Screens come in order; a request out of order is a caller's error
    // and gets a null screen.
    if (index != attendu_) return {};
    cv_.wait(verrou, [&] { return prets_.count(index) != 0; });
    rendu = std::move(prets_[index]);
    prets_.erase(index);
    attendu_ = index + 1;
  }
  cv_.notify_all();
  return rendu;
}

}  // namespace lumaveil
