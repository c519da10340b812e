// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tool's commands, apart from main() so that tests can run them
// on strings.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "hintwriter.h"

class TGrille;
struct HintStep;

namespace cli {

// Splits an input line into its givens and digits parts: a line with "|" is the
// grid text form (givens before the first bar, digits up to the second one);
// otherwise the whole line is givens. Each part keeps at most 81 characters.
void SplitLine(std::string_view line, std::string_view& givens, std::string_view& digits);

// What the options of a command ask for: --advanced lets the hints use the
// advanced techniques before the guess hint, and adds to the rating the name
// of the hardest of them the puzzle needs; --json prints a hint as its steps,
// one JSON object per line; --lang en writes the sentences in English.
struct CommandOptions {
  bool Advanced = false;
  bool Json = false;
  HintLanguage Language = HintLanguage::French;
};

// The output line of one command for one input line (without the line end).
// Returns false when the command is unknown.
bool RunCommand(const std::string& command, std::string_view line, std::string& output,
                const CommandOptions& options = {});

// Runs the tool: args without the program name. Returns the exit status.
int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace cli
