#include "jeux.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>

#include "charge.h"
#include "choixniveau.h"
#include "color.h"
#include "decor.h"
#include "finjeu.h"
#include "fondcopie.h"
#include "generation.h"
#include "grillesudoku.h"
#include "hotlabel.h"
#include "image.h"
#include "look.h"
#include "messages.h"
#include "options.h"
#include "rondcoche.h"
#include "sauve.h"
#include "scores.h"
#include "shell.h"

namespace {

// --- Texts ---
const QString EntryTip = QStringLiteral(
    "Pour saisir un chiffre dans la grille, choisissez tout d'abord une case à l'aide de la "
    "souris ou en déplaçant la séléction avec les flèches de direction. Ensuite vous pouvez soit "
    "entrer le chiffre à partir du clavier (0 pour effacer une case), soit choisir le chiffre à "
    "ajouter en cliquant sur celui-ci dans la liste qui se trouve sous la grille.");
const QString NoteTip = QStringLiteral(
    "Pour noter une possibilité et non pas un chiffre, choisissez d'abord le mode possibilité "
    "(case avec 3 chiffres en indice) puis procédez de la même manière que pour ajouter un "
    "chiffre. Vous pouvez également maintenir la touche \"Ctrl\" enfoncée pendant que vous "
    "saisissez un chiffre, ou cliquez avec le bouton droit de la souris sur un chiffre en bas.");
const QString TypingInTip = QStringLiteral(
    "Une fois la grille saisie, cliquez sur \"Jouer sur la grille\" pour pouvoir résoudre le "
    "puzzle.");
const QString NewGridCaption = QStringLiteral("Nouvelle grille");
const QString ClearGridCaption = QStringLiteral("Effacer la grille");
const QString ShowCandidatesCaption = QStringLiteral("Voir possibilités");
const QString HideCandidatesCaption = QStringLiteral("Cacher possibil.");
const QString CannotSolve = QStringLiteral("La grille ne peut pas être résolue");
const QString MultipleTitle = QStringLiteral("Solutions multiples");
const QString MultipleQuestion = QStringLiteral(
    "Cette grille n'a pas une solution unique. Souhaitez-vous que le logiciel affiche une des "
    "solutions?");
const QString ErrorsTitle = QStringLiteral("Erreur sur la grille");
const QString ErrorsQuestion = QStringLiteral(
    "Il reste des erreurs sur cette grille. Voulez-vous continuer à jouer avec cette grille? (Si "
    "vous répondez non, celles-ci seront corrigées automatiquement et vous pourrez voir votre "
    "score");
const QString VerifyCannotSolve = QStringLiteral("La grille ne peut pas être résolue.");
const QString VerifySolvable = QStringLiteral("La grille peut être résolue.");
const QString VerifySeveral = QStringLiteral(
    "La grille peut être résolue mais possède plusieurs solutions, ce qui n'est pas conforme aux "
    "règles du Sudoku.");
const QString VerifyGuessing = QStringLiteral(
    "La grille peut être résolue mais cela demande d'émettre des suppositions lors de la "
    "résolution, ce qui n'est pas conforme aux règles du Sudoku.");
const QString QuitTitle = QStringLiteral("Partie en cours");
const QString QuitQuestion = QStringLiteral("Voulez-vous enregistrer la partie en cours ?");
const QString PasteRefused = QStringLiteral(
    "Le texte collé n'est pas une grille : il faut 81 chiffres, 0 ou un point pour une case vide, "
    "sur une ligne ou sur neuf lignes de neuf.");
const QString PasteOnlyTypingIn = QStringLiteral(
    "Pour coller une grille, choisissez d'abord « Proposer un puzzle » dans le menu.");
const QString PauseTitle = QStringLiteral("Pause");
const QString PauseResume = QStringLiteral("Appuyez sur une touche ou cliquez pour reprendre la partie.");
const QString LevelNames[] = {QStringLiteral("Facile"), QStringLiteral("Moyen"),
                              QStringLiteral("Difficile"), QStringLiteral("Expert")};

// --- Numbers ---
constexpr int ClockIntervalMs = 500;
constexpr int MaxStoredHelps = 255;
constexpr std::uint16_t SolvedCountMask = 0xFF;
constexpr int LevelMask = 7;
constexpr int PanelMargin = 8;
constexpr int PanelGap = 4;
constexpr int ColumnGap = 16;
constexpr int LineInset = 8;  // first and last command lines from the panel's edges
constexpr int BulletLeft = 10;
constexpr int LabelLeft = 30;
constexpr int DigitButtonStep = 29;
constexpr int DigitButtonSize = 27;
constexpr int DigitButtonsWidth = 290;
constexpr int GridShift = 110;

// The colours the grid is drawn in on the game screen.
const QColor GridBackground{255, 255, 236};
const QColor GridSelection{255, 222, 140};

int Rounded(double Value) { return int(std::nearbyint(Value)); }  // halves to even

// The clock stands still while it lives (a dialog of ours is open).
class ClockHold {
 public:
  explicit ClockHold(Tf_Jeux& Game) : Game_(Game) { Game_.HoldClock(); }
  ~ClockHold() { Game_.ReleaseClock(); }
  ClockHold(const ClockHold&) = delete;
  ClockHold& operator=(const ClockHold&) = delete;

 private:
  Tf_Jeux& Game_;
};

// What covers the grid while the game is paused: a pale panel saying "Pause"
// and how to go on. It shows nothing of the grid.
class PausePanel : public QWidget {
 public:
  explicit PausePanel(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("p_Pause"));
    setAccessibleName(PauseTitle);
    setAccessibleDescription(PauseResume);
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    // Square, so that no corner of the grid shows.
    painter.fillRect(rect(), QColor(140, 140, 0));
    painter.fillRect(rect().adjusted(2, 2, -2, -2), Look::PanelColor);
    painter.setRenderHint(QPainter::Antialiasing);
    const int h = height();
    painter.setFont(Look::PixelFont(Look::TitleFamily, std::max(28, h / 6)));
    painter.setPen(Look::HoverColor);
    painter.drawText(QRect(0, h / 4, width(), h / 4), Qt::AlignHCenter | Qt::AlignBottom, PauseTitle);
    painter.setFont(Look::PixelFont(Look::TextFamily, std::clamp(h / 22, 14, 22), true));
    painter.setPen(QColor(96, 64, 32));
    painter.drawText(QRect(h / 10, h / 2 + h / 20, width() - h / 5, h / 3),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, PauseResume);
  }
};

bool IsModifierKey(int Key) {
  return Key == Qt::Key_Shift || Key == Qt::Key_Control || Key == Qt::Key_Alt || Key == Qt::Key_Meta ||
         Key == Qt::Key_AltGr || Key == Qt::Key_CapsLock || Key == Qt::Key_NumLock;
}

QString LevelName(int Rating) {
  const int level = Rating & LevelMask;
  return level >= 1 && level <= 4 ? LevelNames[level - 1] : QString();
}

}  // namespace

Tf_Jeux::Tf_Jeux(QWidget* Parent) : QWidget(Parent) {
  setObjectName(QStringLiteral("f_Jeux"));
  Image1 = AddBackground(*this, true);
  FondCopie1 = AddPanel(*this);
  Commands1_ = {AddCommand(FondCopie1, QStringLiteral("hl_reinit"), QStringLiteral("Réinitialiser"),
                           &Tf_Jeux::hl_reinitClick),
                AddCommand(FondCopie1, QStringLiteral("hl_newgrille"), NewGridCaption,
                           &Tf_Jeux::hl_newgrilleClick),
                AddCommand(FondCopie1, QStringLiteral("hl_charger"), QStringLiteral("Charger"),
                           &Tf_Jeux::hl_chargerClick),
                AddCommand(FondCopie1, QStringLiteral("hl_sauver"), QStringLiteral("Sauver"),
                           &Tf_Jeux::hl_sauverClick),
                AddCommand(FondCopie1, QStringLiteral("hl_imprimer"), QStringLiteral("Imprimer"),
                           &Tf_Jeux::hl_imprimerClick)};
  hl_reinit = Commands1_[0].Label;
  hl_newgrille = Commands1_[1].Label;
  hl_charger = Commands1_[2].Label;
  hl_sauver = Commands1_[3].Label;
  hl_imprimer = Commands1_[4].Label;

  FondCopie3 = AddPanel(*this, QStringLiteral("FondCopie3"));
  const auto counter = [this](const QString& Text) {
    auto* label = new QLabel(Text, FondCopie3);
    label->setFont(Look::PixelFont(Look::TitleFamily, 18));
    return label;
  };
  l_TempsCaption = counter(QStringLiteral("Temps:"));
  l_Temps = counter(QStringLiteral("00:00:00"));
  l_Temps->setObjectName(QStringLiteral("l_Temps"));
  l_IndiceCaption = counter(QStringLiteral("Indice(s):"));
  l_Indice = counter(QStringLiteral("0"));
  l_Indice->setObjectName(QStringLiteral("l_Indice"));

  FondCopie4 = AddPanel(*this, QStringLiteral("FondCopie4"));
  Commands4_ = {AddCommand(FondCopie4, QStringLiteral("hl_VerifierGrille"),
                           QStringLiteral("Vérifier la grille"), &Tf_Jeux::hl_VerifierGrilleClick),
                AddCommand(FondCopie4, QStringLiteral("hl_JouerGrille"),
                           QStringLiteral("Jouer sur la grille"), &Tf_Jeux::hl_JouerGrilleClick)};
  hl_VerifierGrille = Commands4_[0].Label;
  hl_JouerGrille = Commands4_[1].Label;
  FondCopie4->hide();

  FondCopie2 = AddPanel(*this, QStringLiteral("FondCopie2"));
  Commands2_ = {
      AddCommand(FondCopie2, QStringLiteral("hl_Annuler"), QStringLiteral("Annuler la saisie"),
                 &Tf_Jeux::hl_AnnulerClick),
      AddCommand(FondCopie2, QStringLiteral("hl_Indice"), QStringLiteral("Indice"),
                 &Tf_Jeux::hl_IndiceClick),
      AddCommand(FondCopie2, QStringLiteral("hl_Possibilite"), ShowCandidatesCaption,
                 &Tf_Jeux::hl_PossibiliteClick),
      AddCommand(FondCopie2, QStringLiteral("hl_Resoudre"), QStringLiteral("Résoudre"),
                 &Tf_Jeux::hl_ResoudreClick),
      AddCommand(FondCopie2, QStringLiteral("hl_documentation"), QStringLiteral("Documentation"),
                 &Tf_Jeux::hl_documentationClick),
      AddCommand(FondCopie2, QStringLiteral("hl_Menu"), QStringLiteral("Retour au menu"),
                 &Tf_Jeux::hl_MenuClick)};
  hl_Annuler = Commands2_[0].Label;
  hl_Indice = Commands2_[1].Label;
  hl_Possibilite = Commands2_[2].Label;
  hl_Resoudre = Commands2_[3].Label;
  hl_documentation = Commands2_[4].Label;
  hl_Menu = Commands2_[5].Label;

  // "Rétablir" at the end of the line of "Annuler la saisie", the pause at
  // the end of the clock's line.
  im_Retablir = new TImage(QStringLiteral(":/pictures/icon_redo.svg"), FondCopie2);
  im_Retablir->setObjectName(QStringLiteral("im_Retablir"));
  im_Retablir->setAccessibleName(QStringLiteral("Rétablir"));
  im_Retablir->setCursor(Qt::PointingHandCursor);
  connect(im_Retablir, &TImage::clicked, this, &Tf_Jeux::hl_RetablirClick);
  im_Pause = new TImage(QStringLiteral(":/pictures/icon_pause.svg"), FondCopie3);
  im_Pause->setObjectName(QStringLiteral("im_Pause"));
  im_Pause->setAccessibleName(QStringLiteral("Pause"));
  im_Pause->setCursor(Qt::PointingHandCursor);
  connect(im_Pause, &TImage::clicked, this, &Tf_Jeux::hl_PauseClick);

  GrilleSudoku = new TGrilleSudoku(this);
  GrilleSudoku->setObjectName(QStringLiteral("GrilleSudoku"));
  GrilleSudoku->SetCouleurFond(GridBackground);
  GrilleSudoku->CouleurSelection = GridSelection;
  GrilleSudoku->setAccessibleName(QStringLiteral("Grille"));
  connect(GrilleSudoku, &TGrilleSudoku::GridChanged, this, [this] { Unsaved_ = true; });
  p_Pause = new PausePanel(this);

  for (int k = 0; k < 10; ++k) {
    auto* button = new QPushButton(this);
    const int digit = k < 9 ? k + 1 : 0;
    button->setObjectName(QStringLiteral("Button%1").arg(k + 1));
    button->setProperty("Tag", digit);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFont(Look::PixelFont(Look::GridFamily, 16, true));
    if (digit == 0) {
      button->setToolTip(QStringLiteral("Effacer la case"));
      button->setAccessibleName(QStringLiteral("Effacer la case"));
    }
    button->installEventFilter(this);
    Buttons[std::size_t(k)] = button;
  }

  l_Mode = new QLabel(QStringLiteral("MODE :"), this);
  l_Mode->setFont(Look::PixelFont(Look::TitleFamily, 16));
  rc_ModeNormal = new TRondCoche(this);
  rc_ModeNormal->setObjectName(QStringLiteral("rc_ModeNormal"));
  rc_ModeNormal->resize(16, 20);
  rc_ModeNormal->SetChecked(true);
  rc_ModeNormal->setAccessibleName(QStringLiteral("Mode normal"));
  rc_ModeNormal->setToolTip(QStringLiteral("Mode normal (F4)"));
  rc_ModePossibilite = new TRondCoche(this);
  rc_ModePossibilite->setObjectName(QStringLiteral("rc_ModePossibilite"));
  rc_ModePossibilite->resize(16, 20);
  rc_ModePossibilite->setAccessibleName(QStringLiteral("Mode possibilité"));
  rc_ModePossibilite->setToolTip(QStringLiteral("Mode possibilité (F4)"));
  connect(rc_ModeNormal, &TBoutonCoche::clicked, this, [this] { GrilleSudoku->NoteMode = false; FocusGrid(); });
  connect(rc_ModePossibilite, &TBoutonCoche::clicked, this, [this] { GrilleSudoku->NoteMode = true; FocusGrid(); });
  Image15 = new TImage(QStringLiteral(":/pictures/mode_normal.svg"), this);
  Image15->setToolTip(QStringLiteral("Mode normal : les chiffres vont dans la grille (F4)"));
  Image15->setAccessibleName(QStringLiteral("Mode normal"));
  Image16 = new TImage(QStringLiteral(":/pictures/mode_notes.svg"), this);
  Image16->setToolTip(QStringLiteral("Mode possibilité : les chiffres sont notés dans la case (F4)"));
  Image16->setAccessibleName(QStringLiteral("Mode possibilité"));
  connect(Image15, &TImage::clicked, this, [this] { rc_ModeNormal->SetChecked(true); GrilleSudoku->NoteMode = false; FocusGrid(); });
  connect(Image16, &TImage::clicked, this, [this] { rc_ModePossibilite->SetChecked(true); GrilleSudoku->NoteMode = true; FocusGrid(); });

  MemoAstuce = new QTextBrowser(this);
  MemoAstuce->setObjectName(QStringLiteral("MemoAstuce"));
  MemoAstuce->setReadOnly(true);
  MemoAstuce->setFocusPolicy(Qt::NoFocus);
  MemoAstuce->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MemoAstuce->setStyleSheet(QStringLiteral(
      "QTextBrowser { background: rgb(255, 255, 210); border: 1px solid rgb(140, 140, 0); }"));
  MemoAstuce->viewport()->installEventFilter(this);
  MemoAstuce->setAccessibleName(QStringLiteral("Astuces et indices"));

  t_Chronometre = new QTimer(this);
  t_Chronometre->setInterval(ClockIntervalMs);
  connect(t_Chronometre, &QTimer::timeout, this, &Tf_Jeux::t_ChronometreTimer);

  AddShortcuts();

  StartHelps = 0;
  FirstShow = true;
}

Tf_Jeux::~Tf_Jeux() = default;

// The keys of the commands. None takes a key the grid uses: the digits of the
// main row (and on a French keyboard the characters they give without Shift)
// or of the numeric pad, the letters A to I (which enter 1 to 9, and with Ctrl
// a pencil mark), the arrows, Backspace and Delete; nor Tab, Enter or Space,
// which move between the commands and run them.
void Tf_Jeux::AddShortcuts() {
  const auto key = [](QKeyCombination Combination) { return QKeySequence(Combination); };
  struct Command {
    THotLabel* Label;  // none for the commands without a label
    QWidget* Owner;    // the key works while this is on screen
    QList<QKeySequence> Keys;
    const char* Tip;   // the tooltip, naming the key
    void (Tf_Jeux::*Handler)();
  };
  const Command commands[] = {
      {hl_reinit, hl_reinit, {key(Qt::CTRL | Qt::Key_R)}, "Réinitialiser (Ctrl+R)", &Tf_Jeux::hl_reinitClick},
      {hl_newgrille, hl_newgrille, {key(Qt::CTRL | Qt::Key_N)}, nullptr, &Tf_Jeux::hl_newgrilleClick},
      {hl_charger, hl_charger, {key(Qt::CTRL | Qt::Key_O)}, "Charger (Ctrl+O)", &Tf_Jeux::hl_chargerClick},
      {hl_sauver, hl_sauver, {key(Qt::CTRL | Qt::Key_S)}, "Sauver (Ctrl+S)", &Tf_Jeux::hl_sauverClick},
      {hl_imprimer, hl_imprimer, {key(Qt::CTRL | Qt::Key_P)}, "Imprimer (Ctrl+P)", &Tf_Jeux::hl_imprimerClick},
      {hl_Annuler, hl_Annuler, {key(Qt::CTRL | Qt::Key_Z)}, "Annuler la saisie (Ctrl+Z)",
       &Tf_Jeux::hl_AnnulerClick},
      {nullptr, hl_Annuler, {key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), key(Qt::CTRL | Qt::Key_Y)}, nullptr,
       &Tf_Jeux::hl_RetablirClick},
      {hl_Indice, hl_Indice, {key(Qt::Key_F2)}, "Indice (F2)", &Tf_Jeux::hl_IndiceClick},
      {hl_Possibilite, hl_Possibilite, {key(Qt::Key_F3)}, "Voir ou cacher les possibilités (F3)",
       &Tf_Jeux::hl_PossibiliteClick},
      {hl_Resoudre, hl_Resoudre, {key(Qt::Key_F9)}, "Résoudre (F9)", &Tf_Jeux::hl_ResoudreClick},
      // F1 belongs to the main window, which opens the help on every screen.
      {hl_documentation, nullptr, {}, "Documentation (F1)", nullptr},
      {hl_Menu, hl_Menu, {key(Qt::Key_Escape)}, "Retour au menu (Échap)", &Tf_Jeux::hl_MenuClick},
      {hl_VerifierGrille, hl_VerifierGrille, {key(Qt::Key_F6)}, "Vérifier la grille (F6)",
       &Tf_Jeux::hl_VerifierGrilleClick},
      {hl_JouerGrille, hl_JouerGrille, {key(Qt::Key_F7)}, "Jouer sur la grille (F7)", &Tf_Jeux::hl_JouerGrilleClick},
      {nullptr, l_Temps, {key(Qt::Key_F5), key(Qt::Key_Pause)}, nullptr, &Tf_Jeux::hl_PauseClick},
      {nullptr, rc_ModePossibilite, {key(Qt::Key_F4)}, nullptr, &Tf_Jeux::ToggleNoteMode},
      {nullptr, this, {key(Qt::CTRL | Qt::Key_Insert)}, nullptr, &Tf_Jeux::CopyPuzzle},
      {nullptr, this, {key(Qt::CTRL | Qt::Key_V), key(Qt::SHIFT | Qt::Key_Insert)}, nullptr, &Tf_Jeux::PastePuzzle},
  };
  for (const Command& command : commands) {
    if (command.Owner != nullptr) AddShortcut(command.Owner, command.Keys, command.Handler);
    if (command.Label != nullptr && command.Tip != nullptr)
      SetCommandTip(command.Label, QString::fromUtf8(command.Tip));
  }
  im_Retablir->setToolTip(QStringLiteral("Rétablir (Ctrl+Maj+Z ou Ctrl+Y)"));
  im_Pause->setToolTip(QStringLiteral("Pause (F5 ou Pause)"));
  // "Nouvelle grille" changes with the mode (SetPlayMode).
  SetCommandTip(hl_newgrille, NewGridCaption + QStringLiteral(" (Ctrl+N)"));
}

QShortcut* Tf_Jeux::AddShortcut(QWidget* Owner, const QList<QKeySequence>& Keys, void (Tf_Jeux::*Handler)()) {
  auto* shortcut = new QShortcut(Owner);
  shortcut->setKeys(Keys);
  shortcut->setContext(Qt::WindowShortcut);
  // Held down, only undo and redo repeat.
  shortcut->setAutoRepeat(Handler == &Tf_Jeux::hl_AnnulerClick || Handler == &Tf_Jeux::hl_RetablirClick);
  connect(shortcut, &QShortcut::activated, this, Handler);
  return shortcut;
}

void Tf_Jeux::SetCommandTip(THotLabel* Label, const QString& Tip) {
  Label->setToolTip(Tip);
  for (auto* lines : {&Commands1_, &Commands2_, &Commands4_})
    for (const CommandLine& line : *lines)
      if (line.Label == Label) {
        line.Bullet->setToolTip(Tip);
        line.Bullet->setAccessibleName(Label->text());
      }
}

Tf_Jeux::CommandLine Tf_Jeux::AddCommand(TFondCopie* Panel, const QString& Name,
                                         const QString& Caption, void (Tf_Jeux::*Handler)()) {
  auto* bullet = new TImage(QStringLiteral(":/pictures/bullet.svg"), Panel);
  bullet->setCursor(Qt::PointingHandCursor);
  auto* label = new THotLabel(Caption, Panel);
  label->setObjectName(Name);
  Look::DressCommand(*label, 18);
  connect(label, &THotLabel::clicked, this, Handler);
  connect(bullet, &TImage::clicked, this, Handler);
  return {bullet, label};
}

std::uint64_t Tf_Jeux::Now() const {
  if (Clock) return Clock();
  using namespace std::chrono;
  return std::uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

int Tf_Jeux::ElapsedSeconds() const {
  if (StartTick == 0) return StartSeconds;
  const std::uint64_t now = Now();
  std::uint64_t still = StoodStillMs_;
  if (Holds_ > 0 && now > HeldSince_) still += now - HeldSince_;
  const std::uint64_t run = now > StartTick ? now - StartTick : 0;
  return int((run > still ? run - still : 0) / 1000) + StartSeconds;
}

void Tf_Jeux::HoldClock() {
  if (Holds_++ == 0) HeldSince_ = Now();
}

void Tf_Jeux::ReleaseClock() {
  if (Holds_ == 0) return;
  if (--Holds_ > 0) return;
  const std::uint64_t now = Now();
  if (now > HeldSince_) StoodStillMs_ += now - HeldSince_;
}

void Tf_Jeux::SetPaused(bool Paused) {
  if (Paused == Paused_ || (Paused && !GrilleSudoku->GameMode)) return;
  Paused_ = Paused;
  if (Paused) {
    HoldClock();
    p_Pause->setGeometry(GrilleSudoku->geometry());
    p_Pause->raise();
    p_Pause->show();
    qApp->installEventFilter(this);
    return;
  }
  qApp->removeEventFilter(this);
  p_Pause->hide();
  ReleaseClock();
  t_ChronometreTimer();
  FocusGrid();
}

bool Tf_Jeux::ResumeOnInput(QObject* Watched, QEvent* Event) {
  const QEvent::Type type = Event->type();
  const bool key = type == QEvent::KeyPress || type == QEvent::ShortcutOverride;
  if (!key && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) return false;
  auto* widget = qobject_cast<QWidget*>(Watched);
  if (widget == nullptr || widget->window() != window() || QApplication::activeModalWidget() != nullptr)
    return false;
  if (key && IsModifierKey(static_cast<QKeyEvent*>(Event)->key())) return false;
  Event->accept();
  // The key is kept from the shortcuts, then resumes when it arrives.
  if (type != QEvent::ShortcutOverride) SetPaused(false);
  return true;
}

void Tf_Jeux::WindowStateChanged(QWidget* Window) {
  if (Window->isMinimized() && GrilleSudoku->GameMode && FondCopie3->isVisible()) SetPaused(true);
}

void Tf_Jeux::changeEvent(QEvent* Event) {
  QWidget::changeEvent(Event);
  if (Event->type() == QEvent::WindowStateChange && isWindow()) WindowStateChanged(this);
}

void Tf_Jeux::FocusGrid() { GrilleSudoku->setFocus(Qt::OtherFocusReason); }

// --- Entry points ---

void Tf_Jeux::SetPlayMode(bool Playing) {
  SetPaused(false);
  GrilleSudoku->GameMode = Playing;
  hl_newgrille->setText(Playing ? NewGridCaption : ClearGridCaption);
  hl_newgrille->adjustSize();
  SetCommandTip(hl_newgrille, hl_newgrille->text() + QStringLiteral(" (Ctrl+N)"));
  GrilleSudoku->NoteMode = false;
  // The mode widgets say what the grid does.
  rc_ModeNormal->SetChecked(true);
}

void Tf_Jeux::SetupScreen(TOptions& GameOptions, TScores& GameScores) {
  Options = &GameOptions;
  Scores = &GameScores;
  GrilleSudoku->CouleurErreur = ColorFromBgr(Options->CouleurErreur);
  GrilleSudoku->CouleurImpossible = ColorFromBgr(Options->CouleurEmplacement);
  GrilleSudoku->TypeBrique = Options->UseLetters ? tb_Lettre : tb_Chiffre;
  for (int digit = 1; digit <= 9; ++digit) {
    QPushButton* button = Buttons[std::size_t(digit - 1)];
    button->setText(TGrilleSudoku::DigitText(digit, GrilleSudoku->TypeBrique));
    button->setAccessibleName((Options->UseLetters ? QStringLiteral("Lettre ") : QStringLiteral("Chiffre ")) +
                              button->text());
  }
  MemoAstuce->clear();
  // The comforts of the page "Options de jeux" apply while playing.
  GrilleSudoku->SurligneChiffres = GrilleSudoku->GameMode && Options->SurligneChiffres;
  GrilleSudoku->EffaceNotes = GrilleSudoku->GameMode && Options->EffaceNotes;
  if (GrilleSudoku->GameMode) {
    GrilleSudoku->ShowErreur = Options->ErreurJeu;
    GrilleSudoku->ShowImpossible = Options->MauvaisEmplacementJeu;
    GrilleSudoku->TabAuto = false;
    MemoAstuce->setPlainText(EntryTip + QStringLiteral("\n\n") + NoteTip);
  } else {
    GrilleSudoku->ShowErreur = false;
    GrilleSudoku->ShowImpossible = Options->MauvaisEmplacementProbleme;
    GrilleSudoku->TabAuto = Options->DecaleAuto;
    MemoAstuce->setPlainText(EntryTip + QLatin1Char('\n') + TypingInTip);
  }
  GrilleSudoku->update();
  RestartCounters();
}

void Tf_Jeux::RestartCounters() {
  SetPaused(false);
  Helps = StartHelps;
  PossibilitiesUsed = false;
  // Candidates shown from before would be free for the new count.
  SetPossibilitiesShown(false);
  ShowHelps();
  if (GrilleSudoku->GameMode) {
    FondCopie3->show();
    FondCopie4->hide();
    if (Options == nullptr || Options->AffichageChrono) {
      l_Temps->setText(QStringLiteral("0:00"));
      t_Chronometre->start();
      StartTick = std::max<std::uint64_t>(1, Now());
    } else {
      l_Temps->setText(QStringLiteral("-"));
      t_Chronometre->stop();
      StartTick = 0;
    }
  } else {
    FondCopie3->hide();
    FondCopie4->show();
  }
  // The clock starts afresh: a dialog open now holds it from now on.
  StoodStillMs_ = 0;
  if (Holds_ > 0) HeldSince_ = Now();
}

bool Tf_Jeux::StartNewGame() {
  const int chosen = Tf_ChoixNiveau::Choose(window());
  if (chosen == 0) {
    RestartCounters();
    return false;
  }
  Level = chosen;
  if (Generateur != nullptr) {
    if (std::unique_ptr<TGrille> grid = RequestGrid(*Generateur, Level, window())) {
      GrilleSudoku->AssignGrid(std::move(grid));
      // A game saved from this grid stores its real level.
      GrilleSudoku->Level = std::uint8_t(Level);
      Unsaved_ = false;
    }
  }
  RestartCounters();
  return true;
}

bool Tf_Jeux::LoadGame() {
  const ClockHold hold(*this);
  Tf_Charge dialog(window());
  dialog.Grid = GrilleSudoku;
  if (dialog.exec() != QDialog::Accepted) return false;
  Unsaved_ = false;
  StartSeconds = dialog.Time();
  StartHelps = dialog.Hints();
  RestartCounters();
  const int stored = dialog.Level();
  const int rating = GrilleSudoku->RateGrid();
  Level = stored >= 1 && stored <= 4 ? stored : rating & LevelMask;
  return true;
}

void Tf_Jeux::FinishGame() {
  const int elapsed = ElapsedSeconds();
  if (GrilleSudoku->CountErrors() != 0) {
    if (AskYesNo(ErrorsTitle, ErrorsQuestion)) return;
    Helps += GrilleSudoku->SolveGrid() & SolvedCountMask;
    ShowHelps();
  }
  t_Chronometre->stop();
  Tf_FinJeu dialog(window());
  // When the score could not be stored, the error has been shown and the
  // game stays as it is, its clock stopped.
  if (!dialog.ShowScore(std::uint32_t(std::max(0, elapsed)), Helps, Level, PossibilitiesUsed, *Scores))
    return;
  dialog.exec();
  TShell* shell = Shell();
  switch (dialog.Tag) {
    case Tf_FinJeu::ChoiceNewGrid:
      hl_newgrilleClick();
      break;
    case Tf_FinJeu::ChoiceSave:
      hl_sauverClick();
      if (shell != nullptr) shell->ShowMenu();
      break;
    case Tf_FinJeu::ChoiceHighScores:
      if (shell != nullptr) {
        shell->ShowMenu();
        shell->ShowScores(Level);
      }
      break;
    default:
      if (shell != nullptr) shell->ShowMenu();
      break;
  }
}

bool Tf_Jeux::VerifyGrid() {
  const int rating = GrilleSudoku->RateGrid();
  Level = rating;
  if (rating == 0) {
    ShowMessage(VerifyCannotSolve);
    return false;
  }
  const QString name = LevelName(rating);
  QString sentence = VerifySolvable;
  if ((rating & RatingGuess) != 0)
    sentence = (rating & RatingMultiple) != 0 ? VerifySeveral : VerifyGuessing;
  Level = rating & LevelMask;
  ShowMessage(sentence + QLatin1Char('\n') + QStringLiteral("Niveau de la grille: ") + name);
  return true;
}

// --- Commands ---

void Tf_Jeux::hl_reinitClick() {
  GrilleSudoku->ClearGrid(false);
  FocusGrid();
}

void Tf_Jeux::hl_newgrilleClick() {
  if (GrilleSudoku->GameMode) {
    StartNewGame();
  } else {
    // The givens go too, so that "Réinitialiser" never brings back an old
    // puzzle.
    GrilleSudoku->LoadGrid(QString(), QString(), 0);
  }
  FocusGrid();
}

void Tf_Jeux::hl_chargerClick() {
  LoadGame();
  FocusGrid();
}

void Tf_Jeux::hl_sauverClick() {
  SaveGame();
  FocusGrid();
}

bool Tf_Jeux::SaveGame() {
  const ClockHold hold(*this);
  Tf_Sauve dialog(window());
  dialog.Grid = GrilleSudoku;
  dialog.Time = GrilleSudoku->GameMode ? ElapsedSeconds() : 0;
  dialog.Hints = std::min(Helps, MaxStoredHelps);
  if (dialog.exec() != QDialog::Accepted) return false;
  Unsaved_ = false;
  return true;
}

bool Tf_Jeux::HasUnsavedGame() const {
  if (Options == nullptr || !Options->ProposerSauvegarde || !Unsaved_) return false;
  const TGrilleSudoku& view = *GrilleSudoku;
  if (view.CountEmpty() == 0 && view.CountErrors() == 0) return false;  // finished
  const TGrille& grid = view.Grille();
  for (std::size_t i = 0; i < 81; ++i)
    if (grid.Digits[i] != 0 && (!view.GameMode || grid.Givens[i] == 0)) return true;
  return false;
}

bool Tf_Jeux::MayLeave() {
  if (!HasUnsavedGame()) return true;
  TAnswer answer = TAnswer::Cancel;
  {
    const ClockHold hold(*this);
    answer = AskYesNoCancel(QuitTitle, QuitQuestion);
  }
  switch (answer) {
    case TAnswer::Yes:
      if (SaveGame()) return true;
      break;
    case TAnswer::No:
      return true;
    case TAnswer::Cancel:
      break;
  }
  FocusGrid();
  return false;
}

void Tf_Jeux::CopyPuzzle() { QGuiApplication::clipboard()->setText(GrilleSudoku->PuzzleText()); }

void Tf_Jeux::PastePuzzle() {
  if (GrilleSudoku->GameMode) {
    ShowMessage(PasteOnlyTypingIn);
  } else {
    const QString cells = TGrilleSudoku::ReadPuzzle(QGuiApplication::clipboard()->text());
    if (cells.isEmpty())
      ShowMessage(PasteRefused);
    else
      GrilleSudoku->LoadGrid(cells, QString(), 0);
  }
  FocusGrid();
}

void Tf_Jeux::ToggleNoteMode() {
  const bool notes = !GrilleSudoku->NoteMode;
  (notes ? rc_ModePossibilite : rc_ModeNormal)->SetChecked(true);
  GrilleSudoku->NoteMode = notes;
  FocusGrid();
}

void Tf_Jeux::hl_imprimerClick() {
  const ClockHold hold(*this);
  QPrinter& printer = GrilleSudoku->Printer();
  QPrintDialog dialog(&printer, window());
  if (dialog.exec() == QDialog::Accepted) GrilleSudoku->PrintGrid(printer.copyCount());
  FocusGrid();
}

void Tf_Jeux::hl_AnnulerClick() {
  GrilleSudoku->Undo();
  FocusGrid();
}

void Tf_Jeux::hl_RetablirClick() {
  GrilleSudoku->Redo();
  FocusGrid();
}

void Tf_Jeux::hl_PauseClick() { SetPaused(!Paused_); }

void Tf_Jeux::hl_IndiceClick() {
  QString text;
  GrilleSudoku->GiveHint(text);
  MemoAstuce->setPlainText(text);
  ++Helps;
  ShowHelps();
  FocusGrid();
  if (GrilleSudoku->CountEmpty() == 0) FinishGame();
}

void Tf_Jeux::hl_PossibiliteClick() {
  SetPossibilitiesShown(!ShowPossibilities);
  FocusGrid();
}

void Tf_Jeux::SetPossibilitiesShown(bool Shown) {
  ShowPossibilities = Shown;
  GrilleSudoku->SetShowAllCandidates(Shown);
  if (Shown) PossibilitiesUsed = true;
  hl_Possibilite->setText(Shown ? HideCandidatesCaption : ShowCandidatesCaption);
  hl_Possibilite->adjustSize();
}

void Tf_Jeux::hl_ResoudreClick() {
  const std::uint16_t flags = GrilleSudoku->SolveGrid();
  if ((flags & SolveNoSolution) != 0) {
    ShowMessage(CannotSolve);
  } else if ((flags & SolveMultiple) != 0) {
    if (AskYesNo(MultipleTitle, MultipleQuestion)) GrilleSudoku->ShowSolution();
  }
  Helps += flags & SolvedCountMask;
  ShowHelps();
  FocusGrid();
  if (GrilleSudoku->CountEmpty() == 0 && GrilleSudoku->GameMode) FinishGame();
}

void Tf_Jeux::hl_documentationClick() {
  if (TShell* shell = Shell()) shell->OpenHelp();
}

void Tf_Jeux::hl_MenuClick() {
  if (!MayLeave()) return;
  if (TShell* shell = Shell()) shell->ShowMenu();
}

void Tf_Jeux::hl_VerifierGrilleClick() {
  VerifyGrid();
  FocusGrid();
}

void Tf_Jeux::hl_JouerGrilleClick() {
  if (VerifyGrid() && Options != nullptr && Scores != nullptr) {
    SetPlayMode(true);
    SetupScreen(*Options, *Scores);
    // The entries that typed the givens are forgotten: undo can never take a
    // given away during play.
    GrilleSudoku->ResetView();
  }
  FocusGrid();
}

void Tf_Jeux::ShowHelps() { l_Indice->setText(QString::number(Helps)); }

void Tf_Jeux::t_ChronometreTimer() { l_Temps->setText(FormatTime(std::uint32_t(ElapsedSeconds()))); }

// --- Events ---

bool Tf_Jeux::eventFilter(QObject* Watched, QEvent* Event) {
  if (Paused_ && ResumeOnInput(Watched, Event)) return true;
  if (Watched == WatchedWindow_ && Event->type() == QEvent::WindowStateChange) WindowStateChanged(WatchedWindow_);
  if (Event->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(Event);
    if (Watched == MemoAstuce->viewport()) {
      FocusGrid();
      return false;
    }
    const auto button = std::find(Buttons.begin(), Buttons.end(), Watched);
    if (button != Buttons.end()) {
      // The right button, or Ctrl held, notes a possibility.
      const bool note = mouse->button() == Qt::RightButton ||
                        (mouse->modifiers() & Qt::ControlModifier) != 0;
      GrilleSudoku->EnterAtSelection((*button)->property("Tag").toInt(), note);
      FocusGrid();
      return false;
    }
  }
  return QWidget::eventFilter(Watched, Event);
}

void Tf_Jeux::showEvent(QShowEvent* Event) {
  QWidget::showEvent(Event);
  if (FirstShow) FormShow();
}

void Tf_Jeux::FormShow() {
  FirstShow = false;
  // The window the screen stands in tells when it is minimised.
  if (window() != this) {
    WatchedWindow_ = window();
    WatchedWindow_->installEventFilter(this);
  }
  SetPossibilitiesShown(false);
  GrilleSudoku->SetOnComplete([this] { FinishGame(); });
  FocusGrid();
  FormResize();
}

void Tf_Jeux::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  FormResize();
}

void Tf_Jeux::SpreadLines(const std::vector<CommandLine>& Lines, int PanelHeight, int LineHeight) {
  if (Lines.empty()) return;
  const int first = LineInset;
  const int last = std::max(first, PanelHeight - LineInset - LineHeight);
  const int count = int(Lines.size());
  const int step = count > 1 ? (last - first) / (count - 1) : 0;
  for (int k = 0; k < count; ++k) {
    const int top = first + k * step;
    const CommandLine& line = Lines[std::size_t(k)];
    line.Label->move(LabelLeft, top);
    line.Bullet->move(BulletLeft, top + (LineHeight - line.Bullet->height()) / 2);
  }
}

void Tf_Jeux::FormResize() {
  const int W = width();
  const int H = height();
  Image1->setGeometry(rect());

  // The grid: 15 cells across at most 55 pixels, or 11.9 down.
  int a = Rounded(W / 15.0);
  if (a > 54) a = 55;
  const int b = Rounded(H / 11.9);
  int gridTop = 11;
  int size = b;
  if (a < b) {
    gridTop = 11 + (9 * b - 9 * a) / 2;
    size = a;
  }
  const int gridLeft = (W - 9 * size) / 2 + GridShift;
  int digitSize = 24;
  int noteSize = 9;
  if (size >= 55) {
    digitSize = 28;
    noteSize = 10;
  } else if (size < 50) {
    digitSize = 20;
    noteSize = 8;
  }
  GrilleSudoku->TailleEcriture = quint8(digitSize);
  GrilleSudoku->TaillePossibilite = quint8(noteSize);
  GrilleSudoku->SetHauteurCase(size);
  GrilleSudoku->SetLargeurCase(size);
  GrilleSudoku->move(gridLeft, gridTop);
  const int gridWidth = GrilleSudoku->width();
  p_Pause->setGeometry(GrilleSudoku->geometry());

  // The command panels stand in a column left of the grid, their lines in the
  // title face at a size that follows the window's height.
  const int linePixels = std::clamp(Rounded(H / 31.0), 17, 26);
  const int panelWidth = 12 * linePixels + 20;
  const int panelLeft = std::max(PanelMargin, gridLeft - ColumnGap - panelWidth);
  const int h1 = Rounded(H / 3.57);
  const int h3 = Rounded(H / 7.77);
  const int h2 = Rounded(H / 3.0);
  FondCopie1->setGeometry(panelLeft, PanelMargin, panelWidth, h1);
  const int top3 = FondCopie1->geometry().bottom() + 1 + PanelGap;
  FondCopie3->setGeometry(panelLeft, top3, panelWidth, h3);
  FondCopie4->setGeometry(panelLeft, top3, panelWidth, h3);
  FondCopie2->setGeometry(panelLeft, top3 + h3 + PanelGap, panelWidth, h2);

  const QFont lineFont = Look::PixelFont(Look::TitleFamily, linePixels);
  int lineHeight = 0;
  for (auto* lines : {&Commands1_, &Commands2_, &Commands4_}) {
    for (const CommandLine& line : *lines) {
      line.Label->setFont(lineFont);
      line.Label->adjustSize();
      lineHeight = line.Label->height();
      line.Bullet->resize(line.Bullet->PictureSize());
    }
  }
  SpreadLines(Commands1_, h1, lineHeight);
  SpreadLines(Commands2_, h2, lineHeight);
  SpreadLines(Commands4_, h3, lineHeight);
  // "Rétablir" at the end of the line of "Annuler la saisie".
  const int iconSize = std::clamp(lineHeight - 4, 16, 24);
  im_Retablir->SetStretch(true);
  im_Retablir->resize(iconSize, iconSize);
  im_Retablir->move(panelWidth - LineInset - iconSize, hl_Annuler->y() + (lineHeight - iconSize) / 2);

  // The clock and the help counter: captions at the left, values after them.
  for (QLabel* label : {l_TempsCaption, l_Temps, l_IndiceCaption, l_Indice}) {
    label->setFont(lineFont);
    label->adjustSize();
  }
  const int valueLeft = LabelLeft + std::max(l_TempsCaption->width(), l_IndiceCaption->width()) + 8;
  const int rowStep = h3 - 2 * LineInset - lineHeight;
  l_TempsCaption->move(LabelLeft, LineInset);
  l_Temps->move(valueLeft, LineInset);
  l_IndiceCaption->move(LabelLeft, LineInset + rowStep);
  l_Indice->move(valueLeft, LineInset + rowStep);
  l_Temps->resize(panelWidth - valueLeft - LineInset - iconSize - 4, l_Temps->height());
  l_Indice->resize(panelWidth - valueLeft - LineInset, l_Indice->height());
  // The pause at the end of the clock's line.
  im_Pause->SetStretch(true);
  im_Pause->resize(iconSize, iconSize);
  im_Pause->move(panelWidth - LineInset - iconSize, LineInset + (l_Temps->height() - iconSize) / 2);

  // The digit buttons, 4 pixels under the grid.
  const int buttonsTop = gridTop + GrilleSudoku->height() + 4;
  const int buttonsLeft = gridLeft + (gridWidth - DigitButtonsWidth) / 2;
  for (int k = 0; k < 10; ++k)
    Buttons[std::size_t(k)]->setGeometry(buttonsLeft + k * DigitButtonStep, buttonsTop,
                                         DigitButtonSize, DigitButtonSize);

  // The mode widgets and the tips under the panels.
  const int r = FondCopie2->geometry().bottom() + 1;
  l_Mode->adjustSize();
  l_Mode->move(panelLeft, r + 6);
  int x = panelLeft + l_Mode->width() + 8;
  rc_ModeNormal->move(x, r + 9);
  Image15->move(rc_ModeNormal->x() + rc_ModeNormal->width() + 2, r + 2);
  x = Image15->x() + Image15->width() + 14;
  rc_ModePossibilite->move(x, r + 9);
  Image16->move(rc_ModePossibilite->x() + rc_ModePossibilite->width() + 2, r + 2);
  const int memoHeight = H - r - 42;
  MemoAstuce->setGeometry(panelLeft, r + 38, gridLeft + gridWidth - panelLeft, std::max(0, memoHeight));
  int memoPoints = 13;
  if (memoHeight < 80)
    memoPoints = 10;
  else if (memoHeight < 95)
    memoPoints = 11;
  else if (memoHeight < 110)
    memoPoints = 12;
  QFont memoFont = MemoAstuce->font();
  memoFont.setPointSize(memoPoints);
  MemoAstuce->setFont(memoFont);
}
