// SPDX-License-Identifier: GPL-3.0-or-later
// TGenerateur: prepares puzzles ahead of demand, one slot per level 1 to 5,
// with at most one generation running (the thread of slot Current) plus, for a
// short while, threads that were asked to stop and have not ended yet.
//
// Ownership of the grids
// - Each slot holds its grid through a shared_ptr. The running thread shares
//   the grid of slot Current while it fills it, and nothing else touches that
//   grid until the thread's end has been handled by ThreadDone.
// - A grid handed out (GetGrid when ready, TakeDeliveredGrid after OnReady) is
//   moved into a unique_ptr that belongs to the caller; the slot receives a
//   fresh empty grid.
// - When a running thread is asked to stop, its slot receives a fresh grid at
//   once: a stopped thread goes on until its current removal attempt ends and
//   may write its grid until then. It keeps that grid alive through its own
//   shared_ptr and frees it with itself, and its end is ignored. So a grid that
//   a stopped thread may still be writing is never handed out and never given
//   to a new generation.
// - Threads are children of the generator and free themselves once they have
//   ended (deleteLater).
//
// Threads: every field is read and written on the interface thread only; a
// thread's end reaches ThreadDone through a queued connection. No locks.
//
// The owner starts the first preparation with StartGeneration(1), asks for
// grids with GetGrid (or RequestGrid, gridwait.h, which waits for a grid that
// is not ready), and calls Shutdown before it frees the generator.
#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <memory>

#include "grille.h"

class QEventLoop;
class TThreadGeneration;

class TGenerateur : public QObject {
  Q_OBJECT
 public:
  // Every slot gets an empty grid, nothing is ready, no thread is started.
  explicit TGenerateur(QObject* Parent = nullptr);
  // A thread still running (the owner did not call Shutdown) is asked to stop
  // and waited for, blocking, so that the process never ends under it.
  ~TGenerateur() override;

  // One grid per level, index 1 to 5 (0 unused).
  std::array<std::shared_ptr<TGrille>, HighestLevel + 1> Grids;
  // The slot holds a finished puzzle not yet handed out.
  std::array<bool, HighestLevel + 1> Ready{};
  // The level of the last generation started.
  int Current = 0;
  // The generation in progress, or none.
  TThreadGeneration* Thread = nullptr;
  // Set by a caller that waits for the grid of Current; called on the
  // interface thread when that grid is finished, which the caller then takes
  // with TakeDeliveredGrid.
  std::function<void()> OnReady;
  // Set by Shutdown: no new generation starts and the ends of threads are
  // only counted.
  bool Destroying = false;

  // What each generation is given (its seed and clock); called once per
  // generation started, with its level. Empty: seeded from the clock. The
  // stop request is always the thread's own.
  std::function<GenerateOptions(int Level)> GenerationOptions;

  // Starts a generation of Level on a new thread, which fills the slot's grid.
  // A thread still running is asked to stop first (its slot gets a fresh grid).
  // Does nothing once Destroying is set or for a level outside 1 to 5.
  void StartGeneration(int Level);

  // The grid of Level when it is ready: WasReady is true, the grid now belongs
  // to the caller, the slot gets a fresh grid and, if no thread runs, the next
  // grid of Level is prepared. Otherwise WasReady is false and the result is
  // none: if Level is being prepared the caller may wait for it through
  // OnReady; else the running generation is stopped and Level's begins.
  std::unique_ptr<TGrille> GetGrid(int Level, bool& WasReady);

  // The grid finished for the caller that waited through OnReady, once;
  // none when nothing was delivered since the last call.
  std::unique_ptr<TGrille> TakeDeliveredGrid();

  // The end of a thread, on the interface thread. The current thread's
  // puzzle goes to the waiting caller (OnReady) or becomes ready; then the
  // next grid is prepared: the same level after a delivery, else level 1 if it
  // is not ready; otherwise preparation rests. The end of a thread that was
  // asked to stop changes nothing.
  void ThreadDone(TThreadGeneration* Ended);

  // The owner's shutdown: sets Destroying, asks every running thread to stop
  // and processes events (user input excluded) until all of them have ended.
  void Shutdown();

  // True while a thread of this generator has not ended: the current one or
  // one asked to stop.
  bool HasThreads() const { return RunningThreads_ > 0; }

 private:
  // Asks the current thread to stop; its slot gets a fresh grid, since the
  // thread may go on writing the old one until its current attempt ends.
  void StopThread();
  // Moves the finished grid of Level out of its slot, which gets a fresh one.
  std::unique_ptr<TGrille> TakeSlotGrid(int Level);

  std::unique_ptr<TGrille> Delivered_;
  int RunningThreads_ = 0;
  QEventLoop* ShutdownLoop_ = nullptr;
};
