// SPDX-License-Identifier: GPL-3.0-or-later
// The generator under a player who cannot make up their mind: a thousand
// requests in quick succession for one level after another, waits given up at
// once or awaited, and the program quitting in the middle of it all. Run under
// ThreadSanitizer (ORVALIS_TSAN) it must report nothing, and under
// AddressSanitizer (ORVALIS_SANITIZE) leak nothing; in every build each grid
// handed out must be a puzzle of the level asked.
#include <QEventLoop>
#include <memory>
#include <random>

#include "generation_test_util.h"
#include "gridwait.h"

namespace {

// A wait as the player sees it, without its window: events are processed
// until the grid comes, or, for a player who gives up at once, until the
// first round of them has run.
class EventLoopWait : public TGridWait {
 public:
  explicit EventLoopWait(bool GiveUp) {
    if (GiveUp) QTimer::singleShot(0, &loop_, [this] { loop_.exit(1); });
  }
  bool Run() override { return loop_.exec() == 0; }
  void GridReady() override { loop_.exit(0); }

 private:
  QEventLoop loop_;
};

std::unique_ptr<TGrille> Request(TGenerateur& Generator, int Level, bool GiveUp) {
  return RequestGrid(Generator, Level, [GiveUp] { return std::make_unique<EventLoopWait>(GiveUp); });
}

std::unique_ptr<TGenerateur> NewGenerator(std::uint64_t& Generations) {
  auto generator = std::make_unique<TGenerateur>();
  generator->GenerationOptions = [&Generations](int) {
    GenerateOptions options;
    options.Seed = 5000 + Generations++;
    return options;
  };
  generator->StartGeneration(1);
  return generator;
}

TEST(GenerationUnderLoad, AThousandRequestsCancelledWaitsAndAQuitInTheMiddle) {
  constexpr int Requests = 1000;
  constexpr int QuitAt = Requests / 2;
  std::mt19937 random(2026);
  std::uint64_t generations = 0;
  std::unique_ptr<TGenerateur> generator = NewGenerator(generations);
  int handedOut = 0, cancelled = 0, awaited = 0;

  for (int request = 0; request < Requests; ++request) {
    const int level = 1 + int(random() % 4);
    const int how = int(random() % 20);
    SCOPED_TRACE(testing::Message() << "request " << request << ", level " << level);
    std::unique_ptr<TGrille> grid;
    if (how < 16) {
      // Asked and given up at once: only a ready grid comes.
      bool wasReady = false;
      grid = generator->GetGrid(level, wasReady);
      EXPECT_EQ(wasReady, grid != nullptr);
    } else if (how < 19 || level > 2) {
      // The wait given up as soon as it shows (it shows when the grid is not
      // ready); the generation goes on for later.
      const bool willWait = !generator->Ready[level];
      grid = Request(*generator, level, true);
      cancelled += willWait && grid == nullptr;
    } else {
      // Waited for to the end ("Facile" and "Moyen" come within moments).
      grid = Request(*generator, level, false);
      EXPECT_NE(grid, nullptr);
      ++awaited;
    }
    if (grid != nullptr) {
      ++handedOut;
      EXPECT_TRUE(IsPuzzleOfLevel(*grid, level));
    }
    EXPECT_FALSE(generator->OnReady);
    // The ends of threads are handled between two requests, as between two clicks.
    QCoreApplication::processEvents();

    if (request == QuitAt) {
      // The program quits while a generation runs (an Expert grid is asked
      // for, so that one surely does), others perhaps still ending after a
      // stop: every thread ends, then the generator goes; a new program starts.
      bool wasReady = false;
      if (std::unique_ptr<TGrille> expert = generator->GetGrid(4, wasReady)) {
        EXPECT_TRUE(IsPuzzleOfLevel(*expert, 4));
      }
      EXPECT_TRUE(generator->HasThreads());
      generator->Shutdown();
      EXPECT_FALSE(generator->HasThreads());
      generator = NewGenerator(generations);
    }
  }
  generator->Shutdown();
  EXPECT_FALSE(generator->HasThreads());
  generator.reset();
  std::printf("%d requests: %d grids handed out, %d waits cancelled, %d awaited, %llu generations started\n", Requests,
              handedOut, cancelled, awaited, static_cast<unsigned long long>(generations));
  EXPECT_GT(handedOut, 0);
  EXPECT_GT(cancelled, 0);
}

}  // namespace
