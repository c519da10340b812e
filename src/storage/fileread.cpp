// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileread.h"

#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

#include "encodings.h"

namespace {

// The canonical path (every link resolved), or nothing.
QByteArray RealPath(const QByteArray& path) {
  const std::unique_ptr<char, decltype(&::free)> real(::realpath(path.constData(), nullptr), &::free);
  return real ? QByteArray(real.get()) : QByteArray();
}

QByteArray ParentOf(const QByteArray& path) {
  const qsizetype slash = path.lastIndexOf('/');
  if (slash < 0) return QByteArrayLiteral(".");
  return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

}  // namespace

bool IsPlainFile(const QString& Path) {
  struct stat info {};
  return ::stat(ToLocalPath(Path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

QString RealFilePath(const QString& Path) {
  const QByteArray real = RealPath(ToLocalPath(Path));
  return real.isEmpty() ? Path : FromLocalPath(real);
}

PlayerPath CheckPlayerPath(const QString& Path) {
  PlayerPath checked;
  checked.Target = ToLocalPath(Path);
  struct stat info {};
  if (::lstat(checked.Target.constData(), &info) != 0) return checked;  // absent: may be made
  checked.Exists = true;
  if (S_ISLNK(info.st_mode)) {
    const QByteArray target = RealPath(checked.Target);
    const QByteArray folder = RealPath(ParentOf(checked.Target));
    if (target.isEmpty() || folder.isEmpty() || !target.startsWith(folder + '/')) {
      checked.Refusal = LinkOutsideReason();
      return checked;
    }
    checked.Target = target;
    if (::stat(target.constData(), &info) != 0) {
      checked.Refusal = LinkOutsideReason();
      return checked;
    }
  }
  if (!S_ISREG(info.st_mode)) checked.Refusal = NotRegularFileReason();
  return checked;
}

FileContent ReadPlayerFile(const QString& Path, qint64 MaxBytes) {
  FileContent content;
  const PlayerPath checked = CheckPlayerPath(Path);
  if (!checked.Exists) return content;
  content.Exists = true;
  if (!checked.Refusal.isEmpty()) {
    content.Reason = checked.Refusal;
    content.Result = ReadFailure(Path, content.Reason);
    return content;
  }
  // Without waiting (a pipe put there since the check opens at once) and
  // without following a link put there since.
  const int fd = ::open(checked.Target.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    content.Reason = errno == ELOOP ? LinkOutsideReason() : ReasonOfError(errno);
    content.Result = ReadFailure(Path, content.Reason);
    return content;
  }
  struct stat info {};
  QString refusal;
  if (::fstat(fd, &info) != 0)
    refusal = ReasonOfError(errno);
  else if (!S_ISREG(info.st_mode))
    refusal = NotRegularFileReason();
  else if (info.st_size > MaxBytes)
    refusal = TooLargeReason(MaxBytes);
  if (refusal.isEmpty()) {
    // The file may grow while it is read: never more than the limit.
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    while (refusal.isEmpty()) {
      if (filled == bytes.size()) {
        if (filled > MaxBytes) {
          refusal = TooLargeReason(MaxBytes);
          break;
        }
        bytes.resize(std::min<qsizetype>(MaxBytes + 1, filled * 2 + 4096));
      }
      const ssize_t got = ::read(fd, bytes.data() + filled, std::size_t(bytes.size() - filled));
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) refusal = ReasonOfError(errno);
      if (got <= 0) break;
      filled += got;
    }
    if (filled > MaxBytes) refusal = TooLargeReason(MaxBytes);
    bytes.truncate(filled);
    if (refusal.isEmpty()) content.Bytes = std::move(bytes);
  }
  ::close(fd);
  if (!refusal.isEmpty()) {
    content.Reason = refusal;
    content.Result = ReadFailure(Path, refusal);
  }
  return content;
}
