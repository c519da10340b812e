// SPDX-License-Identifier: GPL-3.0-or-later
#include "main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "appfolders.h"
#include "astuces.h"
#include "decor.h"
#include "desktopscheme.h"
#include "dessin.h"
#include "fileresult.h"
#include "generateur.h"
#include "helpviewer.h"
#include "hotlabel.h"
#include "image.h"
#include "inifile.h"
#include "jeux.h"
#include "look.h"
#include "messages.h"
#include "options.h"
#include "optionsscreen.h"
#include "partie.h"
#include "recorder.h"
#include "regles.h"
#include "reprise.h"
#include "scores.h"
#include "scoresscreen.h"
#include "statistiques.h"
#include "statistiquesscreen.h"

namespace {

// Where the titles and the menu lines stand on the board (from its top-left
// corner), the lines in the order of the menu.
constexpr QPoint TitlePlace{80, 13};
constexpr QPoint MotifPlace{216, 49};
constexpr std::array<int, 7> MenuLineTops{108, 152, 197, 241, 286, 330, 375};
// With "Reprendre la partie" first, eight lines between the same first and a
// last one a little lower, still well inside the board.
constexpr int EightLinesFirst = 106;
constexpr int EightLinesStep = 41;
// A menu line is as wide as the board's inside, its text centred, so that the
// text stays in place when it turns bold under the pointer.
constexpr int MenuLineWidth = 340;

constexpr int FreeDelayMs = 1000;
constexpr int FullScreenDelayMs = 50;

// The background files the settings name, and the plain colour that stands
// in when the picture cannot be read.
const QString CloudsPicture = QStringLiteral("LightClouds.jpeg");
const QColor CloudsColor{205, 226, 244};

// The night version of a background picture: "fond.jpg" becomes
// "fond-nuit.jpg", painted with the day's.
QString NightPicture(const QString& Name) {
  const qsizetype dot = Name.lastIndexOf(u'.');
  return dot < 0 ? Name + QStringLiteral("-nuit") : Name.left(dot) + QStringLiteral("-nuit") + Name.mid(dot);
}

}  // namespace

Tf_Main::Tf_Main(QWidget* Parent) : QWidget(Parent) {
  setObjectName(QStringLiteral("f_Main"));
  setWindowTitle(QStringLiteral("Orvalis"));
  setMinimumSize(WindowedWidth, WindowedHeight);

  Image1 = new TImage(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->SetStretch(true);
  Image2 = new TImage(QStringLiteral(":/pictures/menu_board.svg"), this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->SetStretch(true);
  Image2->resize(BoardWidth, BoardHeight);
  Image3 = new TImage(QStringLiteral(":/pictures/title_orvalis.svg"), this);
  Image3->setObjectName(QStringLiteral("Image3"));
  Image4 = new TImage(QStringLiteral(":/pictures/title_motif.svg"), this);
  Image4->setObjectName(QStringLiteral("Image4"));

  // The menu's keys: none is a digit or a letter A to I, which enter digits
  // in a grid.
  hl_Reprendre = MakeMenuLabel(tr("Reprendre la partie"), &Tf_Main::hl_ReprendreClick, Qt::CTRL | Qt::Key_R,
                               QStringLiteral("Ctrl+R"));
  hl_Reprendre->setObjectName(QStringLiteral("hl_Reprendre"));
  hl_nouveau =
      MakeMenuLabel(tr("Nouvelle partie"), &Tf_Main::hl_nouveauClick, Qt::CTRL | Qt::Key_N, QStringLiteral("Ctrl+N"));
  hl_nouveau->setObjectName(QStringLiteral("hl_nouveau"));
  hl_Charger =
      MakeMenuLabel(tr("Charger un puzzle"), &Tf_Main::hl_ChargerClick, Qt::CTRL | Qt::Key_O, QStringLiteral("Ctrl+O"));
  hl_Charger->setObjectName(QStringLiteral("hl_Charger"));
  hl_puzzle =
      MakeMenuLabel(tr("Proposer un puzzle"), &Tf_Main::hl_puzzleClick, Qt::CTRL | Qt::Key_T, QStringLiteral("Ctrl+T"));
  hl_puzzle->setObjectName(QStringLiteral("hl_puzzle"));
  hl_regle =
      MakeMenuLabel(tr("Règles du jeu"), &Tf_Main::hl_regleClick, Qt::CTRL | Qt::Key_L, QStringLiteral("Ctrl+L"));
  hl_regle->setObjectName(QStringLiteral("hl_regle"));
  hl_Astuces = MakeMenuLabel(tr("Astuces"), &Tf_Main::hl_AstucesClick, Qt::CTRL | Qt::Key_U, QStringLiteral("Ctrl+U"));
  hl_Astuces->setObjectName(QStringLiteral("hl_Astuces"));
  hl_Option =
      MakeMenuLabel(tr("Options"), &Tf_Main::hl_OptionClick, Qt::CTRL | Qt::Key_Comma, QStringLiteral("Ctrl+,"));
  hl_Option->setObjectName(QStringLiteral("hl_Option"));
  // Ctrl+Q quits from every screen: its key belongs to the window.
  hl_Quitter = MakeMenuLabel(tr("Quitter"), &Tf_Main::hl_QuitterClick, QKeySequence(), QStringLiteral("Ctrl+Q"));
  hl_Quitter->setObjectName(QStringLiteral("hl_Quitter"));

  // The host of the screens covers the whole window, menu included, when shown.
  p_Form = new QWidget(this);
  p_Form->setObjectName(QStringLiteral("p_Form"));
  auto* host = new QVBoxLayout(p_Form);
  host->setContentsMargins(0, 0, 0, 0);
  host->setSpacing(0);
  p_Form->hide();
  p_Form->installEventFilter(this);

  TimerEfface = new QTimer(this);
  TimerEfface->setInterval(FreeDelayMs);
  connect(TimerEfface, &QTimer::timeout, this, &Tf_Main::TimerEffaceTimer);
  t_Mode = new QTimer(this);
  t_Mode->setInterval(FullScreenDelayMs);
  connect(t_Mode, &QTimer::timeout, this, [this] {
    t_Mode->stop();
    ApplyScreenMode(!Options->Windowed);
  });

  // From the menu board, Ctrl+M shows the high scores and Ctrl+S the
  // statistics (keys that live with a menu line, so they work only while the
  // menu is shown).
  auto* scoresKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), hl_Option);
  connect(scoresKey, &QShortcut::activated, this, [this] { ShowScores(1); });
  auto* statisticsKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), hl_Option);
  connect(statisticsKey, &QShortcut::activated, this, &Tf_Main::ShowStatistics);

  // F1 opens the help and Ctrl+Q quits, on every screen.
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, &Tf_Main::OpenHelp);
  auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
  connect(quit, &QShortcut::activated, this, &Tf_Main::hl_QuitterClick);

  // "sudoku.ini" is read once: the settings, the high scores and the answer
  // to the first-start question all come from this reading.
  TIniFile settings(TAppFolders::SettingsFile());
  SettingsRead = settings.Load();
  Options = std::make_unique<TOptions>(TAppFolders::SettingsFile());
  Options->Load(settings);
  Scores = std::make_unique<TScores>(TAppFolders::SettingsFile(), settings);
  Statistiques_ = std::make_unique<TStatistiques>(TAppFolders::SettingsFile(), settings);
  Recorder_ = std::make_unique<TRecorder>(*Scores, *Statistiques_);
  ScreenModeAnswer = TOptions::ReadScreenModeAnswer(settings);
  Reprise = std::make_unique<TReprise>(TAppFolders::ResumeFile());
  ShowMenuCommands(true);
  SetShell(this);
  ApplyLook();
  LoadBackground(*Image1);

  Generateur = std::make_unique<TGenerateur>();
  Generateur->StartGeneration(1);

  ApplyScreenMode(!Options->Windowed);
}

Tf_Main::~Tf_Main() {
  // The worker thread may still be filling a grid: it is asked to stop, and
  // its end is awaited with the events running, so that its end handler runs.
  Generateur->Shutdown();
  Generateur.reset();
  Reprise.reset();  // what is kept is written first
  Recorder_.reset();
  Statistiques_.reset();
  Scores.reset();
  Options.reset();
  if (Shell() == this) SetShell(nullptr);
}

THotLabel* Tf_Main::MakeMenuLabel(const QString& Caption, void (Tf_Main::*Handler)(), const QKeySequence& Key,
                                  const QString& KeyName) {
  auto* label = new THotLabel(Caption, this);
  Look::DressCommand(*label, Look::MenuPixelSize);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->resize(MenuLineWidth, label->fontMetrics().height());
  label->setToolTip(QStringLiteral("%1 (%2)").arg(Caption, KeyName));
  connect(label, &THotLabel::clicked, this, Handler);
  // The key works while the label is on screen: while the menu is shown.
  if (!Key.isEmpty()) {
    auto* shortcut = new QShortcut(Key, label);
    shortcut->setAutoRepeat(false);
    connect(shortcut, &QShortcut::activated, this, Handler);
  }
  return label;
}

void Tf_Main::ShowMenuCommands(bool Shown) {
  for (THotLabel* label : {hl_nouveau, hl_Charger, hl_puzzle, hl_regle, hl_Astuces, hl_Option, hl_Quitter})
    label->setVisible(Shown);
  hl_Reprendre->setVisible(Shown && GameToResume().has_value());
  PlaceMenu();
}

std::optional<TReprise::Kept> Tf_Main::GameToResume() const {
  if (!Options || !Options->ReprendrePartie || !Reprise) return std::nullopt;
  // What the game screen kept last is on the disk first.
  Reprise->Flush();
  for (TReprise::Kept& kept : Reprise->KeptGames()) {
    TPartie probe;
    if (probe.Resume(kept.Text) && probe.KeepAction() == TKeep::Keep) return std::move(kept);
  }
  return std::nullopt;
}

std::vector<THotLabel*> Tf_Main::MenuLines() const {
  std::vector<THotLabel*> lines;
  if (!hl_Reprendre->isHidden()) lines.push_back(hl_Reprendre);
  for (THotLabel* label : {hl_nouveau, hl_Charger, hl_puzzle, hl_regle, hl_Astuces, hl_Option, hl_Quitter})
    lines.push_back(label);
  return lines;
}

bool Tf_Main::eventFilter(QObject* Watched, QEvent* Event) {
  // Only p_Form's own state counts, not the window's being minimised.
  if (Watched == p_Form && (Event->type() == QEvent::Show || Event->type() == QEvent::Hide))
    ShowMenuCommands(p_Form->isHidden());
  return QWidget::eventFilter(Watched, Event);
}

void Tf_Main::closeEvent(QCloseEvent* Event) {
  auto* game = qobject_cast<Tf_Jeux*>(CurrentScreen.data());
  if (game != nullptr && p_Form->isVisible() && !game->MayLeave()) {
    Event->ignore();
    return;
  }
  if (game != nullptr && p_Form->isVisible()) game->KeepGame();
  QWidget::closeEvent(Event);
}

void Tf_Main::LoadBackground(TImage& Image) {
  const bool clouds = Options && Options->FondEcran == CloudsPicture;
  const bool night = Look::Mode().Dark;
  Image.SetCouleur(clouds && !night ? CloudsColor : Look::Colours().Background);
  // A missing or unreadable picture leaves the plain colour.
  const QString name = Options ? (night ? NightPicture(Options->FondEcran) : Options->FondEcran) : QString();
  const QString path = TAppFolders::ImagesFolder() + QLatin1Char('/') + name;
  // Only a picture file: a pipe put there would hold the screen forever.
  if (name.isEmpty() || !QFileInfo(path).isFile() || !Image.SetPicture(path)) Image.ClearPicture();
}

void Tf_Main::ApplyLook() {
  if (!Options) return;
  const std::uint32_t chosen = Options->Apparence;
  if (chosen == TOptions::ApparenceAuto && Desktop_ == nullptr) {
    Desktop_ = new TDesktopScheme(this);
    connect(Desktop_, &TDesktopScheme::Changed, this, &Tf_Main::ApplyLook);
  }
  const bool dark =
      chosen == TOptions::ApparenceSombre || (chosen == TOptions::ApparenceAuto && Desktop_->PrefersDark());
  const Look::TMode mode{dark, Options->ContrasteEleve};
  if (mode == Look::Mode()) return;
  Look::SetMode(mode);
  SetHelpNight(dark);
  if (f_Dessin != nullptr) f_Dessin->ApplyLook();
  for (QWidget* window : QApplication::topLevelWidgets()) {
    for (TImage* image : window->findChildren<TImage*>()) image->ApplyLook();
    ReloadBackgrounds(*window);
    Look::Redress(*window);
  }
  LoadBackground(*Image1);
  if (auto* game = qobject_cast<Tf_Jeux*>(CurrentScreen.data())) game->ApplyLook();
}

void Tf_Main::Embed(QWidget* Screen, bool ShowPanel) {
  ReplaceCurrentScreen();
  CurrentScreen = Screen;
  p_Form->setVisible(ShowPanel);
  p_Form->layout()->addWidget(Screen);
  Screen->show();
}

void Tf_Main::ReplaceCurrentScreen() {
  if (!CurrentScreen) return;
  // The replaced screen may be running the handler that brought us here: it
  // is hidden now and freed by the timer, never inside its own handler.
  CurrentScreen->hide();
  ScreensToFree.push_back(CurrentScreen);
  CurrentScreen = nullptr;
  TimerEfface->start();
}

void Tf_Main::ShowNoScreen() {
  ReplaceCurrentScreen();
  p_Form->hide();
}

void Tf_Main::ShowMenu() { ShowNoScreen(); }

void Tf_Main::ShowScores(int Level) {
  auto* scores = ShowScreen<Tf_Scores>(true);
  scores->Setup(Scores.get(), Level);
}

void Tf_Main::ShowStatistics() {
  auto* statistics = ShowScreen<Tf_Statistiques>(true);
  statistics->Setup(Statistiques_.get());
}

void Tf_Main::OpenHelp() { ::OpenHelp(TAppFolders::HelpFile()); }

void Tf_Main::BackgroundChanged() { LoadBackground(*Image1); }

void Tf_Main::TimerEffaceTimer() {
  TimerEfface->stop();
  for (const QPointer<QWidget>& screen : ScreensToFree) delete screen.data();
  ScreensToFree.clear();
}

void Tf_Main::ApplyScreenMode(bool FullScreen) {
  // Before the window is first shown only its state is set; showing it then
  // takes that state.
  if (FullScreen) {
    if (isVisible())
      showFullScreen();
    else
      setWindowState(Qt::WindowFullScreen);
    return;
  }
  if (isVisible())
    showNormal();
  else
    setWindowState(Qt::WindowNoState);
  resize(WindowedWidth, WindowedHeight);
  if (const QScreen* desktop = screen()) {
    const QRect area = desktop->availableGeometry();
    move(area.center() - QPoint(WindowedWidth / 2, WindowedHeight / 2));
  }
}

bool Tf_Main::AskScreenMode() {
  if (ScreenModeAnswer != 0) return false;
  const bool fullScreen = AskYesNo(tr("Mode de jeu"), tr("Souhaitez vous lancer le logiciel en mode plein écran"));
  // The answer is written at once, so that the question comes only once; if
  // it cannot be written, the error is shown and it comes again next time.
  ReportFileResult(Options->SaveScreenMode(!fullScreen));
  return fullScreen;
}

void Tf_Main::showEvent(QShowEvent* Event) {
  QWidget::showEvent(Event);
  if (!FirstShow) return;
  FirstShow = false;
  // The question waits until the window is on screen.
  QTimer::singleShot(0, this, &Tf_Main::FormShow);
}

void Tf_Main::FormShow() {
  // A settings file that could not be read is told, and the question is not
  // asked: its answer could not be kept.
  if (!ReportFileResult(SettingsRead)) return;
  if (AskScreenMode()) t_Mode->start();
  if (!FileToOpen.isEmpty()) OpenFile(std::exchange(FileToOpen, QString()));
}

void Tf_Main::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  Image1->setGeometry(rect());
  p_Form->setGeometry(rect());
  PlaceMenu();
}

void Tf_Main::PlaceMenu() {
  const QPoint board((width() - BoardWidth) / 2, (height() - BoardHeight) / 2);
  Image2->move(board);
  Image3->move(board + TitlePlace);
  Image4->move(board + MotifPlace);
  const std::vector<THotLabel*> lines = MenuLines();
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const int top = lines.size() > MenuLineTops.size() ? EightLinesFirst + int(k) * EightLinesStep : MenuLineTops[k];
    lines[k]->move((width() - MenuLineWidth) / 2, board.y() + top);
  }
}

bool Tf_Main::StartGame(const TStart& How) {
  // The game screen waits behind the menu while a level is chosen, a grid
  // generated or a file chosen.
  auto* game = ShowScreen<Tf_Jeux>(false);
  if (!game->Start({Options.get(), Recorder_.get(), Generateur.get(), Reprise.get()}, How)) {
    ShowNoScreen();
    return false;
  }
  p_Form->show();
  return true;
}

bool Tf_Main::MayReplaceWaitingGame(bool TypingIn) {
  if (!GameToResume()) return true;
  const QString question =
      TypingIn ? tr("Une partie interrompue attend d'être reprise. Voulez-vous la reprendre\u00A0?\n\n"
                    "Non\u00A0: elle restera en attente jusqu'à ce que vous jouiez sur la grille proposée, qui prendra "
                    "alors sa place.")
               : tr("Une partie interrompue attend d'être reprise. Voulez-vous la reprendre\u00A0?\n\n"
                    "Non\u00A0: la nouvelle partie prendra sa place.");
  const TAnswer answer = AskYesNoCancel(tr("Partie interrompue"), question);
  if (answer == TAnswer::Yes) hl_ReprendreClick();
  return answer == TAnswer::No;
}

void Tf_Main::hl_ReprendreClick() {
  std::optional<TReprise::Kept> kept = GameToResume();
  // The file may have gone, or another window taken the game up, since the
  // menu showed: the menu stays.
  if (!kept || !Reprise->TakeUp(kept->Slot)) {
    ShowNoScreen();
    return;
  }
  StartGame(TStart(TStartKind::Resume, {}, std::move(kept->Text)));
}

void Tf_Main::hl_nouveauClick() {
  if (MayReplaceWaitingGame(false)) StartGame(TStart(TStartKind::NewGame));
}

void Tf_Main::hl_ChargerClick() { LoadSavedGame(QString()); }

void Tf_Main::LoadSavedGame(const QString& Path) {
  if (MayReplaceWaitingGame(false)) StartGame(TStart(TStartKind::Load, Path));
}

void Tf_Main::hl_puzzleClick() {
  if (MayReplaceWaitingGame(true)) StartGame(TStart(TStartKind::TypeIn));
}

void Tf_Main::hl_regleClick() { ShowScreen<Tf_Regles>(true); }

void Tf_Main::hl_AstucesClick() { ShowScreen<Tf_Astuces>(true); }

void Tf_Main::hl_OptionClick() {
  auto* options = ShowScreen<Tf_Options>(true);
  options->Setup(Options.get());
}

void Tf_Main::hl_QuitterClick() { close(); }
