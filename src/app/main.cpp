// SPDX-License-Identifier: GPL-3.0-or-later
// orvalis: the game; `orvalis FILE` opens a saved-grid file or a file of
// puzzles (the desktop passes the file of a double click).
#include <QApplication>
#include <QStringList>

#include "startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  PrepareApplication(app);
  StartOptions options;
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) options.FileToOpen = arguments.at(1);
  return RunGame(app, options);
}
