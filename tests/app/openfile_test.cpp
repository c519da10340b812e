// SPDX-License-Identifier: GPL-3.0-or-later
// A file given to the program: a file of puzzles opens "Proposer un puzzle"
// on the puzzle the player picks; a file without a puzzle only says so.
#include <QInputDialog>
#include <QLabel>
#include <QListView>
#include <QMessageBox>

#include "app_test_util.h"

namespace {

const QByteArray First = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
const QByteArray Second = "000000010400000000020000000000050407008000300001090000300400200050100000000806000";

class OpenFileTest : public MainWindowTest {
 protected:
  QString Write(const QString& Name, const QByteArray& Bytes) {
    QFile file(PathOf(Name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Bytes);
    return file.fileName();
  }
};

TEST_F(OpenFileTest, TheSecondPuzzleOfAListIsReadyToBeVerified) {
  WriteSettings("[general]\ntypeecran=2\n");
  Start();
  const QString path = Write(QStringLiteral("deux.txt"), First + "\n" + Second + " # dix-sept\n");
  WhenModal([](QWidget* List) {
    auto* dialog = qobject_cast<QInputDialog*>(List);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->comboBoxItems().size(), 2);
    dialog->setTextValue(dialog->comboBoxItems().at(1));
    dialog->accept();
  });
  Main->OpenFile(path);
  ASSERT_NE(Game(), nullptr);
  EXPECT_TRUE(Main->p_Form->isVisible());
  EXPECT_FALSE(Game()->Grid().GameMode());
  EXPECT_EQ(Game()->Grid().PuzzleText(), QString::fromLatin1(Second).replace(u'0', u'.'));
}

TEST_F(OpenFileTest, AtFullScreenTheListOpensCentredAndADoubleClickChooses) {
  WriteSettings("[general]\ntypeecran=1\n");
  Start();
  const QString path = Write(QStringLiteral("deux.txt"), First + "\n" + Second + "\n");
  QPoint offCentre;
  WhenModal([this, &offCentre](QWidget* List) {
    offCentre = List->frameGeometry().center() - Main->frameGeometry().center();
    auto* lines = List->findChild<QListView*>();
    const QPoint second = lines->visualRect(lines->model()->index(1, 0)).center();
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(lines->viewport(), Qt::LeftButton, {}, second);
  });
  Main->OpenFile(path);
  EXPECT_LE(offCentre.manhattanLength(), 2) << offCentre.x() << ", " << offCentre.y();
  ASSERT_NE(Game(), nullptr);
  EXPECT_EQ(Game()->Grid().PuzzleText(), QString::fromLatin1(Second).replace(u'0', u'.'));
}

TEST_F(OpenFileTest, AFileWithoutAPuzzleGetsAMessageAndTheMenuStays) {
  WriteSettings("[general]\ntypeecran=2\n");
  Start();
  const QString path = Write(QStringLiteral("liste.sdk"), "#A rien\n53..7....\n6..195...\nBonjour\n");
  QString message;
  WhenModal([&](QWidget* Box) {
    message = qobject_cast<QMessageBox*>(Box) ? qobject_cast<QMessageBox*>(Box)->text() : QString();
    Box->close();
  });
  Main->OpenFile(path);
  EXPECT_TRUE(message.contains(QStringLiteral("ne contient aucune grille"))) << message.toStdString();
  EXPECT_EQ(Main->CurrentScreen, nullptr);
  EXPECT_FALSE(Main->p_Form->isVisible());
}

}  // namespace
