// SPDX-License-Identifier: GPL-3.0-or-later
// Tf_Carnet: "Imprimer un carnet", a booklet of fresh puzzles for players who
// like paper. The player chooses the level, how many puzzles and how many to
// a page; the puzzles are generated on every core while the busy bar runs,
// then the print dialog (a printer, or a PDF file) prints them with a page of
// small solutions at the end.
#pragma once

#include <QDialog>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "grille.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QSpinBox;
class QThread;
class QTimer;
class TBusyBar;
class TFondCopie;
class TImage;

class Tf_Carnet : public QDialog {
  Q_OBJECT

 public:
  static constexpr int FormWidth = 480;  // room for the five levels' buttons
  static constexpr int FormHeight = 350;
  static constexpr int MaxPuzzles = 200;
  static constexpr int DefaultPuzzles = 12;

  // Parent none: centred on the main window when there is one. Level: the
  // level chosen at first (that of the game on screen).
  explicit Tf_Carnet(int Level, QWidget* Parent = nullptr);
  ~Tf_Carnet() override;

  int ChosenLevel() const;
  int ChosenCount() const;
  int ChosenPerPage() const;
  // Label1 says on which pages the solutions of the booklet chosen come.
  void ShowSolutionPages();

  // The seed of the booklet's first puzzle (the clock's by default); puzzle
  // k comes from Seed + k.
  std::uint64_t Seed;
  // The puzzles once generated, in their order.
  const std::vector<TGrille>& Puzzles() const { return Puzzles_; }

  // Generates the booklet's puzzles (the busy bar runs meanwhile), then shows
  // the print dialog. A test may set PrintStep to print elsewhere.
  void b_ImprimerClick();
  std::function<void(Tf_Carnet&)> PrintStep;

  TImage* Image1;
  TFondCopie* FondCopie1;
  QLabel* Label1;
  QButtonGroup* Niveaux;
  QSpinBox* se_Nombre;
  QButtonGroup* ParPage;
  TBusyBar* Attente;
  QLabel* l_Etat;
  QPushButton* b_Imprimer;
  QPushButton* b_Annuler;

 public slots:
  // The close box, Escape and "Annuler": during the generation it is asked
  // to stop, and the dialog closes once it has.
  void reject() override;

 private:
  void GenerationDone();
  void ShowProgress();
  void PrintPuzzles();
  void SetBusy(bool Busy);

  QThread* Thread_ = nullptr;
  QTimer* Progress_;
  std::atomic<bool> Stop_{false};
  std::atomic<int> Done_{0};
  std::vector<TGrille> Puzzles_;
  bool Closing_ = false;
  int GeneratedLevel_ = 0;
};
