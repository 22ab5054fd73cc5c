// The editors' data exchange of number fields: reading a field and
// checking its range, with the standard validation messages of a dialog.
// A failure shows its message (exclamation icon, the application's name as
// the caption), puts the focus on the field and gives false; the caller
// stops its reading at that field.
#pragma once

#include <functional>

class QObject;

namespace talvik {

class CSpinEdition;

// Runs action (in the context of contexte) once each time the field's
// text changes: typed, stepped by the arrows or written, also when it
// becomes empty or holds no number.
void SurChangement(CSpinEdition& champ, QObject* contexte, std::function<void()> action);

// The field's number into valeur; an empty field (or one that holds only
// a sign) gives the message "Please enter an integer." and leaves valeur.
bool EchangeEntier(CSpinEdition& champ, int& valeur);

// false, with "Please enter an integer between MIN and MAX.", when valeur
// lies outside minimum..maximum.
bool VerifieEntier(CSpinEdition& champ, int valeur, int minimum, int maximum);

}  // namespace talvik
