// SPDX-License-Identifier: GPL-3.0-or-later
// Locks that never hang and never lie: odd things at a lock's path, a holder
// that died or is stopped, a lock file of another account's.
#include "filelock.h"

#include <sys/stat.h>
#include <sys/wait.h>

#include <functional>

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>

#include "inifile.h"
#include "scores.h"
#include "statistiques.h"
#include "storagetest.h"

namespace {

class FileLockTest : public ::testing::Test {
 protected:
  QTemporaryDir program;
  QString ini = program.filePath(QStringLiteral("sudoku.ini"));
  QString lockPath = ini + QStringLiteral(".lock");

  // A child process runs Child, sends back its text and stops itself when
  // asked; the parent goes on once it has the text.
  static QByteArray InChild(const std::function<QByteArray()>& Child, pid_t& Pid, bool Stop = false) {
    int pipe[2];
    if (::pipe(pipe) != 0) return {};
    if ((Pid = ::fork()) == 0) {
      const QByteArray text = Child();
      (void)!::write(pipe[1], text.constData(), std::size_t(text.size()));
      if (Stop) ::raise(SIGSTOP);
      ::_exit(0);
    }
    ::close(pipe[1]);
    QByteArray text(4096, '\0');
    text.truncate(std::max<ssize_t>(0, ::read(pipe[0], text.data(), 4096)));
    ::close(pipe[0]);
    return text;
  }
  QString SaveSettings() const {
    TIniFile settings(ini);
    settings.WriteInteger(QStringLiteral("general"), QStringLiteral("typeecran"), 2);
    return settings.Save().Message;
  }
};

// A pipe, a link to a device, a folder or a 1 GB sparse file at the lock's
// path: a save says so at once and the file stays as it was.
TEST_F(FileLockTest, ALockThatIsNoPlainFileRefusesAtOnceAndSaysWhy) {
  ASSERT_TRUE(WriteBytes(ini, "[general]\ntypeecran=1\n"));
  const std::function<bool()> makers[] = {
      [&] { return ::mkfifo(QFile::encodeName(lockPath).constData(), 0644) == 0; },
      [&] { return QFile::link(QStringLiteral("/dev/zero"), lockPath); },
      [&] { return QDir().mkdir(lockPath); },
      [&] { return QFile(lockPath).open(QIODevice::WriteOnly) && QFile(lockPath).resize(qint64(1) << 30); },
  };
  for (const auto& make : makers) {
    ASSERT_TRUE(make());
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(
        SaveSettings(),
        QStringLiteral("Impossible d'écrire dans %1 (le verrou %2 n'est pas un fichier ordinaire)").arg(ini, lockPath));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(ReadBytes(ini), "[general]\ntypeecran=1\n");
    QFile::remove(lockPath);
    QDir(lockPath).removeRecursively();
  }
}

// A window stopped in the middle of a save: the other's scores and
// statistics are postponed at once, shown, and reach the file once the
// stopped window is gone (killed: its lock is taken at once).
TEST_F(FileLockTest, AStoppedWindowDelaysScoresAndStatisticsWithoutLosingThem) {
  pid_t child = 0;
  const auto holdLock = [&] { return QByteArray::number((new TFileLock(ini))->Acquire().Ok()); };
  ASSERT_EQ(InChild(holdLock, child, true), "1");
  {
    TScores scores(ini);
    TStatistiques stats(ini);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(scores.AddScore(2, 300, QStringLiteral("B")).Status, FileStatus::Postponed);
    EXPECT_EQ(stats.RecordStarted(TOrigin::Dealt, 2).Status, FileStatus::Postponed);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(scores.StoredScore(2, 1), 300) << "the table shown has it";
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
  }  // the last writes, as the window closes
  EXPECT_EQ(TScores(ini).StoredScore(2, 1), 300);
  EXPECT_EQ(TStatistiques(ini).Level(2).Started, 1);
}

// A lock file left by another account, which this player may neither open
// nor remove (a sticky folder): the save says so at once and names it.
TEST_F(FileLockTest, ALockThatCanBeNeitherOpenedNorRemovedIsNamed) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to play another account";
  constexpr uid_t Nobody = 65534;
  ASSERT_EQ(::chmod(QFile::encodeName(program.path()).constData(), 01777), 0);
  ASSERT_TRUE(WriteBytes(lockPath, ""));
  ASSERT_TRUE(QFile::setPermissions(lockPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
  pid_t child = 0;
  const QByteArray told = InChild(
      [&] { return ::setgid(Nobody) == 0 && ::setuid(Nobody) == 0 ? SaveSettings().toUtf8() : QByteArray(); }, child);
  ::waitpid(child, nullptr, 0);
  EXPECT_EQ(
      QString::fromUtf8(told),
      QStringLiteral("Impossible d'écrire dans %1 (le verrou %2 ne peut être ni ouvert ni retiré (accès refusé)\u00A0: "
                     "supprimez ce fichier)")
          .arg(ini, lockPath));
}

}  // namespace
