// CDialogueMotifs: what the border and background editors share: the
// pattern list of the bank with its "Add pattern" and "Delete pattern"
// buttons, the preview area (a click opens the full-screen view) and the
// preview drawn on a worker thread.
#pragma once

#include <initializer_list>

#include <functional>

#include "base/bitmap.h"
#include "dialogs/apercu/dialogue_editeur.h"

class QGroupBox;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace talvik {

class CCouleurDlg;
class CZoneApercu;
class ListeMotifs;
class RenduDiffere;

class CDialogueMotifs : public CDialogueEditeur {
  Q_OBJECT

 public:
  ~CDialogueMotifs() override;

  int m_nMotif = -1;  // selected pattern number (0-based), -1 none

  // Remembers the object that holds the pattern bank and fills the
  // pattern list from it.
  void InitInstance(CGraphique* pGraphique);

  // Redraws the preview.
  virtual void AfficheImage() = 0;
  // The result as it would be built now, at its real size.
  virtual HBITMAP Resultat() = 0;

  // A click in the list: the selected item becomes m_nMotif; a click that
  // leaves nothing selected selects m_nMotif again. Redraws.
  void OnSelectionType();
  // The full-screen view of the result, without a size label.
  void OnPleinEcran();
  void OnAjoutMotifUtilisateur();
  void OnEffaceMotifUtilisateur();

  // Waits for the preview under way and shows it.
  void AttendApercu();

  ListeMotifs* Liste() const { return m_pListe; }
  CZoneApercu* Apercu() const { return m_pZone; }
  QPushButton* BoutonAjout() const { return m_pAjout; }
  QPushButton* BoutonEfface() const { return m_pEfface; }

 protected:
  CDialogueMotifs(QWidget* parent, const QString& titre, int nIcone, const QString& texte,
                  const QString& aide);

  // The opening, run once when the dialog is first shown; it ends with the
  // ready flag set.
  virtual void OnInitDialog() = 0;
  void showEvent(QShowEvent* event) override;

  // The preview area with the two pattern buttons under it, for the
  // editor's layout.
  QLayout* ColonneApercu();
  // The editor's frame of the type radios (none, pattern, colour, and any
  // more), named `titre`, their group giving each its id (as many ids as
  // radios); a click on one calls OnChangeAcces(id). Returns the frame's
  // layout, for more controls.
  QVBoxLayout* CadreTypes(const QString& titre, std::initializer_list<QRadioButton*> types,
                          std::initializer_list<int> ids);
  // The "Pattern" frame holding the pattern list.
  QGroupBox* CadreListe();
  // A frame named `titre` holding a colour chooser, which is returned.
  CCouleurDlg* CadreChoixCouleur(const QString& titre, QGroupBox*& cadre);
  // The body: the editor's column `gauche` (it takes the spare width),
  // then the preview column.
  void DisposeCorps(QLayout* gauche);
  // A type radio was clicked (its id).
  virtual void OnChangeAcces(unsigned id) = 0;
  // Selects m_nMotif in the list without reacting to it.
  void SelectionneMotif();
  // Draws resultat() on the worker thread, reduced to fit the preview area.
  void DemandeApercu(std::function<HBITMAP()> resultat);

  CGraphique* m_pGraphique = nullptr;
  ListeMotifs* m_pListe = nullptr;
  int m_bPret = 0;  // the opening is over: the handlers react

 private:
  CZoneApercu* m_pZone = nullptr;
  QPushButton* m_pAjout = nullptr;
  QPushButton* m_pEfface = nullptr;
  RenduDiffere* m_pRendu = nullptr;
  int m_nFiltre = 0;  // last filter of the pattern file chooser
  bool m_bInitialise = false;
};

}  // namespace talvik
