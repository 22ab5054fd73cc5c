#include "liste/fabrique_vignettes.h"

#include <QMetaObject>

#include <sys/resource.h>

#include <algorithm>
#include <unistd.h>

#include "graphique.h"
#include "vignette.h"
#include "motifs_utilisateur.h"

namespace lumaveil {

CFabriqueVignettes::CFabriqueVignettes(QObject* parent) : QObject(parent) {
  fil_ = std::thread([this] { Boucle(); });
}

CFabriqueVignettes::~CFabriqueVignettes() {
  {
    std::lock_guard<std::mutex> garde(mutex_);
    arret_ = true;
    file_.clear();
  }
  cv_.notify_all();
  if (fil_.joinable()) fil_.join();
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
    file_.push_back({jeton, std::move(copie), serie_});
  }
  cv_.notify_one();
}

void CFabriqueVignettes::AnnuleTout() {
  bool vide;
  {
    std::lock_guard<std::mutex> garde(mutex_);
    file_.clear();
    ++serie_;
    vide = enCours_ == 0;
  }
  if (vide) emit termine();
}

int CFabriqueVignettes::EnAttente() const {
  std::lock_guard<std::mutex> garde(mutex_);
  return int(file_.size()) + enCours_;
}

talvik::HBITMAP CFabriqueVignettes::Fabrique(talvik::CGraphique& graphique, CEcran& ecran,
                                             const talvik::HBITMAP& fond) {
  // A JPEG photo is decoded reduced: a few milliseconds instead of a
  // full-size decode of every picture of the project.
  return VignetteEcran(ecran, graphique, fond);
}

void CFabriqueVignettes::Boucle() {
  // Below the user-interface thread: on a busy machine a click is served
  // before the next thumbnail.
  const id_t fil = static_cast<id_t>(gettid());
  setpriority(PRIO_PROCESS, fil, std::min(getpriority(PRIO_PROCESS, fil) + 5, 19));
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
    talvik::HBITMAP vignette = Fabrique(*graphique, *travail.ecran, fond);
    travail.ecran.reset();
    const std::uint64_t jeton = travail.jeton, serie = travail.serie;
    QMetaObject::invokeMethod(
        this, [this, jeton, serie, vignette] { Livre(jeton, serie, vignette); },
        Qt::QueuedConnection);
  }
}

void CFabriqueVignettes::Livre(std::uint64_t jeton, std::uint64_t serie,
                               talvik::HBITMAP vignette) {
  bool actuel, fini;
  {
    std::lock_guard<std::mutex> garde(mutex_);
    --enCours_;
    actuel = serie == serie_;
    fini = enCours_ == 0 && file_.empty();
  }
  if (actuel && reception_) reception_(jeton, vignette);
  if (fini) emit termine();
}

}  // namespace lumaveil
