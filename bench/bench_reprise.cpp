// SPDX-License-Identifier: GPL-3.0-or-later
// What keeping the game in progress costs a move. A game of the tests'
// puzzles is played to the end, cell by cell (a pencil mark, then the digit),
// and each move is timed: the move in the game model alone, the resume text
// it makes, the synchronous atomic write of that text (ReplaceFile, synced to
// the disk), and what the interface thread really pays: the move, the text
// and the hand-over to the writer thread (TReprise::Keep).
//
//   orvalis-bench-reprise [folder]   (the folder written in; by default the
//                                     current one, the disk the player's
//                                     files would be on)
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench_common.h"
#include "filewrite.h"
#include "partie.h"
#include "reprise.h"

namespace fs = std::filesystem;

namespace {

struct Figures {
  std::vector<double> Move, Text, Write, Interface;
};

void Print(const char* Name, const std::vector<double>& Seconds) {
  double sum = 0;
  for (double s : Seconds) sum += s;
  std::printf("  %-38s mean %9.1f us   median %9.1f us   p99 %9.1f us   max %9.1f us\n", Name,
              1e6 * sum / double(Seconds.size()), 1e6 * bench::Percentile(Seconds, 50),
              1e6 * bench::Percentile(Seconds, 99), 1e6 * bench::Percentile(Seconds, 100));
}

}  // namespace

int main(int argc, char** argv) {
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
  const fs::path puzzles = fs::path(ORVALIS_SOURCE_DIR) / "tests" / "data" / "puzzles" / "easy50.txt";
  std::vector<std::string> lines = bench::ReadLines(puzzles.string());
  if (lines.size() > 10) lines.resize(10);
  if (lines.empty()) {
    std::fprintf(stderr, "no puzzles in %s\n", puzzles.string().c_str());
    return 1;
  }
  const QString syncPath = folder + QStringLiteral("/bench-reprise-sync.txt");
  const QString keptPath = folder + QStringLiteral("/bench-reprise-kept.txt");

  Figures f;
  std::size_t textBytes = 0;
  {
    TReprise writer(keptPath);
    for (const std::string& line : lines) {
      TGrille solved;
      solved.LoadFromText(line.substr(0, 81), {});
      solved.Solve(LevelExpert);
      for (const bool keep : {false, true}) {
        TPartie game;
        auto grid = std::make_unique<TGrille>();
        grid->LoadFromText(line.substr(0, 81), {});
        game.NewGame(std::move(grid), LevelFacile);
        for (int i = 0; i < 81; ++i) {
          if (game.Grille().Digits[std::size_t(i)] != 0) continue;
          const int digit = WordDigit(solved.Digits[std::size_t(i)]);
          for (const bool note : {true, false}) {
            const double start = bench::NowSeconds();
            game.Enter(i / 9 + 1, i % 9 + 1, digit, note);
            const double moved = bench::NowSeconds();
            std::string text = game.ResumeText();
            const double texted = bench::NowSeconds();
            textBytes = text.size();
            if (keep) {
              writer.Keep(std::move(text));
              f.Interface.push_back(bench::NowSeconds() - start);
            } else {
              ReplaceFile(syncPath, QByteArray::fromStdString(text));
              f.Write.push_back(bench::NowSeconds() - texted);
              f.Move.push_back(moved - start);
              f.Text.push_back(texted - moved);
            }
          }
        }
      }
    }
    const double start = bench::NowSeconds();
    writer.Flush();
    std::printf("writer thread: the last text on the disk %.1f ms after the last move\n",
                1e3 * (bench::NowSeconds() - start));
  }
  QFile::remove(syncPath);
  QFile::remove(keptPath);

  std::printf("%zu moves of %zu games, resume text of %zu bytes, written in %s\n", f.Move.size(), lines.size(),
              textBytes, folder.toLocal8Bit().constData());
  Print("the move (model, history)", f.Move);
  Print("the resume text", f.Text);
  Print("its atomic synced write (ReplaceFile)", f.Write);
  Print("interface thread: move + text + Keep", f.Interface);
  return 0;
}
