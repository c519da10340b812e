// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <istream>
#include <ostream>

#include <random>

#include "advancedhint.h"
#include "dailygrid.h"
#include "diabolique.h"
#include "generatebatch.h"
#include "gridtext.h"
#include "grille.h"

namespace cli {

namespace {

const char* const kUsage =
    "usage: orvalis-cli rate|solution|solve|hint|hints < puzzles\n"
    "       orvalis-cli rate|hint|hints --advanced < puzzles\n"
    "       orvalis-cli hint [--advanced] [--json] [--lang fr|en] < puzzles\n"
    "       orvalis-cli hints [--advanced] [--lang fr|en] < puzzles\n"
    "       orvalis-cli generate --level L [--count N] [--seed S] [--jobs J]\n"
    "       orvalis-cli daily --date YYYY-MM-DD\n"
    "       orvalis-cli --version\n"
    "       orvalis-cli --help\n"
    "Each input line is 81 givens (1-9, 0 or . for an empty cell) or the grid text\n"
    "\"givens|digits|level|time|hints\"; one output line per non-empty input line.\n";

// The puzzles generated together before they are written out.
constexpr long long kChunk = 256;

template <class T>
bool ParseNumber(const std::string& text, T& value) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && !text.empty();
}

int Generate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  int level = 0;
  long long count = 1;
  std::uint64_t seed = 0;
  int jobs = 0;
  bool haveLevel = false, haveSeed = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& option = args[i];
    const bool hasValue = i + 1 < args.size();
    bool ok = hasValue;
    if (option == "--level" && hasValue)
      ok = haveLevel = ParseNumber(args[++i], level) && level >= LevelFacile && level <= HighestLevel;
    else if (option == "--count" && hasValue)
      ok = ParseNumber(args[++i], count) && count >= 0;
    else if (option == "--seed" && hasValue)
      ok = haveSeed = ParseNumber(args[++i], seed);
    else if (option == "--jobs" && hasValue)
      ok = ParseNumber(args[++i], jobs) && jobs >= 1;
    else
      ok = false;
    if (!ok) {
      err << "orvalis-cli: bad or incomplete option \"" << option << "\"\n" << kUsage;
      return 2;
    }
  }
  if (!haveLevel) {
    err << "orvalis-cli: generate needs --level 1 to 5\n" << kUsage;
    return 2;
  }
  if (!haveSeed) seed = (std::uint64_t(std::random_device{}()) << 32) | std::random_device{}();
  // Puzzle k comes from the seed S + k whatever the threads; the output goes
  // out a chunk at a time.
  for (long long start = 0; start < count; start += kChunk) {
    BatchRequest request;
    request.Level = level;
    request.Count = static_cast<int>(std::min(kChunk, count - start));
    request.Seed = seed + static_cast<std::uint64_t>(start);
    request.Jobs = jobs;
    for (const TGrille& grid : GenerateBatch(request)) out << grid.SaveToText(false, level, 0, 0) << '\n';
    out.flush();
  }
  return 0;
}

// The daily grid of a date, as the game deals it.
int Daily(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  DailyDate date;
  bool ok = args.size() == 3 && args[1] == "--date" && args[2].size() == 10 && args[2][4] == '-' && args[2][7] == '-' &&
            ParseNumber(args[2].substr(0, 4), date.Year) && ParseNumber(args[2].substr(5, 2), date.Month) &&
            ParseNumber(args[2].substr(8, 2), date.Day);
  TGrille grid;
  if (!ok || !GenerateDaily(grid, date)) {
    err << "orvalis-cli: daily needs --date YYYY-MM-DD, a real date\n" << kUsage;
    return 2;
  }
  out << grid.SaveToText(false, DailyLevel(date), 0, 0) << '\n';
  return 0;
}

// Reads the next input line and keeps of it only what SplitLine uses: at most
// 81 givens, then "|" and at most 81 digits when the line has a bar. A line
// of any length thus costs no more memory than that. A CR just before the LF
// (or the end of the input) is dropped. False at the end of the input.
bool ReadUsedLine(std::istream& in, std::string& kept) {
  using Traits = std::char_traits<char>;
  std::streambuf* buffer = in.rdbuf();
  kept.clear();
  if (buffer == nullptr) return false;
  int part = 0;            // 0 givens, 1 digits, 2 the rest of the line (ignored)
  std::size_t inPart = 0;  // characters kept in the current part
  bool pendingCr = false;  // a CR that ends the line if an LF follows
  bool readAny = false;
  const auto keep = [&](char c) {
    if (part < 2 && c == '|') {
      ++part;
      inPart = 0;
      if (part == 1) kept += '|';
    } else if (part < 2 && inPart < 81) {
      kept += c;
      ++inPart;
    }
  };
  for (;;) {
    const Traits::int_type next = buffer->sbumpc();
    if (Traits::eq_int_type(next, Traits::eof())) {
      in.setstate(std::ios::eofbit);
      return readAny;
    }
    readAny = true;
    const char c = Traits::to_char_type(next);
    if (c == '\n') return true;
    if (pendingCr) keep('\r');
    pendingCr = c == '\r';
    if (!pendingCr) keep(c);
  }
}

// The rating and the hardest advanced technique that the hints of a player
// who accepts every one of them use: "essais" when they still have to guess,
// "-" when the puzzle needs no guessing at all. A puzzle they finish without
// a guess that the levels' techniques cannot is "Diabolique".
std::string RateAdvanced(TGrille& grid) {
  std::uint8_t rating = grid.RateLevel();
  std::string hardest = "-";
  if (rating & RatingGuess) {
    const AdvancedPlay play = PlayAdvancedHints(grid, advanced::HasOneSolution(grid));
    if (!play.Finished)
      hardest = "essais";
    else if (play.Hardest)
      hardest = TechniqueName(*play.Hardest);
    if (IsDiabolique(rating, play)) rating = LevelDiabolique;
  }
  return std::to_string(rating) + "\t" + hardest;
}

// A JSON string: quotes, backslashes and control characters escaped; the
// sentences' UTF-8 passes as it is.
std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      static const char hex[] = "0123456789abcdef";
      out += "\\u00";
      out += hex[(c >> 4) & 15];
      out += hex[c & 15];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string JsonPlacement(int cell, int digit) {
  return "{\"row\": " + std::to_string(cell / 9 + 1) + ", \"col\": " + std::to_string(cell % 9 + 1) +
         ", \"digit\": " + std::to_string(digit) + "}";
}

std::string JsonUnit(const HintUnit& unit) {
  const char* kind = unit.Kind == UnitKind::Row ? "row " : unit.Kind == UnitKind::Col ? "column " : "block ";
  return "\"" + std::string(kind) + std::to_string(unit.Number) + "\"";
}

template <class T, class Write>
std::string JsonList(const std::vector<T>& items, Write write) {
  std::string out = "[";
  for (std::size_t k = 0; k < items.size(); ++k) out += (k > 0 ? ", " : "") + write(items[k]);
  return out + "]";
}

std::string JsonStep(const ReasoningStep& step, HintLanguage language) {
  std::vector<int> digits = step.Pair != 0 ? hintwriter::DigitsOf(step.Pair) : std::vector<int>{step.Digit};
  std::vector<std::array<int, 3>> removals;
  for (const auto& [cell, mask] : step.Removals)
    for (int d : hintwriter::DigitsOf(mask)) removals.push_back({cell / 9 + 1, cell % 9 + 1, d});
  std::string out = "{\"technique\": " + JsonString(hintwriter::TechniqueName(step, language));
  out += ", \"digits\": " + JsonList(digits, [](int d) { return std::to_string(d); });
  out += ", \"cells\": " + JsonList(step.Cells, [](int cell) {
           return "[" + std::to_string(cell / 9 + 1) + ", " + std::to_string(cell % 9 + 1) + "]";
         });
  out += ", \"units\": " + JsonList(step.Units, JsonUnit);
  out += ", \"removals\": " + JsonList(removals, [](const std::array<int, 3>& r) {
           return "[" + std::to_string(r[0]) + ", " + std::to_string(r[1]) + ", " + std::to_string(r[2]) + "]";
         });
  if (step.Placed >= 0) out += ", \"placement\": " + JsonPlacement(step.Placed, step.Digit);
  return out + ", \"text\": " + JsonString(hintwriter::StepText(step, language)) + "}";
}

// The hint as JSON: its placement, whether it is the guess hint, its steps
// (none for the guess) and its whole text; without a hint, no placement.
std::string JsonHint(const std::optional<HintStep>& hint, HintLanguage language) {
  if (!hint) return "{\"placement\": null, \"steps\": []}";
  return "{\"placement\": " + JsonPlacement(Cell(hint->Row, hint->Col), hint->Digit) +
         ", \"replaced\": " + std::to_string(hint->Replaced) + ", \"guess\": " + (hint->Guess ? "true" : "false") +
         ", \"steps\": " + JsonList(hint->Steps, [&](const ReasoningStep& step) { return JsonStep(step, language); }) +
         ", \"text\": " + JsonString(hintwriter::HintSentence(*hint, language)) + "}";
}

}  // namespace

void SplitLine(std::string_view line, std::string_view& givens, std::string_view& digits) {
  const TGridText grid = ReadGridText(line);
  givens = grid.Givens.substr(0, 81);
  digits = grid.Digits.substr(0, 81);
}

bool RunCommand(const std::string& command, std::string_view line, std::string& output, const CommandOptions& options) {
  std::string_view givens, digits;
  SplitLine(line, givens, digits);
  TGrille grid;
  grid.LoadFromText(givens, digits);
  HintOptions hintOptions;
  if (options.Advanced && (command == "hint" || command == "hints"))
    hintOptions = {true, advanced::HasOneSolution(grid)};

  if (command == "rate") {
    output = options.Advanced ? RateAdvanced(grid) : std::to_string(grid.RateLevel());
  } else if (command == "solution") {
    output = DigitsText(grid.Solution) + " " + DigitsText(grid.FirstSolution);
  } else if (command == "solve") {
    const std::uint16_t flags = grid.SolveGrid();
    output = std::to_string(flags) + " " + DigitsText(grid.Digits);
  } else if (command == "hint") {
    const std::optional<HintStep> hint = grid.FindHint(hintOptions);
    if (options.Json)
      output = JsonHint(hint, options.Language);
    else if (!hint)
      output = "-";
    else
      output = std::to_string(hint->Row) + " " + std::to_string(hint->Col) + " " + std::to_string(hint->Digit) + " " +
               std::to_string(hint->Replaced) + "\t" + hintwriter::HintSentence(*hint, options.Language);
  } else if (command == "hints") {
    // A player who accepts every hint: at most one per cell.
    std::string steps;
    for (int n = 0; n < 81; ++n) {
      const std::optional<HintStep> hint = grid.FindHint(hintOptions);
      if (!hint) break;
      if (!steps.empty()) steps += ';';
      steps += std::to_string(hint->Row) + " " + std::to_string(hint->Col) + " " + std::to_string(hint->Digit);
    }
    output = steps + "\t" + DigitsText(grid.Digits);
  } else {
    return false;
  }
  return true;
}

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return 2;
  }
  const std::string& command = args[0];
  if (command == "--version" && args.size() == 1) {
    out << "orvalis-cli " << ORVALIS_VERSION << '\n';
    return 0;
  }
  // Asked for, the usage is the answer, not an error.
  if ((command == "--help" || command == "-h") && args.size() == 1) {
    out << kUsage;
    return 0;
  }
  if (command == "generate") return Generate(args, out, err);
  if (command == "daily") return Daily(args, out, err);
  if (command != "rate" && command != "solution" && command != "solve" && command != "hint" && command != "hints") {
    err << "orvalis-cli: unknown command \"" << command << "\"\n" << kUsage;
    return 2;
  }
  CommandOptions options;
  const bool hinting = command == "hint" || command == "hints";
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& option = args[i];
    bool known = true;
    if (option == "--advanced" && (command == "rate" || hinting))
      options.Advanced = true;
    else if (option == "--json" && command == "hint")
      options.Json = true;
    else if (option == "--lang" && hinting && i + 1 < args.size() && (args[i + 1] == "fr" || args[i + 1] == "en"))
      options.Language = args[++i] == "en" ? HintLanguage::English : HintLanguage::French;
    else
      known = false;
    if (!known) {
      err << "orvalis-cli: unknown option \"" << option << "\"\n" << kUsage;
      return 2;
    }
  }
  std::string line, output;
  while (ReadUsedLine(in, line)) {
    if (line.empty()) continue;
    RunCommand(command, line, output, options);
    out << output << '\n';
  }
  out.flush();
  return 0;
}

}  // namespace cli
