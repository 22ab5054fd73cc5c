// Helpers of the dialogs' tests: clicks and typing where a user does them,
// and answers given to the standard file and font choosers once they are
// open.
#pragma once

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace lumaveil::testing {

// Clicks a button where a user does: a check box or a radio button only
// reacts on its mark and its text, so it is clicked on its mark.
inline void Clique(QAbstractButton* bouton) {
  const bool marque = qobject_cast<QCheckBox*>(bouton) || qobject_cast<QRadioButton*>(bouton);
  QTest::mouseClick(bouton, Qt::LeftButton, {},
                    marque ? QPoint(8, bouton->height() / 2) : bouton->rect().center());
}

// Clicks item n of a list, scrolled into view first.
inline void CliqueElement(QListWidget* liste, int n) {
  liste->scrollToItem(liste->item(n));
  QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                    liste->visualItemRect(liste->item(n)).center());
}

// Replaces the whole text of a number field as a user does: select all,
// then type.
inline void Remplace(QAbstractSpinBox* champ, const QString& texte) {
  champ->setFocus();
  champ->selectAll();
  QTest::keyClicks(champ, texte);
}

// Once a modal dialog of type T is open (looked for during about five
// seconds), runs `reponse` on it, which accepts or rejects it. Call just
// before the action that opens it.
template <typename T>
void RepondDialogue(std::function<void(T&)> reponse, int essais = 500) {
  QTimer::singleShot(essais == 500 ? 0 : 10, [reponse, essais] {
    if (auto* dialogue = qobject_cast<T*>(QApplication::activeModalWidget())) {
      reponse(*dialogue);
      return;
    }
    if (essais > 0) RepondDialogue<T>(reponse, essais - 1);
  });
}

// Puts `noms` (a path, or quoted names) in a file chooser's name field.
// selectFile() leaves that field alone once it has the focus, which a
// loaded machine gives it before a test's answer runs: the text is typed.
inline void TapeNom(QFileDialog& choix, const QString& noms) {
  choix.selectFile(noms);
  if (auto* nom = choix.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) nom->setText(noms);
}

// The next file chooser takes `chemin`; an empty path cancels it.
inline void ChoisitFichier(const QString& chemin) {
  RepondDialogue<QFileDialog>([chemin](QFileDialog& choix) {
    if (chemin.isEmpty()) {
      choix.reject();
      return;
    }
    TapeNom(choix, chemin);
    static_cast<QDialog&>(choix).accept();
  });
}

// The next font chooser takes `police`.
inline void ChoisitPolice(const QFont& police) {
  RepondDialogue<QFontDialog>([police](QFontDialog& choix) {
    choix.setCurrentFont(police);
    static_cast<QDialog&>(choix).accept();
  });
}

}  // namespace lumaveil::testing
