// Helpers of the storage tests: real files in a temporary folder, the error box
// replaced by a recorder, and the ways to make a write fail for real (root
// ignores file modes).
#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <optional>
#include <ostream>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

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
  if (text) PrintTo(*text, os); else *os << "(none)";
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

// Every message the error box would have shown while it lives.
class ErrorBoxRecorder {
 public:
  ErrorBoxRecorder()
      : previous_(SetErrorBoxHandler([this](const QString& message) { Messages.append(message); })) {}
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
