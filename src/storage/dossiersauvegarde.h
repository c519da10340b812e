// SPDX-License-Identifier: GPL-3.0-or-later
// The folder "Sauvegarde" of the player's files and what the save and load dialogs
// do with its files: list them, append a grid, delete a grid. Every operation
// returns a FileResult; nothing here shows a box or throws.
#pragma once

#include <vector>

#include <QDate>
#include <QString>
#include <QStringList>

#include "fichier.h"
#include "fileresult.h"

// A saved-grid file as the dialogs list it: the name shown (the file name
// without ".orv", whatever the case of the extension) and the file's path.
// A name whose bytes are not UTF-8 is shown with "�" in their place, and its
// path keeps the bytes (see FromLocalPath), so that the file opens.
struct SavedFileEntry {
  QString Name;
  QString Path;
};

class TDossierSauvegarde {
 public:
  static constexpr int MaxFileNameLength = 100;

  // The folder "Sauvegarde" inside programFolder; an empty programFolder means
  // the folder of the player's files (TAppFolders::PlayerFolder()).
  explicit TDossierSauvegarde(const QString& programFolder = QString());

  const QString& Folder() const { return folder_; }

  // The files whose extension is ".orv" in any case, by name without regard to
  // case. Directories and special files are left out; a folder that cannot be
  // listed gives an empty list.
  std::vector<SavedFileEntry> ListFiles() const;
  QStringList ListFileNames() const;

  // The path of the file the player calls `name`: the existing file of that name
  // with the extension ".orv" in any case, else folder/name.orv. Empty when the
  // name cannot stand for a file of the folder (it holds "/" or a NUL).
  QString PathOf(const QString& name) const;

  // Why a file name typed by the player is refused, in French; empty when it is
  // accepted. Refused: an empty name, more than 100 characters, control
  // characters, "/" or "\", "..", a leading dot.
  static QString CheckFileName(const QString& name);

  // Appends the grid as a record at the end of the file `fileName` (a typed
  // name), creating the folder and the file when they are missing. The date is
  // the day of saving. Under the file's lock, to the file as it stands on
  // disk; a file that would pass 16 Mo, a link out of the folder or anything
  // but a regular file is refused. On failure the file keeps its previous
  // content.
  FileResult SaveGrid(const QString& fileName, const QString& gridName, const QString& description,
                      const QString& gridText, const QDate& date = QDate::currentDate()) const;

  // Removes the grid from the file at the path: under the file's lock, in the
  // file as it stands on disk, the line of the grid's place (`index`, its rank
  // among the file's grids when they were listed) when its record is this one
  // (name, description, date and content), else the first line whose record
  // is this one, whatever another window did to the file since it was listed.
  // NoSuchRecord ("Cette grille n'est plus dans le fichier <path>") when it is
  // not there any more. Exactly that line and its line end go: every other
  // byte of the file stays as it was. The new file replaces the old one only
  // once it is complete; the file stays, empty, when its last grid goes.
  FileResult DeleteRecord(const QString& path, const SavedGrid& grid, qsizetype index = -1) const;

 private:
  QString folder_;
};
