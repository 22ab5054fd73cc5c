#include "dialogs/apercu/spin_edition.h"

#include <algorithm>
#include <cstdlib>

namespace talvik {

namespace {
// What the edit accepts: four digits, both signs.
constexpr int kSaisieMax = 9999;
}  // namespace

CSpinEdition::CSpinEdition(QWidget* parent) : QSpinBox(parent) {
  setRange(-kSaisieMax, kSaisieMax);
  setKeyboardTracking(true);
  setAccelerated(true);
}

void CSpinEdition::FixePlage(int nMin, int nMax) {
  m_nMin = nMin;
  m_nMax = std::max(nMin, nMax);
  // A picture wider or taller than four digits (a panorama) must be
  // writable whole: the edit then takes as many digits as its side.
  const int saisie = std::max({kSaisieMax, std::abs(m_nMin), std::abs(m_nMax)});
  if (saisie != maximum()) setRange(-saisie, saisie);
}

void CSpinEdition::stepBy(int steps) {
  // An arrow brings a value typed outside the range back into it first.
  const int depart = std::clamp(value(), m_nMin, m_nMax);
  const long long cible = static_cast<long long>(depart) + steps;
  setValue(int(std::clamp<long long>(cible, m_nMin, m_nMax)));
  selectAll();
}

QAbstractSpinBox::StepEnabled CSpinEdition::stepEnabled() const {
  StepEnabled etat = StepNone;
  if (value() < m_nMax) etat |= StepUpEnabled;
  if (value() > m_nMin) etat |= StepDownEnabled;
  return etat;
}

}  // namespace talvik
