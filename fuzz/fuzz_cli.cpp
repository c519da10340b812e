// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target "cli": the command-line tool's reading of its input. The first
// byte chooses the command (rate, solution, solve, hint, hints; rate, hint and
// hints with --advanced when its value divided by 5 is odd), the rest is what
// the tool reads on its standard input.
//
// Besides crashes, it stops when the tool does not write exactly one line per
// non-empty input line, or does not end with status 0.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "fuzz_util.h"

namespace {

[[noreturn]] void Fail(const char* what) { FuzzFailure("cli", what); }

// Input lines end at LF, a CR before it dropped; an empty line gives no output.
std::size_t NonEmptyLines(const std::string& input) {
  std::size_t count = 0;
  std::istringstream in(input);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) ++count;
  }
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const char* const commands[] = {"rate", "solution", "solve", "hint", "hints"};
  const std::string command = commands[data[0] % 5];
  std::vector<std::string> args{command};
  if ((data[0] / 5) % 2 == 1 && command != "solution" && command != "solve") args.push_back("--advanced");
  const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);

  std::istringstream in(input);
  std::ostringstream out, err;
  if (cli::Run(args, in, out, err) != 0) Fail("a status other than 0");
  const std::string output = out.str();
  std::size_t lines = 0;
  for (char c : output) lines += c == '\n';
  if (lines != NonEmptyLines(input)) Fail("not one output line per non-empty input line");
  if (!output.empty() && output.back() != '\n') Fail("an output line without its end");
  if (!err.str().empty()) Fail("something written on standard error");
  return 0;
}
