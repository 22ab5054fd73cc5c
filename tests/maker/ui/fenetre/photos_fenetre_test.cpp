// Phone photos in the maker's window: a portrait JPEG stored sideways with
// an Exif orientation, and a HEIC turned by its rotation box, in a project
// that is opened, are upright in their list thumbnails (made from the
// camera's copy or the thumbnail item, and from the photo itself when it has
// none) and on the working screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "attente_essai.h"
#include "travail/travail.h"
#include "ecrans_essai.h"
#include "dialogue_essai.h"
#include "fichier_projet.h"
#include "capture_ecran.h"
#include "document/doc.h"
#include "fenetre/main_frame.h"
#include "fenetre_essai.h"
#include "heif_essai.h"
#include "images_comparees.h"
#include "liste/liste_view.h"
#include "photo_telephone_essai.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

using talvik::RGB;

// The list row's thumbnail as a picture.
talvik::Bitmap Vignette(const QModelIndex& ligne) {
  const QImage image = testing::IconeLigne(ligne).pixmap(QSize(150, 110)).toImage().convertToFormat(
      QImage::Format_RGB32);
  talvik::Bitmap b = talvik::Bitmap::Create(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      b.SetPixel(x, y, RGB(talvik::BYTE(c.red()), talvik::BYTE(c.green()), talvik::BYTE(c.blue())));
    }
  return b;
}

// The rectangle of the strongly coloured pixels (the quadrants), leaving
// out the white canvas, the grey backdrop and the frame.
talvik::RECT PlaceCouleurs(const talvik::Bitmap& b) {
  talvik::RECT r{b.Width(), b.Height(), 0, 0};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      const COLORREF p = b.GetPixel(x, y);
      const int hi = std::max({talvik::GetRValue(p), talvik::GetGValue(p), talvik::GetBValue(p)});
      const int lo = std::min({talvik::GetRValue(p), talvik::GetGValue(p), talvik::GetBValue(p)});
      if (hi - lo < 120) continue;
      r.left = std::min<talvik::LONG>(r.left, x);
      r.top = std::min<talvik::LONG>(r.top, y);
      r.right = std::max<talvik::LONG>(r.right, x + 1);
      r.bottom = std::max<talvik::LONG>(r.bottom, y + 1);
    }
  return r;
}

class PhotosFenetre : public ::testing::Test {
 protected:
  PhotosFenetre() {
    frame_ = testing::FenetreEssai(contexte_, SIZE{640, 480});
    frame_->show();
  }
  // Opens a project of one screen per file, made from the default
  // template at 640x480: the list makes their thumbnails on its workers.
  void Ouvre(const std::vector<std::string>& noms) {
    CProjet projet;
    projet.ResolutionCible = SIZE{640, 480};
    for (const std::string& nom : noms) {
      auto e = projet.NouvelEcranDepuisModele();
      e->CheminImage = dossier_.File(nom);
      projet.Ajoute(std::move(e));
    }
    testing::CDialogueTest d;
    const std::string chemin = dossier_.File("photos.lmv");
    ASSERT_EQ(SauveProjet(projet, chemin, d), 1);
    ASSERT_EQ(frame_->LitProjet(QString::fromStdString(chemin)), 1);
    ATTEND_EGAL(frame_->ListeView()->VignettesEnAttente(), 0, 20000);
    QApplication::processEvents();
  }

  // Both list thumbnails upright, the first made from the file's own small
  // copy (`copie`: its top-left quadrant tells it apart), the second from
  // the photo; then the working screen (the last photo, opened as current)
  // loaded upright and rendered as a 3:4 portrait centred at 360 x 480.
  void VerifieDroites(const talvik::COLORREF* copie) {
    CListeView& liste = *frame_->ListeView();
    ASSERT_EQ(liste.NombreEcrans(), 2);
    for (int i : {0, 1}) {
      const talvik::Bitmap v = Vignette(liste.Ligne(i));
      const talvik::RECT place = PlaceCouleurs(v);
      EXPECT_GT(place.bottom - place.top, place.right - place.left) << i;
      std::string pourquoi;
      EXPECT_TRUE(testing::QuadrantsDroits(v, place, &pourquoi, 60,
                                           i == 0 ? copie : testing::kQuadrantsDroits))
          << "thumbnail " << i << ": " << pourquoi;
    }
    ATTEND_VRAI(contexte_.EcranCourant && contexte_.EcranCourant->ImageFinale,
                             20000);
    const CEcran& courant = *contexte_.EcranCourant;
    EXPECT_EQ(courant.TailleImage.cx, 300);
    EXPECT_EQ(courant.TailleImage.cy, 400);
    const talvik::RECT ecran = testing::PlaceSurFond(courant.ImageFinale, RGB(255, 255, 255));
    EXPECT_EQ(ecran.top, 0);
    EXPECT_EQ(ecran.bottom, 480);
    EXPECT_EQ(ecran.left, 140);
    EXPECT_EQ(ecran.right, 500);
    std::string pourquoi;
    EXPECT_TRUE(testing::QuadrantsDroits(courant.ImageFinale, ecran, &pourquoi)) << pourquoi;
  }

  testing::TempDir dossier_;
  CContexte contexte_;
  std::unique_ptr<CMainFrame> frame_;
};

TEST_F(PhotosFenetre, PortraitHeicIsUprightInTheListAndOnTheWorkingScreen) {
  const talvik::Bitmap droite = testing::Quadrants(300, 400, testing::kQuadrantsDroits);
  // The thumbnail item is recognisable: its top-left quadrant is magenta.
  const talvik::COLORREF copie[4] = {RGB(220, 30, 200), testing::kQuadrantsDroits[1],
                                     testing::kQuadrantsDroits[2], testing::kQuadrantsDroits[3]};
  const talvik::Bitmap sourceVignette =
      testing::StockeeSelonOrientation(testing::Quadrants(300, 400, copie), 6);
  testing::OptionsHeif options;
  options.orientation = 6;
  options.vignette = 160;
  options.sourceVignette = &sourceVignette;
  const talvik::Bitmap stockee = testing::StockeeSelonOrientation(droite, 6);
  ASSERT_TRUE(testing::EcritHeif(dossier_.File("iphone.heic"), stockee, options));
  ASSERT_TRUE(testing::EcritHeif(dossier_.File("sans.heic"), stockee, {6}));
  Ouvre({"iphone.heic", "sans.heic"});
  VerifieDroites(copie);
}

TEST_F(PhotosFenetre, PortraitPhoneJpegIsUprightInTheListAndOnTheWorkingScreen) {
  const talvik::Bitmap droite = testing::Quadrants(300, 400, testing::kQuadrantsDroits);
  // The camera's copy is recognisable: its top-left quadrant is magenta.
  const talvik::COLORREF copie[4] = {RGB(220, 30, 200), testing::kQuadrantsDroits[1],
                                     testing::kQuadrantsDroits[2], testing::kQuadrantsDroits[3]};
  ASSERT_TRUE(testing::EcritJpegOriente(dossier_.File("camera.jpg"), droite, 6,
                                        testing::Quadrants(120, 160, copie)));
  ASSERT_TRUE(testing::EcritJpegOriente(dossier_.File("sans.jpg"), droite, 6));
  Ouvre({"camera.jpg", "sans.jpg"});
  VerifieDroites(copie);
}

// Portraits in pairs: the list joins the two thumbnails of a pair (a phone
// photo stored on its side counts as the portrait it shows), and turning
// the option off in the project breaks the pair.
TEST_F(PhotosFenetre, TwoPortraitsInARowAreJoinedInTheListUntilPairingIsTurnedOff) {
  const talvik::Bitmap visage = talvik::CGraphique::ChargeImage(
      "/usr/share/matplotlib/mpl-data/sample_data/grace_hopper.jpg", 0);
  ASSERT_TRUE(visage);
  ASSERT_TRUE(talvik::CGraphique::SauveImageJPEG(dossier_.File("visage.jpg"), visage, 90));
  ASSERT_TRUE(testing::EcritJpegOriente(dossier_.File("cote.jpg"),
                                        testing::Quadrants(300, 400, testing::kQuadrantsDroits), 6));
  ASSERT_TRUE(talvik::CGraphique::SauveImageJPEG(
      dossier_.File("paysage.jpg"), testing::Quadrants(400, 300, testing::kQuadrantsDroits), 90));
  CProjet projet;
  projet.ResolutionCible = SIZE{640, 480};
  projet.PairePortraits = 1;
  projet.ModeleEcran.FondUtilisation = 1;
  projet.ModeleEcran.FondFlou = 1;
  for (const char* nom : {"visage.jpg", "cote.jpg", "paysage.jpg"}) {
    auto e = projet.NouvelEcranDepuisModele();
    e->CheminImage = dossier_.File(nom);
    projet.Ajoute(std::move(e));
  }
  testing::CDialogueTest d;
  const std::string chemin = dossier_.File("paires.lmv");
  ASSERT_EQ(SauveProjet(projet, chemin, d), 1);
  ASSERT_EQ(frame_->LitProjet(QString::fromStdString(chemin)), 1);
  ATTEND_EGAL(frame_->ListeView()->VignettesEnAttente(), 0, 20000);
  CListeView& liste = *frame_->ListeView();
  ATTEND_EGAL(liste.Ligne(0).data(Qt::AccessibleDescriptionRole).toString(),
                            QString("Shown beside 002"), 5000);
  EXPECT_EQ(liste.Ligne(1).data(Qt::AccessibleDescriptionRole).toString(), "Shown beside 001");
  EXPECT_TRUE(liste.Ligne(2).data(Qt::AccessibleDescriptionRole).isNull());
  testing::CaptureWidget(frame_.get(), "fenetre_paires_portraits");

  contexte_.Controleur.FixePairePortraits(0);
  ATTEND_VRAI(liste.Ligne(0).data(Qt::AccessibleDescriptionRole).isNull(), 5000);
  EXPECT_TRUE(frame_->Doc().EstModifie());
}

}  // namespace
}  // namespace lumaveil
