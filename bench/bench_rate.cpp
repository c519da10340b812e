// SPDX-License-Identifier: GPL-3.0-or-later
// Rating beside Debian's qqwing, in one run on the same puzzles: for each file,
// the processor time of our RateLevel over all its puzzles (each loaded
// first, untimed) and the processor time of `qqwing --solve --count-solutions`
// over the same file, and their ratio. Processor time, not wall time, so that
// other work on a shared machine does not blur the figures; the wall times
// are printed too. Without qqwing its columns stay empty.
//
//   orvalis-bench-rate [--repeat N] [puzzle files]
//   (default: top1465 and forum_hardest_1106 of ../shared/data/puzzles)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_common.h"
#include "grille.h"

namespace fs = std::filesystem;

namespace {

double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

const char* FindQqwing() {
  for (const char* path : {"/usr/games/qqwing", "/usr/bin/qqwing"})
    if (access(path, X_OK) == 0) return path;
  return nullptr;
}

struct Times {
  double Cpu = -1;
  double Wall = -1;
};

// qqwing solving and counting the solutions of every puzzle of the file,
// its standard input; its processor time is read from its own usage record.
Times TimeQqwing(const char* qqwing, const std::string& file) {
  std::fflush(stdout);  // the child must not write our buffered lines again
  const double start = bench::NowSeconds();
  const pid_t child = fork();
  if (child < 0) return {};
  if (child == 0) {
    if (!std::freopen(file.c_str(), "r", stdin) || !std::freopen("/dev/null", "w", stdout)) _exit(127);
    execl(qqwing, "qqwing", "--solve", "--count-solutions", "--nosolution", static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
  Times t;
  t.Wall = bench::NowSeconds() - start;
  t.Cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
          double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  return t;
}

Times TimeOurs(const std::vector<std::string>& lines) {
  std::vector<TGrille> grids(lines.size());
  for (std::size_t k = 0; k < lines.size(); ++k) grids[k].LoadFromText(lines[k], "");
  const double wall = bench::NowSeconds();
  const double cpu = ThreadCpuSeconds();
  unsigned checksum = 0;
  for (TGrille& grid : grids) checksum += grid.RateLevel();
  Times t{ThreadCpuSeconds() - cpu, bench::NowSeconds() - wall};
  if (checksum == 0xFFFFFFFFu) std::printf(" ");  // keeps the ratings from being optimised away
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  int repeat = 3;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc)
      repeat = std::max(1, std::atoi(argv[++i]));
    else
      files.push_back(argv[i]);
  }
  if (files.empty()) {
    const fs::path folder = fs::path(ORVALIS_SOURCE_DIR) / ".." / "shared" / "data" / "puzzles";
    for (const char* name : {"top1465.txt", "forum_hardest_1106.txt"})
      if (fs::exists(folder / name)) files.push_back((folder / name).string());
    if (files.empty()) {
      std::fprintf(stderr, "no puzzle files given and %s not found\n", folder.c_str());
      return 1;
    }
  }
  const char* qqwing = FindQqwing();
  if (!qqwing) std::fprintf(stderr, "qqwing is not installed: its columns stay empty\n");

  std::printf("best of %d runs; cpu = processor seconds, wall = elapsed seconds\n", repeat);
  std::printf("%-26s %7s %10s %10s %12s %12s %8s\n", "file", "puzzles", "ours cpu", "ours wall", "qqwing cpu",
              "qqwing wall", "ratio");
  for (const std::string& file : files) {
    const std::vector<std::string> lines = bench::ReadLines(file);
    Times ours, theirs;
    for (int run = 0; run < repeat; ++run) {
      const Times o = TimeOurs(lines);
      if (ours.Cpu < 0 || o.Cpu < ours.Cpu) ours.Cpu = o.Cpu;
      if (ours.Wall < 0 || o.Wall < ours.Wall) ours.Wall = o.Wall;
      if (!qqwing) continue;
      const Times q = TimeQqwing(qqwing, file);
      if (q.Cpu >= 0 && (theirs.Cpu < 0 || q.Cpu < theirs.Cpu)) theirs.Cpu = q.Cpu;
      if (q.Wall >= 0 && (theirs.Wall < 0 || q.Wall < theirs.Wall)) theirs.Wall = q.Wall;
    }
    std::printf("%-26s %7zu %10.3f %10.3f %12.3f %12.3f %8.3f\n", fs::path(file).filename().c_str(), lines.size(),
                ours.Cpu, ours.Wall, theirs.Cpu, theirs.Wall, theirs.Cpu > 0 ? ours.Cpu / theirs.Cpu : 0.0);
    std::fflush(stdout);
  }
  return 0;
}
