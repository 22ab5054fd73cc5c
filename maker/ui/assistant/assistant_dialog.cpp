#include "assistant/assistant_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "proprietes/proprietes_dialog.h"

namespace lumaveil {

CAssistantDlg::CAssistantDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Screen saver creation wizard"));
  setAccessibleName(windowTitle());
  const char* const lignes[] = {
      QT_TR_NOOP("this wizard help you to create quickly a screen saver."),
      QT_TR_NOOP("Steps for wizard mode :"),
      QT_TR_NOOP("1 -  Displaying properties selection."),
      QT_TR_NOOP("2 - Template definition."),
      QT_TR_NOOP("3 - Pictures selection."),
      QT_TR_NOOP("4 - Screen saver generation."),
      QT_TR_NOOP("Follow each step of wizard to create quickly and easily a screen saver.\n"
                 "You can stop this wizard at any moment by selecting 'Finish'."),
  };
  auto* colonne = new QVBoxLayout(this);
  for (const char* ligne : lignes) {
    auto* texte = new QLabel(tr(ligne), this);
    texte->setAccessibleName(texte->text());
    // The steps are indented under their heading.
    if (ligne[0] >= '1' && ligne[0] <= '4') texte->setIndent(24);
    colonne->addWidget(texte);
  }
  colonne->addStretch();

  auto* barre = new QDialogButtonBox(this);
  suivant_ = barre->addButton(tr("Next"), QDialogButtonBox::AcceptRole);
  terminer_ = barre->addButton(tr("Finish"), QDialogButtonBox::RejectRole);
  for (QPushButton* b : {suivant_, terminer_}) b->setAccessibleName(b->text());
  suivant_->setDefault(true);
  connect(suivant_, &QPushButton::clicked, this, [this] { done(kSuivant); });
  connect(terminer_, &QPushButton::clicked, this, [this] { done(kTerminer); });
  colonne->addWidget(barre);
}

}  // namespace lumaveil
