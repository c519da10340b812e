// SPDX-License-Identifier: GPL-3.0-or-later
#include "filewrite.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "encodings.h"
#include "fileread.h"

namespace {

const QByteArray kTemporaryInfix = QByteArrayLiteral(".tmp-");
constexpr int kTemporaryRandomChars = 6;  // the XXXXXX of mkostemp

FolderSyncObserver& SyncObserver() {
  static FolderSyncObserver observer;
  return observer;
}

struct SplitPath {
  QByteArray Folder;
  QByteArray Name;
};

SplitPath Split(const QByteArray& path) {
  const qsizetype slash = path.lastIndexOf('/');
  if (slash < 0) return {QByteArrayLiteral("."), path};
  return {slash == 0 ? QByteArrayLiteral("/") : path.left(slash), path.mid(slash + 1)};
}

// The prefix of the temporary files of a file's saves.
QByteArray TemporaryPrefix(const QByteArray& name) { return '.' + name + kTemporaryInfix; }

// The temporary files a killed save of this file left behind.
void RemoveStaleTemporaries(const SplitPath& where) {
  DIR* dir = ::opendir(where.Folder.constData());
  if (dir == nullptr) return;
  const QByteArray prefix = TemporaryPrefix(where.Name);
  while (const dirent* entry = ::readdir(dir)) {
    const QByteArrayView name(entry->d_name);
    if (name.size() == prefix.size() + kTemporaryRandomChars && name.startsWith(prefix))
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

// The mode of the new file: the old file's, or what the user's mask leaves
// of rw-rw-rw-.
mode_t ModeFor(const QByteArray& target) {
  struct stat info {};
  if (::stat(target.constData(), &info) == 0) return info.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, const QByteArray& bytes) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, std::size_t(left));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    data += written;
    left -= written;
  }
  return true;
}

// 0, or the errno of the failed sync. A file system that cannot sync a
// folder (EINVAL) keeps its renames as it can.
int SyncFolder(const QByteArray& folder) {
  const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int result = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
  ::close(fd);
  return result;
}

// The folder synced after a change of its file: a failure of the sync
// leaves the change made, so that the result is a success with a note (a
// save tried again would store its grid twice).
FileResult Synced(const QString& Path, const QByteArray& folder) {
  if (const int syncError = SyncFolder(folder); syncError != 0) {
    return {FileStatus::Ok,
            QCoreApplication::translate("FileWrite",
                                        "%1 est enregistré, mais le disque n'a pas confirmé l'écriture (%2)\u00A0: "
                                        "une coupure de courant pourrait la perdre")
                .arg(QDir::toNativeSeparators(DisplayPath(Path)), ReasonOfError(syncError))};
  }
  if (SyncObserver()) SyncObserver()(FromLocalPath(folder));
  return {};
}

}  // namespace

FileResult ReplaceFile(const QString& Path, const QByteArray& Bytes) {
  const PlayerPath checked = CheckPlayerPath(Path);
  if (!checked.Refusal.isEmpty()) return WriteFailure(Path, checked.Refusal);
  // A file the player made read-only stays as it is, though its folder would
  // let a rename replace it (and root may write anything).
  if (struct stat info{};
      checked.Exists && ::stat(checked.Target.constData(), &info) == 0 && (info.st_mode & 0222) == 0)
    return WriteFailure(Path, QCoreApplication::translate("FileWrite", "fichier en lecture seule"));
  const SplitPath where = Split(checked.Target);
  RemoveStaleTemporaries(where);

  QByteArray temporary = where.Folder + '/' + TemporaryPrefix(where.Name) + "XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return WriteFailure(Path, ReasonOfError(errno));
  const bool written = ::fchmod(fd, ModeFor(checked.Target)) == 0 && WriteAll(fd, Bytes) && ::fsync(fd) == 0;
  int error = written ? 0 : errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.constData(), checked.Target.constData()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.constData());  // the old file untouched
    return WriteFailure(Path, ReasonOfError(error));
  }
  return Synced(Path, where.Folder);
}

FileResult WriteThroughTemporary(const QString& Path, const std::function<bool(const QString&)>& Make,
                                 const std::function<bool(const QByteArray&)>& Complete) {
  const QTemporaryDir folder;
  if (!folder.isValid()) return WriteFailure(Path, ReasonOfError(errno));
  const QString temporary = folder.filePath(QStringLiteral("fichier"));
  bool made = Make(temporary);
  QByteArray bytes;
  if (made) {
    QFile file(temporary);
    made = file.open(QIODevice::ReadOnly) && !(bytes = file.readAll()).isEmpty() && Complete(bytes);
  }
  if (!made) return WriteFailure(Path, QCoreApplication::translate("FileWrite", "le fichier n'a pas pu être produit"));
  return ReplaceFile(Path, bytes);
}

bool IsWholePdf(const QByteArray& Bytes) { return Bytes.startsWith("%PDF-") && Bytes.trimmed().endsWith("%%EOF"); }

FileResult RemovePlayerFile(const QString& Path) {
  const QByteArray path = ToLocalPath(Path);
  if (::unlink(path.constData()) != 0) return errno == ENOENT ? FileResult{} : WriteFailure(Path, ReasonOfError(errno));
  return Synced(Path, Split(path).Folder);
}

FolderSyncObserver SetFolderSyncObserver(FolderSyncObserver Observer) {
  return std::exchange(SyncObserver(), std::move(Observer));
}
