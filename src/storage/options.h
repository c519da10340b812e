// The player's settings, kept in the section "general" of "sudoku.ini".
#pragma once

#include <cstdint>

#include <QString>

#include "fileresult.h"

class TOptions {
 public:
  // Stores the path of the settings file; reads nothing.
  explicit TOptions(QString fileName);

  // Reads every setting from the file, each with its default when the file,
  // the section or the key is missing or the value is not a number.
  void Load();

  // Writes every setting, replacing the file as a whole and keeping what else it
  // holds. When the file cannot be read or written the result is WriteFailed
  // with "Impossible d'écrire dans <path>", the file keeps its previous content
  // and the caller stops there (ReportFileResult shows the message).
  FileResult Save();

  // The raw "typeecran" key of the file as the first-start question reads it:
  // 0 when the file, the key or a number is missing (the player was never asked).
  std::int32_t ReadScreenModeAnswer() const;

  // The player's answer to the first-start question: sets Windowed and writes
  // the one key "typeecran" (2 for a window, 1 for full screen) into the file as
  // it stands, atomically, with the same result as Save.
  FileResult SaveScreenMode(bool windowed);

  QString FileName;
  bool AffichageChrono = true;
  bool MauvaisEmplacementJeu = true;
  bool ErreurJeu = false;
  bool DecaleAuto = true;
  bool MauvaisEmplacementProbleme = true;
  std::uint32_t CouleurEmplacement = 8388736;  // 0x800080, purple (0x00BBGGRR)
  std::uint32_t CouleurErreur = 255;           // red
  bool UseLetters = false;
  bool Windowed = true;
  QString FondEcran = QStringLiteral("fond.jpg");
  // Comforts the player turns on: the digit of the selected cell stands out
  // everywhere ("SurligneChiffres"), a placed digit leaves the pencil marks
  // of its row, column and block ("EffaceNotes"), and leaving an unsaved game
  // offers to save it ("ProposerSauvegarde", the only one on at first).
  bool SurligneChiffres = false;
  bool EffaceNotes = false;
  bool ProposerSauvegarde = true;
  // The game in progress is kept at every move and offered again by the menu
  // ("ReprendrePartie"); leaving a game then asks nothing, nothing is lost.
  bool ReprendrePartie = true;
};
