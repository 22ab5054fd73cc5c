// How long one step of a drag takes in each editor, from the control's
// change to the new preview in its picture control, for a 12-megapixel
// photo on a 1920 x 1080 screen (the text editor gets the photo at the
// screen's size, as the renderer hands it over). The target is under 30 ms
// a step. Run: build/bin/bench_editeurs (or with --benchmark_filter=...).
#include <QApplication>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryFile>
#include <QToolButton>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "dialogs/apercu/spin_edition.h"
#include "dialogs/apercu/zone_apercu.h"
#include "dialogs/cadre/cadre_dlg.h"
#include "dialogs/commun/couleur_dlg.h"
#include "dialogs/fond/fond_dlg.h"
#include "dialogs/texte/mini_texte_dlg.h"
#include "dialogs/texte/texte_dlg.h"
#include "dialogs/recoupe/recoupe_dlg.h"
#include "dialogs/redimension/redimension_dlg.h"
#include "dialogs/reglage/reglage_dlg.h"
#include "dialogs/rotation/rotation_dlg.h"
#include "graphique.h"

namespace {

using namespace talvik;

constexpr int kLargeurPhoto = 4000;
constexpr int kHauteurPhoto = 3000;

// A photo-like picture: smooth gradients with fine texture.
const HBITMAP& Photo() {
  static const HBITMAP photo = [] {
    HBITMAP b = Bitmap::Create(kLargeurPhoto, kHauteurPhoto);
    for (int y = 0; y < kHauteurPhoto; ++y) {
      std::uint32_t* ligne = b.Row(y);
      for (int x = 0; x < kLargeurPhoto; ++x) {
        const unsigned bruit = (unsigned(x) * 2654435761u ^ unsigned(y) * 40503u) >> 28;
        const unsigned r = (x * 255 / kLargeurPhoto + bruit) & 0xFF;
        const unsigned g = (y * 255 / kHauteurPhoto + bruit) & 0xFF;
        const unsigned bl = ((x + y) * 255 / (kLargeurPhoto + kHauteurPhoto)) & 0xFF;
        ligne[x] = (r << 16) | (g << 8) | bl;
      }
    }
    return b;
  }();
  return photo;
}

// Lets the gathered redraw run.
void Redessine() {
  QApplication::processEvents();
  QApplication::processEvents();
}

// Stops the benchmark when a step left the preview as it was, or when the
// area is not the one of a 1920 x 1080 screen.
bool Verifie(benchmark::State& state, const CZoneApercu* zone, const HBITMAP& avant) {
  if (zone->Taille() != TailleZoneApercu(CSize(1920, 1080))) {
    state.SkipWithError("the preview area is not the one of a 1920 x 1080 screen");
    return false;
  }
  if (zone->Apercu().SameAs(avant)) {
    state.SkipWithError("the preview was not redrawn");
    return false;
  }
  return true;
}

template <class Dlg>
void Prepare(Dlg& dlg, CGraphique& graphique) {
  dlg.m_hImage = Photo();
  dlg.m_nLargeur = kLargeurPhoto;
  dlg.m_nHauteur = kHauteurPhoto;
  dlg.InitInstance(&graphique);
  dlg.show();
  Redessine();
}

void BM_ReglageGlisse(benchmark::State& state) {
  CGraphique graphique;
  CReglageDlg dlg;
  Prepare(dlg, graphique);
  int pas = 0;
  for (auto _ : state) {
    // Intensity away from 50 takes the slowest path of the adjustment.
    dlg.Curseur(2)->setValue(60 + pas % 30);
    dlg.Curseur(0)->setValue(40 + pas % 20);
    const HBITMAP avant = dlg.Zone(1)->Apercu();
    Redessine();
    if (!Verifie(state, dlg.Zone(1), avant)) break;
    ++pas;
  }
}
BENCHMARK(BM_ReglageGlisse)->Unit(benchmark::kMillisecond);

void BM_RecoupeFrappe(benchmark::State& state) {
  CGraphique graphique;
  CRecoupeDlg dlg;
  dlg.m_rectRecoupe = RECT{0, 0, kLargeurPhoto, kHauteurPhoto};
  Prepare(dlg, graphique);
  int pas = 0;
  for (auto _ : state) {
    const HBITMAP avant = dlg.Zone(1)->Apercu();
    dlg.Edition(0)->setValue(100 + pas % 500);
    Redessine();
    if (!Verifie(state, dlg.Zone(1), avant)) break;
    ++pas;
  }
}
BENCHMARK(BM_RecoupeFrappe)->Unit(benchmark::kMillisecond);

void BM_RedimensionFrappe(benchmark::State& state) {
  CGraphique graphique;
  CRedimensionDlg dlg;
  Prepare(dlg, graphique);
  int pas = 0;
  for (auto _ : state) {
    // 49 or 50 %: about 2000 x 1500, larger than the area.
    const HBITMAP avant = dlg.Zone()->Apercu();
    dlg.EditionPourcentage()->setValue(49 + pas % 2);
    Redessine();
    if (!Verifie(state, dlg.Zone(), avant)) break;
    ++pas;
  }
}
BENCHMARK(BM_RedimensionFrappe)->Unit(benchmark::kMillisecond);

void BM_RotationClic(benchmark::State& state) {
  CGraphique graphique;
  CRotationDlg dlg;
  Prepare(dlg, graphique);
  for (auto _ : state) {
    const HBITMAP avant = dlg.Zone()->Apercu();
    dlg.Bouton(180)->click();
    Redessine();
    if (!Verifie(state, dlg.Zone(), avant)) break;
  }
}
BENCHMARK(BM_RotationClic)->Unit(benchmark::kMillisecond);

// The text, border and background editors draw their previews on a worker
// thread: a step ends when the new preview is in the picture control.
void BM_TexteMarge(benchmark::State& state) {
  CGraphique graphique;
  CTexteDlg dlg;
  dlg.m_hImage = CGraphique::RedimensionneImage(Photo(), CSize(1920, 1080), 1);
  dlg.m_nLargeur = 1920;
  dlg.m_nHauteur = 1080;
  for (int i = 0; i < 2; ++i) {
    T_TEXTE& texte = dlg.m_Textes[i];
    texte.Utilisation = 1;
    texte.Libelle = i == 0 ? "Summer holidays in the mountains" : "August 2026";
    texte.Fonte.lfHeight = i == 0 ? -72 : -40;
    texte.Fonte.lfWeight = 700;
    texte.PositionAutomatiqueVerticale = 1 - i;
    texte.FondTransparent = i;
  }
  dlg.InitInstance(&graphique);
  dlg.show();
  Redessine();
  dlg.AttendApercu();
  CSpinEdition* marge = dlg.Page(0)->Champ(CMiniTexteDlg::ID_DX);
  int pas = 0;
  for (auto _ : state) {
    const HBITMAP avant = dlg.Apercu()->Apercu();
    marge->setValue(20 + pas % 400);
    Redessine();
    dlg.AttendApercu();
    if (!Verifie(state, dlg.Apercu(), avant)) break;
    ++pas;
  }
  dlg.DesInitInstance();
}
BENCHMARK(BM_TexteMarge)->Unit(benchmark::kMillisecond);

void BM_CadreEpaisseur(benchmark::State& state) {
  CGraphique graphique;
  CCadreDlg dlg;
  dlg.m_bCouleur = 1;
  dlg.m_bBordure = 1;
  dlg.m_crCouleur = RGB(120, 80, 40);
  Prepare(dlg, graphique);
  dlg.AttendApercu();
  int pas = 0;
  for (auto _ : state) {
    const HBITMAP avant = dlg.Apercu()->Apercu();
    dlg.Epaisseur()->setValue(6 + pas % 44);
    Redessine();
    dlg.AttendApercu();
    if (!Verifie(state, dlg.Apercu(), avant)) break;
    ++pas;
  }
  dlg.DesInitInstance();
}
BENCHMARK(BM_CadreEpaisseur)->Unit(benchmark::kMillisecond);

void BM_FondCouleur(benchmark::State& state) {
  CGraphique graphique;
  CFondDlg dlg;
  dlg.m_sizeEcran = CSize(1920, 1080);
  dlg.m_bCouleur = 1;
  Prepare(dlg, graphique);
  dlg.AttendApercu();
  QLineEdit* rouge = dlg.ChoixCouleur()->EditComposante(0);
  int pas = 0;
  for (auto _ : state) {
    const HBITMAP avant = dlg.Apercu()->Apercu();
    rouge->setText(QString::number(pas % 200 + 16, 16));
    Redessine();
    dlg.AttendApercu();
    if (!Verifie(state, dlg.Apercu(), avant)) break;
    ++pas;
  }
  dlg.DesInitInstance();
}
BENCHMARK(BM_FondCouleur)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // An offscreen screen of 1920 x 1080.
  QTemporaryFile configuration;
  if (!configuration.open()) return 1;
  configuration.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920,
    "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  configuration.flush();
  const QByteArray plateforme = "offscreen:configfile=" + configuration.fileName().toUtf8();
  setenv("QT_QPA_PLATFORM", plateforme.constData(), 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
