// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridcolours.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Every digit and mark colour of a look on every background it can stand on
// reads at least 4.5:1 (the day look without high contrast keeps its old
// colours and is not held to it). The table is printed.
TEST(GridColoursTest, EveryTextReadsOnEveryBackgroundOfTheNightAndHighContrastLooks) {
  const char* texts[] = {"donnés", "joueur", "indice", "notes"};
  const char* backgrounds[] = {"grille",      "sélection",  "même chiffre",  "zone",       "zone indice",
                               "case indice", "erreur",     "mauvais empl.", "zone pas 1", "case pas 1",
                               "zone pas 2",  "case pas 2", "zone pas 3",    "case pas 3"};
  const struct {
    const char* Name;
    bool Dark;
    bool High;
  } looks[] = {
      {"Sombre", true, false}, {"Clair, contraste élevé", false, true}, {"Sombre, contraste élevé", true, true}};
  for (const auto& look : looks) {
    const TGridColours colours = GameGridColours(look.Dark, look.High);
    std::printf("%s\n", look.Name);
    for (std::size_t t = 0; t < colours.Texts().size(); ++t) {
      std::printf("  %-7s", texts[t]);
      for (std::size_t b = 0; b < colours.Backgrounds().size(); ++b) {
        const double ratio = ContrastRatio(colours.Texts()[t], colours.Backgrounds()[b]);
        std::printf(" %s %.1f", backgrounds[b], ratio);
        EXPECT_GE(ratio, 4.5) << look.Name << ": " << texts[t] << " on " << backgrounds[b];
      }
      std::printf("\n");
    }
  }
}

TEST(GridColoursTest, HighContrastSignalsAreNotRedAgainstGreenAndAreMarked) {
  for (const bool dark : {false, true}) {
    const TGridColours colours = GameGridColours(dark, true);
    EXPECT_TRUE(colours.MarkErrors);
    // The error is orange-ish (more red than green, little blue), never green.
    EXPECT_GT(colours.Wrong.red(), colours.Wrong.green());
    EXPECT_GT(colours.Wrong.green(), colours.Wrong.blue());
    // The same-digit highlight is blue.
    EXPECT_GT(colours.SameDigit.blue(), colours.SameDigit.red());
  }
}

TEST(GridColoursTest, ThePlayersSignalColourStaysUnlessItIsTheDefault) {
  const QColor red(255, 0, 0), mine(0, 128, 255), night(112, 22, 22);
  EXPECT_EQ(SignalColour(red, red, night, true), red);
  EXPECT_EQ(SignalColour(red, red, night, false), night);
  EXPECT_EQ(SignalColour(mine, red, night, false), mine);
}

TEST(GridColoursTest, ContrastOfBlackOnWhiteIsTwentyOne) {
  EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(QColor(255, 128, 0), QColor(255, 255, 0)), 2.3, 0.05);  // the old orange on yellow
}

}  // namespace
