// Opening a project of 12-megapixel photos in the maker's window: the time
// until the window is usable again (the project read, the last screen made
// current), the time until the last thumbnail shows, and the longest time
// the user-interface thread was busy meanwhile (what a click would wait).
// Then clicks on the screens of a project of P such photos: how long the
// click keeps the user-interface thread (the item selected, the panels
// updated) and how long until the working screen has its picture rendered.
//
//   bench_vignettes [--screens N] [--photos P] [benchmark flags]
// N screens (default 200) cycle through P distinct photos (default 8) of
// 4000 x 3000. Runs on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <unistd.h>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/commun/image_qt.h"
#include "travail/travail.h"
#include "fenetre/main_frame.h"
#include "fichier_projet.h"
#include "graphique.h"
#include "liste/liste_view.h"
#include "photo_essai.h"
#include "principale/principale_view.h"

namespace {

namespace fs = std::filesystem;
using namespace lumaveil;

int g_ecrans = 200;
int g_photos = 8;
std::string g_projet;
std::string g_projetClics;

class Silence : public IDialogue {
 public:
  void Message(const MessageUtilisateur&) override {}
  int Question(const MessageUtilisateur&) override { return 0; }
};

void Prepare(const std::string& dossier) {
  std::vector<std::string> photos;
  std::fprintf(stderr, "Making %d photos of 4000x3000...\n", g_photos);
  for (int i = 0; i < g_photos; ++i) {
    QImage image = testing::PhotoDeTest(4000, 3000);
    // Each photo its own: a band of colour moves across them.
    QPainter(&image).fillRect(i * 4000 / g_photos, 0, 4000 / g_photos, 200,
                              QColor::fromHsv(i * 360 / g_photos, 200, 220));
    photos.push_back(dossier + "/photo" + std::to_string(i) + ".jpg");
    talvik::CGraphique::SauveImage(photos.back(), talvik::BitmapDepuisImageQt(image), 90, 0, 0);
  }
  CProjet projet;
  projet.ResolutionCible = {1280, 960};
  projet.ModeleEcran.TailleCible = projet.ResolutionCible;
  for (int i = 0; i < g_ecrans; ++i) {
    auto e = projet.NouvelEcranDepuisModele();
    e->CheminImage = photos[std::size_t(i % g_photos)];
    projet.Ajoute(std::move(e));
  }
  Silence silence;
  g_projet = dossier + "/photos.lmv";
  SauveProjet(projet, g_projet, silence);

  CProjet clics;
  clics.ResolutionCible = {1920, 1080};
  clics.ModeleEcran.TailleCible = clics.ResolutionCible;
  for (const std::string& photo : photos) {
    auto e = clics.NouvelEcranDepuisModele();
    e->CheminImage = photo;
    clics.Ajoute(std::move(e));
  }
  g_projetClics = dossier + "/clics.lmv";
  SauveProjet(clics, g_projetClics, silence);
}

// How long the user-interface thread stays busy at a stretch while it is
// watched: the longest gap between two ticks of a 5 ms timer, less the 5 ms.
class CGuetteurBlocages {
 public:
  CGuetteurBlocages() {
    battement_.setInterval(5);
    QObject::connect(&battement_, &QTimer::timeout, [this] {
      const qint64 t = horloge_.nsecsElapsed();
      if (dernier_) plusLongue_ = std::max(plusLongue_, t - dernier_ - 5'000'000);
      dernier_ = t;
    });
  }
  void Demarre() {
    dernier_ = 0;
    horloge_.start();
    battement_.start();
  }
  void Arrete() { battement_.stop(); }
  double PlusLongueMs() const { return double(plusLongue_) / 1e6; }

 private:
  QElapsedTimer horloge_;
  QTimer battement_;
  qint64 dernier_ = 0, plusLongue_ = 0;
};

void BM_OuvertureProjet(benchmark::State& state) {
  for (auto _ : state) {
    CContexte contexte;
    contexte.Parametres.StartWizard = 0;
    CMainFrame fenetre(contexte);
    contexte.DemarrageEnCours = false;
    fenetre.show();
    QApplication::processEvents();

    QElapsedTimer horloge;
    CGuetteurBlocages guetteur;
    horloge.start();
    fenetre.Doc().OuvreFichier(QString::fromStdString(g_projet));
    const double ouverture = double(horloge.nsecsElapsed()) / 1e9;
    guetteur.Demarre();
    CListeView* liste = fenetre.ListeView();
    while (liste->VignettesEnAttente() > 0) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double derniere = double(horloge.nsecsElapsed()) / 1e9;
    guetteur.Arrete();

    state.SetIterationTime(derniere);
    state.counters["window_usable_s"] = ouverture;
    state.counters["last_thumbnail_s"] = derniere;
    state.counters["longest_busy_ms"] = guetteur.PlusLongueMs();
    state.counters["screens"] = liste->NombreEcrans();
  }
}
BENCHMARK(BM_OuvertureProjet)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

// One iteration: a click on each screen of the project in turn (the
// thumbnails made first). The iteration time is the mean time the click
// kept the user-interface thread; the counters give the longest click, the
// mean time until the clicked screen is rendered, and the longest stall of
// the user-interface thread while it loads.
void BM_ClicEcran(benchmark::State& state) {
  CContexte contexte;
  contexte.Parametres.StartWizard = 0;
  CMainFrame fenetre(contexte);
  contexte.DemarrageEnCours = false;
  fenetre.show();
  fenetre.Doc().OuvreFichier(QString::fromStdString(g_projetClics));
  CListeView* liste = fenetre.ListeView();
  CTravail& travail = fenetre.Travail();
  while (liste->VignettesEnAttente() > 0 || travail.ChargementEnCours())
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

  QElapsedTimer horloge;
  CGuetteurBlocages guetteur;
  double clicMax = 0, totalClic = 0, totalPret = 0;
  int clics = 0;
  for (auto _ : state) {
    totalClic = totalPret = 0;
    clics = 0;
    for (int i = 0; i < liste->NombreEcrans(); ++i) {
      liste->scrollTo(liste->Ligne(i));
      QApplication::processEvents();
      const QPoint centre = liste->RectLigne(i).center();
      horloge.start();
      QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, centre);
      const double clic = double(horloge.nsecsElapsed()) / 1e6;
      guetteur.Demarre();
      while (travail.ChargementEnCours())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
      const double pret = double(horloge.nsecsElapsed()) / 1e6;
      guetteur.Arrete();
      if (liste->Selection() != i || contexte.EcranCourant->ImageFinale.IsNull())
        state.SkipWithError("the clicked screen was not made current");
      clicMax = std::max(clicMax, clic);
      totalClic += clic;
      totalPret += pret;
      ++clics;
    }
    state.SetIterationTime(totalClic / 1e3 / std::max(clics, 1));
  }
  state.counters["click_max_ms"] = clicMax;
  state.counters["rendered_mean_ms"] = totalPret / std::max(clics, 1);
  state.counters["longest_busy_ms"] = guetteur.PlusLongueMs();
}
BENCHMARK(BM_ClicEcran)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  std::vector<char*> restants{argv[0]};
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--screens") && i + 1 < argc) g_ecrans = std::atoi(argv[++i]);
    else if (!std::strcmp(argv[i], "--photos") && i + 1 < argc) g_photos = std::atoi(argv[++i]);
    else restants.push_back(argv[i]);
  }
  int n = int(restants.size());
  QApplication application(n, restants.data());
  const fs::path dossier = fs::temp_directory_path() / ("bench_vignettes_" + std::to_string(getpid()));
  fs::create_directories(dossier);
  // The settings stay in the benchmark's folder.
  setenv("LUMAVEIL_REGISTRY", (dossier / "registry.reg").c_str(), 1);
  Prepare(dossier.string());
  benchmark::Initialize(&n, restants.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ec;
  fs::remove_all(dossier, ec);
  return 0;
}
