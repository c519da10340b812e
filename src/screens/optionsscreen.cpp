// SPDX-License-Identifier: GPL-3.0-or-later
#include "optionsscreen.h"

#include <algorithm>

#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "carrecoche.h"
#include "charge.h"
#include "color.h"
#include "decor.h"
#include "dessin.h"
#include "fileresult.h"
#include "fond.h"
#include "fondcopie.h"
#include "hotlabel.h"
#include "image.h"
#include "look.h"
#include "options.h"
#include "rondcoche.h"
#include "shell.h"

const QString Tf_Options::ClassicBackground = QStringLiteral("fond.jpg");
const QString Tf_Options::CloudsBackground = QStringLiteral("LightClouds.jpeg");

namespace {

// The items of cb_FondEcran.
enum { ClassicItem = 0, CloudsItem = 1 };

constexpr int CaptionSize = 15;        // check and radio captions, labels
constexpr int ToggleCaptionSize = 16;  // the three page buttons
constexpr int NoteSize = 13;           // the explanations under a check box
constexpr int Indent = 25;             // explanations and colours stand under a caption
constexpr int GroupGap = 8;            // above a check box that stands apart

QFont CaptionFont() { return Look::PixelFont(Look::GridFamily, CaptionSize); }

template <class Check>
Check* MakeCheck(QWidget* Page, const char* Name, const QString& Caption) {
  auto* check = new Check(Page);
  check->setObjectName(QString::fromLatin1(Name));
  check->setFont(CaptionFont());
  check->SetCaption(Caption);
  check->Setautosize(true);
  check->setFixedSize(check->width(), 22);
  return check;
}

// A caption without the colon that ends it, for a screen reader.
QString WithoutColon(QString Caption) {
  while (!Caption.isEmpty() && (Caption.back() == u':' || Caption.back().isSpace())) Caption.chop(1);
  return Caption;
}

// A setting's caption from the table of settings.
QString LabelOf(const TOptions::TMember& Setting) { return TOptions::Shown(TOptions::SettingOf(Setting)->Label); }

QLabel* MakeLabel(const char* Name, const QString& Text, int PixelSize = CaptionSize, bool Bold = false) {
  auto* label = new QLabel(Text);
  label->setObjectName(QString::fromLatin1(Name));
  label->setFont(Look::PixelFont(Look::GridFamily, PixelSize, Bold));
  return label;
}

THotLabel* MakeCommand(QWidget* Parent, const char* Name, const QString& Caption, int PixelSize) {
  auto* label = new THotLabel(Caption, Parent);
  label->setObjectName(QString::fromLatin1(Name));
  Look::DressCommand(*label, PixelSize);
  // Room for the bold face the label takes under the pointer.
  QFont bold = label->font();
  bold.setBold(true);
  label->resize(QFontMetrics(bold).horizontalAdvance(Caption) + 4, QFontMetrics(bold).height() + 2);
  label->setMinimumSize(label->size());
  return label;
}

// A colour swatch with its caption and its "..." button, on one line.
QHBoxLayout* ColorLine(QLabel* Caption, QLineEdit*& Swatch, const char* SwatchName, QPushButton*& Button,
                       const char* ButtonName) {
  Swatch = new QLineEdit;
  Swatch->setObjectName(QString::fromLatin1(SwatchName));
  Swatch->setReadOnly(true);
  Swatch->setMaxLength(1);
  Swatch->setFocusPolicy(Qt::NoFocus);
  Swatch->setFixedSize(24, 22);
  Button = new QPushButton(QStringLiteral("..."));
  Button->setObjectName(QString::fromLatin1(ButtonName));
  // "..." says nothing to a screen reader: the button is named by its line.
  Button->setAccessibleName(Caption->text());
  Swatch->setAccessibleName(Caption->text());
  Button->setFixedSize(30, 22);
  auto* line = new QHBoxLayout;
  line->setContentsMargins(Indent, 0, 0, 0);
  line->addWidget(Caption);
  line->addSpacing(8);
  line->addWidget(Swatch);
  line->addWidget(Button);
  line->addStretch();
  return line;
}

}  // namespace

Tf_Options::Tf_Options(QWidget* Parent) : QWidget(Parent) {
  setObjectName(QStringLiteral("f_Options"));

  im_Fond = AddBackground(*this, true, QStringLiteral("im_Fond"));

  FondCopie1 = AddPanel(*this);
  FondCopie1->resize(PanelWidth, PanelHeight);

  // The three toggle buttons.
  Toggles_ = new QButtonGroup(this);
  Toggles_->setExclusive(true);
  auto* toggles = new QHBoxLayout;
  toggles->setSpacing(6);
  const QString captions[] = {tr("Options de jeux"), tr("Options du mode problème"), tr("Option Logiciel")};
  const char* names[] = {"sb_Facile", "sb_Moyen", "SpeedButton1"};
  QToolButton* buttons[3];
  for (int k = 0; k < 3; ++k) {
    buttons[k] = new QToolButton;
    buttons[k]->setObjectName(QString::fromLatin1(names[k]));
    buttons[k]->setText(captions[k]);
    Look::DressToggle(*buttons[k], ToggleCaptionSize);
    buttons[k]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    buttons[k]->setMinimumHeight(30);
    Toggles_->addButton(buttons[k], k);
    toggles->addWidget(buttons[k]);
  }
  sb_Facile = buttons[0];
  sb_Moyen = buttons[1];
  SpeedButton1 = buttons[2];
  sb_Facile->setChecked(true);

  p_OptionJeu = MakeGamePage();
  p_OptionProbleme = MakeProblemPage();
  p_OptionsLogiciel = MakeProgramPage();
  Pages_ = new QStackedLayout;
  Pages_->addWidget(p_OptionJeu);
  Pages_->addWidget(p_OptionProbleme);
  Pages_->addWidget(p_OptionsLogiciel);

  hl_MeilleursScores = MakeCommand(nullptr, "hl_MeilleursScores", tr("Voir les meilleurs scores"), 18);
  hl_Sauvegarde = MakeCommand(nullptr, "hl_Sauvegarde", tr("Gestion des fichiers de sauvegarde"), 18);

  auto* panel = new QVBoxLayout(FondCopie1);
  panel->setContentsMargins(14, 14, 14, 10);
  panel->setSpacing(0);
  panel->addLayout(toggles);
  panel->addSpacing(14);
  panel->addLayout(Pages_, 1);
  panel->addWidget(hl_MeilleursScores, 0, Qt::AlignLeft);
  panel->addWidget(hl_Sauvegarde, 0, Qt::AlignLeft);

  hl_Retour = MakeCommand(this, "hl_Retour", tr("Valider les options"), 22);

  connect(Toggles_, &QButtonGroup::idClicked, this, &Tf_Options::ShowPage);
  connect(b_CoulEmplacement, &QPushButton::clicked, this, [this] { ChooseColor(*e_CoulEmplacement); });
  connect(b_CoulErreur, &QPushButton::clicked, this, [this] { ChooseColor(*e_CoulErreur); });
  connect(cb_FondEcran, &QComboBox::currentIndexChanged, this, &Tf_Options::cb_FondEcranChange);
  connect(hl_Retour, &THotLabel::clicked, this, &Tf_Options::hl_RetourClick);
  connect(hl_MeilleursScores, &THotLabel::clicked, this, &Tf_Options::hl_MeilleursScoresClick);
  connect(hl_Sauvegarde, &THotLabel::clicked, this, &Tf_Options::hl_SauvegardeClick);
  // Échap leaves without validating, as "Voir les meilleurs scores" does.
  LeaveOnEscape(*this, [this] {
    if (Shell() != nullptr) Shell()->ShowMenu();
    close();
  });

  ShowPage(0);
}

void Tf_Options::AddChecks(QWidget* Page, TOptions::TPage Which, QVBoxLayout* Column,
                           const std::function<void(bool TOptions::*)>& After) {
  for (const TOptions::TSetting& setting : TOptions::Settings()) {
    if (setting.Page != Which) continue;
    if (setting.Choice() != nullptr) {
      // A choice without a control's name is laid out by its page.
      if (*setting.Control != 0) AddChoice(setting, Column);
      continue;
    }
    bool TOptions::*flag = setting.Flag();
    if (flag == nullptr) continue;
    auto* check = MakeCheck<TCarreCoche>(Page, setting.Control, TOptions::Shown(setting.Label));
    check->setToolTip(TOptions::Shown(setting.Tooltip));
    Checks_.emplace_back(flag, check);
    if (setting.Apart) Column->addSpacing(GroupGap);
    Column->addWidget(check);
    if (*setting.Note != 0) {
      QLabel* note = MakeLabel("", TOptions::Shown(setting.Note), NoteSize);
      note->setWordWrap(true);
      note->setContentsMargins(Indent, 0, 0, 0);
      Column->addWidget(note);
    }
    if (After) After(flag);
  }
}

void Tf_Options::AddChoice(const TOptions::TSetting& Setting, QVBoxLayout* Column) {
  const QString caption = TOptions::Shown(Setting.Label);
  auto* box = new QComboBox;
  box->setObjectName(QString::fromLatin1(Setting.Control));
  box->addItems(Setting.ChoiceCaptions());
  box->setMinimumWidth(160);
  box->setToolTip(TOptions::Shown(Setting.Tooltip));
  box->setAccessibleName(WithoutColon(caption));
  Choices_.emplace_back(Setting.Choice(), box);
  auto* line = new QHBoxLayout;
  line->addWidget(MakeLabel("", caption, CaptionSize, true));
  line->addSpacing(12);
  line->addWidget(box);
  // A choice that waits for the next start says so beside it.
  if (*Setting.Note != 0) {
    line->addSpacing(12);
    line->addWidget(MakeLabel("", TOptions::Shown(Setting.Note), NoteSize));
  }
  line->addStretch();
  Column->addSpacing(GroupGap);
  Column->addLayout(line);
}

QComboBox* Tf_Options::Choice(std::uint32_t TOptions::*Setting) const {
  for (const auto& [member, box] : Choices_)
    if (member == Setting) return box;
  return nullptr;
}

QWidget* Tf_Options::MakeGamePage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("p_OptionJeu"));
  Label6 = MakeLabel("Label6", LabelOf(&TOptions::CouleurEmplacement));
  Label7 = MakeLabel("Label7", LabelOf(&TOptions::CouleurErreur));
  Label2 = MakeLabel("Label2", LabelOf(&TOptions::UseLetters), CaptionSize, true);

  auto* column = new QVBoxLayout;
  column->setContentsMargins(6, 0, 6, 0);
  column->setSpacing(4);
  AddChecks(page, TOptions::TPage::Jeu, column, [&](bool TOptions::*Setting) {
    // Each signal's colour under its check box, then the type of bricks.
    if (Setting == &TOptions::MauvaisEmplacementJeu)
      column->addLayout(
          ColorLine(Label6, e_CoulEmplacement, "e_CoulEmplacement", b_CoulEmplacement, "b_CoulEmplacement"));
    if (Setting != &TOptions::ErreurJeu) return;
    column->addLayout(ColorLine(Label7, e_CoulErreur, "e_CoulErreur", b_CoulErreur, "b_CoulErreur"));
    column->addSpacing(GroupGap);
    rc_Chiffre = MakeCheck<TRondCoche>(page, "rc_Chiffre", tr("Chiffres"));
    rc_Lettre = MakeCheck<TRondCoche>(page, "rc_Lettre", tr("Lettres"));
    auto* bricks = new QHBoxLayout;
    bricks->addWidget(Label2);
    bricks->addSpacing(16);
    bricks->addWidget(rc_Chiffre);
    bricks->addSpacing(16);
    bricks->addWidget(rc_Lettre);
    bricks->addStretch();
    column->addLayout(bricks);
    // How digits are entered, a group of its own.
    l_Saisie = MakeLabel("l_Saisie", LabelOf(&TOptions::Saisie), CaptionSize, true);
    const QStringList ways = TOptions::SettingOf(&TOptions::Saisie)->ChoiceCaptions();
    rc_CaseChiffre = MakeCheck<TRondCoche>(page, "rc_CaseChiffre", ways.value(TOptions::SaisieCaseChiffre));
    rc_ChiffreCase = MakeCheck<TRondCoche>(page, "rc_ChiffreCase", ways.value(TOptions::SaisieChiffreCase));
    constexpr qint32 SaisieGroup = 1;
    rc_CaseChiffre->Setgroupe(SaisieGroup);
    rc_ChiffreCase->Setgroupe(SaisieGroup);
    auto* entry = new QHBoxLayout;
    entry->addWidget(l_Saisie);
    entry->addSpacing(16);
    entry->addWidget(rc_CaseChiffre);
    entry->addSpacing(16);
    entry->addWidget(rc_ChiffreCase);
    entry->addStretch();
    column->addLayout(entry);
  });
  column->addStretch();
  page->setLayout(column);
  return page;
}

QWidget* Tf_Options::MakeProblemPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("p_OptionProbleme"));
  auto* column = new QVBoxLayout;
  column->setContentsMargins(6, 0, 6, 0);
  column->setSpacing(10);
  AddChecks(page, TOptions::TPage::Probleme, column);
  column->addStretch();
  page->setLayout(column);
  return page;
}

QWidget* Tf_Options::MakeProgramPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("p_OptionsLogiciel"));
  Label8 = MakeLabel("Label8", LabelOf(&TOptions::Windowed), CaptionSize, true);
  rc_PleinEcran = MakeCheck<TRondCoche>(page, "rc_PleinEcran", tr("Plein écran"));
  rc_Fenetre = MakeCheck<TRondCoche>(page, "rc_Fenetre", tr("Fenêtre windows"));
  Label1 = MakeLabel("Label1", LabelOf(&TOptions::FondEcran), CaptionSize, true);
  cb_FondEcran = new QComboBox;
  cb_FondEcran->setObjectName(QStringLiteral("cb_FondEcran"));
  cb_FondEcran->addItems({tr("Classique"), tr("Nuage")});
  cb_FondEcran->setMinimumWidth(160);
  cb_FondEcran->setAccessibleName(WithoutColon(Label1->text()));

  auto* column = new QVBoxLayout;
  column->setContentsMargins(6, 0, 6, 0);
  column->setSpacing(4);
  column->addWidget(Label8);
  auto* modes = new QHBoxLayout;
  modes->setContentsMargins(Indent, 0, 0, 0);
  modes->addWidget(rc_PleinEcran);
  modes->addSpacing(24);
  modes->addWidget(rc_Fenetre);
  modes->addStretch();
  column->addLayout(modes);
  column->addSpacing(24);
  auto* background = new QHBoxLayout;
  background->addWidget(Label1);
  background->addSpacing(12);
  background->addWidget(cb_FondEcran);
  background->addStretch();
  column->addLayout(background);
  column->addSpacing(24);
  AddChecks(page, TOptions::TPage::Logiciel, column);
  column->addStretch();
  page->setLayout(column);
  return page;
}

TCarreCoche* Tf_Options::Check(bool TOptions::*Setting) const {
  for (const auto& [flag, check] : Checks_)
    if (flag == Setting) return check;
  return nullptr;
}

void Tf_Options::ShowPage(int Page) {
  Page = std::clamp(Page, 0, 2);
  Toggles_->button(Page)->setChecked(true);
  // The stack shows its current page and hides the two others.
  Pages_->setCurrentIndex(Page);
}

QColor Tf_Options::SwatchColor(const QLineEdit& Swatch) {
  return Swatch.palette().color(QPalette::Active, QPalette::Base);
}

void Tf_Options::SetSwatchColor(QLineEdit& Swatch, const QColor& Color) {
  QPalette palette = Swatch.palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    palette.setColor(group, QPalette::Base, Color);
  Swatch.setPalette(palette);
}

void Tf_Options::Setup(TOptions* Options) {
  Options_ = Options;
  if (Options_ == nullptr) return;
  for (const auto& [flag, check] : Checks_) check->SetChecked(Options_->*flag);
  for (const auto& [member, box] : Choices_) box->setCurrentIndex(int(Options_->*member));
  SetSwatchColor(*e_CoulEmplacement, ColorFromBgr(Options_->CouleurEmplacement));
  SetSwatchColor(*e_CoulErreur, ColorFromBgr(Options_->CouleurErreur));
  (Options_->UseLetters ? rc_Lettre : rc_Chiffre)->SetChecked(true);
  (Options_->Saisie == TOptions::SaisieChiffreCase ? rc_ChiffreCase : rc_CaseChiffre)->SetChecked(true);
  (Options_->Windowed ? rc_Fenetre : rc_PleinEcran)->SetChecked(true);
  // Showing the setting is no choice of the player's: a picture named by hand
  // shows as "Classique" and stays the setting.
  const QSignalBlocker blocker(cb_FondEcran);
  cb_FondEcran->setCurrentIndex(Options_->FondEcran == CloudsBackground ? CloudsItem : ClassicItem);
}

void Tf_Options::ChooseColor(QLineEdit& Swatch) {
  QColorDialog cd_Couleur(SwatchColor(Swatch), this);
  cd_Couleur.setOption(QColorDialog::DontUseNativeDialog);
  if (cd_Couleur.exec() == QDialog::Accepted) SetSwatchColor(Swatch, cd_Couleur.selectedColor());
}

void Tf_Options::cb_FondEcranChange() {
  if (Options_ == nullptr) return;
  const QString name = cb_FondEcran->currentIndex() == CloudsItem ? CloudsBackground : ClassicBackground;
  if (name == Options_->FondEcran) return;
  Options_->FondEcran = name;
  LoadBackground(*im_Fond);
  if (Shell() != nullptr) Shell()->BackgroundChanged();
}

void Tf_Options::hl_RetourClick() {
  if (Options_ == nullptr) return;
  for (const auto& [flag, check] : Checks_) Options_->*flag = check->Checked();
  for (const auto& [member, box] : Choices_) Options_->*member = std::uint32_t(std::max(0, box->currentIndex()));
  Options_->CouleurEmplacement = BgrFromColor(SwatchColor(*e_CoulEmplacement));
  Options_->CouleurErreur = BgrFromColor(SwatchColor(*e_CoulErreur));
  Options_->UseLetters = !rc_Chiffre->Checked();
  Options_->Saisie = rc_ChiffreCase->Checked() ? TOptions::SaisieChiffreCase : TOptions::SaisieCaseChiffre;
  const bool windowed = !rc_PleinEcran->Checked();
  if (windowed != Options_->Windowed) {
    Options_->Windowed = windowed;
    if (Shell() != nullptr) Shell()->ApplyScreenMode(!windowed);
    QCoreApplication::processEvents();
  }
  // On failure the player has been told; the screen stays as it is.
  if (!ReportFileResult(Options_->Save())) return;
  if (Shell() != nullptr) Shell()->ApplyLook();
  if (Shell() != nullptr) Shell()->ShowMenu();
  close();
}

void Tf_Options::hl_MeilleursScoresClick() {
  // Nothing is validated; only a background chosen here stays, in memory.
  if (Shell() != nullptr) Shell()->ShowMenu();
  close();
  if (Shell() != nullptr) Shell()->ShowScores(1);
}

void Tf_Options::hl_SauvegardeClick() {
  Tf_Charge manager;
  manager.SetManageMode();
  manager.exec();
}

void Tf_Options::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  im_Fond->setGeometry(rect());
  const QPoint corner(std::max(0, (width() - PanelWidth) / 2), std::max(0, (height() - PanelHeight) / 2));
  FondCopie1->move(corner);
  hl_Retour->move(corner + QPoint(RetourLeft, RetourTop));
}
