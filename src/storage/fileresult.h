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
};

struct FileResult {
  FileStatus Status = FileStatus::Ok;
  QString Message;  // in French, ready to be shown; empty when Ok
  bool Ok() const { return Status == FileStatus::Ok; }
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

// Shows the message of a failed result in the general error box (nothing for
// a success) and returns Result.Ok(), so that a caller can write
// `if (!ReportFileResult(options.Save())) return;`.
bool ReportFileResult(const FileResult& Result);
