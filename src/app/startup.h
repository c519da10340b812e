// SPDX-License-Identifier: GPL-3.0-or-later
// Program start and end: the application as the player meets it (its name,
// version and desktop entry, its icon, the language it speaks,
// the fonts the screens ask for), then the main window and the hidden holder
// of the shared panel model.
#pragma once

#include <functional>

#include <QString>

class QApplication;
class Tf_Main;

// What a caller other than the game itself (the start-up benchmark, the
// screenshot program) may add to a run.
struct StartOptions {
  // The folder of the program's files; empty for the program's own folder.
  QString ProgramFolder;
  // Runs once the main window exists and before the events start.
  std::function<void(Tf_Main&)> Started;
  // A file to open once the window is on screen (`orvalis FILE`).
  QString FileToOpen;
};

// The name, the version, the desktop entry, the icon, the translations of Qt's
// own texts and the fonts.
void PrepareApplication(QApplication& App);

// Creates the main window and the holder of the shared models, shows the
// window and runs the events until the window closes; the exit status.
int RunGame(QApplication& App, const StartOptions& Options = {});
