// SPDX-License-Identifier: GPL-3.0-or-later
// TMonkey: a player who does anything at all, at random, on the real main
// window: keys, clicks on cells, the digit buttons (left and right, with Ctrl
// or not), every command of the game screen (hint, undo, candidates, solve,
// reinitialise, new grid at "Facile" or "Moyen", load, save, print, help), the
// typing-in of a puzzle with its verification and its play, and the menu. Every
// modal dialog that a command opens is answered at random as well, by a watch
// that runs inside the dialog's own event loop.
//
// After each step it checks that the game holds together:
// - the candidates agree with the digits (none in a filled cell, none that a
//   peer holds);
// - while playing, the givens never change and always stand in the grid;
// - the undo stack only undoes what was done: a step that changes a cell
//   pushes exactly one entry describing that change, "Annuler la saisie" pops
//   entries and puts back the one cell as the entry says, and nothing else
//   touches the stack or the cells (apart from the commands that solve or
//   start another grid);
// - within a game, the clock and the help counter never go backwards, and the
//   counter on screen is the game's.
//
// Everything is drawn from one seed: the steps, the answers, the generator's
// grids (each generation is seeded from it, and the monkey lets the generator
// come to rest before each step) and the clock of the game (a clock of its
// own, moved on at each step). So a failure, reported with its seed and step,
// happens again with the same seed.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <random>
#include <string>

class Tf_Main;

class TMonkey {
 public:
  // Plays on the main window, which must be shown and whose program folder
  // is a scratch one (the monkey saves grids and scores there).
  TMonkey(Tf_Main& Main, std::uint64_t Seed);
  ~TMonkey();
  TMonkey(const TMonkey&) = delete;
  TMonkey& operator=(const TMonkey&) = delete;

  // Runs Steps steps. False at the first step after which the game does not
  // hold together or that does not end within the watch's limit; Failure()
  // then says which step, what it did and what went wrong.
  bool Run(int Steps);

  const std::string& Failure() const { return Failure_; }
  // What happened, for the benchmark: steps run, games ended, grids dealt.
  int StepsRun() const { return StepsRun_; }
  int GamesEnded() const { return GamesEnded_; }
  // Grids that came on screen (new grids, new screens).
  int GridsDealt() const { return GridsDealt_; }
  int HintsGiven() const { return HintsGiven_; }

 private:
  enum class Kind : int;
  struct State;
  class Answerer;

  void Step();
  bool WaitForGenerator();
  void AdoptScreen();
  State Capture() const;
  std::string Check(const State& Before, const State& After) const;
  int Pick(int Count);
  bool Chance(int Percent);

  Tf_Main& Main_;
  std::uint64_t Seed_;
  std::mt19937 Random_;
  std::unique_ptr<Answerer> Answerer_;
  std::uint64_t Now_ = 1000;       // the game's clock, in milliseconds
  const void* Adopted_ = nullptr;  // the game screen whose clock is Now_
  std::uint32_t AdoptedSerial_ = 0;
  std::uint64_t Generations_ = 0;
  int StepsRun_ = 0;
  int GamesEnded_ = 0;
  int GridsDealt_ = 0;
  int HintsGiven_ = 0;
  std::string Action_;  // what the current step does
  Kind LastKind_{};
  std::string Failure_;
};
