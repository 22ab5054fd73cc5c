// render_icons SVG OUTDIR NAME SIZE...
//
// Renders the application's SVG logo at each SIZE (square, pixels) into
// OUTDIR/SIZExSIZE/apps/NAME.png, the layout of the hicolor icon theme.
// Exit code 0 on success, 1 on bad arguments, an unreadable SVG or a failed
// write.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc < 5) {
    std::fprintf(stderr, "usage: render_icons SVG OUTDIR NAME SIZE...\n");
    return 1;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "render_icons: cannot read %s\n", argv[1]);
    return 1;
  }
  for (int i = 4; i < argc; ++i) {
    const int taille = QString::fromLatin1(argv[i]).toInt();
    if (taille <= 0) return 1;
    QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&peintre, QRectF(0, 0, taille, taille));
    peintre.end();
    const QString repertoire = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(taille);
    QString chemin = repertoire + QLatin1Char('/') + QString::fromLocal8Bit(argv[3]) + ".png";
    if (!QDir().mkpath(repertoire) || !image.save(chemin, "PNG")) {
      std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(chemin));
      return 1;
    }
  }
  return 0;
}
