// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelock.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include <QCoreApplication>
#include <QDir>

#include "encodings.h"

namespace {

// Short waits at random, so that two writers that keep saving both get their
// turn.
constexpr int MinPauseMs = 2;
constexpr int MaxPauseMs = 20;

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Opens an existing or new lock file without following a link, without
// waiting on a pipe and without taking a terminal; read-only when it may
// not be written (a file of another account's): its lock works the same.
int OpenLockFile(const QByteArray& path) {
  constexpr int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
  int fd = ::open(path.constData(), O_RDWR | O_CREAT | flags, 0644);
  if (fd < 0 && (errno == EACCES || errno == EPERM)) fd = ::open(path.constData(), O_RDONLY | flags);
  return fd;
}

}  // namespace

TFileLock::TFileLock(const QString& Path) : path_(Path), lockPath_(ToLocalPath(Path + QStringLiteral(".lock"))) {}

TFileLock::~TFileLock() {
  if (fd_ < 0) return;
  // Removed while held: a writer that opened it meanwhile finds, once it has
  // the lock, that its file is no longer the one at the path, and starts again.
  struct stat mine {};
  struct stat there {};
  if (::fstat(fd_, &mine) == 0 && ::lstat(lockPath_.constData(), &there) == 0 && SameFile(mine, there))
    ::unlink(lockPath_.constData());
  ::close(fd_);
}

FileResult TFileLock::LockFailure(const QString& Reason) const {
  return WriteFailure(path_, QCoreApplication::translate("TFileLock", "le verrou %1 %2")
                                 .arg(QDir::toNativeSeparators(DisplayPath(FromLocalPath(lockPath_))), Reason));
}

FileResult TFileLock::Busy() const {
  FileResult busy = WriteFailure(
      path_, QCoreApplication::translate("TFileLock", "fichier utilisé par une autre fenêtre d'Orvalis, réessayez"));
  busy.Status = FileStatus::Busy;
  return busy;
}

FileResult TFileLock::TryOnce() {
  const QString notPlain = QCoreApplication::translate("TFileLock", "n'est pas un fichier ordinaire");
  struct stat info {};
  // Looked at before it is opened: a device is never opened at all.
  const bool exists = ::lstat(lockPath_.constData(), &info) == 0;
  if (exists && !S_ISREG(info.st_mode)) return LockFailure(notPlain);
  const int fd = OpenLockFile(lockPath_);
  if (fd < 0) {
    const int error = errno;
    if (error == ELOOP || error == EISDIR || error == ENXIO || error == ENODEV) return LockFailure(notPlain);
    if (!exists || (error != EACCES && error != EPERM)) return WriteFailure(path_, ReasonOfError(error));
    // A lock file nobody may open: once it is gone, the next try makes one.
    if (::unlink(lockPath_.constData()) == 0) return Busy();
    return LockFailure(
        QCoreApplication::translate("TFileLock", "ne peut être ni ouvert ni retiré (%1)\u00A0: supprimez ce fichier")
            .arg(ReasonOfError(error)));
  }
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > MaxLockFileBytes) {
    ::close(fd);
    return LockFailure(notPlain);
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    return error == EWOULDBLOCK || error == EINTR ? Busy() : WriteFailure(path_, ReasonOfError(error));
  }
  // The holder before may have removed the file as it let go: then this
  // lock is on a file nobody else will look at, and it starts again.
  struct stat there {};
  if (::lstat(lockPath_.constData(), &there) != 0 || !SameFile(info, there)) {
    ::close(fd);
    return Busy();
  }
  fd_ = fd;
  return {};
}

FileResult TFileLock::Acquire(int Wait) {
  if (fd_ >= 0) return {};
  thread_local std::minstd_rand random(std::random_device{}());
  std::uniform_int_distribution<int> pause(MinPauseMs, MaxPauseMs);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(Wait);
  for (;;) {
    FileResult tried = TryOnce();
    if (tried.Status != FileStatus::Busy || std::chrono::steady_clock::now() >= deadline) return tried;
    std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
  }
}
