// SPDX-License-Identifier: GPL-3.0-or-later
#include "dossiersauvegarde.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include <QCoreApplication>
#include <QDir>

#include "appfolders.h"
#include "encodings.h"
#include "fichier.h"
#include "filelock.h"
#include "fileread.h"
#include "filewrite.h"

namespace {

const QString kExtension = QStringLiteral(".orv");

bool HasSavedGridExtension(const QString& fileName) {
  return fileName.size() >= kExtension.size() &&
         fileName.right(kExtension.size()).compare(kExtension, Qt::CaseInsensitive) == 0;
}

FileResult Failure(FileStatus status, const QString& message) { return {status, message}; }

bool ExistsAt(const QString& path) {
  struct stat info {};
  return ::lstat(ToLocalPath(path).constData(), &info) == 0;
}

}  // namespace

TDossierSauvegarde::TDossierSauvegarde(const QString& programFolder) {
  const QString base = programFolder.isEmpty() ? TAppFolders::PlayerFolder() : programFolder;
  folder_ = QDir(base).filePath(QStringLiteral("Sauvegarde"));
}

std::vector<SavedFileEntry> TDossierSauvegarde::ListFiles() const {
  std::vector<SavedFileEntry> entries;
  // The system's own listing: Qt's would turn a name that is not UTF-8 into
  // one that opens nothing.
  const QByteArray folder = ToLocalPath(folder_);
  DIR* dir = ::opendir(folder.constData());
  if (dir == nullptr) return entries;
  while (const dirent* entry = ::readdir(dir)) {
    const QString fileName = FromLocalPath(entry->d_name);
    if (!HasSavedGridExtension(fileName)) continue;
    // Files, and links that lead to a file (reading tells about those that
    // lead out of the folder); no folder, pipe or device.
    struct stat info {};
    if (::fstatat(::dirfd(dir), entry->d_name, &info, 0) != 0 || !S_ISREG(info.st_mode)) continue;
    entries.push_back({DisplayPath(fileName.chopped(kExtension.size())), folder_ + u'/' + fileName});
  }
  ::closedir(dir);
  std::sort(entries.begin(), entries.end(), [](const SavedFileEntry& a, const SavedFileEntry& b) {
    return a.Name.compare(b.Name, Qt::CaseInsensitive) < 0;
  });
  return entries;
}

QStringList TDossierSauvegarde::ListFileNames() const {
  QStringList names;
  for (const SavedFileEntry& entry : ListFiles()) names.append(entry.Name);
  return names;
}

QString TDossierSauvegarde::PathOf(const QString& name) const {
  if (name.contains(u'/') || name.contains(QChar(u'\0'))) return {};
  QString exact = folder_ + u'/' + name + kExtension;
  if (ExistsAt(exact)) return exact;
  // "Grilles" is also the file "Grilles.ORV".
  for (const SavedFileEntry& entry : ListFiles())
    if (entry.Name == name) return entry.Path;
  return exact;
}

QString TDossierSauvegarde::CheckFileName(const QString& name) {
  if (name.trimmed().isEmpty())
    return QCoreApplication::translate("TDossierSauvegarde",
                                       "Indiquez le nom du fichier dans lequel enregistrer la grille.");
  if (name.toUcs4().size() > MaxFileNameLength)
    return QCoreApplication::translate("TDossierSauvegarde", "Le nom du fichier ne peut pas dépasser %1 caractères.")
        .arg(MaxFileNameLength);
  for (const QChar c : name)
    if (c.category() == QChar::Other_Control)
      return QCoreApplication::translate("TDossierSauvegarde",
                                         "Le nom du fichier ne peut pas contenir de caractères de contrôle.");
  if (name.contains(u'/') || name.contains(u'\\'))
    return QCoreApplication::translate("TDossierSauvegarde",
                                       "Le nom du fichier ne peut pas contenir «\u00A0/\u00A0» ni «\u00A0\\\u00A0».");
  if (name.contains(QStringLiteral("..")))
    return QCoreApplication::translate("TDossierSauvegarde",
                                       "Le nom du fichier ne peut pas contenir «\u00A0..\u00A0».");
  if (name.startsWith(u'.'))
    return QCoreApplication::translate("TDossierSauvegarde", "Le nom du fichier ne peut pas commencer par un point.");
  return {};
}

FileResult TDossierSauvegarde::SaveGrid(const QString& fileName, const QString& gridName, const QString& description,
                                        const QString& gridText, const QDate& date) const {
  const QString refusal = CheckFileName(fileName);
  if (!refusal.isEmpty()) return Failure(FileStatus::NameRefused, refusal);
  const QString path = PathOf(fileName);
  if (!QDir().mkpath(folder_))
    return WriteFailure(path, QCoreApplication::translate("TDossierSauvegarde", "dossier impossible à créer"));

  QByteArray bytes = ToWindows1252(MakeRecordLine(gridName, description, date, gridText));
  bytes.append("\r\n");

  TFileLock lock(path);
  if (FileResult locked = lock.Acquire(); !locked.Ok()) return locked;
  // The file as it is now (another window may have added to it), written
  // whole, as every rewrite is: a program killed while it writes leaves the
  // old file or the new one, never half a record.
  FileContent content = ReadPlayerFile(path, MaxSavedGridFileBytes);
  if (!content.Result.Ok()) return WriteFailure(path, content.Reason);
  // A last line without its line end (a file edited by hand) must not take
  // the new record into it.
  QByteArray& kept = content.Bytes;
  if (!kept.isEmpty() && !kept.endsWith('\n') && !kept.endsWith('\r')) kept.append("\r\n");
  if (kept.size() + bytes.size() > MaxSavedGridFileBytes)
    return WriteFailure(path, TooLargeReason(MaxSavedGridFileBytes));
  return ReplaceFile(path, kept + bytes);
}

FileResult TDossierSauvegarde::DeleteRecord(const QString& path, const SavedGrid& grid, qsizetype index) const {
  TFileLock lock(path);
  if (FileResult locked = lock.Acquire(); !locked.Ok()) return locked;
  const FileContent content = ReadPlayerFile(path, MaxSavedGridFileBytes);
  if (!content.Result.Ok()) return content.Result;

  // The bytes of the line to remove, its line end included.
  const QByteArray& bytes = content.Bytes;
  struct Span {
    qsizetype Begin = -1;
    qsizetype End = -1;
  };
  Span first, atIndex;
  qsizetype rank = 0;
  ForEachRecordLine(bytes, [&](QByteArrayView line) {
    if (line.isEmpty()) return;
    const qsizetype here = rank++;
    if (first.Begin >= 0 && here != index) return;
    if (!(ParseRecord(FromWindows1252(line)) == grid)) return;
    const qsizetype begin = line.data() - bytes.constData();
    qsizetype end = begin + line.size();
    if (end < bytes.size()) end += bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1;
    if (first.Begin < 0) first = {begin, end};
    if (here == index) atIndex = {begin, end};
  });
  const Span gone = atIndex.Begin >= 0 ? atIndex : first;
  if (gone.Begin < 0)
    return Failure(FileStatus::NoSuchRecord,
                   QCoreApplication::translate("TDossierSauvegarde", "Cette grille n'est plus dans le fichier %1")
                       .arg(QDir::toNativeSeparators(DisplayPath(path))));
  return ReplaceFile(path, bytes.left(gone.Begin) + bytes.mid(gone.End));
}
