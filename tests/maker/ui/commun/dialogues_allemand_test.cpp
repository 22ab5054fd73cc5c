// Every dialog of the maker and of its editors in German, usually the
// longest of the languages: the real translation loaded, the dialog opened
// as the user sees it, its title translated, no text of a label, button,
// box, tab or choice narrower than it needs (a cut word), no two controls
// over each other, the whole dialog within a 1024x768 screen. A screenshot of each (dialogue_de_NAME) is saved.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <functional>
#include <memory>

#include "assistant/assistant_dialog.h"
#include "capture_ecran.h"
#include "commun/langue.h"
#include "configuration/configuration_dialog.h"
#include "dialogs/cadre/cadre_dlg.h"
#include "dialogs/commun/couleur_dlg.h"
#include "dialogs/commun/progression_dlg.h"
#include "dialogs/commun/question_traitement_dlg.h"
#include "dialogs/commun/saisie_chaine_dlg.h"
#include "dialogs/fond/fond_dlg.h"
#include "dialogs/recoupe/recoupe_dlg.h"
#include "dialogs/redimension/redimension_dlg.h"
#include "dialogs/reglage/reglage_dlg.h"
#include "dialogs/rotation/rotation_dlg.h"
#include "dialogs/texte/texte_dlg.h"
#include "dialogue_essai.h"
#include "duree/duree_dialog.h"
#include "editeurs_essai.h"
#include "effet/effet_dialog.h"
#include "fenetre/information_dialog.h"
#include "generation/generation_dlg.h"
#include "graphique.h"
#include "internet/internet_dialog.h"
#include "modele_ecran/modele_dialog.h"
#include "parametres.h"
#include "projet.h"
#include "proprietes/proprietes_dialog.h"

namespace lumaveil {
namespace {

struct Essai {
  talvik::CGraphique graphique;
  testing::CDialogueTest dialogue;
  ParametresApplication parametres;
  CProjet projet;
  std::function<void()> fin;  // what the dialog needs undone before it goes
};

// A picture editor of the library, opened on a photograph.
template <typename Editeur>
std::unique_ptr<QWidget> EditeurPhoto(Essai& essai) {
  auto dlg = std::make_unique<Editeur>();
  dlg->m_hImage = testing::PhotoReelle();
  dlg->m_nLargeur = dlg->m_hImage.Width();
  dlg->m_nHauteur = dlg->m_hImage.Height();
  dlg->InitInstance(&essai.graphique);
  if constexpr (requires { dlg->DesInitInstance(); })
    essai.fin = [d = dlg.get()] { d->DesInitInstance(); };
  return dlg;
}

struct Dialogue {
  const char* nom;
  const char* titreAnglais;  // "" for a dialog without a title of its own
  std::function<std::unique_ptr<QWidget>(Essai&)> ouvre;
};

const Dialogue kDialogues[] = {
    {"generation", "Screen saver Generation",
     [](Essai&) { return std::make_unique<CGenerationDlg>(nullptr, true); }},
    {"duree", "Displaying duration definition",
     [](Essai&) { return std::make_unique<CDureeDlg>(3); }},
    {"configuration", "Configuration",
     [](Essai& e) { return std::make_unique<CConfigurationDlg>(e.parametres); }},
    {"proprietes", "Displaying properties",
     [](Essai&) { return std::make_unique<CProprietesDlg>(SIZE{800, 600}, false); }},
    {"proprietes_assistant", "Displaying properties",
     [](Essai&) { return std::make_unique<CProprietesDlg>(SIZE{800, 600}, true); }},
    {"effet", "Changing effect definition", [](Essai&) { return std::make_unique<CEffetDlg>(7); }},
    {"assistant", "Screen saver creation wizard",
     [](Essai&) { return std::make_unique<CAssistantDlg>(); }},
    {"internet", "", [](Essai&) { return std::make_unique<CInternetDlg>(); }},
    {"information", "", [](Essai&) { return std::make_unique<CInformationDialog>(); }},
    {"modele", "Template definition",
     [](Essai& e) {
       e.projet.ResolutionCible = SIZE{1024, 768};
       return std::make_unique<CModeleDlg>(e.projet, talvik::HBITMAP::Create(140, 100, 0x00808080),
                                           e.graphique, e.dialogue, false);
     }},
    {"modele_assistant", "Template definition",
     [](Essai& e) {
       e.projet.ResolutionCible = SIZE{1024, 768};
       return std::make_unique<CModeleDlg>(e.projet, talvik::HBITMAP::Create(140, 100, 0x00808080),
                                           e.graphique, e.dialogue, true);
     }},
    {"redimension", "Resizing a picture", EditeurPhoto<talvik::CRedimensionDlg>},
    {"recoupe", "Cutting a picture", EditeurPhoto<talvik::CRecoupeDlg>},
    {"rotation", "Rotating a picture", EditeurPhoto<talvik::CRotationDlg>},
    {"reglage", "Color adjustment to picture", EditeurPhoto<talvik::CReglageDlg>},
    {"texte", "Add text to picture", EditeurPhoto<talvik::CTexteDlg>},
    {"cadre", "Add a border to picture", EditeurPhoto<talvik::CCadreDlg>},
    {"fond", "Background definitiion", EditeurPhoto<talvik::CFondDlg>},
    {"couleur", "", [](Essai& e) {
       auto dlg = std::make_unique<talvik::CCouleurDlg>();
       dlg->InitInstance(nullptr, &e.graphique, talvik::CCouleurDlg::MODE_AVEC_TRANSPARENT);
       return dlg;
     }},
    {"progression", "Running operation...",
     [](Essai&) { return std::make_unique<talvik::CProgressionDlg>(); }},
    {"question_traitement", "Question",
     [](Essai&) { return std::make_unique<talvik::CQuestionTraitementDlg>(); }},
    {"saisie_chaine", "Request", [](Essai&) { return std::make_unique<talvik::CSaisieChaineDlg>(); }},
};

// The visible texts of `fenetre` narrower than their text needs.
QStringList TextesCoupes(QWidget* fenetre) {
  QStringList coupes;
  for (QWidget* w : fenetre->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(fenetre)) continue;
    QString texte;
    int besoin = 0;
    if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap() && !l->text().isEmpty()) {
      texte = l->text();
      besoin = l->minimumSizeHint().width();
    } else if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty()) {
      texte = b->text();
      besoin = b->minimumSizeHint().width();
    } else if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty()) {
      texte = g->title();
      besoin = g->fontMetrics().horizontalAdvance(g->title());
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
      // Every entry, as it shows once chosen, in the box's text field.
      QStyleOptionComboBox option;
      option.initFrom(c);
      option.editable = c->isEditable();
      option.frame = c->hasFrame();
      const int champ =
          c->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, c)
              .width();
      for (int i = 0; i < c->count(); ++i)
        if (c->fontMetrics().horizontalAdvance(c->itemText(i)) > champ)
          coupes << QStringLiteral("%1 (%2 < %3)")
                        .arg(c->itemText(i))
                        .arg(champ)
                        .arg(c->fontMetrics().horizontalAdvance(c->itemText(i)));
      continue;
    } else if (auto* t = qobject_cast<QTabBar*>(w)) {
      for (int i = 0; i < t->count(); ++i)
        if (t->tabRect(i).width() < t->fontMetrics().horizontalAdvance(t->tabText(i)))
          coupes << t->tabText(i);
      continue;
    } else {
      continue;
    }
    if (w->width() < besoin)
      coupes << QStringLiteral("%1 (%2 < %3)").arg(texte).arg(w->width()).arg(besoin);
  }
  return coupes;
}

// Controls of `fenetre` laid over one another: two visible children of
// one widget whose places cross.
QStringList Chevauchements(QWidget* fenetre) {
  QStringList chevauches;
  QList<QWidget*> parents = fenetre->findChildren<QWidget*>();
  parents.prepend(fenetre);
  auto nom = [](const QWidget* w) {
    return !w->accessibleName().isEmpty() ? w->accessibleName()
           : !w->objectName().isEmpty()   ? w->objectName()
                                          : QString::fromLatin1(w->metaObject()->className());
  };
  for (QWidget* parent : parents) {
    if (!parent->isVisibleTo(fenetre) && parent != fenetre) continue;
    QList<QWidget*> enfants;
    for (QObject* o : parent->children())
      if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow() && w->isVisibleTo(fenetre))
        enfants << w;
    for (int i = 0; i < enfants.size(); ++i)
      for (int j = i + 1; j < enfants.size(); ++j)
        if (enfants[i]->geometry().intersects(enfants[j]->geometry()))
          chevauches << nom(enfants[i]) + QStringLiteral(" / ") + nom(enfants[j]);
  }
  return chevauches;
}

class DialoguesAllemands : public ::testing::TestWithParam<Dialogue> {
 protected:
  DialoguesAllemands() { traduit_ = InstalleTraductions(*qApp, QStringLiteral("de")); }
  ~DialoguesAllemands() override { InstalleTraductions(*qApp, QStringLiteral("en")); }
  int traduit_ = 0;
};

TEST_P(DialoguesAllemands, OpensTranslatedWithNoTextCutOnA1024x768Screen) {
  ASSERT_EQ(traduit_, 1);
  Essai essai;
  std::unique_ptr<QWidget> fenetre = GetParam().ouvre(essai);
  fenetre->show();
  QApplication::processEvents();
  if (*GetParam().titreAnglais) {
    EXPECT_FALSE(fenetre->windowTitle().isEmpty());
    EXPECT_NE(fenetre->windowTitle(), QString::fromUtf8(GetParam().titreAnglais));
  }
  EXPECT_EQ(TextesCoupes(fenetre.get()).join(QStringLiteral(", ")).toStdString(), "")
      << GetParam().nom;
  EXPECT_EQ(Chevauchements(fenetre.get()).join(QStringLiteral(", ")).toStdString(), "")
      << GetParam().nom;
  EXPECT_LE(fenetre->frameGeometry().width(), 1024) << GetParam().nom;
  EXPECT_LE(fenetre->frameGeometry().height(), 768) << GetParam().nom;
  EXPECT_FALSE(
      testing::CaptureWidget(fenetre.get(), QStringLiteral("dialogue_de_") + GetParam().nom)
          .isEmpty());
  if (essai.fin) essai.fin();
}

INSTANTIATE_TEST_SUITE_P(Tous, DialoguesAllemands, ::testing::ValuesIn(kDialogues),
                         [](const ::testing::TestParamInfo<Dialogue>& cas) {
                           return std::string(cas.param.nom);
                         });

}  // namespace
}  // namespace lumaveil
