// CModeleListe: the screen list as a list model over the project
// controller. Row i is screen i of the project: its label ("001", "002",
// ...), its thumbnail, and for a screen shown beside another (portraits in
// pairs) the description "Shown beside 003" that assistive tools read.
// The rows follow the controller's one signal `change`: an insert, delete
// or move of a screen is the same insert, delete or move of a row; a
// screen with other settings changes its row; a whole new project resets
// the model. The model holds no screen: only what the rows show.
//
// Thumbnails of screens that have a rendered picture are made at once;
// the others are asked of the thumbnail workers (CFabriqueVignettes) and
// land on their row when ready, the framed backdrop showing meanwhile. A
// thumbnail made is kept by the controller with its screen (Undo brings a
// screen back with it).
#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <cstdint>
#include <utility>
#include <vector>

#include "liste/fabrique_vignettes.h"
#include "projet/controleur_projet.h"

namespace lumaveil {

class CModeleListe : public QAbstractListModel {
  Q_OBJECT
 public:
  // The request a row waits for from the workers (0: none).
  static constexpr int kRoleJeton = Qt::UserRole + 1;

  // Thumbnails are made at `echelle` times 140 x 100 (the display's scale
  // times the zoom, rounded up).
  CModeleListe(CControleurProjet& controleur, talvik::CGraphique& graphique, int echelle,
               QObject* parent = nullptr);
  ~CModeleListe() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // Every row made again from the project: labels and backdrops at once,
  // thumbnails from the workers in list order.
  void Recharge();
  // Thumbnails from now on at `echelle` times 140 x 100 (a zoom, or the
  // display's scale); every row whose thumbnail is smaller is made again
  // at that scale, its present thumbnail shown stretched until then (a
  // larger one is only reduced as it is shown). Nothing for the same scale.
  void FixeEchelle(int echelle);
  int Echelle() const { return echelle_; }

  // The 140 x 100 backdrop of the thumbnails.
  const talvik::HBITMAP& FondVignette() const { return fond_; }
  CFabriqueVignettes& Fabrique() { return *fabrique_; }
  // Thumbnails asked of the workers and not yet shown.
  int VignettesEnAttente() const { return fabrique_->EnAttente(); }
  // The screens shown side by side, first and second of each pair.
  const std::vector<std::pair<int, int>>& Paires() const { return paires_; }

 signals:
  // A thumbnail from the workers is now shown on row `index`.
  void vignetteAffichee(int index);
  // The pairs shown joined changed.
  void pairesChangees();

 private:
  struct Ligne {
    QIcon icone;
    QPixmap image;  // what the icon shows (null: the backdrop)
    std::uint64_t jeton = 0;
    QString description;
  };
  void Suit(const CChangement& changement);
  // Which screens are paired, from the project (paires_portraits.h).
  void RevoitPaires();
  void Renumerote(int depuis);
  void MontreVignette(int index, const talvik::HBITMAP& vignette);
  // The thumbnail of row `index`: the one the screen keeps (a screen taken
  // back by Undo), else made from `source`'s rendering, else by the workers.
  // `garde`: the row keeps showing what it shows until the workers answer.
  void DemandeVignette(int index, const CEcran* source, bool garde = false);
  void Recoit(std::uint64_t jeton, const talvik::HBITMAP& vignette);

  CControleurProjet& controleur_;
  talvik::CGraphique& graphique_;
  int echelle_ = 1;
  talvik::HBITMAP fond_;  // 140 x 100 backdrop (times echelle_)
  QIcon iconeFond_;       // the framed backdrop shown while a thumbnail is made
  CFabriqueVignettes* fabrique_;
  std::uint64_t prochainJeton_ = 1;
  std::vector<Ligne> lignes_;
  std::vector<std::pair<int, int>> paires_;
};

// Label of row `index`: "%3d" of index + 1 with spaces as "0".
QString LibelleItem(int index);

}  // namespace lumaveil
