// SPDX-License-Identifier: GPL-3.0-or-later
// The generator's slots: preparation ahead of demand, waiting callers,
// stopped threads, and shutdown.
#include <QPointer>
#include <algorithm>
#include <memory>

#include "generation_test_util.h"

namespace {

TEST_F(GenerationTest, LevelOneAskedWhileItIsPreparedArrivesThenTheNextIsPrepared) {
  Generateur.StartGeneration(1);
  QPointer<TThreadGeneration> first = Generateur.Thread;

  bool wasReady = true;
  EXPECT_EQ(Generateur.GetGrid(1, wasReady), nullptr);
  EXPECT_FALSE(wasReady);
  EXPECT_EQ(Generateur.Thread, first.data());  // the same preparation goes on

  int calls = 0;
  Generateur.OnReady = [&calls] { ++calls; };
  ASSERT_TRUE(WaitUntil([&calls] { return calls > 0; }));
  const std::unique_ptr<TGrille> delivered = Generateur.TakeDeliveredGrid();
  ASSERT_NE(delivered, nullptr);
  EXPECT_TRUE(IsPuzzleOfLevel(*delivered, 1));

  // Another level 1 grid is being prepared, for nobody this time.
  EXPECT_FALSE(Generateur.Ready[1]);
  EXPECT_EQ(Generateur.Current, 1);
  EXPECT_NE(Generateur.Thread, nullptr);
  EXPECT_EQ(Started, 2);
  Generateur.OnReady = nullptr;
  ASSERT_TRUE(WaitForRest());
  EXPECT_EQ(calls, 1);
  ASSERT_TRUE(Generateur.Ready[1]);
  EXPECT_TRUE(IsPuzzleOfLevel(*Generateur.Grids[1], 1));
  EXPECT_NE(Generateur.Grids[1]->Givens, delivered->Givens);
}

TEST_F(GenerationTest, LevelThreeAskedWhileLevelOneIsPreparedStopsItAndLeavesLevelOneNotReady) {
  // Generation 0 (level 1) is held so that it is still running when it is
  // stopped; generation 2 (the level 1 grid prepared after level 3) is held so
  // that the stale thread ends while the new one runs.
  Held = {0, 2};
  // With this seed the first removal attempt already gives a level 1 puzzle,
  // so the stopped thread ends with one.
  SeedBase = 1007;
  Generateur.StartGeneration(1);
  QPointer<TThreadGeneration> levelOne = Generateur.Thread;
  const std::shared_ptr<TGrille> staleGrid = levelOne->Grid;

  bool wasReady = true;
  EXPECT_EQ(Generateur.GetGrid(3, wasReady), nullptr);
  EXPECT_FALSE(wasReady);
  EXPECT_TRUE(levelOne->isInterruptionRequested());
  EXPECT_EQ(Generateur.Current, 3);
  ASSERT_NE(Generateur.Thread, nullptr);
  EXPECT_EQ(Generateur.Thread->Level, 3);
  // The stopped thread may still write its grid: the slot has a fresh one.
  EXPECT_NE(Generateur.Grids[1], staleGrid);

  ASSERT_TRUE(WaitUntil([this] { return Generateur.Ready[3]; }));
  EXPECT_TRUE(IsPuzzleOfLevel(*Generateur.Grids[3], 3));
  // Nobody waited for level 3, so level 1 is prepared again, on the fresh grid,
  // while the stopped thread still runs on the old one.
  ASSERT_FALSE(levelOne.isNull());
  ASSERT_NE(Generateur.Thread, nullptr);
  EXPECT_EQ(Generateur.Current, 1);
  EXPECT_FALSE(Generateur.Ready[1]);
  EXPECT_EQ(Generateur.Thread->Grid, Generateur.Grids[1]);
  EXPECT_NE(Generateur.Thread->Grid, staleGrid);

  // Released after the stop request, the old thread's first removal attempt
  // succeeds, so it ends with a puzzle; its end changes nothing.
  const std::shared_ptr<TGrille> newGrid = Generateur.Grids[1];
  Release(0);
  ASSERT_TRUE(WaitUntil([&levelOne] { return levelOne.isNull(); }));
  EXPECT_TRUE(IsPuzzleOfLevel(*staleGrid, 1));
  EXPECT_FALSE(Generateur.Ready[1]);
  EXPECT_EQ(Generateur.Grids[1], newGrid);
  EXPECT_EQ(Generateur.Current, 1);

  Release(2);
  ASSERT_TRUE(WaitForRest());
  ASSERT_TRUE(Generateur.Ready[1]);
  EXPECT_TRUE(IsPuzzleOfLevel(*Generateur.Grids[1], 1));
  EXPECT_NE(Generateur.Grids[1]->Givens, staleGrid->Givens);
  EXPECT_TRUE(Generateur.Ready[3]);
}

TEST_F(GenerationTest, PreparationAfterHandOutsAndWithNobodyWaiting) {
  // A level 2 grid nobody waits for, then a level 1 grid, then rest.
  Generateur.StartGeneration(2);
  ASSERT_TRUE(WaitForRest());
  EXPECT_TRUE(Generateur.Ready[2]);
  EXPECT_TRUE(Generateur.Ready[1]);
  EXPECT_EQ(Generateur.Current, 1);
  EXPECT_EQ(Generateur.Thread, nullptr);

  // A hand-out while nothing runs prepares the next grid of that level.
  bool wasReady = false;
  const std::unique_ptr<TGrille> first = Generateur.GetGrid(2, wasReady);
  EXPECT_TRUE(wasReady);
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(IsPuzzleOfLevel(*first, 2));
  EXPECT_FALSE(Generateur.Ready[2]);
  ASSERT_NE(Generateur.Thread, nullptr);
  EXPECT_EQ(Generateur.Current, 2);
  EXPECT_NE(Generateur.Thread->Grid.get(), first.get());
  QPointer<TThreadGeneration> levelTwo = Generateur.Thread;

  // A hand-out while another level is prepared starts nothing more; once that
  // one is ready, the level 1 grid is prepared again, then preparation rests.
  const std::unique_ptr<TGrille> easy = Generateur.GetGrid(1, wasReady);
  EXPECT_TRUE(wasReady);
  ASSERT_NE(easy, nullptr);
  EXPECT_TRUE(IsPuzzleOfLevel(*easy, 1));
  EXPECT_EQ(Generateur.Thread, levelTwo.data());
  EXPECT_EQ(Generateur.Current, 2);

  ASSERT_TRUE(WaitForRest());
  EXPECT_EQ(Started, 4);
  EXPECT_EQ(Generateur.Current, 1);
  ASSERT_TRUE(Generateur.Ready[2]);
  ASSERT_TRUE(Generateur.Ready[1]);
  const std::unique_ptr<TGrille> second = Generateur.GetGrid(2, wasReady);
  EXPECT_TRUE(IsPuzzleOfLevel(*second, 2));
  EXPECT_NE(second->Givens, first->Givens);
  EXPECT_NE(Generateur.Grids[1]->Givens, easy->Givens);
}

TEST_F(GenerationTest, ShutdownDuringAnExpertGenerationStopsItAndLeavesNoThread) {
  // Level 1 is stopped at once for Expert: at shutdown one thread runs and the
  // stopped one may still be ending.
  Generateur.StartGeneration(1);
  bool wasReady = true;
  EXPECT_EQ(Generateur.GetGrid(4, wasReady), nullptr);
  TThreadGeneration* expert = Generateur.Thread;
  ASSERT_NE(expert, nullptr);
  ASSERT_EQ(expert->Level, 4);
  const std::shared_ptr<TGrille> expertGrid = expert->Grid;

  Generateur.Shutdown();
  EXPECT_FALSE(Generateur.HasThreads());
  EXPECT_EQ(Generateur.Thread, nullptr);
  // Stopped at its next removal attempt, long before it would have found its
  // puzzle: a generation writes the givens only once it has one.
  EXPECT_EQ(std::count(expertGrid->Givens.begin(), expertGrid->Givens.end(), 0), 81);
  EXPECT_FALSE(Generateur.Ready[4]);
  // The ended threads free themselves.
  EXPECT_TRUE(WaitUntil([this] { return Generateur.findChildren<TThreadGeneration*>().isEmpty(); }));

  // Nothing starts any more.
  EXPECT_EQ(Generateur.GetGrid(2, wasReady), nullptr);
  EXPECT_FALSE(Generateur.HasThreads());
}

}  // namespace
