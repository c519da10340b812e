// SPDX-License-Identifier: GPL-3.0-or-later
// TGridWait: what a game shows while the grid it asked for is still being
// generated, and RequestGrid, the way a game asks the generator for its grid.
// The generator knows nothing of windows: the game screen brings its wait
// dialog (screens/generation.h), a test a stand-in.
#pragma once

#include <functional>
#include <memory>

class TGenerateur;
class TGrille;

class TGridWait {
 public:
  virtual ~TGridWait() = default;
  // Runs until GridReady is called (true) or the player gives up (false).
  virtual bool Run() = 0;
  // The grid has arrived: Run returns true.
  virtual void GridReady() = 0;
};

// The grid of Level for a new game: at once when it is ready; otherwise
// MakeWait gives the wait shown until it arrives. None when the player gave
// up waiting: the generation goes on and the grid becomes ready for that
// level. The generator's OnReady is none again when this returns.
std::unique_ptr<TGrille> RequestGrid(TGenerateur& Generateur, int Level,
                                     const std::function<std::unique_ptr<TGridWait>()>& MakeWait);
