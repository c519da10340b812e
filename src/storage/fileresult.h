// SPDX-License-Identifier: GPL-3.0-or-later
// How an operation on the player's files ended, and the one place where a
// failure is shown to the player.
//
// Storage classes never show anything themselves: they return a FileResult,
// and the screen that asked hands it to ReportFileResult, which shows the
// message in the general error box when the operation failed.
#pragma once

#include <QString>

enum class FileStatus {
  Ok,
  NameRefused,   // the typed file name is not accepted; nothing was written
  ReadFailed,    // the file could not be read; nothing was written
  NoSuchRecord,  // the grid is no longer in the file; nothing was written
  WriteFailed,   // the file could not be written; it keeps its previous content
  Busy,          // another window holds the file's lock; nothing was written
  Postponed,     // another window holds the file's lock; the change is kept and written later
};

struct FileResult {
  FileStatus Status = FileStatus::Ok;
  // In French, ready to be shown; empty when Ok or Postponed, or a note for
  // the player when Ok ("written, but...").
  QString Message;
  // Nothing is lost: the change is on the disk, or kept to be written later.
  bool Ok() const { return Status == FileStatus::Ok || Status == FileStatus::Postponed; }
};

// WriteFailed with "Impossible d'écrire dans <path>", followed by the reason
// in brackets when there is one: "Impossible d'écrire dans <path> (disque
// plein)".
FileResult WriteFailure(const QString& Path, const QString& Reason = QString());

// ReadFailed with "Impossible de lire <path>", and the reason in brackets.
FileResult ReadFailure(const QString& Path, const QString& Reason = QString());

// The reason, in French, of a failed call of the system that set errno.
QString ReasonOfError(int Errno);

// The reasons a file of the player's is refused.
QString LinkOutsideReason();              // a link that leads out of its folder
QString NotRegularFileReason();           // a folder, a pipe, a device...
QString TooLargeReason(qint64 MaxBytes);  // "fichier de plus de 16 Mo"

// Shows the message of a result in the general error box (nothing for a
// success without a note, nor for a change postponed) and returns Result.Ok(), so that a caller can write
// `if (!ReportFileResult(options.Save())) return;`.
bool ReportFileResult(const FileResult& Result);
