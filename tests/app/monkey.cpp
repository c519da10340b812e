// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <sstream>
#include <thread>
#include <vector>

#include "carrecoche.h"
#include "charge.h"
#include "child_util.h"
#include "choixniveau.h"
#include "finjeu.h"
#include "generateur.h"
#include "generation.h"
#include "grille.h"
#include "grillesudoku.h"
#include "hotlabel.h"
#include "image.h"
#include "jeux.h"
#include "main.h"
#include "rondcoche.h"
#include "sauve.h"
#include "scoresscreen.h"

namespace {

// A step that has not ended after this long is a hang: the watch reports it
// and ends the process, since a blocked interface thread cannot be unwound.
constexpr int HangSeconds = 120;
// The generator comes to rest within this long after a step (a "Facile" or
// "Moyen" grid takes milliseconds, seconds under the sanitizers).
constexpr int RestTimeoutMs = 120000;

}  // namespace

// What a step may do to the game, and so what the checks expect of it.
enum class TMonkey::Kind : int {
  Entry,   // a key, a click, a digit button, the mode: at most one entry pushed
  Hint,    // "Indice": at most one entry pushed, one help more
  Undo,    // "Annuler la saisie": entries popped, one cell put back
  Redo,    // "Rétablir": the last entry undone entered again
  Resume,  // a key or click on a paused game: it resumes, nothing else
  Solve,   // "Résoudre": cells filled, the stack untouched, helps may rise
  Reinit,  // "Réinitialiser": back to the givens, the stack emptied
  Quiet,   // saving, printing, the help, a verification: nothing changes
  Reset,   // another grid, a load, play, the menu: a new game may begin
};

namespace {

// Random texts of the kind players type: accents, bars, quotes, line breaks,
// nothing at all, a great deal.
QString RandomText(std::mt19937& Random) {
  static const QString pieces[] = {QStringLiteral("Ma grille"), QStringLiteral("Été"),   QStringLiteral("a|b"),
                                   QStringLiteral("||"),        QStringLiteral("\"x\""), QStringLiteral("  "),
                                   QStringLiteral("\n"),        QStringLiteral("€œ"),    QStringLiteral("日本"),
                                   QStringLiteral("[Scores]"),  QStringLiteral("=;#"),   QString()};
  QString text;
  const int count = int(Random() % 4);
  for (int k = 0; k < count; ++k) text += pieces[Random() % std::size(pieces)];
  if (Random() % 20 == 0) text += QString(300, QLatin1Char('x'));
  return text;
}

}  // namespace

// --- The watch over modal dialogs, and over steps that never end ---

class TMonkey::Answerer {
 public:
  Answerer(std::uint64_t Seed, const std::string& Where) : Random_(std::uint32_t(Seed * 7919 + 17)) {
    QObject::connect(&Timer_, &QTimer::timeout, [this] { Tick(); });
    Timer_.start(2);
    Watch_ = std::thread([this, Where] { Watch(Where); });
  }
  ~Answerer() {
    {
      std::lock_guard<std::mutex> lock(Mutex_);
      Stop_ = true;
    }
    Wake_.notify_all();
    Watch_.join();
  }

  void BeginStep(int Step, const std::string& Action) {
    FinishSeen = false;
    Answered_ = nullptr;
    Attempts_ = 0;
    std::lock_guard<std::mutex> lock(Mutex_);
    Step_ = Step;
    Action_ = Action;
    StepStart_ = std::chrono::steady_clock::now();
  }
  void SetAction(const std::string& Action) {
    std::lock_guard<std::mutex> lock(Mutex_);
    Action_ = Action;
  }

  // The end of a game came during the step (its question, the name box or the
  // end-of-game dialog was shown).
  bool FinishSeen = false;
  int Finishes = 0;

 private:
  void Tick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (Pending_ || modal == nullptr || !modal->isVisible()) return;
    // The wait dialog closes by itself when the grid arrives.
    if (qobject_cast<Tf_generation*>(modal) != nullptr) return;
    if (modal == Answered_) {
      // Still open after an answer (a name refused, no grid chosen): a second
      // try, then the dialog is closed.
      if (++Attempts_ > 2) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
          dialog->reject();
        else
          modal->close();
        return;
      }
    } else {
      Answered_ = modal;
      Attempts_ = 1;
    }
    // Answered from a timer of its own: an answer may open another dialog
    // (an error box over the save dialog), whose loop must find this watch
    // free to run again.
    Pending_ = true;
    QTimer::singleShot(0, &Timer_, [this, modal = QPointer<QWidget>(modal)] {
      Pending_ = false;
      if (modal && modal->isVisible()) Answer(modal);
    });
  }

  int Pick(int Count) { return int(Random_() % std::uint32_t(Count)); }

  void Answer(QWidget* Modal) {
    if (auto* levels = qobject_cast<Tf_ChoixNiveau*>(Modal)) {
      const int choice = Pick(10);
      if (choice == 0)
        levels->close();
      else
        QTest::mouseClick(choice <= 5 ? levels->hl_facile : levels->hl_Moyen, Qt::LeftButton);
    } else if (auto* end = qobject_cast<Tf_FinJeu*>(Modal)) {
      Finish();
      THotLabel* choices[] = {end->hl_HighScore, end->hl_Sauver, end->hl_Nouveau, end->hl_Retour};
      const int choice = Pick(5);
      if (choice == 4)
        end->close();
      else
        QTest::mouseClick(choices[choice], Qt::LeftButton);
    } else if (auto* box = qobject_cast<QMessageBox*>(Modal)) {
      if (box->windowTitle() == QStringLiteral("Erreur sur la grille")) Finish();
      QAbstractButton* yes = box->button(QMessageBox::Yes);
      QAbstractButton* no = box->button(QMessageBox::No);
      QAbstractButton* cancel = box->button(QMessageBox::Cancel);
      if (yes != nullptr && no != nullptr && cancel != nullptr)
        (Pick(3) == 0 ? yes : Pick(2) == 0 ? no : cancel)->click();
      else if (yes != nullptr && no != nullptr)
        (Pick(2) == 0 ? yes : no)->click();
      else if (QAbstractButton* ok = box->button(QMessageBox::Ok))
        ok->click();
      else
        box->close();
    } else if (auto* name = qobject_cast<QInputDialog*>(Modal)) {
      Finish();
      name->setTextValue(RandomText(Random_));
      if (Pick(4) == 0)
        name->reject();
      else
        name->accept();
    } else if (auto* save = qobject_cast<Tf_Sauve*>(Modal)) {
      if (Pick(4) == 0) {
        save->b_Annuler->click();
        return;
      }
      static const QString files[] = {QStringLiteral("defaut"),
                                      QStringLiteral("grilles"),
                                      QStringLiteral("Été 2026"),
                                      QStringLiteral("a|b"),
                                      QString(),
                                      QStringLiteral("../dehors"),
                                      QStringLiteral(".cache")};
      save->cb_FichierGrille->setCurrentText(files[Pick(int(std::size(files)))]);
      save->e_NomGrille->setText(RandomText(Random_));
      save->m_Description->setPlainText(RandomText(Random_));
      save->cc_grilledepart->SetChecked(Pick(3) == 0);
      save->b_Enregistrer->click();
    } else if (auto* load = qobject_cast<Tf_Charge*>(Modal)) {
      if (Pick(5) == 0 || load->cb_FichierGrille->count() == 0) {
        load->b_Annuler->click();
        return;
      }
      load->cb_FichierGrille->setCurrentIndex(Pick(load->cb_FichierGrille->count()));
      if (load->cb_Grilles->count() > 0) load->cb_Grilles->setCurrentIndex(Pick(load->cb_Grilles->count()));
      load->cc_grilledepart->SetChecked(Pick(3) == 0);
      load->b_Charger->click();
    } else if (auto* print = qobject_cast<QPrintDialog*>(Modal)) {
      print->reject();
    } else if (auto* dialog = qobject_cast<QDialog*>(Modal)) {
      dialog->reject();
    } else {
      Modal->close();
    }
  }

  void Finish() {
    if (!FinishSeen) ++Finishes;
    FinishSeen = true;
  }

  // On its own thread: a step that does not end within HangSeconds is
  // reported with its seed and step, and the process ends.
  void Watch(const std::string& Where) {
    std::unique_lock<std::mutex> lock(Mutex_);
    while (!Stop_) {
      Wake_.wait_for(lock, std::chrono::seconds(1));
      if (Stop_ || Step_ < 0) continue;
      if (std::chrono::steady_clock::now() - StepStart_ > std::chrono::seconds(HangSeconds)) {
        std::fprintf(stderr, "monkey: %s, step %d (%s) has not ended after %d s\n", Where.c_str(), Step_,
                     Action_.c_str(), HangSeconds);
        std::fflush(stderr);
        std::abort();
      }
    }
  }

  std::mt19937 Random_;
  QTimer Timer_;
  QPointer<QWidget> Answered_;
  int Attempts_ = 0;
  bool Pending_ = false;

  std::thread Watch_;
  std::mutex Mutex_;
  std::condition_variable Wake_;
  bool Stop_ = false;
  int Step_ = -1;
  std::string Action_;
  std::chrono::steady_clock::time_point StepStart_;
};

// --- What is checked between two steps ---

struct TMonkey::State {
  QPointer<Tf_Jeux> Game;
  std::uint32_t Serial = 0;  // the game's: a new one with every grid dealt, loaded or accepted
  bool GameMode = false;
  ByteArray Givens{};
  WordArray Digits{};
  WordArray Notes{};
  WordArray Candidates{};
  std::vector<TMove> Stack;
  std::vector<TMove> Redo;
  bool Paused = false;
  int SelRow = 1;
  int SelCol = 1;
  int Helps = 0;
  QString HelpsShown;
  int Elapsed = 0;
  Kind StepKind = Kind::Quiet;
};

TMonkey::TMonkey(Tf_Main& Main, std::uint64_t Seed) : Main_(Main), Seed_(Seed), Random_(std::uint32_t(Seed)) {
  Answerer_ = std::make_unique<Answerer>(Seed, "seed " + std::to_string(Seed));
  // Each generation seeded from the monkey's seed, in the order they start;
  // the monkey waits for the generator to rest, so that order is always the same.
  Main_.Generateur->GenerationOptions = [this](int) {
    GenerateOptions options;
    options.Seed = Seed_ * 1000003u + Generations_++;
    return options;
  };
}

TMonkey::~TMonkey() {
  if (Main_.Generateur) Main_.Generateur->GenerationOptions = nullptr;
}

int TMonkey::Pick(int Count) { return int(Random_() % std::uint32_t(Count)); }

bool TMonkey::Chance(int Percent) { return Pick(100) < Percent; }

bool TMonkey::WaitForGenerator() {
  QCoreApplication::processEvents();
  return QTest::qWaitFor([this] { return !Main_.Generateur->HasThreads(); }, RestTimeoutMs);
}

void TMonkey::AdoptScreen() {
  auto* game = qobject_cast<Tf_Jeux*>(Main_.CurrentScreen.data());
  if (game == nullptr || (game == Adopted_ && game->Partie().Serial() == AdoptedSerial_)) return;
  // A new game screen or game: its clock is the monkey's from now on, as if
  // it had just started (it did, a moment ago).
  Adopted_ = game;
  AdoptedSerial_ = game->Partie().Serial();
  game->Partie().SetClock([this] { return Now_; });
}

TMonkey::State TMonkey::Capture() const {
  State s;
  auto* game = qobject_cast<Tf_Jeux*>(Main_.CurrentScreen.data());
  if (game == nullptr || !game->isVisible()) return s;
  s.Game = game;
  const TGrilleSudoku& view = game->Grid();
  const TGrille& model = view.Grille();
  s.Serial = game->Partie().Serial();
  s.GameMode = view.GameMode();
  s.Givens = model.Givens;
  s.Digits = model.Digits;
  s.Notes = model.Notes;
  s.Candidates = model.Candidates;
  s.Stack = view.UndoStack();
  s.Redo = view.RedoStack();
  s.Paused = game->Paused();
  s.SelRow = view.SelRow;
  s.SelCol = view.SelCol;
  s.Helps = game->Partie().Helps();
  s.HelpsShown = Find<QLabel>(game, "l_Indice")->text();
  s.Elapsed = game->ElapsedSeconds();
  return s;
}

namespace {

bool SameEntry(const TMove& a, const TMove& b) {
  return a.Kind == b.Kind && a.Row == b.Row && a.Col == b.Col && a.Digit == b.Digit && a.Previous == b.Previous;
}

// A move of the whole grid ("Résoudre", "Réinitialiser") names no cell.
bool WholeGrid(const TMove& Move) { return Move.Kind == TMoveKind::Solve || Move.Kind == TMoveKind::Reset; }

bool IsPrefix(const std::vector<TMove>& Short, const std::vector<TMove>& Long) {
  if (Short.size() > Long.size()) return false;
  for (std::size_t k = 0; k < Short.size(); ++k)
    if (!SameEntry(Short[k], Long[k])) return false;
  return true;
}

std::string CellName(int i) { return "(" + std::to_string(i / 9 + 1) + "," + std::to_string(i % 9 + 1) + ")"; }

// The cells whose digit or notes differ.
std::vector<int> ChangedCells(const WordArray& DigitsA, const WordArray& NotesA, const WordArray& DigitsB,
                              const WordArray& NotesB) {
  std::vector<int> cells;
  for (int i = 0; i < 81; ++i)
    if (DigitsA[i] != DigitsB[i] || NotesA[i] != NotesB[i]) cells.push_back(i);
  return cells;
}

// The notes of a cell after a pencil-mark entry of Digit (0 clears them).
std::uint16_t ToggledNotes(std::uint16_t Notes, int Digit) {
  return Digit == 0 ? std::uint16_t(0) : std::uint16_t(Notes ^ (1u << (Digit - 1)));
}

}  // namespace

std::string TMonkey::Check(const State& Before, const State& After) const {
  std::ostringstream why;
  if (!After.Game) return {};

  // --- The model and the screen on their own ---
  for (int i = 0; i < 81; ++i) {
    const int row = i / 9 + 1, col = i % 9 + 1;
    std::uint16_t peers = 0;
    for (int j = 0; j < 81; ++j) {
      const int r = j / 9 + 1, c = j % 9 + 1;
      if (j != i && (r == row || c == col || BlockOf(r, c) == BlockOf(row, col)))
        peers = std::uint16_t(peers | (After.Digits[j] & AllDigits));
    }
    if (After.Digits[i] != DigitWord(WordDigit(After.Digits[i])))
      why << "cell " << CellName(i) << " holds no digit word; ";
    if (After.Digits[i] != 0 && After.Candidates[i] != 0)
      why << "candidates in the filled cell " << CellName(i) << "; ";
    if (After.Digits[i] == 0 && (After.Candidates[i] & peers) != 0)
      why << "cell " << CellName(i) << " has a candidate that a peer holds; ";
    if (After.GameMode && After.Givens[i] != 0 && WordDigit(After.Digits[i]) != After.Givens[i])
      why << "the given of " << CellName(i) << " is not in the grid; ";
  }
  for (const TMove& e : After.Stack)
    if (!WholeGrid(e) && (e.Row < 1 || e.Row > 9 || e.Col < 1 || e.Col > 9 || e.Digit > 9 || e.Previous > 9))
      why << "an undo entry out of range; ";
  if (After.SelRow < 1 || After.SelRow > 9 || After.SelCol < 1 || After.SelCol > 9)
    why << "the selection left the grid; ";
  if (After.HelpsShown != QString::number(After.Helps))
    why << "the screen shows " << After.HelpsShown.toStdString() << " helps for " << After.Helps << "; ";

  // --- What the step did, within one game ---
  const Kind kind = After.StepKind;
  const bool sameGame = Before.Game == After.Game && Before.Serial == After.Serial &&
                        Before.GameMode == After.GameMode && kind != Kind::Reset && !Answerer_->FinishSeen;
  if (!sameGame) return why.str();

  if (After.Helps < Before.Helps)
    why << "the help counter went back from " << Before.Helps << " to " << After.Helps << "; ";
  if (kind == Kind::Hint && After.Helps != Before.Helps + 1) why << "a hint did not count one help; ";
  if (kind != Kind::Hint && kind != Kind::Solve && After.Helps != Before.Helps) why << "the help counter moved; ";
  if (After.Elapsed < Before.Elapsed)
    why << "the clock went back from " << Before.Elapsed << " to " << After.Elapsed << " s; ";
  if (After.GameMode && After.Givens != Before.Givens) why << "a given changed during play; ";

  const std::vector<int> changed = ChangedCells(Before.Digits, Before.Notes, After.Digits, After.Notes);
  const std::size_t before = Before.Stack.size(), after = After.Stack.size();
  // An undo or a redo took the entries of Source from Left up: those above
  // the one replayed were made on cells that are givens now, and are dropped
  // as well; the one replayed changed its cell alone, back to the digit before
  // (undo) or to its digit again (redo). False when it was dropped too.
  const auto Replayed = [&](const char* What, const std::vector<TMove>& Source, std::size_t Left, bool Forward) {
    for (std::size_t k = Left + 1; k < Source.size(); ++k) {
      const int cell = Cell(Source[k].Row, Source[k].Col);
      if (!After.GameMode || After.Givens[cell] == 0) why << What << " dropped the entry of a free cell; ";
    }
    const TMove& e = Source[Left];
    if (WholeGrid(e)) return true;  // any cell may change back
    const int cell = Cell(e.Row, e.Col);
    if (After.GameMode && After.Givens[cell] != 0) {
      if (!changed.empty()) why << What << " changed a cell though it only dropped entries of givens; ";
      return false;
    }
    for (int i : changed)
      if (i != cell) why << What << " of " << CellName(cell) << " changed " << CellName(i) << "; ";
    if (e.Kind == TMoveKind::Note) {
      // Undoing the clearing of a cell's marks puts them all back.
      const bool cleared = e.Digit == 0 && !Forward;
      if ((!cleared && After.Notes[cell] != ToggledNotes(Before.Notes[cell], e.Digit)) ||
          After.Digits[cell] != Before.Digits[cell])
        why << What << " of a pencil mark in " << CellName(cell) << " did not toggle it; ";
    } else {
      const int expected = Forward ? e.Digit : e.Previous;
      // A given typed in against the rules is refused, its entry stays.
      const bool refused = !After.GameMode && After.Digits[cell] == Before.Digits[cell];
      if (WordDigit(After.Digits[cell]) != expected && !refused)
        why << What << " left " << WordDigit(After.Digits[cell]) << " in " << CellName(cell) << ", not " << expected
            << "; ";
    }
    return true;
  };

  switch (kind) {
    case Kind::Entry:
    case Kind::Hint:
    case Kind::Quiet: {
      if (after == before) {
        if (!IsPrefix(After.Stack, Before.Stack)) why << "the undo stack changed; ";
        if (!changed.empty()) why << "cell " << CellName(changed.front()) << " changed without an undo entry; ";
        break;
      }
      if (kind == Kind::Quiet || after != before + 1 || !IsPrefix(Before.Stack, After.Stack)) {
        why << "the undo stack went from " << before << " to " << after << " entries; ";
        break;
      }
      if (!After.Redo.empty()) why << "a new move left " << After.Redo.size() << " entries to redo; ";
      const TMove& e = After.Stack.back();
      const int cell = Cell(e.Row, e.Col);
      for (int i : changed)
        if (i != cell) why << "cell " << CellName(i) << " changed under the entry of " << CellName(cell) << "; ";
      if (e.Kind == TMoveKind::Note) {
        if (After.Notes[cell] != ToggledNotes(Before.Notes[cell], e.Digit) || After.Digits[cell] != Before.Digits[cell])
          why << "the pencil mark entry of " << CellName(cell) << " is not what happened; ";
      } else {
        if (WordDigit(Before.Digits[cell]) != e.Previous)
          why << "the entry of " << CellName(cell) << " names " << int(e.Previous) << " as the digit before, not "
              << WordDigit(Before.Digits[cell]) << "; ";
        // A given typed in against the rules is refused, its entry stays.
        const bool refused = !After.GameMode && After.Digits[cell] == Before.Digits[cell];
        if (WordDigit(After.Digits[cell]) != e.Digit && !refused)
          why << "the entry of " << CellName(cell) << " names " << int(e.Digit) << ", the cell holds "
              << WordDigit(After.Digits[cell]) << "; ";
      }
      break;
    }
    case Kind::Undo:
      if (!IsPrefix(After.Stack, Before.Stack) || (before > 0 && after == before)) {
        why << "undo went from " << before << " to " << after << " entries; ";
        break;
      }
      if (before == 0) {
        if (!changed.empty()) why << "undo on an empty stack changed a cell; ";
        break;
      }
      Replayed("undo", Before.Stack, after, false);
      break;
    case Kind::Redo: {
      const std::size_t redoBefore = Before.Redo.size(), redoAfter = After.Redo.size();
      if (redoBefore == 0) {
        if (after != before || redoAfter != 0 || !changed.empty())
          why << "redo with nothing to redo changed the game; ";
        break;
      }
      if (redoAfter >= redoBefore || !IsPrefix(After.Redo, Before.Redo)) {
        why << "redo went from " << redoBefore << " to " << redoAfter << " entries to redo; ";
        break;
      }
      const TMove& e = Before.Redo[redoAfter];
      if (!Replayed("redo", Before.Redo, redoAfter, true)) {
        if (after != before) why << "redo pushed an entry though it only dropped entries of givens; ";
      } else if (after != before + 1 || !IsPrefix(Before.Stack, After.Stack) || !SameEntry(After.Stack.back(), e)) {
        why << "redo of " << CellName(Cell(e.Row, e.Col)) << " did not put its entry back on the undo stack; ";
      }
      break;
    }
    case Kind::Resume:
      // Paused, the game takes the key or click only to resume: the move,
      // command or shortcut it would have been does not happen, and the
      // time of the pause is not counted.
      if (After.Paused) why << "a key or click left the game paused; ";
      if (!changed.empty() || after != before || After.Redo.size() != Before.Redo.size())
        why << "the key or click that resumed the game also changed it; ";
      if (After.Elapsed != Before.Elapsed)
        why << "the clock counted the pause (" << Before.Elapsed << " s before, " << After.Elapsed << " s after); ";
      break;
    case Kind::Solve:
      // One move for the solve, one more for the solution shown after it.
      if (!IsPrefix(Before.Stack, After.Stack) || after > before + 2) why << "solving did not add its moves; ";
      for (std::size_t k = before; k < after && k < After.Stack.size(); ++k)
        if (After.Stack[k].Kind != TMoveKind::Solve) why << "solving added a move that is no solve; ";
      break;
    case Kind::Reinit:
      if (after != before + 1 || !IsPrefix(Before.Stack, After.Stack) || After.Stack.back().Kind != TMoveKind::Reset)
        why << "\"Réinitialiser\" is not one move; ";
      for (int i = 0; i < 81; ++i)
        if (WordDigit(After.Digits[i]) != After.Givens[i] || After.Notes[i] != 0)
          why << "cell " << CellName(i) << " is not back to its given; ";
      if (After.Givens != Before.Givens) why << "\"Réinitialiser\" changed the givens; ";
      break;
    case Kind::Reset:
      break;
  }
  return why.str();
}

// --- The steps ---

namespace {

void Click(QWidget* Widget, Qt::MouseButton Button = Qt::LeftButton, Qt::KeyboardModifiers Modifiers = {}) {
  QTest::mouseClick(Widget, Button, Modifiers, Widget->rect().center());
}

}  // namespace

void TMonkey::Step() {
  auto* game = qobject_cast<Tf_Jeux*>(Main_.CurrentScreen.data());
  Kind kind = Kind::Quiet;

  if (game == nullptr) {
    if (auto* scores = qobject_cast<Tf_Scores*>(Main_.CurrentScreen.data())) {
      Action_ = "\"Retour au menu\" from the high scores";
      Answerer_->SetAction(Action_);
      Click(scores->hl_RetourMenu);
    } else {
      // The menu: a new game (most often), a puzzle to type in, a load.
      const int choice = Pick(10);
      THotLabel* label = choice < 6 ? Main_.hl_nouveau : choice < 9 ? Main_.hl_puzzle : Main_.hl_Charger;
      Action_ = "menu \"" + label->text().toStdString() + "\"";
      Answerer_->SetAction(Action_);
      Click(label);
    }
    LastKind_ = Kind::Reset;
    return;
  }

  // The window is active again after a dialog, as the desktop makes it: the
  // commands' keys reach their shortcuts.
  if (QApplication::activeWindow() != Main_.window()) {
    Main_.activateWindow();
    if (!QTest::qWaitForWindowActive(&Main_, 1000))
      std::fprintf(stderr, "monkey: seed %llu, the main window could not be made active\n",
                   static_cast<unsigned long long>(Seed_));
  }
  TGrilleSudoku* grid = &game->Grid();
  const int roll = Pick(1000);
  if (roll < 400) {
    // A key on the grid: a digit or a letter, erasing keys, arrows; Ctrl
    // notes a possibility, the keypad gives digits too.
    static const int keys[] = {Qt::Key_0,    Qt::Key_1,         Qt::Key_2,      Qt::Key_3,    Qt::Key_4,     Qt::Key_5,
                               Qt::Key_6,    Qt::Key_7,         Qt::Key_8,      Qt::Key_9,    Qt::Key_A,     Qt::Key_E,
                               Qt::Key_I,    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                               Qt::Key_Down, Qt::Key_Down,      Qt::Key_Right};
    const int key = keys[Pick(int(std::size(keys)))];
    Qt::KeyboardModifiers modifiers;
    const int m = Pick(10);
    if (m < 2)
      modifiers = Qt::ControlModifier;
    else if (m == 2)
      modifiers = Qt::KeypadModifier;
    Action_ = "key " + QKeySequence(key | int(modifiers)).toString().toStdString();
    kind = Kind::Entry;
    Answerer_->SetAction(Action_);
    QTest::keyClick(grid, Qt::Key(key), modifiers);
  } else if (roll < 600) {
    const int x = Pick(grid->width()), y = Pick(grid->height());
    const Qt::MouseButton button = Chance(80) ? Qt::LeftButton : Qt::RightButton;
    Action_ = "click at " + std::to_string(x) + "," + std::to_string(y) + " on the grid";
    kind = Kind::Entry;
    Answerer_->SetAction(Action_);
    QTest::mouseClick(grid, button, {}, QPoint(x, y));
  } else if (roll < 780) {
    const int k = Pick(10);
    const Qt::MouseButton button = Chance(75) ? Qt::LeftButton : Qt::RightButton;
    const Qt::KeyboardModifiers modifiers = Chance(10) ? Qt::ControlModifier : Qt::NoModifier;
    Action_ = "digit button " + std::to_string(k < 9 ? k + 1 : 0) + (button == Qt::RightButton ? " (right)" : "") +
              (modifiers != Qt::NoModifier ? " with Ctrl" : "");
    kind = Kind::Entry;
    Answerer_->SetAction(Action_);
    Click(DigitButton(game, std::size_t(k)), button, modifiers);
  } else if (roll < 800) {
    const bool notes = Chance(50);
    Action_ = notes ? "mode possibilité" : "mode normal";
    kind = Kind::Entry;
    Answerer_->SetAction(Action_);
    Click(notes ? static_cast<QWidget*>(Find<TRondCoche>(game, "rc_ModePossibilite"))
                : Find<TRondCoche>(game, "rc_ModeNormal"));
  } else if (roll < 830) {
    // "Rétablir" by either key or its picture.
    const int how = Pick(3);
    Action_ = how == 0 ? "key Ctrl+Y" : how == 1 ? "key Ctrl+Shift+Z" : "\"Rétablir\"";
    kind = Kind::Redo;
    Answerer_->SetAction(Action_);
    if (how == 0)
      QTest::keyClick(grid, Qt::Key_Y, Qt::ControlModifier);
    else if (how == 1)
      QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    else
      Click(Find<TImage>(game, "im_Retablir"));
  } else if (roll < 840) {
    // The pause by its keys or picture; the next step resumes.
    const int how = Pick(3);
    Action_ = how == 0 ? "key F5" : how == 1 ? "key Pause" : "\"Pause\"";
    kind = Kind::Quiet;
    Answerer_->SetAction(Action_);
    if (how < 2)
      QTest::keyClick(grid, how == 0 ? Qt::Key_F5 : Qt::Key_Pause);
    else
      Click(Find<TImage>(game, "im_Pause"));
  } else if (roll < 855) {
    // Copy, or paste a puzzle (what was copied, one of its other forms, or
    // text that is no puzzle) while typing in; pasting during play is refused.
    const bool playing = grid->GameMode();
    if (Chance(30)) {
      Action_ = "key Ctrl+Insert";
      kind = Kind::Quiet;
      Answerer_->SetAction(Action_);
      QTest::keyClick(grid, Qt::Key_Insert, Qt::ControlModifier);
    } else {
      QString text = QGuiApplication::clipboard()->text();
      const int form = Pick(4);
      if (form == 1) {  // nine lines of nine
        QString lines;
        for (int k = 0; k < text.size(); ++k) lines += text[k] + QString(k % 9 == 8 ? QStringLiteral("\n") : QString());
        text = lines;
      } else if (form == 2) {
        text = RandomText(Random_);
      } else if (form == 3 && text.size() == 81) {  // a conflicting digit in the puzzle
        text[Pick(81)] = QLatin1Char(char('1' + Pick(9)));
      }
      QGuiApplication::clipboard()->setText(text);
      Action_ = "paste " + QString(text).replace(QLatin1Char('\n'), QLatin1Char('/')).toStdString();
      kind = playing ? Kind::Quiet : Kind::Reset;
      Answerer_->SetAction(Action_);
      if (Pick(2) == 0)
        QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
      else
        QTest::keyClick(grid, Qt::Key_Insert, Qt::ShiftModifier);
    }
  } else {
    // A command of the panels.
    struct Command {
      THotLabel* Label;
      Kind What;
      int Weight;
    };
    const bool playing = grid->GameMode();
    const Command commands[] = {
        {Find<THotLabel>(game, "hl_Indice"), Kind::Hint, 40},
        {Find<THotLabel>(game, "hl_Annuler"), Kind::Undo, 40},
        {Find<THotLabel>(game, "hl_Possibilite"), Kind::Entry, 15},
        {Find<THotLabel>(game, "hl_Resoudre"), Kind::Solve, 8},
        {Find<THotLabel>(game, "hl_reinit"), Kind::Reinit, 8},
        {Find<THotLabel>(game, "hl_newgrille"), Kind::Reset, 10},
        {Find<THotLabel>(game, "hl_charger"), Kind::Reset, 4},
        {Find<THotLabel>(game, "hl_sauver"), Kind::Quiet, 8},
        {Find<THotLabel>(game, "hl_imprimer"), Kind::Quiet, 2},
        {Find<THotLabel>(game, "hl_documentation"), Kind::Quiet, 1},
        {Find<THotLabel>(game, "hl_Menu"), Kind::Reset, 4},
        {Find<THotLabel>(game, "hl_VerifierGrille"), Kind::Quiet, playing ? 0 : 20},
        {Find<THotLabel>(game, "hl_JouerGrille"), Kind::Reset, playing ? 0 : 20},
    };
    int total = 0;
    for (const Command& c : commands) total += c.Weight;
    int at = Pick(total);
    const Command* chosen = &commands[0];
    for (const Command& c : commands) {
      if (at < c.Weight) {
        chosen = &c;
        break;
      }
      at -= c.Weight;
    }
    Action_ = "\"" + chosen->Label->text().toStdString() + "\"";
    kind = chosen->What;
    // "Réinitialiser" in typing-in mode empties the grid of its typed givens.
    if (kind == Kind::Reinit && !playing) kind = Kind::Reset;
    Answerer_->SetAction(Action_);
    if (chosen->Label == Find<THotLabel>(game, "hl_Indice")) ++HintsGiven_;
    Click(chosen->Label);
  }
  LastKind_ = kind;
}

bool TMonkey::Run(int Steps) {
  if (!WaitForGenerator()) {
    Failure_ = "seed " + std::to_string(Seed_) + ": the generator did not come to rest before the first step";
    return false;
  }
  for (int step = 0; step < Steps; ++step) {
    AdoptScreen();
    const State before = Capture();
    Answerer_->BeginStep(step, "choosing");
    Now_ += std::uint64_t(Pick(4000));
    Step();
    if (!WaitForGenerator()) {
      Failure_ = "seed " + std::to_string(Seed_) + ", step " + std::to_string(step) + " (" + Action_ +
                 "): the generator did not come to rest";
      return false;
    }
    AdoptScreen();
    State after = Capture();
    // Paused, the step only resumes the game, whatever it was.
    after.StepKind = before.Paused ? Kind::Resume : LastKind_;
    if (after.Game && after.Serial != before.Serial) ++GridsDealt_;
    const std::string why = Check(before, after);
    ++StepsRun_;
    GamesEnded_ = Answerer_->Finishes;
    if (!why.empty()) {
      Failure_ = "seed " + std::to_string(Seed_) + ", step " + std::to_string(step) + " (" + Action_ + "): " + why;
      if (before.Game) {
        // The position the step started from, as the grid text form.
        std::string givens, digits;
        for (int i = 0; i < 81; ++i) {
          givens += char('0' + before.Givens[i]);
          digits += char('0' + WordDigit(before.Digits[i]));
        }
        Failure_.append("\nbefore the step: ").append(givens).append("|").append(digits);
        Failure_ += before.GameMode ? " (playing)" : " (typing in)";
        std::string after_;
        for (int i = 0; i < 81; ++i) after_ += char('0' + WordDigit(after.Digits[i]));
        Failure_ += "\nafter the step:  " + std::string(81, ' ') + " " + after_;
      }
      return false;
    }
  }
  return true;
}
