// SPDX-License-Identifier: GPL-3.0-or-later
// orvalis-cli: commands, line handling, odd input and usage errors.
#include <gtest/gtest.h>

#include <sstream>

#include "cli.h"
#include "engine_test_util.h"

using namespace testutil;

namespace {

struct Result {
  int status;
  std::string out, err;
};

Result Cli(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = cli::Run(args, in, out, err);
  return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(Cli, RateWritesOneLinePerNonEmptyInputLine) {
  const std::string input = kSolved + "\n\n" + std::string(81, '.') + "\r\n" + "   \n" + SolvedWithout({{5, 5}});
  const Result r = Cli({"rate"}, input);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "1\n52\n52\n1\n");  // a line of spaces is an empty grid
  EXPECT_TRUE(r.err.empty());
}

TEST(Cli, EveryOddLineGetsItsOutputLine) {
  std::string input;
  input += std::string(10000, '7') + "\n";                     // a very long line of clashing givens
  input += "\xc3\xa9\xff\xfe\x01 abc|||\n";                    // bytes that are not digits, bars in odd places
  input += "12\n";                                             // short
  input += "|" + kSolved + "\n";                               // no givens, digits only
  input += kSolved + "|" + std::string(81, '9') + "|4|0|0\n";  // digits that contradict the givens
  input += std::string(81, '0') + "|\n";
  for (const char* command : {"rate", "solution", "solve", "hint", "hints"}) {
    const Result r = Cli({command}, input);
    EXPECT_EQ(r.status, 0) << command;
    EXPECT_EQ(Lines(r.out).size(), 6u) << command;
  }
}

TEST(Cli, SolutionPrintsTheSettledAndTheFirstSolution) {
  const Result r = Cli({"solution"}, SolvedWithout({{1, 1}, {9, 9}}) + "\n");
  EXPECT_EQ(r.out, kSolved + " " + std::string(81, '0') + "\n");
  const std::string guessing = GuessingPuzzle();
  const auto parts = Lines(Cli({"solution"}, guessing + "\n").out).at(0);
  ASSERT_EQ(parts.size(), 163u);
  const std::string settled = parts.substr(0, 81);
  const std::string first = parts.substr(82);
  EXPECT_NE(settled.find('0'), std::string::npos);
  EXPECT_EQ(first.find('0'), std::string::npos);
  EXPECT_TRUE(KeepsRules(first));
}

TEST(Cli, SolveAndHints) {
  const std::string twoHoles = SolvedWithout({{4, 2}, {9, 9}});
  EXPECT_EQ(Cli({"solve"}, twoHoles + "\n").out, "2 " + kSolved + "\n");
  EXPECT_EQ(Cli({"solve"}, std::string(81, '.') + "\n").out, "512 " + std::string(81, '0') + "\n");
  EXPECT_EQ(Cli({"hints"}, twoHoles + "\n").out, "4 2 5;9 9 9\t" + kSolved + "\n");
  EXPECT_EQ(Cli({"hints"}, kSolved + "\n").out, "\t" + kSolved + "\n");
  EXPECT_EQ(Cli({"hint"}, kSolved + "\n").out, "-\n");
  EXPECT_EQ(Cli({"hint"}, twoHoles + "\n").out,
            "4 2 5 0\tEn regardant la ligne 4, on remarque qu'il ne manque qu'un chiffre. En comptant de 1 à 9, on "
            "voit qu'il s'agit du chiffre 5, que l'on place donc sur la colonne 2\n");
}

TEST(Cli, TheTextFormCarriesPlayerDigits) {
  // The player put a wrong 9 where 5 belongs: the hint replaces it.
  std::string digits = SolvedWithout({{4, 2}});
  digits[Cell(4, 2)] = '9';
  const Result r = Cli({"hint"}, SolvedWithout({{4, 2}}) + "|" + digits + "|4|120|2\n");
  EXPECT_EQ(r.out.substr(0, 8), "4 2 5 9\t");
}

TEST(Cli, GenerateIsRepeatableWithASeed) {
  const Result a = Cli({"generate", "--level", "3", "--count", "3", "--seed", "7", "--jobs", "1"});
  const Result b = Cli({"generate", "--seed", "7", "--count", "3", "--level", "3", "--jobs", "3"});
  EXPECT_EQ(a.status, 0);
  EXPECT_EQ(a.out, b.out);
  const auto lines = Lines(a.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[0], lines[1]);
  for (const std::string& line : lines) {
    ASSERT_EQ(line.size(), 81u + 7u) << line;
    EXPECT_EQ(line.substr(81), "||3|0|0");
    EXPECT_EQ(Cli({"rate"}, line + "\n").out, "3\n");
  }
  EXPECT_EQ(Lines(Cli({"generate", "--level", "1"}).out).size(), 1u);
}

// "Diabolique": 20 plainly, 5 with the advanced techniques.
TEST(Cli, GenerateLevelFiveGivesPuzzlesRatedFiveWithTheAdvancedTechniques) {
  const std::string line = Cli({"generate", "--level", "5", "--seed", "3"}).out;
  EXPECT_EQ(line.substr(81), "||5|0|0\n");
  EXPECT_EQ(Cli({"rate"}, line).out, "20\n");
  EXPECT_EQ(Cli({"rate", "--advanced"}, line).out.substr(0, 2), "5\t");
}

TEST(Cli, AdvancedHintsAndTheHardestTechnique) {
  // Logic needs no guess: the hardest technique is none of the advanced ones.
  EXPECT_EQ(Cli({"rate", "--advanced"}, SolvedWithout({{1, 1}}) + "\n").out, "1\t-\n");
  // An X-Wing finishes this one (the first position of the sentences' table).
  const std::string xwing = ReadLines("puzzles/advanced_hints.txt").at(0);
  const std::string position = xwing.substr(xwing.find('\t') + 1, 163);
  EXPECT_EQ(Cli({"hint"}, position + "\n").out.find("Il faut donc faire des essais") != std::string::npos, true);
  const std::string hint = Cli({"hint", "--advanced"}, position + "\n").out;
  EXPECT_NE(hint.find("(X-Wing)"), std::string::npos);
  // Hints accepted one after the other finish the grid without a guess.
  const std::string hints = Lines(Cli({"hints", "--advanced"}, position + "\n").out).at(0);
  EXPECT_EQ(hints.find('0', hints.find('\t')), std::string::npos);
}

TEST(Cli, JsonGivesTheHintAsItsSteps) {
  const std::string twoHoles = SolvedWithout({{4, 2}, {9, 9}});
  const std::string json = Cli({"hint", "--json"}, twoHoles + "\n" + kSolved + "\n").out;
  const std::vector<std::string> lines = Lines(json);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(
      lines[0].rfind("{\"placement\": {\"row\": 4, \"col\": 2, \"digit\": 5}, \"replaced\": 0, \"guess\": false, "
                     "\"steps\": [{\"technique\": \"chiffre manquant\", \"digits\": [5], \"cells\": [], "
                     "\"units\": [\"row 4\"], \"removals\": [], \"placement\": {\"row\": 4, \"col\": 2, \"digit\": 5}, "
                     "\"text\": \"En regardant la ligne 4,",
                     0),
      0u)
      << lines[0];
  EXPECT_EQ(lines[1], "{\"placement\": null, \"steps\": []}");
  // The advanced X-Wing: its removals as row, column, digit.
  const std::string xwing = ReadLines("puzzles/advanced_hints.txt").at(0);
  const std::string position = xwing.substr(xwing.find('\t') + 1, 163);
  // Without --advanced, the guess hint: no steps.
  EXPECT_NE(Cli({"hint", "--json"}, position + "\n").out.find("\"guess\": true, \"steps\": [], \"text\": \"La grille"),
            std::string::npos);
  const std::string advanced = Cli({"hint", "--advanced", "--json", "--lang", "en"}, position + "\n").out;
  EXPECT_NE(advanced.find("\"technique\": \"X-Wing\", \"digits\": [2]"), std::string::npos) << advanced;
  EXPECT_NE(advanced.find("\"removals\": [[2, 4, 2], [4, 9, 2]]"), std::string::npos) << advanced;
  EXPECT_NE(advanced.find("\"text\": \"In rows 1 and 6, 2 can only go in columns 4 and 9 (X-Wing)"), std::string::npos);
}

TEST(Cli, EnglishSentences) {
  const std::string twoHoles = SolvedWithout({{4, 2}, {9, 9}});
  EXPECT_EQ(Cli({"hint", "--lang", "en"}, twoHoles + "\n").out,
            "4 2 5 0\tRow 4 lacks only one digit (full house): counting from 1 to 9, it is 5, which goes in column "
            "2.\n");
  EXPECT_EQ(Cli({"hints", "--lang", "en"}, twoHoles + "\n").out, Cli({"hints"}, twoHoles + "\n").out);
  EXPECT_EQ(Cli({"hint", "--lang", "fr"}, twoHoles + "\n").out, Cli({"hint"}, twoHoles + "\n").out);
}

TEST(Cli, UsageErrors) {
  for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                {"solver"},
                                                                {"rate", "--fast"},
                                                                {"solve", "--advanced"},
                                                                {"rate", "--advanced", "--fast"},
                                                                {"hints", "--json"},
                                                                {"rate", "--lang", "en"},
                                                                {"hint", "--lang", "de"},
                                                                {"hint", "--lang"},
                                                                {"--version", "rate"},
                                                                {"--help", "rate"},
                                                                {"-help"},
                                                                {"generate"},
                                                                {"generate", "--level", "6"},
                                                                {"generate", "--level", "0"},
                                                                {"generate", "--level", "x"},
                                                                {"generate", "--level"},
                                                                {"generate", "--level", "2", "--count", "-1"},
                                                                {"generate", "--level", "2", "--seed", "1e3"},
                                                                {"generate", "--level", "2", "--jobs", "0"},
                                                                {"generate", "--level", "2", "--colour", "red"}}) {
    const Result r = Cli(args, kSolved + "\n");
    EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("usage"), std::string::npos);
  }
}

TEST(Cli, HelpPrintsTheUsageAndSucceeds) {
  for (const std::string option : {"--help", "-h"}) {
    const Result r = Cli({option}, kSolved + "\n");
    EXPECT_EQ(r.status, 0) << option;
    EXPECT_EQ(r.out, Cli({}).err) << option;
    EXPECT_TRUE(r.err.empty()) << option;
  }
}

}  // namespace
