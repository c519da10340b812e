// SPDX-License-Identifier: GPL-3.0-or-later
// One writer at a time for a file of the player's: every read-modify-write of
// "sudoku.ini" or of a saved-grid file holds the file's lock, a lock file
// beside it ("<file>.lock"), from the read to the replacement; a window holds
// the lock of the file that keeps its game in progress for as long as it
// lives. Two windows of the game, or two programs, thus add to the file what
// it holds at that moment, and nothing of the other's is lost.
//
// The lock is the system's own lock on the lock file (flock), which the
// system lets go when its holder ends, however it ends: a lock file left by
// a window that died is simply taken again, never read. The lock file is
// opened without following a link and without waiting, and only when it is
// a small regular file; anything else at its path (a pipe, a device, a
// folder, a link, a huge file) refuses the write at once: "le verrou
// <chemin> n'est pas un fichier ordinaire".
#pragma once

#include <QByteArray>
#include <QString>

#include "fileresult.h"

class TFileLock {
 public:
  // How long a writer waits for another to finish before it gives up: a
  // moment, short enough not to freeze a window.
  static constexpr int WaitMs = 300;
  // A lock file is empty; one larger than this was not made by the game.
  static constexpr qint64 MaxLockFileBytes = 4096;

  // For the file at the path; takes nothing yet.
  explicit TFileLock(const QString& Path);
  // Releases the lock when held (its file goes).
  ~TFileLock();
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;

  // Takes the lock, waiting up to Wait milliseconds. Busy ("fichier utilisé
  // par une autre fenêtre d'Orvalis, réessayez") when another writer keeps
  // it; WriteFailed when the lock file is no plain file, or cannot be made or
  // opened (the reason of the system; a lock file that can be neither opened
  // nor removed is named, for the player to remove).
  FileResult Acquire(int Wait = WaitMs);
  bool Held() const { return fd_ >= 0; }

 private:
  // One try: Ok when taken, Busy when another holds it, or why not.
  FileResult TryOnce();
  FileResult Busy() const;
  FileResult LockFailure(const QString& Reason) const;

  QString path_;
  QByteArray lockPath_;
  int fd_ = -1;
};
