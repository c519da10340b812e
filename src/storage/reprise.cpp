// SPDX-License-Identifier: GPL-3.0-or-later
#include "reprise.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <utility>

#include "filewrite.h"

namespace {

// A slot's lock is held for the window's whole life: it is never old, only
// left by a window that died, which its process number tells.
std::unique_ptr<QLockFile> MakeLock(const QString& Path) {
  auto lock = std::make_unique<QLockFile>(Path + QStringLiteral(".lock"));
  lock->setStaleLockTime(0);
  return lock;
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
  const QString path = SlotPath(Slot);
  const QFileInfo info(path);
  // Only a plain file: opening a pipe for reading would wait for a writer.
  if (!info.isFile() || info.size() > MaxBytes) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.read(MaxBytes + 1);
  if (file.error() != QFileDevice::NoError || bytes.size() > MaxBytes) return std::nullopt;
  return bytes.toStdString();
}

std::vector<TReprise::Kept> TReprise::KeptGames() const {
  std::vector<Kept> kept;
  if (Slot_ != 0)
    if (std::optional<std::string> text = ReadSlot(Slot_)) kept.push_back({Slot_, std::move(*text)});
  std::vector<std::pair<QDateTime, Kept>> others;
  for (int slot = 1; slot <= MaxSlots; ++slot) {
    if (slot == Slot_ || !QFileInfo::exists(SlotPath(slot))) continue;
    // Free, or held by another window that plays it.
    const std::unique_ptr<QLockFile> lock = MakeLock(SlotPath(slot));
    if (!lock->tryLock(0)) continue;
    if (std::optional<std::string> text = ReadSlot(slot))
      others.emplace_back(QFileInfo(SlotPath(slot)).lastModified(), Kept{slot, std::move(*text)});
  }
  std::stable_sort(others.begin(), others.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  for (auto& other : others) kept.push_back(std::move(other.second));
  return kept;
}

bool TReprise::Lock(int Slot) {
  if (Slot == Slot_) return true;
  std::unique_ptr<QLockFile> lock = MakeLock(SlotPath(Slot));
  if (!lock->tryLock(0)) return false;
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
    if (text.empty())
      QFile::remove(path);
    else
      ReplaceFile(path, QByteArray::fromStdString(text));
    lock.lock();
    Busy_ = false;
    Done_.notify_all();
  }
}
