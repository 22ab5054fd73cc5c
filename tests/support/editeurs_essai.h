// Helpers of the editor dialogs' tests: test pictures, a real photograph
// for the screenshots, and recorders of the messages and full-screen views
// the dialogs ask for.
#pragma once

#include <QTest>
#include <QApplication>
#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <cstdint>
#include <string>
#include <vector>

#include "base/bitmap.h"
#include "dialogs/apercu/plein_ecran.h"
#include "dialogs/commun/boite_message.h"
#include "dialogs/commun/image_qt.h"
#include "graphique.h"
#include "photo_essai.h"

namespace lumaveil::testing {

// A picture of four quadrants: red top left, green top right, blue bottom
// left, yellow bottom right.
inline talvik::HBITMAP ImageQuadrants(int w, int h) {
  talvik::HBITMAP image = talvik::Bitmap::Create(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool droite = x >= w / 2, bas = y >= h / 2;
      const talvik::COLORREF c = !bas ? (!droite ? talvik::RGB(255, 0, 0) : talvik::RGB(0, 255, 0))
                                      : (!droite ? talvik::RGB(0, 0, 255) : talvik::RGB(255, 255, 0));
      image.SetPixel(x, y, c);
    }
  }
  return image;
}

// A real photograph (Grace Hopper, 512 x 600, from the plotting library's
// sample data); a drawn landscape of the same size when it is missing.
inline talvik::HBITMAP PhotoReelle() {
  talvik::HBITMAP photo = talvik::CGraphique::ChargeImage(
      "/usr/share/matplotlib/mpl-data/sample_data/grace_hopper.jpg", 0);
  if (photo) return photo;
  return talvik::BitmapDepuisImageQt(PhotoDeTest(512, 600));
}

// Records the message boxes and beeps while it lives, instead of showing
// them.
class EnregistreurMessages {
 public:
  struct Message {
    std::string texte, titre;
    talvik::IconeMessage icone;
  };
  EnregistreurMessages() {
    precedent_ = talvik::InstalleHookBoiteMessage(
        [this](const std::string& texte, const std::string& titre, talvik::IconeMessage icone,
               talvik::BoutonsMessage) {
          messages_.push_back({texte, titre, icone});
          return int(talvik::IDOK);
        });
    bipPrecedent_ = talvik::InstalleHookBip([this] { ++bips_; });
  }
  ~EnregistreurMessages() {
    talvik::InstalleHookBoiteMessage(std::move(precedent_));
    talvik::InstalleHookBip(std::move(bipPrecedent_));
  }
  const std::vector<Message>& Messages() const { return messages_; }
  int Bips() const { return bips_; }

 private:
  talvik::HookBoiteMessage precedent_;
  talvik::HookBip bipPrecedent_;
  std::vector<Message> messages_;
  int bips_ = 0;
};

// Records the full-screen views the editors open, instead of showing them.
class EnregistreurPleinEcran {
 public:
  struct Vue {
    int largeur, hauteur;
    std::string taille;
    talvik::HBITMAP image;
  };
  EnregistreurPleinEcran() {
    precedent_ = talvik::InstalleOuvreurPleinEcran(
        [this](QWidget*, talvik::CGraphique*, const talvik::HBITMAP& image,
               const talvik::CString& taille) {
          vues_.push_back({image.Width(), image.Height(), taille, image});
        });
  }
  ~EnregistreurPleinEcran() { talvik::InstalleOuvreurPleinEcran(std::move(precedent_)); }
  const std::vector<Vue>& Vues() const { return vues_; }

 private:
  talvik::OuvreurPleinEcran precedent_;
  std::vector<Vue> vues_;
};

// Replaces the text of a spin box by `texte`, typed as a user would.
inline void Tape(QAbstractSpinBox* spin, const QString& texte) {
  spin->setFocus();
  QLineEdit* edit = spin->findChild<QLineEdit*>();
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, texte);
}

// Lets the dialogs' gathered redraws happen.
inline void Attend() {
  QApplication::processEvents();
  QApplication::processEvents();
}

}  // namespace lumaveil::testing
