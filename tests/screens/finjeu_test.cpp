// SPDX-License-Identifier: GPL-3.0-or-later
#include "finjeu.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "fonts.h"
#include "hotlabel.h"
#include "image.h"
#include "recorder.h"
#include "score.h"
#include "scores.h"
#include "statistiques.h"
#include "storagetest.h"

namespace {

// Answers the name box, when one comes up, the way a player does, and keeps
// what it showed. A box that never comes up leaves Shown false.
class NameBox {
 public:
  enum Answer { TypeThenOk, Cancel, CloseBox };

  explicit NameBox(Answer How, QString Typed = {}) : how_(How), typed_(std::move(Typed)) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Act(); });
    timer_.start(0);
  }

  bool Shown = false;
  QString Title;
  QString Prompt;
  QString Prefilled;
  QStringList Buttons;

 private:
  void Act() {
    QWidget* modal = QApplication::activeModalWidget();
    auto* box = qobject_cast<QInputDialog*>(modal);
    if (box == nullptr) {
      if (modal != nullptr) modal->close();
      return;
    }
    Shown = true;
    Title = box->windowTitle();
    Prompt = box->labelText();
    Prefilled = box->findChild<QLineEdit*>()->text();
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    for (QPushButton* button : box->findChildren<QPushButton*>()) {
      Buttons.append(button->text());
      if (button->text() == QLatin1String("OK")) ok = button;
      if (button->text() == QLatin1String("Annuler")) cancel = button;
    }
    Buttons.sort();
    switch (how_) {
      case TypeThenOk: {
        QLineEdit* edit = box->findChild<QLineEdit*>();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed_);
        if (ok != nullptr) QTest::mouseClick(ok, Qt::LeftButton);
        break;
      }
      case Cancel:
        if (cancel != nullptr) QTest::mouseClick(cancel, Qt::LeftButton);
        break;
      case CloseBox:
        break;
    }
    // Whatever the buttons did, the box goes away now.
    if (box->isVisible()) box->close();
  }

  Answer how_;
  QString typed_;
  QTimer timer_;
};

class FinJeuTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString path = dir.filePath(QStringLiteral("sudoku.ini"));
  ErrorBoxRecorder errors;
  TScores scores{path};

  static QString Prompt(const char* RankText) {
    return QStringLiteral("Vous avez réalisé le %1 score pour ce niveau de difficulté. Veuillez saisir votre nom")
        .arg(QString::fromUtf8(RankText));
  }
  // The result of a game of the level finished in Time seconds (0: untimed),
  // shown by the dialog over the table.
  bool Show(Tf_FinJeu& Dialog, std::uint32_t Time, int Hints, int Level, bool Candidates, TScores& Table) {
    TGameResult result;
    result.Score = ComputeScore(Time, Hints, Level, Candidates);
    result.Timed = Time != 0;
    result.Level = Level;
    result.Helps = Hints;
    result.CandidatesShown = Candidates;
    result.Counts = true;
    TStatistiques statistics(path);
    TRecorder recorder(Table, statistics);
    return Dialog.ShowScore(result, recorder);
  }
  // How far the lowest choice stands from the dialog's bottom edge.
  static int ReturnFromBottom(Tf_FinJeu& Dialog) {
    return Dialog.height() - Dialog.hl_Retour->mapTo(&Dialog, QPoint(0, 0)).y();
  }
};

}  // namespace

TEST_F(FinJeuTest, LevelTwoWithThreeHelpsAndCandidatesScoresTwelveThirtyAndStoresTheName) {
  Tf_FinJeu dialog;
  NameBox box(NameBox::TypeThenOk, QStringLiteral("Ana"));
  EXPECT_TRUE(Show(dialog, 600, 3, 2, true, scores));

  EXPECT_EQ(dialog.Label4->text(), QStringLiteral("Pénalité aide (30s/aide)"));
  EXPECT_EQ(dialog.l_temps->text(), QStringLiteral("10:00"));
  EXPECT_EQ(dialog.l_aide->text(), QStringLiteral("01:30"));
  EXPECT_EQ(dialog.l_possibilite->text(), QStringLiteral("1:00"));
  EXPECT_EQ(dialog.l_Score->text(), QStringLiteral("12:30"));
  EXPECT_EQ(dialog.size(), QSize(321, 359));
  EXPECT_FALSE(dialog.Panel1->isHidden());

  ASSERT_TRUE(box.Shown);
  EXPECT_EQ(box.Title, QStringLiteral("High-Score"));
  EXPECT_EQ(box.Prompt, Prompt("1er"));
  EXPECT_EQ(box.Prefilled, QStringLiteral("Orvalis"));
  EXPECT_EQ(box.Buttons, QStringList({QStringLiteral("Annuler"), QStringLiteral("OK")}));

  const TScores stored(path);
  EXPECT_EQ(stored.StoredScore(2, 1), 750);
  EXPECT_EQ(stored.StoredName(2, 1), QStringLiteral("Ana"));
  EXPECT_TRUE(errors.Messages.isEmpty());
}

TEST_F(FinJeuTest, UntimedGameIsShorterShowsNoScoreAndAsksNothing) {
  Tf_FinJeu timed;
  Tf_FinJeu dialog;
  NameBox box(NameBox::TypeThenOk, QStringLiteral("Ana"));
  EXPECT_TRUE(Show(dialog, 0, 3, 2, true, scores));
  EXPECT_EQ(dialog.height(), 225);
  EXPECT_TRUE(dialog.Panel1->isHidden());
  EXPECT_TRUE(dialog.hl_HighScore->isHidden());
  EXPECT_TRUE(dialog.Image5->isHidden());
  EXPECT_FALSE(dialog.hl_Retour->isHidden());
  // The choices keep their distance from the bottom edge.
  EXPECT_EQ(ReturnFromBottom(dialog), ReturnFromBottom(timed));
  QCoreApplication::processEvents();
  EXPECT_FALSE(box.Shown);
  EXPECT_EQ(scores.StoredScore(2, 1), EmptyScore);
  EXPECT_FALSE(QFile::exists(path));
}

TEST_F(FinJeuTest, ScoreEqualToTheFirstRanksFirstAndCancelStoresOrvalis) {
  ASSERT_TRUE(scores.AddScore(2, 750, QStringLiteral("Ancien")).Ok());
  Tf_FinJeu dialog;
  NameBox box(NameBox::Cancel);
  EXPECT_TRUE(Show(dialog, 600, 3, 2, true, scores));
  EXPECT_EQ(box.Prompt, Prompt("1er"));
  const TScores stored(path);
  EXPECT_EQ(stored.StoredName(2, 1), QStringLiteral("Orvalis"));
  EXPECT_EQ(stored.StoredScore(2, 2), 750);
  EXPECT_EQ(stored.StoredName(2, 2), QStringLiteral("Ancien"));
}

TEST_F(FinJeuTest, SecondPlaceWithoutPenaltiesAndAnEmptyNameStoredEmpty) {
  ASSERT_TRUE(scores.AddScore(1, 100, QStringLiteral("Ana")).Ok());
  Tf_FinJeu dialog;
  NameBox box(NameBox::TypeThenOk, QString());
  EXPECT_TRUE(Show(dialog, 200, 0, 1, false, scores));
  EXPECT_EQ(dialog.l_aide->text(), QStringLiteral("00:00"));
  EXPECT_EQ(dialog.l_possibilite->text(), QStringLiteral("0"));
  EXPECT_EQ(dialog.l_Score->text(), QStringLiteral("03:20"));
  EXPECT_EQ(box.Prompt, Prompt("2ème"));
  const TScores stored(path);
  EXPECT_EQ(stored.StoredScore(1, 2), 200);
  EXPECT_EQ(stored.StoredName(1, 2), QString());
}

TEST_F(FinJeuTest, ExpertPenaltyAndClosingTheNameBoxStoresOrvalis) {
  Tf_FinJeu dialog;
  NameBox box(NameBox::CloseBox);
  EXPECT_TRUE(Show(dialog, 3599, 2, 4, false, scores));
  EXPECT_EQ(dialog.Label4->text(), QStringLiteral("Pénalité aide (60s/aide)"));
  EXPECT_EQ(dialog.l_aide->text(), QStringLiteral("02:00"));
  EXPECT_EQ(dialog.l_Score->text(), QStringLiteral("1:01:59"));
  EXPECT_TRUE(box.Shown);
  const TScores stored(path);
  EXPECT_EQ(stored.StoredScore(4, 1), 3719);
  EXPECT_EQ(stored.StoredName(4, 1), QStringLiteral("Orvalis"));
}

TEST_F(FinJeuTest, AScoreBehindTheTenthAsksNothingAndStoresNothing) {
  for (int rank = 1; rank <= 10; ++rank) ASSERT_TRUE(scores.AddScore(3, 100, QStringLiteral("Ana")).Ok());
  const QByteArray before = ReadBytes(path);
  Tf_FinJeu dialog;
  NameBox box(NameBox::TypeThenOk, QStringLiteral("Bea"));
  EXPECT_TRUE(Show(dialog, 101, 0, 3, false, scores));
  QCoreApplication::processEvents();
  EXPECT_FALSE(box.Shown);
  EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(FinJeuTest, AnUnwritableFileIsReportedAndTheDialogIsNotToBeShown) {
  ASSERT_TRUE(QDir().mkpath(path));  // a folder where the file should be
  TScores blocked(path);
  Tf_FinJeu dialog;
  NameBox box(NameBox::TypeThenOk, QStringLiteral("Ana"));
  EXPECT_FALSE(Show(dialog, 600, 3, 2, true, blocked));
  EXPECT_TRUE(box.Shown);
  ASSERT_EQ(errors.Messages.size(), 1);
  EXPECT_TRUE(errors.Messages[0].startsWith(CannotWriteMessage(path))) << errors.Messages[0].toStdString();
}

TEST_F(FinJeuTest, EachChoiceAndItsPictureCloseWithTheirTagAndTheCloseBoxWithZero) {
  const std::pair<const char*, int> controls[] = {{"hl_HighScore", 1}, {"Image5", 1},     {"hl_Sauver", 2},
                                                  {"Image4", 2},       {"hl_Nouveau", 3}, {"Image7", 3},
                                                  {"hl_Retour", 4},    {"Image8", 4},     {nullptr, 0}};
  for (const auto& [name, tag] : controls) {
    Tf_FinJeu dialog;
    QTimer::singleShot(0, [&dialog, name = name] {
      if (name == nullptr) {
        dialog.close();
        return;
      }
      QWidget* control = dialog.findChild<QWidget*>(QString::fromLatin1(name));
      if (control != nullptr) QTest::mouseClick(control, Qt::LeftButton);
      if (dialog.isVisible()) dialog.close();
    });
    EXPECT_EQ(dialog.exec(), tag == 0 ? QDialog::Rejected : QDialog::Accepted) << (name ? name : "close box");
    EXPECT_EQ(dialog.Tag, tag) << (name ? name : "close box");
  }
}

TEST_F(FinJeuTest, NoValueTouchesItsCaptionAndTheValuesShareOneRightEdge) {
  struct Case {
    std::uint32_t Time;
    int Hints;
    int Level;
    const char* Longest;
  };
  InstallFontSubstitutions();  // the player's fonts, as wide as they are on screen
  for (const Case& c : {Case{300, 5, 4, "05:00"}, Case{600, 200, 4, "3:20:00"}, Case{36000, 0, 1, "10:00:00"}}) {
    SCOPED_TRACE(c.Longest);
    Tf_FinJeu dialog;
    NameBox box(NameBox::Cancel);
    ASSERT_TRUE(Show(dialog, c.Time, c.Hints, c.Level, true, scores));
    const QRect block = dialog.Panel1->rect();
    int right = -1;
    for (const auto& [caption, value] :
         {std::pair{dialog.Label2, dialog.l_Score}, std::pair{dialog.Label3, dialog.l_temps},
          std::pair{dialog.Label4, dialog.l_aide}, std::pair{dialog.Label5, dialog.l_possibilite}}) {
      SCOPED_TRACE(caption->text().toStdString() + " " + value->text().toStdString());
      const int captionEnd = caption->x() + QFontMetrics(caption->font()).horizontalAdvance(caption->text());
      const int valueStart =
          value->geometry().right() + 1 - QFontMetrics(value->font()).horizontalAdvance(value->text());
      EXPECT_LE(captionEnd, caption->geometry().right() + 1);
      EXPECT_GE(valueStart - captionEnd, 8);
      EXPECT_TRUE(block.contains(value->geometry()));
      if (right >= 0) {
        EXPECT_EQ(value->geometry().right(), right);
      }
      right = value->geometry().right();
    }
    EXPECT_TRUE(dialog.rect().contains(dialog.Panel1->mapTo(&dialog, block.bottomRight())));
  }
}
