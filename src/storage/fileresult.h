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

// WriteFailed with "Impossible d'écrire dans <path>".
FileResult WriteFailure(const QString& Path);

// Shows the message of a failed result in the general error box (nothing for
// a success) and returns Result.Ok(), so that a caller can write
// `if (!ReportFileResult(options.Save())) return;`.
bool ReportFileResult(const FileResult& Result);
