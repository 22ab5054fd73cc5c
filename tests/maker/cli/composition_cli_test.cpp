// `lumaveil --new` with the composition choices, end to end: blurred
// backgrounds, the fill around the subject and portraits in pairs, through
// --render and --generate.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "composition/flou_fond.h"
#include "dialogue_essai.h"
#include "dossier_temporaire.h"
#include "fichier_projet.h"
#include "graphique.h"
#include "lecture_options.h"
#include "lecture_paquet.h"
#include "sortie_commande.h"
#include "visage_essai.h"

namespace lumaveil {
namespace {

using talvik::RGB;

class CompositionCli : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("LUMAVEIL_REGISTRY", dir_.File("registry.reg").c_str(), 1);
    ASSERT_TRUE(talvik::CGraphique::SauveImagePNG(dir_.File("rouge.png"), talvik::Bitmap::Create(300, 400, RGB(255, 0, 0))));
    ASSERT_TRUE(talvik::CGraphique::SauveImagePNG(dir_.File("bleu.png"), talvik::Bitmap::Create(300, 400, RGB(0, 0, 255))));
    ASSERT_TRUE(talvik::CGraphique::SauveImagePNG(dir_.File("vert.png"), talvik::Bitmap::Create(400, 300, RGB(0, 255, 0))));
  }

  // The exit status, standard error in *erreur.
  int Lance(const std::string& arguments, std::string* erreur = nullptr) {
    const std::string e = dir_.File("stderr.txt");
    const int code = std::atoi(testing::RunAndCapture("cd '" + dir_.Path() + "' && " + std::string(LUMAVEIL_BIN_DIR) +
                                                      "/lumaveil " + arguments + " 2>'" + e + "'; echo $?")
                                   .c_str());
    std::ifstream f(e);
    if (erreur) erreur->assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return code;
  }

  testing::TempDir dir_;
};

TEST_F(CompositionCli, PairedPortraitsOnBlurredBackgroundsMakeOneRecordAndRenderSideBySide) {
  std::string erreur;
  ASSERT_EQ(Lance("--new c.lmv --resolution 960x540 --background blur --fit whole --pair-portraits "
                  "rouge.png bleu.png vert.png",
                  &erreur),
            0)
      << erreur;
  CProjet p;
  testing::CDialogueTest dialogue;
  ASSERT_TRUE(ChargeProjet(p, dir_.File("c.lmv"), dialogue));
  EXPECT_EQ(p.PairePortraits, 1);
  EXPECT_EQ(p.ModeleEcran.FondFlou, 1);
  EXPECT_EQ(p.Ecran(2).FondFlou, 1);

  ASSERT_EQ(Lance("--generate c.lmv --output saver --platform linux", &erreur), 0) << erreur;
  EXPECT_EQ(testing::LitPaquet(dir_.File("saver")).enregistrements.size(), 2u);

  // Screen 2 is the right half of the pair: --render shows the pair.
  ASSERT_EQ(Lance("--render c.lmv --screen 2 --output paire.bmp", &erreur), 0) << erreur;
  const talvik::Bitmap paire = talvik::CGraphique::ChargeImage(dir_.File("paire.bmp"), 0);
  ASSERT_TRUE(paire);
  ASSERT_EQ(paire.Width(), 960);
  EXPECT_EQ(paire.GetPixel(400, 270), RGB(255, 0, 0));
  EXPECT_EQ(paire.GetPixel(560, 270), RGB(0, 0, 255));
  // The bars are each photo blurred and darkened: a dark red on the left, a
  // dark blue on the right, never the template's white.
  const talvik::BYTE sombre = talvik::BYTE(255 * talvik::kLumiereFlou / 256);
  EXPECT_EQ(paire.GetPixel(10, 10), RGB(sombre, 0, 0));
  EXPECT_EQ(paire.GetPixel(950, 530), RGB(0, 0, sombre));
  // The landscape screen stays alone.
  ASSERT_EQ(Lance("--render c.lmv --screen 3 --output seul.bmp", &erreur), 0) << erreur;
  EXPECT_EQ(talvik::CGraphique::ChargeImage(dir_.File("seul.bmp"), 0).GetPixel(480, 270), RGB(0, 255, 0));
}

TEST_F(CompositionCli, FillLeavesNoBarsAndWrongChoicesAreRefused) {
  std::string erreur;
  ASSERT_EQ(Lance("--new f.lmv --resolution 300x600 --fit fill vert.png", &erreur), 0) << erreur;
  ASSERT_EQ(Lance("--render f.lmv --screen 1 --output f.bmp", &erreur), 0) << erreur;
  const talvik::Bitmap f = talvik::CGraphique::ChargeImage(dir_.File("f.bmp"), 0);
  ASSERT_TRUE(f);
  EXPECT_EQ(f.GetPixel(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(f.GetPixel(299, 599), RGB(0, 255, 0));
  for (const char* faux : {"--background green", "--fit most", "--fit", "--background"}) {
    EXPECT_EQ(Lance(std::string("--new x.lmv ") + faux + " vert.png", &erreur), 1) << faux;
    EXPECT_NE(erreur.find(faux[2] == 'b' ? "--background needs blur" : "--fit needs fill or whole"),
              std::string::npos)
        << erreur;
  }
  EXPECT_EQ(Lance("--render f.lmv --screen 1 --output g.bmp --pair-portraits", &erreur), 1);
}

// Two real portraits on a landscape screen, generated: the record is saved
// among the screenshots (build/screenshots/paire_portraits_flou.jpg) to be
// looked at.
TEST_F(CompositionCli, GeneratedPairOfRealPortraitsIsOneRecordOfTheWholeScreen) {
  const talvik::Bitmap visage = talvik::CGraphique::ChargeImage(
      "/usr/share/matplotlib/mpl-data/sample_data/grace_hopper.jpg", 0);
  ASSERT_TRUE(visage);
  ASSERT_TRUE(talvik::CGraphique::SauveImageJPEG(dir_.File("a.jpg"), visage, 90));
  ASSERT_TRUE(talvik::CGraphique::SauveImageJPEG(
      dir_.File("b.jpg"), talvik::CGraphique::ReglageImage(visage, 65, 50, 30), 90));
  // Taken in Lyon on 14 July 2024, as a phone writes it: each half of the
  // pair writes its own date and place under it.
  ASSERT_EQ(std::system(("cd '" + dir_.Path() +
                         "' && exiftool -q -q -overwrite_original -DateTimeOriginal='2024:07:14 "
                         "18:30:00' -GPSLatitude=45.7640 -GPSLatitudeRef=N -GPSLongitude=4.8357 "
                         "-GPSLongitudeRef=E a.jpg b.jpg")
                            .c_str()),
            0);
  std::string erreur;
  ASSERT_EQ(Lance("--new r.lmv --resolution 1920x1080 --background blur --pair-portraits "
                  "--caption '{date} · {place}' a.jpg b.jpg vert.png",
                  &erreur),
            0)
      << erreur;
  ASSERT_EQ(Lance("--generate r.lmv --output saver --platform linux", &erreur), 0) << erreur;
  const testing::Paquet paquet = testing::LitPaquet(dir_.File("saver"));
  ASSERT_EQ(paquet.enregistrements.size(), 2u);
  const std::string dossier = std::string(LUMAVEIL_BIN_DIR) + "/../screenshots";
  std::filesystem::create_directories(dossier);
  const std::string capture = dossier + "/paire_portraits_flou.jpg";
  {
    std::ofstream f(capture, std::ios::binary);
    const auto& jpeg = paquet.enregistrements[0].jpeg;
    f.write(reinterpret_cast<const char*>(jpeg.data()), std::streamsize(jpeg.size()));
  }
  const talvik::Bitmap ecran = talvik::CGraphique::ChargeImage(capture, 0);
  ASSERT_TRUE(ecran);
  EXPECT_EQ(ecran.Width(), 1920);
  EXPECT_EQ(ecran.Height(), 1080);
  // The captions are white on the photo's dark coat, low in each half, and
  // each fits its half (too long for it at its size, it is drawn smaller
  // instead of being cut at the half's edges).
  for (int moitie = 0; moitie < 2; ++moitie) {
    int blancs = 0, auBord = 0;
    for (int y = 1080 * 9 / 10; y < 1080; ++y)
      for (int x = moitie * 960; x < moitie * 960 + 960; ++x) {
        const talvik::COLORREF c = ecran.GetPixel(x, y);
        const bool blanc =
            talvik::GetRValue(c) > 220 && talvik::GetGValue(c) > 220 && talvik::GetBValue(c) > 220;
        blancs += blanc;
        auBord += blanc && (x % 960 < 12 || x % 960 >= 948);
      }
    EXPECT_GT(blancs, 500) << "half " << moitie;
    EXPECT_EQ(auBord, 0) << "half " << moitie;
  }
}

// The pan and zoom of a screen ends on its subject: the face against the
// right edge of the photo, not the busy patch on its left.
TEST_F(CompositionCli, PanAndZoomEndsOnTheFaceTheSubjectSearchFinds) {
  const talvik::HBITMAP photo = testing::PaysageVisageADroite(1600, 900);
  ASSERT_TRUE(photo);
  ASSERT_TRUE(talvik::CGraphique::SauveImageJPEG(dir_.File("p.jpg"), photo, 90));
  std::string erreur;
  ASSERT_EQ(Lance("--new z.lmv --resolution 960x540 --effect pan-zoom p.jpg vert.png", &erreur), 0)
      << erreur;
  ASSERT_EQ(Lance("--generate z.lmv --output saver --platform linux", &erreur), 0) << erreur;
  lmvengine::OptionsBlock bloc;
  ASSERT_TRUE(testing::LitBlocOptions(dir_.File("saver"), bloc));
  ASSERT_EQ(bloc.entries.size(), 2u);
  const lmvengine::RecordOptions& o = bloc.entries[0];
  EXPECT_GT(o.subjectLeft, 6000) << o.subjectLeft;
  EXPECT_LE(o.subjectRight, 10000);
  EXPECT_LT(o.subjectRight - o.subjectLeft, 4000);
  EXPECT_GT(o.subjectBottom, o.subjectTop);
}

}  // namespace
}  // namespace lumaveil
