// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window in a fresh program folder, and the gestures of a
// player on it: clicks on labels, on cells, keys.
#pragma once

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <utility>

#include "appfolders.h"
#include "dessin.h"
#include "fonts.h"
#include "gestures.h"
#include "grillesudoku.h"
#include "hotlabel.h"
#include "jeux.h"
#include "main.h"
#include "modal_util.h"

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    InstallFontSubstitutions();
    TAppFolders::Init(Folder.path());
  }
  ~MainWindowTest() override {
    // The window first, as at the end of the program: it waits for the
    // generator's thread.
    Main.reset();
    Dessin.reset();
    TAppFolders::Init();
  }

  QString PathOf(const QString& Name) const { return Folder.filePath(Name); }

  void WriteSettings(const QByteArray& Text) {
    QFile file(PathOf(QStringLiteral("sudoku.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Text);
  }

  QByteArray Settings() const {
    QFile file(PathOf(QStringLiteral("sudoku.ini")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // The program's start: the main window, the holder of the panels' model,
  // the window shown.
  void Start() {
    Main = std::make_unique<Tf_Main>();
    Dessin = std::make_unique<Tf_Dessin>();
    Main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Main.get()));
  }

  Tf_Jeux* Game() const { return qobject_cast<Tf_Jeux*>(Main->CurrentScreen.data()); }

  QTemporaryDir Folder;
  std::unique_ptr<Tf_Main> Main;
  std::unique_ptr<Tf_Dessin> Dessin;
};

inline void Click(QWidget* Widget, Qt::MouseButton Button = Qt::LeftButton) {
  ASSERT_NE(Widget, nullptr);
  ASSERT_TRUE(Widget->isVisible()) << Widget->objectName().toStdString();
  QTest::mouseClick(Widget, Button, {}, Widget->rect().center());
}
