// The working screen EcranCourant and the commands that move it along the
// screen list. An edit never touches the list's screens directly: it
// changes EcranCourant, then Valide renders it again and copies it over the
// selected screen.
//
// Making a screen current answers at once: its settings are copied and
// shown, while its picture is loaded and the screen rendered on a worker
// (CChargementEcran); the working screen is filled in when they are ready,
// and a newer choice supersedes the load in progress. EcranPret waits for
// that load: whatever acts on the picture or the rendering goes through it.
//
// Whoever shows the working screen (the edit panels) refreshes on
// ecranCourantChange (once when the screen changes, again when its picture
// arrives). The screen list changes through the project controller
// (CContexte::Controleur), whose Undo and Redo the working screen follows.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

#include <memory>

#include "projet/contexte.h"

namespace lumaveil {

class CChargementEcran;

class CTravail : public QObject {
  Q_OBJECT
 public:
  // The image-operations object of `contexte` must exist already.
  explicit CTravail(CContexte& contexte, QObject* parent = nullptr);
  ~CTravail() override;

  // The working screen as it is now: its settings are always those of the
  // current screen, its picture and rendering may still be on their way.
  CEcran& EcranCourant() { return *contexte_.EcranCourant; }
  // The working screen once its picture is loaded and rendered (waits for
  // the load in progress, if any).
  CEcran& EcranPret();
  bool AUnEcranCourant() const { return contexte_.EcranCourant != nullptr; }
  // The working screen's picture is still being loaded.
  bool ChargementEnCours() const;

  // Renders EcranCourant completely at invalidation level `niveau` (0: the
  // picture changed, 1: rotation, 2: colour adjustment, 3: any later step).
  // A load in progress is dropped: the caller has set the screen up.
  void Rend(int niveau);

  // Makes screen i current: a new working screen from the template, list
  // item i selected, screen i's settings copied and shown at once; its
  // picture is loaded and the whole screen rendered on the worker.
  // Nothing for an index outside the list.
  void RendCourant(int index);
  // Commits the working screen as the change `nom` (noms_changements.h):
  // rendered again at `niveau`, copied over the selected screen with a new
  // thumbnail (the last generated screen saver is then forgotten). The
  // working screen of an empty list, once changed, goes in as screen 1.
  void Valide(int niveau, const char* nom = nullptr);

  // New screen: a blank working screen from the template, inserted after
  // the selection (the new item becomes selected). One change.
  void NouvelEcran();
  // Delete screen: the selected screen goes; the screen now at its place
  // (or the last one) becomes current; deleting the only screen leaves one
  // blank screen from the template. One change.
  void SupprimeEcran();
  // Previous / Next: the neighbouring screen becomes current; at either end
  // only the warning beep sounds.
  void Precedent();
  void Suivant();

  // The working screen goes (a new project); a load in progress is dropped.
  void Abandonne();

  // The end of the new-project routine: the last screen of the list becomes
  // current, or, for an empty list, a blank working screen from the
  // template is shown, in no list: the project stays empty until a picture
  // is added or that screen is changed.
  void PremierEcran();

  // Pictures chosen in the multi-selection chooser, in order: for each, the
  // working screen becomes a new one from the template with that picture
  // loaded and rendered, and a copy goes in after the selection (which
  // moves to it). One change, "Add photos".
  void InsereImages(const QStringList& chemins);

  // Undo and Redo (the project controller's): the working screen then
  // becomes the screen selected after the change, loaded again from its
  // settings (the same picture as when it was made).
  void Annule();
  void Refait();

 signals:
  void ecranCourantChange();

 private:
  void NouveauDepuisModele();
  // A blank working screen from the template, rendered and inserted after
  // the selection.
  void InsereVierge();
  // A blank working screen from the template, rendered, for an empty list.
  void MontreVierge();
  // Installs a finished load in the working screen.
  void Installe(std::unique_ptr<CEcran> charge);

  CContexte& contexte_;
  CControleurProjet& controleur_;
  std::unique_ptr<CChargementEcran> chargement_;
};

}  // namespace lumaveil
