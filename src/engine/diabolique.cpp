// SPDX-License-Identifier: GPL-3.0-or-later
#include "diabolique.h"

#include <algorithm>

AdvancedPlay PlayAdvancedHints(TGrille Grid, bool OneSolution) {
  const HintOptions options{true, OneSolution};
  AdvancedPlay play;
  for (int n = 0; n < 81; ++n) {
    const std::optional<HintStep> hint = Grid.FindHint(options);
    if (!hint) break;
    if (hint->Guess) return play;
    for (const ReasoningStep& step : hint->Steps)
      if (IsAdvanced(step.Kind)) play.Hardest = std::max(play.Hardest.value_or(step.Kind), step.Kind);
  }
  play.Finished = Grid.CountEmpty() == 0;
  return play;
}

bool IsDiabolique(std::uint8_t Rating, const AdvancedPlay& Play) {
  return Rating == (LevelExpert | RatingGuess) && Play.Finished;
}

std::uint8_t RateWithAdvanced(TGrille& Grid) {
  const std::uint8_t rating = Grid.RateLevel();
  if (rating != (LevelExpert | RatingGuess)) return rating;
  return IsDiabolique(rating, PlayAdvancedHints(Grid, true)) ? static_cast<std::uint8_t>(LevelDiabolique) : rating;
}
