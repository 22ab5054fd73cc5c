#include "liste/modele_liste.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>
#include <algorithm>

#include "dialogs/commun/image_qt.h"
#include "graphique.h"
#include "paires_portraits.h"

namespace lumaveil {

namespace {

constexpr int kLargeurImage = 150;

// The thumbnails' backdrop, drawn at `echelle` times 140 x 100: the
// thumbnails are then made at that scale (EchelleVignette).
talvik::HBITMAP FondDepuisRessource(int echelle) {
  const int largeur = kVignetteLargeur * echelle, hauteur = kVignetteHauteur * echelle;
  QImage image(largeur, hauteur, QImage::Format_RGB32);
  image.fill(QColor(0xE8, 0xE8, 0xE8));
  QPainter peintre(&image);
  QSvgRenderer rendu(QStringLiteral(":/icones/fond_vignette.svg"));
  if (rendu.isValid()) rendu.render(&peintre, QRectF(0, 0, largeur, hauteur));
  peintre.end();
  return talvik::BitmapDepuisImageQt(image);
}

// A thumbnail shown at its 150 x 110 place, whatever scale it was made at
// (the view's icon size, larger when zoomed, reduces it from there).
QIcon IconeVignette(QPixmap pixmap) {
  pixmap.setDevicePixelRatio(std::max(1.0, double(pixmap.width()) / kLargeurImage));
  return QIcon(pixmap);
}

}  // namespace

QString LibelleItem(int index) {
  return QString::asprintf("%3d", index + 1).replace(' ', '0');
}

CModeleListe::CModeleListe(CControleurProjet& controleur, talvik::CGraphique& graphique,
                           int echelle, QObject* parent)
    : QAbstractListModel(parent),
      controleur_(controleur),
      graphique_(graphique),
      echelle_(std::max(1, echelle)) {
  fond_ = FondDepuisRessource(echelle_);
  iconeFond_ = IconeVignette(
      talvik::PixmapQt(graphique_.CadreImage(fond_, 0, 0, 0x00C0C0C0, 5 * echelle_, 0, 0, 1)));
  fabrique_ = new CFabriqueVignettes(this);
  fabrique_->FixeFond(fond_);
  fabrique_->FixeReception(
      [this](std::uint64_t jeton, talvik::HBITMAP vignette) { Recoit(jeton, vignette); });
  connect(&controleur_, &CControleurProjet::change, this, &CModeleListe::Suit);
  // Pairs follow any change of the project (its screens or the option),
  // once every observer has seen it.
  connect(&controleur_, &CControleurProjet::change, this,
          [this] { QTimer::singleShot(0, this, &CModeleListe::RevoitPaires); });
}

CModeleListe::~CModeleListe() { fabrique_->Arrete(); }

int CModeleListe::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(lignes_.size());
}

QVariant CModeleListe::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= int(lignes_.size())) return {};
  const Ligne& ligne = lignes_[std::size_t(index.row())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
      return LibelleItem(index.row());
    case Qt::DecorationRole:
      return ligne.icone;
    case Qt::AccessibleDescriptionRole:
      return ligne.description.isEmpty() ? QVariant() : QVariant(ligne.description);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::Alignment(Qt::AlignHCenter | Qt::AlignTop));
    case kRoleJeton:
      return QVariant::fromValue<qulonglong>(ligne.jeton);
    default:
      return {};
  }
}

void CModeleListe::Suit(const CChangement& c) {
  using G = CChangement::Genre;
  switch (c.genre) {
    case G::Insertion:
      beginInsertRows({}, c.index, c.index);
      lignes_.insert(lignes_.begin() + c.index, Ligne{iconeFond_, {}, 0, {}});
      endInsertRows();
      Renumerote(c.index + 1);
      DemandeVignette(c.index, c.source);
      break;
    case G::Suppression:
      beginRemoveRows({}, c.index, c.index);
      lignes_.erase(lignes_.begin() + c.index);
      endRemoveRows();
      Renumerote(c.index);
      break;
    case G::Remplacement:
      DemandeVignette(c.index, c.source);
      break;
    case G::Deplacement: {
      if (c.index == c.vers) break;
      // Qt names the row the moved one goes before, in the list as it was.
      beginMoveRows({}, c.index, c.index, {}, c.vers > c.index ? c.vers + 1 : c.vers);
      Ligne ligne = std::move(lignes_[std::size_t(c.index)]);
      lignes_.erase(lignes_.begin() + c.index);
      lignes_.insert(lignes_.begin() + c.vers, std::move(ligne));
      endMoveRows();
      Renumerote(std::min(c.index, c.vers));
      break;
    }
    case G::Tout:
      Recharge();
      break;
    case G::Projet:
      break;
  }
}

void CModeleListe::Recharge() {
  fabrique_->AnnuleTout();
  beginResetModel();
  lignes_.assign(std::size_t(controleur_.NombreEcrans()), Ligne{iconeFond_, {}, 0, {}});
  paires_.clear();
  endResetModel();
  for (int i = 0; i < controleur_.NombreEcrans(); ++i) DemandeVignette(i, &controleur_.Ecran(i));
}

void CModeleListe::FixeEchelle(int echelle) {
  echelle = std::max(1, echelle);
  if (echelle == echelle_) return;
  echelle_ = echelle;
  fond_ = FondDepuisRessource(echelle_);
  iconeFond_ = IconeVignette(
      talvik::PixmapQt(graphique_.CadreImage(fond_, 0, 0, 0x00C0C0C0, 5 * echelle_, 0, 0, 1)));
  fabrique_->FixeFond(fond_);
  // Thumbnails made at this scale or larger are reduced as they are shown:
  // only the smaller ones are made again, the present one shown stretched
  // meanwhile.
  const QSize taille(kLargeurImage * echelle_, (kVignetteHauteur + 10) * echelle_);
  for (int i = 0; i < rowCount(); ++i) {
    Ligne& ligne = lignes_[std::size_t(i)];
    if (!ligne.image.isNull() && ligne.image.width() >= taille.width()) continue;
    ligne.icone = ligne.image.isNull()
                      ? iconeFond_
                      : IconeVignette(ligne.image.scaled(taille, Qt::IgnoreAspectRatio,
                                                         Qt::SmoothTransformation));
    DemandeVignette(i, &controleur_.Ecran(i), true);
  }
  if (rowCount() > 0) emit dataChanged(index(0), index(rowCount() - 1), {Qt::DecorationRole});
}

void CModeleListe::Renumerote(int depuis) {
  const int fin = rowCount() - 1;
  if (depuis > fin) return;
  emit dataChanged(index(std::max(depuis, 0)), index(fin),
                   {Qt::DisplayRole, Qt::AccessibleTextRole});
}

void CModeleListe::MontreVignette(int i, const talvik::HBITMAP& vignette) {
  if (i < 0 || i >= rowCount()) return;
  Ligne& ligne = lignes_[std::size_t(i)];
  ligne.jeton = 0;
  if (vignette) {
    controleur_.FixeVignette(i, vignette);
    ligne.image = talvik::PixmapQt(vignette);
    ligne.icone = IconeVignette(ligne.image);
  } else {
    ligne.image = QPixmap();
    ligne.icone = iconeFond_;
  }
  emit dataChanged(index(i), index(i), {Qt::DecorationRole, kRoleJeton});
}

void CModeleListe::DemandeVignette(int i, const CEcran* source, bool garde) {
  // A screen taken back by Undo comes with the thumbnail it had (made at
  // this scale or larger).
  const CEcran& ecran = controleur_.Ecran(i);
  if (!source && ecran.Vignette && int(ecran.Vignette.Width()) >= kLargeurImage * echelle_) {
    MontreVignette(i, ecran.Vignette);
    return;
  }
  if (source && source->ImageFinale) {
    CEcran cible(source->TailleCible);
    cible.CreeVignette(graphique_, &source->ImageFinale, &fond_);
    MontreVignette(i, cible.Vignette);
    return;
  }
  Ligne& ligne = lignes_[std::size_t(i)];
  if (!garde) {
    ligne.icone = iconeFond_;
    ligne.image = QPixmap();
  }
  ligne.jeton = prochainJeton_++;
  emit dataChanged(index(i), index(i), {Qt::DecorationRole, kRoleJeton});
  fabrique_->Demande(ligne.jeton, ecran);
}

void CModeleListe::Recoit(std::uint64_t jeton, const talvik::HBITMAP& vignette) {
  for (int i = 0; i < rowCount(); ++i) {
    if (lignes_[std::size_t(i)].jeton == jeton) {
      MontreVignette(i, vignette);
      emit vignetteAffichee(i);
      return;
    }
  }
}

void CModeleListe::RevoitPaires() {
  std::vector<std::pair<int, int>> paires;
  for (const GroupeEcrans& g : GroupesDuProjet(controleur_.Projet(), controleur_.PairePortraits() != 0))
    if (g.Paire() && g.premier < rowCount() && g.second < rowCount())
      paires.emplace_back(g.premier, g.second);
  std::vector<QString> descriptions(lignes_.size());
  for (const auto& [a, b] : paires) {
    descriptions[std::size_t(a)] = tr("Shown beside %1").arg(LibelleItem(b));
    descriptions[std::size_t(b)] = tr("Shown beside %1").arg(LibelleItem(a));
  }
  for (int i = 0; i < rowCount(); ++i) {
    if (lignes_[std::size_t(i)].description == descriptions[std::size_t(i)]) continue;
    lignes_[std::size_t(i)].description = descriptions[std::size_t(i)];
    emit dataChanged(index(i), index(i), {Qt::AccessibleDescriptionRole});
  }
  if (paires != paires_) {
    paires_ = std::move(paires);
    emit pairesChangees();
  }
}

}  // namespace lumaveil
