// SPDX-License-Identifier: GPL-3.0-or-later
// The player's files shared and attacked: two programs writing at once, links
// out of the folder, pipes, huge files, names that are not UTF-8, saves that
// must survive a power cut.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "dossiersauvegarde.h"
#include "encodings.h"
#include "fichier.h"
#include "fileread.h"
#include "filewrite.h"
#include "inifile.h"
#include "puzzlefile.h"
#include "reprise.h"
#include "scores.h"
#include "storagetest.h"

namespace {

const QString kGrid =
    QStringLiteral("400000805030000000000700000020000060000080400000010000000603070500200000104000000||1|0|0");
const QDate kDay(2026, 12, 6);

class SharedFilesTest : public ::testing::Test {
 protected:
  QTemporaryDir program;
  TDossierSauvegarde saves{program.path()};
  QString ini = program.filePath(QStringLiteral("sudoku.ini"));
  QString Saved(const QString& name) const { return QDir(saves.Folder()).filePath(name); }
};

// Two programs, each saving grids into one file and adding 5 scores per
// level (one every third grid), at the same time: every grid and every score
// is kept.
TEST_F(SharedFilesTest, TwoProgramsSavingAtOnceLoseNothing) {
  constexpr int ScoresPerLevel = 5, Grids = 3 * ScoresPerLevel * TScores::Levels;
  std::vector<pid_t> children;
  for (int who = 0; who < 2; ++who) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      bool ok = true;
      for (int i = 0; i < Grids; ++i) {
        ok &= saves.SaveGrid(QStringLiteral("partage"), QStringLiteral("%1-%2").arg(who).arg(i), QString(), kGrid, kDay)
                  .Ok();
        if (i % 3 == 0 && i / 3 < ScoresPerLevel * TScores::Levels)
          ok &=
              TScores(ini).AddScore(1 + (i / 3) % TScores::Levels, 100 * who + i, QStringLiteral("J%1").arg(who)).Ok();
      }
      ::_exit(ok ? 0 : 1);
    }
    children.push_back(child);
  }
  for (const pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
  }
  TFichier file;
  ASSERT_TRUE(file.LoadFromFile(Saved(QStringLiteral("partage.orv"))).Ok());
  std::set<QString> names;
  for (qsizetype i = 0; i < file.Records.size(); ++i) names.insert(file.Records[i].Name);
  EXPECT_EQ(names.size(), std::size_t(2 * Grids));
  const TScores scores(ini);
  for (int level = 1; level <= TScores::Levels; ++level)
    EXPECT_LT(scores.StoredScore(level, 2 * ScoresPerLevel), EmptyScore) << "level " << level;
}

// A link in "Sauvegarde" to a file elsewhere is neither read, nor written,
// nor rewritten by a deletion; the player is told why.
TEST_F(SharedFilesTest, ALinkOutOfTheFolderIsRefused) {
  QTemporaryDir elsewhere;
  const QString outside = elsewhere.filePath(QStringLiteral("autre.txt"));
  const QByteArray kept = "a|d|01/01/2026|g|h|1|0|0\n";
  ASSERT_TRUE(WriteBytes(outside, kept));
  ASSERT_TRUE(QDir().mkpath(saves.Folder()));
  const QString link = Saved(QStringLiteral("defaut.orv"));
  ASSERT_TRUE(QFile::link(outside, link));

  TFichier file;
  const FileResult read = file.LoadFromFile(link);
  EXPECT_EQ(read.Message,
            QStringLiteral("Impossible de lire ") + link + QStringLiteral(" (lien vers un autre dossier, refusé)"));
  EXPECT_EQ(file.Count(), 0);
  const FileResult saved = saves.SaveGrid(QStringLiteral("defaut"), QStringLiteral("g"), QString(), kGrid, kDay);
  EXPECT_TRUE(saved.Message.endsWith(QStringLiteral("(lien vers un autre dossier, refusé)")))
      << saved.Message.toStdString();
  EXPECT_FALSE(saves.DeleteRecord(link, ParseRecord(QString::fromLatin1(kept.trimmed()))).Ok());
  EXPECT_EQ(ReadBytes(outside), kept);
}

TEST_F(SharedFilesTest, FilesOverTheirLimitAreRefusedAndKept) {
  const QByteArray big(MaxSettingsFileBytes + 1, '\n');
  ASSERT_TRUE(WriteBytes(ini, big));
  TIniFile settings(ini);
  EXPECT_EQ(settings.Load().Message,
            QStringLiteral("Impossible de lire ") + ini + QStringLiteral(" (fichier de plus de 1 Mo)"));
  EXPECT_EQ(TScores(ini).AddScore(1, 10, QStringLiteral("A")).Message,
            QStringLiteral("Impossible d'écrire dans ") + ini + QStringLiteral(" (fichier de plus de 1 Mo)"));
  EXPECT_EQ(ReadBytes(ini).size(), big.size());
}

// Two windows playing at once keep a game each, a later start offers both,
// newest first, and a window that died leaves its game to take up.
TEST_F(SharedFilesTest, EveryWindowKeepsItsOwnGameLeft) {
  const QString first = program.filePath(QStringLiteral("reprise.txt"));
  const auto texts = [](const TReprise& window) {
    std::vector<std::string> kept;
    for (const TReprise::Kept& game : window.KeptGames()) kept.push_back(game.Text);
    return kept;
  };
  {
    TReprise a(first), b(first);
    a.Keep("A\n");
    b.Keep("B\n");
    a.Flush();
    b.Flush();
    EXPECT_EQ(texts(a), std::vector<std::string>{"A\n"}) << "B is being played";
    EXPECT_FALSE(b.TakeUp(a.Slot()));
  }
  const QString second = program.filePath(QStringLiteral("reprise-2.txt"));
  {
    QFile later(second);  // B left last
    ASSERT_TRUE(later.open(QIODevice::Append));
    ASSERT_TRUE(later.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
  }
  if (::fork() == 0) {  // a window killed in the middle of its game
    TReprise killed(first);
    killed.TakeUp(3);
    killed.Keep("K\n");
    killed.Flush();
    ::_exit(0);  // no destructor: its lock stays
  }
  ::wait(nullptr);
  ASSERT_TRUE(QFileInfo::exists(program.filePath(QStringLiteral("reprise-3.txt.lock"))));

  TReprise c(first);
  EXPECT_EQ(texts(c), (std::vector<std::string>{"B\n", "K\n", "A\n"}));
  // A new game takes the place of the game offered; the others stay.
  c.Keep("C\n");
  c.Flush();
  TReprise d(first);
  EXPECT_EQ(texts(d), (std::vector<std::string>{"K\n", "A\n"}));
  c.Remove();
  c.Flush();
  EXPECT_FALSE(QFileInfo::exists(second));
  EXPECT_EQ(texts(d), (std::vector<std::string>{"K\n", "A\n"}));
}

// A saved-grid file of line ends only, one of a single field of bars and one
// of a grid per character: read and listed in time linear in the size, in a
// small multiple of its memory (the figures themselves are printed by
// bench/orvalis-bench-files).
TEST_F(SharedFilesTest, HostileSavedGridFilesReadLinearly) {
  ASSERT_TRUE(QDir().mkpath(saves.Folder()));
  const QString path = Saved(QStringLiteral("hostile.orv"));
  for (const QByteArray fill : {"\n", "|", "x\n"}) {
    double seconds[2] = {};
    for (const int megabytes : {2, 16}) {
      ASSERT_TRUE(WriteBytes(path, fill.repeated((qsizetype(megabytes) << 20) / fill.size())));
      int pipe[2];
      ASSERT_EQ(::pipe(pipe), 0);
      if (::fork() == 0) {         // a child, so that its peak memory is its own
        rusage before{}, after{};  // processor time: other programs running do not count
        ::getrusage(RUSAGE_SELF, &before);
        TFichier file;
        const bool ok = file.LoadFromFile(path).Ok();
        (void)file.Entry(file.Count() - 1);  // the list reads the entries it shows
        ::getrusage(RUSAGE_SELF, &after);
        const auto cpu = [](const rusage& r) {
          return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) + 1e-6 * double(r.ru_utime.tv_usec + r.ru_stime.tv_usec);
        };
        const double sent[2] = {cpu(after) - cpu(before),
                                ok ? double(after.ru_maxrss - before.ru_maxrss) / 1024 : -1.0};
        (void)!::write(pipe[1], sent, sizeof sent);
        ::_exit(0);
      }
      double got[2] = {};
      ::close(pipe[1]);
      ASSERT_EQ(::read(pipe[0], got, sizeof got), ssize_t(sizeof got));
      ::close(pipe[0]);
      ::wait(nullptr);
      EXPECT_GE(got[1], 0.0) << "the file could not be read";
      EXPECT_LT(got[1], 12.0 * megabytes) << "megabytes of memory for a file of " << megabytes;
      seconds[megabytes / 16] = got[0];
    }
    // Eight times the size: far from the 64 times of a quadratic reading.
    EXPECT_LT(seconds[1], 24 * seconds[0] + 0.5) << "fill " << fill.toStdString();
  }
}

TEST_F(SharedFilesTest, ASaveSyncsTheFolderAndCleansWhatAKilledSaveLeft) {
  ASSERT_TRUE(QDir().mkpath(saves.Folder()));
  // What a save killed after making its new file leaves.
  const QString leftOver = Saved(QStringLiteral(".defaut.orv.tmp-Ab12Cd"));
  const QString players = Saved(QStringLiteral("defaut.orv.tmp-Ab12Cd"));
  ASSERT_TRUE(WriteBytes(leftOver, "moitié"));
  ASSERT_TRUE(WriteBytes(players, "à moi"));
  QStringList synced;
  const FolderSyncObserver previous = SetFolderSyncObserver([&](const QString& folder) { synced.append(folder); });
  EXPECT_TRUE(saves.SaveGrid(QStringLiteral("defaut"), QStringLiteral("g"), QString(), kGrid, kDay).Ok());
  TIniFile settings(ini);
  settings.WriteInteger(QStringLiteral("general"), QStringLiteral("typeecran"), 2);
  EXPECT_TRUE(settings.Save().Ok());
  SetFolderSyncObserver(previous);
  EXPECT_EQ(synced, QStringList({saves.Folder(), program.path()}));
  EXPECT_FALSE(QFileInfo::exists(leftOver));
  EXPECT_TRUE(QFileInfo::exists(players));
}

TEST_F(SharedFilesTest, NamesThatAreNotUtf8AreListedAndOpened) {
  ASSERT_TRUE(QDir().mkpath(saves.Folder()));
  const QByteArray native = QFile::encodeName(saves.Folder()) + "/No\xEBl.orv";  // Latin-1 "Noël"
  const QByteArray line = "g|d|01/01/2026|" + kGrid.toLatin1() + "\r\n";
  FILE* file = std::fopen(native.constData(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(line.constData(), 1, std::size_t(line.size()), file);
  std::fclose(file);

  const std::vector<SavedFileEntry> entries = saves.ListFiles();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Name, QStringLiteral("No\uFFFDl"));
  TFichier read;
  ASSERT_TRUE(read.LoadFromFile(entries[0].Path).Ok());
  ASSERT_EQ(read.Count(), 1);
  EXPECT_EQ(saves.PathOf(entries[0].Name), entries[0].Path);
  ASSERT_TRUE(saves.SaveGrid(entries[0].Name, QStringLiteral("h"), QString(), kGrid, kDay).Ok());
  ASSERT_TRUE(saves.DeleteRecord(entries[0].Path, read.Records[0]).Ok());
  TFichier after;
  EXPECT_TRUE(after.LoadFromFile(entries[0].Path).Ok() && after.Count() == 1 && after.Records[0].Name == u"h");
  // `orvalis FILE` names the file by the bytes of its name.
  const QByteArray puzzles = QFile::encodeName(program.path()) + "/No\xEBl.txt";
  const int fd = ::open(puzzles.constData(), O_WRONLY | O_CREAT, 0644);  // a file of one grid
  ASSERT_TRUE(fd >= 0 && ::write(fd, kGrid.toLatin1().constData(), 81) == 81 && ::close(fd) == 0);
  EXPECT_EQ(ReadPuzzleFile(FromLocalPath(puzzles)).Puzzles.size(), 1u);
}

}  // namespace
