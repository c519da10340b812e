// SPDX-License-Identifier: GPL-3.0-or-later
// THintLadder: "Coup de pouce", the hint of the grid given one rung at a
// time. First a nudge (the unit to look at, the technique to look for), then
// each step of its reasoning, last the placement of its digit, which "Indice"
// gives at once with the whole sentence. One help per hint, paid at its first
// rung whichever command showed it: the later rungs, and "Indice" after them,
// cost nothing more.
//
// A hint belongs to one position of the grid, named by a stamp that the game
// changes with every move but pencil marks, and with undo and redo: on
// another position the next rung begins a new hint, and pays.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "grille.h"
#include "hintwriter.h"

// One rung: what the tip box shows and what the grid tints.
struct TRung {
  enum class TKind : std::uint8_t { Nudge, Step, Placement };
  TKind Kind = TKind::Nudge;
  // Rung Number of Count, from 1.
  int Number = 1;
  int Count = 1;
  std::string Text;  // in the language of the hints
  HintFocusT Focus;
  // The colour of the tint: 0 the hint's own (the nudge, the placement), k
  // the k-th step's.
  int Hue = 0;
};

// The rungs of a hint, written in Language: the nudge written from its first
// step, each step before the placement, the placement. The guess hint, which
// has no step, is its only rung.
std::vector<TRung> HintRungs(const HintStep& Hint, HintLanguage Language);

class THintLadder {
 public:
  using TFind = std::function<std::optional<HintStep>()>;
  // What one rung more gave.
  struct TClimb {
    bool NewHint = false;       // a hint begun: one help, found or not
    std::optional<TRung> Rung;  // none when no hint was found
  };
  // The next rung of the hint of position Stamp, written in Language. Find
  // gives the hint of the position; it is asked only when the ladder does not
  // hold it yet.
  TClimb Climb(std::uint64_t Stamp, const TFind& Find, HintLanguage Language);
  // "Indice" on position Stamp: whether its hint is paid already (a rung of
  // it was shown). The ladder ends: the hint is given whole.
  bool GiveWhole(std::uint64_t Stamp);
  // The rungs shown of the hint of position Stamp, 0 for none.
  int Shown(std::uint64_t Stamp) const;
  // The colour of the tint of the rung last shown on position Stamp.
  int Hue(std::uint64_t Stamp) const;
  // A game taken up had shown that many rungs of the hint of its position,
  // now Stamp: the next rung goes on from there, its hint found again.
  void Restore(std::uint64_t Stamp, int Shown);

 private:
  // The ladder holds the hint of position Stamp, paid and not finished.
  bool On(std::uint64_t Stamp) const;

  std::uint64_t Stamp_ = 0;
  int Shown_ = 0;
  // Empty until the hint is found (a ladder restored finds it again).
  std::vector<TRung> Rungs_;
};
