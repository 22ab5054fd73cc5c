#include "commun/champ_nombre.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace lumaveil {

CChampNombre::CChampNombre(int minimum, int maximum, const QString& nomAccessible,
                           QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum) {
  edit_ = new QLineEdit(this);
  edit_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), edit_));
  edit_->setAccessibleName(nomAccessible);
  haut_ = new QToolButton(this);
  haut_->setArrowType(Qt::UpArrow);
  haut_->setAutoRepeat(true);
  haut_->setToolTip(tr("Up"));
  haut_->setAccessibleName(nomAccessible + tr(" up"));
  bas_ = new QToolButton(this);
  bas_->setArrowType(Qt::DownArrow);
  bas_->setAutoRepeat(true);
  bas_->setToolTip(tr("Down"));
  bas_->setAccessibleName(nomAccessible + tr(" down"));
  auto* fleches = new QVBoxLayout;
  fleches->setSpacing(0);
  fleches->addWidget(haut_);
  fleches->addWidget(bas_);
  auto* ligne = new QHBoxLayout(this);
  ligne->setContentsMargins(0, 0, 0, 0);
  ligne->setSpacing(1);
  ligne->addWidget(edit_, 1);
  ligne->addLayout(fleches);
  connect(haut_, &QToolButton::clicked, this, [this] { Pas(1); });
  connect(bas_, &QToolButton::clicked, this, [this] { Pas(-1); });
}

int CChampNombre::Valeur() const {
  bool ok = false;
  const long long v = edit_->text().toLongLong(&ok);
  if (!ok) return 0;
  return int(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
}

void CChampNombre::SetValeur(int valeur) { edit_->setText(QString::number(valeur)); }

void CChampNombre::Pas(int pas) {
  // Like an up-down control: a value outside the range first comes back
  // into it, and the arrows never leave it.
  const long long v = std::clamp<long long>(Valeur(), minimum_, maximum_) + pas;
  SetValeur(int(std::clamp<long long>(v, minimum_, maximum_)));
}

}  // namespace lumaveil
