// SPDX-License-Identifier: GPL-3.0-or-later
// The level choice, the end dialog and the game screen in English: texts from
// the built translation, each fitting its room; French once it goes.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>
#include <QTranslator>

#include "appfolders.h"
#include "choixniveau.h"
#include "finjeu.h"
#include "grillesudoku.h"
#include "hotlabel.h"
#include "image.h"
#include "jeux.h"
#include "options.h"
#include "screens_test_util.h"

namespace {

const QString EnglishFile = QStringLiteral(ORVALIS_QM_DIR "/orvalis_en.qm");

// English for as long as it lives, French again after.
class English {
 public:
  English() : loaded_(translator_.load(EnglishFile) && QCoreApplication::installTranslator(&translator_)) {
    if (loaded_) QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
  }
  ~English() {
    QCoreApplication::removeTranslator(&translator_);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  }
  bool Loaded() const { return loaded_; }

 private:
  QTranslator translator_;
  bool loaded_;
};

// The labels of Form whose text is wider (or, wrapped, taller) than the label.
QStringList Clipped(const QWidget& Form) {
  QStringList clipped;
  for (const QLabel* label : Form.findChildren<QLabel*>()) {
    if (label->isHidden() || label->text().isEmpty()) continue;
    const QSize room = label->size();
    const bool fits = label->wordWrap() ? label->heightForWidth(room.width()) <= room.height()
                                        : label->sizeHint().width() <= room.width();
    if (!fits) clipped << label->text();
  }
  return clipped;
}

class EnglishScreens : public ::testing::Test, protected ScreenTestBase {
 protected:
  void SetUp() override {
    if (!QFileInfo::exists(EnglishFile))
      GTEST_SKIP() << "No English translation at " << EnglishFile.toStdString() << ": build orvalis_translations";
  }
};

}  // namespace

TEST_F(EnglishScreens, DialogsSpeakEnglishAndEveryTextFits) {
  {
    English english;
    ASSERT_TRUE(english.Loaded());
    Tf_ChoixNiveau levels;
    EXPECT_EQ(levels.windowTitle(), QStringLiteral("Choose a level"));
    EXPECT_EQ(levels.hl_facile->text(), QStringLiteral("Easy"));
    EXPECT_EQ(levels.hl_Diabolique->text(), QStringLiteral("Fiendish"));
    levels.ShowDailyDone(75);
    EXPECT_TRUE(levels.l_GrilleDuJour->text().endsWith(QStringLiteral("\nsolved in 01:15")));
    EXPECT_EQ(Clipped(levels), QStringList());

    Tf_FinJeu end;
    EXPECT_EQ(end.windowTitle(), QStringLiteral("Well done"));
    EXPECT_EQ(Clipped(end), QStringList());
  }
  Tf_ChoixNiveau levels;
  EXPECT_EQ(levels.hl_facile->text(), QStringLiteral("Facile"));
}

// The commands of the game screen stay clear of the pictures at the ends of
// their lines, at the smallest window and a large one.
TEST_F(EnglishScreens, GameCommandsFitTheirPanels) {
  QTemporaryDir folder;
  TAppFolders::Init(folder.path());
  TOptions options(folder.filePath(QStringLiteral("sudoku.ini")));
  {
    English english;
    ASSERT_TRUE(english.Loaded());
    Tf_Jeux game;
    game.Start({&options, nullptr, nullptr, nullptr}, TStart(TStartKind::AsIs));
    for (const QSize size : {QSize(697, 570), QSize(1920, 1080)}) {
      game.resize(size);
      game.show();
      QCoreApplication::processEvents();
      const auto command = [&game](const char* Name) { return game.findChild<THotLabel*>(QString::fromLatin1(Name)); };
      EXPECT_EQ(command("hl_Possibilite")->text(), QStringLiteral("Show candidates"));
      const std::pair<const char*, const char*> ends[] = {{"hl_Annuler", "im_Retablir"},
                                                          {"hl_Possibilite", "im_RemplirNotes"},
                                                          {"hl_Indice", "im_CoupDePouce"},
                                                          {"hl_imprimer", "im_Carnet"}};
      for (const auto& [line, picture] : ends) {
        const auto* icon = game.findChild<TImage*>(QString::fromLatin1(picture));
        EXPECT_LT(command(line)->geometry().right(), icon->x()) << line << " at " << size.width();
      }
      EXPECT_EQ(Clipped(game), QStringList()) << size.width();
    }
  }
  TAppFolders::Init();
}
