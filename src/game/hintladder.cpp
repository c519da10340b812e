// SPDX-License-Identifier: GPL-3.0-or-later
#include "hintladder.h"

#include <algorithm>
#include <utility>

#include "hintfocus.h"
#include "hintwriter.h"

std::vector<TRung> HintRungs(const HintStep& Hint, HintLanguage Language) {
  std::vector<TRung> rungs;
  if (Hint.Steps.empty()) {
    rungs.push_back({TRung::TKind::Placement, 1, 1, hintwriter::HintSentence(Hint, Language), Hint.Focus, 0});
    return rungs;
  }
  const ReasoningStep& first = Hint.Steps.front();
  rungs.push_back({TRung::TKind::Nudge, 1, 0, hintwriter::NudgeText(first, Language), hintfocus::NudgeFocus(first), 0});
  for (std::size_t k = 0; k < Hint.Steps.size(); ++k) {
    const ReasoningStep& step = Hint.Steps[k];
    const bool last = k + 1 == Hint.Steps.size();
    // The engine wrote each step's French sentence as it found it.
    const bool asFound = Language == HintLanguage::French && !step.Text.empty();
    rungs.push_back({last ? TRung::TKind::Placement : TRung::TKind::Step, int(k) + 2, 0,
                     asFound ? step.Text : hintwriter::StepText(step, Language), hintfocus::StepFocus(step),
                     last ? 0 : int(k) + 1});
  }
  // A hint of one step: its placement says it whole, as "Indice" does.
  if (Hint.Steps.size() == 1) rungs.back().Text = hintwriter::HintSentence(Hint, Language);
  for (TRung& rung : rungs) rung.Count = int(rungs.size());
  return rungs;
}

bool THintLadder::On(std::uint64_t Stamp) const {
  return Shown_ > 0 && Stamp == Stamp_ && (Rungs_.empty() || Shown_ < int(Rungs_.size()));
}

THintLadder::TClimb THintLadder::Climb(std::uint64_t Stamp, const TFind& Find, HintLanguage Language) {
  TClimb climb;
  if (!On(Stamp)) {
    climb.NewHint = true;
    Stamp_ = Stamp;
    Shown_ = 0;
    Rungs_.clear();
  }
  if (Rungs_.empty()) {
    const std::optional<HintStep> hint = Find();
    if (!hint) {
      Shown_ = 0;  // nothing to climb: the next rung looks again, and pays
      return climb;
    }
    Rungs_ = HintRungs(*hint, Language);
    // A restored ladder goes on at its rung, at worst at the placement.
    Shown_ = std::min(Shown_, int(Rungs_.size()) - 1);
  }
  climb.Rung = Rungs_[std::size_t(Shown_++)];
  return climb;
}

bool THintLadder::GiveWhole(std::uint64_t Stamp) {
  const bool paid = On(Stamp);
  Shown_ = 0;
  Rungs_.clear();
  return paid;
}

int THintLadder::Shown(std::uint64_t Stamp) const { return On(Stamp) ? Shown_ : 0; }

int THintLadder::Hue(std::uint64_t Stamp) const {
  if (!On(Stamp)) return 0;
  if (!Rungs_.empty()) return Rungs_[std::size_t(Shown_ - 1)].Hue;
  // Restored: the nudge (rung 1) has the hint's colour, rung k + 1 is step k.
  return Shown_ - 1;
}

void THintLadder::Restore(std::uint64_t Stamp, int Shown) {
  Stamp_ = Stamp;
  Shown_ = std::max(0, Shown);
  Rungs_.clear();
}
