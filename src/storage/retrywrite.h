// SPDX-License-Identifier: GPL-3.0-or-later
// A change of the player's files put off because another window held the
// file's lock (a window stopped, or slow, in the middle of its own save):
// the change stays with its owner (the high scores, the statistics), which
// writes it again every RetryMs while the program runs, waiting only a
// moment for the lock each time, and a last time, waiting up to LastWaitMs,
// when it goes (the window closes). A retry that fails for another reason
// (a full disk) is shown once, through ReportFileResult, and the change
// stays for the next write.
#pragma once

#include <functional>

#include <QTimer>

#include "fileresult.h"

class TRetryWrite {
 public:
  static constexpr int RetryMs = 2000;
  // The lock wait of a retry: the window keeps answering meanwhile.
  static constexpr int RetryLockWaitMs = 50;
  // The lock wait of the last write, as the window closes.
  static constexpr int LastWaitMs = 5000;

  // Write writes what its owner holds unwritten, waiting up to the given
  // milliseconds for the lock, and says how it went.
  explicit TRetryWrite(std::function<FileResult(int LockWaitMs)> Write);

  // After a write: starts the retries when it was postponed, stops them
  // otherwise. Returns Result.
  FileResult Follow(FileResult Result);

 private:
  void Retry();
  std::function<FileResult(int)> Write_;
  QTimer Timer_;
};
