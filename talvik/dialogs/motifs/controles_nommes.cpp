#include "dialogs/motifs/controles_nommes.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace talvik {

QRadioButton* RadioNomme(const QString& texte, QWidget* parent) {
  auto* radio = new QRadioButton(texte, parent);
  radio->setAccessibleName(texte);
  return radio;
}

QCheckBox* CaseNommee(const QString& texte, QWidget* parent) {
  auto* boite = new QCheckBox(texte, parent);
  boite->setAccessibleName(texte);
  return boite;
}

QGroupBox* CadreNomme(const QString& titre, QWidget* parent) {
  auto* cadre = new QGroupBox(titre, parent);
  cadre->setAccessibleName(titre);
  return cadre;
}

QPushButton* BoutonNomme(const QString& texte, QWidget* parent) {
  auto* bouton = new QPushButton(texte, parent);
  bouton->setAccessibleName(texte);
  bouton->setAutoDefault(false);
  return bouton;
}

void NommeImageBouton(QWidget* image, const QString& infobulle) {
  image->setToolTip(infobulle);
  image->setAccessibleName(infobulle);
}

}  // namespace talvik
