// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the first start's question, the background pictures, the
// screens it frees, and the end of the program while a grid is generated.
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>

#include "app_test_util.h"
#include "generateur.h"
#include "image.h"
#include "options.h"
#include "storagetest.h"
#include "threadgeneration.h"

namespace {

QString Question;

// Answers the first start's question with Yes or No and keeps its text.
void AnswerScreenMode(bool FullScreen) {
  Question.clear();
  WhenModal([FullScreen](QWidget* Box) {
    Question = Box->windowTitle() + QLatin1Char('|') + qobject_cast<QMessageBox*>(Box)->text();
    ClickButton(Box, FullScreen ? QStringLiteral("Oui") : QStringLiteral("Non"));
  });
}

}  // namespace

TEST_F(MainWindowTest, TheFirstStartAsksForTheScreenModeOnce) {
  AnswerScreenMode(false);
  Start();
  QTRY_VERIFY(!Question.isEmpty());
  EXPECT_EQ(Question, QStringLiteral("Mode de jeu|Souhaitez vous lancer le logiciel en mode plein écran"));
  EXPECT_TRUE(Settings().contains("typeecran=2"));
  EXPECT_FALSE(Main->isFullScreen());
  EXPECT_EQ(Main->size(), QSize(Tf_Main::WindowedWidth, Tf_Main::WindowedHeight));

  // A second start does not ask.
  Main.reset();
  bool missed = false;
  Question.clear();
  WhenModal(
      [](QWidget* Box) {
        Question = Box->windowTitle();
        Box->close();
      },
      &missed, 300);
  Start();
  QTRY_VERIFY(missed);

  // Yes, on a fresh folder, makes the window full screen once it is shown.
  Main.reset();
  QFile::remove(PathOf(QStringLiteral("sudoku.ini")));
  AnswerScreenMode(true);
  Start();
  QTRY_VERIFY(!Question.isEmpty());
  QTRY_VERIFY(Main->isFullScreen());
  EXPECT_TRUE(Settings().contains("typeecran=1"));
}

TEST_F(MainWindowTest, TheMenuStandsCentredOnItsBoard) {
  WriteSettings("[general]\ntypeecran=2\n");
  Start();
  for (const QSize size : {QSize(697, 570), QSize(1400, 900)}) {
    Main->resize(size);
    const QPoint board = Main->Image2->pos();
    EXPECT_EQ(board, QPoint((size.width() - Tf_Main::BoardWidth) / 2, (size.height() - Tf_Main::BoardHeight) / 2));
    EXPECT_EQ(Main->Image3->pos(), board + QPoint(80, 13));
    EXPECT_EQ(Main->hl_nouveau->y(), board.y() + 108);
    EXPECT_EQ(Main->hl_Quitter->y(), board.y() + 375);
    EXPECT_NEAR(Main->hl_Option->geometry().center().x(), Main->rect().center().x(), 1);
  }
}

TEST_F(MainWindowTest, BackgroundsFallBackToAPlainColour) {
  WriteSettings("[general]\ntypeecran=2\n");
  // No images folder: a plain colour, no error.
  Start();
  EXPECT_FALSE(Main->Image1->HasPicture());
  EXPECT_TRUE(Main->Image1->Couleur().isValid());
  const QImage plain = Main->grab().toImage();
  EXPECT_EQ(plain.pixelColor(5, 5), Main->Image1->Couleur());
  Main.reset();

  // The real picture, then a damaged one.
  ASSERT_TRUE(QDir(Folder.path()).mkdir(QStringLiteral("images")));
  ASSERT_TRUE(QFile::copy(QStringLiteral(ORVALIS_BUILD_IMAGES "/fond.jpg"), PathOf(QStringLiteral("images/fond.jpg"))));
  Start();
  EXPECT_TRUE(Main->Image1->HasPicture());
  Main.reset();
  QFile damaged(PathOf(QStringLiteral("images/fond.jpg")));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
  damaged.write("\xff\xd8 not quite a picture");
  damaged.close();
  Start();
  EXPECT_FALSE(Main->Image1->HasPicture());
}

// A pipe or a device where the settings are, or a background named by a path
// out of "images/", would each hold the start forever (or eat the memory):
// the window is made at once, with the defaults, and the player is told.
TEST_F(MainWindowTest, HostileSettingsFilesStartTheGameAtOnce) {
  const QByteArray ini = QFile::encodeName(PathOf(QStringLiteral("sudoku.ini")));
  const QByteArray fifo = QFile::encodeName(PathOf(QStringLiteral("fifo.jpg")));
  const std::vector<std::pair<const char*, std::function<void()>>> cases = {
      {"sudoku.ini is a pipe", [&] { ASSERT_EQ(::mkfifo(ini.constData(), 0644), 0); }},
      {"sudoku.ini leads to /dev/zero", [&] { ASSERT_EQ(::symlink("/dev/zero", ini.constData()), 0); }},
      {"FondEcran leads out of images/", [&] {
         ASSERT_EQ(::mkfifo(fifo.constData(), 0644), 0);
         ASSERT_TRUE(QDir(Folder.path()).mkpath(QStringLiteral("images")));
         WriteSettings("[general]\ntypeecran=2\nFondEcran=../fifo.jpg\n");
       }}};
  for (const auto& [what, prepare] : cases) {
    SCOPED_TRACE(what);
    ASSERT_NO_FATAL_FAILURE(prepare());
    ErrorBoxRecorder box;
    const auto start = std::chrono::steady_clock::now();
    Main = std::make_unique<Tf_Main>();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    Main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Main.get()));
    // A refused "sudoku.ini" is told; the background is the first one.
    if (std::string(what).starts_with("sudoku.ini")) QTRY_COMPARE(box.Messages.size(), 1);
    EXPECT_EQ(Main->Options->FondEcran, QStringLiteral("fond.jpg"));
    Main.reset();
    QFile::remove(PathOf(QStringLiteral("sudoku.ini")));
  }
}

TEST_F(MainWindowTest, ACancelledNewGameLeavesTheMenuAndFreesTheScreen) {
  WriteSettings("[general]\ntypeecran=2\n");
  Start();
  QPointer<QWidget> game;
  WhenModal([&](QWidget* Levels) {
    game = Main->CurrentScreen;
    Levels->close();
  });
  Click(Main->hl_nouveau);
  EXPECT_FALSE(Main->p_Form->isVisible());
  EXPECT_EQ(Main->CurrentScreen, nullptr);
  ASSERT_NE(game, nullptr);
  QTRY_VERIFY_WITH_TIMEOUT(game.isNull(), 3000);
}

TEST_F(MainWindowTest, QuittingDuringAnExpertGenerationStopsTheThread) {
  WriteSettings("[general]\ntypeecran=2\n");
  Start();
  bool ready = false;
  Main->Generateur->GetGrid(4, ready);
  ASSERT_FALSE(ready);
  ASSERT_EQ(Main->Generateur->Current, 4);
  QPointer<TThreadGeneration> thread = Main->Generateur->Thread;
  ASSERT_NE(thread, nullptr);
  Click(Main->hl_Quitter);
  EXPECT_FALSE(Main->isVisible());
  Main.reset();  // the end of the program
  EXPECT_TRUE(thread.isNull());
}
