// CAproposdeDlg: a borderless picture box centred on the screen, closed by
// a click on the picture or after m_nSecondes (the maker's start-up
// picture and its about box).
#pragma once

#include <QDialog>
#include <QTimer>

#include "base/bitmap.h"
#include "base/mfctypes.h"

class QLabel;

namespace talvik {

class CAproposdeDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAproposdeDlg(QWidget* parent = nullptr);
  ~CAproposdeDlg() override;

  HBITMAP m_hImage;      // the picture (the caller's)
  CString m_strTitre;    // the window title
  int m_nSecondes = 0;   // closes by itself after this delay; 0 never

  void OnCarteVisite();  // click on the picture: closes (accepted)

  QLabel* Image() const { return m_pImage; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* objet, QEvent* event) override;

 private:
  QLabel* m_pImage = nullptr;
  QTimer m_Delai;
  bool m_bOuvert = false;
};

}  // namespace talvik
