// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen on its own, over a known position: the clock, the help
// counter, the end of a game with and without errors, verification of a typed
// puzzle, and what a cancelled level choice or "Effacer la grille" leaves;
// the keys of the commands, redo, the pause, copy and paste, and the question
// before a game is left.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <tuple>

#include "hotlabel.h"
#include "image.h"
#include "rondcoche.h"

#include "appfolders.h"
#include "child_util.h"
#include "finjeu.h"
#include "gridview/gridview_test_util.h"
#include "grillesudoku.h"
#include "jeux.h"
#include "modal_util.h"
#include "options.h"
#include "recorder.h"
#include "scores.h"
#include "screens_test_util.h"
#include "shortcut_util.h"
#include "statistiques.h"
#include "wholelines.h"

namespace {

const QString Puzzle =
    QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000080079");
const QString Solved =
    QStringLiteral("534678912672195348198342567859761423426853791713924856961537284287419635345286179");

// The solved grid with cells emptied ('0') or changed.
QString Changed(std::initializer_list<std::pair<int, char>> Cells) {
  QString digits = Solved;
  for (const auto& [index, c] : Cells) digits[index] = QLatin1Char(c);
  return digits;
}

constexpr int Cell11 = 2;   // row 1, column 3: 4, not a given
constexpr int Cell12 = 3;   // row 1, column 4: 6
constexpr int Cell13 = 5;   // row 1, column 6: 8
constexpr int Cell14 = 10;  // row 2, column 2: 7

class GameScreenTest : public ::testing::Test, protected ScreenTestBase {
 protected:
  GameScreenTest()
      : Options(Folder.filePath(QStringLiteral("sudoku.ini"))),
        Scores(Folder.filePath(QStringLiteral("sudoku.ini"))),
        Statistiques(Folder.filePath(QStringLiteral("sudoku.ini"))) {
    TAppFolders::Init(Folder.path());
    Game.Partie().SetClock([this] { return Now; });
    Game.resize(900, 600);
  }
  ~GameScreenTest() override { TAppFolders::Init(); }

  // A game of level Level on the position, the clock at its start.
  void Play(const QString& Digits, int Level = 1) {
    Game.Grid().SetGameMode(true);
    Game.Grid().LoadGrid(Puzzle, Digits, std::uint8_t(Level));
    Start(TStartKind::AsIs);
  }
  // The screen begun the way asked, with the fixture's settings and records.
  void Start(TStartKind How) {
    Game.Start({&Options, &Recorder, nullptr, nullptr}, TStart(How));
    Game.show();
  }

  // The screen is the active window, so that its keys work.
  void Activate() {
    Game.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Game));
  }

  // A key pressed on the grid, the screen active again after a dialog.
  void Key(Qt::Key K, Qt::KeyboardModifiers M = Qt::NoModifier) {
    if (QApplication::activeWindow() != &Game) Activate();
    QTest::keyClick(&Game.Grid(), K, M);
  }

  int Digit(int Row, int Col) const { return Game.Grid().Grille().GetDigit(Row, Col); }

  // The title of the next modal window, which is then closed.
  void WatchModal(QString& Seen) {
    WhenModal([&Seen](QWidget* Dialog) {
      Seen = Dialog->objectName().isEmpty() ? QString::fromLatin1(Dialog->metaObject()->className())
                                            : Dialog->objectName();
      Dialog->close();
    });
  }

  void Type(int Row, int Col, int Digit) {
    TGrilleSudoku* grid = &Game.Grid();
    grid->SelRow = Row;
    grid->SelCol = Col;
    QTest::keyClick(grid, Qt::Key(Qt::Key_0 + Digit));
  }

  // What the end-of-game dialog showed, if it came; it is then closed. The
  // name box that may come before it is answered "Annuler".
  struct EndSeen {
    bool Shown = false;
    bool Timed = false;
    QString Score;
  };
  void WatchEnd(EndSeen& Seen) {
    WhenModal([this, &Seen](QWidget* Dialog) {
      auto* end = qobject_cast<Tf_FinJeu*>(Dialog);
      if (end == nullptr) {
        WatchEnd(Seen);
        Dialog->close();
        return;
      }
      Seen.Shown = true;
      Seen.Timed = end->Panel1->isVisible();
      Seen.Score = end->l_Score->text();
      end->close();
    });
  }

  QTemporaryDir Folder;
  TOptions Options;
  TScores Scores;
  TStatistiques Statistiques;
  TRecorder Recorder{Scores, Statistiques};
  std::uint64_t Now = 10000;
  Tf_Jeux Game;
};

TEST_F(GameScreenTest, WithoutTheClockTheTimeIsADashAndTheEndHasNoScore) {
  Options.AffichageChrono = false;
  Play(Changed({{Cell11, '0'}}));
  EXPECT_EQ(Find<QLabel>(Game, "l_Temps")->text(), QStringLiteral("-"));
  EXPECT_FALSE(Find<QTimer>(Game, "t_Chronometre")->isActive());
  Now += 90000;
  EndSeen end;
  WatchEnd(end);
  Type(1, 3, 4);
  EXPECT_TRUE(end.Shown);
  EXPECT_FALSE(end.Timed) << "a game without a clock gets no score";
  EXPECT_EQ(Shell_.MenuShown, 1);
}

TEST_F(GameScreenTest, ReinitialiserKeepsTheTimeAndTheHelps) {
  Play(Changed({{Cell11, '0'}, {Cell12, '0'}, {Cell13, '0'}}));
  Now += 30000;
  Game.hl_IndiceClick();
  Game.hl_IndiceClick();
  EXPECT_EQ(Game.Partie().Helps(), 2);
  EXPECT_FALSE(Find<QTextBrowser>(Game, "MemoAstuce")->toPlainText().isEmpty());
  Game.hl_reinitClick();
  EXPECT_EQ(Game.Partie().Helps(), 2);
  EXPECT_EQ(Game.ElapsedSeconds(), 30);
  EXPECT_EQ(Game.Grid().CountEmpty(), 51) << "back to the givens";
  EXPECT_EQ(Game.Grid().UndoStack().back().Kind, TMoveKind::Reset) << "one move, undone as one";
}

TEST_F(GameScreenTest, AFullGridWithAnErrorAsksFirst) {
  Play(Changed({{Cell11, '0'}, {Cell14, '9'}}), 2);
  Now += 600000;
  // Yes: the game goes on, the clock running.
  QString question;
  WhenModal([&question](QWidget* Box) {
    question = Box->windowTitle();
    ClickButton(Box, QStringLiteral("Oui"));
  });
  Type(1, 3, 4);
  EXPECT_EQ(question, QStringLiteral("Erreur sur la grille"));
  EXPECT_TRUE(Find<QTimer>(Game, "t_Chronometre")->isActive());
  EXPECT_EQ(Game.Partie().Helps(), 0);

  // The wrong digit typed again: No corrects it, counts one help and scores.
  EndSeen end;
  WhenModal([this, &end](QWidget* Box) {
    WatchEnd(end);
    ClickButton(Box, QStringLiteral("Non"));
  });
  Type(2, 2, 0);
  Type(2, 2, 9);
  EXPECT_EQ(Game.Grid().Grille().GetDigit(2, 2), 7);
  EXPECT_EQ(Game.Partie().Helps(), 1);
  ASSERT_TRUE(end.Shown);
  EXPECT_EQ(end.Score, FormatTime(630)) << "the time at completion, one help at 30 s";
  EXPECT_FALSE(Find<QTimer>(Game, "t_Chronometre")->isActive());
}

TEST_F(GameScreenTest, ResoudreAsksFirstThenCountsEveryCellItSettles) {
  Play(Changed({{Cell11, '0'}, {Cell12, '0'}, {Cell13, '0'}, {Cell14, '9'}}));
  // Échap answers the question "Non", its default: the game goes on untouched.
  QString asked;
  bool noByDefault = false;
  WhenModal([&](QWidget* Box) {
    auto* box = qobject_cast<QMessageBox*>(Box);
    asked = box->text();
    noByDefault = box->defaultButton() == ButtonNamed(Box, QStringLiteral("Non"));
    QTest::keyClick(Box, Qt::Key_Escape);
  });
  Game.hl_ResoudreClick();
  EXPECT_EQ(asked, QStringLiteral("Voulez-vous vraiment résoudre la grille\u00A0? La partie sera terminée."));
  EXPECT_TRUE(noByDefault);
  EXPECT_EQ(Game.Grid().CountEmpty(), 3);
  EXPECT_EQ(Game.Partie().Helps(), 0);
  EXPECT_FALSE(Game.Partie().Finished());

  EndSeen end;
  WhenModal([this, &end](QWidget* Box) {
    WatchEnd(end);
    ClickButton(Box, QStringLiteral("Oui"));
  });
  Game.hl_ResoudreClick();
  EXPECT_EQ(Game.Partie().Helps(), 4) << "three cells filled, one corrected";
  EXPECT_EQ(Find<QLabel>(Game, "l_Indice")->text(), QStringLiteral("4"));
  EXPECT_EQ(Game.Grid().CountEmpty(), 0);
  EXPECT_TRUE(end.Shown);
}

TEST_F(GameScreenTest, AnEmptyTypedGridHasSeveralSolutionsAtExpert) {
  Start(TStartKind::TypeIn);
  QString told;
  WhenModal([&told](QWidget* Box) {
    told = qobject_cast<QMessageBox*>(Box)->text();
    ClickButton(Box, QStringLiteral("OK"));
  });
  Game.hl_VerifierGrilleClick();
  EXPECT_EQ(told, QStringLiteral("La grille peut être résolue mais possède plusieurs solutions, ce qui n'est "
                                 "pas conforme aux règles du Sudoku.\nNiveau de la grille: Expert"));
}

TEST_F(GameScreenTest, EffacerLaGrilleLeavesNoOldPuzzleBehind) {
  Start(TStartKind::TypeIn);
  Game.Grid().SelRow = 1;
  Game.Grid().SelCol = 1;
  for (const QChar c : Puzzle) QTest::keyClick(&Game.Grid(), Qt::Key(c.unicode()));
  EXPECT_EQ(Game.Grid().CountEmpty(), 51);
  EXPECT_EQ(Find<THotLabel>(Game, "hl_newgrille")->text(), QStringLiteral("Effacer la grille"));
  Game.hl_newgrilleClick();
  Game.hl_reinitClick();
  EXPECT_EQ(Game.Grid().CountEmpty(), 81);
}

TEST_F(GameScreenTest, ACancelledLevelChoiceKeepsTheGameRunning) {
  Play(Changed({{Cell11, '0'}, {Cell12, '0'}}));
  Game.hl_PossibiliteClick();
  Game.hl_IndiceClick();
  Now += 45000;
  const std::string before = Game.Grid().Grille().SaveToText(true, 0, 0, 0);
  WhenModal([](QWidget* Levels) { Levels->close(); });
  EXPECT_FALSE(Game.StartNewGame());
  EXPECT_EQ(Game.Grid().Grille().SaveToText(true, 0, 0, 0), before);
  EXPECT_EQ(Game.Partie().Helps(), 1);
  EXPECT_TRUE(Game.Partie().CandidatesShown());
  Now += 1000;
  EXPECT_EQ(Game.ElapsedSeconds(), 46) << "the clock runs on";
  EXPECT_TRUE(Find<QTimer>(Game, "t_Chronometre")->isActive());
}

TEST_F(GameScreenTest, EveryCommandAnswersTheKeyItsTooltipNames) {
  Play(Changed({{Cell11, '0'}, {Cell12, '0'}, {Cell13, '0'}}));
  Activate();
  // Every key a tooltip names (the commands, "Rétablir", the pause, the
  // modes) is a shortcut of the screen's; F1 is the main window's, on every
  // screen.
  const TooltipKeys keys = CheckTooltipKeys(Game, {QKeySequence(Qt::Key_F1)});
  EXPECT_GE(keys.Checked, 17) << "the thirteen commands, redo and pause with two keys each";
  EXPECT_TRUE(keys.Unbound.isEmpty()) << keys.Unbound.join(QLatin1Char('\n')).toStdString();

  Key(Qt::Key_F3);
  EXPECT_TRUE(Game.Grid().ShowAllCandidates());
  Key(Qt::Key_F3);
  EXPECT_FALSE(Game.Grid().ShowAllCandidates());
  Key(Qt::Key_F4);
  EXPECT_TRUE(Game.Grid().NoteMode);
  EXPECT_TRUE(Find<TRondCoche>(Game, "rc_ModePossibilite")->Checked());
  Type(1, 3, 4);
  EXPECT_EQ(Game.Grid().Grille().GetNotes(1, 3), 1 << 3) << "a pencil mark";
  Key(Qt::Key_F4);
  EXPECT_TRUE(Find<TRondCoche>(Game, "rc_ModeNormal")->Checked());
  Type(1, 4, 6);
  Key(Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(Digit(1, 4), 0) << "Réinitialiser";

  const std::pair<QKeyCombination, const char*> dialogs[] = {{Qt::CTRL | Qt::Key_S, "f_Sauve"},
                                                             {Qt::CTRL | Qt::Key_O, "f_Charge"},
                                                             {Qt::CTRL | Qt::Key_P, "QPrintDialog"},
                                                             {Qt::CTRL | Qt::Key_N, "f_ChoixNiveau"}};
  for (const auto& [combination, name] : dialogs) {
    QString seen;
    WatchModal(seen);
    Key(combination.key(), combination.keyboardModifiers());
    EXPECT_EQ(seen, QString::fromLatin1(name));
  }

  EndSeen end;
  WhenModal([this, &end](QWidget* Box) {
    WatchEnd(end);
    ClickButton(Box, QStringLiteral("Oui"));
  });
  Key(Qt::Key_F9);
  EXPECT_EQ(Game.Grid().CountEmpty(), 0) << "Résoudre";
  EXPECT_TRUE(end.Shown);
}

TEST_F(GameScreenTest, RedoAfterUndoAfterAHint) {
  Play(Changed({{Cell11, '0'}, {Cell12, '0'}, {Cell13, '0'}}));
  Activate();
  Key(Qt::Key_F2);
  EXPECT_EQ(Game.Partie().Helps(), 1);
  EXPECT_FALSE(Find<QTextBrowser>(Game, "MemoAstuce")->toPlainText().isEmpty());
  ASSERT_EQ(Game.Grid().CountEmpty(), 2);
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Game.Grid().CountEmpty(), 3);
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Game.Grid().CountEmpty(), 2);
  Key(Qt::Key_Z, Qt::ControlModifier);
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Game.Grid().CountEmpty(), 2);
  EXPECT_EQ(Game.Partie().Helps(), 1) << "redoing a hint is no new help";
  // The arrow beside "Annuler la saisie" does the same.
  Key(Qt::Key_Z, Qt::ControlModifier);
  QTest::mouseClick(Find<TImage>(Game, "im_Retablir"), Qt::LeftButton);
  EXPECT_EQ(Game.Grid().CountEmpty(), 2);
}

TEST_F(GameScreenTest, DigitsAndLettersStayTheGridsInBothModes) {
  // No key of a command is one the grid uses, with or without a modifier.
  const auto taken = [](QKeyCombination Combination) {
    const int key = Combination.key();
    return (key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_I) || key == Qt::Key_Left ||
           key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Backspace ||
           key == Qt::Key_Delete || key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return ||
           key == Qt::Key_Enter || key == Qt::Key_Space || (Combination.keyboardModifiers() & Qt::KeypadModifier) != 0;
  };
  const QList<QShortcut*> shortcuts = Game.findChildren<QShortcut*>();
  for (const QShortcut* shortcut : shortcuts)
    for (const QKeySequence& keys : shortcut->keys())
      for (int k = 0; k < keys.count(); ++k) EXPECT_FALSE(taken(keys[k])) << keys.toString().toStdString();

  // Every digit and letter key, alone and with Ctrl, reaches the grid.
  for (const bool letters : {false, true}) {
    SCOPED_TRACE(letters ? "letters" : "digits");
    Options.UseLetters = letters;
    Play(QString());
    Activate();
    bool opened = false;
    bool watchEnded = false;
    WhenModal(
        [&opened](QWidget* Dialog) {
          opened = true;
          Dialog->close();
        },
        &watchEnded, 500);
    for (int digit = 1; digit <= 9; ++digit) {
      for (const Qt::Key key : {Qt::Key(Qt::Key_0 + digit), Qt::Key(Qt::Key_A + digit - 1)}) {
        Game.Grid().SelRow = 1;
        Game.Grid().SelCol = 3;
        Key(key, Qt::ControlModifier);
        EXPECT_EQ(Game.Grid().Grille().GetNotes(1, 3), 1 << (digit - 1))
            << "Ctrl+" << QKeySequence(key).toString().toStdString();
        Key(key, Qt::ControlModifier);
        Key(key);
        EXPECT_EQ(Digit(1, 3), digit) << QKeySequence(key).toString().toStdString();
        Key(Qt::Key_0);
      }
    }
    EXPECT_EQ(Game.Partie().Helps(), 0);
    EXPECT_FALSE(Game.Paused());
    EXPECT_FALSE(Game.Grid().ShowAllCandidates());
    EXPECT_FALSE(Game.Grid().NoteMode);
    EXPECT_EQ(Shell_.MenuShown, 0);
    QTRY_VERIFY_WITH_TIMEOUT(watchEnded || opened, 2000);
    EXPECT_FALSE(opened) << "no dialog came up";
  }
}

TEST_F(GameScreenTest, PauseStopsTheClockAndHidesEveryDigit) {
  Play(Changed({{Cell11, '0'}, {Cell12, '0'}}));
  Activate();
  Now += 10000;
  Key(Qt::Key_F5);
  ASSERT_TRUE(Game.Paused());
  Now += 600000;
  EXPECT_EQ(Game.ElapsedSeconds(), 10);

  // What shows of the grid: no given in black, no digit in its colour, and
  // the same picture whatever the grid holds.
  const QRect area = Game.Grid().geometry();
  const QImage paused = Game.grab(area).toImage();
  int dark = 0;
  for (int y = 0; y < paused.height(); ++y)
    for (int x = 0; x < paused.width(); ++x) {
      const QColor c = paused.pixelColor(x, y);
      if (c == Game.Grid().CouleurChiffreFixe || c == Game.Grid().CouleurChiffre) ++dark;
    }
  EXPECT_EQ(dark, 0);
  Game.Grid().Grille().LoadFromText(std::string(81, '0'), {});
  EXPECT_EQ(Game.grab(area).toImage(), paused);

  // Any key resumes, and does nothing else.
  Key(Qt::Key_5);
  EXPECT_FALSE(Game.Paused());
  EXPECT_EQ(Game.Grid().CountEmpty(), 81);
  EXPECT_NE(Game.grab(area).toImage(), paused) << "the grid shows again";
  Now += 5000;
  EXPECT_EQ(Game.ElapsedSeconds(), 15);

  // So does a click, here on "Indice", which gives no hint.
  QTest::mouseClick(Find<TImage>(Game, "im_Pause"), Qt::LeftButton);
  ASSERT_TRUE(Game.Paused());
  QTest::mouseClick(Find<THotLabel>(Game, "hl_Indice"), Qt::LeftButton);
  EXPECT_FALSE(Game.Paused());
  EXPECT_EQ(Game.Partie().Helps(), 0);
}

TEST_F(GameScreenTest, TheSaveDialogHoldsTheClock) {
  Play(Changed({{Cell11, '0'}, {Cell12, '0'}}));
  Activate();
  Now += 20000;
  QString seen;
  WhenModal([this, &seen](QWidget* Save) {
    Now += 300000;  // five minutes to choose a name
    seen = Save->objectName();
    Save->close();
  });
  Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(seen, QStringLiteral("f_Sauve"));
  EXPECT_EQ(Game.ElapsedSeconds(), 20);
  Now += 1000;
  EXPECT_EQ(Game.ElapsedSeconds(), 21) << "and lets it go";
}

TEST_F(GameScreenTest, APuzzleIsCopiedAndPastedAsText) {
  Play(Changed({{Cell11, '0'}}));
  Activate();
  QString dotted = Puzzle;
  dotted.replace(QLatin1Char('0'), QLatin1Char('.'));
  Key(Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), dotted);

  // While playing, a paste is refused: the grid is the game's.
  QString told;
  WhenModal([&told](QWidget* Box) {
    told = qobject_cast<QMessageBox*>(Box)->text();
    ClickButton(Box, QStringLiteral("OK"));
  });
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_TRUE(told.contains(QStringLiteral("Proposer un puzzle")));

  Start(TStartKind::TypeIn);
  QString nineLines;
  for (int row = 0; row < 9; ++row) nineLines += Puzzle.mid(row * 9, 9) + QStringLiteral("\r\n");
  const QString forms[] = {dotted, Puzzle + QStringLiteral("|") + Solved + QStringLiteral("|1|300|2"), nineLines};
  for (const QString& text : forms) {
    Game.hl_newgrilleClick();  // "Effacer la grille"
    QGuiApplication::clipboard()->setText(text);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Game.Grid().PuzzleText(), dotted) << text.toStdString();
  }
  Game.hl_newgrilleClick();
  QGuiApplication::clipboard()->setText(dotted);
  Key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Game.Grid().PuzzleText(), dotted);

  // Text that is no puzzle: a message, and the grid as it was.
  Type(1, 3, 4);
  const QString before = Game.Grid().PuzzleText();
  told.clear();
  WhenModal([&told](QWidget* Box) {
    told = qobject_cast<QMessageBox*>(Box)->text();
    ClickButton(Box, QStringLiteral("OK"));
  });
  QGuiApplication::clipboard()->setText(QStringLiteral("53..7....6..195"));
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_TRUE(told.startsWith(QStringLiteral("Le texte collé n'est pas une grille")));
  EXPECT_EQ(Game.Grid().PuzzleText(), before);

  // Two 5s in the first row: the second stays, in the rule-break colour, and
  // "Vérifier la grille" says why the puzzle cannot be played.
  QGuiApplication::clipboard()->setText(QStringLiteral("535") + Puzzle.mid(3));
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Digit(1, 3), 5);
  const QRect cell = gridtest::CellInside(1, 3, Game.Grid().LargeurCase(), Game.Grid().HauteurCase());
  EXPECT_GT(gridtest::CountColor(Game.Grid().grab().toImage(), Game.Grid().CouleurImpossible, cell), 0);
  WhenModal([&told](QWidget* Box) {
    told = qobject_cast<QMessageBox*>(Box)->text();
    ClickButton(Box, QStringLiteral("OK"));
  });
  Game.hl_JouerGrilleClick();
  EXPECT_TRUE(
      told.startsWith(QStringLiteral("La grille ne peut pas être jouée\u00A0: le 5 de la case (ligne 1, "
                                     "colonne 3)")))
      << told.toStdString();
  EXPECT_FALSE(Game.Grid().GameMode());
}

TEST_F(GameScreenTest, LeavingAGameInProgressAsksToSaveItFirst) {
  Options.ReprendrePartie = false;  // with it on, the game is kept: nothing to ask
  Play(QString());
  Activate();
  // Only pencil marks: nothing to lose yet.
  Game.Grid().SelRow = 1;
  Game.Grid().SelCol = 3;
  Key(Qt::Key_4, Qt::ControlModifier);
  EXPECT_FALSE(Game.HasUnsavedGame());
  Type(1, 3, 4);
  ASSERT_TRUE(Game.HasUnsavedGame());

  const auto answer = [](const QString& Button, QString* Text = nullptr) {
    WhenModal([Button, Text](QWidget* Box) {
      if (Text != nullptr) *Text = Box->windowTitle() + QLatin1Char('|') + qobject_cast<QMessageBox*>(Box)->text();
      ClickButton(Box, Button);
    });
  };
  // "Annuler": the game goes on.
  QString question;
  answer(QStringLiteral("Annuler"), &question);
  Key(Qt::Key_Escape);
  EXPECT_EQ(question, QStringLiteral("Partie en cours|Voulez-vous enregistrer la partie en cours\u00A0?"));
  EXPECT_EQ(Shell_.MenuShown, 0);

  // "Oui", then the save dialog cancelled: the game goes on.
  WhenModal([](QWidget* Box) {
    WhenModal([](QWidget* Save) { ClickButton(Save, QStringLiteral("Annuler")); });
    ClickButton(Box, QStringLiteral("Oui"));
  });
  Key(Qt::Key_Escape);
  EXPECT_EQ(Shell_.MenuShown, 0);

  // "Oui", then saved: back to the menu.
  WhenModal([](QWidget* Box) {
    WhenModal([](QWidget* Save) {
      Save->findChild<QLineEdit*>(QStringLiteral("e_NomGrille"))->setText(QStringLiteral("Avant le dîner"));
      QTest::mouseClick(Save->findChild<QPushButton*>(QStringLiteral("b_Enregistrer")), Qt::LeftButton);
    });
    ClickButton(Box, QStringLiteral("Oui"));
  });
  Key(Qt::Key_Escape);
  EXPECT_EQ(Shell_.MenuShown, 1);
  EXPECT_FALSE(Game.HasUnsavedGame()) << "saved";

  // "Non": back to the menu without saving.
  Type(1, 4, 6);
  answer(QStringLiteral("Non"));
  Key(Qt::Key_Escape);
  EXPECT_EQ(Shell_.MenuShown, 2);
  EXPECT_TRUE(Game.HasUnsavedGame());

  // With the setting off, no question; nor when the game is kept for later.
  Options.ProposerSauvegarde = false;
  EXPECT_FALSE(Game.HasUnsavedGame());
  Options.ProposerSauvegarde = true;
  Options.ReprendrePartie = true;
  EXPECT_FALSE(Game.HasUnsavedGame());
  Key(Qt::Key_Escape);
  EXPECT_EQ(Shell_.MenuShown, 3);
}

TEST_F(GameScreenTest, TheGridsColoursAHintInLettersAndATipsBoxOfWholeLines) {
  Options.UseLetters = true;
  Play(Changed({{Cell11, '0'}, {Cell14, '0'}}));
  Game.hl_IndiceClick();  // the 4 (a D) of row 1, column 3
  EXPECT_EQ(Find<QTextBrowser>(Game, "MemoAstuce")->toPlainText(),
            QStringLiteral("En regardant la ligne 1, on remarque qu'il ne manque qu'une lettre. En comptant de A à "
                           "I, on voit qu'il s'agit du D, que l'on place donc sur la colonne 3"));
  Game.Grid().SelRow = 5;  // a player's 5
  Game.Grid().SelCol = 5;
  const QImage screen = Game.grab(Game.Grid().geometry()).toImage();
  const int w = Game.Grid().LargeurCase();
  const auto pixels = [&](int Row, int Col, QColor C) {
    return gridtest::CountColor(screen, C, gridtest::CellInside(Row, Col, w, w));
  };
  EXPECT_GT(pixels(9, 4, QColor(255, 255, 210)), w * w / 2) << "the board";
  EXPECT_GT(pixels(5, 5, QColor(255, 255, 0)), w * w / 2) << "the selection";
  EXPECT_GT(pixels(5, 5, QColor(255, 128, 0)), 15) << "a player's digit";
  EXPECT_GT(pixels(1, 3, QColor(255, 0, 0)), 15) << "the hinted digit";
  EXPECT_GT(pixels(1, 1, QColor(0, 0, 0)), 15) << "a given";
  for (const QSize size : {QSize(697, 570), QSize(1920, 1080), QSize(800, 600)}) {
    Game.resize(size);
    const QTextBrowser& box = *Find<QTextBrowser>(Game, "MemoAstuce");  // its top margin, then lines
    const double lines = (box.viewport()->height() - box.document()->documentMargin()) / TextLineHeight(box.font());
    EXPECT_NEAR(lines, std::round(lines), 0.1) << "a line cut at the bottom at width " << size.width();
  }
}

}  // namespace

TEST_F(GameScreenTest, CoupDePouceClimbsOneHintARungAtATimeItsPagesWholeForOneHelp) {
  // Nine rungs before the 4 at (2, 4); the third, a chain, is longer than the box.
  Game.Grid().SetGameMode(true);
  Game.Grid().LoadGrid(
      QStringLiteral("000000002008009100500000040000907000007030800000801030040060005009700300200000000"),
      QStringLiteral("194583672008009153500000948000907000007030800000801030041060095009700300200090080"), LevelExpert);
  Start(TStartKind::AsIs);
  Game.resize(697, 570);
  Activate();
  const QTextBrowser& box = *Find<QTextBrowser>(Game, "MemoAstuce");
  const auto shows = [&](int Row, int Col, QColor C) {
    const int w = Game.Grid().LargeurCase();
    const QImage screen = Game.grab(Game.Grid().geometry()).toImage();
    return gridtest::CountColor(screen, C, gridtest::CellInside(Row, Col, w, w)) > w * w / 2;
  };
  const std::tuple<const char*, int, int, QColor> rungs[] = {
      {"Coup de pouce 1/10 : Regardez le 6 dans le bloc central (alignement dans un bloc).", 5, 4,
       QColor(238, 232, 250)},  // the nudge tints its block, lavender
      {"Coup de pouce 2/10 : Dans le bloc central, le 6", 5, 4, QColor(255, 196, 140)},  // peach
      {"Coup de pouce 3/10 : En suivant une chaîne", 4, 8, QColor(160, 222, 172)},       // mint
  };
  for (const auto& [text, row, col, colour] : rungs) {
    Key(Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_TRUE(box.toPlainText().simplified().startsWith(QString::fromUtf8(text))) << box.toPlainText().toStdString();
    EXPECT_TRUE(shows(row, col, colour)) << text;
  }
  // The chain a page at a time, each whole: only the bottom margin lies below.
  int pages = 1;
  for (; box.toPlainText().endsWith(QStringLiteral("(la suite : Maj+F2)")) && pages < 10; ++pages) {
    EXPECT_LE(box.verticalScrollBar()->maximum(), box.document()->documentMargin()) << "page " << pages;
    Key(Qt::Key_F2, Qt::ShiftModifier);
  }
  EXPECT_GE(pages, 2);
  EXPECT_TRUE(box.toPlainText().endsWith(QStringLiteral("qui empêcherait l'un comme l'autre.")));
  Key(Qt::Key_F2, Qt::ShiftModifier);
  EXPECT_TRUE(box.toPlainText().startsWith(QStringLiteral("Coup de pouce 4/10")));
  Key(Qt::Key_F2);  // "Indice" gives the digit, paid at the first rung
  EXPECT_EQ(Digit(2, 4), 4);
  EXPECT_EQ(Find<QLabel>(Game, "l_Indice")->text(), QStringLiteral("1"));
}

TEST_F(GameScreenTest, ARefusedGivenFlashesSaysWhyAndKeepsTheSelection) {
  Start(TStartKind::TypeIn);  // moving on after each digit is on
  Type(1, 1, 5);
  Type(1, 5, 5);  // row 1 holds a 5: refused
  EXPECT_EQ(std::pair(Digit(1, 5), Game.Grid().SelCol), std::pair(0, 5));
  EXPECT_EQ(Find<QTextBrowser>(Game, "MemoAstuce")->toPlainText(),
            QStringLiteral("Ce chiffre est déjà présent dans la ligne, la colonne ou le bloc."));
  const QRect cell = gridtest::CellInside(1, 5, Game.Grid().LargeurCase(), Game.Grid().HauteurCase());
  EXPECT_GT(gridtest::CountColor(Game.Grid().grab().toImage(), Game.Grid().CouleurImpossible, cell), cell.width());
}

// The grid at 697 by 570 stands where it always has; it grows with the
// window (cells of 80 pixels at least on a full HD screen) and its buttons
// and text with it; the zoom stays inside the room the window leaves.
TEST(GridPlaceTest, TheGridGrowsWithTheWindowAndZoomsWithinIt) {
  const Tf_Jeux::TGridPlace window = Tf_Jeux::PlaceGrid({697, 570}, 0);
  EXPECT_EQ(window.Cell, 46);
  EXPECT_EQ(window.Top, 20);
  EXPECT_EQ(window.Left, 251);
  EXPECT_EQ(window.Button, 27);
  EXPECT_EQ(window.DigitPoints, 20);
  const Tf_Jeux::TGridPlace full = Tf_Jeux::PlaceGrid({1920, 1080}, 0);
  EXPECT_GE(full.Cell, 80);
  EXPECT_GT(full.Button, window.Button);
  EXPECT_GT(full.DigitPoints, 28);
  int previous = 0;
  for (int zoom = -8; zoom <= 8; ++zoom) {
    const Tf_Jeux::TGridPlace place = Tf_Jeux::PlaceGrid({1920, 1080}, zoom);
    EXPECT_GE(place.Cell, previous) << zoom;
    EXPECT_LE(place.Top + 9 * place.Cell + 1 + 4 + place.Button, 1080) << zoom;
    EXPECT_LE(place.Left + 9 * place.Cell + 1, 1920) << zoom;
    previous = place.Cell;
  }
  EXPECT_GT(previous, full.Cell);
}

TEST_F(GameScreenTest, CtrlPlusZoomsTheGridAndCtrlHomeGivesItsSizeBack) {
  Start(TStartKind::AsIs);
  const int natural = Game.Grid().width();
  Key(Qt::Key_Plus, Qt::ControlModifier);
  Key(Qt::Key_Equal, Qt::ControlModifier);
  EXPECT_GT(Game.Grid().width(), natural);
  Key(Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(Game.Grid().width(), natural);
}
