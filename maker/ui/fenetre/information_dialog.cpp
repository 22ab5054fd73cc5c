#include "fenetre/information_dialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace lumaveil {

QUrl SiteWeb() { return QUrl(QStringLiteral("https://www.vermalune.org/lumaveil/")); }

QString FormateVersion(std::uint32_t motMajeur, std::uint32_t motMineur) {
  return QString::asprintf("%ld.%ld%ld", long(motMajeur >> 16), long(motMajeur & 0xFFFF),
                           long(motMineur >> 16));
}

QString VersionProgramme() {
  return FormateVersion((std::uint32_t(LUMAVEIL_VERSION_MAJEURE) << 16) | LUMAVEIL_VERSION_MINEURE,
                        (std::uint32_t(LUMAVEIL_VERSION_CORRECTIVE) << 16) | LUMAVEIL_VERSION_REVISION);
}

CInformationDialog::CInformationDialog(QWidget* parent) : QWidget(parent) {
  setObjectName("CInformationDialog");
  setAccessibleName(tr("Information"));
  auto* disposition = new QHBoxLayout(this);
  disposition->setContentsMargins(8, 4, 8, 4);

  auto* textes = new QVBoxLayout;
  textes->setSpacing(0);
  version_ = new QLabel(tr("Version software  n° %1").arg(VersionProgramme()), this);
  produit_ = new QLabel(tr("Lumaveil,  software to make screensavers."), this);
  for (QLabel* l : {version_, produit_}) {
    l->setAccessibleName(l->text());
    textes->addWidget(l);
  }
  disposition->addLayout(textes);
  disposition->addStretch(1);

  lien_ = new QLabel(SiteWeb().host(), this);
  lien_->setAccessibleName(lien_->text());
  lien_->setToolTip(SiteWeb().toString());
  // Blue as COLORREF 0xFF0000.
  QPalette palette = lien_->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
  lien_->setPalette(palette);
  lien_->setCursor(Qt::PointingHandCursor);
  lien_->setFocusPolicy(Qt::TabFocus);

  logo_ = new QLabel(this);
  logo_->setPixmap(QIcon(QStringLiteral(":/icones/logo.svg")).pixmap(QSize(40, 40)));
  logo_->setAccessibleName(tr("Lumaveil logo"));
  logo_->setToolTip(SiteWeb().toString());
  logo_->setCursor(Qt::PointingHandCursor);
  for (QLabel* l : {lien_, logo_}) {
    l->setMouseTracking(true);
    l->installEventFilter(this);
  }
  disposition->addWidget(lien_, 0, Qt::AlignVCenter);
  disposition->addSpacing(8);
  disposition->addWidget(logo_, 0, Qt::AlignVCenter);
}

void CInformationDialog::Souligne(bool oui) {
  QFont police = lien_->font();
  if (police.underline() == oui) return;
  police.setUnderline(oui);
  lien_->setFont(police);
}

bool CInformationDialog::eventFilter(QObject* objet, QEvent* evenement) {
  if (objet == lien_ || objet == logo_) {
    switch (evenement->type()) {
      case QEvent::Enter:
      case QEvent::MouseMove:
        Souligne(true);
        break;
      case QEvent::Leave:
        Souligne(false);
        break;
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton) {
          emit lienClique();
          return true;
        }
        break;
      case QEvent::KeyPress: {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (objet == lien_ && (touche == Qt::Key_Return || touche == Qt::Key_Space)) {
          emit lienClique();
          return true;
        }
        break;
      }
      default:
        break;
    }
  }
  return QWidget::eventFilter(objet, evenement);
}

}  // namespace lumaveil
