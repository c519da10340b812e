// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzles read from the plain text forms, and nothing read from garbage.
#include <gtest/gtest.h>

#include "puzzletext.h"

namespace {

const std::string A = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
const std::string B = "000000010400000000020000000000050407008000300001090000300400200050100000000806000";

struct Case {
  const char* Name;
  std::string Text;
  std::vector<std::string> Puzzles;
};

TEST(PuzzleText, EachFormGivesItsPuzzlesAndGarbageNone) {
  const std::string sdk =
      "#A Orvalis\n#D a comment\n53..7....\n6..195...\n.98....6.\n8...6...3\n4..8.3..1\n7...2...6\n"
      ".6....28.\n...419..5\n....8..79\n";
  const std::string ss =
      "*-----------*\r\n|53.|.7.|...|\r\n|6..|195|...|\r\n|.98|...|.6.|\r\n|---+---+---|\r\n"
      "|8..|.6.|..3|\r\n|4..|8.3|..1|\r\n|7..|.2.|..6|\r\n|---+---+---|\r\n|.6.|...|28.|\r\n"
      "|...|419|..5|\r\n|...|.8.|.79|\r\n*-----------*\r\n";
  std::string dottedB = B;
  for (char& c : dottedB)
    if (c == '0') c = '.';
  const Case cases[] = {
      {"lines of 81, comments after them", A + "\n" + dottedB + " # 17 givens\n\n", {A, B}},
      {"grid text form", "\xEF\xBB\xBF" + A + "|" + B + "|1|754|2\r\n", {A}},
      {"sdk", sdk, {A}},
      {"ss", ss, {A}},
      {"two sdk grids", sdk + "\n" + sdk, {A, A}},
      {"eight rows", sdk.substr(sdk.find("6..195")), {}},
      {"a row interrupted", "53..7....\n6..195...\nx\n" + sdk.substr(sdk.find(".98")), {}},
      {"82 cells", A + "1\n", {}},
      {"a letter among 81", A.substr(0, 40) + "x" + A.substr(41), {}},
      {"garbage",
       "\x7f"
       "ELF\x02\x01\x01 Bonjour, voici la grille de demain !\n|||---\n",
       {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadPuzzles(c.Text), c.Puzzles) << c.Name;
}

}  // namespace
