// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelock.h"

#include <errno.h>

#include <chrono>
#include <random>
#include <thread>

namespace {

// Short waits at random, so that two writers that keep saving both get their
// turn: Qt's own waiting doubles its pauses and loses to a busy writer.
constexpr int MinPauseMs = 2;
constexpr int MaxPauseMs = 20;

}  // namespace

TFileLock::TFileLock(const QString& Path) : path_(Path), lock_(Path + QStringLiteral(".lock")) {}

FileResult TFileLock::Acquire() {
  thread_local std::minstd_rand random(std::random_device{}());
  std::uniform_int_distribution<int> pause(MinPauseMs, MaxPauseMs);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
  for (;;) {
    errno = 0;
    if (lock_.tryLock(0)) return {};
    if (lock_.error() != QLockFile::LockFailedError)
      return WriteFailure(path_, ReasonOfError(errno != 0 ? errno : EACCES));
    if (std::chrono::steady_clock::now() >= deadline)
      return WriteFailure(path_, QStringLiteral("fichier utilisé par une autre fenêtre d'Orvalis, réessayez"));
    std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
  }
}
