// SPDX-License-Identifier: GPL-3.0-or-later
// Tf_Jeux: the game screen. It wires and lays out: the grid view, which holds
// the game (TPartie: grid, history, clock, helps, level, end rule), the panels
// of commands, the clock and help counter, the digit buttons, the mode and the
// tips. Playing a puzzle (generated, loaded, typed in or resumed), or typing
// one in before playing it. The main window creates it and starts it with one
// call (Start): what it uses (TJeuxServices) and how the game begins. The
// rules of the game (its end, its score, what counts) are the game's
// (TPartie); the screen shows them and asks the player.
//
// Every command has its key, named in its tooltip (the table of commands in
// AddShortcuts); none takes a key that the grid uses (digits, letters A to I,
// with or without Ctrl, arrows, Backspace, Delete). Besides the commands of
// its panels the screen has "Rétablir" (beside "Annuler la saisie"), the
// pause (beside the clock), the switch of the pencil-mark mode, and copying
// and pasting a puzzle as text.
#pragma once

#include <QDate>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class QShortcut;
class QTextBrowser;
class QTimer;
class TCarreCoche;
class TFondCopie;
class TGenerateur;
class TGrilleSudoku;
class THotLabel;
class TImage;
class TOptions;
class TPartie;
class TRecorder;
class TReprise;
class TRondCoche;

// What the game screen uses, lent by the main window: the settings, the
// recorder of games (statistics, high scores), the generator and the files of
// the game in progress (none keeps nothing).
struct TJeuxServices {
  TOptions* Options = nullptr;
  TRecorder* Recorder = nullptr;
  TGenerateur* Generateur = nullptr;
  TReprise* Reprise = nullptr;
};

// How a game screen begins.
enum class TStartKind : std::uint8_t {
  NewGame,  // the level choice, then a grid of that level or the daily grid
  Load,     // the load dialog, on Path when given
  Resume,   // the game left, from ResumeText
  TypeIn,   // an empty grid to type a puzzle in
  AsIs,     // the game the grid view holds already
};
struct TStart {
  explicit TStart(TStartKind How, QString File = {}, std::string Text = {})
      : Kind(How), Path(std::move(File)), ResumeText(std::move(Text)) {}
  TStartKind Kind;
  QString Path;            // Load: the saved-grid file to open, or none
  std::string ResumeText;  // Resume: the game left
};

class Tf_Jeux : public QWidget {
  Q_OBJECT

 public:
  explicit Tf_Jeux(QWidget* Parent = nullptr);
  ~Tf_Jeux() override;

  // --- The one entry point ---
  // Sets the screen up with what it uses and begins a game the way asked,
  // with the settings applied. False when there is no game to show: the
  // level choice, the wait or the load dialog was given up, or the text is no
  // game; the caller then goes back to the menu.
  bool Start(const TJeuxServices& Services, const TStart& How);
  // The look in force (Look::Mode) on the grid, its signals and the tips.
  void ApplyLook();

  // Where the grid stands in a window of a size, zoomed by Zoom steps (0:
  // its natural size, 697 by 570 giving 46-pixel cells, a full HD screen
  // 91-pixel ones), with the sizes of its text and of the digit buttons.
  struct TGridPlace {
    int Cell = 0;  // pixels, each way
    int Top = 0;
    int Left = 0;
    int DigitPoints = 0;
    int NotePoints = 0;
    int Button = 0;  // a digit button's side, the step between two, all ten
    int ButtonStep = 0;
    int ButtonsWidth = 0;
    int ButtonPixels = 0;  // their text
  };
  static TGridPlace PlaceGrid(QSize Window, int Zoom);
  // Ctrl++ and Ctrl+- zoom the grid a step in or out, as far as the window
  // leaves room; Ctrl+Home gives it back its natural size. Zoom() is the steps
  // taken; a step that would change nothing is not taken.
  void ZoomIn();
  void ZoomOut();
  void ZoomReset();
  int Zoom() const { return Zoom_; }

  // Level choice, then a grid of that level from the generator (at once when
  // it is ready, else behind the wait dialog). False when the choice or the
  // wait was given up: the game on screen then goes on as it was.
  bool StartNewGame();
  // "Grille du jour": today's daily grid, behind the wait dialog when it
  // takes a moment; true as StartNewGame.
  bool StartDailyGame();
  // The load dialog, on the saved-grid file at the path when one is given;
  // false when it did not load a grid.
  bool LoadGame(const QString& Path = QString());
  // The end of a game: the game said a move filled its grid. With errors
  // left the player is asked first; then the game gives its result, the
  // recorder takes it and the end dialog shows it.
  void FinishGame();
  // The checks of a typed-in puzzle: can it be solved, with one solution,
  // without guessing, and at which level. The rating, 0 when it cannot be
  // solved.
  std::uint8_t VerifyGrid();

  // The grid view, and the game it holds.
  TGrilleSudoku& Grid() { return *GrilleSudoku; }
  const TGrilleSudoku& Grid() const { return *GrilleSudoku; }
  TPartie& Partie();
  const TPartie& Partie() const;
  // Seconds of play now (the game's clock).
  int ElapsedSeconds() const;

  // --- Pause ---
  // The game's pause (TPartie::SetPaused) covers the grid with the panel
  // p_Pause until the player presses any key or clicks anywhere in the
  // window, which only resumes. Only while playing. The game pauses by
  // itself when the window is minimised.
  void SetPaused(bool Paused);
  bool Paused() const;
  // The clock stands still between the two calls (a dialog of ours that is
  // not part of the game is open: save, load, print). Calls may nest.
  void HoldClock();
  void ReleaseClock();

  // --- Leaving ---
  // Whether leaving now would lose a game: the setting "ProposerSauvegarde"
  // is on and "ReprendrePartie" off, the grid is not finished, holds a digit the player placed (a
  // typed given while typing a puzzle in), and changed since it was dealt,
  // loaded or saved.
  bool HasUnsavedGame() const;
  // Asked before the program ends or the menu comes back: true when the
  // screen may go. With an unsaved game the player is asked "Voulez-vous
  // enregistrer la partie en cours ?": "Oui" opens the save dialog (true
  // once it saved), "Non" goes without saving, "Annuler" stays.
  bool MayLeave();
  // The save dialog; true when it saved the grid.
  bool SaveGame();
  // The game in progress goes to its file (the setting "ReprendrePartie"
  // on), with how the player looks at it (selection, last hint): after every
  // move, and when the screen is left. A finished game's file goes; a puzzle
  // being typed in is not kept. With the setting off, a game started here
  // still takes the place of the game left, so that turning the setting on
  // again never brings back an older game.
  void KeepGame();

  // --- Copy and paste ---
  // The puzzle on screen to the clipboard as one line of 81 characters.
  void CopyPuzzle();
  // While typing a puzzle in: the puzzle on the clipboard fills the grid; a
  // text that is no puzzle is refused with a message, the grid unchanged.
  void PastePuzzle();

  // Normal mode to pencil-mark mode and back, as the MODE widgets do.
  void ToggleNoteMode();

  // --- Command handlers ---
  void hl_reinitClick();
  void hl_newgrilleClick();
  void hl_chargerClick();
  void hl_sauverClick();
  void hl_imprimerClick();
  void hl_CarnetClick();
  void hl_AnnulerClick();
  void hl_RetablirClick();
  void hl_PauseClick();
  void hl_IndiceClick();
  // "Coup de pouce": the hint a rung at a time (THintLadder).
  void CoupDePouceClick();
  void hl_PossibiliteClick();
  void RemplirNotesClick();
  void hl_ResoudreClick();
  void hl_documentationClick();
  void hl_MenuClick();
  void hl_VerifierGrilleClick();
  void hl_JouerGrilleClick();

 protected:
  void showEvent(QShowEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void changeEvent(QEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  // One command line of a panel: a bullet and its label, both running the
  // command.
  struct CommandLine {
    TImage* Bullet;
    THotLabel* Label;
  };
  CommandLine AddCommand(TFondCopie* Panel, const QString& Name, const QString& Caption, void (Tf_Jeux::*Handler)());
  // The keys of the commands, active while their control is on screen, and
  // the tooltips that name them.
  void AddShortcuts();
  QShortcut* AddShortcut(QWidget* Owner, const QList<QKeySequence>& Keys, void (Tf_Jeux::*Handler)());
  void SetCommandTip(THotLabel* Label, const QString& Tip);
  // The window was minimised while playing.
  void WindowStateChanged(QWidget* Window);
  // While paused: any key or click in the window resumes, and does nothing else.
  bool ResumeOnInput(QObject* Watched, QEvent* Event);
  void FormShow();
  void FormResize();
  // Playing (true) or typing in a puzzle (false).
  void SetPlayMode(bool Playing);
  // Applies the settings to the grid view, the buttons and the tips, and
  // shows the counters.
  void SetupScreen();
  // The game left, from its resume text, as the player looked at it; false
  // (nothing changes) when the text is no game.
  bool ResumeGame(const std::string& Text);
  // A move filled the grid: the end runs now, or once the command that made
  // the move has shown what it did (a hint's sentence).
  void GameFilled();
  // The tip box shows the hint's sentence (in letters for a grid in letters).
  // Paged: a sentence longer than the box shows a page at a time, the next
  // page at the next "Coup de pouce" (TipPages_).
  void ShowHintTip(const std::string& Text, bool Paged = false);
  // A hint command: Give makes its move and returns the sentence to show;
  // the end of a game its digit fills waits until the sentence is shown.
  void RunHintCommand(const std::function<std::string()>& Give, bool Paged = false);
  // The next page of the rung in the tip box, if it has one and the grid's
  // position has not changed since.
  bool TurnTipPage();
  // Spreads the lines of a panel evenly from its first line to its last one,
  // which keeps its distance from the panel's bottom.
  static void SpreadLines(const std::vector<CommandLine>& Lines, int PanelHeight, int LineHeight);
  // The width the panels need for every command line with its text PixelSize
  // high, and the picture at the end of some.
  int CommandsWidth(int PixelSize) const;
  // The counters of the game on screen: the clock's panel (or the typed
  // puzzle's commands), the clock, the helps, the candidates hidden.
  void ShowCounters();
  void t_ChronometreTimer();
  void ShowHelps();
  // The date of the daily grid at the top of the tips.
  void ShowDailyCaption();
  void SetPossibilitiesShown(bool Shown);
  // Digit first: the button of the chosen digit is checked, the others not.
  void ShowChosenDigit(int Digit);
  void FocusGrid();

  TOptions* Options = nullptr;
  TRecorder* Recorder_ = nullptr;
  TGenerateur* Generateur_ = nullptr;
  TReprise* Reprise_ = nullptr;
  // The sentence of the last hint while the tip box shows it.
  std::string HintTip_;
  // A rung too long for the tip box: its pages, the one shown, and the
  // position of the grid they belong to.
  QStringList TipPages_;
  int TipPage_ = 0;
  std::uint64_t TipPagesAt_ = 0;
  QString TipShown_;  // what the tip box showed of them: another tip ends them
  // A command is showing what its move did: the end waits for it.
  bool InCommand_ = false;
  int Zoom_ = 0;
  bool EndPending_ = false;
  // The game (by serial) whose start has taken the place of the game left,
  // with the setting "ReprendrePartie" off.
  std::uint32_t ReplacedSerial_ = 0;
  bool ShowPossibilities = false;
  bool FirstShow = true;

  // --- Controls ---
  TImage* Image1;  // the background
  TGrilleSudoku* GrilleSudoku;
  std::array<QPushButton*, 10> Buttons{};  // Button1 to Button10: digits 1 to 9, then 0
  QLabel* l_Mode;
  TRondCoche* rc_ModeNormal;
  TRondCoche* rc_ModePossibilite;
  TImage* im_ModeNormal;  // the pictures of the two modes, beside their boxes
  TImage* im_ModePossibilite;
  QTextBrowser* MemoAstuce;
  TFondCopie* p_Partie;  // Réinitialiser, Nouvelle grille, Charger, Sauver, Imprimer
  THotLabel* hl_reinit;
  THotLabel* hl_newgrille;
  THotLabel* hl_charger;
  THotLabel* hl_sauver;
  THotLabel* hl_imprimer;
  TFondCopie* p_Compteurs;  // the clock and the help counter, while playing
  QLabel* l_TempsCaption;
  QLabel* l_Temps;
  QLabel* l_IndiceCaption;
  QLabel* l_Indice;
  TFondCopie* p_Saisie;  // the checks of a typed-in puzzle, while typing it in
  THotLabel* hl_VerifierGrille;
  THotLabel* hl_JouerGrille;
  TFondCopie* p_Aides;  // the help commands and the way back
  THotLabel* hl_Annuler;
  THotLabel* hl_Indice;
  THotLabel* hl_Possibilite;
  THotLabel* hl_Resoudre;
  THotLabel* hl_documentation;
  THotLabel* hl_Menu;
  TImage* im_Retablir;      // at the right end of the "Annuler la saisie" line
  TImage* im_RemplirNotes;  // at the right end of the "Voir possibilités" line
  TImage* im_Pause;         // at the right end of the clock's line
  TImage* im_Carnet;        // "Imprimer un carnet", at the right end of the "Imprimer" line
  TImage* im_CoupDePouce;   // "Coup de pouce", at the right end of the "Indice" line
  QWidget* p_Pause;         // covers the grid while the game is paused
  QTimer* t_Chronometre;

  std::vector<CommandLine> Commands1_;
  std::vector<CommandLine> Commands2_;
  std::vector<CommandLine> Commands4_;

  QWidget* WatchedWindow_ = nullptr;
  int KeptAtSeconds_ = 0;  // the clock when the game was last kept
};
