// SPDX-License-Identifier: GPL-3.0-or-later
// A monkey on the real main window: a few thousand random steps from two
// seeds, every dialog answered at random, the game checked after each step
// (see monkey.h). The long run is bench/orvalis-bench-monkey.
#include "monkey.h"
#include "app_test_util.h"

namespace {

class MonkeyTest : public MainWindowTest, public ::testing::WithParamInterface<std::uint64_t> {};

TEST_P(MonkeyTest, ThousandsOfRandomStepsLeaveTheGameWhole) {
  WriteSettings("[general]\ntypeecran=2\n");
  Start();
  constexpr int Steps = 1500;
  TMonkey monkey(*Main, GetParam());
  EXPECT_TRUE(monkey.Run(Steps)) << monkey.Failure() << "\nreplay: build/bench/orvalis-bench-monkey --seed "
                                 << GetParam() << " --steps " << Steps;
  // The steps reached the ends of games and several grids.
  EXPECT_GT(monkey.GamesEnded(), 0);
  EXPECT_GT(monkey.GridsDealt(), 5);
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyTest, ::testing::Values(std::uint64_t{1}, std::uint64_t{2}));

}  // namespace
