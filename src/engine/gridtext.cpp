// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridtext.h"

#include <array>
#include <charconv>

namespace {

constexpr char Separator = '|';

std::optional<long long> Number(std::string_view Field) {
  long long value = 0;
  const auto [end, error] = std::from_chars(Field.data(), Field.data() + Field.size(), value);
  if (Field.empty() || error != std::errc() || end != Field.data() + Field.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string WriteGridText(std::string_view Givens, std::string_view Digits, long long Level, long long Time,
                          long long Helps) {
  std::string text;
  text.reserve(Givens.size() + Digits.size() + 24);
  text += Givens;
  text += Separator;
  text += Digits;
  for (const long long number : {Level, Time, Helps}) {
    text += Separator;
    text += std::to_string(number);
  }
  return text;
}

TGridText ReadGridText(std::string_view Text) {
  std::array<std::string_view, 5> fields{};
  std::size_t count = 0;
  for (;;) {
    const std::size_t bar = Text.find(Separator);
    fields[count++] = Text.substr(0, bar);
    if (bar == std::string_view::npos || count == fields.size()) break;
    Text.remove_prefix(bar + 1);
  }
  TGridText grid;
  grid.Givens = fields[0];
  grid.Digits = fields[1];
  if (count > 2) grid.Level = Number(fields[2]);
  if (count > 3) grid.Time = Number(fields[3]);
  if (count > 4) grid.Helps = Number(fields[4]);
  return grid;
}
