// Where the program's files live, decided once at start and asked by every
// part of the program: the read-only data (the background pictures of
// "images/", the help file "orvalis.chm") and the player's files (the settings
// file "sudoku.ini", the saved grids of "Sauvegarde/"). Both are the program's
// own folder.
#pragma once

#include <QString>

class TAppFolders {
 public:
  // Decides the folders for a program that stands in ProgramFolder (by
  // default the folder of the running program). Later calls decide again.
  static void Init(const QString& ProgramFolder = QString());

  // The folder of the read-only data, and of the player's files.
  static QString DataFolder();
  static QString PlayerFolder();

  // DataFolder()/images, DataFolder()/orvalis.chm, PlayerFolder()/sudoku.ini.
  static QString ImagesFolder();
  static QString HelpFile();
  static QString SettingsFile();
};
