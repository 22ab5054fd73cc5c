// CPleinEcranDlg: the full-screen picture viewer. The picture is shown
// centred on a black screen; keypad + and - zoom by one twentieth of the
// picture's own size, space gives the own size back, the arrows and the
// mouse wheel move a picture smaller than the screen by 10 pixels, and a
// click closes the viewer (so does its delay when m_nDelai is set). In
// slide mode every key, click and wheel turn only requests a stop, read by
// AfficheEtTeste.
#pragma once

#include <QDialog>
#include <QTimer>

#include "base/bitmap.h"
#include "base/mfctypes.h"

class QLabel;

namespace talvik {

class CGraphique;

class CPleinEcranDlg : public QDialog {
  Q_OBJECT

 public:
  // Commands of the keys (the viewer's hidden buttons).
  enum : unsigned {
    ID_PLUS = 1201,
    ID_IMAGE = 1202,
    ID_MOINS = 1203,
    ID_NORMAL = 1204,
    ID_HAUT = 1205,
    ID_BAS = 1206,
    ID_GAUCHE = 1207,
    ID_DROITE = 1208,
  };
  // Widest shown picture that can still be enlarged.
  static constexpr int kLargeurMaximale = 1920;
  // Distance of one move, in pixels.
  static constexpr int kPasDeplacement = 10;

  explicit CPleinEcranDlg(QWidget* parent = nullptr);
  ~CPleinEcranDlg() override;

  int m_nLargeurEcran = 0;       // screen width, pixels (measured at opening)
  int m_nHauteurEcran = 0;       // screen height, pixels
  CSize m_sizeOrigine;           // the picture's own size
  int m_nLargeurAffichee = 0;    // size the picture is shown at
  int m_nHauteurAffichee = 0;
  CGraphique* m_pGraphique = nullptr;
  int m_bArret = 0;              // slide mode: a stop was requested
  int m_bDiaporama = 0;          // slide mode
  HBITMAP m_hImage;              // the picture to show (the caller's)
  HBITMAP m_hImageZoom;          // the picture at the shown size
  CString m_strTaille;           // label at the top left, hidden when empty
  int m_nDelai = 0;              // closes by itself after this many ms; 0 never

  // Remembers the graphics object; with a picture, its size becomes the
  // own size and the shown size.
  void InitInstance(CGraphique* graphique);
  // Shows the picture stretched to the size, centred on the screen.
  void Zoom(CSize taille);
  // Slide mode: shows m_hImage as it is, handles the waiting events and
  // returns m_bArret.
  int AfficheEtTeste();
  // Handles the waiting events; 0 when the application is closing.
  int PeekAndPump();

  void OnZoom(unsigned id);     // ID_PLUS, ID_MOINS, ID_NORMAL
  void OnDeplace(unsigned id);  // ID_HAUT .. ID_DROITE
  void OnSortie();              // click on the picture

  // Top-left corner of the shown picture on the screen.
  QPoint PositionImage() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool eventFilter(QObject* objet, QEvent* event) override;

 private:
  void Ouverture();
  void AfficheBitmap(const HBITMAP& image);

  QLabel* m_pImage = nullptr;
  QLabel* m_pTaille = nullptr;
  QTimer m_Delai;
  bool m_bOuvert = false;
};

}  // namespace talvik
