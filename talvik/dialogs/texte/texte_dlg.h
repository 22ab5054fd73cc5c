// CTexteDlg: the text editor. Five tabs, one page (CMiniTexteDlg) per text
// overlay of a screen, beside a preview of the picture with every used
// text drawn on it at the picture's real size, then reduced to fit (only
// the texts' boxes are drawn at full size, on a worker thread). Each
// change on a page reads all pages back into the records and redraws the
// preview.
//
// Calling pattern: construct, set m_nLargeur, m_nHauteur, m_hImage and
// the five records, InitInstance(), DoModal(), always DesInitInstance();
// on IDOK copy the five records back.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "base/bitmap.h"
#include "base/mfctypes.h"
#include "dialogs/apercu/dialogue_editeur.h"
#include "text/texte.h"

class QTabWidget;

namespace talvik {

class CMiniTexteDlg;
class CZoneApercu;
class RenduDiffere;

class CTexteDlg : public CDialogueEditeur {
  Q_OBJECT

 public:
  static constexpr int kNombreTextes = 5;
  // Controls of the dialog.
  enum : unsigned { ID_APERCU = 2238, ID_RESET = 2239, ID_ONGLETS = 2240 };

  explicit CTexteDlg(QWidget* parent = nullptr);
  ~CTexteDlg() override;

  int m_nLargeur = 0;                // picture width, pixels
  int m_nHauteur = 0;                // picture height, pixels
  HBITMAP m_hImage;                  // the picture before the text step (caller's)
  T_TEXTE m_Textes[kNombreTextes];   // the texts being edited
  // What the preview draws for a caption: its text with its fields written
  // out, or nothing when it is not drawn (every field empty). Called on the
  // preview's worker thread. Unset: the text as it stands.
  std::function<std::optional<std::string>(const T_TEXTE&)> m_fnLibelle;
  // The font a caption gets when it receives its first text in the editor
  // (one sized for the screen); unset, it keeps the font it had.
  std::optional<LOGFONT> m_lfNouvelleLegende;

  void InitInstance(CGraphique* pGraphique);
  // Destroys the five pages (their fonts and colour choosers with them).
  void DesInitInstance();

  // Every record: not used, empty, the dialog's font, absolute at (0, 0),
  // left anchor, margins 20, black ink and background, transparent; the
  // vertical anchor is kept.
  void ValeurDefaut();
  // Records to pages and pages to records.
  void AfficheValeurs();
  void LectureValeurs();
  // Redraws the preview (on a worker thread; see AttendApercu).
  void AfficheImage();
  // Where a text is drawn on a picture of the given size.
  CPoint CalculePositionTexte(const T_TEXTE& texte, CSize taille) const;

  void OnTexteSelection();
  void OnPleinEcran();
  void PriseEnCompteChangementTexte();

  // The picture with every used text drawn on it, at its real size.
  HBITMAP Resultat() const;
  // Waits for the preview under way and shows it.
  void AttendApercu();

  CMiniTexteDlg* Page(int i) const;
  QTabWidget* Onglets() const { return m_pOnglets; }
  CZoneApercu* Apercu() const { return m_pZone; }

 protected:
  void showEvent(QShowEvent* event) override;
  void OnReset() override;
  void OnOK() override;

 private:
  void OnInitDialog();
  // The records as the picture shows them (m_fnLibelle applied).
  void TextesDessines(T_TEXTE (&textes)[kNombreTextes]) const;

  CGraphique* m_pGraphique = nullptr;
  CZoneApercu* m_pZone = nullptr;
  CMiniTexteDlg* m_pPages[kNombreTextes] = {};
  QTabWidget* m_pOnglets = nullptr;
  RenduDiffere* m_pRendu = nullptr;
  HBITMAP m_hImageReduite;  // the picture m_hReduite was made from
  HBITMAP m_hReduite;       // it reduced to the preview area (null when it fits)
  bool m_bInitialise = false;
  bool m_bVide[kNombreTextes] = {};   // no text when the editor opened, font not chosen since
  LOGFONT m_lfOuverture[kNombreTextes];  // each caption's font when the editor opened
};

}  // namespace talvik
