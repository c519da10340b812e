// SPDX-License-Identifier: GPL-3.0-or-later
#include "appfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <pwd.h>
#include <unistd.h>

#include "encodings.h"

// The installed data folder as seen from the installed program's folder; the
// build gives it from the install layout.
#ifndef ORVALIS_DATA_FROM_BIN
#define ORVALIS_DATA_FROM_BIN "../share/orvalis"
#endif

namespace {

struct Folders {
  QString Data;
  QString Player;
};

Folders& Current() {
  static Folders folders;
  return folders;
}

// Until Init runs, the folders are decided for the running program.
const Folders& Decided() {
  if (Current().Data.isEmpty()) TAppFolders::Init();
  return Current();
}

bool HoldsData(const QString& folder) { return QFileInfo(folder + QStringLiteral("/images")).isDir(); }

// Whether a new file can be made in the folder, found by making one (and
// removing it at once): the modes do not tell, root ignores them.
bool TakesNewFiles(const QString& folder) {
  QTemporaryFile probe(folder + QStringLiteral("/.orvalis-XXXXXX"));
  return probe.open();
}

// The user's home: $HOME when it names a folder from the root, else the
// account's own (a session started without HOME would otherwise put the
// player's files under "/.local" at the root).
QString HomeFolder() {
  const QByteArray home = qgetenv("HOME");
  if (home.startsWith('/')) return FromLocalPath(home);
  const passwd* account = ::getpwuid(::getuid());
  if (account != nullptr && account->pw_dir != nullptr && account->pw_dir[0] == '/')
    return FromLocalPath(account->pw_dir);
  return {};
}

}  // namespace

void TAppFolders::Init(const QString& ProgramFolder) {
  const QString program =
      QDir::cleanPath(ProgramFolder.isEmpty() ? QCoreApplication::applicationDirPath() : ProgramFolder);

  QString data = program;
  if (!HoldsData(program)) {
    const QString installed = QDir::cleanPath(program + QLatin1Char('/') + QStringLiteral(ORVALIS_DATA_FROM_BIN));
    if (HoldsData(installed)) data = installed;
  }

  QString player = program;
  if (data != program || !TakesNewFiles(program)) {
    const QString user = UserDataFolder();
    if (!user.isEmpty()) {
      player = user;
      // A folder that cannot be made is told about at the first write.
      QDir().mkpath(player + QStringLiteral("/Sauvegarde"));
    }
  }
  Current() = {data, player};
}

// $XDG_DATA_HOME when it names a folder from the root (the XDG rules say to
// ignore a relative one), else ~/.local/share.
QString TAppFolders::UserDataFolder() {
  const QByteArray xdg = qgetenv("XDG_DATA_HOME");
  QString base;
  if (xdg.startsWith('/'))
    base = FromLocalPath(xdg);
  else if (const QString home = HomeFolder(); !home.isEmpty())
    base = home + QStringLiteral("/.local/share");
  return base.isEmpty() ? QString() : QDir::cleanPath(base + QStringLiteral("/orvalis"));
}

QString TAppFolders::DataFolder() { return Decided().Data; }

QString TAppFolders::PlayerFolder() { return Decided().Player; }

QString TAppFolders::ImagesFolder() { return DataFolder() + QStringLiteral("/images"); }

QString TAppFolders::HelpFile() { return DataFolder() + QStringLiteral("/orvalis.chm"); }

QString TAppFolders::TranslationsFolder() { return DataFolder() + QStringLiteral("/translations"); }

QString TAppFolders::SettingsFile() { return PlayerFolder() + QStringLiteral("/sudoku.ini"); }

QString TAppFolders::ResumeFile() { return PlayerFolder() + QStringLiteral("/reprise.txt"); }
