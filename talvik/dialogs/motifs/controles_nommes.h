// Controls of the text, border and background editors made with their
// visible text as their accessible name.
#pragma once

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QString;
class QWidget;

namespace talvik {

QRadioButton* RadioNomme(const QString& texte, QWidget* parent);
QCheckBox* CaseNommee(const QString& texte, QWidget* parent);
QGroupBox* CadreNomme(const QString& titre, QWidget* parent);
// A push button that is never the default one.
QPushButton* BoutonNomme(const QString& texte, QWidget* parent);
// A picture that acts as a button: its tooltip is its name.
void NommeImageBouton(QWidget* image, const QString& infobulle);

}  // namespace talvik
