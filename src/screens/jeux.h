// Tf_Jeux: the game screen. It hosts the grid view and runs one game: playing
// a puzzle (generated, loaded or typed in) with a clock and a help counter,
// or typing in a puzzle before playing it. The main window creates it, gives
// it the generator, the settings and the high scores, and chooses the mode.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTextBrowser;
class QTimer;
class TCarreCoche;
class TFondCopie;
class TGenerateur;
class TGrilleSudoku;
class THotLabel;
class TImage;
class TOptions;
class TRondCoche;
class TScores;

class Tf_Jeux : public QWidget {
  Q_OBJECT

 public:
  explicit Tf_Jeux(QWidget* Parent = nullptr);
  ~Tf_Jeux() override;

  // --- Entry points, in the order the main window calls them ---
  // Level choice, then a grid of that level from the generator (at once when
  // it is ready, else behind the wait dialog). False when the choice was
  // cancelled; the grid on screen then stays and the counters restart.
  bool StartNewGame();
  // The load dialog; false when it did not load a grid.
  bool LoadGame();
  // Playing (true) or typing in a puzzle (false).
  void SetPlayMode(bool Playing);
  // Applies the settings to the grid view, the buttons and the tips, then
  // restarts the counters.
  void SetupScreen(TOptions& GameOptions, TScores& GameScores);
  void RestartCounters();
  // The end of a game: the grid is full (the grid view calls it), or a hint
  // or "Résoudre" filled its last cell.
  void FinishGame();
  // The checks of a typed-in puzzle: can it be solved, with one solution,
  // without guessing, and at which level. False when it cannot be solved.
  bool VerifyGrid();

  // Seconds of play now: the seconds carried over from a loaded game, plus
  // the time since the clock started when it runs.
  int ElapsedSeconds() const;

  // --- Command handlers ---
  void hl_reinitClick();
  void hl_newgrilleClick();
  void hl_chargerClick();
  void hl_sauverClick();
  void hl_imprimerClick();
  void hl_AnnulerClick();
  void hl_IndiceClick();
  void hl_PossibiliteClick();
  void hl_ResoudreClick();
  void hl_documentationClick();
  void hl_MenuClick();
  void hl_VerifierGrilleClick();
  void hl_JouerGrilleClick();

  // --- Game fields ---
  TOptions* Options = nullptr;
  TScores* Scores = nullptr;
  int Helps = 0;
  int StartHelps = 0;
  int Level = 0;
  std::uint64_t StartTick = 0;  // milliseconds; 0 while the clock is off
  int StartSeconds = 0;
  TGenerateur* Generateur = nullptr;
  bool ShowPossibilities = false;
  bool PossibilitiesUsed = false;
  bool FirstShow = true;
  // The millisecond clock of the game's time; a test may put its own.
  std::function<std::uint64_t()> Clock;

  // --- Controls ---
  TImage* Image1;
  TGrilleSudoku* GrilleSudoku;
  std::array<QPushButton*, 10> Buttons{};  // Button1 to Button10: digits 1 to 9, then 0
  QLabel* l_Mode;
  TRondCoche* rc_ModeNormal;
  TRondCoche* rc_ModePossibilite;
  TImage* Image15;
  TImage* Image16;
  QTextBrowser* MemoAstuce;
  TFondCopie* FondCopie1;
  THotLabel* hl_reinit;
  THotLabel* hl_newgrille;
  THotLabel* hl_charger;
  THotLabel* hl_sauver;
  THotLabel* hl_imprimer;
  TFondCopie* FondCopie3;
  QLabel* l_TempsCaption;
  QLabel* l_Temps;
  QLabel* l_IndiceCaption;
  QLabel* l_Indice;
  TFondCopie* FondCopie4;
  THotLabel* hl_VerifierGrille;
  THotLabel* hl_JouerGrille;
  TFondCopie* FondCopie2;
  THotLabel* hl_Annuler;
  THotLabel* hl_Indice;
  THotLabel* hl_Possibilite;
  THotLabel* hl_Resoudre;
  THotLabel* hl_documentation;
  THotLabel* hl_Menu;
  QTimer* t_Chronometre;

 protected:
  void showEvent(QShowEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  // One command line of a panel: a bullet and its label, both running the
  // command.
  struct CommandLine {
    TImage* Bullet;
    THotLabel* Label;
  };
  CommandLine AddCommand(TFondCopie* Panel, const QString& Name, const QString& Caption,
                         void (Tf_Jeux::*Handler)());
  void FormShow();
  void FormResize();
  // Spreads the lines of a panel evenly from its first line to its last one,
  // which keeps its distance from the panel's bottom.
  static void SpreadLines(const std::vector<CommandLine>& Lines, int PanelHeight, int LineHeight);
  void t_ChronometreTimer();
  void ShowHelps();
  void SetPossibilitiesShown(bool Shown);
  void FocusGrid();
  std::uint64_t Now() const;

  std::vector<CommandLine> Commands1_;
  std::vector<CommandLine> Commands2_;
  std::vector<CommandLine> Commands4_;
};
