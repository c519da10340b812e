// SPDX-License-Identifier: GPL-3.0-or-later
// TReprise: the file that keeps the game in progress (the resume text of
// TPartie), so that a game left by a quit, a crash or a power cut can be
// taken up again. The file stands in the player's folder
// (TAppFolders::ResumeFile).
//
// Keep hands the newest text to a writer thread and returns at once: typing
// never waits for the disk. The thread replaces the file atomically
// (ReplaceFile), writing only the newest text when several came meanwhile.
// Flush waits until what was kept is on the disk; the destructor flushes.
// A write that fails is dropped silently: the file stays as it was, and the
// next move tries again.
#pragma once

#include <QString>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class TReprise {
 public:
  explicit TReprise(QString Path);
  ~TReprise();
  TReprise(const TReprise&) = delete;
  TReprise& operator=(const TReprise&) = delete;

  const QString& Path() const { return Path_; }
  // The text of the file, or none when it is missing, no plain file, larger
  // than a resume text can be, or unreadable. What it says is not judged here.
  std::optional<std::string> Read() const;
  void Keep(std::string Text);
  // No game to take up any more (finished, or none): the file goes.
  void Remove();
  void Flush();

  // A resume text is far below this.
  static constexpr qint64 MaxBytes = 64 * 1024;

 private:
  void Run();

  QString Path_;
  std::mutex Mutex_;
  std::condition_variable Wake_;
  std::condition_variable Done_;
  std::optional<std::string> Pending_;  // the newest text not yet written; "" removes
  bool Busy_ = false;
  bool Stop_ = false;
  std::thread Thread_;
};
