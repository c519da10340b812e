// SPDX-License-Identifier: GPL-3.0-or-later
// How the player's files are read: only regular files, never through a link
// that leads out of the file's folder, within a size limit, in one pass.
// A pipe or a device at the path is refused at once instead of being waited
// on or read without end.
#pragma once

#include <QByteArray>
#include <QString>

#include "fileresult.h"

// The largest files the program reads or writes.
inline constexpr qint64 MaxSavedGridFileBytes = 16 * 1024 * 1024;  // a ".orv" file
inline constexpr qint64 MaxSettingsFileBytes = 1024 * 1024;        // "sudoku.ini"

// What stands at a path of the player's, seen before it is read or replaced.
struct PlayerPath {
  QString Refusal;    // why it may be neither read nor written; empty when it may
  QByteArray Target;  // the system's path of the file itself (a link inside the folder resolved)
  bool Exists = false;
};
// Refused: a link whose file is not in the folder of the link (or leads
// nowhere), and anything but a regular file (a folder, a pipe, a device).
PlayerPath CheckPlayerPath(const QString& Path);

// A regular file stands at the path (a link to one counts), named by its
// bytes, UTF-8 or not (see FromLocalPath).
bool IsPlainFile(const QString& Path);
// The path with every link resolved, or the path itself when it leads
// nowhere.
QString RealFilePath(const QString& Path);

struct FileContent {
  FileResult Result;  // ReadFailed, with its reason, when the file is refused or unreadable
  QString Reason;     // that reason alone, for a caller that reports a failed write
  QByteArray Bytes;   // empty when the file is absent
  bool Exists = false;
};
// The whole file, or a refusal; a missing file is Ok, empty and not Exists.
FileContent ReadPlayerFile(const QString& Path, qint64 MaxBytes);
