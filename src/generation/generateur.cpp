// SPDX-License-Identifier: GPL-3.0-or-later
#include "generateur.h"

#include <QEventLoop>
#include <utility>

#include "threadgeneration.h"

namespace {
bool ValidLevel(int Level) { return Level >= LevelFacile && Level <= HighestLevel; }
}  // namespace

TGenerateur::TGenerateur(QObject* Parent) : QObject(Parent) {
  for (int level = LevelFacile; level <= HighestLevel; ++level) Grids[level] = std::make_shared<TGrille>();
}

TGenerateur::~TGenerateur() {
  Destroying = true;
  OnReady = nullptr;
  // Ended threads waiting for their deferred deletion are freed with the
  // generator as its children; a running one must end first.
  for (TThreadGeneration* thread : findChildren<TThreadGeneration*>(Qt::FindDirectChildrenOnly)) {
    thread->requestInterruption();
    thread->wait();
  }
}

void TGenerateur::StartGeneration(int Level) {
  if (Destroying || !ValidLevel(Level)) return;
  if (Thread != nullptr) StopThread();
  Current = Level;
  auto* thread = new TThreadGeneration(this);
  thread->Setup(Level, Grids[Level], GenerationOptions ? GenerationOptions(Level) : GenerateOptions{});
  connect(
      thread, &QThread::finished, this, [this, thread] { ThreadDone(thread); }, Qt::QueuedConnection);
  connect(thread, &QThread::finished, thread, &QObject::deleteLater);
  Thread = thread;
  ++RunningThreads_;
  thread->start();
}

void TGenerateur::StopThread() {
  Thread->requestInterruption();
  Grids[Thread->Level] = std::make_shared<TGrille>();
  Thread = nullptr;
}

std::unique_ptr<TGrille> TGenerateur::TakeSlotGrid(int Level) {
  auto grid = std::make_unique<TGrille>(std::move(*Grids[Level]));
  Grids[Level] = std::make_shared<TGrille>();
  return grid;
}

std::unique_ptr<TGrille> TGenerateur::GetGrid(int Level, bool& WasReady) {
  WasReady = false;
  if (!ValidLevel(Level)) return nullptr;
  WasReady = Ready[Level];
  if (Ready[Level]) {
    Ready[Level] = false;
    std::unique_ptr<TGrille> grid = TakeSlotGrid(Level);
    if (Thread == nullptr) StartGeneration(Level);
    return grid;
  }
  // The running thread is filling this very grid: the caller waits for it.
  if (Level == Current && Thread != nullptr) return nullptr;
  StartGeneration(Level);
  return nullptr;
}

std::unique_ptr<TGrille> TGenerateur::TakeDeliveredGrid() { return std::move(Delivered_); }

void TGenerateur::ThreadDone(TThreadGeneration* Ended) {
  // Pairs with the release in TThreadGeneration::run(): what the thread wrote
  // into its grid is visible from here on.
  const bool produced = Ended->Result.load(std::memory_order_acquire);
  --RunningThreads_;
  if (Destroying && RunningThreads_ == 0 && ShutdownLoop_ != nullptr) ShutdownLoop_->quit();
  // The end of a thread asked to stop changes nothing: its slot already holds
  // a fresh grid, and a newer thread, if any, is the current one.
  if (Ended != Thread) return;
  Thread = nullptr;
  // Nothing is handed on during shutdown, nor from a generation that produced
  // nothing (which only a stop request causes).
  if (Destroying || !produced) return;

  if (OnReady) {
    // The waiting caller keeps the finished grid.
    Delivered_ = TakeSlotGrid(Current);
    Ready[Current] = false;
    const std::function<void()> callback = OnReady;  // the call may reset OnReady
    callback();
  } else {
    Ready[Current] = true;
    Current = 1;
  }
  // After a delivery another grid of the same level; after a grid nobody
  // waited for, a level 1 grid unless one is ready; then preparation rests.
  if (!Ready[Current]) StartGeneration(Current);
}

void TGenerateur::Shutdown() {
  Destroying = true;
  for (TThreadGeneration* thread : findChildren<TThreadGeneration*>(Qt::FindDirectChildrenOnly))
    thread->requestInterruption();
  if (RunningThreads_ == 0) return;
  QEventLoop loop;
  ShutdownLoop_ = &loop;
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  ShutdownLoop_ = nullptr;
}
