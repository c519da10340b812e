// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileresult.h"

#include <errno.h>

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
  return {FileStatus::ReadFailed,
          WithReason(QStringLiteral("Impossible de lire %1").arg(QDir::toNativeSeparators(DisplayPath(Path))), Reason)};
}

QString ReasonOfError(int Errno) {
  switch (Errno) {
    case ENOSPC:
    case EDQUOT:
      return QStringLiteral("disque plein");
    case EFBIG:
      return QStringLiteral("fichier trop gros pour le disque");
    case ENAMETOOLONG:
      return QStringLiteral("nom trop long");
    case EACCES:
    case EPERM:
      return QStringLiteral("accès refusé");
    case EROFS:
      return QStringLiteral("disque en lecture seule");
    case ENOENT:
    case ENOTDIR:
      return QStringLiteral("dossier introuvable");
    case EISDIR:
      return QStringLiteral("c'est un dossier");
    case EIO:
      return QStringLiteral("erreur du disque");
    case EMFILE:
    case ENFILE:
    case ENOMEM:
      return QStringLiteral("ressources du système épuisées");
    default:
      return QStringLiteral("erreur système %1").arg(Errno);
  }
}

QString LinkOutsideReason() { return QStringLiteral("lien vers un autre dossier, refusé"); }

QString NotRegularFileReason() { return QStringLiteral("ce n'est pas un fichier ordinaire"); }

QString TooLargeReason(qint64 MaxBytes) {
  return QStringLiteral("fichier de plus de %1 Mo").arg(MaxBytes / (1024 * 1024));
}

bool ReportFileResult(const FileResult& Result) {
  if (!Result.Message.isEmpty()) ShowErrorBox(Result.Message);
  return Result.Ok();
}
