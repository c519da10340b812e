// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's files live, decided once at start and asked by every
// part of the program: the read-only data (the background pictures of
// "images/", the help file "orvalis.chm") and the player's files (the settings
// file "sudoku.ini", the saved grids of "Sauvegarde/", the game in progress
// "reprise.txt").
//
// The rule:
// - The data are beside the program when its folder holds "images/" (the
//   build folder, a copy on a USB stick); else in the installed data folder
//   that the build names from the program's folder (games/../share/games/
//   orvalis), so that an installed tree can be moved as a whole; when neither
//   holds them, the program's folder is named all the same (what is missing
//   is then told where it is needed).
// - The player's files stay beside the program when the data are there too
//   and a file can really be created in that folder (the file system is asked,
//   not the modes: root may write anywhere, and a folder may be read-only for
//   everyone). Otherwise - an installed program, or a program whose folder
//   takes no file - they live in the user's data folder,
//   $XDG_DATA_HOME/orvalis (by default ~/.local/share/orvalis), created with
//   its "Sauvegarde" when missing. A relative XDG_DATA_HOME is ignored, and
//   without HOME the account's home folder is taken.
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

  // The user's folder of the player's files, $XDG_DATA_HOME/orvalis or
  // ~/.local/share/orvalis, as Init would take it (nothing is made); empty
  // when no home can be found.
  static QString UserDataFolder();

  // DataFolder()/images, DataFolder()/orvalis.chm, PlayerFolder()/sudoku.ini,
  // and PlayerFolder()/reprise.txt, the game in progress.
  static QString ImagesFolder();
  static QString HelpFile();
  // DataFolder()/translations, the compiled translations orvalis_<code>.qm.
  static QString TranslationsFolder();
  static QString SettingsFile();
  static QString ResumeFile();
};
