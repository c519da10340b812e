#include "fileresult.h"

#include "errorbox.h"

FileResult WriteFailure(const QString& Path) {
  return {FileStatus::WriteFailed, CannotWriteMessage(Path)};
}

bool ReportFileResult(const FileResult& Result) {
  if (!Result.Ok()) ShowErrorBox(Result.Message);
  return Result.Ok();
}
