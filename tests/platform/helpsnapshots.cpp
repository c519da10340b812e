// SPDX-License-Identifier: GPL-3.0-or-later
// Writes PNG pictures of the help window on some of its pages into the folder
// given on the command line (the build folder's "snapshots" by default), for
// looking at what the player sees.
//
//   orvalis-help-snapshots [folder [page ...]]
//
// Without pages: the default topic and the page on cross-hatching.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTextBrowser>
#include <cstdio>

#include "helpviewer.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList arguments = app.arguments();
  const QDir folder(arguments.size() > 1 ? arguments.at(1)
                                         : QStringLiteral(ORVALIS_HELP_CHM).section(QLatin1Char('/'), 0, -2) +
                                               QStringLiteral("/snapshots"));
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
    return 1;
  }
  QStringList pages = arguments.mid(2);
  if (pages.isEmpty()) pages = {QString(), QStringLiteral("tech-bande.html")};

  THelpViewer viewer;
  if (!viewer.Open(QStringLiteral(ORVALIS_HELP_CHM))) {
    std::fprintf(stderr, "cannot open %s\n", ORVALIS_HELP_CHM);
    return 1;
  }
  viewer.show();
  int status = 0;
  for (const QString& page : pages) {
    if (page.isEmpty())
      viewer.ShowDefaultTopic();
    else
      viewer.ShowTopic(page);
    QApplication::processEvents();
    const QString name = QStringLiteral("help-%1.png").arg(viewer.CurrentTopic().section(QLatin1Char('.'), 0, 0));
    const QString path = folder.filePath(name);
    if (viewer.grab().save(path)) {
      std::printf("%s\n", qPrintable(path));
    } else {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      status = 1;
    }
  }
  return status;
}
