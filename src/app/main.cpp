// SPDX-License-Identifier: GPL-3.0-or-later
// orvalis: the game; `orvalis FILE` opens a saved-grid file or a file of
// puzzles (the desktop passes the file of a double click).
#include <QApplication>
#include "encodings.h"
#include "startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  PrepareApplication(app);
  StartOptions options;
  // By the bytes of its name (Qt has taken its own options out of argv): a
  // name that is not UTF-8 still opens.
  if (argc > 1) options.FileToOpen = FromLocalPath(argv[1]);
  return RunGame(app, options);
}
