// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridwait.h"

#include "generateur.h"

std::unique_ptr<TGrille> RequestGrid(TGenerateur& Generateur, int Level,
                                     const std::function<std::unique_ptr<TGridWait>()>& MakeWait) {
  bool wasReady = false;
  std::unique_ptr<TGrille> grid = Generateur.GetGrid(Level, wasReady);
  if (wasReady) return grid;
  // Nothing is being prepared (a level outside 1 to 5, or the generator is
  // shutting down): there is nothing to wait for.
  if (Generateur.Thread == nullptr) return nullptr;

  const std::unique_ptr<TGridWait> wait = MakeWait();
  Generateur.OnReady = [&wait] { wait->GridReady(); };
  const bool arrived = wait->Run();
  Generateur.OnReady = nullptr;
  // Taken in every case, so that no delivered grid lingers in the generator.
  grid = Generateur.TakeDeliveredGrid();
  return arrived ? std::move(grid) : nullptr;
}
