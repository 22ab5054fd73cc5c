#include "fenetre/placeur_fenetres.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>

#include "dialogs/apercu/dialogue_editeur.h"
#include "dialogs/commun/placement_fenetre.h"
#include "dialogs/commun/plein_ecran_dlg.h"

namespace lumaveil {

CPlaceurFenetres::CPlaceurFenetres(QObject* parent) : QObject(parent) {
  qApp->installEventFilter(this);
}

CPlaceurFenetres::~CPlaceurFenetres() { qApp->removeEventFilter(this); }

bool CPlaceurFenetres::eventFilter(QObject* objet, QEvent* evenement) {
  if (evenement->type() == QEvent::Show) {
    auto* dialogue = qobject_cast<QDialog*>(objet);
    if (dialogue && dialogue->isWindow() && !qobject_cast<talvik::CDialogueEditeur*>(dialogue) &&
        !qobject_cast<talvik::CPleinEcranDlg*>(dialogue))
      talvik::PlaceDansEcran(dialogue, dialogue->parentWidget());
  }
  return QObject::eventFilter(objet, evenement);
}

}  // namespace lumaveil
