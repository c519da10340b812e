// SPDX-License-Identifier: GPL-3.0-or-later
#include "dossiersauvegarde.h"

#include <chrono>
#include <iostream>

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "fichier.h"
#include "fichiers.h"
#include "storagetest.h"

namespace {

const QString kGivens =
    QStringLiteral("400000805030000000000700000020000060000080400000010000000603070500200000104000000");
const QString kDigits =
    QStringLiteral("417369825632158947958724316825437169791586432346912758289643571573291684164875293");
const QDate kDay(2026, 12, 6);

QString GridText(int level, int time, int hints) {
  return kGivens + u'|' + kDigits + QStringLiteral("|%1|%2|%3").arg(level).arg(time).arg(hints);
}

class TDossierSauvegardeTest : public ::testing::Test {
 protected:
  QTemporaryDir program;
  TDossierSauvegarde saves{program.path()};
  QString folder = program.filePath(QStringLiteral("Sauvegarde"));

  void MakeFolder() { ASSERT_TRUE(QDir(program.path()).mkpath(QStringLiteral("Sauvegarde"))); }
  QString FilePath(const QString& name) { return QDir(folder).filePath(name); }

  // The grid at the index of the file's list, as the dialog holds it.
  static SavedGrid RecordAt(const QString& path, int index) {
    TFichier file;
    file.LoadFromFile(path);
    return file.Record(index).value_or(SavedGrid{});
  }

  static QStringList Entries(const QString& path) {
    TFichier file;
    file.LoadFromFile(path);
    QStringList list;
    file.FillList(list);
    return list;
  }
};

TEST_F(TDossierSauvegardeTest, TheFolderIsSauvegardeInsideTheProgramsFolder) { EXPECT_EQ(saves.Folder(), folder); }

TEST_F(TDossierSauvegardeTest, ListingFindsOrvFilesInAnyCaseAndNothingElse) {
  MakeFolder();
  for (const char* name :
       {"defaut.orv", "Grilles.ORV", "b.Orv", ".cachee.orv", "notes.txt", "archive.orv.bak", "orv", "x.orvx"})
    ASSERT_TRUE(WriteBytes(FilePath(QString::fromLatin1(name)), "x\r\n"));
  ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("dossier.orv")));
  EXPECT_EQ(saves.ListFileNames(), QStringList({QStringLiteral(".cachee"), QStringLiteral("b"),
                                                QStringLiteral("defaut"), QStringLiteral("Grilles")}));
  for (const SavedFileEntry& entry : saves.ListFiles())
    EXPECT_TRUE(QFileInfo(entry.Path).isFile()) << entry.Path.toStdString();
  EXPECT_EQ(saves.PathOf(QStringLiteral("Grilles")), FilePath(QStringLiteral("Grilles.ORV")));
  EXPECT_EQ(saves.PathOf(QStringLiteral("nouveau")), FilePath(QStringLiteral("nouveau.orv")));
  EXPECT_EQ(saves.PathOf(QStringLiteral("../x")), QString());
}

TEST_F(TDossierSauvegardeTest, AMissingFolderListsNothing) { EXPECT_TRUE(saves.ListFileNames().isEmpty()); }

TEST_F(TDossierSauvegardeTest, SavingTwoGridsGivesTwoLinesOldestFirst) {
  ASSERT_TRUE(saves
                  .SaveGrid(QStringLiteral("defaut"), QStringLiteral("Ma grille"), QStringLiteral("A|B"),
                            GridText(2, 754, 3), kDay)
                  .Ok());
  ASSERT_TRUE(
      saves.SaveGrid(QStringLiteral("defaut"), QString(), QString(), GridText(1, 5, 0), QDate(2026, 12, 7)).Ok());
  const QByteArray expected =
      ("Ma grille|A||B|06/12/2026|" + GridText(2, 754, 3) + "\r\n" + " | |07/12/2026|" + GridText(1, 5, 0) + "\r\n")
          .toLatin1();
  EXPECT_EQ(ReadBytes(FilePath(QStringLiteral("defaut.orv"))), expected);
  EXPECT_EQ(Entries(saves.PathOf(QStringLiteral("defaut"))),
            QStringList({QStringLiteral("Ma grille(06/12/2026)"), QStringLiteral(" (07/12/2026)")}));
  EXPECT_EQ(saves.ListFileNames(), QStringList{QStringLiteral("defaut")});
}

TEST_F(TDossierSauvegardeTest, TheFolderIsCreatedWhenMissing) {
  ASSERT_FALSE(QFileInfo::exists(folder));
  ASSERT_TRUE(saves.SaveGrid(QStringLiteral("premier"), QStringLiteral("g"), QString(), GridText(1, 0, 0), kDay).Ok());
  EXPECT_TRUE(QFileInfo(folder).isDir());
  EXPECT_EQ(Entries(FilePath(QStringLiteral("premier.orv"))), QStringList{QStringLiteral("g(06/12/2026)")});
}

TEST_F(TDossierSauvegardeTest, AccentsAreWindows1252AndOtherCharactersQuestionMarks) {
  ASSERT_TRUE(saves
                  .SaveGrid(QStringLiteral("Noël"), QStringLiteral("Cœur d’été"),
                            QStringLiteral("Ελληνικά \U0001F600 | fin"), GridText(3, 1, 2), kDay)
                  .Ok());
  const QString path = FilePath(QStringLiteral("Noël.orv"));
  EXPECT_EQ(ReadBytes(path),
            "C\x9Cur d\x92\xE9t\xE9|???????? ? || fin|06/12/2026|" + GridText(3, 1, 2).toLatin1() + "\r\n");
  TFichier file;
  ASSERT_TRUE(file.LoadFromFile(path).Ok());
  ASSERT_EQ(file.Count(), 1);
  EXPECT_EQ(file.Records[0].Name, QStringLiteral("Cœur d’été"));
  EXPECT_EQ(file.Records[0].Description, QStringLiteral("???????? ? | fin"));
  EXPECT_EQ(file.Records[0].Hints, 2);
}

TEST_F(TDossierSauvegardeTest, AFileNamedGrillesOrvUpperCaseIsOneFileWithGrilles) {
  MakeFolder();
  ASSERT_TRUE(WriteBytes(FilePath(QStringLiteral("Grilles.ORV")), "vieille|d|01/01/2020|g|h|1|0|0\r\n"));
  ASSERT_TRUE(
      saves.SaveGrid(QStringLiteral("Grilles"), QStringLiteral("neuve"), QString(), GridText(1, 0, 0), kDay).Ok());
  EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("Grilles.ORV")});
  EXPECT_EQ(Entries(saves.PathOf(QStringLiteral("Grilles"))),
            QStringList({QStringLiteral("vieille(01/01/2020)"), QStringLiteral("neuve(06/12/2026)")}));
}

TEST_F(TDossierSauvegardeTest, ALastLineWithoutItsLineEndStaysItsOwnRecord) {
  MakeFolder();
  ASSERT_TRUE(WriteBytes(FilePath(QStringLiteral("main.orv")), "a la main|d|01/01/2020|g|h|1|0|0"));
  ASSERT_TRUE(
      saves.SaveGrid(QStringLiteral("main"), QStringLiteral("suivante"), QString(), GridText(1, 0, 0), kDay).Ok());
  EXPECT_EQ(Entries(FilePath(QStringLiteral("main.orv"))),
            QStringList({QStringLiteral("a la main(01/01/2020)"), QStringLiteral("suivante(06/12/2026)")}));
}

TEST_F(TDossierSauvegardeTest, FileNamesThatCouldLeaveTheFolderAreRefused) {
  const QString refused[] = {QString(),
                             QStringLiteral("   "),
                             QStringLiteral("../dehors"),
                             QStringLiteral("a/b"),
                             QStringLiteral("/etc/passwd"),
                             QStringLiteral("a\\b"),
                             QStringLiteral(".."),
                             QStringLiteral("a..b"),
                             QStringLiteral(".cache"),
                             QStringLiteral("tab\there"),
                             QStringLiteral("ligne\nsuivante"),
                             QString(QChar(0)) + u'x',
                             QStringLiteral("del\x7F"),
                             QString(101, u'a')};
  for (const QString& name : refused) {
    const QString message = TDossierSauvegarde::CheckFileName(name);
    EXPECT_FALSE(message.isEmpty()) << name.toStdString();
    const FileResult result = saves.SaveGrid(name, QStringLiteral("g"), QString(), GridText(1, 0, 0), kDay);
    EXPECT_EQ(result.Status, FileStatus::NameRefused) << name.toStdString();
    EXPECT_EQ(result.Message, message);
  }
  // Nothing was written anywhere, not even the folder.
  EXPECT_EQ(QDir(program.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
  EXPECT_EQ(TDossierSauvegarde::CheckFileName(QStringLiteral("../dehors")),
            QStringLiteral("Le nom du fichier ne peut pas contenir «\u00A0/\u00A0» ni «\u00A0\\\u00A0»."));
  EXPECT_EQ(TDossierSauvegarde::CheckFileName(QStringLiteral("a..b")),
            QStringLiteral("Le nom du fichier ne peut pas contenir «\u00A0..\u00A0»."));
  EXPECT_EQ(TDossierSauvegarde::CheckFileName(QStringLiteral(".cache")),
            QStringLiteral("Le nom du fichier ne peut pas commencer par un point."));
  EXPECT_EQ(TDossierSauvegarde::CheckFileName(QString(101, u'a')),
            QStringLiteral("Le nom du fichier ne peut pas dépasser 100 caractères."));
  EXPECT_EQ(TDossierSauvegarde::CheckFileName(QString()),
            QStringLiteral("Indiquez le nom du fichier dans lequel enregistrer la grille."));
}

TEST_F(TDossierSauvegardeTest, OrdinaryNamesAreAccepted) {
  for (const QString& name : {QStringLiteral("defaut"), QStringLiteral("Grilles de Noël 2026"), QStringLiteral("a.b"),
                              QStringLiteral("x."), QString(100, u'é'), QStringLiteral("l'été (difficile) #2")})
    EXPECT_TRUE(TDossierSauvegarde::CheckFileName(name).isEmpty()) << name.toStdString();
  ASSERT_TRUE(
      saves.SaveGrid(QStringLiteral("l'été (difficile) #2"), QStringLiteral("g"), QString(), GridText(1, 0, 0), kDay)
          .Ok());
  EXPECT_EQ(saves.ListFileNames(), QStringList{QStringLiteral("l'été (difficile) #2")});
}

TEST_F(TDossierSauvegardeTest, AnAppendThatCannotBeMadeIsReported) {
  // The folder cannot be created: a file stands in its place.
  ASSERT_TRUE(WriteBytes(folder, "pas un dossier"));
  FileResult result = saves.SaveGrid(QStringLiteral("defaut"), QStringLiteral("g"), QString(), GridText(1, 0, 0), kDay);
  EXPECT_EQ(result.Status, FileStatus::WriteFailed);
  EXPECT_PRED2(SaysCannotWrite, result.Message, FilePath(QStringLiteral("defaut.orv")));
  EXPECT_EQ(ReadBytes(folder), "pas un dossier");

  // A folder where the file should be.
  ASSERT_TRUE(QFile::remove(folder));
  MakeFolder();
  ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("dossier.orv")));
  result = saves.SaveGrid(QStringLiteral("dossier"), QStringLiteral("g"), QString(), GridText(1, 0, 0), kDay);
  EXPECT_EQ(result.Status, FileStatus::WriteFailed);
  EXPECT_PRED2(SaysCannotWrite, result.Message, FilePath(QStringLiteral("dossier.orv")));
}

TEST_F(TDossierSauvegardeTest, AnAppendToAFileThatMayNotChangeIsReported) {
  MakeFolder();
  const QString path = FilePath(QStringLiteral("garde.orv"));
  const QByteArray before = "a|d|01/01/2026|g|h|1|0|0\r\n";
  ASSERT_TRUE(WriteBytes(path, before));
  ImmutableFlag locked(path);
  if (!locked.Set()) GTEST_SKIP() << "the immutable flag is not available here";
  const FileResult result =
      saves.SaveGrid(QStringLiteral("garde"), QStringLiteral("g"), QString(), GridText(1, 0, 0), kDay);
  EXPECT_EQ(result.Status, FileStatus::WriteFailed);
  EXPECT_PRED2(SaysCannotWrite, result.Message, path);
  EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(TDossierSauvegardeTest, DeletingTheMiddleGridKeepsTheOthersInOrder) {
  for (const char* name : {"un", "deux", "trois"})
    ASSERT_TRUE(
        saves.SaveGrid(QStringLiteral("defaut"), QString::fromLatin1(name), QString(), GridText(1, 0, 0), kDay).Ok());
  const QString path = saves.PathOf(QStringLiteral("defaut"));
  const QByteArray before = ReadBytes(path);
  const QList<QByteArray> lines = SplitRecordLines(before);
  ASSERT_TRUE(saves.DeleteRecord(path, RecordAt(path, 1)).Ok());
  EXPECT_EQ(ReadBytes(path), lines[0] + "\r\n" + lines[2] + "\r\n");
  TFichiers cache;
  QStringList list;
  cache.GetFile(path, true).File.FillList(list);
  EXPECT_EQ(list, QStringList({QStringLiteral("un(06/12/2026)"), QStringLiteral("trois(06/12/2026)")}));
}

TEST_F(TDossierSauvegardeTest, DeletingTheLastGridLeavesAnEmptyFile) {
  ASSERT_TRUE(saves.SaveGrid(QStringLiteral("seul"), QStringLiteral("g"), QString(), GridText(1, 0, 0), kDay).Ok());
  const QString path = saves.PathOf(QStringLiteral("seul"));
  ASSERT_TRUE(saves.DeleteRecord(path, RecordAt(path, 0)).Ok());
  EXPECT_TRUE(QFileInfo(path).isFile());
  EXPECT_EQ(QFileInfo(path).size(), 0);
  EXPECT_EQ(saves.ListFileNames(), QStringList{QStringLiteral("seul")});
}

// A file made read-only is not replaced through its folder (root too).
TEST_F(TDossierSauvegardeTest, AReadOnlyFileIsNotRewritten) {
  ASSERT_TRUE(saves.SaveGrid(QStringLiteral("garde"), QStringLiteral("g"), QString(), GridText(1, 0, 0), kDay).Ok());
  const QString path = saves.PathOf(QStringLiteral("garde"));
  const QByteArray before = ReadBytes(path);
  ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
  EXPECT_EQ(saves.SaveGrid(QStringLiteral("garde"), QStringLiteral("h"), QString(), GridText(1, 0, 0), kDay).Message,
            QStringLiteral("Impossible d'écrire dans %1 (fichier en lecture seule)").arg(path));
  EXPECT_EQ(ReadBytes(path), before);
}

// Exactly the grid's line and its line end go, at the place listed, even
// among twins: every other byte stays (lone CR, LF, an empty line, a last
// line without its end, control bytes).
TEST_F(TDossierSauvegardeTest, DeletingRemovesExactlyItsLine) {
  const struct {
    QByteArray File;
    int Index;
    QByteArray Left;
  } cases[] = {
      {"a|d|1|g|h|1|0|0\rb|d|2|g|h|1|0|0\n\r\nc|d|3|g|h|1|0|0\r\nd|d|4|g|h|1|0|0", 2,
       "a|d|1|g|h|1|0|0\rb|d|2|g|h|1|0|0\n\r\nd|d|4|g|h|1|0|0"},
      {"\n\x03\n\xf1\n\x03\r:", 2, "\n\x03\n\xf1\n:"},
      {QByteArrayLiteral("\x0e\n\x00\n\x0e\n\x0e"), 2, QByteArrayLiteral("\x0e\n\x00\n\x0e")},
  };
  MakeFolder();
  const QString path = FilePath(QStringLiteral("melange.orv"));
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteBytes(path, c.File));
    EXPECT_TRUE(saves.DeleteRecord(path, RecordAt(path, c.Index), c.Index).Ok());
    EXPECT_EQ(ReadBytes(path), c.Left) << "from " << ::testing::PrintToString(c.File);
  }
}

TEST_F(TDossierSauvegardeTest, DeletingAfterAnotherWindowChangedTheFileTakesTheRightGrid) {
  for (const char* name : {"un", "deux", "trois"})
    ASSERT_TRUE(
        saves.SaveGrid(QStringLiteral("defaut"), QString::fromLatin1(name), QString(), GridText(1, 0, 0), kDay).Ok());
  const QString path = saves.PathOf(QStringLiteral("defaut"));
  const SavedGrid deux = RecordAt(path, 1);
  const SavedGrid un = RecordAt(path, 0);
  // Another window deletes "un" and adds a grid: "deux" is now first.
  ASSERT_TRUE(TDossierSauvegarde(program.path()).DeleteRecord(path, un).Ok());
  ASSERT_TRUE(
      saves.SaveGrid(QStringLiteral("defaut"), QStringLiteral("quatre"), QString(), GridText(1, 0, 0), kDay).Ok());
  ASSERT_TRUE(saves.DeleteRecord(path, deux).Ok());
  EXPECT_EQ(Entries(path), QStringList({QStringLiteral("trois(06/12/2026)"), QStringLiteral("quatre(06/12/2026)")}));
  // Deleted meanwhile: said, and nothing else goes.
  const FileResult again = saves.DeleteRecord(path, un);
  EXPECT_EQ(again.Status, FileStatus::NoSuchRecord);
  EXPECT_EQ(again.Message, QStringLiteral("Cette grille n'est plus dans le fichier ") + path);
  EXPECT_EQ(Entries(path).size(), 2);
}

TEST_F(TDossierSauvegardeTest, ADeletionThatCannotBeMadeChangesNothing) {
  ASSERT_TRUE(saves.SaveGrid(QStringLiteral("defaut"), QStringLiteral("un"), QString(), GridText(1, 0, 0), kDay).Ok());
  ASSERT_TRUE(
      saves.SaveGrid(QStringLiteral("defaut"), QStringLiteral("deux"), QString(), GridText(1, 0, 0), kDay).Ok());
  const QString path = saves.PathOf(QStringLiteral("defaut"));
  const QByteArray before = ReadBytes(path);

  const SavedGrid first = RecordAt(path, 0);
  SavedGrid other = first;
  other.Time += 1;  // same name and date, another content
  FileResult result = saves.DeleteRecord(path, other);
  EXPECT_EQ(result.Status, FileStatus::NoSuchRecord);

  result = saves.DeleteRecord(FilePath(QStringLiteral("absent.orv")), first);
  EXPECT_EQ(result.Status, FileStatus::NoSuchRecord);
  EXPECT_FALSE(QFileInfo::exists(FilePath(QStringLiteral("absent.orv"))));

  {
    // The new file cannot be put in the folder: the old one stays entire.
    ImmutableFlag locked(folder);
    if (!locked.Set()) GTEST_SKIP() << "the immutable flag is not available here";
    result = saves.DeleteRecord(path, first);
    EXPECT_EQ(result.Status, FileStatus::WriteFailed);
    EXPECT_PRED2(SaysCannotWrite, result.Message, path);
  }
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("defaut.orv")});
}

TEST_F(TDossierSauvegardeTest, TenThousandGridsAreListedLoadedAndDeleted) {
  MakeFolder();
  const QString path = FilePath(QStringLiteral("grand.orv"));
  QByteArray bytes;
  for (int i = 0; i < 10000; ++i)
    bytes += MakeRecordLine(QStringLiteral("Grille %1").arg(i), QStringLiteral("n° %1|x").arg(i), kDay,
                            GridText(1 + i % 4, i, i % 256))
                 .toLatin1() +
             "\r\n";
  ASSERT_TRUE(WriteBytes(path, bytes));

  // How long the load dialog takes to list the files and read this one (printed,
  // not judged: the tests do not time anything).
  const auto start = std::chrono::steady_clock::now();
  const QStringList names = saves.ListFileNames();
  TFichiers cache;
  QStringList list;
  cache.GetFile(saves.PathOf(QStringLiteral("grand")), false).File.FillList(list);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  std::cout << "[ info ] listing and loading 10,000 grids: "
            << std::chrono::duration<double, std::milli>(elapsed).count() << " ms\n";

  EXPECT_EQ(names, QStringList{QStringLiteral("grand")});
  ASSERT_EQ(list.size(), 10000);
  EXPECT_EQ(list[9999], QStringLiteral("Grille 9999(06/12/2026)"));
  const std::optional<SavedGrid> last = cache.FindFile(path)->Record(9999);
  ASSERT_TRUE(last.has_value());
  EXPECT_EQ(last->Description, QStringLiteral("n° 9999|x"));
  EXPECT_EQ(last->Time, 9999);
  EXPECT_EQ(last->Level, 4);
  EXPECT_EQ(last->Hints, 9999 % 256);

  ASSERT_TRUE(saves.DeleteRecord(path, *cache.FindFile(path)->Record(5000)).Ok());
  list.clear();
  cache.GetFile(path, true).File.FillList(list);
  ASSERT_EQ(list.size(), 9999);
  EXPECT_EQ(list[4999], QStringLiteral("Grille 4999(06/12/2026)"));
  EXPECT_EQ(list[5000], QStringLiteral("Grille 5001(06/12/2026)"));
}

}  // namespace
