// The working screen EcranCourant and the commands that move it along the
// screen list. An edit never touches the list's screens directly: it
// changes EcranCourant, then Valide renders it again and copies it over the
// selected screen.
//
// Whoever shows the working screen (the edit panels) refreshes on
// ecranCourantChange; whoever owns the document's modified flag sets it on
// modifie.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

#include "app/contexte.h"

namespace lumaveil {

class CListeView;

class CTravail : public QObject {
  Q_OBJECT
 public:
  CTravail(CContexte& contexte, CListeView& liste, QObject* parent = nullptr);

  CEcran& EcranCourant() { return *contexte_.EcranCourant; }
  bool AUnEcranCourant() const { return contexte_.EcranCourant != nullptr; }

  // Renders EcranCourant completely at invalidation level `niveau` (0: the
  // picture changed, 1: rotation, 2: colour adjustment, 3: any later step).
  void Rend(int niveau);

  // Makes screen i current: a new working screen from the template, list
  // item i selected, screen i's settings copied, its picture loaded and the
  // whole screen rendered. Nothing for an index outside the list.
  void RendCourant(int index);
  // Commits the working screen: rendered again at `niveau`, copied over the
  // selected screen with a new thumbnail, the project marked modified, the
  // last generated screen saver forgotten.
  void Valide(int niveau);

  // New screen: a blank working screen from the template, inserted after
  // the selection (the new item becomes selected). Not a modification.
  void NouvelEcran();
  // Delete screen: the selected screen goes; the screen now at its place
  // (or the last one) becomes current; deleting the only screen leaves one
  // blank screen from the template. Marks the project modified.
  void SupprimeEcran();
  // Previous / Next: the neighbouring screen becomes current; at either end
  // only the warning beep sounds.
  void Precedent();
  void Suivant();

  // The end of the new-project routine: the last screen of the list becomes
  // current, or, for an empty list, a blank screen from the template is
  // inserted as the only screen.
  void PremierEcran();

  // Pictures chosen in the multi-selection chooser, in order: for each, the
  // working screen becomes a new one from the template with that picture
  // loaded and rendered, and a copy goes in after the selection (which
  // moves to it).
  void InsereImages(const QStringList& chemins);

 signals:
  void ecranCourantChange();
  void modifie();

 private:
  void NouveauDepuisModele();

  CContexte& contexte_;
  CListeView& liste_;
};

}  // namespace lumaveil
