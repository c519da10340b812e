// SPDX-License-Identifier: GPL-3.0-or-later
// One writer at a time for a file of the player's: every read-modify-write of
// "sudoku.ini" or of a saved-grid file holds the file's lock, a lock file
// beside it ("<file>.lock"), from the read to the replacement. Two windows of
// the game, or two programs, thus add to the file what it holds at that
// moment, and nothing of the other's is lost. A lock left by a program that
// died is taken over.
#pragma once

#include <QLockFile>
#include <QString>

#include "fileresult.h"

class TFileLock {
 public:
  // How long a writer waits for another to finish before it gives up.
  static constexpr int TimeoutMs = 5000;

  // For the file at the path; takes nothing yet.
  explicit TFileLock(const QString& Path);
  // Releases the lock when held.
  ~TFileLock() = default;
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;

  // Takes the lock, waiting up to TimeoutMs. WriteFailed when another writer
  // keeps it ("fichier utilisé par une autre fenêtre d'Orvalis") or when the
  // lock file cannot be made (the reason of the system).
  FileResult Acquire();

 private:
  QString path_;
  QLockFile lock_;
};
