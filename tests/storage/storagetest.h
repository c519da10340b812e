// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the storage tests: real files in a temporary folder, the error box
// replaced by a recorder, and the ways to make a write fail for real (root
// ignores file modes).
#pragma once

#include <errno.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <optional>
#include <ostream>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "errorbox.h"

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
  *os << '"' << bytes.toPercentEncoding(" |/:;=[]()'#,.-_\"").toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
  *os << '[' << list.join(QStringLiteral(", ")).toStdString() << ']';
}
inline void PrintTo(const std::optional<QString>& text, std::ostream* os) {
  if (text)
    PrintTo(*text, os);
  else
    *os << "(none)";
}

inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A failed write's message: "Impossible d'écrire dans <path>", then the
// reason in brackets when the system gave one.
inline bool SaysCannotWrite(const QString& message, const QString& path) {
  const QString start = QStringLiteral("Impossible d'écrire dans ") + path;
  return message == start || message.startsWith(start + QStringLiteral(" ("));
}
inline bool SaysCannotWriteOnce(const QStringList& messages, const QString& path) {
  return messages.size() == 1 && SaysCannotWrite(messages[0], path);
}

// Every message the error box would have shown while it lives.
class ErrorBoxRecorder {
 public:
  ErrorBoxRecorder() : previous_(SetErrorBoxHandler([this](const QString& message) { Messages.append(message); })) {}
  ~ErrorBoxRecorder() { SetErrorBoxHandler(previous_); }
  ErrorBoxRecorder(const ErrorBoxRecorder&) = delete;
  ErrorBoxRecorder& operator=(const ErrorBoxRecorder&) = delete;
  QStringList Messages;

 private:
  ErrorBoxHandler previous_;
};

// The file system's immutable flag on a file or folder while it lives (what
// `chattr +i` sets): nobody, root included, may change, replace or delete it,
// nor add to a folder. Set() is false where the file system or the rights
// do not allow it.
class ImmutableFlag {
 public:
  explicit ImmutableFlag(const QString& path) : path_(QFile::encodeName(path)) {}
  ~ImmutableFlag() {
    if (set_) Change(false);
  }
  ImmutableFlag(const ImmutableFlag&) = delete;
  ImmutableFlag& operator=(const ImmutableFlag&) = delete;
  bool Set() {
    set_ = Change(true);
    return set_;
  }

 private:
  bool Change(bool on) {
    const int fd = ::open(path_.constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
      flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
      ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
  }
  QByteArray path_;
  bool set_ = false;
};

// Files of this process cannot grow beyond `bytes` while it lives, as on a full
// disk: a write past the limit fails (the signal it would raise is ignored).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    active_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool Active() const { return active_; }

 private:
  rlimit saved_{};
  sighandler_t previousHandler_ = SIG_DFL;
  bool active_ = false;
};

// A file system of its own, a tmpfs of `bytes`, mounted in a temporary folder
// while it lives; Fill() then takes every free byte, so that a file system
// that is really full can be tried. Mounted() is false where mounting is not
// permitted.
class SmallFileSystem {
 public:
  explicit SmallFileSystem(std::size_t bytes) {
    if (!where_.isValid()) return;
    const QByteArray options = "size=" + QByteArray::number(qulonglong(bytes));
    mounted_ = ::mount("tmpfs", QFile::encodeName(where_.path()).constData(), "tmpfs", 0, options.constData()) == 0;
  }
  ~SmallFileSystem() {
    if (mounted_) ::umount2(QFile::encodeName(where_.path()).constData(), MNT_DETACH);
  }
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;
  bool Mounted() const { return mounted_; }
  QString Path() const { return where_.path(); }
  QString FilePath(const QString& name) const { return where_.filePath(name); }

  // Writes a filler file until the file system refuses more; true when it
  // ends full.
  bool Fill() const {
    const int fd = ::open(QFile::encodeName(where_.filePath(QStringLiteral("remplissage"))).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    const QByteArray block(512, 'x');
    ssize_t written = 0;
    do written = ::write(fd, block.constData(), std::size_t(block.size()));
    while (written > 0);
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
  }

 private:
  QTemporaryDir where_;
  bool mounted_ = false;
};
