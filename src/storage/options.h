// SPDX-License-Identifier: GPL-3.0-or-later
// The player's settings, kept in the section "general" of "sudoku.ini". Every
// setting is declared once, in the table of options.cpp: its section, key,
// member, stored form and default drive reading, writing and the defaults,
// and its page, caption, tooltip and explanation build the options screen
// (a boolean setting's check box comes from its row alone).
#pragma once

#include <cstdint>
#include <span>
#include <variant>
#include <vector>

#include <QString>
#include <QStringList>

#include "fileresult.h"

class TIniFile;

class TOptions {
 public:
  // How a setting's value is stored in the file.
  enum class TForm : std::uint8_t {
    Flag,          // "1" or "0"; any number but 0 reads as true
    Colour,        // a signed 32-bit decimal, as it has always been
    SecondChoice,  // "1" (false) or "2" (true); only the lowest byte is read, 1 the first choice
    Text,          // the text as it is
    Choice,        // the number of one of the row's choices, from 0; any other number reads as the default
    Code,          // the code of one of the row's choices (Codes); any other text reads as the default
  };
  // The page of the options screen a setting shows on.
  enum class TPage : std::uint8_t { Jeu, Probleme, Logiciel };
  using TMember = std::variant<bool TOptions::*, std::uint32_t TOptions::*, QString TOptions::*>;

  // One row of the table of settings.
  struct TSetting {
    const char* Section;
    const char* Key;
    TMember Field;
    TForm Stored;
    // The value of an absent key, in its stored form; also what a value that
    // is not a number reads as.
    const char* Default;
    TPage Page;
    // The caption on the options screen (UTF-8, French, translated where
    // shown), and for a flag the name of its check box, its tooltip and the
    // explanation under it ("" for none).
    const char* Label;
    const char* Control = "";
    const char* Tooltip = "";
    const char* Note = "";
    // A flag's check box stands apart from the row above it.
    bool Apart = false;
    // A choice's captions (UTF-8), in the order of their numbers, each
    // ended by '|'.
    const char* Choices = "";
    // A choice stored by code: the codes of its captions, in their order,
    // each ended by '|'. Codes stay readable when choices are added.
    const char* Codes = "";

    // The member of a flag (a check box), or nullptr.
    bool TOptions::*Flag() const { return Stored == TForm::Flag ? std::get<bool TOptions::*>(Field) : nullptr; }
    // The member of a choice, or nullptr.
    std::uint32_t TOptions::*Choice() const {
      return Stored == TForm::Choice || Stored == TForm::Code ? std::get<std::uint32_t TOptions::*>(Field) : nullptr;
    }
    // A choice's captions, as the player reads them, and the codes of a
    // choice stored by code.
    QStringList ChoiceCaptions() const;
    QStringList ChoiceCodes() const;
    // How many choices the row has.
    qsizetype ChoiceCount() const;
  };
  // A caption, tooltip or explanation of the table as the player reads it.
  static QString Shown(const char* Text);
  // Every setting, in the order they are read and written.
  static std::span<const TSetting> Settings();
  // The row of a setting by its member; nullptr for a member not in the table.
  static const TSetting* SettingOf(const TMember& Field);

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
  // How digits are entered ("Saisie"): SaisieCaseChiffre, a cell then a
  // digit, or SaisieChiffreCase, a digit chosen once then cells.
  static constexpr std::uint32_t SaisieCaseChiffre = 0;
  static constexpr std::uint32_t SaisieChiffreCase = 1;
  std::uint32_t Saisie;
  // The look of the screens ("Apparence"): the desktop's light or dark
  // preference, light, or dark.
  enum TApparence : std::uint32_t { ApparenceAuto = 0, ApparenceClair = 1, ApparenceSombre = 2 };
  std::uint32_t Apparence;
  // Digits, marks and signals in colours that read for every eye
  // ("ContrasteEleve"), errors marked by a shape too.
  bool ContrasteEleve;
  // The language of the interface ("Langue", stored as "auto", "fr" or "en"):
  // the desktop's, French or English, read once at start.
  enum TLangue : std::uint32_t { LangueAuto = 0, LangueFrancais = 1, LangueEnglish = 2 };
  std::uint32_t Langue;
  // The code of the language chosen ("fr", "en"), empty to follow the desktop.
  QString LangueCode() const;

 private:
  // Each setting's stored text as last read or written, in the table's order.
  std::vector<QString> Stored_;
};
