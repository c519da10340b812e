// SPDX-License-Identifier: GPL-3.0-or-later
// TGrilleSudoku: the grid control of the game screen. It shows the game
// (TPartie, src/game/) it holds, keeps the selection and the display settings
// (its look), turns keys and clicks into moves of the game, passes the game
// screen's commands to it, repaints when the game says its grid changed, and
// prints the grid. The grid is drawn by PaintGrid (griddrawing.h) from the
// game's grid, the selection and the tints of the last hint.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "griddrawing.h"
#include "grille.h"
#include "partie.h"
#include "saisie.h"

class QPainter;
class QPrinter;

class TGrilleSudoku : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool TabAuto MEMBER TabAuto)
  Q_PROPERTY(QColor CouleurFond READ CouleurFond WRITE SetCouleurFond)
  Q_PROPERTY(QColor CouleurTrait READ CouleurTrait WRITE SetCouleurTrait)
  Q_PROPERTY(QColor CouleurSelection MEMBER CouleurSelection)
  Q_PROPERTY(QColor CouleurChiffre MEMBER CouleurChiffre)
  Q_PROPERTY(QColor CouleurChiffreFixe MEMBER CouleurChiffreFixe)
  Q_PROPERTY(QColor CouleurChiffreHint MEMBER CouleurChiffreHint)
  Q_PROPERTY(QColor CouleurPossibilite MEMBER CouleurPossibilite)
  Q_PROPERTY(QColor CouleurErreur MEMBER CouleurErreur)
  Q_PROPERTY(QColor CouleurImpossible MEMBER CouleurImpossible)
  Q_PROPERTY(TTypeBrique TypeBrique MEMBER TypeBrique)
  Q_PROPERTY(bool ShowErreur MEMBER ShowErreur)
  Q_PROPERTY(bool ShowImpossible MEMBER ShowImpossible)
  Q_PROPERTY(int HauteurCase READ HauteurCase WRITE SetHauteurCase)
  Q_PROPERTY(int LargeurCase READ LargeurCase WRITE SetLargeurCase)
  Q_PROPERTY(quint8 TailleEcriture MEMBER TailleEcriture)
  Q_PROPERTY(quint8 TaillePossibilite MEMBER TaillePossibilite)
  Q_PROPERTY(bool SurligneChiffres MEMBER SurligneChiffres)
  Q_PROPERTY(QColor CouleurSurlignage MEMBER CouleurSurlignage)
  Q_PROPERTY(QColor CouleurZone MEMBER CouleurZone)
  Q_PROPERTY(bool EffaceNotes READ EffaceNotes WRITE SetEffaceNotes)

 public:
  explicit TGrilleSudoku(QWidget* Parent = nullptr);
  ~TGrilleSudoku() override;

  // --- Plain fields: the owner writes them and repaints (or runs an operation
  // that repaints) ---
  int SelCol = 1;  // selected cell, 1 to 9 each way
  int SelRow = 1;
  bool NoteMode = false;  // entries toggle pencil marks
  bool TabAuto = false;   // move on after each entry
  // The look's defaults (TGridLook) until the owner sets them.
  QColor CouleurSelection = TGridLook{}.CouleurSelection;
  QColor CouleurChiffre = TGridLook{}.CouleurChiffre;
  QColor CouleurChiffreFixe = TGridLook{}.CouleurChiffreFixe;
  QColor CouleurChiffreHint = TGridLook{}.CouleurChiffreHint;
  QColor CouleurPossibilite{0, 0, 0};  // kept for the forms; candidates use the cell's text colour
  QColor CouleurErreur = TGridLook{}.CouleurErreur;
  QColor CouleurImpossible = TGridLook{}.CouleurImpossible;
  TTypeBrique TypeBrique = TGridLook{}.TypeBrique;
  bool ShowErreur = TGridLook{}.ShowErreur;
  bool ShowImpossible = TGridLook{}.ShowImpossible;
  quint8 TailleEcriture = quint8(TGridLook{}.DigitSize);  // points
  quint8 TaillePossibilite = quint8(TGridLook{}.NoteSize);
  // When the selected cell holds a digit, the cells and the pencil marks (or
  // candidates) of that digit take CouleurSurlignage; the selected cell's
  // row, column and block take CouleurZone. Off: the grid looks as it always
  // has. The error backgrounds and the selection stay on top.
  bool SurligneChiffres = TGridLook{}.SurligneChiffres;
  QColor CouleurSurlignage = TGridLook{}.CouleurSurlignage;
  QColor CouleurZone = TGridLook{}.CouleurZone;
  // The cells the last hint speaks of, until the next move: the units it
  // names take CouleurIndiceZone, the cells that justify it (those that rule
  // out the other places, a pattern's cells) CouleurIndiceCase. The error
  // backgrounds and the selection stay on top.
  QColor CouleurIndiceZone = TGridLook{}.CouleurIndiceZone;
  QColor CouleurIndiceCase = TGridLook{}.CouleurIndiceCase;
  // The tints of the steps of a hint given a step at a time.
  decltype(TGridLook::StepHues) StepHues = TGridLook{}.StepHues;
  // The pencil marks' colour, and whether errors show by a shape too.
  QColor CouleurNote = TGridLook{}.CouleurNote;
  bool MarkErrors = TGridLook{}.MarkErrors;
  // The lines on screen when they differ from the paper's (CouleurTrait, a
  // night look's light lines); invalid for the same.
  QColor CouleurTraitEcran;
  using THintTint = ::THintTint;
  THintTint HintTint(int Row, int Col) const;
  // What the last hint tints, until the next move; a game taken up shows
  // its last hint's again.
  const HintFocusT& HintFocus() const { return HintFocus_; }
  // Hue 0 tints in the hint's own colours, k >= 1 in the k-th step's
  // (TGridLook::StepHues).
  void ShowHintFocus(const HintFocusT& Focus, int Hue = 0);
  int HintHue() const { return HintHue_; }
  // Playing (true), or typing in the givens of a puzzle: the game's mode.
  bool GameMode() const { return Partie_.Playing(); }
  void SetGameMode(bool Playing) { Partie_.SetPlaying(Playing); }
  // A digit placed while playing takes the pencil marks of that digit out of
  // its row, column and block; undo puts them back.
  bool EffaceNotes() const { return Partie_.EffaceNotes; }
  void SetEffaceNotes(bool Value) { Partie_.EffaceNotes = Value; }

  // --- Properties that repaint ---
  QColor CouleurFond() const { return CouleurFond_; }
  void SetCouleurFond(const QColor& Value);
  QColor CouleurTrait() const { return CouleurTrait_; }
  void SetCouleurTrait(const QColor& Value);
  // Cell sizes in pixels (at least 1); the control takes 9 cells plus 1 pixel.
  int HauteurCase() const { return HauteurCase_; }
  void SetHauteurCase(int Value);
  int LargeurCase() const { return LargeurCase_; }
  void SetLargeurCase(int Value);
  bool ShowAllCandidates() const { return ShowAllCandidates_; }
  void SetShowAllCandidates(bool Value);

  // The game on screen, owned by the control, and its grid.
  TPartie& Partie() { return Partie_; }
  const TPartie& Partie() const { return Partie_; }
  TGrille& Grille() { return Partie_.Grille(); }
  const TGrille& Grille() const { return Partie_.Grille(); }
  // The moves undo can take back, oldest first; those redo can make again,
  // the next one last.
  std::vector<TMove> UndoStack() const { return Partie_.UndoMoves(); }
  std::vector<TMove> RedoStack() const { return Partie_.RedoMoves(); }

  // How digits are entered: cell first, or digit first with the digit
  // chosen (TSaisie). A click on a cell in digit-first play selects it and
  // plays the chosen digit there; the digit keys choose, Space plays the
  // chosen digit at the selection.
  const TSaisie& Saisie() const { return Saisie_; }
  void SetSaisieMode(TSaisieMode Mode);
  // Chooses a digit (0 the eraser) in digit-first play, or puts it down
  // when it is chosen already; nothing in cell-first play.
  void ChooseDigit(int Digit);
  // Digit first: the chosen digit at the selected cell (a click there).
  void PlayChosenAtSelection(bool NoteKey);

  // --- Painting and printing ---
  // The grid as it is drawn: the game's grid, the selection, a refused given
  // and the tints of the last hint.
  TGridState State() const;
  // The look of the control: its cell and text sizes, colours and what it shows.
  TGridLook Look() const;
  // Draws the whole grid on any painter, cells W by H, text sizes in points.
  // ForPrint gives the paper look (TGridLook::Paper): white board, black
  // text, no selection, no hint colour, no error backgrounds.
  void DrawGrid(QPainter& Canvas, int CellWidth, int CellHeight, int DigitSize, int NoteSize, bool ForPrint) const;
  // Prints the grid Copies times, each copy its own job titled "Orvalis", on the
  // control's printer or on the one given. Returns the number of jobs that went
  // through; a failed job is dropped silently. A PDF file is written as a
  // save is (WriteThroughTemporary): a failure keeps the older file and is
  // shown (ReportFileResult).
  int PrintGrid(int Copies);
  int PrintGrid(int Copies, QPrinter& Printer);
  // The printer the print dialog sets up and PrintGrid(Copies) prints on.
  QPrinter& Printer();
  // The square the grid takes on a page of Wp by Hp printer pixels: 80 % of the
  // shorter side of the left half (landscape) or top half (portrait), centred
  // in that half.
  static QRect PrintSquare(int PageWidth, int PageHeight, bool Landscape);

  // --- Input and commands: thin calls of the game ---
  // A given the game refuses while a puzzle is typed in shows a moment in
  // the rule-break colour (when ShowImpossible), and the selection stays.
  void EnterAtSelection(int Digit, bool NoteKey);
  static constexpr int RefusedFlashMs = 1000;
  // Takes back the newest move; the selection goes to its cell.
  void Undo();
  // Makes again the newest move that Undo took back ("Rétablir").
  void Redo();
  // Forgets the history and puts the selection back at the start.
  void ResetView();
  // The cell under a point, clamped to the grid.
  void CellAtPoint(int X, int Y, int& Col, int& Row) const;
  // Typing a puzzle in: the puzzle of a pasted text (TPartie::Paste).
  void PastePuzzle(const QString& Cells);
  // A saved grid: a game of that level from its start (no time, no helps).
  void LoadGrid(const QString& GivensText, const QString& DigitsText, std::uint8_t GridLevel);
  // A dealt grid of that level; none leaves the game as it is.
  void AssignGrid(std::unique_ptr<TGrille> Grid, int GridLevel = 0);
  // "Réinitialiser" (false) or, typing a puzzle in, "Effacer la grille" (true).
  void ClearGrid(bool EmptyAll);
  // "Remplir les notes" (TPartie::FillNotes); false when nothing changed.
  bool FillNotes() { return Partie_.FillNotes(); }
  // One hint step; false (Text untouched) when no step was found.
  bool GiveHint(QString& Text);
  // "Coup de pouce": the next rung of the hint (TPartie::HintRung), its cells
  // tinted; none when no hint was found.
  std::optional<TRung> GiveHintRung();
  // Solves the grid: the flags 256 (no solution), 512 (several solutions, not
  // shown), 1024 (guessed, solution shown), with the number of cells settled in
  // the low byte.
  std::uint16_t SolveGrid();
  // Returns the number of cells it filled.
  int ShowSolution();
  // The rating of the grid (RateLevel).
  std::uint8_t RateGrid();
  int CountEmpty() const;
  int CountErrors() const;
  // Called when a digit entered leaves no empty cell; setting it resets the view.
  void SetOnComplete(std::function<void()> Handler);

  // --- The puzzle as text ---
  // The puzzle on screen as one line of 81 characters, row by row: the givens
  // while playing, every digit while typing a puzzle in; "." for an empty cell.
  QString PuzzleText() const;
  // The first puzzle of a text in any of the forms ReadPuzzles reads (81
  // characters on a line, the grid text form, the ".sdk" and ".ss" grids of
  // nine lines): its 81 cells with "0" for an empty one, or an empty text
  // when the text holds none.
  static QString ReadPuzzle(const QString& Text);

  // "1" to "9", or "A" to "I" in letters (::DigitText).
  static QString DigitText(int Digit, TTypeBrique Type) { return ::DigitText(Digit, Type); }

  QSize sizeHint() const override;

 signals:
  // The game's grid changed: an entry, an undo or a redo, a hint, a solve, a
  // grid loaded, assigned or cleared.
  void GridChanged();
  // The game refused the digit entered: it breaks the rules of the givens.
  void EntryRefused();
  // Digit first: the chosen digit changed (-1 for none).
  void ChosenChanged(int Digit);

 protected:
  bool event(QEvent* Event) override;
  void paintEvent(QPaintEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;

 private:
  void KeepSelectionInGrid();
  // What an entry did shows: a refused digit flashes at the selection, or
  // the selection moves on (TabAuto).
  void ShowEntry(const TEntryResult& Result, int Digit);
  int CellKind(int Row, int Col) const;
  // One arrow step, then further steps over givens while playing.
  void MoveSelection(int Key);
  void StepSelection(int Key);
  void ResetSelection();
  // The game said its grid changed.
  void GridChangedInGame(bool NewGame);
  // Screen readers hear the cells whose text changed, and the selected cell
  // when it moved or the grid has just taken the keyboard (grilleaccessible.h).
  void AnnounceCells();
  void AnnounceSelection(bool Always = false);

  TPartie Partie_;
  TSaisie Saisie_;
  std::function<void()> OnComplete_;
  std::unique_ptr<QPrinter> Printer_;
  QColor CouleurFond_ = TGridLook{}.CouleurFond;
  QColor CouleurTrait_ = TGridLook{}.CouleurTrait;
  int HauteurCase_ = TGridLook{}.CellHeight;
  int LargeurCase_ = TGridLook{}.CellWidth;
  bool ShowAllCandidates_ = false;
  // The refused digit shown at its cell while RefusedFlash_ runs.
  TGridState::TRefused Refused_;
  QTimer RefusedFlash_;
  // Per cell, row by row: how the last hint's cells are tinted.
  std::array<THintTint, 81> HintTint_{};
  HintFocusT HintFocus_;
  int HintHue_ = 0;
  // What screen readers last heard: each cell's text and the selected cell.
  std::array<QString, 81> Spoken_;
  int SpokenRow_ = 0;
  int SpokenCol_ = 0;
};
