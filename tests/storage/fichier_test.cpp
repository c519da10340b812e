// SPDX-License-Identifier: GPL-3.0-or-later
#include "fichier.h"

#include <algorithm>

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "savedgame.h"
#include "storagetest.h"
#include "textfields.h"

namespace {

const QString kGivens =
    QStringLiteral("400000805030000000000700000020000060000080400000010000000603070500200000104000000");
const QString kDigits =
    QStringLiteral("417369825632158947958724316825437169791586432346912758289643571573291684164875293");

QString GridText(bool withDigits, int level, int time, int hints) {
  return kGivens + u'|' + (withDigits ? kDigits : QString()) +
         QStringLiteral("|%1|%2|%3").arg(level).arg(time).arg(hints);
}

SavedGrid Parsed(QString line) {
  TFichier file;
  file.ParseLine(line);
  return file.Records.front();
}

TEST(EscapeText, BarsAreDoubledAndEmptyBecomesASpace) {
  EXPECT_EQ(EscapeText(QStringLiteral("Ma grille")), QStringLiteral("Ma grille"));
  EXPECT_EQ(EscapeText(QStringLiteral("a|b")), QStringLiteral("a||b"));
  EXPECT_EQ(EscapeText(QStringLiteral("||")), QStringLiteral("||||"));
  EXPECT_EQ(EscapeText(QString()), QStringLiteral(" "));
  EXPECT_EQ(EscapeText(QStringLiteral(" ")), QStringLiteral(" "));
}

TEST(ReadField, TableOfLines) {
  struct Case {
    const char16_t* line;
    bool escaped;
    const char16_t* field;
    const char16_t* rest;
  };
  const Case cases[] = {
      {u"abc|def", true, u"abc", u"def"},
      {u"abc|def", false, u"abc", u"def"},
      {u"a||b|cd", true, u"a|b", u"cd"},
      {u"a||b|cd", false, u"a", u"|b|cd"},
      {u"x|||a|d", true, u"x|", u"a|d"},  // a run of three: "|" of the field, then the separator
      {u"|def", true, u"", u"def"},
      {u"abc", true, u"abc", u""},  // the last field ends with the line
      {u"", true, u"", u""},
      {u"", false, u"", u""},
      {u"ab|c", true, u"ab|c", u""},  // a "|" among the last two characters is not a separator
      {u"a||b|c", true, u"a|b|c", u""},
      {u"ab|", true, u"ab|", u""},
      {u"|", true, u"|", u""},
      {u"||", false, u"", u"|"},
  };
  for (const Case& c : cases) {
    QString line = QString::fromUtf16(c.line);
    EXPECT_EQ(ReadField(line, c.escaped), QString::fromUtf16(c.field))
        << QString::fromUtf16(c.line).toStdString() << " escaped=" << c.escaped;
    EXPECT_EQ(line, QString::fromUtf16(c.rest)) << QString::fromUtf16(c.line).toStdString();
  }
}

TEST(SavedGridRecord, TheExampleLineAndItsRoundTrip) {
  const QString line =
      MakeRecordLine(QStringLiteral("Ma grille"), QStringLiteral("A|B"), QDate(2026, 12, 6), GridText(true, 2, 754, 3));
  EXPECT_EQ(line, QStringLiteral("Ma grille|A||B|06/12/2026|") + kGivens + u'|' + kDigits + QStringLiteral("|2|754|3"));
  TFichier file;
  QString entry = line;
  EXPECT_EQ(file.ParseLine(entry), 0);
  EXPECT_EQ(entry, QStringLiteral("Ma grille(06/12/2026)"));
  const SavedGrid r = file.Records[0];
  EXPECT_EQ(r.Name, QStringLiteral("Ma grille"));
  EXPECT_EQ(r.Description, QStringLiteral("A|B"));
  EXPECT_EQ(r.Date, QStringLiteral("06/12/2026"));
  EXPECT_EQ(r.Givens, kGivens);
  EXPECT_EQ(r.Digits, kDigits);
  EXPECT_EQ(r.Level, 2);
  EXPECT_EQ(r.Time, 754);
  EXPECT_EQ(r.Hints, 3);
}

TEST(SavedGridRecord, TheStartingGridAloneHasTwoBarsAfterTheGivens) {
  const QString line = MakeRecordLine(QStringLiteral("Début"), QString(), QDate(2026, 1, 2), GridText(false, 4, 0, 0));
  EXPECT_TRUE(line.contains(kGivens + QStringLiteral("||4|0|0")));
  const SavedGrid r = Parsed(line);
  EXPECT_EQ(r.Givens, kGivens);
  EXPECT_TRUE(r.Digits.isEmpty());
  EXPECT_EQ(r.Level, 4);
}

TEST(SavedGridRecord, NamesWithBarsAndEmptyNamesComeBack) {
  SavedGrid r =
      Parsed(MakeRecordLine(QStringLiteral("a|b"), QStringLiteral("d"), QDate(2026, 3, 4), GridText(true, 1, 5, 0)));
  EXPECT_EQ(r.Name, QStringLiteral("a|b"));
  EXPECT_EQ(r.Description, QStringLiteral("d"));

  QString line = MakeRecordLine(QString(), QString(), QDate(2026, 3, 4), GridText(true, 1, 5, 0));
  EXPECT_TRUE(line.startsWith(QStringLiteral(" | |04/03/2026|")));
  TFichier file;
  file.ParseLine(line);
  EXPECT_EQ(line, QStringLiteral(" (04/03/2026)"));
  EXPECT_EQ(file.Records[0].Name, QStringLiteral(" "));
  EXPECT_EQ(file.Records[0].Givens, kGivens);

  r = Parsed(MakeRecordLine(QStringLiteral("x|"), QStringLiteral("desc"), QDate(2026, 3, 4), GridText(true, 1, 5, 0)));
  EXPECT_EQ(r.Name, QStringLiteral("x|"));
  EXPECT_EQ(r.Description, QStringLiteral("desc"));
  EXPECT_EQ(r.Givens, kGivens);
}

TEST(SavedGridRecord, ADescriptionBeginningWithABarReadsAsANameEndingWithOne) {
  const QString line =
      MakeRecordLine(QStringLiteral("x"), QStringLiteral("|a"), QDate(2026, 3, 4), GridText(true, 3, 60, 1));
  EXPECT_TRUE(line.startsWith(QStringLiteral("x|||a|04/03/2026|")));
  const SavedGrid r = Parsed(line);
  EXPECT_EQ(r.Name, QStringLiteral("x|"));
  EXPECT_EQ(r.Description, QStringLiteral("a"));
  EXPECT_EQ(r.Date, QStringLiteral("04/03/2026"));
  EXPECT_EQ(r.Givens, kGivens);  // the rest of the record is unharmed
  EXPECT_EQ(r.Time, 60);
}

TEST(SavedGridRecord, LineBreaksOfADescriptionAreStoredAsSpaces) {
  const QString line =
      MakeRecordLine(QStringLiteral("Nom\nsur deux"), QStringLiteral("ligne 1\r\nligne 2\nligne 3\r4\u2029fin"),
                     QDate(2026, 3, 4), GridText(true, 1, 5, 0));
  EXPECT_FALSE(line.contains(u'\n'));
  EXPECT_FALSE(line.contains(u'\r'));
  const SavedGrid r = Parsed(line);
  EXPECT_EQ(r.Name, QStringLiteral("Nom sur deux"));
  EXPECT_EQ(r.Description, QStringLiteral("ligne 1 ligne 2 ligne 3 4 fin"));
}

TEST(SavedGridRecord, MissingAndNonNumericFieldsTakeTheirDefaults) {
  SavedGrid r = Parsed(QString());
  EXPECT_EQ(r.Name, QString());
  EXPECT_EQ(r.Givens, QString());
  EXPECT_EQ(r.Level, 1);
  EXPECT_EQ(r.Time, 0);
  EXPECT_EQ(r.Hints, 0);

  r = Parsed(QStringLiteral("n|d|01/01/2026|") + kGivens);
  EXPECT_EQ(r.Givens, kGivens);
  EXPECT_EQ(r.Level, 1);

  r = Parsed(QStringLiteral("n|d|01/01/2026|g|h|deux|-|trois"));
  EXPECT_EQ(r.Level, 1);
  EXPECT_EQ(r.Time, 0);
  EXPECT_EQ(r.Hints, 0);

  // Level and helps are one byte; the time is signed 32 bits.
  r = Parsed(QStringLiteral("n|d|01/01/2026|g|h|258|2147483647|300"));
  EXPECT_EQ(r.Level, 2);
  EXPECT_EQ(r.Time, 2147483647);
  EXPECT_EQ(r.Hints, 44);
  r = Parsed(QStringLiteral("n|d|01/01/2026|g|h|20|9999999999|1|extra|fields"));
  EXPECT_EQ(r.Level, 20);
  EXPECT_EQ(r.Time, 0);
  EXPECT_EQ(r.Hints, 1);
}

TEST(SavedGridRecord, ATimeBelowZeroReadsAsZero) {
  // A damaged or hand-edited file: the game must not go on from -5 seconds.
  for (const char* time : {"-5", "-2147483648", "-0"}) {
    const SavedGrid r = Parsed(QStringLiteral("n|d|01/01/2026|") + kGivens + QStringLiteral("||2|%1|1").arg(time));
    EXPECT_EQ(r.Time, 0) << time;
    EXPECT_EQ(TSavedGame::FromRecord(r, false).Time, 0) << time;
  }
}

TEST(SavedGridRecord, LoadingGivesTheRecordOrItsStartingPosition) {
  const SavedGrid r = Parsed(QStringLiteral("n|d|01/01/2026|") + GridText(true, 3, 754, 7));
  TSavedGame load = TSavedGame::FromRecord(r, false);
  EXPECT_EQ(load.Givens, kGivens);
  EXPECT_EQ(load.Digits, kDigits);
  EXPECT_EQ(load.Level, 3);
  EXPECT_EQ(load.Time, 754);
  EXPECT_EQ(load.Hints, 7);
  load = TSavedGame::FromRecord(r, true);  // "Recommencer la grille"
  EXPECT_EQ(load.Givens, kGivens);
  EXPECT_TRUE(load.Digits.isEmpty());
  EXPECT_EQ(load.Level, 3);
  EXPECT_EQ(load.Time, 0);
  EXPECT_EQ(load.Hints, 0);
  // Saved with the starting grid only: the starting position, with its time and helps.
  load = TSavedGame::FromRecord(Parsed(QStringLiteral("n|d|01/01/2026|") + GridText(false, 2, 90, 1)), false);
  EXPECT_TRUE(load.Digits.isEmpty());
  EXPECT_EQ(load.Time, 90);
  EXPECT_EQ(load.Hints, 1);
}

TEST(SplitRecordLines, EveryKindOfLineEnd) {
  EXPECT_TRUE(SplitRecordLines(QByteArray()).isEmpty());
  EXPECT_EQ(SplitRecordLines("a\r\nb\r\n"), QList<QByteArray>({"a", "b"}));
  EXPECT_EQ(SplitRecordLines("a\r\nb"), QList<QByteArray>({"a", "b"}));
  EXPECT_EQ(SplitRecordLines("a\nb\rc\r\n\r\nd"), QList<QByteArray>({"a", "b", "c", "", "d"}));
  EXPECT_EQ(SplitRecordLines("\r\n"), QList<QByteArray>({""}));
}

TEST(TFichier, RecordAccessAndList) {
  TFichier file;
  for (const char* name : {"un", "deux", "trois"}) {
    QString line = QString::fromLatin1(name) + QStringLiteral("|d|0%1/01/2026|g|h|1|2|3").arg(file.Count() + 1);
    file.ParseLine(line);
  }
  EXPECT_EQ(file.Count(), 3);
  ASSERT_TRUE(file.Record(2).has_value());
  EXPECT_EQ(file.Record(2)->Name, QStringLiteral("trois"));
  EXPECT_FALSE(file.Record(3).has_value());
  EXPECT_FALSE(file.Record(-1).has_value());
  QStringList list = {QStringLiteral("déjà là")};
  file.FillList(list);
  EXPECT_EQ(list, QStringList({QStringLiteral("déjà là"), QStringLiteral("un(01/01/2026)"),
                               QStringLiteral("deux(02/01/2026)"), QStringLiteral("trois(03/01/2026)")}));
}

TEST(TFichier, ReadsWindows1252Lines) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("a.orv"));
  ASSERT_TRUE(WriteBytes(path,
                         "No\xEBl \x9C|\x80 pour l\x92\xE9t\xE9|01/01/2026|g|h|1|2|3\r\n"
                         "second|d|02/01/2026|g||2|0|0\r\n"));
  TFichier file;
  ASSERT_TRUE(file.LoadFromFile(path).Ok());
  ASSERT_EQ(file.Count(), 2);
  EXPECT_EQ(file.Records[0].Name, QStringLiteral("Noël œ"));
  EXPECT_EQ(file.Records[0].Description, QStringLiteral("€ pour l’été"));
  EXPECT_EQ(file.Records[1].Name, QStringLiteral("second"));
}

TEST(TFichier, ADamagedFileLoadsWhatItCan) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("abime.orv"));
  QByteArray bytes =
      MakeRecordLine(QStringLiteral("bon"), QStringLiteral("d"), QDate(2026, 1, 1), GridText(true, 2, 10, 1))
          .toLatin1() +
      "\r\n";
  bytes += "tronqu\xE9|desc|01/01/2026|4000008050300\r\n";  // truncated line
  QByteArray binary;
  for (int i = 0; i < 4096; ++i) binary.append(char((i * 37 + 11) % 256));
  bytes += binary + "\r\n";
  QByteArray huge(1 << 20, 'x');  // a line of 1 MB, with bars here and there
  for (int i = 0; i < huge.size(); i += 1000) huge[i] = '|';
  bytes += huge + "\r\n";
  bytes += QByteArray(1 << 20, '|') + "\r\n";  // and one of bars only
  bytes += MakeRecordLine(QStringLiteral("dernier"), QString(), QDate(2026, 1, 2), GridText(false, 1, 0, 0))
               .toLatin1();  // no line end at the end
  ASSERT_TRUE(WriteBytes(path, bytes));

  TFichier file;
  ASSERT_TRUE(file.LoadFromFile(path).Ok());
  // Every line but the empty ones (among the binary bytes) holds a grid.
  const QList<QByteArray> lines = SplitRecordLines(bytes);
  ASSERT_EQ(file.Count(),
            std::count_if(lines.begin(), lines.end(), [](const QByteArray& line) { return !line.isEmpty(); }));
  EXPECT_EQ(file.Records.front().Name, QStringLiteral("bon"));
  EXPECT_EQ(file.Records.front().Digits, kDigits);
  EXPECT_EQ(file.Records[1].Name, QStringLiteral("tronqué"));
  EXPECT_EQ(file.Records[1].Givens, QStringLiteral("4000008050300"));
  EXPECT_TRUE(file.Records[1].Digits.isEmpty());
  EXPECT_EQ(file.Records[1].Level, 1);
  EXPECT_EQ(file.Records.back().Name, QStringLiteral("dernier"));
  EXPECT_EQ(file.Records.back().Givens, kGivens);
  EXPECT_EQ(file.Records.back().Level, 1);
}

TEST(TFichier, AFileThatCannotBeOpenedGivesNoRecord) {
  QTemporaryDir dir;
  TFichier file;
  EXPECT_FALSE(file.LoadFromFile(dir.filePath(QStringLiteral("absent.orv"))).Ok());
  EXPECT_FALSE(file.LoadFromFile(dir.path()).Ok());  // a folder
  EXPECT_EQ(file.Count(), 0);
}

// A screen shows a long text's beginning, never half a character.
TEST(Abridged, LongTextsShowTheirBeginning) {
  EXPECT_EQ(Abridged(QStringLiteral("ab\U0001F600"), 3), QStringLiteral("ab\u2026"));
}

}  // namespace
