// The commands of the project controller: one class per kind of change to a
// project, each on the controller's undo stack. A command applies its
// change (redo), announces it through the controller and takes it back
// (undo), keeping what it needs to put the project back exactly: a deleted
// screen is kept whole (settings and thumbnail) and goes back at its place,
// a replaced screen's former record comes back with the thumbnail it had.
//
// The first redo is the change being made; later ones (and every undo) are
// announced with CChangement::repris.
#pragma once

#include <QUndoCommand>
#include <memory>
#include <vector>

#include "ecran.h"
#include "projet.h"

namespace lumaveil {

class CControleurProjet;

// What every command shares: the controller, and whether the change has
// been made once already.
class CCommandeProjet : public QUndoCommand {
 public:
  CCommandeProjet(CControleurProjet& controleur, const QString& texte);
  void redo() final;
  void undo() final;

 protected:
  virtual void Fait(bool repris) = 0;
  virtual void Defait() = 0;
  CControleurProjet& controleur_;

 private:
  bool fait_ = false;
};

// A new screen at `index`; it becomes the selection. Undo removes it and
// selects what was selected before.
class CInsertionEcran : public CCommandeProjet {
 public:
  CInsertionEcran(CControleurProjet& controleur, const QString& texte, int index,
                  std::unique_ptr<CEcran> ecran, const CEcran* source);

 protected:
  void Fait(bool repris) override;
  void Defait() override;

 private:
  int index_;
  int selectionAvant_;
  std::unique_ptr<CEcran> ecran_;  // the screen while it is not in the project
  const CEcran* source_;           // the rendered source, for the first time only
};

// Screen `index` leaves the list; undo puts the same screen back there.
class CSuppressionEcran : public CCommandeProjet {
 public:
  CSuppressionEcran(CControleurProjet& controleur, const QString& texte, int index);

 protected:
  void Fait(bool repris) override;
  void Defait() override;

 private:
  int index_;
  int selectionAvant_;
  std::unique_ptr<CEcran> ecran_;  // the screen while it is out of the project
};

// Screen `index` takes another record; undo gives it its former one back.
class CRemplacementEcran : public CCommandeProjet {
 public:
  CRemplacementEcran(CControleurProjet& controleur, const QString& texte, int index,
                     std::unique_ptr<CEcran> ecran, const CEcran* source);

 protected:
  void Fait(bool repris) override;
  void Defait() override;

 private:
  int index_;
  std::unique_ptr<CEcran> autre_;  // the record not in the project now
  const CEcran* source_;
};

// Screen `de` goes to position `vers`.
class CDeplacementEcran : public CCommandeProjet {
 public:
  CDeplacementEcran(CControleurProjet& controleur, const QString& texte, int de, int vers);

 protected:
  void Fait(bool repris) override;
  void Defait() override;

 private:
  int de_, vers_;
};

// The project's own settings (CProjet::EchangeReglages) take those of
// `reglages`; undo swaps them back.
class CReglagesProjet : public CCommandeProjet {
 public:
  CReglagesProjet(CControleurProjet& controleur, const QString& texte,
                  std::unique_ptr<CProjet> reglages);

 protected:
  void Fait(bool repris) override;
  void Defait() override;

 private:
  std::unique_ptr<CProjet> reglages_;  // the settings not in the project now
};

// Several changes made as one (a file drop, every screen made again).
// Its children are made as they come, before the group is on the stack: the
// first redo of the group does nothing.
// Undone, the selection goes back to the screen selected before the first
// change; redone, to the one selected after the last.
class CGroupeCommandes : public QUndoCommand {
 public:
  CGroupeCommandes(CControleurProjet& controleur, const QString& texte);
  // The group is complete: the selection now is the one after it.
  void Ferme();
  // `commande` has just been made (its first redo ran).
  void Ajoute(std::unique_ptr<QUndoCommand> commande);
  int Taille() const { return int(enfants_.size()); }
  // Takes back the changes made since the first `garde` and forgets them.
  void DefaitDepuis(int garde);
  void redo() override;
  void undo() override;

 private:
  CControleurProjet& controleur_;
  std::vector<std::unique_ptr<QUndoCommand>> enfants_;
  int selectionAvant_;
  int selectionApres_ = -1;
  bool fait_ = false;
};

}  // namespace lumaveil
