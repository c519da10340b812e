// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the tests of the storage dialogs and the options screen: a program
// folder of their own, the shared panel model, the error box replaced by a
// recorder, and a main window stand-in that records what the screens ask of it.
#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include "appfolders.h"
#include "dessin.h"
#include "image.h"
#include "options.h"
#include "shell.h"
#include "storagetest.h"

// The background each choice gives in these tests.
inline const QColor ClassicColor{200, 160, 100};
inline const QColor CloudsColor{150, 200, 250};

class FakeShell : public TShell {
 public:
  FakeShell() {
    MainWindow.setGeometry(100, 80, 697, 570);
    SetShell(this);
  }
  ~FakeShell() override { SetShell(nullptr); }
  FakeShell(const FakeShell&) = delete;
  FakeShell& operator=(const FakeShell&) = delete;

  // A plain picture of the colour of the background chosen in Options.
  void LoadBackground(TImage& Image) override {
    QImage picture(40, 30, QImage::Format_RGB32);
    const bool clouds = Options != nullptr && Options->FondEcran == QStringLiteral("LightClouds.jpeg");
    picture.fill(clouds ? CloudsColor : ClassicColor);
    Image.SetImage(picture);
  }
  void BackgroundChanged() override { Calls << QStringLiteral("BackgroundChanged"); }
  void ShowMenu() override { Calls << QStringLiteral("ShowMenu"); }
  void ShowScores(int Level) override { Calls << QStringLiteral("ShowScores(%1)").arg(Level); }
  void OpenHelp() override { Calls << QStringLiteral("OpenHelp"); }
  void ApplyScreenMode(bool FullScreen) override {
    Calls << QStringLiteral("ApplyScreenMode(%1)").arg(FullScreen ? "plein" : "fenetre");
  }
  QWidget* Window() override { return &MainWindow; }

  TOptions* Options = nullptr;
  QWidget MainWindow;
  QStringList Calls;
};

class StorageScreensTest : public ::testing::Test {
 protected:
  // The folders are decided before the members of a derived test are made.
  StorageScreensTest() { TAppFolders::Init(Program.path()); }
  ~StorageScreensTest() override { TAppFolders::Init(); }
  void SetUp() override { ASSERT_TRUE(Program.isValid()); }

  QString SaveFolder() const { return Program.filePath(QStringLiteral("Sauvegarde")); }

  QTemporaryDir Program;
  Tf_Dessin Dessin;
  ErrorBoxRecorder Errors;
  FakeShell Main;
};

// Runs Answer on the modal dialog that the next step opens, once it is up.
template <class Dialog, class Action>
void WhenModal(Action Answer) {
  QTimer::singleShot(0, [Answer] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr) << "no such dialog is open";
    Answer(*dialog);
  });
}
