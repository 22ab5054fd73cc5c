#include "dialogs/commun/couleur_dlg.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "dialogs/commun/edit_color.h"
#include "dialogs/commun/image_qt.h"
#include "graphique.h"
#include "routine.h"

namespace talvik {

namespace {

// The component fields take any text and turn typed letters to upper case.
class ValidateurMajuscules : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& texte, int&) const override {
    texte = texte.toUpper();
    return Acceptable;
  }
};

const char* const kNomsComposantes[3] = {QT_TRANSLATE_NOOP("talvik::CCouleurDlg", "red"),
                                         QT_TRANSLATE_NOOP("talvik::CCouleurDlg", "green"),
                                         QT_TRANSLATE_NOOP("talvik::CCouleurDlg", "blue")};
const char* const kLibelles[3] = {"R = ", "G = ", "B = "};

}  // namespace

CCouleurDlg::CCouleurDlg(QWidget* parent) : QWidget(parent) {
  setAccessibleName(tr("Color"));
  m_pEchantillon = new QLabel(this);
  m_pEchantillon->setFixedSize(kTailleEchantillon, kTailleEchantillon);
  m_pEchantillon->setFrameShape(QFrame::Box);
  m_pEchantillon->setCursor(Qt::PointingHandCursor);
  m_pEchantillon->setToolTip(tr("Choose a color"));
  m_pEchantillon->setAccessibleName(tr("Choose a color"));
  m_pEchantillon->installEventFilter(this);

  m_pHex = new QRadioButton(tr("Hex"), this);
  m_pHex->setAccessibleName(tr("Hex"));
  m_pDec = new QRadioButton(tr("Dec"), this);
  m_pDec->setAccessibleName(tr("Dec"));
  m_pTransparent = new QCheckBox(tr("Transparent"), this);
  m_pTransparent->setAccessibleName(tr("Transparent"));

  auto* composantes = new QGridLayout;
  composantes->setHorizontalSpacing(2);
  composantes->setVerticalSpacing(2);
  for (int i = 0; i < 3; ++i) {
    auto* libelle = new QLabel(kLibelles[i], this);
    m_pEdits[i] = new QLineEdit(this);
    m_pEdits[i]->setValidator(new ValidateurMajuscules(m_pEdits[i]));
    m_pEdits[i]->setMaximumWidth(fontMetrics().horizontalAdvance("0000000"));
    m_pEdits[i]->setAccessibleName(QString(kLibelles[i]).trimmed());
    libelle->setBuddy(m_pEdits[i]);
    m_pPlus[i] = new QToolButton(this);
    m_pPlus[i]->setArrowType(Qt::UpArrow);
    m_pMoins[i] = new QToolButton(this);
    m_pMoins[i]->setArrowType(Qt::DownArrow);
    for (QToolButton* fleche : {m_pPlus[i], m_pMoins[i]}) {
      fleche->setAutoRepeat(true);
      fleche->setFixedSize(16, 11);
      fleche->setFocusPolicy(Qt::NoFocus);
    }
    const QString nom = tr(kNomsComposantes[i]);
    m_pPlus[i]->setToolTip(tr("More %1").arg(nom));
    m_pPlus[i]->setAccessibleName(m_pPlus[i]->toolTip());
    m_pMoins[i]->setToolTip(tr("Less %1").arg(nom));
    m_pMoins[i]->setAccessibleName(m_pMoins[i]->toolTip());
    auto* fleches = new QVBoxLayout;
    fleches->setSpacing(0);
    fleches->addWidget(m_pPlus[i]);
    fleches->addWidget(m_pMoins[i]);
    composantes->addWidget(libelle, i, 0);
    composantes->addWidget(m_pEdits[i], i, 1);
    composantes->addLayout(fleches, i, 2);

    connect(m_pEdits[i], &QLineEdit::textChanged, this, [this] { OnCouleurChange(); });
    connect(m_pPlus[i], &QToolButton::clicked, this, [this, i] { OnCouleurFlecheChange(i, 1); });
    connect(m_pMoins[i], &QToolButton::clicked, this, [this, i] { OnCouleurFlecheChange(i, -1); });
  }

  auto* bases = new QVBoxLayout;
  bases->addWidget(m_pHex);
  bases->addWidget(m_pDec);
  bases->addStretch();
  auto* haut = new QHBoxLayout;
  haut->addWidget(m_pEchantillon, 0, Qt::AlignTop);
  haut->addLayout(bases);
  haut->addLayout(composantes);
  auto* tout = new QVBoxLayout(this);
  tout->setContentsMargins(4, 4, 4, 4);
  tout->addLayout(haut);
  tout->addWidget(m_pTransparent);

  connect(m_pHex, &QRadioButton::clicked, this, [this] { OnCouleurBase(ID_HEX); });
  connect(m_pDec, &QRadioButton::clicked, this, [this] { OnCouleurBase(ID_DEC); });
  connect(m_pTransparent, &QCheckBox::clicked, this, &CCouleurDlg::OnCouleurTransparent);

  m_hEchantillon = Bitmap::Create(kTailleEchantillon, kTailleEchantillon);
  ValeurDefaut();
  FormateCouleur();
  UpdateData(false);
  m_bPret = 1;
}

CCouleurDlg::~CCouleurDlg() = default;

void CCouleurDlg::ValeurDefaut() {
  m_pHex->setChecked(true);
  m_pDec->setChecked(false);
  m_crCouleur = 0;
  m_pTransparent->setChecked(true);
}

bool CCouleurDlg::Hexadecimal() const { return m_pHex->isChecked(); }

void CCouleurDlg::InitInstance(QWidget* parent, CGraphique* graphique, int mode) {
  m_pParent = parent;
  m_pGraphique = graphique;
  m_pTransparent->setVisible(mode != MODE_SANS_TRANSPARENT);
  OnCouleurBase(Hexadecimal() ? ID_HEX : ID_DEC);
  m_bChange = 0;
}

CString CCouleurDlg::TexteComposante(int valeur) const {
  char texte[16];
  std::snprintf(texte, sizeof texte, Hexadecimal() ? "%x" : "%d", valeur);
  return texte;
}

int CCouleurDlg::ValeurComposante(const CString& texte) const {
  if (Hexadecimal()) return int(CRoutine::HexToBin(texte));
  return std::atoi(texte.c_str()) & 0xFF;
}

void CCouleurDlg::FormateCouleur() {
  const int pret = m_bPret;
  m_bPret = 0;
  CGraphique::RemplieImage(m_hEchantillon, m_crCouleur);
  m_pEchantillon->setPixmap(PixmapQt(m_hEchantillon));
  const int valeurs[3] = {GetRValue(m_crCouleur), GetGValue(m_crCouleur), GetBValue(m_crCouleur)};
  m_strRouge = TexteComposante(valeurs[0]);
  m_strVert = TexteComposante(valeurs[1]);
  m_strBleu = TexteComposante(valeurs[2]);
  std::copy(valeurs, valeurs + 3, m_nPositions);
  m_bPret = pret;
}

void CCouleurDlg::UpdateData(bool bSauve) {
  CString* textes[3] = {&m_strRouge, &m_strVert, &m_strBleu};
  if (bSauve) {
    for (int i = 0; i < 3; ++i) *textes[i] = m_pEdits[i]->text().toStdString();
    return;
  }
  const int pret = m_bPret;
  m_bPret = 0;
  for (int i = 0; i < 3; ++i) {
    const QString texte = QString::fromStdString(*textes[i]);
    if (m_pEdits[i]->text() != texte) m_pEdits[i]->setText(texte);
  }
  m_bPret = pret;
}

void CCouleurDlg::OnCouleurBase(unsigned id) {
  m_pHex->setChecked(id == ID_HEX);
  m_pDec->setChecked(id != ID_HEX);
  FormateCouleur();
  UpdateData(false);
}

void CCouleurDlg::OnCouleurChange() {
  if (!m_bPret) return;
  m_bChange = 1;
  UpdateData(true);
  m_crCouleur = RGB(BYTE(ValeurComposante(m_strRouge)), BYTE(ValeurComposante(m_strVert)),
                    BYTE(ValeurComposante(m_strBleu)));
  FormateCouleur();
  UpdateData(false);
  PriseEnCompteChangementCouleur();
}

void CCouleurDlg::OnCouleurFlecheChange(int composante, int pas) {
  if (composante < 0 || composante > 2) return;
  const int position = std::clamp(m_nPositions[composante] + pas, 0, 255);
  const int pret = m_bPret;
  m_bPret = 0;
  m_pEdits[composante]->setText(QString::fromStdString(TexteComposante(position)));
  m_bPret = pret;
  OnCouleurChange();
}

void CCouleurDlg::OnCouleurSelecteur() {
  const QColor choix = QColorDialog::getColor(CouleurQt(m_crCouleur), this, tr("Color"));
  if (!choix.isValid()) return;
  m_bChange = 1;
  m_crCouleur = CouleurWindows(choix);
  FormateCouleur();
  UpdateData(false);
  PriseEnCompteChangementCouleur();
}

void CCouleurDlg::OnCouleurTransparent() { PriseEnCompteChangementCouleur(); }

void CCouleurDlg::PriseEnCompteChangementCouleur() { emit ChangementCouleur(); }

bool CCouleurDlg::eventFilter(QObject* objet, QEvent* event) {
  if (objet == m_pEchantillon && event->type() == QEvent::MouseButtonRelease) {
    OnCouleurSelecteur();
    return true;
  }
  return QWidget::eventFilter(objet, event);
}

}  // namespace talvik
