#include "dossiersauvegarde.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "appfolders.h"
#include "encodings.h"
#include "fichier.h"
#include "filewrite.h"

namespace {

const QString kExtension = QStringLiteral(".orv");

bool HasSavedGridExtension(const QString& fileName) {
  return fileName.size() >= kExtension.size() &&
         fileName.right(kExtension.size()).compare(kExtension, Qt::CaseInsensitive) == 0;
}

FileResult Failure(FileStatus status, const QString& message) { return {status, message}; }

FileResult CannotRead(const QString& path) {
  return Failure(FileStatus::ReadFailed,
                 QStringLiteral("Impossible de lire %1").arg(QDir::toNativeSeparators(path)));
}

// Something other than a plain file stands at the path (a folder, a pipe, a
// device): never read it nor write into it.
bool IsOtherThanFile(const QString& path) {
  const QFileInfo info(path);
  return info.exists() && !info.isFile();
}

}  // namespace

TDossierSauvegarde::TDossierSauvegarde(const QString& programFolder) {
  const QString base = programFolder.isEmpty() ? TAppFolders::PlayerFolder() : programFolder;
  folder_ = QDir(base).filePath(QStringLiteral("Sauvegarde"));
}

std::vector<SavedFileEntry> TDossierSauvegarde::ListFiles() const {
  std::vector<SavedFileEntry> entries;
  const QFileInfoList infos = QDir(folder_).entryInfoList(
      QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
  for (const QFileInfo& info : infos) {
    const QString fileName = info.fileName();
    if (!HasSavedGridExtension(fileName)) continue;
    entries.push_back({fileName.chopped(kExtension.size()), info.filePath()});
  }
  return entries;
}

QStringList TDossierSauvegarde::ListFileNames() const {
  QStringList names;
  for (const SavedFileEntry& entry : ListFiles()) names.append(entry.Name);
  return names;
}

QString TDossierSauvegarde::PathOf(const QString& name) const {
  if (name.contains(u'/') || name.contains(QChar(u'\0'))) return {};
  const QDir dir(folder_);
  QString exact = dir.filePath(name + kExtension);
  if (QFileInfo::exists(exact)) return exact;
  // "Grilles" is also the file "Grilles.ORV".
  for (const SavedFileEntry& entry : ListFiles())
    if (entry.Name == name) return entry.Path;
  return exact;
}

QString TDossierSauvegarde::CheckFileName(const QString& name) {
  if (name.trimmed().isEmpty())
    return QStringLiteral("Indiquez le nom du fichier dans lequel enregistrer la grille.");
  if (name.toUcs4().size() > MaxFileNameLength)
    return QStringLiteral("Le nom du fichier ne peut pas dépasser %1 caractères.")
        .arg(MaxFileNameLength);
  for (const QChar c : name)
    if (c.category() == QChar::Other_Control)
      return QStringLiteral("Le nom du fichier ne peut pas contenir de caractères de contrôle.");
  if (name.contains(u'/') || name.contains(u'\\'))
    return QStringLiteral("Le nom du fichier ne peut pas contenir « / » ni « \\ ».");
  if (name.contains(QStringLiteral("..")))
    return QStringLiteral("Le nom du fichier ne peut pas contenir « .. ».");
  if (name.startsWith(u'.'))
    return QStringLiteral("Le nom du fichier ne peut pas commencer par un point.");
  return {};
}

FileResult TDossierSauvegarde::SaveGrid(const QString& fileName, const QString& gridName,
                                        const QString& description, const QString& gridText,
                                        const QDate& date) const {
  const QString refusal = CheckFileName(fileName);
  if (!refusal.isEmpty()) return Failure(FileStatus::NameRefused, refusal);
  const QString path = PathOf(fileName);
  if (!QDir().mkpath(folder_) || IsOtherThanFile(path)) return WriteFailure(path);

  QByteArray bytes = ToWindows1252(MakeRecordLine(gridName, description, date, gridText));
  bytes.append("\r\n");

  // The file is written whole, as every rewrite is: a program killed while it
  // writes leaves the old file or the new one, never half a record.
  QByteArray content;
  if (QFileInfo::exists(path)) {
    QFile reader(path);
    if (!reader.open(QIODevice::ReadOnly)) return WriteFailure(path);
    content = reader.readAll();
    if (reader.error() != QFileDevice::NoError) return WriteFailure(path);
  }
  // A last line without its line end (a file edited by hand) must not take
  // the new record into it.
  if (!content.isEmpty() && !content.endsWith('\n') && !content.endsWith('\r')) content.append("\r\n");
  return ReplaceFile(path, content + bytes);
}

FileResult TDossierSauvegarde::DeleteRecord(const QString& path, int index) const {
  if (IsOtherThanFile(path)) return CannotRead(path);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return CannotRead(path);
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return CannotRead(path);
  file.close();

  const QList<QByteArray> lines = SplitRecordLines(bytes);
  if (index < 0 || index >= lines.size())
    return Failure(FileStatus::NoSuchRecord,
                   QStringLiteral("Cette grille n'est plus dans le fichier %1")
                       .arg(QDir::toNativeSeparators(path)));

  QByteArray kept;
  kept.reserve(bytes.size());
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (i == index) continue;
    kept += lines[i];
    kept += "\r\n";
  }
  return ReplaceFile(path, kept);
}
