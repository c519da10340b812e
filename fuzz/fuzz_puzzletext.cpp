// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target "puzzletext": the reader of puzzle files and pasted puzzles
// (lines of 81, the .sdk and .ss grids), as `orvalis FILE` and paste run it.
//
// Besides crashes, it stops on a puzzle that is not 81 digits, on more
// puzzles than the text has room for, and on a puzzle that does not read
// back as itself from its own line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_util.h"
#include "puzzletext.h"

namespace {

[[noreturn]] void Fail(const char* what) { FuzzFailure("puzzletext", what); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> puzzles = ReadPuzzles(text);
  // Each puzzle takes 81 cells of the text at least.
  if (puzzles.size() > size / 81) Fail("more puzzles than the text has room for");
  for (const std::string& puzzle : puzzles) {
    if (puzzle.size() != 81) Fail("a puzzle that is not 81 cells");
    if (puzzle.find_first_not_of("0123456789") != std::string::npos) Fail("a cell that is not a digit");
    const std::vector<std::string> again = ReadPuzzles(puzzle);
    if (again.size() != 1 || again.front() != puzzle) Fail("a puzzle that does not read back as itself");
  }
  return 0;
}
