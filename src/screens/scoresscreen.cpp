// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoresscreen.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QLabel>
#include <QShortcut>
#include <QToolButton>

#include "decor.h"
#include "fondcopie.h"
#include "grille.h"
#include "hotlabel.h"
#include "image.h"
#include "look.h"
#include "scores.h"
#include "shell.h"

namespace {

// The panel keeps its size and stays centred; "Statistiques" and "Retour au
// menu" stand below it.
constexpr int PanelWidth = 650;
constexpr int PanelHeight = 476;
// "Retour au menu" ends at the panel's right edge, this far below its top.
constexpr int ReturnTop = 486;
constexpr QPoint StatisticsOffset(0, 486);
constexpr int ReturnPixelSize = 22;

// The level buttons along the panel's top.
constexpr int ButtonTop = 16;
constexpr int ButtonWidth = 124;
constexpr int ButtonHeight = 32;
constexpr int ButtonGap = 3;
// The captions' largest size, made smaller until the longest fits its button
// beside the style's padding and border.
constexpr int ButtonPixelSize = 16;
constexpr int ButtonTextRoom = ButtonWidth - 22;

// The ten rows: rank, name, and the score ending at the right.
constexpr int FirstRowTop = 66;
constexpr int RowStep = 39;
constexpr int RowHeight = 32;
constexpr int RankLeft = 36;
constexpr int RankWidth = 44;
constexpr int NameLeft = 96;
constexpr int NameWidth = 300;
constexpr int TimeRight = PanelWidth - 40;
constexpr int TimeWidth = 120;
constexpr int RowPixelSize = 21;

}  // namespace

Tf_Scores::Tf_Scores(QWidget* Parent) : QWidget(Parent) {
  setObjectName(QStringLiteral("f_Scores"));

  im_Fond = AddBackground(*this, true, QStringLiteral("im_Fond"));

  FondCopie1 = AddPanel(*this);
  FondCopie1->resize(PanelWidth, PanelHeight);

  Niveaux = new QButtonGroup(this);
  Niveaux->setExclusive(true);
  struct LevelButton {
    QToolButton*& Button;
    const char* Name;
    const char* Caption;
  };
  const LevelButton buttons[] = {
      {sb_Facile, "sb_Facile", QT_TRANSLATE_NOOP("Tf_Scores", "Niveau facile")},
      {sb_Moyen, "sb_Moyen", QT_TRANSLATE_NOOP("Tf_Scores", "Niveau moyen")},
      {sb_Difficile, "sb_Difficile", QT_TRANSLATE_NOOP("Tf_Scores", "Niveau difficile")},
      {sb_Expert, "sb_Expert", QT_TRANSLATE_NOOP("Tf_Scores", "Niveau expert")},
      {sb_Diabolique, "sb_Diabolique", QT_TRANSLATE_NOOP("Tf_Scores", "Niveau diabolique")},
  };
  const int buttonsLeft = (PanelWidth - HighestLevel * ButtonWidth - (HighestLevel - 1) * ButtonGap) / 2;
  int pixelSize = ButtonPixelSize;
  const auto fits = [this, &buttons](int Size) {
    const QFontMetrics metrics(Look::PixelFont(Look::TitleFamily, Size));
    for (const LevelButton& b : buttons)
      if (metrics.horizontalAdvance(tr(b.Caption)) > ButtonTextRoom) return false;
    return true;
  };
  while (pixelSize > 10 && !fits(pixelSize)) --pixelSize;
  for (int level = LevelFacile; level <= HighestLevel; ++level) {
    const LevelButton& b = buttons[level - 1];
    b.Button = new QToolButton(FondCopie1);
    b.Button->setObjectName(QString::fromLatin1(b.Name));
    b.Button->setText(tr(b.Caption));
    b.Button->setAutoRaise(false);
    b.Button->setFocusPolicy(Qt::NoFocus);
    Look::DressToggle(*b.Button, pixelSize);
    b.Button->setGeometry(buttonsLeft + (level - 1) * (ButtonWidth + ButtonGap), ButtonTop, ButtonWidth, ButtonHeight);
    Niveaux->addButton(b.Button, level);
  }
  sb_Facile->setChecked(true);
  connect(Niveaux, &QButtonGroup::idClicked, this, &Tf_Scores::ShowLevel);

  const QFont rowFont = Look::PixelFont(Look::TextFamily, RowPixelSize, true);
  for (int rank = 1; rank <= 10; ++rank) {
    const int top = FirstRowTop + (rank - 1) * RowStep;
    auto* rankLabel = new QLabel(QStringLiteral("%1.").arg(rank), FondCopie1);
    rankLabel->setFont(rowFont);
    rankLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rankLabel->setGeometry(RankLeft, top, RankWidth, RowHeight);

    QLabel*& name = l_Nom[rank - 1];
    name = new QLabel(FondCopie1);
    name->setObjectName(QStringLiteral("l_Nom%1").arg(rank));
    name->setFont(rowFont);
    name->setTextFormat(Qt::PlainText);  // a name is shown as typed, never as markup
    name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    name->setGeometry(NameLeft, top, NameWidth, RowHeight);

    QLabel*& time = l_Temps[rank - 1];
    time = new QLabel(FondCopie1);
    time->setObjectName(QStringLiteral("l_Temps%1").arg(rank));
    time->setFont(rowFont);
    time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    time->setGeometry(TimeRight - TimeWidth, top, TimeWidth, RowHeight);
  }

  hl_RetourMenu = new THotLabel(tr("Retour au menu"), this);
  hl_RetourMenu->setObjectName(QStringLiteral("hl_RetourMenu"));
  Look::DressCommand(*hl_RetourMenu, ReturnPixelSize);
  // Room for the bold of the hover.
  QFont bold = hl_RetourMenu->font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  hl_RetourMenu->resize(metrics.horizontalAdvance(hl_RetourMenu->text()) + 6, metrics.height() + 2);
  connect(hl_RetourMenu, &THotLabel::clicked, this, &Tf_Scores::hl_RetourMenuClick);
  LeaveOnEscape(*this, [this] { hl_RetourMenuClick(); });

  hl_Statistiques = new THotLabel(tr("Statistiques"), this);
  hl_Statistiques->setObjectName(QStringLiteral("hl_Statistiques"));
  Look::DressCommand(*hl_Statistiques, ReturnPixelSize);
  hl_Statistiques->resize(metrics.horizontalAdvance(hl_Statistiques->text()) + 6, metrics.height() + 2);
  hl_Statistiques->setToolTip(tr("Statistiques (Ctrl+S)"));
  const auto showStatistics = [] {
    if (Shell() != nullptr) Shell()->ShowStatistics();
  };
  connect(hl_Statistiques, &THotLabel::clicked, this, showStatistics);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, this, showStatistics);
}

void Tf_Scores::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  im_Fond->setGeometry(rect());
  FondCopie1->move((width() - PanelWidth) / 2, (height() - PanelHeight) / 2);
  hl_RetourMenu->move(FondCopie1->pos() + QPoint(PanelWidth - hl_RetourMenu->width(), ReturnTop));
  hl_Statistiques->move(FondCopie1->pos() + StatisticsOffset);
}

void Tf_Scores::Setup(TScores* Scores, int Level) {
  Scores_ = Scores;
  if (QAbstractButton* button = Niveaux->button(Level)) button->setChecked(true);
  ShowLevel(Level);
}

void Tf_Scores::ShowLevel(int Level) {
  if (Scores_ == nullptr) return;
  for (int rank = 1; rank <= 10; ++rank) {
    QString name;
    std::int32_t score = EmptyScore;
    Scores_->GetEntry(Level, rank, name, score);
    l_Nom[rank - 1]->setText(name);
    l_Temps[rank - 1]->setText(FormatTime(std::uint32_t(score)));
  }
}

// The main window frees the screen once it has been replaced.
void Tf_Scores::hl_RetourMenuClick() {
  if (Shell() != nullptr) Shell()->ShowMenu();
  close();
}
