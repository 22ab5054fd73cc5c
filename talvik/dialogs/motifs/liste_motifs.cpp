#include "dialogs/motifs/liste_motifs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QStringList>
#include <QTimer>

#include "chaines.h"
#include "dialogs/commun/boite_message.h"
#include "dialogs/commun/image_qt.h"
#include "graphique.h"

namespace talvik {

namespace {

constexpr int kTailleVignette = 40;

// The thumbnail of pattern n for a display at the given scale: the bank's
// 40 x 40 thumbnail at 100 %, else the pattern stretched the same way to the
// physical pixels of that square, so that it is not blurred by the display.
QIcon IconeMotif(const CGraphique& graphique, int n, qreal echelle) {
  if (echelle > 1) {
    const LONG cote = LONG(qRound(kTailleVignette * echelle));
    HBITMAP vignette;
    CGraphique::RedimensionneImage(&vignette, graphique.Motif(n), CSize(cote, cote));
    if (vignette) {
      QPixmap pixmap = PixmapQt(vignette);
      pixmap.setDevicePixelRatio(echelle);
      return QIcon(pixmap);
    }
  }
  return QIcon(PixmapQt(graphique.VignetteMotif(n)));
}

QListWidgetItem* NouvelElement(const CGraphique& graphique, int n, qreal echelle) {
  auto* element = new QListWidgetItem(IconeMotif(graphique, n, echelle), LibelleMotif(n));
  element->setTextAlignment(Qt::AlignHCenter);
  return element;
}

// The filters of the pattern file chooser, in their designed order.
QStringList FiltresMotif() {
  const QString tous = QString::fromStdString(ChargeChaine(IDS_TOUS_FICHIERS));
  return {QCoreApplication::translate("talvik::ListeMotifs", "Jpeg (*.jpg)"),
          QCoreApplication::translate("talvik::CGraphique", "Bitmap (*.bmp)"),
          QCoreApplication::translate("talvik::ListeMotifs", "Gif (*.gif)"),
          QCoreApplication::translate("talvik::CGraphique", "PNG (*.png)"),
          QStringLiteral("%1 (*.*)").arg(tous)};
}

}  // namespace

QString LibelleMotif(int n) { return QStringLiteral("%1").arg(n + 1, 2, 10, QLatin1Char('0')); }

ListeMotifs::ListeMotifs(const QString& nomAccessible, QWidget* parent) : QListWidget(parent) {
  setViewMode(QListView::IconMode);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setIconSize(QSize(kTailleVignette, kTailleVignette));
  setGridSize(QSize(kTailleVignette + 16, kTailleVignette + 24));
  setResizeMode(QListView::Adjust);
  setMovement(QListView::Static);
  setWrapping(true);
  setUniformItemSizes(true);
  setAccessibleName(nomAccessible);
}

void ListeMotifs::Remplit(const CGraphique& graphique) {
  clear();
  const int total = kPremierMotifUtilisateur + graphique.NombreMotifsUtilisateur();
  for (int n = 0; n < total; ++n) addItem(NouvelElement(graphique, n, devicePixelRatio()));
}

void ListeMotifs::Selectionne(int n) {
  if (n < 0 || n >= count()) {
    clearSelection();
    return;
  }
  QListWidgetItem* element = item(n);
  setCurrentItem(element, QItemSelectionModel::ClearAndSelect);
  scrollToItem(element);
}

void ListeMotifs::showEvent(QShowEvent* event) {
  QListWidget::showEvent(event);
  // After the dialog's layout has given the list its size.
  QTimer::singleShot(0, this, [this] {
    if (count() == 0) return;
    doItemsLayout();
    const int choisi = Selection();
    scrollToItem(item(choisi == -1 ? 0 : choisi), QAbstractItemView::PositionAtTop);
  });
}

int ListeMotifs::Selection() const {
  const QList<QListWidgetItem*> choisis = selectedItems();
  return choisis.isEmpty() ? -1 : row(choisis.front());
}

void ListeMotifs::AjouteMotif(const CGraphique& graphique, int n) {
  if (n == count()) addItem(NouvelElement(graphique, n, devicePixelRatio()));
}

void ListeMotifs::RetireMotif(const CGraphique& graphique, int n) {
  if (n < 0 || n >= count()) return;
  delete takeItem(n);
  for (int k = n; k < count(); ++k) {
    item(k)->setText(LibelleMotif(k));
    item(k)->setIcon(IconeMotif(graphique, k, devicePixelRatio()));
  }
}

int AjouteMotifUtilisateur(QWidget* parent, CGraphique& graphique, ListeMotifs& liste,
                           int& nFiltre) {
  const QStringList filtres = FiltresMotif();
  QFileDialog choix(parent);
  choix.setAcceptMode(QFileDialog::AcceptOpen);
  choix.setFileMode(QFileDialog::ExistingFile);
  choix.setDefaultSuffix(QStringLiteral("jpg"));
  choix.setNameFilters(filtres);
  choix.selectNameFilter(filtres.value(std::max(nFiltre, 1) - 1, filtres.front()));
  if (choix.exec() != QDialog::Accepted || choix.selectedFiles().isEmpty()) return -1;

  const CString chemin = choix.selectedFiles().front().toStdString();
  if (!graphique.AjoutImageFondUtilisateur(chemin)) {
    BoiteMessage(parent, ChargeChaine(IDS_AJOUT_MOTIF), ChargeChaine(IDS_ERREUR_LIBRAIRIE),
                 IconeMessage::Erreur);
    return -1;
  }
  nFiltre = int(filtres.indexOf(choix.selectedNameFilter())) + 1;
  const int n = kPremierMotifUtilisateur + graphique.NombreMotifsUtilisateur() - 1;
  liste.AjouteMotif(graphique, n);
  return n;
}

int EffaceMotifUtilisateur(QWidget* parent, CGraphique& graphique, ListeMotifs& liste,
                           int nMotif) {
  if (nMotif == -1) {
    Bip();
    return -1;
  }
  if (!graphique.EffaceImageFondUtilisateur(nMotif)) {
    BoiteMessage(parent, ChargeChaine(IDS_SUPPRESSION_MOTIF), ChargeChaine(IDS_ERREUR_LIBRAIRIE),
                 IconeMessage::Erreur);
    return -1;
  }
  liste.RetireMotif(graphique, nMotif);
  return nMotif < liste.count() ? nMotif : liste.count() - 1;
}

}  // namespace talvik
