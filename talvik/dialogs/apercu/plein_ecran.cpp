#include "dialogs/apercu/plein_ecran.h"

#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <utility>

#include "dialogs/apercu/image_qt.h"
#include "graphique.h"

namespace talvik {

namespace {

// The picture fitted to the screen, its size label at the top left; a
// click or a key closes it.
class CVuePleinEcran : public QDialog {
 public:
  CVuePleinEcran(QWidget* parent, const HBITMAP& image, const CString& strTaille)
      : QDialog(parent, Qt::FramelessWindowHint) {
    setStyleSheet("background: black;");
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    if (!strTaille.empty()) {
      auto* taille = new QLabel(QString::fromStdString(strTaille), this);
      taille->setStyleSheet("color: white; background: black;");
      taille->setAccessibleName(taille->text());
      disposition->addWidget(taille, 0, Qt::AlignLeft | Qt::AlignTop);
    }
    auto* vue = new QLabel(this);
    vue->setAlignment(Qt::AlignCenter);
    vue->setAccessibleName(QString::fromStdString(strTaille));
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const QSize s = ecran ? ecran->size() : QSize(1024, 768);
    HBITMAP montre = image;
    if (image && (image.Width() > s.width() || image.Height() > s.height())) {
      montre = CGraphique::RedimensionneImageProportionnee(image, CSize(s.width(), s.height()),
                                                           0, 1);
    }
    vue->setPixmap(PixmapQt(montre));
    disposition->addWidget(vue, 1);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent*) override { accept(); }
  void keyPressEvent(QKeyEvent*) override { accept(); }
};

OuvreurPleinEcran& Ouvreur() {
  static OuvreurPleinEcran ouvreur;
  return ouvreur;
}

}  // namespace

OuvreurPleinEcran InstalleOuvreurPleinEcran(OuvreurPleinEcran ouvreur) {
  return std::exchange(Ouvreur(), std::move(ouvreur));
}

void OuvrePleinEcran(QWidget* parent, CGraphique* graphique, const HBITMAP& image,
                     const CString& strTaille) {
  if (Ouvreur()) {
    Ouvreur()(parent, graphique, image, strTaille);
    return;
  }
  CVuePleinEcran vue(parent, image, strTaille);
  vue.showFullScreen();
  vue.exec();
}

}  // namespace talvik
