// CEditColor: a one-line edit box with its own text and background
// colours (the text editor shows its sample text this way).
#pragma once

#include <QLineEdit>

#include "base/wintypes.h"

namespace talvik {

class CEditColor : public QLineEdit {
  Q_OBJECT

 public:
  // Text black, background the system's button face.
  explicit CEditColor(QWidget* parent = nullptr);
  ~CEditColor() override;

  // Stores the colour and repaints.
  void SetTextColor(COLORREF couleur);
  void SetBkColor(COLORREF couleur);

  COLORREF CouleurTexte() const { return m_crTexte; }
  COLORREF CouleurFond() const { return m_crFond; }

 private:
  void AppliqueCouleurs();

  COLORREF m_crTexte = 0;
  COLORREF m_crFond = 0;
};

// A COLORREF (0x00BBGGRR) as a Qt colour and back.
QColor CouleurQt(COLORREF couleur);
COLORREF CouleurWindows(const QColor& couleur);

}  // namespace talvik
