#include "dialogs/echange/echange_donnees.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <memory>

#include "dialogs/apercu/spin_edition.h"
#include "dialogs/commun/boite_message.h"
#include "dialogs/commun/nombres_locaux.h"

namespace talvik {

namespace {

void Signale(CSpinEdition& champ, const QString& texte) {
  BoiteMessage(champ.window(), texte.toStdString(),
               QGuiApplication::applicationDisplayName().toStdString(), IconeMessage::Attention);
  champ.setFocus(Qt::OtherFocusReason);
  champ.selectAll();
}

}  // namespace

void SurChangement(CSpinEdition& champ, QObject* contexte, std::function<void()> action) {
  // The spin box reports the numbers it writes itself (arrows, setValue),
  // its edit every text typed, empty or not a number included; a change
  // reported by both runs the action once.
  QLineEdit* edition = champ.findChild<QLineEdit*>();
  if (!edition) return;
  auto dernier = std::make_shared<QString>(edition->text());
  auto reagit = [edition, dernier, action = std::move(action)] {
    if (edition->text() == *dernier) return;
    *dernier = edition->text();
    action();
  };
  QObject::connect(edition, &QLineEdit::textChanged, contexte, reagit);
  QObject::connect(&champ, &QSpinBox::textChanged, contexte, reagit);
}

bool EchangeEntier(CSpinEdition& champ, int& valeur) {
  bool ok = false;
  const int lu = champ.cleanText().trimmed().toInt(&ok, 10);
  if (!ok) {
    Signale(champ, QCoreApplication::translate("talvik::CSpinEdition", "Please enter an integer."));
    return false;
  }
  valeur = lu;
  return true;
}

bool VerifieEntier(CSpinEdition& champ, int valeur, int minimum, int maximum) {
  if (valeur >= minimum && valeur <= maximum) return true;
  Signale(champ, QCoreApplication::translate("talvik::CSpinEdition",
                                             "Please enter an integer between %1 and %2.")
                     .arg(NombreLocal(minimum), NombreLocal(maximum)));
  return false;
}

}  // namespace talvik
