// SPDX-License-Identifier: GPL-3.0-or-later
// Tf_Main: the program's only window. It draws the main menu itself and shows
// every other screen (game, options, high scores, rules, tips) inside its own
// client area, one at a time, in place of the menu. It owns what lives as long
// as the program: the settings, the high score table and the puzzle generator.
// It is the shell the screens and dialogs ask for their background, the way
// back to the menu, the high scores, the help and the screen mode.
//
// Keys: each menu command has its own while the menu is shown (named in its
// tooltip); F1 opens the help and Ctrl+Q quits on every screen. Quitting
// during a game that would be lost asks first whether to save it.
#pragma once

#include <QKeySequence>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "fileresult.h"
#include "reprise.h"
#include "shell.h"

class QTimer;
class TGenerateur;
class THotLabel;
class TImage;
class TOptions;
class TDesktopScheme;
class TScores;
class TRecorder;
class TStatistiques;
struct TStart;

class Tf_Main : public QWidget, public TShell {
  Q_OBJECT

 public:
  // The window's smallest size, and its size when it is not full screen.
  static constexpr int WindowedWidth = 697;
  static constexpr int WindowedHeight = 570;
  // The menu board, and where the titles and the menu lines stand on it.
  static constexpr int BoardWidth = 433;
  static constexpr int BoardHeight = 517;

  // Creation (FormCreate): the settings and the high scores are read, the
  // background is loaded, the generator starts preparing a "Facile" grid, and
  // the screen mode of the settings is applied.
  explicit Tf_Main(QWidget* Parent = nullptr);
  // Destruction (FormDestroy): waits for the generator's thread, then frees
  // the generator, the scores and the settings. Nothing is written.
  ~Tf_Main() override;

  // --- What the screens ask (TShell) ---
  void LoadBackground(TImage& Image) override;
  void ShowMenu() override;
  void ShowScores(int Level) override;
  void ShowStatistics() override;
  void OpenHelp() override;
  // The options screen changed the background: the menu's picture follows.
  void BackgroundChanged() override;
  // The look of the settings: the day's or the night's ("Apparence", which
  // may follow the desktop's preference, and live), with high contrast or
  // not. A change reaches every window, its pictures, panels and commands,
  // the help and the game on screen.
  void ApplyLook() override;
  // Full screen, or a sizeable window of 697 by 570 centred on the desktop.
  void ApplyScreenMode(bool FullScreen) override;
  QWidget* Window() override { return this; }

  // Replaces the screen on show by a new screen of the class, embedded in
  // p_Form; p_Form is shown when ShowPanel is true, else the new screen waits
  // behind the menu. The replaced screen is freed about a second later.
  template <class Screen>
  Screen* ShowScreen(bool ShowPanel) {
    auto* screen = new Screen(p_Form);
    Embed(screen, ShowPanel);
    return screen;
  }
  // Back to the menu: the screen on show is replaced by nothing.
  void ShowNoScreen();

  // The first-start question: asked once, when "typeecran" is still 0 in the
  // settings file. True when the player wants full screen.
  bool AskScreenMode();

  // --- Menu commands ---
  void hl_ReprendreClick();
  void hl_nouveauClick();
  void hl_ChargerClick();
  void hl_puzzleClick();
  void hl_regleClick();
  void hl_AstucesClick();
  void hl_OptionClick();
  void hl_QuitterClick();

  // --- A file given to the program (`orvalis FILE`) ---
  // Opened once the window is on screen and the first-start question is
  // answered: a saved-grid file (".orv") in the load dialog; a file of
  // puzzles in "Proposer un puzzle", its first puzzle or the one the player
  // picks from its list. A file without a puzzle gets a message and the
  // menu stays.
  void OpenFile(const QString& Path);
  QString FileToOpen;

  // --- Fields ---
  QPointer<QWidget> CurrentScreen;
  // Screens replaced and waiting for TimerEfface (several when the player
  // goes from screen to screen quickly).
  std::vector<QPointer<QWidget>> ScreensToFree;
  std::unique_ptr<TOptions> Options;
  std::unique_ptr<TScores> Scores;
  // The reading of "sudoku.ini" at start, and the first-start answer it held
  // (0: never asked).
  FileResult SettingsRead;
  std::int32_t ScreenModeAnswer = 0;
  bool FirstShow = true;
  std::unique_ptr<TGenerateur> Generateur;
  std::unique_ptr<TStatistiques> Statistiques_;
  // Where games reach the statistics and the high scores.
  std::unique_ptr<TRecorder> Recorder_;
  // The game in progress, kept for "Reprendre la partie".
  std::unique_ptr<TReprise> Reprise;
  // The desktop's light or dark preference, watched once "Automatique" is
  // chosen.
  TDesktopScheme* Desktop_ = nullptr;

  // --- Controls ---
  TImage* Image1;           // the background, over the whole client area
  TImage* Image2;           // the menu board, centred
  TImage* Image3;           // the title
  TImage* Image4;           // the motif beside the title
  THotLabel* hl_Reprendre;  // only while there is a game to take up
  THotLabel* hl_nouveau;
  THotLabel* hl_Charger;
  THotLabel* hl_puzzle;
  THotLabel* hl_regle;
  THotLabel* hl_Astuces;
  THotLabel* hl_Option;
  THotLabel* hl_Quitter;
  QWidget* p_Form;
  QTimer* TimerEfface;
  QTimer* t_Mode;

 protected:
  void showEvent(QShowEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  // The window closes (its close box, "Quitter", Ctrl+Q): a game on screen
  // may keep it open (Tf_Jeux::MayLeave).
  void closeEvent(QCloseEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  // "Charger un puzzle", the load dialog on the file at the path when given.
  void LoadSavedGame(const QString& Path);
  void Embed(QWidget* Screen, bool ShowPanel);
  void ReplaceCurrentScreen();
  void TimerEffaceTimer();
  void FormShow();
  void PlaceMenu();
  THotLabel* MakeMenuLabel(const QString& Caption, void (Tf_Main::*Handler)(), const QKeySequence& Key,
                           const QString& KeyName);
  // The menu's commands are hidden while a screen covers them, so that
  // neither Tab nor their keys reach them.
  void ShowMenuCommands(bool Shown);
  // The menu lines on show, in their order.
  std::vector<THotLabel*> MenuLines() const;
  // The game left that "Reprendre la partie" takes up, when the setting is
  // on: this window's own, else the newest that no other window plays.
  std::optional<TReprise::Kept> GameToResume() const;
  // A new game screen, lent what it needs, begun the way asked; the menu
  // comes back when it has no game to show. True when it shows one.
  bool StartGame(const TStart& How);
  // Before a new, loaded or typed-in game: a game waiting to be taken up is
  // never replaced without a word. The player takes it up (false: it is on
  // screen now), lets the new game take its place (true), or stays (false).
  bool MayReplaceWaitingGame(bool TypingIn);
};
