#include "filewrite.h"

#include <unistd.h>

#include <QFile>
#include <QSaveFile>

FileResult ReplaceFile(const QString& Path, const QByteArray& Bytes) {
  QSaveFile file(Path);
  if (!file.open(QIODevice::WriteOnly)) return WriteFailure(Path);
  // QSaveFile::commit() flushes the last buffered bytes while it closes and
  // does not look at the outcome: a write refused there (a full disk, a size
  // limit) would still replace the old file with a truncated one. So every
  // byte is flushed and synced here, and commit() only renames.
  const bool written = file.write(Bytes) == Bytes.size() && file.flush() &&
                       file.error() == QFileDevice::NoError && ::fsync(file.handle()) == 0;
  if (!written) {
    file.cancelWriting();  // the new file is removed, the old one untouched
    return WriteFailure(Path);
  }
  if (!file.commit()) return WriteFailure(Path);
  return {};
}
