// SPDX-License-Identifier: GPL-3.0-or-later
// Locks that never hang and never lie: odd things at a lock's path, a holder
// that died, a holder that is stopped, a lock of another account's.
#include "filelock.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "dossiersauvegarde.h"
#include "inifile.h"
#include "scores.h"
#include "statistiques.h"
#include "storagetest.h"

namespace {

double SecondsOf(const std::function<void()>& Run) {
  const auto start = std::chrono::steady_clock::now();
  Run();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A child process that holds the file's lock, then does what Then says
// (stop itself, or end without letting go); the parent goes on once the
// lock is held.
pid_t HoldLockInChild(const QString& File, const std::function<void()>& Then) {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  const pid_t child = ::fork();
  if (child == 0) {
    TFileLock lock(File);
    const char held = lock.Acquire().Ok() ? 1 : 0;
    (void)!::write(ready[1], &held, 1);
    Then();
    ::_exit(0);
  }
  char held = 0;
  ::close(ready[1]);
  const bool ok = ::read(ready[0], &held, 1) == 1 && held == 1;
  ::close(ready[0]);
  return ok ? child : -1;
}

class FileLockTest : public ::testing::Test {
 protected:
  QTemporaryDir program;
  QString ini = program.filePath(QStringLiteral("sudoku.ini"));
  QString lockPath = ini + QStringLiteral(".lock");
};

// A pipe, a link to a device, a folder or a 1 GB sparse file at the lock's
// path: every save says so at once and the file stays as it was.
TEST_F(FileLockTest, ALockThatIsNoPlainFileRefusesAtOnceAndSaysWhy) {
  ASSERT_TRUE(WriteBytes(ini, "[general]\ntypeecran=1\n"));
  const std::function<bool()> makers[] = {
      [&] { return ::mkfifo(QFile::encodeName(lockPath).constData(), 0644) == 0; },
      [&] { return QFile::link(QStringLiteral("/dev/zero"), lockPath); },
      [&] { return QDir().mkdir(lockPath); },
      [&] {
        QFile sparse(lockPath);
        return sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(1) << 30);
      },
  };
  for (std::size_t k = 0; k < std::size(makers); ++k) {
    ASSERT_TRUE(makers[k]()) << "case " << k;
    TIniFile settings(ini);
    settings.WriteInteger(QStringLiteral("general"), QStringLiteral("typeecran"), 2);
    FileResult saved;
    EXPECT_LT(SecondsOf([&] { saved = settings.Save(); }), 1.0) << "case " << k;
    EXPECT_EQ(saved.Message, QStringLiteral("Impossible d'écrire dans %1 (le verrou %2 n'est pas un fichier ordinaire)")
                                 .arg(ini, lockPath))
        << "case " << k;
    EXPECT_EQ(ReadBytes(ini), "[general]\ntypeecran=1\n");
    QDir(lockPath).removeRecursively();
    QFile::remove(lockPath);
  }
}

// A window killed while it held the lock: the next save takes it at once.
TEST_F(FileLockTest, TheLockOfADeadWindowIsTakenAtOnce) {
  const pid_t child = HoldLockInChild(ini, [] { ::_exit(0); });
  ASSERT_GT(child, 0);
  ASSERT_EQ(::waitpid(child, nullptr, 0), child);
  ASSERT_TRUE(QFileInfo::exists(lockPath)) << "the lock file stays behind";
  FileResult added;
  EXPECT_LT(SecondsOf([&] { added = TScores(ini).AddScore(1, 100, QStringLiteral("A")); }), 1.0);
  EXPECT_EQ(added.Status, FileStatus::Ok);
  EXPECT_EQ(TScores(ini).StoredScore(1, 1), 100);
}

// A window stopped in the middle of a save: the other's scores and
// statistics wait in it, the window answering, and reach the file once
// the stopped one is gone.
TEST_F(FileLockTest, AStoppedWindowDelaysScoresAndStatisticsWithoutLosingThem) {
  const pid_t child = HoldLockInChild(ini, [] { ::raise(SIGSTOP); });
  ASSERT_GT(child, 0);
  {
    TScores scores(ini);
    TStatistiques stats(ini);
    FileResult added, started;
    EXPECT_LT(SecondsOf([&] {
                added = scores.AddScore(2, 300, QStringLiteral("B"));
                started = stats.RecordStarted(2);
              }),
              1.0);
    EXPECT_EQ(added.Status, FileStatus::Postponed);
    EXPECT_EQ(started.Status, FileStatus::Postponed);
    EXPECT_TRUE(added.Message.isEmpty());
    EXPECT_EQ(scores.StoredScore(2, 1), 300) << "the table shown has it";
    EXPECT_EQ(stats.Level(2).Started, 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
  }  // the last writes as the window closes
  EXPECT_EQ(TScores(ini).StoredScore(2, 1), 300);
  EXPECT_EQ(TStatistiques(ini).Level(2).Started, 1);
}

// A lock file left by another account, which this player may neither open
// nor remove: the save says so at once and names the file to remove.
TEST_F(FileLockTest, ALockThatCanBeNeitherOpenedNorRemovedIsNamed) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to play another account";
  constexpr uid_t Nobody = 65534;
  ASSERT_EQ(::chmod(QFile::encodeName(program.path()).constData(), 01777), 0);  // as /tmp: sticky
  ASSERT_TRUE(WriteBytes(lockPath, ""));
  ASSERT_EQ(::chmod(QFile::encodeName(lockPath).constData(), 0600), 0);
  int answer[2];
  ASSERT_EQ(::pipe(answer), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0) ::_exit(2);
    TIniFile settings(ini);
    settings.WriteInteger(QStringLiteral("general"), QStringLiteral("typeecran"), 2);
    const QByteArray message = settings.Save().Message.toUtf8();
    (void)!::write(answer[1], message.constData(), std::size_t(message.size()));
    ::_exit(0);
  }
  ::close(answer[1]);
  QByteArray told(4096, '\0');
  const ssize_t got = ::read(answer[0], told.data(), std::size_t(told.size()));
  ::close(answer[0]);
  ::waitpid(child, nullptr, 0);
  told.truncate(std::max<ssize_t>(got, 0));
  EXPECT_EQ(QString::fromUtf8(told),
            QStringLiteral("Impossible d'écrire dans %1 (le verrou %2 ne peut être ni ouvert ni retiré (accès refusé) : "
                           "supprimez ce fichier)")
                .arg(ini, lockPath));
  EXPECT_FALSE(QFileInfo::exists(ini));
}

}  // namespace
