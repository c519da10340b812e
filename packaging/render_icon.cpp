// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the application icon into the PNG sizes of the desktop's icon theme,
// laid out as the theme's folders:
//
//   orvalis-render-icon <icon.svg> <folder> <name> <size>...
//
// writes <folder>/<size>x<size>/apps/<name>.png for each size. Exit status 1
// when the picture cannot be read or a file cannot be written.
#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() < 5) {
    std::fprintf(stderr, "usage: orvalis-render-icon <icon.svg> <folder> <name> <size>...\n");
    return 2;
  }
  QSvgRenderer renderer(args[1]);
  if (!renderer.isValid()) {
    std::fprintf(stderr, "orvalis-render-icon: cannot read %s\n", qPrintable(args[1]));
    return 1;
  }
  for (qsizetype k = 4; k < args.size(); ++k) {
    bool ok = false;
    const int size = args[k].toInt(&ok);
    if (!ok || size <= 0) {
      std::fprintf(stderr, "orvalis-render-icon: bad size %s\n", qPrintable(args[k]));
      return 2;
    }
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    {
      QPainter painter(&icon);
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      renderer.render(&painter, QRectF(0, 0, size, size));
    }
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
    const QString file = QStringLiteral("%1/%2.png").arg(folder, args[3]);
    if (!QDir().mkpath(folder) || !icon.save(file, "PNG")) {
      std::fprintf(stderr, "orvalis-render-icon: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
