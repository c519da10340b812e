// SPDX-License-Identifier: GPL-3.0-or-later
// TReprise: the files that keep the games in progress (the resume text of
// TPartie), so that a game left by a quit, a crash or a power cut can be
// taken up again. They stand in the player's folder: "reprise.txt"
// (TAppFolders::ResumeFile), then "reprise-2.txt", "reprise-3.txt"... when
// several windows of the game play at once.
//
// Each window keeps its game in a file of its own, its slot, held by a lock
// beside it ("<file>.lock") for as long as the window lives: two windows
// never write over each other's game, and a game left in one window stays
// for a later start to take up. A window takes its slot when it first keeps
// a game: the one it took a game up from, else the newest game no window
// holds (a new game takes the place of the game offered), else a free one.
// A lock left by a window that died is taken over (TFileLock). A lock that
// cannot be made at all (a full disk) does not hide a game whose file is
// intact: the window then keeps its game in the slot without the lock.
//
// The files are the player's files: read and written as ReadPlayerFile and
// ReplaceFile do. A slot's file that is a link out of the folder is neither
// read nor followed: the window's game replaces the link by a file of the
// folder.
//
// Keep hands the newest text to a writer thread and returns at once: typing
// never waits for the disk. The thread replaces the file atomically
// (ReplaceFile), writing only the newest text when several came meanwhile;
// a finished game's file is removed and its folder synced. Flush waits until
// what was kept is on the disk; the destructor flushes. A write that fails
// leaves the file as it was and is told once, in the general error box ("La
// partie en cours ne peut pas être gardée : disque plein"), on the thread
// that made this object, when it runs its events; the next move tries again,
// and a failure after a success is told again.
#pragma once

#include <QObject>
#include <QString>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class TFileLock;

class TReprise {
 public:
  // Path names the first slot's file.
  explicit TReprise(QString Path);
  ~TReprise();
  TReprise(const TReprise&) = delete;
  TReprise& operator=(const TReprise&) = delete;

  // A game kept in a slot, as the file holds it (what it says is not judged
  // here).
  struct Kept {
    int Slot = 0;
    std::string Text;
  };
  // The games this window may take up: its own slot's first, then those of
  // the slots no other window holds, newest first. A file that is missing, no
  // plain file, larger than a resume text can be, or unreadable gives none.
  std::vector<Kept> KeptGames() const;
  // This window keeps its game in the slot from now on. False when another
  // window holds it.
  bool TakeUp(int Slot);

  void Keep(std::string Text);
  // No game to take up any more (finished, or none): the window's file goes.
  void Remove();
  void Flush();

  // The file of a slot (1 is the path given).
  QString SlotPath(int Slot) const;
  // The window's slot, or 0 before it has kept a game.
  int Slot() const;

  // A resume text is far below this, its undo history included.
  static constexpr qint64 MaxBytes = 1024 * 1024;
  // Windows playing at once beyond this many share the last slot.
  static constexpr int MaxSlots = 32;

 private:
  void Run();
  // Takes a slot for Keep when the window has none.
  void Claim();
  bool Lock(int Slot);
  std::optional<std::string> ReadSlot(int Slot) const;

  QString Path_;
  int Slot_ = 0;
  std::unique_ptr<TFileLock> Lock_;
  // Where the writer thread's failures are told: the thread that made this.
  QObject Owner_;
  bool Failing_ = false;  // the writer's last write failed (writer thread only)
  std::mutex Mutex_;
  std::condition_variable Wake_;
  std::condition_variable Done_;
  // The newest text not yet written and its file; "" removes the file.
  std::optional<std::pair<QString, std::string>> Pending_;
  bool Busy_ = false;
  bool Stop_ = false;
  std::thread Thread_;
};
