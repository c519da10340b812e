// SPDX-License-Identifier: GPL-3.0-or-later
#include "reprise.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <utility>

#include "encodings.h"
#include "filelock.h"
#include "fileread.h"
#include "filewrite.h"

namespace {

// Keeps the text in the file; a link out of the folder at the path is
// replaced, not followed.
FileResult WriteKept(const QString& Path, const std::string& Text) {
  if (Text.empty()) return RemovePlayerFile(Path);
  struct stat info {};
  if (::lstat(ToLocalPath(Path).constData(), &info) == 0 && S_ISLNK(info.st_mode) &&
      CheckPlayerPath(Path).Refusal == LinkOutsideReason())
    if (FileResult removed = RemovePlayerFile(Path); !removed.Ok()) return removed;
  return ReplaceFile(Path, QByteArray::fromStdString(Text));
}

// "disque plein" of "Impossible d'écrire dans <path> (disque plein)".
QString ReasonIn(const FileResult& Failed, const QString& Path) {
  const QString start = WriteFailure(Path).Message + QStringLiteral(" (");
  if (!Failed.Message.startsWith(start) || !Failed.Message.endsWith(u')')) return Failed.Message;
  return Failed.Message.sliced(start.size()).chopped(1);
}

}  // namespace

TReprise::TReprise(QString Path) : Path_(std::move(Path)), Thread_([this] { Run(); }) {}

TReprise::~TReprise() {
  {
    std::unique_lock lock(Mutex_);
    Stop_ = true;
  }
  Wake_.notify_all();
  Thread_.join();  // the thread writes what is pending before it ends
}

QString TReprise::SlotPath(int Slot) const {
  if (Slot <= 1) return Path_;
  const QFileInfo first(Path_);
  return first.dir().filePath(first.completeBaseName() + QStringLiteral("-%1.").arg(Slot) + first.suffix());
}

int TReprise::Slot() const { return Slot_; }

std::optional<std::string> TReprise::ReadSlot(int Slot) const {
  const FileContent content = ReadPlayerFile(SlotPath(Slot), MaxBytes);
  if (!content.Result.Ok() || content.Bytes.isEmpty()) return std::nullopt;
  return content.Bytes.toStdString();
}

std::vector<TReprise::Kept> TReprise::KeptGames() const {
  std::vector<Kept> kept;
  if (Slot_ != 0)
    if (std::optional<std::string> text = ReadSlot(Slot_)) kept.push_back({Slot_, std::move(*text)});
  std::vector<std::pair<QDateTime, Kept>> others;
  for (int slot = 1; slot <= MaxSlots; ++slot) {
    if (slot == Slot_ || !QFileInfo::exists(SlotPath(slot))) continue;
    // Free, or held by another window that plays it; a lock that cannot be
    // made hides no game.
    TFileLock lock(SlotPath(slot));
    if (lock.Acquire(0).Status == FileStatus::Busy) continue;
    if (std::optional<std::string> text = ReadSlot(slot))
      others.emplace_back(QFileInfo(SlotPath(slot)).lastModified(), Kept{slot, std::move(*text)});
  }
  std::stable_sort(others.begin(), others.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  for (auto& other : others) kept.push_back(std::move(other.second));
  return kept;
}

bool TReprise::Lock(int Slot) {
  if (Slot == Slot_) return true;
  auto lock = std::make_unique<TFileLock>(SlotPath(Slot));
  const FileResult locked = lock->Acquire(0);
  if (locked.Status == FileStatus::Busy) return false;
  // No lock can be made here: the slot is kept without one.
  if (!locked.Ok()) lock.reset();
  Flush();  // what was kept goes to the old slot first
  std::unique_lock guard(Mutex_);
  Lock_ = std::move(lock);
  Slot_ = Slot;
  return true;
}

bool TReprise::TakeUp(int Slot) { return Slot >= 1 && Slot <= MaxSlots && Lock(Slot); }

void TReprise::Claim() {
  if (Slot_ != 0) return;
  // The newest game no window holds, the one the menu offers: a new game
  // takes its place.
  for (const Kept& kept : KeptGames())
    if (Lock(kept.Slot)) return;
  for (int slot = 1; slot <= MaxSlots; ++slot)
    if (!QFileInfo::exists(SlotPath(slot)) && Lock(slot)) return;
  // Every slot held: the last is shared rather than the game not kept at all.
  std::unique_lock guard(Mutex_);
  Slot_ = MaxSlots;
}

void TReprise::Keep(std::string Text) {
  Claim();
  {
    std::unique_lock lock(Mutex_);
    Pending_.emplace(SlotPath(Slot_), std::move(Text));
  }
  Wake_.notify_all();
}

void TReprise::Remove() {
  // A window that kept nothing has nothing to remove.
  if (Slot_ == 0) return;
  Keep({});
}

void TReprise::Flush() {
  std::unique_lock lock(Mutex_);
  Done_.wait(lock, [this] { return !Pending_ && !Busy_; });
}

void TReprise::Run() {
  std::unique_lock lock(Mutex_);
  for (;;) {
    Wake_.wait(lock, [this] { return Pending_ || Stop_; });
    if (!Pending_) return;  // stopped, nothing left to write
    const auto [path, text] = std::move(*Pending_);
    Pending_.reset();
    Busy_ = true;
    lock.unlock();
    const FileResult written = WriteKept(path, text);
    // A finished game's file that could not go is left for the next game.
    if (!written.Ok() && !Failing_ && !text.empty()) {
      const QString told =
          QCoreApplication::translate("TReprise", "La partie en cours ne peut pas être gardée\u00A0: %1")
              .arg(ReasonIn(written, path));
      QMetaObject::invokeMethod(&Owner_, [told] { ReportFileResult({FileStatus::WriteFailed, told}); });
    }
    Failing_ = !written.Ok();
    lock.lock();
    Busy_ = false;
    Done_.notify_all();
  }
}
