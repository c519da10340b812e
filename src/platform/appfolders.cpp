#include "appfolders.h"

#include <QCoreApplication>
#include <QDir>

namespace {

struct Folders {
  QString Data;
  QString Player;
};

Folders& Current() {
  static Folders folders;
  return folders;
}

// Until Init runs, the folders are the running program's own.
const Folders& Decided() {
  if (Current().Data.isEmpty()) TAppFolders::Init();
  return Current();
}

}  // namespace

void TAppFolders::Init(const QString& ProgramFolder) {
  const QString folder = QDir::cleanPath(
      ProgramFolder.isEmpty() ? QCoreApplication::applicationDirPath() : ProgramFolder);
  Current() = {folder, folder};
}

QString TAppFolders::DataFolder() { return Decided().Data; }

QString TAppFolders::PlayerFolder() { return Decided().Player; }

QString TAppFolders::ImagesFolder() { return DataFolder() + QStringLiteral("/images"); }

QString TAppFolders::HelpFile() { return DataFolder() + QStringLiteral("/orvalis.chm"); }

QString TAppFolders::SettingsFile() { return PlayerFolder() + QStringLiteral("/sudoku.ini"); }
