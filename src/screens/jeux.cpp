// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeux.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "charge.h"
#include "choixniveau.h"
#include "color.h"
#include "decor.h"
#include "finjeu.h"
#include "fondcopie.h"
#include "generation.h"
#include "gridcolours.h"
#include "grillesudoku.h"
#include "hintletters.h"
#include "hotlabel.h"
#include "image.h"
#include "look.h"
#include "messages.h"
#include "options.h"
#include "partie.h"
#include "recorder.h"
#include "reprise.h"
#include "rondcoche.h"
#include "shell.h"
#include "statistiques.h"
#include "wholelines.h"

#include "jeux_shared.h"
#include "pausepanel.h"

using namespace Jeux;

namespace {

bool IsModifierKey(int Key) {
  return Key == Qt::Key_Shift || Key == Qt::Key_Control || Key == Qt::Key_Alt || Key == Qt::Key_Meta ||
         Key == Qt::Key_AltGr || Key == Qt::Key_CapsLock || Key == Qt::Key_NumLock;
}

}  // namespace

Tf_Jeux::Tf_Jeux(QWidget* Parent) : QWidget(Parent) {
  setObjectName(QStringLiteral("f_Jeux"));
  Image1 = AddBackground(*this, true);
  p_Partie = AddPanel(*this, QStringLiteral("p_Partie"));
  Commands1_ = {AddCommand(p_Partie, QStringLiteral("hl_reinit"), tr("Réinitialiser"), &Tf_Jeux::hl_reinitClick),
                AddCommand(p_Partie, QStringLiteral("hl_newgrille"), NewGridCaption(), &Tf_Jeux::hl_newgrilleClick),
                AddCommand(p_Partie, QStringLiteral("hl_charger"), tr("Charger"), &Tf_Jeux::hl_chargerClick),
                AddCommand(p_Partie, QStringLiteral("hl_sauver"), tr("Sauver"), &Tf_Jeux::hl_sauverClick),
                AddCommand(p_Partie, QStringLiteral("hl_imprimer"), tr("Imprimer"), &Tf_Jeux::hl_imprimerClick)};
  hl_reinit = Commands1_[0].Label;
  hl_newgrille = Commands1_[1].Label;
  hl_charger = Commands1_[2].Label;
  hl_sauver = Commands1_[3].Label;
  hl_imprimer = Commands1_[4].Label;

  p_Compteurs = AddPanel(*this, QStringLiteral("p_Compteurs"));
  const auto counter = [this](const QString& Text) {
    auto* label = new QLabel(Text, p_Compteurs);
    label->setFont(Look::PixelFont(Look::TitleFamily, 18));
    return label;
  };
  l_TempsCaption = counter(tr("Temps:"));
  l_Temps = counter(QStringLiteral("00:00:00"));
  l_Temps->setObjectName(QStringLiteral("l_Temps"));
  l_IndiceCaption = counter(tr("Indice(s):"));
  l_Indice = counter(QStringLiteral("0"));
  l_Indice->setObjectName(QStringLiteral("l_Indice"));

  p_Saisie = AddPanel(*this, QStringLiteral("p_Saisie"));
  Commands4_ = {
      AddCommand(p_Saisie, QStringLiteral("hl_VerifierGrille"), tr("Vérifier la grille"),
                 &Tf_Jeux::hl_VerifierGrilleClick),
      AddCommand(p_Saisie, QStringLiteral("hl_JouerGrille"), tr("Jouer sur la grille"), &Tf_Jeux::hl_JouerGrilleClick)};
  hl_VerifierGrille = Commands4_[0].Label;
  hl_JouerGrille = Commands4_[1].Label;
  p_Saisie->hide();

  p_Aides = AddPanel(*this, QStringLiteral("p_Aides"));
  Commands2_ = {
      AddCommand(p_Aides, QStringLiteral("hl_Annuler"), tr("Annuler la saisie"), &Tf_Jeux::hl_AnnulerClick),
      AddCommand(p_Aides, QStringLiteral("hl_Indice"), tr("Indice"), &Tf_Jeux::hl_IndiceClick),
      AddCommand(p_Aides, QStringLiteral("hl_Possibilite"), ShowCandidatesCaption(), &Tf_Jeux::hl_PossibiliteClick),
      AddCommand(p_Aides, QStringLiteral("hl_Resoudre"), tr("Résoudre"), &Tf_Jeux::hl_ResoudreClick),
      AddCommand(p_Aides, QStringLiteral("hl_documentation"), tr("Documentation"), &Tf_Jeux::hl_documentationClick),
      AddCommand(p_Aides, QStringLiteral("hl_Menu"), tr("Retour au menu"), &Tf_Jeux::hl_MenuClick)};
  hl_Annuler = Commands2_[0].Label;
  hl_Indice = Commands2_[1].Label;
  hl_Possibilite = Commands2_[2].Label;
  hl_Resoudre = Commands2_[3].Label;
  hl_documentation = Commands2_[4].Label;
  hl_Menu = Commands2_[5].Label;

  // "Rétablir" at the end of the line of "Annuler la saisie", the pause at
  // the end of the clock's line.
  im_Retablir = new TImage(QStringLiteral(":/pictures/icon_redo.svg"), p_Aides);
  im_Retablir->setObjectName(QStringLiteral("im_Retablir"));
  im_Retablir->setAccessibleName(tr("Rétablir"));
  im_Retablir->setCursor(Qt::PointingHandCursor);
  connect(im_Retablir, &TImage::clicked, this, &Tf_Jeux::hl_RetablirClick);
  im_RemplirNotes = new TImage(QStringLiteral(":/pictures/icon_fillnotes.svg"), p_Aides);
  im_RemplirNotes->setObjectName(QStringLiteral("im_RemplirNotes"));
  im_RemplirNotes->setAccessibleName(tr("Remplir les notes"));
  im_RemplirNotes->setCursor(Qt::PointingHandCursor);
  connect(im_RemplirNotes, &TImage::clicked, this, &Tf_Jeux::RemplirNotesClick);
  im_Pause = new TImage(QStringLiteral(":/pictures/icon_pause.svg"), p_Compteurs);
  im_Pause->setObjectName(QStringLiteral("im_Pause"));
  im_Pause->setAccessibleName(tr("Pause"));
  im_Pause->setCursor(Qt::PointingHandCursor);
  connect(im_Pause, &TImage::clicked, this, &Tf_Jeux::hl_PauseClick);

  im_CoupDePouce = new TImage(QStringLiteral(":/pictures/icon_ladder.svg"), p_Aides);
  im_CoupDePouce->setObjectName(QStringLiteral("im_CoupDePouce"));
  im_CoupDePouce->setAccessibleName(tr("Coup de pouce"));
  im_CoupDePouce->setCursor(Qt::PointingHandCursor);
  connect(im_CoupDePouce, &TImage::clicked, this, &Tf_Jeux::CoupDePouceClick);

  im_Carnet = new TImage(QStringLiteral(":/pictures/icon_booklet.svg"), p_Partie);
  im_Carnet->setObjectName(QStringLiteral("im_Carnet"));
  im_Carnet->setAccessibleName(tr("Imprimer un carnet"));
  im_Carnet->setCursor(Qt::PointingHandCursor);
  connect(im_Carnet, &TImage::clicked, this, &Tf_Jeux::hl_CarnetClick);

  GrilleSudoku = new TGrilleSudoku(this);
  GrilleSudoku->setObjectName(QStringLiteral("GrilleSudoku"));
  GrilleSudoku->setAccessibleName(tr("Grille"));
  connect(GrilleSudoku, &TGrilleSudoku::GridChanged, this, [this] {
    ShowHelps();
    KeepGame();
  });
  connect(GrilleSudoku, &TGrilleSudoku::ChosenChanged, this, &Tf_Jeux::ShowChosenDigit);
  connect(GrilleSudoku, &TGrilleSudoku::EntryRefused, this, [this] {
    HintTip_.clear();
    MemoAstuce->setPlainText(Options != nullptr && Options->UseLetters ? LettersNotDigits(RefusedGivenTip())
                                                                       : RefusedGivenTip());
  });
  // Set before any game comes in: setting it resets the view, and a game
  // taken up keeps its moves to undo.
  GrilleSudoku->SetOnComplete([this] { GameFilled(); });
  p_Pause = new TPausePanel(this);

  for (int k = 0; k < 10; ++k) {
    auto* button = new QPushButton(this);
    const int digit = k < 9 ? k + 1 : 0;
    button->setObjectName(QStringLiteral("Button%1").arg(k + 1));
    button->setProperty("Tag", digit);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFont(Look::PixelFont(Look::GridFamily, 16, true));
    if (digit == 0) {
      button->setToolTip(tr("Effacer la case"));
      button->setAccessibleName(tr("Effacer la case"));
    }
    button->installEventFilter(this);
    // The digit chosen in digit-first play stands out (ShowChosenDigit).
    button->setCheckable(true);
    button->setStyleSheet(ChosenButtonStyle);
    Buttons[std::size_t(k)] = button;
  }

  l_Mode = new QLabel(tr("MODE :"), this);
  l_Mode->setObjectName(QStringLiteral("l_Mode"));
  l_Mode->setFont(Look::PixelFont(Look::TitleFamily, 16));
  rc_ModeNormal = new TRondCoche(this);
  rc_ModeNormal->setObjectName(QStringLiteral("rc_ModeNormal"));
  rc_ModeNormal->resize(16, 20);
  rc_ModeNormal->SetChecked(true);
  rc_ModeNormal->setAccessibleName(tr("Mode normal"));
  rc_ModeNormal->setToolTip(tr("Mode normal (F4)"));
  rc_ModePossibilite = new TRondCoche(this);
  rc_ModePossibilite->setObjectName(QStringLiteral("rc_ModePossibilite"));
  rc_ModePossibilite->resize(16, 20);
  rc_ModePossibilite->setAccessibleName(tr("Mode possibilité"));
  rc_ModePossibilite->setToolTip(tr("Mode possibilité (F4)"));
  connect(rc_ModeNormal, &TBoutonCoche::clicked, this, [this] {
    GrilleSudoku->NoteMode = false;
    FocusGrid();
  });
  connect(rc_ModePossibilite, &TBoutonCoche::clicked, this, [this] {
    GrilleSudoku->NoteMode = true;
    FocusGrid();
  });
  im_ModeNormal = new TImage(QStringLiteral(":/pictures/mode_normal.svg"), this);
  im_ModeNormal->setObjectName(QStringLiteral("im_ModeNormal"));
  im_ModeNormal->setToolTip(ModeNormalTip());
  im_ModeNormal->setAccessibleName(tr("Mode normal"));
  im_ModePossibilite = new TImage(QStringLiteral(":/pictures/mode_notes.svg"), this);
  im_ModePossibilite->setObjectName(QStringLiteral("im_ModePossibilite"));
  im_ModePossibilite->setToolTip(ModeNotesTip());
  im_ModePossibilite->setAccessibleName(tr("Mode possibilité"));
  connect(im_ModeNormal, &TImage::clicked, this, [this] {
    rc_ModeNormal->SetChecked(true);
    GrilleSudoku->NoteMode = false;
    FocusGrid();
  });
  connect(im_ModePossibilite, &TImage::clicked, this, [this] {
    rc_ModePossibilite->SetChecked(true);
    GrilleSudoku->NoteMode = true;
    FocusGrid();
  });

  MemoAstuce = new QTextBrowser(this);
  MemoAstuce->setObjectName(QStringLiteral("MemoAstuce"));
  MemoAstuce->setReadOnly(true);
  MemoAstuce->setFocusPolicy(Qt::NoFocus);
  MemoAstuce->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MemoAstuce->viewport()->installEventFilter(this);
  MemoAstuce->setAccessibleName(tr("Boîte de conseils"));
  KeepWholeLines(*MemoAstuce);

  t_Chronometre = new QTimer(this);
  t_Chronometre->setObjectName(QStringLiteral("t_Chronometre"));
  t_Chronometre->setInterval(ClockIntervalMs);
  connect(t_Chronometre, &QTimer::timeout, this, &Tf_Jeux::t_ChronometreTimer);

  AddShortcuts();
  ApplyLook();
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
    const char* Tip;  // the tooltip, naming the key
    void (Tf_Jeux::*Handler)();
  };
  const Command commands[] = {
      {hl_reinit,
       hl_reinit,
       {key(Qt::CTRL | Qt::Key_R)},
       QT_TR_NOOP("Réinitialiser (Ctrl+R)"),
       &Tf_Jeux::hl_reinitClick},
      {hl_newgrille, hl_newgrille, {key(Qt::CTRL | Qt::Key_N)}, nullptr, &Tf_Jeux::hl_newgrilleClick},
      {hl_charger, hl_charger, {key(Qt::CTRL | Qt::Key_O)}, QT_TR_NOOP("Charger (Ctrl+O)"), &Tf_Jeux::hl_chargerClick},
      {hl_sauver, hl_sauver, {key(Qt::CTRL | Qt::Key_S)}, QT_TR_NOOP("Sauver (Ctrl+S)"), &Tf_Jeux::hl_sauverClick},
      {hl_imprimer,
       hl_imprimer,
       {key(Qt::CTRL | Qt::Key_P)},
       QT_TR_NOOP("Imprimer (Ctrl+P)"),
       &Tf_Jeux::hl_imprimerClick},
      {nullptr, hl_imprimer, {key(Qt::CTRL | Qt::SHIFT | Qt::Key_P)}, nullptr, &Tf_Jeux::hl_CarnetClick},
      {hl_Annuler,
       hl_Annuler,
       {key(Qt::CTRL | Qt::Key_Z)},
       QT_TR_NOOP("Annuler la saisie (Ctrl+Z)"),
       &Tf_Jeux::hl_AnnulerClick},
      {nullptr,
       hl_Annuler,
       {key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), key(Qt::CTRL | Qt::Key_Y)},
       nullptr,
       &Tf_Jeux::hl_RetablirClick},
      {hl_Indice, hl_Indice, {key(Qt::Key_F2)}, QT_TR_NOOP("Indice (F2)"), &Tf_Jeux::hl_IndiceClick},
      {nullptr, hl_Indice, {key(Qt::SHIFT | Qt::Key_F2)}, nullptr, &Tf_Jeux::CoupDePouceClick},
      {hl_Possibilite,
       hl_Possibilite,
       {key(Qt::Key_F3)},
       QT_TR_NOOP("Voir ou cacher les possibilités (F3)"),
       &Tf_Jeux::hl_PossibiliteClick},
      {nullptr, im_RemplirNotes, {key(Qt::Key_F8)}, nullptr, &Tf_Jeux::RemplirNotesClick},
      {hl_Resoudre, hl_Resoudre, {key(Qt::Key_F9)}, QT_TR_NOOP("Résoudre (F9)"), &Tf_Jeux::hl_ResoudreClick},
      // F1 belongs to the main window, which opens the help on every screen.
      {hl_documentation, nullptr, {}, QT_TR_NOOP("Documentation (F1)"), nullptr},
      {hl_Menu, hl_Menu, {key(Qt::Key_Escape)}, QT_TR_NOOP("Retour au menu (Échap)"), &Tf_Jeux::hl_MenuClick},
      {hl_VerifierGrille,
       hl_VerifierGrille,
       {key(Qt::Key_F6)},
       QT_TR_NOOP("Vérifier la grille (F6)"),
       &Tf_Jeux::hl_VerifierGrilleClick},
      {hl_JouerGrille,
       hl_JouerGrille,
       {key(Qt::Key_F7)},
       QT_TR_NOOP("Jouer sur la grille (F7)"),
       &Tf_Jeux::hl_JouerGrilleClick},
      {nullptr, l_Temps, {key(Qt::Key_F5), key(Qt::Key_Pause)}, nullptr, &Tf_Jeux::hl_PauseClick},
      {nullptr, rc_ModePossibilite, {key(Qt::Key_F4)}, nullptr, &Tf_Jeux::ToggleNoteMode},
      {nullptr, this, {key(Qt::CTRL | Qt::Key_Insert)}, nullptr, &Tf_Jeux::CopyPuzzle},
      {nullptr, this, {key(Qt::CTRL | Qt::Key_V), key(Qt::SHIFT | Qt::Key_Insert)}, nullptr, &Tf_Jeux::PastePuzzle},
      // The zoom of the grid: Ctrl++ (or Ctrl+=, the same key without
      // Shift), Ctrl+-, and Ctrl+Home back to its size (Ctrl+0 is the
      // grid's). The grid keeps Ctrl with a digit key that notes a mark (the
      // "-" of a French keyboard is the key of 6).
      {nullptr, this, {QKeySequence::ZoomIn, key(Qt::CTRL | Qt::Key_Equal)}, nullptr, &Tf_Jeux::ZoomIn},
      {nullptr, this, {QKeySequence::ZoomOut}, nullptr, &Tf_Jeux::ZoomOut},
      {nullptr, this, {key(Qt::CTRL | Qt::Key_Home)}, nullptr, &Tf_Jeux::ZoomReset},
  };
  for (const Command& command : commands) {
    if (command.Owner != nullptr) AddShortcut(command.Owner, command.Keys, command.Handler);
    if (command.Label != nullptr && command.Tip != nullptr) SetCommandTip(command.Label, tr(command.Tip));
  }
  im_Retablir->setToolTip(tr("Rétablir (Ctrl+Maj+Z ou Ctrl+Y)"));
  im_RemplirNotes->setToolTip(FillNotesTip());
  im_Pause->setToolTip(tr("Pause (F5 ou Pause)"));
  im_Carnet->setToolTip(tr("Imprimer un carnet de grilles neuves (Ctrl+Maj+P)"));
  im_CoupDePouce->setToolTip(
      tr("Coup de pouce\u00A0: l'indice pas à pas, d'abord où regarder, puis chaque étape (Maj+F2)"));
  // "Nouvelle grille" changes with the mode (SetPlayMode).
  SetCommandTip(hl_newgrille, NewGridCaption() + QStringLiteral(" (Ctrl+N)"));
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

Tf_Jeux::CommandLine Tf_Jeux::AddCommand(TFondCopie* Panel, const QString& Name, const QString& Caption,
                                         void (Tf_Jeux::*Handler)()) {
  auto* bullet = new TImage(QStringLiteral(":/pictures/bullet.svg"), Panel);
  bullet->setCursor(Qt::PointingHandCursor);
  auto* label = new THotLabel(Caption, Panel);
  label->setObjectName(Name);
  Look::DressCommand(*label, 18);
  connect(label, &THotLabel::clicked, this, Handler);
  connect(bullet, &TImage::clicked, this, Handler);
  return {bullet, label};
}

TPartie& Tf_Jeux::Partie() { return GrilleSudoku->Partie(); }

const TPartie& Tf_Jeux::Partie() const { return GrilleSudoku->Partie(); }

int Tf_Jeux::ElapsedSeconds() const { return Partie().Seconds(); }

void Tf_Jeux::HoldClock() { Partie().HoldClock(); }

void Tf_Jeux::ReleaseClock() { Partie().ReleaseClock(); }

bool Tf_Jeux::Paused() const { return Partie().Paused(); }

void Tf_Jeux::SetPaused(bool Paused) {
  if (!Partie().SetPaused(Paused)) return;
  if (Paused) {
    KeepGame();
    p_Pause->setGeometry(GrilleSudoku->geometry());
    p_Pause->raise();
    p_Pause->show();
    qApp->installEventFilter(this);
    return;
  }
  qApp->removeEventFilter(this);
  p_Pause->hide();
  t_ChronometreTimer();
  FocusGrid();
}

bool Tf_Jeux::ResumeOnInput(QObject* Watched, QEvent* Event) {
  const QEvent::Type type = Event->type();
  const bool key = type == QEvent::KeyPress || type == QEvent::ShortcutOverride;
  if (!key && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) return false;
  auto* widget = qobject_cast<QWidget*>(Watched);
  if (widget == nullptr || widget->window() != window() || QApplication::activeModalWidget() != nullptr) return false;
  if (key && IsModifierKey(static_cast<QKeyEvent*>(Event)->key())) return false;
  Event->accept();
  // The key is kept from the shortcuts, then resumes when it arrives.
  if (type != QEvent::ShortcutOverride) SetPaused(false);
  return true;
}

void Tf_Jeux::WindowStateChanged(QWidget* Window) {
  if (Window->isMinimized() && GrilleSudoku->GameMode() && p_Compteurs->isVisible()) SetPaused(true);
}

void Tf_Jeux::changeEvent(QEvent* Event) {
  QWidget::changeEvent(Event);
  if (Event->type() == QEvent::WindowStateChange && isWindow()) WindowStateChanged(this);
}

void Tf_Jeux::FocusGrid() { GrilleSudoku->setFocus(Qt::OtherFocusReason); }

// --- Entry points ---

void Tf_Jeux::SetPlayMode(bool Playing) {
  SetPaused(false);
  GrilleSudoku->SetGameMode(Playing);
  hl_newgrille->setText(Playing ? NewGridCaption() : ClearGridCaption());
  hl_newgrille->adjustSize();
  SetCommandTip(hl_newgrille, hl_newgrille->text() + QStringLiteral(" (Ctrl+N)"));
  GrilleSudoku->NoteMode = false;
  // The mode widgets say what the grid does.
  rc_ModeNormal->SetChecked(true);
}

bool Tf_Jeux::Start(const TJeuxServices& Services, const TStart& How) {
  Options = Services.Options;
  Recorder_ = Services.Recorder;
  Generateur_ = Services.Generateur;
  Reprise_ = Services.Reprise;
  switch (How.Kind) {
    case TStartKind::NewGame:
      if (!StartNewGame()) return false;
      break;
    case TStartKind::Load:
      if (!LoadGame(How.Path)) return false;
      break;
    case TStartKind::Resume:
      if (!ResumeGame(How.ResumeText)) return false;
      break;
    case TStartKind::TypeIn:
      SetPlayMode(false);
      break;
    case TStartKind::AsIs:
      break;
  }
  // Setting up empties the tip box: a resumed game's last hint comes back after.
  const std::string tip = std::exchange(HintTip_, {});
  SetPlayMode(Partie().Playing());
  SetupScreen();
  if (!tip.empty()) {
    ShowHintTip(tip);
    KeepGame();
  }
  return true;
}

void Tf_Jeux::ApplyLook() {
  const Look::TMode& mode = Look::Mode();
  const Look::TColours& colours = Look::Colours();
  const TGridColours grid = GameGridColours(mode.Dark, mode.HighContrast);
  const bool day = !mode.Dark && !mode.HighContrast;
  TGridLook look;
  grid.ApplyTo(look);
  GrilleSudoku->SetCouleurFond(look.CouleurFond);
  GrilleSudoku->CouleurTraitEcran = mode.Dark ? grid.Lines : QColor();
  GrilleSudoku->CouleurSelection = look.CouleurSelection;
  GrilleSudoku->CouleurChiffre = look.CouleurChiffre;
  GrilleSudoku->CouleurChiffreHint = look.CouleurChiffreHint;
  GrilleSudoku->CouleurChiffreFixe = look.CouleurChiffreFixe;
  GrilleSudoku->CouleurNote = look.CouleurNote;
  GrilleSudoku->CouleurSurlignage = look.CouleurSurlignage;
  GrilleSudoku->CouleurZone = look.CouleurZone;
  GrilleSudoku->CouleurIndiceZone = look.CouleurIndiceZone;
  GrilleSudoku->CouleurIndiceCase = look.CouleurIndiceCase;
  GrilleSudoku->StepHues = look.StepHues;
  GrilleSudoku->MarkErrors = look.MarkErrors;
  // The player's signal colours, unless a look has its own for the defaults.
  if (Options != nullptr) {
    const auto signal = [&](std::uint32_t TOptions::*Setting, const QColor& LookColour) {
      const QColor dayDefault = ColorFromBgr(QByteArray(TOptions::SettingOf(Setting)->Default).toUInt());
      return SignalColour(ColorFromBgr(Options->*Setting), dayDefault, LookColour, day);
    };
    GrilleSudoku->CouleurErreur = signal(&TOptions::CouleurErreur, grid.Wrong);
    GrilleSudoku->CouleurImpossible = signal(&TOptions::CouleurEmplacement, grid.BrokeRule);
  }
  const QString text = mode.Dark ? QStringLiteral(" color: %1;").arg(colours.Command.name()) : QString();
  MemoAstuce->setStyleSheet(QStringLiteral("QTextBrowser { background: %1; border: 1px solid %2;%3 }")
                                .arg(colours.Panel.name(), colours.Edge.name(), text));
  GrilleSudoku->update();
}

void Tf_Jeux::SetupScreen() {
  if (Options == nullptr) return;
  ApplyLook();
  GrilleSudoku->TypeBrique = Options->UseLetters ? tb_Lettre : tb_Chiffre;
  // The mode pictures show what the grid shows.
  im_ModeNormal->SetPicture(Options->UseLetters ? QStringLiteral(":/pictures/mode_normal_letters.svg")
                                                : QStringLiteral(":/pictures/mode_normal.svg"));
  im_ModePossibilite->SetPicture(Options->UseLetters ? QStringLiteral(":/pictures/mode_notes_letters.svg")
                                                     : QStringLiteral(":/pictures/mode_notes.svg"));
  for (int digit = 1; digit <= 9; ++digit) {
    QPushButton* button = Buttons[std::size_t(digit - 1)];
    button->setText(TGrilleSudoku::DigitText(digit, GrilleSudoku->TypeBrique));
    button->setAccessibleName((Options->UseLetters ? tr("Lettre %1") : tr("Chiffre %1")).arg(button->text()));
  }
  // A grid in letters: the texts that name the symbols say letters.
  const auto symbols = [this](const QString& Text) { return Options->UseLetters ? LettersNotDigits(Text) : Text; };
  im_ModeNormal->setToolTip(symbols(ModeNormalTip()));
  im_ModePossibilite->setToolTip(symbols(ModeNotesTip()));
  im_RemplirNotes->setToolTip(symbols(FillNotesTip()));
  MemoAstuce->clear();
  HintTip_.clear();
  // The comforts of the page "Options de jeux" apply while playing.
  GrilleSudoku->SurligneChiffres = GrilleSudoku->GameMode() && Options->SurligneChiffres;
  GrilleSudoku->SetEffaceNotes(GrilleSudoku->GameMode() && Options->EffaceNotes);
  GrilleSudoku->SetSaisieMode(Options->Saisie == TOptions::SaisieChiffreCase ? TSaisieMode::ChiffreCase
                                                                             : TSaisieMode::CaseChiffre);
  Partie().AdvancedHints = Options->IndicesAvances;
  Partie().SetTimed(Options->AffichageChrono);
  if (GrilleSudoku->GameMode()) {
    GrilleSudoku->ShowErreur = Options->ErreurJeu;
    GrilleSudoku->ShowImpossible = Options->MauvaisEmplacementJeu;
    GrilleSudoku->TabAuto = false;
    const bool digitFirst = GrilleSudoku->Saisie().DigitFirst();
    MemoAstuce->setPlainText(symbols((digitFirst ? DigitFirstTip() : EntryTip()) + QStringLiteral("\n\n") +
                                     (digitFirst ? DigitFirstNoteTip() : NoteTip())));
  } else {
    GrilleSudoku->ShowErreur = false;
    GrilleSudoku->ShowImpossible = Options->MauvaisEmplacementProbleme;
    GrilleSudoku->TabAuto = Options->DecaleAuto;
    MemoAstuce->setPlainText(symbols(EntryTip() + QLatin1Char('\n') + TypingInTip()));
  }
  GrilleSudoku->update();
  ShowCounters();
  ShowDailyCaption();
  KeepGame();
}

void Tf_Jeux::ShowCounters() {
  SetPaused(false);
  // Candidates shown from before would be free for the new game.
  SetPossibilitiesShown(false);
  ShowHelps();
  if (GrilleSudoku->GameMode()) {
    p_Compteurs->show();
    p_Saisie->hide();
    if (Partie().Timed()) {
      t_ChronometreTimer();
      t_Chronometre->start();
    } else {
      l_Temps->setText(QStringLiteral("-"));
      t_Chronometre->stop();
    }
  } else {
    p_Compteurs->hide();
    p_Saisie->show();
  }
}

bool Tf_Jeux::StartNewGame() {
  std::optional<int> dailyDone;
  if (Recorder_ != nullptr) dailyDone = Recorder_->Statistiques().DailySeconds(QDate::currentDate());
  const int chosen = Tf_ChoixNiveau::Choose(window(), dailyDone);
  if (chosen == Tf_ChoixNiveau::DailyChoice) return StartDailyGame();
  // The level choice or the wait given up: the game on screen goes on.
  if (chosen == 0 || Generateur_ == nullptr) return false;
  if (!Partie().NewGame(RequestGrid(*Generateur_, chosen, window()), chosen)) return false;
  if (Recorder_ != nullptr) Recorder_->Started(Partie());
  ShowCounters();
  return true;
}

bool Tf_Jeux::ResumeGame(const std::string& Text) {
  const std::optional<TVue> vue = Partie().Resume(Text);
  if (!vue) return false;
  GrilleSudoku->SelRow = vue->Row;
  GrilleSudoku->SelCol = vue->Col;
  GrilleSudoku->ShowHintFocus(vue->Focus, Partie().HintRungHue());
  ShowCounters();
  HintTip_ = vue->Tip;
  return true;
}

void Tf_Jeux::KeepGame() {
  if (Reprise_ == nullptr || Options == nullptr) return;
  KeptAtSeconds_ = ElapsedSeconds();
  const TKeep action = Partie().KeepAction();
  if (!Options->ReprendrePartie) {
    if (action != TKeep::Nothing && Partie().Serial() != ReplacedSerial_) {
      ReplacedSerial_ = Partie().Serial();
      Reprise_->Keep({});  // an empty text removes the file the game would have taken
    }
    return;
  }
  if (action == TKeep::Remove)
    Reprise_->Remove();
  else if (action == TKeep::Keep)
    Reprise_->Keep(
        Partie().ResumeText({GrilleSudoku->SelRow, GrilleSudoku->SelCol, HintTip_, GrilleSudoku->HintFocus()}));
}

bool Tf_Jeux::LoadGame(const QString& Path) {
  const ClockHold hold(*this);
  Tf_Charge dialog(window());
  if (!Path.isEmpty()) dialog.ChooseFile(Path);
  if (dialog.exec() != QDialog::Accepted) return false;
  const TSavedGame& game = dialog.Game();
  Partie().Load(game.Givens.toStdString(), game.Digits.toStdString(), game.Level, game.Time, game.Hints);
  ShowCounters();
  return true;
}

void Tf_Jeux::GameFilled() {
  if (InCommand_)
    EndPending_ = true;
  else
    FinishGame();
}

void Tf_Jeux::FinishGame() {
  TPartie& game = Partie();
  // The grid may have changed since the move that filled it.
  const std::optional<TFull> full = game.Full();
  if (!full) return;
  if (*full == TFull::ErrorsRemain) {
    bool goOn = false;
    {
      const ClockHold hold(*this);
      goOn = AskYesNo(ErrorsTitle(), ErrorsQuestion());
    }
    if (goOn) return;
  }
  // The clock stops now: the time shown, scored and saved is the time of play.
  const TGameResult result = game.Finish(Recorder_ != nullptr ? Recorder_->DailyCounted() : std::nullopt);
  ShowHelps();
  KeepGame();
  t_ChronometreTimer();
  t_Chronometre->stop();
  if (Recorder_ == nullptr) return;
  Recorder_->Finished(result);
  Tf_FinJeu dialog(window());
  // When the score could not be stored, the error has been shown and the
  // game stays as it is, its clock stopped.
  if (!dialog.ShowScore(result, *Recorder_)) return;
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
        shell->ShowScores(game.Level());
      }
      break;
    default:
      if (shell != nullptr) shell->ShowMenu();
      break;
  }
}

// --- Events ---

bool Tf_Jeux::eventFilter(QObject* Watched, QEvent* Event) {
  if (Paused() && ResumeOnInput(Watched, Event)) return true;
  if (Watched == WatchedWindow_ && Event->type() == QEvent::WindowStateChange) WindowStateChanged(WatchedWindow_);
  if (Event->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(Event);
    if (Watched == MemoAstuce->viewport()) {
      FocusGrid();
      return false;
    }
    const auto button = std::find(Buttons.begin(), Buttons.end(), Watched);
    if (button != Buttons.end() && GrilleSudoku->Saisie().DigitFirst()) {
      // Digit first: the button chooses its digit and stays chosen; the
      // press is ours, so that the button does not check itself.
      GrilleSudoku->ChooseDigit((*button)->property("Tag").toInt());
      FocusGrid();
      return true;
    }
    if (button != Buttons.end()) {
      // The right button, or Ctrl held, notes a possibility.
      const bool note = mouse->button() == Qt::RightButton || (mouse->modifiers() & Qt::ControlModifier) != 0;
      GrilleSudoku->EnterAtSelection((*button)->property("Tag").toInt(), note);
      FocusGrid();
      return false;
    }
  }
  return QWidget::eventFilter(Watched, Event);
}

void Tf_Jeux::ShowChosenDigit(int Digit) {
  for (QPushButton* button : Buttons) button->setChecked(button->property("Tag").toInt() == Digit);
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
  FocusGrid();
  FormResize();
}

void Tf_Jeux::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  FormResize();
}
