#include "options.h"

#include <utility>

#include "inifile.h"

namespace {

const QString kSection = QStringLiteral("general");
const QString kScreenKey = QStringLiteral("typeecran");

bool ReadBoolean(const TIniFile& ini, const QString& key, bool fallback) {
  return ini.ReadInteger(kSection, key, fallback ? 1 : 0) != 0;
}

// "typebrique" and "typeecran": only the lowest byte counts, and 1 is the first
// choice (digits, full screen); absent or not a number reads as `fallback`.
bool ReadSecondChoice(const TIniFile& ini, const QString& key, std::int32_t fallback) {
  const auto value = static_cast<std::uint32_t>(ini.ReadInteger(kSection, key, fallback));
  return (value & 0xFFu) != 1;
}

void WriteBoolean(TIniFile& ini, const QString& key, bool value) {
  ini.WriteInteger(kSection, key, value ? 1 : 0);
}

// A colour is stored as a signed 32-bit decimal, as it has always been.
std::uint32_t ReadColour(const TIniFile& ini, const QString& key, std::uint32_t fallback) {
  return static_cast<std::uint32_t>(
      ini.ReadInteger(kSection, key, static_cast<std::int32_t>(fallback)));
}

}  // namespace

TOptions::TOptions(QString fileName) : FileName(std::move(fileName)) {}

void TOptions::Load() {
  TIniFile ini(FileName);
  ini.Load();  // a file that cannot be read holds nothing: every default below
  AffichageChrono = ReadBoolean(ini, QStringLiteral("AffichageChrono"), true);
  MauvaisEmplacementJeu = ReadBoolean(ini, QStringLiteral("MauvaisEmplacementJeu"), true);
  ErreurJeu = ReadBoolean(ini, QStringLiteral("ErreurJeu"), false);
  DecaleAuto = ReadBoolean(ini, QStringLiteral("DecaleAuto"), true);
  MauvaisEmplacementProbleme =
      ReadBoolean(ini, QStringLiteral("MauvaisEmplacementProbleme"), true);
  CouleurEmplacement = ReadColour(ini, QStringLiteral("CouleurEmplacement"), 8388736);
  CouleurErreur = ReadColour(ini, QStringLiteral("CouleurErreur"), 255);
  UseLetters = ReadSecondChoice(ini, QStringLiteral("typebrique"), 1);
  Windowed = ReadSecondChoice(ini, kScreenKey, 2);
  FondEcran = ini.ReadString(kSection, QStringLiteral("FondEcran"), QStringLiteral("fond.jpg"));
  SurligneChiffres = ReadBoolean(ini, QStringLiteral("SurligneChiffres"), false);
  EffaceNotes = ReadBoolean(ini, QStringLiteral("EffaceNotes"), false);
  ProposerSauvegarde = ReadBoolean(ini, QStringLiteral("ProposerSauvegarde"), true);
  ReprendrePartie = ReadBoolean(ini, QStringLiteral("ReprendrePartie"), true);
}

FileResult TOptions::Save() {
  TIniFile ini(FileName);
  // What the file holds could not be read: writing now would lose it.
  if (!ini.Load()) return WriteFailure(FileName);
  WriteBoolean(ini, QStringLiteral("AffichageChrono"), AffichageChrono);
  WriteBoolean(ini, QStringLiteral("MauvaisEmplacementJeu"), MauvaisEmplacementJeu);
  WriteBoolean(ini, QStringLiteral("ErreurJeu"), ErreurJeu);
  WriteBoolean(ini, QStringLiteral("DecaleAuto"), DecaleAuto);
  WriteBoolean(ini, QStringLiteral("MauvaisEmplacementProbleme"), MauvaisEmplacementProbleme);
  ini.WriteInteger(kSection, QStringLiteral("CouleurEmplacement"),
                   static_cast<std::int32_t>(CouleurEmplacement));
  ini.WriteInteger(kSection, QStringLiteral("CouleurErreur"),
                   static_cast<std::int32_t>(CouleurErreur));
  ini.WriteInteger(kSection, QStringLiteral("typebrique"), UseLetters ? 2 : 1);
  ini.WriteInteger(kSection, kScreenKey, Windowed ? 2 : 1);
  ini.WriteString(kSection, QStringLiteral("FondEcran"), FondEcran);
  WriteBoolean(ini, QStringLiteral("SurligneChiffres"), SurligneChiffres);
  WriteBoolean(ini, QStringLiteral("EffaceNotes"), EffaceNotes);
  WriteBoolean(ini, QStringLiteral("ProposerSauvegarde"), ProposerSauvegarde);
  WriteBoolean(ini, QStringLiteral("ReprendrePartie"), ReprendrePartie);
  return ini.Save();
}

std::int32_t TOptions::ReadScreenModeAnswer() const {
  TIniFile ini(FileName);
  if (!ini.Load()) return 0;
  return ini.ReadInteger(kSection, kScreenKey, 0);
}

FileResult TOptions::SaveScreenMode(bool windowed) {
  Windowed = windowed;
  TIniFile ini(FileName);
  if (!ini.Load()) return WriteFailure(FileName);
  ini.WriteInteger(kSection, kScreenKey, windowed ? 2 : 1);
  return ini.Save();
}
