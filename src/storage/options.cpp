// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include <array>
#include <utility>

#include <QByteArrayView>
#include <QCoreApplication>
#include <QtGlobal>

#include "inifile.h"

namespace {

using Form = TOptions::TForm;
using Page = TOptions::TPage;
using Setting = TOptions::TSetting;

// Every setting of the section "general": where and how the file keeps it,
// its default, and how the options screen shows it. A boolean setting is one
// row of Form::Flag with its page, caption and check box name: the screen
// builds its check box from the row, reads and writes it. The fields, in
// order: section, key, member, stored form, default, page, caption; for a
// flag also its check box's name, tooltip, explanation and whether it stands
// apart from the row above.
constexpr std::array<Setting, 19> Table{{
    {"general", "AffichageChrono", &TOptions::AffichageChrono, Form::Flag, "1", Page::Jeu,
     QT_TRANSLATE_NOOP("TOptions", "Afficher le chronomètre"), "cc_chronometre"},
    {"general", "MauvaisEmplacementJeu", &TOptions::MauvaisEmplacementJeu, Form::Flag, "1", Page::Jeu,
     QT_TRANSLATE_NOOP("TOptions", "Signaler un mauvais emplacement"), "cc_mauvaisemplacement", "",
     QT_TRANSLATE_NOOP(
         "TOptions",
         "Signale en changeant la couleur de la case que vous avez placé un chiffre à un endroit qui n'est pas "
         "autorisé par les règles du Sudoku"),
     true},
    {"general", "ErreurJeu", &TOptions::ErreurJeu, Form::Flag, "0", Page::Jeu,
     QT_TRANSLATE_NOOP("TOptions", "Signaler une erreur de raisonnement"), "cc_erreur", "",
     QT_TRANSLATE_NOOP(
         "TOptions",
         "Signale en changeant la couleur de la case que le chiffre n'est pas celui que l'on trouve dans la solution "
         "de ce puzzle"),
     true},
    {"general", "DecaleAuto", &TOptions::DecaleAuto, Form::Flag, "1", Page::Probleme,
     QT_TRANSLATE_NOOP("TOptions", "Passer à la case suivante après la saisie d'un chiffre"), "cc_decalage"},
    {"general", "MauvaisEmplacementProbleme", &TOptions::MauvaisEmplacementProbleme, Form::Flag, "1", Page::Probleme,
     QT_TRANSLATE_NOOP("TOptions", "Signaler un mauvais emplacement"), "cc_erreurprobleme"},
    {"general", "CouleurEmplacement", &TOptions::CouleurEmplacement, Form::Colour, "8388736", Page::Jeu,  // purple
     QT_TRANSLATE_NOOP("TOptions", "Couleur mauvais emplacement")},
    {"general", "CouleurErreur", &TOptions::CouleurErreur, Form::Colour, "255", Page::Jeu,  // red
     QT_TRANSLATE_NOOP("TOptions", "Couleur erreur de raisonnement")},
    {"general", "typebrique", &TOptions::UseLetters, Form::SecondChoice, "1", Page::Jeu,  // digits
     QT_TRANSLATE_NOOP("TOptions", "Type des briques:")},
    {"general", "typeecran", &TOptions::Windowed, Form::SecondChoice, "2", Page::Logiciel,  // a window
     QT_TRANSLATE_NOOP("TOptions", "Taille de l'ecran de jeu:")},
    {"general", "FondEcran", &TOptions::FondEcran, Form::Text, "fond.jpg", Page::Logiciel,
     QT_TRANSLATE_NOOP("TOptions", "Fond d'écran:")},
    {"general", "SurligneChiffres", &TOptions::SurligneChiffres, Form::Flag, "0", Page::Jeu,
     QT_TRANSLATE_NOOP("TOptions", "Surligner les chiffres identiques"), "cc_surligne",
     QT_TRANSLATE_NOOP(
         "TOptions",
         "Met en valeur les cases et les notes du chiffre de la case choisie, et teinte sa ligne, sa colonne et son "
         "bloc"),
     "", true},
    {"general", "EffaceNotes", &TOptions::EffaceNotes, Form::Flag, "0", Page::Jeu,
     QT_TRANSLATE_NOOP("TOptions", "Effacer les notes devenues impossibles"), "cc_effacenotes",
     QT_TRANSLATE_NOOP(
         "TOptions",
         "Un chiffre placé efface ce chiffre des notes de sa ligne, de sa colonne et de son bloc ; « Annuler "
         "la saisie » les remet")},
    {"general", "IndicesAvances", &TOptions::IndicesAvances, Form::Flag, "1", Page::Jeu,
     QT_TRANSLATE_NOOP("TOptions", "Indices avancés (X-Wing, chaînes...)"), "cc_indicesavances",
     QT_TRANSLATE_NOOP(
         "TOptions",
         "Quand les techniques simples ne suffisent plus, l'indice explique l'étape suivante par un X-Wing, un "
         "XY-Wing, un coloriage ou une chaîne plutôt que de proposer des essais")},
    {"general", "ProposerSauvegarde", &TOptions::ProposerSauvegarde, Form::Flag, "1", Page::Logiciel,
     QT_TRANSLATE_NOOP("TOptions", "Proposer d'enregistrer la partie en cours"), "cc_proposesauvegarde",
     QT_TRANSLATE_NOOP(
         "TOptions",
         "Avant de quitter le logiciel ou de revenir au menu pendant une partie commencée, demande s'il faut "
         "l'enregistrer")},
    {"general", "ReprendrePartie", &TOptions::ReprendrePartie, Form::Flag, "1", Page::Logiciel,
     QT_TRANSLATE_NOOP("TOptions", "Reprendre la partie interrompue"), "cc_reprendre",
     QT_TRANSLATE_NOOP(
         "TOptions",
         "Garde la partie en cours à chaque coup\u00A0: le menu propose de la reprendre au prochain lancement, "
         "même après un arrêt brutal"),
     "", true},
    {"general", "Saisie", &TOptions::Saisie, Form::Choice, "0", Page::Jeu,
     QT_TRANSLATE_NOOP("TOptions", "Saisie\u00A0:"), "", "", "", false,
     QT_TRANSLATE_NOOP("TOptions", "case puis chiffre|chiffre puis case|")},
    {"general", "Apparence", &TOptions::Apparence, Form::Choice, "0", Page::Logiciel,
     QT_TRANSLATE_NOOP("TOptions", "Apparence\u00A0:"), "cb_Apparence",
     QT_TRANSLATE_NOOP("TOptions", "Automatique suit le réglage clair ou sombre du bureau"), "", false,
     QT_TRANSLATE_NOOP("TOptions", "Automatique|Clair|Sombre|")},
    {"general", "ContrasteEleve", &TOptions::ContrasteEleve, Form::Flag, "0", Page::Logiciel,
     QT_TRANSLATE_NOOP("TOptions", "Contraste élevé"), "cc_contraste",
     QT_TRANSLATE_NOOP(
         "TOptions",
         "Chiffres, notes et signaux dans des couleurs plus tranchées\u00A0; les erreurs sont aussi soulignées"),
     "", true},
    {"general", "Langue", &TOptions::Langue, Form::Code, "auto", Page::Logiciel,
     QT_TRANSLATE_NOOP("TOptions", "Langue\u00A0:"), "cb_Langue",
     QT_TRANSLATE_NOOP("TOptions", "Automatique suit la langue du bureau"),
     //: Beside the language's list: the language is chosen once, at start.
     QT_TRANSLATE_NOOP("TOptions", "Prend effet au prochain démarrage."), false,
     //: The choices of the language, each ended by '|': each language in its own.
     QT_TRANSLATE_NOOP("TOptions", "Automatique|Français|English|"), "auto|fr|en|"},
}};

// The key the first-start question reads and writes on its own.
constexpr std::size_t ScreenMode = 8;
static_assert(std::get<bool TOptions::*>(Table[ScreenMode].Field) == &TOptions::Windowed);

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
    case Form::Choice: {
      const std::int32_t value = number();
      const bool known = value >= 0 && value < S.ChoiceCount();
      Options.*std::get<std::uint32_t TOptions::*>(S.Field) =
          static_cast<std::uint32_t>(known ? value : fallback.toInt());
      break;
    }
    case Form::Text:
      Options.*std::get<QString TOptions::*>(S.Field) =
          Ini != nullptr ? Ini->ReadString(Section(S), Key(S), fallback) : fallback;
      break;
    case Form::Code: {
      const QStringList codes = S.ChoiceCodes();
      const qsizetype known = codes.indexOf(Ini != nullptr ? Ini->ReadString(Section(S), Key(S), fallback) : fallback);
      Options.*std::get<std::uint32_t TOptions::*>(S.Field) =
          static_cast<std::uint32_t>(known >= 0 ? known : codes.indexOf(fallback));
      break;
    }
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
    case Form::Choice:
      return QString::number(Options.*std::get<std::uint32_t TOptions::*>(S.Field));
    case Form::Text:
      return Options.*std::get<QString TOptions::*>(S.Field);
    case Form::Code:
      return S.ChoiceCodes().value(Options.*std::get<std::uint32_t TOptions::*>(S.Field),
                                   QString::fromLatin1(S.Default));
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

// The items of a list where each ends by '|'.
QStringList Listed(const QString& Text) {
  QStringList items = Text.split(u'|');
  items.removeLast();  // what follows the last '|'
  return items;
}

}  // namespace

std::span<const TOptions::TSetting> TOptions::Settings() { return Table; }

QStringList TOptions::TSetting::ChoiceCaptions() const { return Listed(Shown(Choices)); }

QStringList TOptions::TSetting::ChoiceCodes() const { return Listed(QString::fromLatin1(Codes)); }

QString TOptions::LangueCode() const {
  return Langue == LangueAuto ? QString() : SettingOf(&TOptions::Langue)->ChoiceCodes().value(Langue);
}

qsizetype TOptions::TSetting::ChoiceCount() const { return QByteArrayView(Choices).count('|'); }

QString TOptions::Shown(const char* Text) {
  return *Text == 0 ? QString() : QCoreApplication::translate("TOptions", Text);
}

const TOptions::TSetting* TOptions::SettingOf(const TMember& Field) {
  for (const TSetting& setting : Table)
    if (setting.Field == Field) return &setting;
  return nullptr;
}

TOptions::TOptions(QString fileName) : FileName(std::move(fileName)) {
  for (const Setting& setting : Table) {
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
  for (std::size_t k = 0; k < Table.size(); ++k) {
    ReadSetting(*this, Table[k], &ini);
    Stored_[k] = StoredText(*this, Table[k]);
  }
  FondEcran = BackgroundName(FondEcran);
}

FileResult TOptions::Save() {
  std::vector<QString> now;
  now.reserve(Table.size());
  for (const Setting& setting : Table) now.push_back(StoredText(*this, setting));
  if (now == Stored_) return {};
  // Saving merges the keys written here into the file as it stands on disk,
  // under its lock (TIniFile::Save): a change made meanwhile by another
  // window of the game is kept.
  TIniFile ini(FileName);
  for (std::size_t k = 0; k < Table.size(); ++k)
    if (now[k] != Stored_[k]) ini.WriteString(Section(Table[k]), Key(Table[k]), now[k]);
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
  const Setting& screen = Table[ScreenMode];
  return ini.ReadInteger(Section(screen), Key(screen), 0);
}

FileResult TOptions::SaveScreenMode(bool windowed) {
  Windowed = windowed;
  TIniFile ini(FileName);
  const Setting& screen = Table[ScreenMode];
  const QString text = StoredText(*this, screen);
  ini.WriteString(Section(screen), Key(screen), text);
  FileResult result = ini.Save();
  if (result.Ok()) Stored_[ScreenMode] = text;
  return result;
}
