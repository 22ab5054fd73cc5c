#include "dialogs/texte/mini_texte_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QMenu>
#include <QSyntaxHighlighter>
#include <QToolButton>
#include <QEvent>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "dialogs/apercu/spin_edition.h"
#include "dialogs/commun/couleur_dlg.h"
#include "dialogs/commun/edit_color.h"
#include "dialogs/echange/echange_donnees.h"
#include "dialogs/motifs/controles_nommes.h"
#include "dialogs/texte/police_qt.h"
#include "text/champs_texte.h"
#include "text/texte.h"

namespace talvik {

namespace {

// Background of the text field when the text's background is transparent.
const QColor kFondTransparent(0x9A, 0x9A, 0x9A);

// A number field with its label ("X = ") in front.
CSpinEdition* ChampNumero(const QString& libelle, QGridLayout* grille, int ligne, int colonne,
                    QWidget* parent) {
  auto* etiquette = new QLabel(libelle, parent);
  auto* champ = new CSpinEdition(parent);
  champ->setAccessibleName(libelle.trimmed());
  etiquette->setBuddy(champ);
  grille->addWidget(etiquette, ligne, colonne, Qt::AlignRight);
  grille->addWidget(champ, ligne, colonne + 1);
  return champ;
}

// Shows each field of the caption as a grey chip holding its name; its two
// marks (private-use characters) are drawn transparent and tiny. (A
// negative letter spacing would hide them too, but it moves every later
// letter back by as much, over the text before the field.)
class CSurligneChamps : public QSyntaxHighlighter {
 public:
  using QSyntaxHighlighter::QSyntaxHighlighter;

 protected:
  void highlightBlock(const QString& texte) override {
    const QChar debut(0xE000), fin(0xE001);
    QTextCharFormat puce;
    puce.setBackground(QColor(0xDD, 0xDD, 0xDD));
    puce.setForeground(QColor(0x20, 0x20, 0x60));
    QTextCharFormat marque = puce;
    marque.setForeground(Qt::transparent);
    marque.setFontPointSize(1);
    for (int i = texte.indexOf(debut); i >= 0; i = texte.indexOf(debut, i + 1)) {
      const int j = texte.indexOf(fin, i + 1);
      if (j < 0) break;
      setFormat(i, j - i + 1, puce);
      setFormat(i, 1, marque);
      setFormat(j, 1, marque);
    }
  }
};

}  // namespace

CMiniTexteDlg::CMiniTexteDlg(QWidget* parent) : QWidget(parent) {
  auto* grille = new QGridLayout(this);

  auto* cadreTexte = CadreNomme(tr("Text"), this);
  m_pEditTexte = new QPlainTextEdit(cadreTexte);
  m_pEditTexte->setAccessibleName(tr("Text"));
  m_pEditTexte->setTabChangesFocus(true);
  m_pEditTexte->setMinimumHeight(70);
  // The caption is drawn on one line: so is its sample.
  m_pEditTexte->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_pEditTexte->viewport()->installEventFilter(this);
  new CSurligneChamps(m_pEditTexte->document());
  (new QVBoxLayout(cadreTexte))->addWidget(m_pEditTexte);
  // The fields of the photo and the letters' edge, below the colours: the
  // date format above the edge, each choice as wide as its longest entry
  // (a long date written out in German is not cut).
  auto* cadreChamps = new QWidget(this);
  auto* rangeeChamps = new QGridLayout(cadreChamps);
  rangeeChamps->setContentsMargins(0, 0, 0, 0);
  m_pInsereChamp = new QToolButton(cadreChamps);
  m_pInsereChamp->setText(tr("Insert field"));
  m_pInsereChamp->setAccessibleName(tr("Insert field"));
  m_pInsereChamp->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(m_pInsereChamp);
  for (const ChampLegende& c : kChampsLegende) {
    QAction* action = menu->addAction(tr(c.libelle));
    connect(action, &QAction::triggered, this, [this, nom = c.nom] { OnInsereChamp(nom); });
  }
  m_pInsereChamp->setMenu(menu);
  rangeeChamps->addWidget(m_pInsereChamp, 0, 0);
  auto* etiquetteFormat = new QLabel(tr("Date format"), cadreChamps);
  m_pFormatDate = new QComboBox(cadreChamps);
  m_pFormatDate->setAccessibleName(tr("Date format"));
  for (const char* libelle : kLibellesFormatDate) m_pFormatDate->addItem(tr(libelle));
  etiquetteFormat->setBuddy(m_pFormatDate);
  rangeeChamps->addWidget(etiquetteFormat, 0, 1);
  rangeeChamps->addWidget(m_pFormatDate, 0, 2);
  auto* etiquetteRelief = new QLabel(tr("Text edge"), cadreChamps);
  m_pRelief = new QComboBox(cadreChamps);
  m_pRelief->setAccessibleName(tr("Text edge"));
  m_pRelief->addItems({tr("None"), tr("Outline"), tr("Soft shadow")});
  for (QComboBox* choix : {m_pFormatDate, m_pRelief}) {
    choix->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // The list that drops down is named after its box.
    choix->view()->setAccessibleName(choix->accessibleName());
  }
  etiquetteRelief->setBuddy(m_pRelief);
  rangeeChamps->addWidget(etiquetteRelief, 1, 1);
  rangeeChamps->addWidget(m_pRelief, 1, 2, Qt::AlignLeft);
  rangeeChamps->setColumnStretch(3, 1);
  grille->addWidget(cadreTexte, 0, 0);
  grille->addWidget(cadreChamps, 3, 0, 1, 2);

  auto* cadrePolice = CadreNomme(tr("Font"), this);
  m_pBoutonPolice = BoutonNomme(tr("Font"), cadrePolice);
  m_pBoutonPolice->setMinimumHeight(64);
  (new QVBoxLayout(cadrePolice))->addWidget(m_pBoutonPolice);
  grille->addWidget(cadrePolice, 1, 0);

  auto* cadrePosition = CadreNomme(tr("Position"), this);
  auto* position = new QGridLayout(cadrePosition);
  m_pAbsolue = RadioNomme(tr("Absolute"), cadrePosition);
  m_pAutomatique = RadioNomme(tr("Automatic"), cadrePosition);
  m_pHaut = RadioNomme(tr("Up"), cadrePosition);
  m_pBas = RadioNomme(tr("Down"), cadrePosition);
  m_pDroite = RadioNomme(tr("Right"), cadrePosition);
  m_pGauche = RadioNomme(tr("Left"), cadrePosition);
  m_pCentre = RadioNomme(tr("Center"), cadrePosition);
  position->addWidget(m_pAbsolue, 0, 0);
  m_pChampX = ChampNumero(QStringLiteral("X = "), position, 0, 1, cadrePosition);
  m_pChampY = ChampNumero(QStringLiteral("Y = "), position, 0, 3, cadrePosition);
  position->addWidget(m_pAutomatique, 1, 0);
  auto* ancres = new QHBoxLayout;
  auto* verticales = new QVBoxLayout;
  verticales->addWidget(m_pHaut);
  verticales->addWidget(m_pBas);
  auto* horizontales = new QVBoxLayout;
  horizontales->addWidget(m_pGauche);
  horizontales->addWidget(m_pCentre);
  horizontales->addWidget(m_pDroite);
  ancres->addSpacing(20);
  ancres->addLayout(verticales);
  ancres->addLayout(horizontales);
  position->addLayout(ancres, 2, 0);
  m_pChampDx = ChampNumero(tr("Dx = "), position, 2, 1, cadrePosition);
  m_pChampDy = ChampNumero(tr("Dy = "), position, 2, 3, cadrePosition);
  position->setRowStretch(3, 1);
  grille->addWidget(cadrePosition, 0, 1, 2, 1);

  auto* cadreEncre = CadreNomme(tr("Ink color"), this);
  m_pCouleurEncre = new CCouleurDlg(cadreEncre);
  (new QVBoxLayout(cadreEncre))->addWidget(m_pCouleurEncre, 0, Qt::AlignLeft);
  grille->addWidget(cadreEncre, 2, 0);
  auto* cadreFond = CadreNomme(tr("Background color"), this);
  m_pCouleurFond = new CCouleurDlg(cadreFond);
  (new QVBoxLayout(cadreFond))->addWidget(m_pCouleurFond, 0, Qt::AlignLeft);
  grille->addWidget(cadreFond, 2, 1);

  auto* placement = new QButtonGroup(this);
  placement->addButton(m_pAbsolue, ID_ABSOLUE);
  placement->addButton(m_pAutomatique, ID_AUTOMATIQUE);
  auto* verticale = new QButtonGroup(this);
  verticale->addButton(m_pHaut, ID_HAUT);
  verticale->addButton(m_pBas, ID_BAS);
  auto* horizontale = new QButtonGroup(this);
  horizontale->addButton(m_pDroite, ID_DROITE);
  horizontale->addButton(m_pGauche, ID_GAUCHE);
  horizontale->addButton(m_pCentre, ID_CENTRE);

  connect(m_pEditTexte, &QPlainTextEdit::textChanged, this, &CMiniTexteDlg::OnTexteChange);
  for (QComboBox* choix : {m_pFormatDate, m_pRelief})
    connect(choix, &QComboBox::currentIndexChanged, this, [this] {
      if (!m_bPret || m_bEcriture) return;
      m_nFormatDate = m_pFormatDate->currentIndex();
      m_nRelief = m_pRelief->currentIndex();
      m_bModifie = 1;
      emit ChangementTexte();
    });
  connect(m_pBoutonPolice, &QPushButton::clicked, this, &CMiniTexteDlg::OnPoliceSelecteur);
  connect(placement, &QButtonGroup::idClicked, this,
          [this](int id) { OnPositionChange(unsigned(id)); });
  for (QButtonGroup* ancre : {verticale, horizontale})
    connect(ancre, &QButtonGroup::idClicked, this,
            [this](int id) { OnPositionAutomatiqueXChange(unsigned(id)); });
  const std::pair<CSpinEdition*, unsigned> champs[] = {
      {m_pChampX, ID_X}, {m_pChampY, ID_Y}, {m_pChampDy, ID_DY}, {m_pChampDx, ID_DX}};
  for (const auto& [champ, id] : champs)
    SurChangement(*champ, this, [this, id = id] {
      if (!m_bEcriture) OnPositionAbsolueXChange(id);
    });
  for (CCouleurDlg* choix : {m_pCouleurEncre, m_pCouleurFond})
    connect(choix, &CCouleurDlg::ChangementCouleur, this,
            &CMiniTexteDlg::PriseEnCompteChangementCouleur, Qt::QueuedConnection);

  // The page's own opening: the text field's font is the default one.
  m_lfPolice = LogFontDe(m_pEditTexte->font(), PointsParPouceEcran());
  m_lfDefaut = m_lfPolice;
  ValeurDefaut();
  m_bPret = 1;
}

CMiniTexteDlg::~CMiniTexteDlg() = default;

CSpinEdition* CMiniTexteDlg::Champ(unsigned id) const {
  switch (id) {
    case ID_X: return m_pChampX;
    case ID_Y: return m_pChampY;
    case ID_DX: return m_pChampDx;
    case ID_DY: return m_pChampDy;
    default: return nullptr;
  }
}

void CMiniTexteDlg::ValeurDefaut() {
  m_strTexte.clear();
  m_lfPolice = m_lfDefaut;
  m_pAutomatique->setChecked(true);
  m_pBas->setChecked(true);
  m_pDroite->setChecked(true);
  m_nAbsolueX = m_nAbsolueY = 0;
  m_nDeltaX = m_nDeltaY = 5;
  m_nFormatDate = m_nRelief = 0;
  for (CCouleurDlg* choix : {m_pCouleurEncre, m_pCouleurFond})
    if (choix) choix->ValeurDefaut();
  UpdateData(false);
}

void CMiniTexteDlg::InitInstance(QWidget* parent, CGraphique* graphique, int premier) {
  m_pParent = parent;
  m_pGraphique = graphique;
  if (m_pCouleurEncre) m_pCouleurEncre->InitInstance(this, graphique, CCouleurDlg::MODE_SANS_TRANSPARENT);
  if (m_pCouleurFond) m_pCouleurFond->InitInstance(this, graphique, CCouleurDlg::MODE_AVEC_TRANSPARENT);
  AffichageGlobal();
  m_pChampDx->FixePlage(0, m_nLargeur);
  m_pChampX->FixePlage(0, m_nLargeur);
  m_pChampDy->FixePlage(0, m_nHauteur);
  m_pChampY->FixePlage(0, m_nHauteur);
  UpdateData(false);
  m_bModifie = 0;
  if (premier) m_pEditTexte->setFocus(Qt::OtherFocusReason);
}

void CMiniTexteDlg::DesInitInstance() {
  m_pPolice.reset();
  delete m_pCouleurEncre;
  m_pCouleurEncre = nullptr;
  delete m_pCouleurFond;
  m_pCouleurFond = nullptr;
}

void CMiniTexteDlg::AffichageGlobal() {
  AffichePolice();
  FormateLeTexte();
  for (CCouleurDlg* choix : {m_pCouleurEncre, m_pCouleurFond})
    if (choix) choix->OnCouleurBase(choix->Hexadecimal() ? CCouleurDlg::ID_HEX : CCouleurDlg::ID_DEC);
  PositionChange(m_pAutomatique->isChecked() ? ID_AUTOMATIQUE : ID_ABSOLUE);
}

void CMiniTexteDlg::AffichePolice() {
  m_pBoutonPolice->setText(DescriptionPolice(m_lfPolice, PointsParPouceEcran()));
}

QColor CMiniTexteDlg::CouleurTexteAffichee() const {
  return m_pEditTexte->palette().color(QPalette::Text);
}

QColor CMiniTexteDlg::CouleurFondAffichee() const {
  return m_pEditTexte->palette().color(QPalette::Base);
}

bool CMiniTexteDlg::eventFilter(QObject* objet, QEvent* event) {
  if (objet == m_pEditTexte->viewport() && event->type() == QEvent::Resize) AjustePolice();
  return QWidget::eventFilter(objet, event);
}

void CMiniTexteDlg::AjustePolice() {
  if (!m_pPolice) return;
  QFont police = *m_pPolice;
  const QStringList lignes = m_pEditTexte->toPlainText().split(QLatin1Char('\n'));
  const qreal marge = 2 * m_pEditTexte->document()->documentMargin() + 4;  // and the cursor
  const qreal largeur = m_pEditTexte->viewport()->width() - marge;
  const qreal hauteur = m_pEditTexte->viewport()->height() - marge;
  constexpr int kPlusPetite = 6;  // pixels: still readable
  for (int essai = 0; essai < 8 && largeur > 0 && hauteur > 0; ++essai) {
    const QFontMetricsF mesure(police);
    qreal plusLarge = 0;
    for (const QString& ligne : lignes) plusLarge = std::max(plusLarge, mesure.horizontalAdvance(ligne));
    const qreal haut = mesure.lineSpacing() * qreal(lignes.size());
    const qreal rapport = std::min(largeur / std::max<qreal>(plusLarge, 1), hauteur / haut);
    const int taille = QFontInfo(police).pixelSize();
    if (rapport >= 1 || taille <= kPlusPetite) break;
    police.setPixelSize(std::max(kPlusPetite, std::min(taille - 1, int(taille * rapport))));
  }
  if (m_pEditTexte->font() != police) m_pEditTexte->setFont(police);
}

void CMiniTexteDlg::FormateLeTexte() {
  m_pPolice = std::make_unique<QFont>(PoliceQt(m_lfPolice));
  AjustePolice();
  // The field is a sample of the text: ink on the background colour, or,
  // when the background is transparent, on a neutral grey on which dark
  // and light inks both show.
  QPalette palette = m_pEditTexte->style()->standardPalette();
  if (m_pCouleurEncre) palette.setColor(QPalette::Text, CouleurQt(m_pCouleurEncre->m_crCouleur));
  const bool transparent = !m_pCouleurFond || m_pCouleurFond->m_pTransparent->isChecked();
  palette.setColor(QPalette::Base, transparent ? kFondTransparent
                                               : CouleurQt(m_pCouleurFond->m_crCouleur));
  m_pEditTexte->setPalette(palette);
  m_pEditTexte->viewport()->update();
}

void CMiniTexteDlg::PositionChange(unsigned id) {
  const bool automatique = id == ID_AUTOMATIQUE;
  for (QWidget* controle : std::initializer_list<QWidget*>{
           m_pHaut, m_pBas, m_pDroite, m_pGauche, m_pCentre, m_pChampDx, m_pChampDy})
    controle->setEnabled(automatique);
  m_pChampX->setEnabled(!automatique);
  m_pChampY->setEnabled(!automatique);
}

bool CMiniTexteDlg::UpdateData(bool bSauve) {
  if (!bSauve) {
    m_bEcriture = true;
    const QString texte = QString::fromStdString(m_strTexte);
    if (m_pEditTexte->toPlainText() != texte) m_pEditTexte->setPlainText(texte);
    m_pFormatDate->setCurrentIndex(std::clamp(m_nFormatDate, 0, m_pFormatDate->count() - 1));
    m_pRelief->setCurrentIndex(std::clamp(m_nRelief, 0, m_pRelief->count() - 1));
    const std::pair<CSpinEdition*, int> valeurs[] = {
        {m_pChampX, m_nAbsolueX}, {m_pChampY, m_nAbsolueY},
        {m_pChampDy, m_nDeltaY}, {m_pChampDx, m_nDeltaX}};
    for (const auto& [champ, valeur] : valeurs) {
      if (champ->cleanText() == QString::number(valeur)) continue;
      // A field left empty keeps its old value: set another one first so
      // that the text is written again.
      champ->setValue(valeur + 1);
      champ->setValue(valeur);
    }
    m_bEcriture = false;
    return true;
  }
  m_strTexte = m_pEditTexte->toPlainText().toStdString();
  if (!EchangeEntier(*m_pChampX, m_nAbsolueX) || !EchangeEntier(*m_pChampY, m_nAbsolueY) ||
      !EchangeEntier(*m_pChampDy, m_nDeltaY) || !EchangeEntier(*m_pChampDx, m_nDeltaX))
    return false;
  return VerifieEntier(*m_pChampDx, m_nDeltaX, 0, m_nLargeur) &&
         VerifieEntier(*m_pChampX, m_nAbsolueX, 0, m_nLargeur) &&
         VerifieEntier(*m_pChampDy, m_nDeltaY, 0, m_nHauteur) &&
         VerifieEntier(*m_pChampY, m_nAbsolueY, 0, m_nHauteur);
}

void CMiniTexteDlg::OnTexteChange() {
  AjustePolice();
  if (!m_bPret || m_bEcriture) return;
  UpdateData(true);
  m_bModifie = 1;
  m_pEditTexte->viewport()->update();
  emit ChangementTexte();
}

void CMiniTexteDlg::OnInsereChamp(const char* nom) {
  if (!m_bPret) return;
  m_pEditTexte->textCursor().insertText(QString::fromStdString(MarqueChamp(nom)));
  m_pEditTexte->setFocus(Qt::OtherFocusReason);
}

void CMiniTexteDlg::OnPoliceSelecteur() {
  if (!m_bPret) return;
  QFontDialog choix(PoliceQt(m_lfPolice), this);
  choix.setWindowTitle(tr("Font"));
  if (choix.exec() != QDialog::Accepted) return;
  m_lfPolice = LogFontDe(choix.selectedFont(), PointsParPouceEcran());
  m_bModifie = 1;
  AffichePolice();
  FormateLeTexte();
  emit ChangementTexte();
}

void CMiniTexteDlg::OnPositionChange(unsigned id) {
  if (!m_bPret) return;
  m_bModifie = 1;
  PositionChange(id);
  emit ChangementTexte();
}

void CMiniTexteDlg::OnPositionAutomatiqueXChange(unsigned) {
  if (!m_bPret) return;
  m_bModifie = 1;
  UpdateData(true);
  emit ChangementTexte();
}

void CMiniTexteDlg::OnPositionAbsolueXChange(unsigned id) { OnPositionAutomatiqueXChange(id); }

void CMiniTexteDlg::PriseEnCompteChangementCouleur() {
  if (!m_bPret || !m_pCouleurEncre || !m_pCouleurFond) return;
  if (m_pCouleurEncre->m_bChange || m_pCouleurFond->m_bChange) {
    m_bModifie = 1;
    m_pCouleurEncre->m_bChange = 0;
    m_pCouleurFond->m_bChange = 0;
  }
  FormateLeTexte();
  emit ChangementTexte();
}

void CMiniTexteDlg::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A page that is shown puts the focus into its text.
  if (m_bPret && isVisible()) m_pEditTexte->setFocus(Qt::OtherFocusReason);
}

}  // namespace talvik
