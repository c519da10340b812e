// SPDX-License-Identifier: GPL-3.0-or-later
// A generator whose generations are reproducible (each one seeded by its start
// order) and can be held: a held generation draws its complete grid, then
// waits at its clock until the test releases it, so that a test decides when
// a thread may go on writing its grid.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <array>
#include <atomic>
#include <functional>
#include <set>

#include "generateur.h"
#include "threadgeneration.h"

// An Expert seed whose generation runs for about a second before it finds its
// puzzle: long enough to be caught running.
constexpr std::uint64_t SlowExpertSeed = 27;
// Generous: an Expert generation under ThreadSanitizer takes seconds.
constexpr int WaitTimeoutMs = 120000;

class GenerationTest : public ::testing::Test {
 protected:
  GenerationTest() {
    Generateur.GenerationOptions = [this](int Level) {
      const int n = Started++;
      GenerateOptions options;
      options.Seed = Level == 4 ? SlowExpertSeed : SeedBase + static_cast<std::uint64_t>(n);
      if (Held.count(n) != 0) {
        std::atomic<bool>* gate = &Gates.at(static_cast<std::size_t>(n));
        options.NowMs = [gate] {
          gate->wait(false);
          return std::int64_t{0};
        };
      }
      return options;
    };
  }
  ~GenerationTest() override {
    for (int n = 0; n < static_cast<int>(Gates.size()); ++n) Release(n);
    Generateur.Shutdown();
  }

  // Lets the generation started n-th (from 0) go on.
  void Release(int n) {
    std::atomic<bool>& gate = Gates.at(static_cast<std::size_t>(n));
    gate.store(true);
    gate.notify_all();
  }

  static bool WaitUntil(const std::function<bool()>& Condition) { return QTest::qWaitFor(Condition, WaitTimeoutMs); }
  bool WaitForRest() {
    return WaitUntil([this] { return !Generateur.HasThreads(); });
  }

  // Generation n (levels 1 to 3) is seeded with SeedBase + n.
  std::uint64_t SeedBase = 1000;
  // The generations (by start order, from 0) that wait to be released.
  std::set<int> Held;
  // Declared before the generator, which stops its threads when it goes.
  std::array<std::atomic<bool>, 32> Gates{};
  int Started = 0;
  TGenerateur Generateur;
};

// A finished puzzle of the level: the grid shows its givens, the solution is
// full and keeps them, and the engine rates it at most at that level, solved
// by logic alone.
inline ::testing::AssertionResult IsPuzzleOfLevel(const TGrille& Grid, int Level) {
  int givens = 0;
  for (int i = 0; i < 81; ++i) {
    if (WordDigit(Grid.Solution[i]) == 0) return ::testing::AssertionFailure() << "solution empty at " << i;
    if (Grid.Givens[i] == 0) continue;
    ++givens;
    if (WordDigit(Grid.Solution[i]) != Grid.Givens[i] || WordDigit(Grid.Digits[i]) != Grid.Givens[i])
      return ::testing::AssertionFailure() << "given " << i << " not kept";
  }
  if (givens < 17) return ::testing::AssertionFailure() << givens << " givens";
  TGrille copy = Grid;
  const int rating = copy.RateLevel();
  if (rating < 1 || rating > Level) return ::testing::AssertionFailure() << "rated " << rating;
  return ::testing::AssertionSuccess();
}

// Runs Action on the modal dialog once the event loop shows one.
inline void OnModalDialog(std::function<void(QWidget*)> Action, int Tries = 1000) {
  QTimer::singleShot(10, qApp, [Action = std::move(Action), Tries] {
    if (QWidget* dialog = QApplication::activeModalWidget())
      Action(dialog);
    else if (Tries > 0)
      OnModalDialog(Action, Tries - 1);
  });
}
