#include "pointeur_x.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

#include "capture_ecran.h"

namespace lumaveil::testing {

void Xdotool(const std::string& arguments) {
  std::system(("xdotool " + arguments + " >/dev/null 2>&1").c_str());
  QTest::qWait(40);
}

namespace {
std::string Place(QWidget* widget, QPoint p) {
  const QPoint g = widget->mapToGlobal(p);
  return std::to_string(g.x()) + " " + std::to_string(g.y());
}
}  // namespace

// xdotool's --sync waits for the pointer to move, for seconds when it is
// already there: then there is nothing to do.
void Survole(QWidget* widget, QPoint p) {
  if (QCursor::pos() != widget->mapToGlobal(p)) Xdotool("mousemove --sync " + Place(widget, p));
}

void Presse(QWidget* widget, QPoint p, int bouton) {
  Survole(widget, p);
  Xdotool("mousedown " + std::to_string(bouton));
}

void Relache(int bouton) {
  Xdotool("mouseup " + std::to_string(bouton));
  QTest::qWait(60);
}

void DeplaceEnPas(QWidget* widget, QPoint de, QPoint a, int pas) {
  const QPoint d = a - de;
  const int etapes = std::max(1, (std::max(std::abs(d.x()), std::abs(d.y())) + pas - 1) / pas);
  for (int i = 1; i <= etapes; ++i) Survole(widget, de + d * i / etapes);
}

void Glisse(QWidget* widget, QPoint de, QPoint a, int pas) {
  Presse(widget, de);
  DeplaceEnPas(widget, de, a, pas);
  Relache();
}

void Clique(QWidget* widget, QPoint p, int bouton) {
  Survole(widget, p);
  Xdotool("click " + std::to_string(bouton));
  QTest::qWait(60);
}

void Touches(const std::string& touches) {
  Xdotool("key --delay 30 " + touches);
  QTest::qWait(60);
}

void Tape(const std::string& texte) {
  Xdotool("type --delay 20 '" + texte + "'");
  QTest::qWait(60);
}

bool Attend(const std::function<bool()>& condition, int ms) {
  QElapsedTimer temps;
  temps.start();
  while (!condition()) {
    if (temps.elapsed() > ms) return false;
    QTest::qWait(20);
  }
  return true;
}

void PendantModal(const std::function<void(QWidget*)>& action,
                  const std::function<bool(QWidget*)>& quelle) {
  auto* minuterie = new QTimer;
  QWidget* avant = QApplication::activeModalWidget();
  minuterie->setInterval(50);
  QObject::connect(minuterie, &QTimer::timeout, [minuterie, avant, action, quelle] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == avant || !modal->isVisible() || (quelle && !quelle(modal))) return;
    minuterie->stop();
    minuterie->deleteLater();
    // Mapped, framed by the window manager, active and drawn.
    // (The action measures what it needs: a window that never shows fails it.)
    static_cast<void>(QTest::qWaitForWindowExposed(modal) && QTest::qWaitForWindowActive(modal));
    Attend(
        [modal] {
          const QRect cadre = modal->frameGeometry();
          return cadre.size() != modal->size() && cadre.contains(modal->geometry());
        },
        2000);
    QTest::qWait(200);
    action(modal);
  });
  minuterie->start();
}

bool MontreEtActive(QWidget* widget) {
  widget->show();
  if (!QTest::qWaitForWindowExposed(widget)) return false;
  widget->activateWindow();
  widget->raise();
  return QTest::qWaitForWindowActive(widget);
}

namespace {
QString& SuffixeCaptures() {
  static QString suffixe;
  return suffixe;
}
}  // namespace

void FixeSuffixeCaptures(const QString& suffixe) { SuffixeCaptures() = suffixe; }

QString CaptureEcran(const QString& nom) {
  QScreen* ecran = QGuiApplication::primaryScreen();
  if (!ecran) return {};
  QTest::qWait(100);
  const QString chemin = QDir(DossierCaptures()).filePath(nom + SuffixeCaptures() + ".png");
  return ecran->grabWindow(0).save(chemin) ? chemin : QString();
}

}  // namespace lumaveil::testing
