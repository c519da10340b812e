// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a text of its own, kept so that a game left (a quit, a crash)
// can be taken up again exactly as it was. One "key value" pair a line, in a
// fixed order, between a first line naming the format and its version and a
// last line "fin": a file cut anywhere misses that line and is refused.
//
//   orvalis-partie 4
//   mode 1                  1 playing, 0 typing a puzzle in
//   niveau 2
//   temps 54321             milliseconds of play
//   aides 1
//   possibilites 0          1 once the candidates were shown
//   jour 2026-12-07         the day of a daily grid, "-" for any other game
//                           (not in version 1, which is still read)
//   origine 0               0 dealt or loaded, 1 typed in (from version 3)
//   indice 3 4 7            the hinted cell and the wrong digit it replaced; 0 0 0 for none
//   donnees <81 digits>     the givens, "0" for a free cell
//   chiffres <81 digits>    every digit in the grid
//   notes <81 x 3 hex>      the pencil marks of each cell
//   marques <81 x 2 hex>    the error marks of each cell
//   historique 12 10        the moves undo and redo go through, the first 10 done
//                           (not in version 1; 0 0 past MaxHistory moves)
//   coup 0 1 3 4 0          each move: kind, row, column, digit, digit before
//   etat 347 <cells>        the grid before the first move, then after each: its
//                           hinted cell, then each cell that differs from the grid
//                           before it (two digits of cell, given, digit, 3 hex of
//                           notes, 2 hex of marks)
//   vue 3 4                 the selected cell (from version 3)
//   conseil <text>          the tip shown, the last hint's sentence ("\n" a line
//                           break, "\\" a backslash); nothing after the space for none
//   teinte <words>          what that hint tints: U<kind><n> a unit (kind 0 row,
//                           1 column, 2 block), C<row><col><group> a cell,
//                           R<row><col><3 hex> candidates removed
//   echelle 2               the rungs of the hint "Coup de pouce" showed on this
//                           position, 0 for none (from version 4)
//   fin
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <optional>
#include <sstream>
#include <vector>

#include "partie.h"

namespace {

constexpr std::string_view Format = "orvalis-partie";
constexpr int Version = 4;
// A tip longer than this is not kept (the longest hint is far shorter).
constexpr std::size_t MaxTipBytes = 64 * 1024;
constexpr int MaxHelps = 1 << 20;
// More rungs than a hint has steps: its placement comes next.
constexpr int MaxRungs = 1000;
// Longer histories are not kept, so that the text a move writes stays small
// (a digit writes some 30 to 250 characters of history).
constexpr std::size_t MaxHistory = 4000;
constexpr std::size_t MaxHistoryBytes = 512 * 1024;

std::string Hex(unsigned Value, int Width) {
  static constexpr char digits[] = "0123456789abcdef";
  std::string text(std::size_t(Width), '0');
  for (int k = Width - 1; k >= 0; --k, Value >>= 4) text[std::size_t(k)] = digits[Value & 15];
  return text;
}

std::string Escaped(std::string_view Text) {
  std::string out;
  out.reserve(Text.size());
  for (const char c : Text) {
    if (c == '\\')
      out += "\\\\";
    else if (c == '\n')
      out += "\\n";
    else if (c != '\r')
      out += c;
  }
  return out;
}

std::optional<std::string> Unescaped(std::string_view Text) {
  std::string out;
  out.reserve(Text.size());
  for (std::size_t k = 0; k < Text.size(); ++k) {
    if (Text[k] != '\\') {
      out += Text[k];
      continue;
    }
    if (++k == Text.size()) return std::nullopt;
    if (Text[k] == 'n')
      out += '\n';
    else if (Text[k] == '\\')
      out += '\\';
    else
      return std::nullopt;
  }
  return out;
}

std::string TintWords(const HintFocusT& Focus) {
  std::string words;
  const auto add = [&words](const std::string& word) {
    if (!words.empty()) words += ' ';
    words += word;
  };
  for (const HintUnit& unit : Focus.Units) add("U" + std::to_string(int(unit.Kind)) + std::to_string(unit.Number));
  for (const HintCell& cell : Focus.Cells)
    add("C" + std::to_string(cell.Row) + std::to_string(cell.Col) + std::to_string(cell.Group));
  for (const HintRemoval& removal : Focus.Removed)
    add("R" + std::to_string(removal.Row) + std::to_string(removal.Col) + Hex(removal.Digits & AllDigits, 3));
  return words;
}

// Reads the lines in order; any deviation leaves it failed.
class Reader {
 public:
  explicit Reader(std::string_view Text) : Text_(Text) {}

  // The value of the next line, which must be "Key value".
  std::string_view Value(std::string_view Key) {
    const std::string_view line = NextLine();
    if (line.size() <= Key.size() || line.substr(0, Key.size()) != Key || line[Key.size()] != ' ') {
      Failed = true;
      return {};
    }
    return line.substr(Key.size() + 1);
  }
  template <class Number>
  Number ReadNumber(std::string_view Text, Number Low, Number High, int Base = 10) {
    Number value{};
    const auto [end, error] = std::from_chars(Text.data(), Text.data() + Text.size(), value, Base);
    if (error != std::errc() || end != Text.data() + Text.size() || value < Low || value > High) Failed = true;
    return value;
  }
  template <class Number>
  Number Number_(std::string_view Key, Number Low, Number High) {
    return ReadNumber(Value(Key), Low, High);
  }
  // A line of exactly Count digits "0" to "9".
  std::string_view Digits(std::string_view Key, std::size_t Count) {
    const std::string_view text = Value(Key);
    if (text.size() != Count || text.find_first_not_of("0123456789") != std::string_view::npos) Failed = true;
    return text;
  }
  // A day "YYYY-MM-DD" that exists, or "-" for none.
  std::optional<std::chrono::year_month_day> Day(std::string_view Key) {
    const std::string_view text = Value(Key);
    if (text == "-") return std::nullopt;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
      Failed = true;
      return std::nullopt;
    }
    const std::chrono::year_month_day day{std::chrono::year(ReadNumber(text.substr(0, 4), 1, 9999)),
                                          std::chrono::month(ReadNumber(text.substr(5, 2), 1u, 12u)),
                                          std::chrono::day(ReadNumber(text.substr(8, 2), 1u, 31u))};
    if (!day.ok()) Failed = true;
    return day;
  }
  std::string_view NextLine() {
    if (Rest_ >= Text_.size()) {
      Failed = true;
      return {};
    }
    const std::size_t end = Text_.find('\n', Rest_);
    if (end == std::string_view::npos) {
      Failed = true;  // the last line ends with its line break, or the file was cut
      return {};
    }
    const std::string_view line = Text_.substr(Rest_, end - Rest_);
    Rest_ = end + 1;
    return line;
  }
  bool AtEnd() const { return Rest_ == Text_.size(); }

  bool Failed = false;

 private:
  std::string_view Text_;
  std::size_t Rest_ = 0;
};

// A grid as the text holds it.
struct Fields {
  std::string Givens = std::string(81, '0');
  std::string Digits = std::string(81, '0');
  WordArray Notes{};
  ByteArray Marks{};
  std::array<int, 3> Hint{};  // row, column, digit; 0 0 0 for none

  explicit Fields() = default;
  explicit Fields(const TGrille& Grid) {
    for (std::size_t i = 0; i < 81; ++i) {
      Givens[i] = char('0' + Grid.Givens[i] % 10);
      Digits[i] = char('0' + WordDigit(Grid.Digits[i]));
      Notes[i] = Grid.Notes[i] & AllDigits;
      Marks[i] = Grid.Marks[i];
    }
    Hint = {Grid.HintRow, Grid.HintCol, Grid.HintDigit};
  }
  bool SameCell(const Fields& Other, std::size_t i) const {
    return Givens[i] == Other.Givens[i] && Digits[i] == Other.Digits[i] && Notes[i] == Other.Notes[i] &&
           Marks[i] == Other.Marks[i];
  }
  // The grid, or none when a mark stands where no player's digit names it
  // or the hint names half a cell.
  std::optional<TGrille> Grid() const {
    if ((Hint[0] == 0) != (Hint[1] == 0)) return std::nullopt;
    TGrille grid;
    grid.LoadFromText(Givens, Digits);
    for (std::size_t i = 0; i < 81; ++i) {
      const int digit = WordDigit(grid.Digits[i]);
      if (Marks[i] != 0 && (grid.Givens[i] != 0 || (Marks[i] & MarkDigitBits) != digit)) return std::nullopt;
      grid.Marks[i] = Marks[i];
      grid.Notes[i] = Notes[i];
    }
    grid.HintRow = std::uint8_t(Hint[0]);
    grid.HintCol = std::uint8_t(Hint[1]);
    grid.HintDigit = std::uint8_t(Hint[2]);
    return grid;
  }
};

// The "etat" line of a grid after the grid before it.
std::string StateLine(const Fields& Before, const Fields& After) {
  std::string line = "etat ";
  for (const int k : After.Hint) line += char('0' + k);
  for (std::size_t i = 0; i < 81; ++i) {
    if (After.SameCell(Before, i)) continue;
    line += ' ';
    line += char('0' + i / 10);
    line += char('0' + i % 10);
    line += After.Givens[i];
    line += After.Digits[i];
    line += Hex(After.Notes[i], 3) + Hex(After.Marks[i], 2);
  }
  return line + '\n';
}

// The grid of an "etat" line after the grid before it.
Fields ReadState(Reader& In, const Fields& Before) {
  Fields after = Before;
  const std::string_view text = In.Value("etat");
  if (text.size() < 3 || (text.size() - 3) % 10 != 0) In.Failed = true;
  if (In.Failed) return after;
  for (std::size_t k = 0; k < 3; ++k) after.Hint[k] = In.ReadNumber(text.substr(k, 1), 0, 9);
  for (std::size_t at = 3; at < text.size(); at += 10) {
    if (text[at] != ' ') In.Failed = true;
    const auto i = In.ReadNumber<std::size_t>(text.substr(at + 1, 2), 0, 80);
    if (In.Failed) break;
    after.Givens[i] = char('0' + In.ReadNumber(text.substr(at + 3, 1), 0, 9));
    after.Digits[i] = char('0' + In.ReadNumber(text.substr(at + 4, 1), 0, 9));
    after.Notes[i] = In.ReadNumber<std::uint16_t>(text.substr(at + 5, 3), 0, AllDigits, 16);
    after.Marks[i] =
        In.ReadNumber<std::uint8_t>(text.substr(at + 8, 2), 0, MarkDigitBits | MarkDiffersFromSolution, 16);
  }
  return after;
}

}  // namespace

std::string TPartie::ResumeText(const TVue& Vue) const {
  std::ostringstream out;
  out << Format << ' ' << Version << '\n';
  out << "mode " << (Playing_ ? 1 : 0) << '\n';
  out << "niveau " << Level_ << '\n';
  out << "temps " << Chrono_.Milliseconds() << '\n';
  out << "aides " << Helps_ << '\n';
  out << "possibilites " << (CandidatesShown_ ? 1 : 0) << '\n';
  std::array<char, 16> day{'-'};
  if (DailyDay_)
    std::snprintf(day.data(), day.size(), "%04d-%02u-%02u", int(DailyDay_->year()), unsigned(DailyDay_->month()),
                  unsigned(DailyDay_->day()));
  out << "jour " << day.data() << '\n';
  out << "origine " << int(Origin_) << '\n';
  out << "indice " << int(Grid_.HintRow) << ' ' << int(Grid_.HintCol) << ' ' << int(Grid_.HintDigit) << '\n';
  std::string givens, digits, notes, marks;
  for (std::size_t i = 0; i < 81; ++i) {
    givens += char('0' + Grid_.Givens[i] % 10);
    digits += char('0' + WordDigit(Grid_.Digits[i]));
    notes += Hex(Grid_.Notes[i] & AllDigits, 3);
    marks += Hex(Grid_.Marks[i], 2);
  }
  out << "donnees " << givens << '\n' << "chiffres " << digits << '\n';
  out << "notes " << notes << '\n' << "marques " << marks << '\n';
  std::ostringstream history;
  history << "historique " << Moves_.size() << ' ' << Position_ << '\n';
  for (const TMove& move : Moves_)
    history << "coup " << int(move.Kind) << ' ' << int(move.Row) << ' ' << int(move.Col) << ' ' << int(move.Digit)
            << ' ' << int(move.Previous) << '\n';
  Fields before;
  for (const TGrille& state : States_) {
    const Fields after(state);
    history << StateLine(before, after);
    before = after;
  }
  if (Moves_.size() <= MaxHistory && history.view().size() <= MaxHistoryBytes)
    out << history.view();
  else
    out << "historique 0 0\n" << StateLine(Fields(), Fields(Grid_));
  const bool inGrid = Vue.Row >= 1 && Vue.Row <= 9 && Vue.Col >= 1 && Vue.Col <= 9;
  out << "vue " << (inGrid ? Vue.Row : 1) << ' ' << (inGrid ? Vue.Col : 1) << '\n';
  const bool tip = Vue.Tip.size() <= MaxTipBytes;
  out << "conseil " << (tip ? Escaped(Vue.Tip) : std::string()) << '\n';
  out << "teinte " << (tip ? TintWords(Vue.Focus) : std::string()) << '\n';
  out << "echelle " << Ladder_.Shown(Stamp_) << '\n';
  out << "fin\n";
  return out.str();
}

namespace {

// What a "teinte" line says, or none when a word is not one of ours.
std::optional<HintFocusT> ReadTint(Reader& In, std::string_view Words) {
  HintFocusT focus;
  while (!Words.empty()) {
    const std::size_t end = std::min(Words.find(' '), Words.size());
    const std::string_view word = Words.substr(0, end);
    Words = end < Words.size() ? Words.substr(end + 1) : std::string_view();
    const auto digit = [&](std::size_t at, int Low, int High) { return In.ReadNumber(word.substr(at, 1), Low, High); };
    if (word.size() == 3 && word[0] == 'U')
      focus.Units.push_back({UnitKind(digit(1, 0, 2)), digit(2, 1, 9)});
    else if (word.size() == 4 && word[0] == 'C')
      focus.Cells.push_back({digit(1, 1, 9), digit(2, 1, 9), digit(3, 0, 9)});
    else if (word.size() == 6 && word[0] == 'R')
      focus.Removed.push_back(
          {digit(1, 1, 9), digit(2, 1, 9), In.ReadNumber<std::uint16_t>(word.substr(3), 0, AllDigits, 16)});
    else
      In.Failed = true;
    if (In.Failed) return std::nullopt;
  }
  return focus;
}

}  // namespace

std::optional<TVue> TPartie::Resume(std::string_view Text) {
  Reader in(Text);
  const std::string_view head = in.NextLine();
  if (in.Failed || head.substr(0, Format.size()) != Format || head.size() <= Format.size() + 1 ||
      head[Format.size()] != ' ')
    return std::nullopt;
  // A newer version is not ours to read.
  const int version = in.ReadNumber(head.substr(Format.size() + 1), 1, Version);
  if (in.Failed) return std::nullopt;
  const int mode = in.Number_("mode", 0, 1);
  const int level = in.Number_("niveau", 0, HighestLevel);
  const auto ms = in.Number_<std::uint64_t>("temps", 0, std::uint64_t(1) << 40);
  const int helps = in.Number_("aides", 0, MaxHelps);
  const int shown = in.Number_("possibilites", 0, 1);
  const std::optional<std::chrono::year_month_day> day = version >= 2 ? in.Day("jour") : std::nullopt;
  const int origin = version >= 3 ? in.Number_("origine", 0, int(TOrigin::TypedIn)) : 0;
  const std::string_view hint = in.Value("indice");
  const std::string_view givens = in.Digits("donnees", 81);
  const std::string_view digits = in.Digits("chiffres", 81);
  const std::string_view notes = in.Value("notes");
  const std::string_view marks = in.Value("marques");
  if (in.Failed || notes.size() != 81 * 3 || marks.size() != 81 * 2) return std::nullopt;
  Fields now;
  {
    std::size_t at = 0;
    for (std::size_t k = 0; k < 3; ++k) {
      const std::size_t end = k < 2 ? hint.find(' ', at) : hint.size();
      if (end == std::string_view::npos) return std::nullopt;
      now.Hint[k] = in.ReadNumber(hint.substr(at, end - at), 0, 9);
      at = end + 1;
    }
  }
  now.Givens = givens;
  now.Digits = digits;
  for (std::size_t i = 0; i < 81; ++i) {
    now.Notes[i] = in.ReadNumber<std::uint16_t>(notes.substr(3 * i, 3), 0, AllDigits, 16);
    now.Marks[i] = in.ReadNumber<std::uint8_t>(marks.substr(2 * i, 2), 0, MarkDigitBits | MarkDiffersFromSolution, 16);
  }
  std::optional<TGrille> grid = now.Grid();
  if (in.Failed || !grid) return std::nullopt;

  // The history, each of its grids as sound as the game's own.
  std::vector<TMove> moves;
  std::vector<TGrille> states;
  std::size_t position = 0;
  if (version >= 2) {
    const std::string_view counts = in.Value("historique");
    const std::size_t space = counts.find(' ');
    if (space == std::string_view::npos) return std::nullopt;
    const auto count = in.ReadNumber<std::size_t>(counts.substr(0, space), 0, MaxHistory);
    position = in.ReadNumber<std::size_t>(counts.substr(space + 1), 0, count);
    for (std::size_t k = 0; k < count && !in.Failed; ++k) {
      const std::string_view line = in.Value("coup");
      std::array<int, 5> values{};
      std::size_t at = 0;
      for (std::size_t v = 0; v < values.size(); ++v) {
        const std::size_t end = v + 1 < values.size() ? line.find(' ', at) : line.size();
        if (end == std::string_view::npos) return std::nullopt;
        values[v] = in.ReadNumber(line.substr(at, end - at), 0, v == 0 ? int(TMoveKind::Reset) : 9);
        at = end + 1;
      }
      moves.push_back({TMoveKind(values[0]), std::uint8_t(values[1]), std::uint8_t(values[2]), std::uint8_t(values[3]),
                       std::uint8_t(values[4])});
    }
    Fields before;
    for (std::size_t k = 0; k <= count && !in.Failed; ++k) {
      before = ReadState(in, before);
      std::optional<TGrille> state = before.Grid();
      if (!state) return std::nullopt;
      states.push_back(std::move(*state));
    }
  }
  TVue vue;
  if (version >= 3) {
    const std::string_view cell = in.Value("vue");
    if (cell.size() != 3 || cell[1] != ' ') return std::nullopt;
    vue.Row = in.ReadNumber(cell.substr(0, 1), 1, 9);
    vue.Col = in.ReadNumber(cell.substr(2, 1), 1, 9);
    // Empty values end at the key's space.
    const std::string_view tip = in.NextLine();
    const std::string_view tint = in.NextLine();
    if (tip.substr(0, 8) != "conseil " || tint.substr(0, 7) != "teinte ") return std::nullopt;
    std::optional<std::string> text = Unescaped(tip.substr(8));
    std::optional<HintFocusT> focus = ReadTint(in, tint.substr(7));
    if (!text || !focus) return std::nullopt;
    vue.Tip = std::move(*text);
    vue.Focus = std::move(*focus);
  }
  const int rungs = version >= 4 ? in.Number_("echelle", 0, MaxRungs) : 0;
  if (in.NextLine() != "fin" || !in.AtEnd() || in.Failed) return std::nullopt;

  Grid_ = std::move(*grid);
  Playing_ = mode == 1;
  Begin(level, ms, helps, day);
  Origin_ = TOrigin(origin);
  CandidatesShown_ = shown == 1;
  Ladder_.Restore(Stamp_, rungs);
  if (!moves.empty()) {
    Moves_ = std::move(moves);
    States_ = std::move(states);
    Position_ = position;
    Announce(false);  // undo and redo have moves again
  }
  return vue;
}
