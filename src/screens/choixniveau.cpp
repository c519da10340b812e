// SPDX-License-Identifier: GPL-3.0-or-later
#include "choixniveau.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>

#include "decor.h"
#include "fondcopie.h"
#include "grille.h"
#include "grilledujour.h"
#include "hotlabel.h"
#include "image.h"
#include "jeux_shared.h"
#include "look.h"
#include "scores.h"
#include "shell.h"

namespace {

constexpr int ClientWidth = 321;
// The five levels, then "Grille du jour" with its line of date below.
constexpr int ClientHeight = 252 + 64 + 38;
constexpr int PanelMargin = 10;
constexpr int CommandPixelSize = 22;
constexpr int IconHeight = 20;
// The levels' rows, in the panel: the first row's middle and the step.
constexpr int FirstRowMiddle = 82;
constexpr int RowStep = 38;
// The left pictures end this far left of the panel's middle, the right ones
// start this far right of it, so that the longest caption fits between them.
constexpr int IconGap = 58;
// "Grille du jour" stands this much further below "Diabolique" than a level below
// the one before.
constexpr int DailyGap = 8;

// A small picture drawn at IconHeight with its own proportions (FallbackWidth
// wide when it has none, so that it stays a target for the mouse).
TImage* MakeIcon(const QString& Path, int FallbackWidth, QWidget* Parent) {
  auto* icon = new TImage(Parent);
  // Not there yet is not an error: the control stays a transparent target.
  if (QFile::exists(Path)) icon->SetPicture(Path);
  icon->SetStretch(true);
  icon->setCursor(Qt::PointingHandCursor);
  const QSize own = icon->PictureSize();
  const int width = own.height() > 0 ? (own.width() * IconHeight + own.height() / 2) / own.height() : FallbackWidth;
  icon->resize(width, IconHeight);
  return icon;
}

// Room for the caption in bold, so that the hover style does not cut it.
void FitCommand(THotLabel& Label) {
  QFont bold = Label.font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  Label.resize(metrics.horizontalAdvance(Label.text()) + 6, metrics.height() + 2);
}

}  // namespace

Tf_ChoixNiveau::Tf_ChoixNiveau(QWidget* Parent) : QDialog(DialogOwner(Parent), Look::DialogFlags) {
  KeepCentred(*this);
  setObjectName(QStringLiteral("f_ChoixNiveau"));
  setWindowTitle(tr("Choix du niveau"));
  setFixedSize(ClientWidth, ClientHeight);

  Image1 = AddBackground(*this, false);
  Image1->setGeometry(rect());

  FondCopie1 = AddPanel(*this);
  FondCopie1->setGeometry(rect().adjusted(PanelMargin, PanelMargin, -PanelMargin, -PanelMargin));
  const int panelWidth = FondCopie1->width();
  const int middle = panelWidth / 2;

  Label1 = new QLabel(tr("Veuillez choisir le niveau de difficulté de la grille à générer"), FondCopie1);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(Look::PixelFont(Look::TextFamily, 14, true));
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setGeometry(8, 8, panelWidth - 16, 44);

  struct Row {
    THotLabel*& Label;
    const char* LabelName;
    TImage*& Left;
    const char* LeftName;
    TImage*& Right;
    const char* RightName;
  };
  const Row rows[] = {
      {hl_facile, "hl_facile", Image5, "Image5", Image2, "Image2"},
      {hl_Moyen, "hl_Moyen", Image4, "Image4", Image3, "Image3"},
      {hl_Difficile, "hl_Difficile", Image7, "Image7", Image6, "Image6"},
      {hl_Expert, "hl_Expert", Image8, "Image8", Image9, "Image9"},
      {hl_Diabolique, "hl_Diabolique", Image10, "Image10", Image11, "Image11"},
  };
  for (int level = LevelFacile; level <= HighestLevel; ++level) {
    const Row& row = rows[level - 1];
    const int rowMiddle = FirstRowMiddle + (level - 1) * RowStep;

    row.Label = new THotLabel(Jeux::ShownLevelName(level), FondCopie1);
    row.Label->setObjectName(QString::fromLatin1(row.LabelName));
    Look::DressCommand(*row.Label, CommandPixelSize);
    row.Label->setAlignment(Qt::AlignCenter);
    FitCommand(*row.Label);
    row.Label->move(middle - row.Label->width() / 2, rowMiddle - row.Label->height() / 2);

    row.Left = MakeIcon(QStringLiteral(":/pictures/level_stars_%1.svg").arg(level), 4 * IconHeight, FondCopie1);
    row.Left->setObjectName(QString::fromLatin1(row.LeftName));
    row.Left->move(middle - IconGap - row.Left->width(), rowMiddle - IconHeight / 2);

    row.Right = MakeIcon(QStringLiteral(":/pictures/level_blocks_%1.svg").arg(level), 4 * IconHeight, FondCopie1);
    row.Right->setObjectName(QString::fromLatin1(row.RightName));
    row.Right->move(middle + IconGap, rowMiddle - IconHeight / 2);

    // The pictures choose the level too: a screen reader names them by it.
    row.Left->setAccessibleName(row.Label->text());
    row.Right->setAccessibleName(row.Label->text());
    connect(row.Label, &THotLabel::clicked, this, [this, level] { Choice(level); });
    connect(row.Left, &TImage::clicked, this, [this, level] { Choice(level); });
    connect(row.Right, &TImage::clicked, this, [this, level] { Choice(level); });
  }
  AddDailyChoice();
}

void Tf_ChoixNiveau::AddDailyChoice() {
  const QDate today = QDate::currentDate();
  const int middle = FondCopie1->width() / 2;
  const int rowMiddle = FirstRowMiddle + HighestLevel * RowStep + DailyGap;
  hl_GrilleDuJour = new THotLabel(tr("Grille du jour"), FondCopie1);
  hl_GrilleDuJour->setObjectName(QStringLiteral("hl_GrilleDuJour"));
  Look::DressCommand(*hl_GrilleDuJour, CommandPixelSize);
  hl_GrilleDuJour->setAlignment(Qt::AlignCenter);
  FitCommand(*hl_GrilleDuJour);
  hl_GrilleDuJour->move(middle - hl_GrilleDuJour->width() / 2, rowMiddle - hl_GrilleDuJour->height() / 2);
  hl_GrilleDuJour->setToolTip(tr("La même grille pour tous les joueurs aujourd'hui"));

  im_GrilleDuJour = MakeIcon(QStringLiteral(":/pictures/icon_daily.svg"), IconHeight, FondCopie1);
  im_GrilleDuJour->setObjectName(QStringLiteral("im_GrilleDuJour"));
  im_GrilleDuJour->setAccessibleName(hl_GrilleDuJour->text());
  im_GrilleDuJour->move(hl_GrilleDuJour->x() - 6 - im_GrilleDuJour->width(), rowMiddle - IconHeight / 2);

  // "lundi 7 décembre · Facile".
  l_GrilleDuJour = new QLabel(QLocale().toString(today, QStringLiteral("dddd d MMMM")) + QStringLiteral(" · ") +
                                  Jeux::ShownLevelName(DailyGridLevel(today)),
                              FondCopie1);
  l_GrilleDuJour->setObjectName(QStringLiteral("l_GrilleDuJour"));
  l_GrilleDuJour->setFont(Look::PixelFont(Look::TextFamily, 13, true));
  l_GrilleDuJour->setAlignment(Qt::AlignCenter);
  l_GrilleDuJour->setGeometry(0, hl_GrilleDuJour->geometry().bottom() - 2, FondCopie1->width(), 18);

  connect(hl_GrilleDuJour, &THotLabel::clicked, this, [this] { Choice(DailyChoice); });
  DefaultChoice(*hl_facile);
  connect(im_GrilleDuJour, &TImage::clicked, this, [this] { Choice(DailyChoice); });
}

void Tf_ChoixNiveau::Choice(int Level) {
  ChosenLevel = Level;
  accept();
}

void Tf_ChoixNiveau::ShowDailyDone(int Seconds) {
  // A second line under the date: the dialog grows by it.
  const QString done =
      Seconds >= 0 ? tr("terminée en %1").arg(FormatTime(std::uint32_t(Seconds))) : tr("terminée", "daily grid");
  const int line = l_GrilleDuJour->height();
  setFixedSize(ClientWidth, ClientHeight + line);
  Image1->setGeometry(rect());
  FondCopie1->setGeometry(rect().adjusted(PanelMargin, PanelMargin, -PanelMargin, -PanelMargin));
  l_GrilleDuJour->setText(l_GrilleDuJour->text() + QLatin1Char('\n') + done);
  l_GrilleDuJour->resize(l_GrilleDuJour->width(), 2 * line);
  hl_GrilleDuJour->setToolTip(
      tr("Vous avez déjà terminé la grille du jour\u00A0: vous pouvez la rejouer, elle ne compte qu'une fois"));
}

int Tf_ChoixNiveau::Choose(QWidget* Parent, std::optional<int> DailyDoneSeconds) {
  int level = 0;
  {
    Tf_ChoixNiveau dialog(Parent);
    if (DailyDoneSeconds) dialog.ShowDailyDone(*DailyDoneSeconds);
    if (dialog.exec() == QDialog::Accepted) level = dialog.ChosenLevel;
  }
  // Let the windows under the dialog repaint before the caller goes on.
  QCoreApplication::processEvents();
  return level;
}
