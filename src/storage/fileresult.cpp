// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileresult.h"

#include <errno.h>

#include <QCoreApplication>
#include <QDir>

#include "encodings.h"
#include "errorbox.h"

namespace {

QString WithReason(const QString& Message, const QString& Reason) {
  return Reason.isEmpty() ? Message : Message + QStringLiteral(" (") + Reason + u')';
}

}  // namespace

FileResult WriteFailure(const QString& Path, const QString& Reason) {
  return {FileStatus::WriteFailed, WithReason(CannotWriteMessage(DisplayPath(Path)), Reason)};
}

FileResult ReadFailure(const QString& Path, const QString& Reason) {
  return {FileStatus::ReadFailed, WithReason(QCoreApplication::translate("FileResult", "Impossible de lire %1")
                                                 .arg(QDir::toNativeSeparators(DisplayPath(Path))),
                                             Reason)};
}

QString ReasonOfError(int Errno) {
  switch (Errno) {
    case ENOSPC:
    case EDQUOT:
      return QCoreApplication::translate("FileResult", "disque plein");
    case EFBIG:
      return QCoreApplication::translate("FileResult", "fichier trop gros pour le disque");
    case ENAMETOOLONG:
      return QCoreApplication::translate("FileResult", "nom trop long");
    case EACCES:
    case EPERM:
      return QCoreApplication::translate("FileResult", "accès refusé");
    case EROFS:
      return QCoreApplication::translate("FileResult", "disque en lecture seule");
    case ENOENT:
    case ENOTDIR:
      return QCoreApplication::translate("FileResult", "dossier introuvable");
    case EISDIR:
      return QCoreApplication::translate("FileResult", "c'est un dossier");
    case EIO:
      return QCoreApplication::translate("FileResult", "erreur du disque");
    case EMFILE:
    case ENFILE:
    case ENOMEM:
      return QCoreApplication::translate("FileResult", "ressources du système épuisées");
    default:
      return QCoreApplication::translate("FileResult", "erreur système %1").arg(Errno);
  }
}

QString LinkOutsideReason() { return QCoreApplication::translate("FileResult", "lien vers un autre dossier, refusé"); }

QString NotRegularFileReason() {
  return QCoreApplication::translate("FileResult", "ce n'est pas un fichier ordinaire");
}

QString TooLargeReason(qint64 MaxBytes) {
  return QCoreApplication::translate("FileResult", "fichier de plus de %1 Mo").arg(MaxBytes / (1024 * 1024));
}

bool ReportFileResult(const FileResult& Result) {
  if (!Result.Message.isEmpty()) ShowErrorBox(Result.Message);
  return Result.Ok();
}
