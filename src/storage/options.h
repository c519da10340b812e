// SPDX-License-Identifier: GPL-3.0-or-later
// The player's settings, kept in the section "general" of "sudoku.ini". Every
// setting is declared once, in the table of options.cpp: its section, key,
// member, stored form and default drive reading, writing and the defaults.
#pragma once

#include <cstdint>
#include <vector>

#include <QString>

#include "fileresult.h"

class TIniFile;

class TOptions {
 public:
  // Stores the path of the settings file and gives every setting its
  // default; reads nothing.
  explicit TOptions(QString fileName);

  // Reads every setting from the file, each with its default when the file,
  // the section or the key is missing or the value is not a number.
  void Load();
  // The same from the settings file already read (the main window reads it
  // once at start for the settings, the scores and the first-start answer).
  void Load(const TIniFile& ini);

  // Writes the settings whose value changed since they were read (or last
  // written) into the file as it stands on disk, under its lock, keeping what
  // else it holds (another window's changes included); nothing changed writes
  // nothing. When the file cannot be read or written the result is
  // WriteFailed with "Impossible d'écrire dans <path>", the file keeps its
  // previous content and the caller stops there (ReportFileResult shows the
  // message).
  FileResult Save();

  // The raw "typeecran" key of the file as the first-start question reads it:
  // 0 when the file, the key or a number is missing (the player was never asked).
  std::int32_t ReadScreenModeAnswer() const;
  static std::int32_t ReadScreenModeAnswer(const TIniFile& ini);

  // The player's answer to the first-start question: sets Windowed and writes
  // the one key "typeecran" (2 for a window, 1 for full screen) into the file as
  // it stands, atomically, with the same result as Save.
  FileResult SaveScreenMode(bool windowed);

  QString FileName;
  bool AffichageChrono;
  bool MauvaisEmplacementJeu;
  bool ErreurJeu;
  bool DecaleAuto;
  bool MauvaisEmplacementProbleme;
  std::uint32_t CouleurEmplacement;  // 0x00BBGGRR
  std::uint32_t CouleurErreur;
  bool UseLetters;
  bool Windowed;
  QString FondEcran;
  // Comforts the player turns on: the digit of the selected cell stands out
  // everywhere ("SurligneChiffres"), a placed digit leaves the pencil marks
  // of its row, column and block ("EffaceNotes"), and leaving an unsaved game
  // offers to save it ("ProposerSauvegarde", the only one on at first).
  bool SurligneChiffres;
  bool EffaceNotes;
  // The hint explains the next step with X-Wing, chains... before it falls
  // back on trying ("IndicesAvances", on at first).
  bool IndicesAvances;
  bool ProposerSauvegarde;
  // The game in progress is kept at every move and offered again by the menu
  // ("ReprendrePartie"); leaving a game then asks nothing, nothing is lost.
  bool ReprendrePartie;

 private:
  // Each setting's stored text as last read or written, in the table's order.
  std::vector<QString> Stored_;
};
