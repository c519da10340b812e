// SPDX-License-Identifier: GPL-3.0-or-later
// For each puzzle file: the number of puzzles, then the median and 90th
// percentile time per puzzle of the rating and of one hint search from the
// starting position.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_common.h"
#include "grille.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  std::vector<std::string> files(argv + 1, argv + argc);
  if (files.empty()) {
    const fs::path folder = fs::path(ORVALIS_SOURCE_DIR) / ".." / "shared" / "data" / "puzzles";
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
      const std::string name = entry.path().filename().string();
      if (entry.path().extension() == ".txt" && name.find('.') == name.rfind('.')) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    if (files.empty()) {
      std::fprintf(stderr, "no puzzle files given and %s not found\n", folder.c_str());
      return 1;
    }
  }
  std::printf("%-36s %8s %12s %12s %12s %12s\n", "file", "puzzles", "rate med ms", "rate p90 ms", "hint med ms",
              "hint p90 ms");
  for (const std::string& file : files) {
    const std::vector<std::string> lines = bench::ReadLines(file);
    std::vector<double> rateTimes, hintTimes;
    rateTimes.reserve(lines.size());
    hintTimes.reserve(lines.size());
    for (const std::string& line : lines) {
      TGrille grid;
      grid.LoadFromText(line, "");
      double t = bench::NowSeconds();
      grid.RateLevel();
      rateTimes.push_back((bench::NowSeconds() - t) * 1000.0);
      t = bench::NowSeconds();
      grid.FindHint();
      hintTimes.push_back((bench::NowSeconds() - t) * 1000.0);
    }
    std::printf("%-36s %8zu %12.4f %12.4f %12.4f %12.4f\n", fs::path(file).filename().c_str(), lines.size(),
                bench::Percentile(rateTimes, 50), bench::Percentile(rateTimes, 90), bench::Percentile(hintTimes, 50),
                bench::Percentile(hintTimes, 90));
    std::fflush(stdout);
  }
  return 0;
}
