// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of the running game, taken from the display it runs on (run it
// under xvfb-run: scripts/screenshots.sh does), for looking at what a player
// sees. Each scenario starts the real program in a fresh folder, plays it with
// the player's gestures and writes PNG files into the output folder.
//
//   orvalis-screenshots <windowed|fullscreen|letters|untimed|noimages|highlight|clouds|daily|statistics|booklet|
//                        signals[-full][-clouds][-letters]|hints|ladder|diabolique|digitfirst> <folder>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

#include "astuces.h"
#include "carnet.h"
#include "carnetimpression.h"
#include "child_util.h"
#include "generateur.h"
#include "generation.h"
#include "gestures.h"
#include "grillesudoku.h"
#include "helpviewer.h"
#include "hotlabel.h"
#include "image.h"
#include "jeux.h"
#include "main.h"
#include "modal_util.h"
#include "optionsscreen.h"
#include "startup.h"

namespace {

QString Out;
QString Scenario;
Tf_Main* Window = nullptr;
// ORVALIS_SEED=n: every grid generated (games and booklet) comes from that
// seed, so that the screenshots of two builds compare pixel for pixel.
const std::optional<std::uint64_t> Seed = [] {
  bool ok = false;
  const qulonglong value = qEnvironmentVariable("ORVALIS_SEED").toULongLong(&ok);
  return ok ? std::optional<std::uint64_t>(value) : std::nullopt;
}();

// What the display shows of the window (of the whole screen when it is full
// screen), dialogs included.
void Shot(const QString& Name, QWidget* Area = nullptr) {
  QTest::qWait(250);
  QScreen* screen = QGuiApplication::primaryScreen();
  const QRect rect = Area != nullptr ? Area->frameGeometry() : Window->frameGeometry();
  const QPixmap picture = screen->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height());
  const QString path = QDir(Out).filePath(Scenario + QLatin1Char('-') + Name + QStringLiteral(".png"));
  std::printf("%s %s\n", picture.save(path) ? "wrote" : "FAILED", qPrintable(path));
}

void Click(QWidget* Widget, Qt::MouseButton Button = Qt::LeftButton) {
  if (Widget == nullptr || !Widget->isVisible()) {
    std::fprintf(stderr, "cannot click %s\n", Widget ? qPrintable(Widget->objectName()) : "nothing");
    return;
  }
  QTest::mouseClick(Widget, Button, {}, Widget->rect().center());
}

template <class T = THotLabel>
T* Child(QWidget* Parent, const char* Name) {
  return Parent->findChild<T*>(QLatin1String(Name));
}

Tf_Jeux* NewGame(const char* LevelLabel, const QString& LevelShot = {}) {
  const auto levels = [LevelLabel, LevelShot](QWidget* Levels) {
    if (!LevelShot.isEmpty()) Shot(LevelShot);
    Click(Child(Levels, LevelLabel));
  };
  // A game waiting to be taken up: the question, answered "Non".
  WhenModal([levels](QWidget* First) {
    if (qobject_cast<QMessageBox*>(First) == nullptr) return levels(First);
    Shot(QStringLiteral("waiting-question"), First);
    WhenModal(levels);
    ClickButton(First, QStringLiteral("Non"));
  });
  Click(Window->hl_nouveau);
  QTest::qWait(100);
  return qobject_cast<Tf_Jeux*>(Window->CurrentScreen.data());
}

// A game in progress: digits, pencil marks, a wrong digit and one against
// the rules, a hint and its sentence.
void PlaySome(Tf_Jeux* Game) {
  TGrilleSudoku* grid = &Game->Grid();
  const TGrille& model = grid->Grille();
  const auto cells = EmptyCells(model);
  for (std::size_t k = 0; k < 6 && k < cells.size(); ++k) {
    ClickCell(grid, cells[k].first, cells[k].second);
    TypeDigit(grid, SolutionDigit(model, cells[k].first, cells[k].second));
  }
  // Pencil marks: the right button on the digit buttons, and Ctrl.
  for (std::size_t k = 6; k < 9; ++k) {
    ClickCell(grid, cells[k].first, cells[k].second);
    const int right = SolutionDigit(model, cells[k].first, cells[k].second);
    Click(DigitButton(Game, std::size_t(right - 1)), Qt::RightButton);
    TypeDigit(grid, right % 9 + 1, Qt::ControlModifier);
  }
  // A digit that differs from the solution without breaking a rule, and one
  // that repeats a given of its row.
  const auto clashes = [&model](int Row, int Col, int Digit) {
    for (int k = 1; k <= 9; ++k)
      if (model.GetDigit(Row, k) == Digit || model.GetDigit(k, Col) == Digit ||
          model.GetDigit(BandStart(Row) + (k - 1) / 3, BandStart(Col) + (k - 1) % 3) == Digit)
        return true;
    return false;
  };
  bool wrongPlaced = false;
  for (std::size_t k = 9; k < cells.size() && !wrongPlaced; ++k) {
    const auto [row, col] = cells[k];
    for (int d = 1; d <= 9 && !wrongPlaced; ++d)
      if (d != SolutionDigit(model, row, col) && !clashes(row, col, d)) {
        ClickCell(grid, row, col);
        TypeDigit(grid, d);
        wrongPlaced = true;
      }
  }
  for (const auto& [row, col] : EmptyCells(model)) {
    int given = 0;
    for (int k = 1; k <= 9 && given == 0; ++k)
      if (model.Givens[std::size_t(Cell(row, k))] != 0) given = model.GetDigit(row, k);
    if (given != 0) {
      ClickCell(grid, row, col);
      TypeDigit(grid, given);
      break;
    }
  }
  Click(Find<THotLabel>(Game, "hl_Indice"));
  ClickCell(grid, EmptyCells(model).front().first, EmptyCells(model).front().second);
}

// The same digit highlighted everywhere: the selection on a digit that also
// stands in pencil marks.
void Highlight(Tf_Jeux* Game) {
  TGrilleSudoku* grid = &Game->Grid();
  const TGrille& model = grid->Grille();
  const auto empty = EmptyCells(model);
  int digitRow = 0;
  int digitCol = 0;
  for (int row = 1; row <= 9 && digitRow == 0; ++row)
    for (int col = 1; col <= 9 && digitRow == 0; ++col)
      if (model.GetDigit(row, col) != 0 && model.Givens[std::size_t(Cell(row, col))] == 0) {
        digitRow = row;
        digitCol = col;
      }
  if (digitRow == 0) return;
  const int digit = model.GetDigit(digitRow, digitCol);
  for (std::size_t k = empty.size() / 2; k < empty.size() && k < empty.size() / 2 + 4; ++k) {
    ClickCell(grid, empty[k].first, empty[k].second);
    TypeDigit(grid, digit, Qt::ControlModifier);
    TypeDigit(grid, digit % 9 + 1, Qt::ControlModifier);
  }
  ClickCell(grid, digitRow, digitCol);
}

// Highlighting and the pause, on the background of the scenario.
void HighlightAndPause() {
  Tf_Jeux* game = NewGame("hl_facile");
  PlaySome(game);
  Highlight(game);
  Shot(QStringLiteral("game-highlight"));
  QTest::keyClick(&game->Grid(), Qt::Key_F5);
  Shot(QStringLiteral("pause"));
  QTest::keyClick(&game->Grid(), Qt::Key_Space);
  // Leaving the game: the question, answered "Non".
  WhenModal([](QWidget* Question) {
    Shot(QStringLiteral("quit-question"), Question);
    ClickButton(Question, QStringLiteral("Non"));
  });
  QTest::keyClick(&game->Grid(), Qt::Key_Escape);
  QTest::qWait(100);
}

// Digit-first play: the chosen digit's button stays down and the digit
// stands out in the grid; two cells take it, then two pencil marks.
void DigitFirst() {
  Tf_Jeux* game = NewGame("hl_facile");
  TGrilleSudoku* grid = &game->Grid();
  const auto empty = EmptyCells(grid->Grille());
  const int digit = SolutionDigit(grid->Grille(), empty.front().first, empty.front().second);
  Click(DigitButton(game, std::size_t(digit - 1)));
  for (const std::size_t k : {std::size_t(0), std::size_t(1), empty.size() / 2, empty.size() / 2 + 1})
    ClickCell(grid, empty[k].first, empty[k].second, k < 2 ? Qt::LeftButton : Qt::RightButton);
  Shot(QStringLiteral("game"));
  Click(DigitButton(game, std::size_t(digit % 9)));
  Shot(QStringLiteral("game-another"));
}

// Hints with their cells tinted: a basic one on a dealt grid, then an X-Wing
// and an XY-Wing; and the pencil marks filled in one move.
void Hints() {
  Tf_Jeux* game = NewGame("hl_facile");
  Click(Child(game, "hl_Indice"));
  Shot(QStringLiteral("hint-basic"));
  const char* positions[][3] = {
      {"xwing", "846000000700005008002700306000840700000509000004017000301002800200900007000000129",
       "846093570700005048002784306000846700000509004004017000391472865200901437400008129"},
      {"xywing", "020080070401003006007002830064000000900000007000000410078900500500800301090060040",
       "329080170481003006657002830064000003910340607030000410178934562546827391293060748"},
      {"forcing", "010000080000750000039000600000000806090020400601000090000000200002149038100030000",
       "010000080006753109039000600000000806090020400601000090903000200062149038100030900"},
  };
  for (const auto& position : positions) {
    game->Grid().LoadGrid(QString::fromLatin1(position[1]), QString::fromLatin1(position[2]), LevelExpert);
    Click(Child(game, "hl_Indice"));
    Shot(QStringLiteral("hint-") + QLatin1String(position[0]));
  }
  QTest::keyClick(&game->Grid(), Qt::Key_F8);
  Shot(QStringLiteral("fillnotes"));
}

// "Coup de pouce" (Maj+F2) climbing one hint a rung at a time: the nudge,
// each step in its own colour, the placement; then, the digit taken back,
// "Indice" giving the same hint whole.
void Ladder() {
  Tf_Jeux* game = NewGame("hl_facile");
  game->Grid().LoadGrid(
      QStringLiteral("846000000700005008002700306000840700000509000004017000301002800200900007000000129"),
      QStringLiteral("846093570700005048002784306000846700000509004004017000391472865200901437400008129"), LevelExpert);
  const QStringList names = {QStringLiteral("1-nudge"), QStringLiteral("2-step"), QStringLiteral("3-step"),
                             QStringLiteral("4-step"), QStringLiteral("5-placement")};
  for (const QString& name : names) {
    QTest::keyClick(&game->Grid(), Qt::Key_F2, Qt::ShiftModifier);
    Shot(name);
  }
  QTest::keyClick(&game->Grid(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&game->Grid(), Qt::Key_F2);
  Shot(QStringLiteral("6-indice"));
  // A chain longer than the tip box: its first page.
  game->Grid().LoadGrid(
      QStringLiteral("000000002008009100500000040000907000007030800000801030040060005009700300200000000"),
      QStringLiteral("194583672008009153500000948000907000007030800000801030041060095009700300200090080"), LevelExpert);
  for (int k = 0; k < 3; ++k) QTest::keyClick(&game->Grid(), Qt::Key_F2, Qt::ShiftModifier);
  Shot(QStringLiteral("7-page"));
}

void Windowed() {
  Shot(QStringLiteral("menu"));
  QTest::mouseMove(Window->hl_Charger);
  Shot(QStringLiteral("menu-hover"));
  // The keyboard on the menu: Tab shows the focus on the first command, the
  // arrows move it; it is drawn as under the pointer.
  QTest::mouseMove(Window, QPoint(5, Window->height() - 5));
  QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : Window, Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  Shot(QStringLiteral("menu-keyboard"));

  // The wait dialog, as it stands over the window while a grid is generated.
  {
    Tf_generation wait(Window);
    wait.show();
    Shot(QStringLiteral("wait-dialog"));
  }

  Tf_Jeux* game = NewGame("hl_facile", QStringLiteral("level-choice"));
  PlaySome(game);
  Shot(QStringLiteral("game"));
  Click(Find<THotLabel>(game, "hl_Possibilite"));
  Shot(QStringLiteral("game-candidates"));
  Click(Find<THotLabel>(game, "hl_Possibilite"));

  // The printed page, as a PDF beside the pictures.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QDir(Out).filePath(Scenario + QStringLiteral("-print.pdf")));
  game->Grid().PrintGrid(1, printer);

  WhenModal([](QWidget* Save) {
    Child<QLineEdit>(Save, "e_NomGrille")->setText(QStringLiteral("Grille du dimanche"));
    Shot(QStringLiteral("save-dialog"));
    Click(Child<QPushButton>(Save, "b_Enregistrer"));
  });
  Click(Find<THotLabel>(game, "hl_sauver"));
  WhenModal([](QWidget* Load) {
    Shot(QStringLiteral("load-dialog-empty"));
    auto* files = Child<QComboBox>(Load, "cb_FichierGrille");
    files->setCurrentIndex(files->findText(QStringLiteral("defaut")));
    Shot(QStringLiteral("load-dialog"));
    Click(Child<QPushButton>(Load, "b_Annuler"));
  });
  Click(Find<THotLabel>(game, "hl_charger"));

  // The end of the game: the name box, the score, the high scores. The time
  // spent in the save and load dialogs does not count: a little play first.
  QTest::qWait(2000);
  WhenModal([](QWidget* Question) {
    Shot(QStringLiteral("solve-question"), Question);
    WhenModal([](QWidget* NameBox) {
      Shot(QStringLiteral("name-box"));
      if (auto* box = qobject_cast<QInputDialog*>(NameBox))
        box->findChild<QLineEdit*>()->setText(QStringLiteral("Camille"));
      WhenModal([](QWidget* End) {
        Shot(QStringLiteral("end-of-game"));
        Click(Child(End, "hl_HighScore"));
      });
      ClickButton(NameBox, QStringLiteral("OK"));
    });
    ClickButton(Question, QStringLiteral("Oui"));
  });
  Click(Child(game, "hl_Resoudre"));
  QTest::qWait(100);
  Shot(QStringLiteral("high-scores"));
  Click(Child(Window->CurrentScreen, "hl_RetourMenu"));

  // A puzzle typed in.
  Click(Window->hl_puzzle);
  game = qobject_cast<Tf_Jeux*>(Window->CurrentScreen.data());
  ClickCell(&game->Grid(), 1, 1);
  for (const char c : std::string("530070000600195000098000060800060003400803001700020006060000280000419005000080"))
    TypeDigit(&game->Grid(), c - '0');
  Shot(QStringLiteral("typing-in"));
  WhenModal([](QWidget* Question) { ClickButton(Question, QStringLiteral("Non")); });
  Click(Child(game, "hl_Menu"));

  // Options, management of the saved grids, rules, tips, help.
  Click(Window->hl_Option);
  auto* options = qobject_cast<Tf_Options*>(Window->CurrentScreen.data());
  Shot(QStringLiteral("options-1"));
  Click(options->sb_Moyen);
  Shot(QStringLiteral("options-2"));
  Click(options->SpeedButton1);
  Shot(QStringLiteral("options-3"));
  Click(options->sb_Facile);
  WhenModal([](QWidget* Manage) {
    auto* files = Child<QComboBox>(Manage, "cb_FichierGrille");
    files->setCurrentIndex(files->findText(QStringLiteral("defaut")));
    Shot(QStringLiteral("manage-saved-grids"));
    Click(Child<QPushButton>(Manage, "b_Fermer"));
  });
  Click(Child(options, "hl_Sauvegarde"));
  Click(Child(options, "hl_Retour"));

  Click(Window->hl_regle);
  Shot(QStringLiteral("rules"));
  Click(Child(Window->CurrentScreen, "hl_Retour"));
  Click(Window->hl_Astuces);
  auto* tips = qobject_cast<Tf_Astuces*>(Window->CurrentScreen.data());
  Shot(QStringLiteral("tips-menu"));
  Click(tips->hl_Methode1);
  for (int page = 1; page <= 8; ++page) {
    Shot(QStringLiteral("tips-page-%1").arg(page));
    if (page < 8) Click(tips->hl_Suite);
  }
  Click(tips->hl_retour);
  Click(tips->hl_retour);

  QTest::keyClick(Window, Qt::Key_F1);
  QTest::qWait(300);
  if (CurrentHelpViewer() == nullptr) Window->OpenHelp();
  if (THelpViewer* help = CurrentHelpViewer()) {
    help->resize(900, 640);
    help->move(Window->frameGeometry().topLeft() + QPoint(20, 20));
    Shot(QStringLiteral("help-home"), help);
    help->ShowTopic(QStringLiteral("score.html"));
    Shot(QStringLiteral("help-score"), help);
    help->close();
  }
}

void FullScreen() {
  QTest::qWait(500);
  Shot(QStringLiteral("menu"));
  Tf_Jeux* game = NewGame("hl_Moyen");
  PlaySome(game);
  Shot(QStringLiteral("game"));
  WhenModal([](QWidget* Question) { ClickButton(Question, QStringLiteral("Non")); });
  Click(Child(game, "hl_Menu"));
  Click(Window->hl_Option);
  Shot(QStringLiteral("options"));
}

void Letters() {
  Tf_Jeux* game = NewGame("hl_facile");
  PlaySome(game);
  Shot(QStringLiteral("game"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QDir(Out).filePath(Scenario + QStringLiteral("-print.pdf")));
  game->Grid().PrintGrid(1, printer);
  QTest::keyClick(&game->Grid(), Qt::Key_F5);
  Shot(QStringLiteral("pause"));
  QTest::keyClick(&game->Grid(), Qt::Key_Space);
  Click(Find<THotLabel>(game, "hl_Possibilite"));
  Shot(QStringLiteral("game-candidates"));
  WhenModal([](QWidget* Question) { ClickButton(Question, QStringLiteral("Non")); });
  Click(Child(game, "hl_Menu"));
}

void Untimed() {
  Tf_Jeux* game = NewGame("hl_facile");
  WhenModal([](QWidget* End) {
    Shot(QStringLiteral("end-of-game"));
    Click(Child(End, "hl_Retour"));
  });
  Click(Child(game, "hl_Resoudre"));
}

void NoImages() { Shot(QStringLiteral("menu")); }

// The grid alone, as the display shows it.
void GridShot(const QString& Name, QWidget* Grid) {
  QTest::qWait(150);
  const QRect rect(Grid->mapToGlobal(QPoint(0, 0)), Grid->size());
  const QPixmap picture =
      QGuiApplication::primaryScreen()->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height());
  const QString path = QDir(Out).filePath(Scenario + QLatin1Char('-') + Name + QStringLiteral(".png"));
  std::printf("%s %s\n", picture.save(path) ? "wrote" : "FAILED", qPrintable(path));
}

// The error signals in the colours the options offer, with the same digit
// highlighted, pencil marks and a hint; then the selection on each signal.
void Signals() {
  Tf_Jeux* game = NewGame("hl_facile");
  PlaySome(game);
  Highlight(game);
  Shot(QStringLiteral("game"));
  TGrilleSudoku* grid = &game->Grid();
  const struct {
    const char* Name;
    QColor Erreur;
    QColor Impossible;
  } pairs[] = {{"default", QColor(255, 0, 0), QColor(128, 0, 128)},
               {"orange-pink", QColor(255, 128, 0), QColor(255, 128, 192)},
               {"green-navy", QColor(0, 128, 0), QColor(0, 0, 128)},
               {"yellow-lightred", QColor(255, 255, 0), QColor(255, 128, 128)},
               {"black-grey", QColor(0, 0, 0), QColor(160, 160, 164)},
               {"sky-magenta", QColor(0, 200, 255), QColor(255, 0, 255)}};
  for (const auto& pair : pairs) {
    grid->CouleurErreur = pair.Erreur;
    grid->CouleurImpossible = pair.Impossible;
    grid->update();
    GridShot(QStringLiteral("grid-") + QLatin1String(pair.Name), grid);
  }
  grid->CouleurErreur = pairs[0].Erreur;
  grid->CouleurImpossible = pairs[0].Impossible;
  for (const int wanted : {KindWrong, KindBrokeRule}) {
    for (int row = 1; row <= 9; ++row)
      for (int col = 1; col <= 9; ++col) {
        int kind = 0;
        grid->Grille().GetCellState(row, col, kind);
        if (kind == wanted) ClickCell(grid, row, col);
      }
    GridShot(QStringLiteral("grid-selected-kind%1").arg(wanted), grid);
  }
  WhenModal([](QWidget* Question) { ClickButton(Question, QStringLiteral("Non")); });
  Click(Child(game, "hl_Menu"));
}

// Fills every empty cell with its solution digit, as a player who needs no
// help; the end of the game follows: the name box when the time ranks, then
// the end dialog, left for the menu.
// The end of a game: the name box when the score ranks, then the end
// dialog, left for the menu.
void LeaveTheEnd(QWidget* First) {
  if (auto* name = qobject_cast<QInputDialog*>(First)) {
    name->setTextValue(QStringLiteral("Ana"));
    WhenModal([](QWidget* End) { Click(Child(End, "hl_Retour")); });
    name->accept();
  } else {
    Click(Child(First, "hl_Retour"));
  }
}

void SolveByHand(Tf_Jeux* Game) {
  TGrilleSudoku* grid = &Game->Grid();
  WhenModal(LeaveTheEnd);
  for (const auto& [row, col] : EmptyCells(grid->Grille())) {
    ClickCell(grid, row, col);
    TypeDigit(grid, SolutionDigit(grid->Grille(), row, col));
  }
  QTest::qWait(300);
}

// The daily grid of the date the program runs on (faketime sets it): the
// level choice with its line, then the game, solved by hand.
void Daily() {
  const QString date = QDate::currentDate().toString(Qt::ISODate);
  Tf_Jeux* game = NewGame("hl_GrilleDuJour", QStringLiteral("levels-") + date);
  Shot(QStringLiteral("game-") + date);
  SolveByHand(game);
  // Done: the level choice says so, with its time.
  WhenModal([date](QWidget* Levels) {
    Shot(QStringLiteral("levels-done-") + date);
    Levels->close();
  });
  Click(Window->hl_nouveau);
  QTest::qWait(100);
}

// A few games (the daily grid and a "Facile" grid solved by hand, one with
// "Résoudre", one left), then the statistics from the high scores screen.
void Statistics() {
  SolveByHand(NewGame("hl_GrilleDuJour"));
  QTest::qWait(1200);  // a time of its own for the next game
  Tf_Jeux* first = NewGame("hl_facile");
  QTest::qWait(2200);
  SolveByHand(first);
  Tf_Jeux* game = NewGame("hl_Moyen");
  WhenModal([](QWidget* Question) {
    WhenModal(LeaveTheEnd);
    ClickButton(Question, QStringLiteral("Oui"));
  });
  Click(Child(game, "hl_Resoudre"));
  QTest::qWait(300);
  game = NewGame("hl_facile");
  WhenModal([](QWidget* Question) { ClickButton(Question, QStringLiteral("Non")); });
  Click(Child(game, "hl_Menu"));
  Window->ShowScores(1);
  QTest::qWait(200);
  Shot(QStringLiteral("scores"));
  Click(Child(Window->CurrentScreen.data(), "hl_Statistiques"));
  QTest::qWait(200);
  Shot(QStringLiteral("statistics"));
}

// "Diabolique" with "Indices avancés": hints until one is advanced; its scores.
void Diabolique() {
  Tf_Jeux* game = NewGame("hl_Diabolique", QStringLiteral("level-choice"));
  Shot(QStringLiteral("game"));
  const auto advanced = [game] {
    const auto& steps = game->Grid().Grille().HintSteps;
    return std::any_of(steps.begin(), steps.end(), [](const ReasoningStep& s) { return IsAdvanced(s.Kind); });
  };
  for (int n = 0; n < 81 && !advanced(); ++n) Click(Child(game, "hl_Indice"));
  Shot(QStringLiteral("hint-advanced"));
  Window->ShowScores(LevelDiabolique);
  Shot(QStringLiteral("scores"));
}

// The booklet dialog from a game, then a booklet of 4 to a page into a PDF.
void Booklet() {
  Tf_Jeux* game = NewGame("hl_Difficile");
  WhenModal([](QWidget* Dialog) {
    auto* booklet = qobject_cast<Tf_Carnet*>(Dialog);
    if (booklet == nullptr) return;
    if (Seed) booklet->Seed = *Seed;
    Shot(QStringLiteral("dialog"), booklet);
    booklet->findChild<QSpinBox*>(QStringLiteral("se_Nombre"))->setValue(10);
    booklet->PrintStep = [](Tf_Carnet& Carnet) {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QDir(Out).filePath(QStringLiteral("booklet.pdf")));
      std::printf("%s %s\n",
                  Carnet::PrintBooklet(printer, Carnet.Puzzles(), Carnet.ChosenLevel(), 4) ? "wrote" : "FAILED",
                  qPrintable(printer.outputFileName()));
      Carnet.accept();
    };
    Click(booklet->b_Imprimer);
    QTest::qWait(150);
    Shot(QStringLiteral("generating"), booklet);
  });
  Click(Child<TImage>(game, "im_Carnet"));
  WhenModal([](QWidget* Question) { ClickButton(Question, QStringLiteral("Non")); });
  Click(Child(game, "hl_Menu"));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr,
                 "usage: orvalis-screenshots <windowed|fullscreen|letters|untimed|noimages|highlight|clouds|daily|"
                 "statistics|booklet|signals...> "
                 "<folder>\n");
    return 2;
  }
  QApplication app(argc, argv);
  PrepareApplication(app);
  Scenario = QString::fromLocal8Bit(argv[1]);
  Out = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
  QDir().mkpath(Out);

  // A fresh program folder: the settings of the scenario, the pictures and
  // the help of the build folder beside the program.
  QTemporaryDir folder;
  const QString build = QCoreApplication::applicationDirPath();
  QByteArray settings = "[general]\nErreurJeu=1\n";
  settings += Scenario == QLatin1String("fullscreen") ? "typeecran=1\n" : "typeecran=2\n";
  if (Scenario == QLatin1String("letters")) settings += "typebrique=2\n";
  if (Scenario == QLatin1String("untimed")) settings += "AffichageChrono=0\n";
  if (Scenario == QLatin1String("highlight") || Scenario == QLatin1String("clouds")) settings += "SurligneChiffres=1\n";
  if (Scenario == QLatin1String("clouds")) settings += "FondEcran=LightClouds.jpeg\n";
  if (Scenario == QLatin1String("digitfirst")) settings += "Saisie=1\n";
  if (Scenario == QLatin1String("diabolique"))
    settings += "IndicesAvances=1\n[Scores]\nscore5_1=1520\nscorenom5_1=Camille\nscore5_2=2405\nscorenom5_2=Louise\n";
  // signals, signals-full, signals-clouds, signals-letters, or several of them
  // joined: signals-full-clouds-letters.
  if (Scenario.startsWith(QLatin1String("signals"))) {
    settings = "[general]\nErreurJeu=1\nMauvaisEmplacementJeu=1\nSurligneChiffres=1\n";
    settings += Scenario.contains(QLatin1String("full")) ? "typeecran=1\n" : "typeecran=2\n";
    if (Scenario.contains(QLatin1String("clouds"))) settings += "FondEcran=LightClouds.jpeg\n";
    if (Scenario.contains(QLatin1String("letters"))) settings += "typebrique=2\n";
  }
  // More settings from the environment, for the same pictures in another
  // look: SCREENSHOT_SETTINGS="Apparence=2;ContrasteEleve=1".
  for (const QByteArray& line : qgetenv("SCREENSHOT_SETTINGS").split(';'))
    if (!line.isEmpty()) settings += line + '\n';
  QFile ini(folder.filePath(QStringLiteral("sudoku.ini")));
  if (!ini.open(QIODevice::WriteOnly) || ini.write(settings) < 0) return 1;
  ini.close();
  if (Scenario != QLatin1String("noimages"))
    QFile::link(QDir(build + QStringLiteral("/images")).absolutePath(), folder.filePath(QStringLiteral("images")));
  QFile::link(QDir(build).absoluteFilePath(QStringLiteral("orvalis.chm")),
              folder.filePath(QStringLiteral("orvalis.chm")));
  // The interface speaks the language of LANG (and LANGUAGE) as the game does.
  QFile::link(QDir(build + QStringLiteral("/translations")).absolutePath(),
              folder.filePath(QStringLiteral("translations")));

  StartOptions options;
  options.ProgramFolder = folder.path();
  options.Started = [](Tf_Main& Main) {
    Window = &Main;
    if (Seed) {
      // Each level's grids from the seed in turn; the grid being prepared at
      // start is made again from it.
      Main.Generateur->GenerationOptions = [](int Level) {
        static std::array<std::uint64_t, HighestLevel + 1> made{};
        GenerateOptions generation;
        generation.Seed = *Seed * 1000003u + std::uint64_t(Level) * 1000u + made[std::size_t(Level)]++;
        return generation;
      };
      Main.Generateur->StartGeneration(1);
    }
    QTimer::singleShot(800, [] {
      if (Scenario == QLatin1String("windowed"))
        Windowed();
      else if (Scenario == QLatin1String("fullscreen"))
        FullScreen();
      else if (Scenario == QLatin1String("letters"))
        Letters();
      else if (Scenario == QLatin1String("untimed"))
        Untimed();
      else if (Scenario == QLatin1String("highlight") || Scenario == QLatin1String("clouds"))
        HighlightAndPause();
      else if (Scenario.startsWith(QLatin1String("signals")))
        Signals();
      else if (Scenario == QLatin1String("daily"))
        Daily();
      else if (Scenario == QLatin1String("statistics"))
        Statistics();
      else if (Scenario == QLatin1String("booklet"))
        Booklet();
      else if (Scenario == QLatin1String("hints"))
        Hints();
      else if (Scenario == QLatin1String("ladder"))
        Ladder();
      else if (Scenario == QLatin1String("diabolique"))
        Diabolique();
      else if (Scenario == QLatin1String("digitfirst"))
        DigitFirst();
      else
        NoImages();
      Window->close();
    });
  };
  return RunGame(app, options);
}
