#include "liste/fabrique_vignettes.h"

#include <QMetaObject>

#include <sys/resource.h>

#include <algorithm>
#include <utility>
#include <unistd.h>

#include "base/arret.h"
#include "base/message.h"
#include "graphique.h"
#include "vignette.h"
#include "motifs_utilisateur.h"

namespace lumaveil {

CFabriqueVignettes::CFabriqueVignettes(QObject* parent) : QObject(parent) {
  const unsigned coeurs = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
  for (unsigned i = 0; i < coeurs; ++i) fils_.emplace_back([this] { Boucle(); });
}

CFabriqueVignettes::~CFabriqueVignettes() {
  Arrete();
  for (std::thread& fil : fils_)
    if (fil.joinable()) fil.join();
}

void CFabriqueVignettes::Arrete() {
  arretFils_ = true;
  {
    std::lock_guard<std::mutex> garde(mutex_);
    arret_ = true;
    file_.clear();
  }
  cv_.notify_all();
}

void CFabriqueVignettes::FixeFond(const talvik::HBITMAP& fond) {
  std::lock_guard<std::mutex> garde(mutex_);
  fond_ = fond;
}

void CFabriqueVignettes::Demande(std::uint64_t jeton, const CEcran& ecran) {
  auto copie = std::make_unique<CEcran>(ecran.TailleCible);
  copie->CopieParametres(ecran);
  {
    std::lock_guard<std::mutex> garde(mutex_);
    file_.push_back({jeton, std::move(copie), serie_, prochainNumero_++});
  }
  cv_.notify_one();
}

void CFabriqueVignettes::AnnuleTout() {
  bool vide;
  {
    std::lock_guard<std::mutex> garde(mutex_);
    // The dropped requests keep their turn, so that the results after them
    // are not held back.
    for (const Travail& t : file_) prets_[t.numero] = Resultat{t.jeton, t.serie, {}, true};
    file_.clear();
    ++serie_;
    EnvoieDansLOrdre();
    vide = enCours_ == 0;
  }
  if (vide) emit termine();
}

int CFabriqueVignettes::EnAttente() const {
  std::lock_guard<std::mutex> garde(mutex_);
  return int(file_.size()) + enCours_;
}

void CFabriqueVignettes::Boucle() {
  // Below the user-interface thread: on a busy machine a click is served
  // before the next thumbnail.
  const id_t fil = static_cast<id_t>(gettid());
  setpriority(PRIO_PROCESS, fil, std::min(getpriority(PRIO_PROCESS, fil) + 5, 19));
  const talvik::CArretFil arret(arretFils_);
  std::unique_ptr<talvik::CGraphique> graphique;
  std::vector<std::string> motifs;  // the user patterns the bank was built from
  for (;;) {
    Travail travail;
    talvik::HBITMAP fond;
    {
      std::unique_lock<std::mutex> verrou(mutex_);
      cv_.wait(verrou, [this] { return arret_ || !file_.empty(); });
      if (arret_) return;
      travail = std::move(file_.front());
      file_.pop_front();
      ++enCours_;
      fond = fond_;
    }
    if (!fond) fond = talvik::HBITMAP::Create(kVignetteLargeur, kVignetteHauteur, 0x00E0E0E0);
    // The user may have added or removed patterns since: the bank follows
    // the settings store.
    std::vector<std::string> stockes = talvik::LitMotifsUtilisateur();
    if (!graphique || stockes != motifs) {
      motifs = std::move(stockes);
      graphique = std::make_unique<talvik::CGraphique>(motifs);
    }
    talvik::HBITMAP vignette;
    std::vector<talvik::MessageUtilisateur> messages;
    {
      talvik::CMessagesRetenus retenus;
      // A JPEG photo is decoded reduced: a few milliseconds instead of a
      // full-size decode of every picture of the project.
      vignette = VignetteEcran(*travail.ecran, *graphique, fond);
      messages = retenus.Prend();
    }
    travail.ecran.reset();
    std::lock_guard<std::mutex> garde(mutex_);
    if (arret_) return;
    prets_[travail.numero] =
        Resultat{travail.jeton, travail.serie, vignette, false, std::move(messages)};
    EnvoieDansLOrdre();
  }
}

void CFabriqueVignettes::EnvoieDansLOrdre() {
  for (auto it = prets_.find(aEnvoyer_); it != prets_.end(); it = prets_.find(aEnvoyer_)) {
    Resultat r = std::move(it->second);
    prets_.erase(it);
    ++aEnvoyer_;
    if (r.abandonne) continue;
    // Posted under the mutex: the user-interface thread receives them in
    // this order whichever worker posts.
    const std::uint64_t jeton = r.jeton, serie = r.serie;
    talvik::HBITMAP vignette = std::move(r.vignette);
    QMetaObject::invokeMethod(
        this,
        [this, jeton, serie, vignette, messages = std::move(r.messages)] {
          Livre(jeton, serie, vignette, messages);
        },
        Qt::QueuedConnection);
  }
}

void CFabriqueVignettes::Livre(std::uint64_t jeton, std::uint64_t serie,
                               talvik::HBITMAP vignette,
                               const std::vector<talvik::MessageUtilisateur>& messages) {
  bool actuel, fini;
  {
    std::lock_guard<std::mutex> garde(mutex_);
    --enCours_;
    actuel = serie == serie_ && !arret_;
    fini = enCours_ == 0 && file_.empty();
  }
  if (actuel) {
    for (const talvik::MessageUtilisateur& m : messages) talvik::AfficheMessage(m);
    if (reception_) reception_(jeton, vignette);
  }
  if (fini) emit termine();
}

}  // namespace lumaveil
