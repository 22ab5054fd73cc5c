#include "capture_ecran.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace lumaveil::testing {

QString DossierCaptures() {
  QString dir = QString::fromUtf8(LUMAVEIL_SCREENSHOT_DIR);
  QDir().mkpath(dir);
  return dir;
}

QString CaptureWidget(QWidget* widget, const QString& name) {
  if (!widget) return {};
  if (!widget->isVisible()) widget->show();
  QApplication::processEvents();
  const QPixmap shot = widget->grab();
  const QString path = DossierCaptures() + "/" + name + ".png";
  return shot.save(path, "PNG") ? path : QString();
}

}  // namespace lumaveil::testing
