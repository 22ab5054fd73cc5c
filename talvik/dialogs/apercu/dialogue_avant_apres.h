// What the crop and colour-adjustment editors share beyond the editor's
// frame: the "Before" and "After" preview areas side by side, a click on
// either opening its full-screen view, redraws gathered until the pending
// changes are in, and the set-up run once at the first show.
#pragma once

#include <QTimer>

#include "dialogs/apercu/dialogue_editeur.h"

namespace talvik {

class CZoneApercu;

class CDialogueAvantApres : public CDialogueEditeur {
  Q_OBJECT

 public:
  // Preview areas: 0 "Before", 1 "After".
  CZoneApercu* Zone(int i) const { return m_pZone[i]; }

  // Clicks on the previews.
  virtual void OnPleinEcranAvant() = 0;
  virtual void OnPleinEcranApres() = 0;

 protected:
  CDialogueAvantApres(QWidget* parent, const QString& titre, int nIcone, const QString& texte,
                      const QString& aide);

  // Adds the two areas to the body, each under its title (its accessible
  // name); the editor calls it after its own controls.
  void AjouteApercus();
  // Redraws "After", and "Before" too when `avantAussi`, once the changes
  // that are still coming in have arrived.
  void DemandeAffichage(bool avantAussi);
  // Draws preview i.
  virtual void AfficheImage(int i) = 0;
  // The set-up at the first show (the members are set by then).
  virtual void OnInitDialog() = 0;

  void showEvent(QShowEvent* event) override;

 private:
  CZoneApercu* m_pZone[2] = {nullptr, nullptr};
  QTimer m_timerAffichage;
  bool m_bAvantAussi = false;
  bool m_bInitialise = false;
};

}  // namespace talvik
