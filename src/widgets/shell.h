// What the screens and dialogs ask of the main window: their background
// picture, the way back to the menu, the high scores, the help, the screen
// mode and the window to centre on. The main window is the shell while it
// lives; without one (a screen tested alone) the calls do nothing and a
// background stays its plain colour.
#pragma once

class QWidget;
class TImage;

class TShell {
 public:
  virtual ~TShell() = default;
  // Loads the background picture chosen in the settings into Image.
  virtual void LoadBackground(TImage& Image) = 0;
  // The background chosen in the settings has changed (in memory): the main
  // window loads its own picture again.
  virtual void BackgroundChanged() = 0;
  virtual void ShowMenu() = 0;
  // The high scores screen at the level 1 to 4.
  virtual void ShowScores(int Level) = 0;
  // The help file at its default topic.
  virtual void OpenHelp() = 0;
  virtual void ApplyScreenMode(bool FullScreen) = 0;
  // The window that dialogs are centred on.
  virtual QWidget* Window() = 0;
};

// The shell now in place, or none.
TShell* Shell();
void SetShell(TShell* Value);

// Shell()->LoadBackground(Image) when there is a shell.
void LoadBackground(TImage& Image);
