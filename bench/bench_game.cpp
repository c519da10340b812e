// SPDX-License-Identifier: GPL-3.0-or-later
// How quickly the game screen answers the player, on the hardest positions
// (forum_hardest_1106 of ../shared/data/puzzles when it is there, else the
// tests' extract of it): from a key press to the repainted grid, and from
// "Indice" to its sentence on screen. Runs on the offscreen platform unless a
// display is asked for.
//
//   orvalis-bench-game [puzzle file]
#include <QApplication>
#include <QTest>
#include <QTextBrowser>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_common.h"
#include "child_util.h"
#include "dessin.h"
#include "fonts.h"
#include "grillesudoku.h"
#include "jeux.h"
#include "options.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  std::string file = argc > 1 ? argv[1] : "";
  if (file.empty()) {
    const fs::path shared =
        fs::path(ORVALIS_SOURCE_DIR) / ".." / "shared" / "data" / "puzzles" / "forum_hardest_1106.txt";
    file =
        fs::exists(shared)
            ? shared.string()
            : (fs::path(ORVALIS_SOURCE_DIR) / "tests" / "data" / "puzzles" / "forum_hardest_1106.head40.txt").string();
  }
  const std::vector<std::string> lines = bench::ReadLines(file);
  if (lines.empty()) {
    std::fprintf(stderr, "no puzzles in %s\n", file.c_str());
    return 1;
  }

  QApplication app(argc, argv);
  InstallFontSubstitutions();
  Tf_Dessin dessin;
  TOptions options(QStringLiteral("/nonexistent/sudoku.ini"));
  Tf_Jeux game;
  game.resize(1280, 800);
  game.Start({&options, nullptr, nullptr, nullptr}, TStart(TStartKind::AsIs));
  game.show();
  TGrilleSudoku* grid = &game.Grid();

  std::vector<double> keyTimes, hintTimes;
  for (const std::string& line : lines) {
    grid->LoadGrid(QString::fromStdString(line.substr(0, 81)), QString(), LevelExpert);
    // A key on the first empty cell, then the whole grid painted.
    for (int k = 0; k < 81; ++k)
      if (grid->Grille().GetDigit(k / 9 + 1, k % 9 + 1) == 0) {
        grid->SelRow = k / 9 + 1;
        grid->SelCol = k % 9 + 1;
        break;
      }
    double t = bench::NowSeconds();
    QTest::keyClick(grid, Qt::Key_5);
    grid->grab();
    keyTimes.push_back((bench::NowSeconds() - t) * 1000.0);
    QTest::keyClick(grid, Qt::Key_0);
    // "Indice": the hint search, its digit drawn and its sentence shown.
    t = bench::NowSeconds();
    game.hl_IndiceClick();
    grid->grab();
    Find<QTextBrowser>(game, "MemoAstuce")->grab();
    hintTimes.push_back((bench::NowSeconds() - t) * 1000.0);
  }
  std::printf("%s: %zu positions\n", file.c_str(), lines.size());
  std::printf("key press to repainted grid: median %.2f ms, p90 %.2f ms, max %.2f ms\n",
              bench::Percentile(keyTimes, 50), bench::Percentile(keyTimes, 90), bench::Percentile(keyTimes, 100));
  std::printf("\"Indice\" to its sentence:   median %.2f ms, p90 %.2f ms, max %.2f ms\n",
              bench::Percentile(hintTimes, 50), bench::Percentile(hintTimes, 90), bench::Percentile(hintTimes, 100));
  return 0;
}
