#include "dialogs/commun/edit_color.h"

#include <QApplication>
#include <QPalette>

namespace talvik {

QColor CouleurQt(COLORREF couleur) {
  return QColor(GetRValue(couleur), GetGValue(couleur), GetBValue(couleur));
}

COLORREF CouleurWindows(const QColor& couleur) {
  return RGB(BYTE(couleur.red()), BYTE(couleur.green()), BYTE(couleur.blue()));
}

CEditColor::CEditColor(QWidget* parent)
    : QLineEdit(parent), m_crFond(CouleurWindows(QApplication::palette().color(QPalette::Button))) {
  AppliqueCouleurs();
}

CEditColor::~CEditColor() = default;

void CEditColor::SetTextColor(COLORREF couleur) {
  m_crTexte = couleur;
  AppliqueCouleurs();
}

void CEditColor::SetBkColor(COLORREF couleur) {
  m_crFond = couleur;
  AppliqueCouleurs();
}

void CEditColor::AppliqueCouleurs() {
  QPalette couleurs = palette();
  for (const QPalette::ColorGroup groupe : {QPalette::Active, QPalette::Inactive,
                                            QPalette::Disabled}) {
    couleurs.setColor(groupe, QPalette::Text, CouleurQt(m_crTexte));
    couleurs.setColor(groupe, QPalette::Base, CouleurQt(m_crFond));
  }
  setPalette(couleurs);
  update();
}

}  // namespace talvik
