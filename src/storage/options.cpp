// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include <array>
#include <utility>
#include <variant>

#include "inifile.h"

namespace {

// How a setting's value is stored in the file.
enum class Form {
  Flag,          // "1" or "0"; any number but 0 reads as true
  Colour,        // a signed 32-bit decimal, as it has always been
  SecondChoice,  // "1" (false) or "2" (true); only the lowest byte is read, 1 the first choice
  Text,          // the text as it is
};

using Member = std::variant<bool TOptions::*, std::uint32_t TOptions::*, QString TOptions::*>;

struct Setting {
  const char* Section;
  const char* Key;
  Member Field;
  Form Stored;
  // The value of an absent key, in its stored form; also what a value that is
  // not a number reads as.
  const char* Default;
};

constexpr std::array<Setting, 15> Settings{{
    {"general", "AffichageChrono", &TOptions::AffichageChrono, Form::Flag, "1"},
    {"general", "MauvaisEmplacementJeu", &TOptions::MauvaisEmplacementJeu, Form::Flag, "1"},
    {"general", "ErreurJeu", &TOptions::ErreurJeu, Form::Flag, "0"},
    {"general", "DecaleAuto", &TOptions::DecaleAuto, Form::Flag, "1"},
    {"general", "MauvaisEmplacementProbleme", &TOptions::MauvaisEmplacementProbleme, Form::Flag, "1"},
    {"general", "CouleurEmplacement", &TOptions::CouleurEmplacement, Form::Colour, "8388736"},  // purple
    {"general", "CouleurErreur", &TOptions::CouleurErreur, Form::Colour, "255"},                // red
    {"general", "typebrique", &TOptions::UseLetters, Form::SecondChoice, "1"},                  // digits
    {"general", "typeecran", &TOptions::Windowed, Form::SecondChoice, "2"},                     // a window
    {"general", "FondEcran", &TOptions::FondEcran, Form::Text, "fond.jpg"},
    {"general", "SurligneChiffres", &TOptions::SurligneChiffres, Form::Flag, "0"},
    {"general", "EffaceNotes", &TOptions::EffaceNotes, Form::Flag, "0"},
    {"general", "IndicesAvances", &TOptions::IndicesAvances, Form::Flag, "1"},
    {"general", "ProposerSauvegarde", &TOptions::ProposerSauvegarde, Form::Flag, "1"},
    {"general", "ReprendrePartie", &TOptions::ReprendrePartie, Form::Flag, "1"},
}};

// The key the first-start question reads and writes on its own.
constexpr std::size_t ScreenMode = 8;
static_assert(std::get<bool TOptions::*>(Settings[ScreenMode].Field) == &TOptions::Windowed);

QString Section(const Setting& S) { return QString::fromLatin1(S.Section); }
QString Key(const Setting& S) { return QString::fromLatin1(S.Key); }

// The setting read from the file, or its default when there is no file.
void ReadSetting(TOptions& Options, const Setting& S, const TIniFile* Ini) {
  const QString fallback = QString::fromLatin1(S.Default);
  const auto number = [&] {
    const std::int32_t value = fallback.toInt();
    return Ini != nullptr ? Ini->ReadInteger(Section(S), Key(S), value) : value;
  };
  switch (S.Stored) {
    case Form::Flag:
      Options.*std::get<bool TOptions::*>(S.Field) = number() != 0;
      break;
    case Form::SecondChoice:
      Options.*std::get<bool TOptions::*>(S.Field) = (static_cast<std::uint32_t>(number()) & 0xFFu) != 1;
      break;
    case Form::Colour:
      Options.*std::get<std::uint32_t TOptions::*>(S.Field) = static_cast<std::uint32_t>(number());
      break;
    case Form::Text:
      Options.*std::get<QString TOptions::*>(S.Field) =
          Ini != nullptr ? Ini->ReadString(Section(S), Key(S), fallback) : fallback;
      break;
  }
}

// The text the setting's value is stored as.
QString StoredText(const TOptions& Options, const Setting& S) {
  switch (S.Stored) {
    case Form::Flag:
      return Options.*std::get<bool TOptions::*>(S.Field) ? QStringLiteral("1") : QStringLiteral("0");
    case Form::SecondChoice:
      return Options.*std::get<bool TOptions::*>(S.Field) ? QStringLiteral("2") : QStringLiteral("1");
    case Form::Colour:
      return QString::number(static_cast<std::int32_t>(Options.*std::get<std::uint32_t TOptions::*>(S.Field)));
    case Form::Text:
      return Options.*std::get<QString TOptions::*>(S.Field);
  }
  return {};
}

// The background picture is a file of "images/": a name with a path in it
// (which could reach a pipe or a device anywhere) is the first picture.
QString BackgroundName(const QString& name) {
  QString fallback = QStringLiteral("fond.jpg");
  if (name.contains(u'/') || name.contains(u'\\') || name == QStringLiteral(".") || name == QStringLiteral(".."))
    return fallback;
  return name;
}

}  // namespace

TOptions::TOptions(QString fileName) : FileName(std::move(fileName)) {
  for (const Setting& setting : Settings) {
    ReadSetting(*this, setting, nullptr);
    Stored_.push_back(StoredText(*this, setting));
  }
}

void TOptions::Load() {
  TIniFile ini(FileName);
  ini.Load();  // a file that cannot be read holds nothing: every default
  Load(ini);
}

void TOptions::Load(const TIniFile& ini) {
  for (std::size_t k = 0; k < Settings.size(); ++k) {
    ReadSetting(*this, Settings[k], &ini);
    Stored_[k] = StoredText(*this, Settings[k]);
  }
  FondEcran = BackgroundName(FondEcran);
}

FileResult TOptions::Save() {
  std::vector<QString> now;
  now.reserve(Settings.size());
  for (const Setting& setting : Settings) now.push_back(StoredText(*this, setting));
  if (now == Stored_) return {};
  // Saving merges the keys written here into the file as it stands on disk,
  // under its lock (TIniFile::Save): a change made meanwhile by another
  // window of the game is kept.
  TIniFile ini(FileName);
  for (std::size_t k = 0; k < Settings.size(); ++k)
    if (now[k] != Stored_[k]) ini.WriteString(Section(Settings[k]), Key(Settings[k]), now[k]);
  FileResult result = ini.Save();
  if (result.Ok()) Stored_ = std::move(now);
  return result;
}

std::int32_t TOptions::ReadScreenModeAnswer() const {
  TIniFile ini(FileName);
  if (!ini.Load().Ok()) return 0;
  return ReadScreenModeAnswer(ini);
}

std::int32_t TOptions::ReadScreenModeAnswer(const TIniFile& ini) {
  const Setting& screen = Settings[ScreenMode];
  return ini.ReadInteger(Section(screen), Key(screen), 0);
}

FileResult TOptions::SaveScreenMode(bool windowed) {
  Windowed = windowed;
  TIniFile ini(FileName);
  const Setting& screen = Settings[ScreenMode];
  const QString text = StoredText(*this, screen);
  ini.WriteString(Section(screen), Key(screen), text);
  FileResult result = ini.Save();
  if (result.Ok()) Stored_[ScreenMode] = text;
  return result;
}
