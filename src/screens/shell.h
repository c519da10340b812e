// SPDX-License-Identifier: GPL-3.0-or-later
// What the screens and dialogs ask of the main window: their background
// picture, the way back to the menu, the high scores, the help, the screen
// mode and the window to centre on. The main window is the shell while it
// lives; without one (a screen tested alone) the calls do nothing and a
// background stays its plain colour. Each call does nothing by default, so a
// stand-in shell (in a test) provides only what it watches.
#pragma once

#include <functional>

class QWidget;
class THotLabel;
class TImage;
class TStatistiques;

class TShell {
 public:
  virtual ~TShell() = default;
  // Loads the background picture chosen in the settings into Image.
  virtual void LoadBackground(TImage& Image) { (void)Image; }
  // The background chosen in the settings has changed (in memory): the main
  // window loads its own picture again.
  virtual void BackgroundChanged() {}
  // The look chosen in the settings ("Apparence", "Contraste élevé") may have
  // changed: every screen takes it.
  virtual void ApplyLook() {}
  virtual void ShowMenu() {}
  // The high scores screen at the level 1 to 5.
  virtual void ShowScores(int Level) { (void)Level; }
  // The statistics screen, and the statistics the games add to (none
  // without a main window).
  virtual void ShowStatistics() {}
  virtual TStatistiques* Statistiques() { return nullptr; }
  // The help file at its default topic.
  virtual void OpenHelp() {}
  virtual void ApplyScreenMode(bool FullScreen) { (void)FullScreen; }
  // The window that dialogs are centred on.
  virtual QWidget* Window() { return nullptr; }
};

// The shell now in place, or none.
TShell* Shell();
void SetShell(TShell* Value);

// Shell()->LoadBackground(Image) when there is a shell.
void LoadBackground(TImage& Image);

// The window a dialog stands over: Parent when given, else the shell's.
QWidget* DialogOwner(QWidget* Parent);

// Échap on Screen (a screen in the main window, while it is shown) runs
// Back, its way back to where the player came from.
void LeaveOnEscape(QWidget& Screen, std::function<void()> Back);

// Dialog stays centred on the window it stands over (its parent's window,
// else the shell's): when it opens, and when that window moves or changes
// size while it is open (a window going full screen at start).
void KeepCentred(QWidget& Dialog);

// The choice Entrée runs in a dialog of clickable labels: it has the
// keyboard focus once the dialog is open, drawn as under the pointer.
void DefaultChoice(THotLabel& Label);
