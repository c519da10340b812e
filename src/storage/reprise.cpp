// SPDX-License-Identifier: GPL-3.0-or-later
#include "reprise.h"

#include <QFile>
#include <QFileInfo>
#include <utility>

#include "filewrite.h"

TReprise::TReprise(QString Path) : Path_(std::move(Path)), Thread_([this] { Run(); }) {}

TReprise::~TReprise() {
  {
    std::unique_lock lock(Mutex_);
    Stop_ = true;
  }
  Wake_.notify_all();
  Thread_.join();  // the thread writes what is pending before it ends
}

std::optional<std::string> TReprise::Read() const {
  const QFileInfo info(Path_);
  // Only a plain file: opening a pipe for reading would wait for a writer.
  if (!info.isFile() || info.size() > MaxBytes) return std::nullopt;
  QFile file(Path_);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.read(MaxBytes + 1);
  if (file.error() != QFileDevice::NoError || bytes.size() > MaxBytes) return std::nullopt;
  return bytes.toStdString();
}

void TReprise::Keep(std::string Text) {
  {
    std::unique_lock lock(Mutex_);
    Pending_ = std::move(Text);
  }
  Wake_.notify_all();
}

void TReprise::Remove() { Keep({}); }

void TReprise::Flush() {
  std::unique_lock lock(Mutex_);
  Done_.wait(lock, [this] { return !Pending_ && !Busy_; });
}

void TReprise::Run() {
  std::unique_lock lock(Mutex_);
  for (;;) {
    Wake_.wait(lock, [this] { return Pending_ || Stop_; });
    if (!Pending_) return;  // stopped, nothing left to write
    const std::string text = std::move(*Pending_);
    Pending_.reset();
    Busy_ = true;
    lock.unlock();
    if (text.empty())
      QFile::remove(Path_);
    else
      ReplaceFile(Path_, QByteArray::fromStdString(text));
    lock.lock();
    Busy_ = false;
    Done_.notify_all();
  }
}
