// SPDX-License-Identifier: GPL-3.0-or-later
// What players of today's games expect, on the real main window: the menu on
// the keyboard, the keys of every screen, the pause when the window is
// minimised, no game lost at quitting, and a name for every control.
#include <chrono>
#include <functional>
#include <iostream>

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>

#include "app_test_util.h"
#include "boutoncoche.h"
#include "charge.h"
#include "child_util.h"
#include "choixniveau.h"
#include "finjeu.h"
#include "generation.h"
#include "grilleaccessible.h"
#include "image.h"
#include "look.h"
#include "options.h"
#include "optionsscreen.h"
#include "partie.h"
#include "regles.h"
#include "reprise.h"
#include "rondcoche.h"
#include "sauve.h"
#include "scores.h"
#include "shortcut_util.h"
#include "statistiques.h"

namespace {

THotLabel* Label(QWidget* Dialog, const char* Name) { return Dialog->findChild<THotLabel*>(QLatin1String(Name)); }

// A key pressed where the keyboard focus is.
void Press(QWidget* Window, Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
  QWidget* target = QApplication::focusWidget();
  QTest::keyClick(target != nullptr ? target : Window, Key, Modifiers);
}

// The controls under Root that a screen reader could not name: every widget
// the keyboard reaches, every clickable label, box, button and picture.
QStringList Unnamed(QWidget* Root) {
  QStringList unnamed;
  for (QWidget* widget : Root->findChildren<QWidget*>()) {
    // A list's popup and an editable list's text belong to the list.
    if (widget->window() != Root->window() || qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr) continue;
    const bool clickablePicture =
        qobject_cast<TImage*>(widget) != nullptr && widget->cursor().shape() == Qt::PointingHandCursor;
    const bool control = (widget->focusPolicy() & Qt::TabFocus) != 0 || qobject_cast<THotLabel*>(widget) ||
                         qobject_cast<TBoutonCoche*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
                         clickablePicture;
    if (!control) continue;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (face == nullptr || face->text(QAccessible::Name).trimmed().isEmpty())
      unnamed << QStringLiteral("%1 %2").arg(QString::fromLatin1(widget->metaObject()->className()),
                                             widget->objectName());
  }
  return unnamed;
}

// Passes when every control under Root has a name; else lists those without.
::testing::AssertionResult AllNamed(QWidget* Root) {
  const QStringList unnamed = Unnamed(Root);
  if (unnamed.isEmpty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "unnamed: " << unnamed.join(QStringLiteral(", ")).toStdString();
}

class ComfortTest : public MainWindowTest {
 protected:
  void StartActive(const QByteArray& Settings = "[general]\ntypeecran=2\n") {
    WriteSettings(Settings);
    Start();
    Activate();
  }

  // The main window in front, as it is again once a dialog has closed.
  void Activate() {
    Main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Main.get()));
  }

  // "Nouvelle partie" by its key, "Facile" (or the choice named) in the
  // level choice; a game waiting to be taken up is let go ("Non").
  Tf_Jeux* NewGame(const char* Choice = "hl_facile") {
    AnswerWaitingThen([Choice](QWidget* Levels) { Click(Label(Levels, Choice)); });
    Press(Main.get(), Qt::Key_N, Qt::ControlModifier);
    Tf_Jeux* game = Game();
    EXPECT_NE(game, nullptr);
    if (game != nullptr) {
      EXPECT_TRUE(game->isVisible());
    }
    Activate();
    return game;
  }

  // The question about a game waiting, if it comes, answered "Non"; then
  // Then on the next dialog.
  static void AnswerWaitingThen(const std::function<void(QWidget*)>& Then) {
    WhenModal([Then](QWidget* Modal) {
      if (qobject_cast<QMessageBox*>(Modal) == nullptr) return Then(Modal);
      WhenModal(Then);
      ClickButton(Modal, QStringLiteral("Non"));
    });
  }

  // One right digit in the first empty cell.
  static void PlayOneDigit(Tf_Jeux* Game) {
    TGrilleSudoku* grid = &Game->Grid();
    const auto [row, col] = EmptyCells(grid->Grille()).front();
    ClickCell(grid, row, col);
    TypeDigit(grid, SolutionDigit(grid->Grille(), row, col));
  }
};

}  // namespace

TEST_F(ComfortTest, TheMenuOnTheKeyboard) {
  StartActive();
  Press(Main.get(), Qt::Key_Tab);
  EXPECT_TRUE(Main->hl_nouveau->HasKeyFocus());
  EXPECT_EQ(Main->hl_nouveau->TextColor(), Look::Colours().Hover) << "drawn as under the pointer";
  Press(Main.get(), Qt::Key_Down);
  Press(Main.get(), Qt::Key_Down);
  EXPECT_TRUE(Main->hl_puzzle->HasKeyFocus());
  EXPECT_FALSE(Main->hl_nouveau->IsHot());
  Press(Main.get(), Qt::Key_Return);
  ASSERT_NE(Game(), nullptr);
  EXPECT_FALSE(Game()->Grid().GameMode()) << "Proposer un puzzle";
  Press(Main.get(), Qt::Key_Escape);
  EXPECT_FALSE(Main->p_Form->isVisible()) << "Retour au menu";

  // Each command's key, while the menu is shown only.
  Press(Main.get(), Qt::Key_L, Qt::ControlModifier);
  EXPECT_NE(qobject_cast<Tf_Regles*>(Main->CurrentScreen.data()), nullptr);
  EXPECT_FALSE(Main->hl_nouveau->isVisible()) << "neither Tab nor a key reaches the covered menu";
  bool missed = false;
  WhenModal([](QWidget* Dialog) { Dialog->close(); }, &missed, 300);
  Press(Main.get(), Qt::Key_N, Qt::ControlModifier);
  QTRY_VERIFY(missed);
  // F1 opens the help on every screen (here the file is missing: it says so).
  QString told;
  WhenModal([&told](QWidget* Box) {
    told = qobject_cast<QMessageBox*>(Box)->text();
    Box->close();
  });
  Press(Main.get(), Qt::Key_F1);
  EXPECT_TRUE(told.contains(QStringLiteral("orvalis.chm")));
  Click(Label(Main->CurrentScreen, "hl_Retour"));
  Activate();
  // The key each label's tooltip names is the one that runs it.
  const TooltipKeys menuKeys = CheckTooltipKeys(*Main);
  EXPECT_GE(menuKeys.Checked, 7) << "a key for each of the seven labels";
  EXPECT_TRUE(menuKeys.Unbound.isEmpty()) << menuKeys.Unbound.join(QLatin1Char('\n')).toStdString();
  Press(Main.get(), Qt::Key_Comma, Qt::ControlModifier);
  EXPECT_NE(qobject_cast<Tf_Options*>(Main->CurrentScreen.data()), nullptr);
}

TEST_F(ComfortTest, QuittingAGameInProgressAsksToSaveItFirst) {
  StartActive("[general]\ntypeecran=2\nReprendrePartie=0\n");
  Tf_Jeux* game = NewGame();
  ASSERT_NE(game, nullptr);
  PlayOneDigit(game);

  // Ctrl+Q, "Annuler": the game goes on.
  QString question;
  WhenModal([&question](QWidget* Box) {
    question = qobject_cast<QMessageBox*>(Box)->text();
    ClickButton(Box, QStringLiteral("Annuler"));
  });
  Press(Main.get(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(question, QStringLiteral("Voulez-vous enregistrer la partie en cours\u00A0?"));
  EXPECT_TRUE(Main->isVisible());
  Activate();

  // Ctrl+Q, "Oui", saved: the program ends with the game in its file.
  WhenModal([](QWidget* Box) {
    WhenModal([](QWidget* Save) {
      Save->findChild<QLineEdit*>(QStringLiteral("e_NomGrille"))->setText(QStringLiteral("Partie interrompue"));
      Click(Save->findChild<QPushButton*>(QStringLiteral("b_Enregistrer")));
    });
    ClickButton(Box, QStringLiteral("Oui"));
  });
  Press(Main.get(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(Main->isVisible());
  QFile saved(PathOf(QStringLiteral("Sauvegarde/defaut.orv")));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_TRUE(saved.readAll().contains("Partie interrompue"));
  EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("reprise.txt")))) << "the setting is off";
}

TEST_F(ComfortTest, AGameLeftComesBackFromTheMenuExactlyAsItWas) {
  StartActive();
  EXPECT_TRUE(Find<THotLabel>(*Main, "hl_Reprendre")->isHidden()) << "no game to take up yet";
  Tf_Jeux* game = NewGame();
  ASSERT_NE(game, nullptr);
  PlayOneDigit(game);
  const auto [row, col] = EmptyCells(game->Grid().Grille()).front();
  ClickCell(&game->Grid(), row, col);
  TypeDigit(&game->Grid(), 7, Qt::ControlModifier);
  Click(Find<THotLabel>(game, "hl_Indice"));
  const std::string left = game->Partie().ResumeText();
  const int seconds = game->ElapsedSeconds();
  const QString tip = Find<QTextBrowser>(game, "MemoAstuce")->toPlainText();
  game->Grid().SelRow = 9;  // the player looks elsewhere before quitting
  game->Grid().SelCol = 9;

  // Quitting asks nothing: the game is kept.
  bool asked = false;
  bool watchEnded = false;
  WhenModal(
      [&asked](QWidget* Box) {
        asked = true;
        Box->close();
      },
      &watchEnded, 500);
  Press(Main.get(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(Main->isVisible());
  QTRY_VERIFY_WITH_TIMEOUT(watchEnded || asked, 2000);
  EXPECT_FALSE(asked);

  // The next start offers it, and brings it back.
  Main.reset();
  Start();
  Activate();
  THotLabel* resume = Find<THotLabel>(*Main, "hl_Reprendre");
  ASSERT_TRUE(resume->isVisible());
  Click(resume);
  game = Game();
  ASSERT_NE(game, nullptr);
  ASSERT_TRUE(game->isVisible());
  EXPECT_EQ(game->Partie().ResumeText().substr(left.find("aides")), left.substr(left.find("aides")))
      << "the same grid, marks, hint and helps";
  EXPECT_GE(game->ElapsedSeconds(), seconds);
  EXPECT_EQ(Find<QLabel>(game, "l_Indice")->text(), QStringLiteral("1"));
  EXPECT_EQ(Find<QTextBrowser>(game, "MemoAstuce")->toPlainText(), tip) << "the hint's sentence";
  EXPECT_EQ(std::pair(game->Grid().SelRow, game->Grid().SelCol), std::pair(9, 9)) << "the selection";

  // A new game takes its place.
  Click(Find<THotLabel>(game, "hl_Menu"));
  EXPECT_TRUE(Find<THotLabel>(*Main, "hl_Reprendre")->isVisible());
  NewGame();
  Click(Find<THotLabel>(Game(), "hl_Menu"));
  Main->Reprise->Flush();
  EXPECT_NE(Main->Reprise->KeptGames().at(0).Text.substr(left.find("aides")), left.substr(left.find("aides")));
}

TEST_F(ComfortTest, TypingAPuzzleInNeverReplacesTheGameWaiting) {
  StartActive();
  Tf_Jeux* game = NewGame();
  ASSERT_NE(game, nullptr);
  for (int k = 0; k < 5; ++k) PlayOneDigit(game);
  const std::string digits = game->Grid().Grille().SaveToText(true, 0, 0, 0);
  Press(Main.get(), Qt::Key_Escape);
  // "Proposer un puzzle": the question, "Non", one digit typed, back to the menu.
  QString asked;
  WhenModal([&asked](QWidget* Box) {
    asked = qobject_cast<QMessageBox*>(Box)->text();
    ClickButton(Box, QStringLiteral("Non"));
  });
  Press(Main.get(), Qt::Key_T, Qt::ControlModifier);
  EXPECT_TRUE(asked.startsWith(QStringLiteral("Une partie interrompue attend d'être reprise.")));
  Activate();
  ASSERT_NE(Game(), nullptr);
  ClickCell(&Game()->Grid(), 1, 1);
  TypeDigit(&Game()->Grid(), 5);
  Press(Main.get(), Qt::Key_Escape);
  Press(Main.get(), Qt::Key_R, Qt::ControlModifier);
  ASSERT_NE(Game(), nullptr);
  EXPECT_TRUE(Game()->Grid().GameMode());
  EXPECT_EQ(Game()->Grid().Grille().SaveToText(true, 0, 0, 0), digits) << "the \"Facile\" game, as it was left";
}

TEST_F(ComfortTest, TheSettingOffAndOnNeverBringsBackAnOlderGame) {
  StartActive();
  PlayOneDigit(NewGame());
  Press(Main.get(), Qt::Key_Escape);
  ASSERT_TRUE(Find<THotLabel>(*Main, "hl_Reprendre")->isVisible());
  // Off: a game played and left (its question answered "Non") takes the
  // place of the one waiting, though nothing is kept.
  Main->Options->ReprendrePartie = false;
  PlayOneDigit(NewGame());
  WhenModal([](QWidget* Question) { ClickButton(Question, QStringLiteral("Non")); });
  Press(Main.get(), Qt::Key_Escape);
  Main->Options->ReprendrePartie = true;
  Main->hl_regleClick();  // a screen and back: the menu asks again what there is to take up
  Main->ShowMenu();
  EXPECT_TRUE(Find<THotLabel>(*Main, "hl_Reprendre")->isHidden());
}

TEST_F(ComfortTest, ADailyGridFinishedTwiceCountsOnce) {
  StartActive();
  for (const bool replay : {false, true}) {
    SCOPED_TRACE(replay ? "the replay" : "the first time");
    QString dailyLine;
    AnswerWaitingThen([&dailyLine](QWidget* Levels) {
      dailyLine = Levels->findChild<QLabel*>(QStringLiteral("l_GrilleDuJour"))->text();
      Click(Label(Levels, "hl_GrilleDuJour"));
    });
    Press(Main.get(), Qt::Key_N, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(Game() != nullptr && Game()->isVisible(), 20000);
    EXPECT_EQ(dailyLine.contains(QStringLiteral("terminée")), replay);
    Activate();
    // "Résoudre", "Oui"; the first time the score ranks and a name is asked.
    bool named = false;
    WhenModal([&named](QWidget* Question) {
      WhenModal([&named](QWidget* Next) {
        if (auto* box = qobject_cast<QInputDialog*>(Next)) {
          named = true;
          WhenModal([](QWidget* End) { Click(Label(End, "hl_Retour")); });
          box->reject();
          return;
        }
        Click(Label(Next, "hl_Retour"));
      });
      ClickButton(Question, QStringLiteral("Oui"));
    });
    Press(Main.get(), Qt::Key_F9);
    QTRY_VERIFY_WITH_TIMEOUT(!Main->p_Form->isVisible(), 5000);
    EXPECT_EQ(named, !replay);
    EXPECT_EQ(Main->Statistiques_->DailyFinished(), 1);
  }
  int ranked = 0;
  for (int level = 1; level <= 4; ++level) ranked += Main->Scores->StoredScore(level, 1) != EmptyScore ? 1 : 0;
  EXPECT_EQ(ranked, 1) << "one high score for one daily grid";
}

TEST_F(ComfortTest, AResumedDailyGridIsStillTheDailyGridOfItsDay) {
  using namespace std::chrono;
  TPartie daily;
  auto grid = std::make_unique<TGrille>();
  grid->LoadFromText("530070000600195000098000060800060003400803001700020006060000280000419005000080079", {});
  ASSERT_TRUE(daily.NewGame(std::move(grid), LevelFacile, 2026y / December / 7));
  daily.Enter(1, 3, 4, false);
  {
    QFile kept(PathOf(QStringLiteral("reprise.txt")));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write(QByteArray::fromStdString(daily.ResumeText()));
  }
  StartActive();
  Click(Find<THotLabel>(*Main, "hl_Reprendre"));
  Tf_Jeux* game = Game();
  ASSERT_NE(game, nullptr);
  const QString memo = Find<QTextBrowser>(game, "MemoAstuce")->toPlainText();
  EXPECT_TRUE(memo.startsWith(QStringLiteral("Grille du jour du lundi 7 décembre 2026"))) << memo.toStdString();
}

TEST_F(ComfortTest, MinimisingTheWindowPausesTheGame) {
  StartActive();
  Tf_Jeux* game = NewGame();
  ASSERT_NE(game, nullptr);
  EXPECT_FALSE(game->Paused());
  Main->showMinimized();
  QTRY_VERIFY(game->Paused());
  Main->showNormal();
  Main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Main.get()));
  EXPECT_TRUE(game->Paused()) << "until the player comes back to it";
  EXPECT_TRUE(Find<QWidget>(game, "p_Pause")->isVisible());
  Press(Main.get(), Qt::Key_Space);
  EXPECT_FALSE(game->Paused());
}

TEST_F(ComfortTest, EveryControlHasANameForScreenReaders) {
  StartActive();
  EXPECT_TRUE(AllNamed(Main.get())) << "the menu";
  Tf_Jeux* game = NewGame();
  ASSERT_NE(game, nullptr);
  EXPECT_TRUE(AllNamed(game)) << "the game screen";
  PlayOneDigit(game);
  WhenModal([](QWidget* Box) { ClickButton(Box, QStringLiteral("Non")); });
  Press(Main.get(), Qt::Key_Escape);
  ASSERT_FALSE(Main->p_Form->isVisible());
  Click(Main->hl_Option);
  EXPECT_TRUE(AllNamed(Main->CurrentScreen)) << "the options";
  Click(Label(Main->CurrentScreen, "hl_MeilleursScores"));
  EXPECT_TRUE(AllNamed(Main->CurrentScreen)) << "the high scores";
  Click(Label(Main->CurrentScreen, "hl_RetourMenu"));
  Click(Main->hl_regle);
  EXPECT_TRUE(AllNamed(Main->CurrentScreen)) << "the rules";
  Click(Label(Main->CurrentScreen, "hl_Retour"));
  Click(Main->hl_Astuces);
  EXPECT_TRUE(AllNamed(Main->CurrentScreen)) << "the tips";

  Tf_ChoixNiveau levels;
  EXPECT_TRUE(AllNamed(&levels)) << "the level choice";
  Tf_FinJeu end;
  EXPECT_TRUE(AllNamed(&end)) << "the end of a game";
  Tf_Sauve save;
  EXPECT_TRUE(AllNamed(&save)) << "the save dialog";
  Tf_Charge load;
  EXPECT_TRUE(AllNamed(&load)) << "the load dialog";
  Tf_generation wait;
  EXPECT_TRUE(AllNamed(&wait)) << "the wait dialog";
}

// The grid as screen readers hear it: a table of 81 cells, the selection
// focused, changes announced (the offscreen display has no accessibility:
// the announcements are heard where the grid makes them).
namespace {
std::vector<std::pair<QAccessible::Event, int>> Heard;
}  // namespace

TEST_F(ComfortTest, TheGridIsATableOf81CellsThatSayWhatTheyHold) {
  Heard.clear();
  GrilleAccessible::Listener = [](QAccessibleEvent* Event) { Heard.emplace_back(Event->type(), Event->child()); };
  const auto heard = [](QAccessible::Event Type, int Row, int Col) {
    return std::count(Heard.begin(), Heard.end(), std::pair(Type, (Row - 1) * 9 + Col - 1)) > 0;
  };
  StartActive("[general]\ntypeecran=2\nErreurJeu=1\n");
  Tf_Jeux* game = NewGame();
  ASSERT_NE(game, nullptr);
  TGrilleSudoku* grid = &game->Grid();
  grid->LoadGrid(QStringLiteral("5300700006001950000980000600800600034008030017000200060600002800004190050000800"
                                "79"),
                 QString(), 1);
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
  ASSERT_TRUE(table != nullptr && table->tableInterface() != nullptr && table->role() == QAccessible::Table);
  EXPECT_EQ(table->tableInterface()->rowCount() * table->tableInterface()->columnCount(), 81);
  ClickCell(grid, 1, 3);
  EXPECT_TRUE(heard(QAccessible::Focus, 1, 3));
  TypeDigit(grid, 9);  // wrong: the solution's row is 5 3 4 6 7 8 9 1 2
  EXPECT_TRUE(heard(QAccessible::NameChanged, 1, 3) && heard(QAccessible::ValueChanged, 1, 3));
  ClickCell(grid, 1, 4);
  for (const int mark : {1, 3, 8}) TypeDigit(grid, mark, Qt::ControlModifier);
  QTest::keyClick(grid, Qt::Key_Right);
  EXPECT_TRUE(heard(QAccessible::Focus, 1, 6)) << "over the given of (1, 5)";
  TypeDigit(grid, 8);
  const auto said = [table](int Row, int Col) {
    return table->tableInterface()->cellAt(Row - 1, Col - 1)->text(QAccessible::Name);
  };
  EXPECT_EQ(said(1, 1), QStringLiteral("ligne 1, colonne 1, 5, donné"));
  EXPECT_EQ(said(1, 3), QStringLiteral("ligne 1, colonne 3, 9, erreur"));
  EXPECT_EQ(said(1, 4), QStringLiteral("ligne 1, colonne 4, vide, notes 1 3 8"));
  EXPECT_EQ(said(1, 6), QStringLiteral("ligne 1, colonne 6, 8"));
  QAccessibleInterface* focused = table->focusChild();
  ASSERT_NE(focused, nullptr);
  EXPECT_EQ(table->indexOfChild(focused), 5);
  EXPECT_TRUE(focused->state().focused && focused->state().selected);
  GrilleAccessible::Listener = nullptr;

  // The tree a screen reader walks.
  std::cout << "Table \"" << table->text(QAccessible::Name).toStdString() << "\":\n";
  for (int k = 0; k < table->childCount(); ++k) {
    QAccessibleInterface* cell = table->child(k);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    std::cout << "  Cell \"" << cell->text(QAccessible::Name).toStdString() << "\"\n";
  }
  EXPECT_EQ(table->childCount(), 81);
}

TEST_F(ComfortTest, DigitFirstTheChosenDigitGoesIntoEveryCellClicked) {
  StartActive();
  Press(Main.get(), Qt::Key_Comma, Qt::ControlModifier);
  auto* options = qobject_cast<Tf_Options*>(Main->CurrentScreen.data());
  ASSERT_NE(options, nullptr);
  Click(options->rc_ChiffreCase);
  Click(options->hl_Retour);
  EXPECT_TRUE(Settings().contains("Saisie=1"));
  Tf_Jeux* game = NewGame();
  ASSERT_NE(game, nullptr);
  TGrilleSudoku* grid = &game->Grid();
  const auto [row, col] = EmptyCells(grid->Grille()).front();
  const auto [row2, col2] = EmptyCells(grid->Grille()).back();
  Click(DigitButton(game, 4));
  EXPECT_TRUE(DigitButton(game, 4)->isChecked()) << "the chosen digit stands out on its button";
  EXPECT_EQ(grid->State().Chosen, 5) << "and in the grid";
  ClickCell(grid, row, col);
  ClickCell(grid, row2, col2);
  EXPECT_EQ(grid->Grille().GetDigit(row, col) * 10 + grid->Grille().GetDigit(row2, col2), 55);
  ClickCell(grid, row2, col2);
  EXPECT_EQ(grid->Grille().GetDigit(row2, col2), 0) << "a second click takes the digit back";
  ClickCell(grid, row2, col2, Qt::RightButton);
  EXPECT_EQ(grid->Grille().Notes[std::size_t(Cell(row2, col2))], 1u << 4) << "the right button marks";
  TypeDigit(grid, 4);
  EXPECT_TRUE(DigitButton(game, 3)->isChecked() && !DigitButton(game, 4)->isChecked()) << "the keys choose too";
  TypeDigit(grid, 4);
  EXPECT_FALSE(DigitButton(game, 3)->isChecked()) << "the same digit again puts it down";
}

// Échap leaves every screen of the menu, and Entrée runs each dialog's
// default choice: "Facile" in the level choice.
TEST_F(ComfortTest, EscapeLeavesEveryScreenAndEnterChoosesInTheLevelChoice) {
  StartActive();
  const std::pair<const char*, Qt::Key> screens[] = {{"f_Options", Qt::Key_Comma},
                                                     {"f_Regles", Qt::Key_L},
                                                     {"f_Astuces", Qt::Key_U},
                                                     {"f_Scores", Qt::Key_M},
                                                     {"f_Statistiques", Qt::Key_S}};
  for (const auto& [name, key] : screens) {
    Press(Main.get(), key, Qt::ControlModifier);
    EXPECT_EQ(Main->CurrentScreen->objectName(), QLatin1String(name));
    Press(Main.get(), Qt::Key_Escape);
    EXPECT_FALSE(Main->p_Form->isVisible()) << name;
    Activate();
  }
  AnswerWaitingThen([](QWidget* Levels) {
    for (int k = 0; k < 50 && Levels->focusWidget() == nullptr; ++k) QTest::qWait(10);
    QTest::keyClick(Levels->focusWidget() != nullptr ? Levels->focusWidget() : Levels, Qt::Key_Return);
  });
  Press(Main.get(), Qt::Key_N, Qt::ControlModifier);
  ASSERT_NE(Game(), nullptr);
  EXPECT_EQ(Game()->Partie().Level(), 1);
}
