// SPDX-License-Identifier: GPL-3.0-or-later
#include "finjeu.h"

#include <QFile>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <algorithm>
#include <utility>

#include "decor.h"
#include "fileresult.h"
#include "fondcopie.h"
#include "hotlabel.h"
#include "image.h"
#include "look.h"
#include "recorder.h"
#include "score.h"
#include "scores.h"
#include "shell.h"

namespace {

constexpr int ClientWidth = 321;
constexpr int ClientHeight = 359;
// An untimed game shows no score block and no way to the high scores.
constexpr int UntimedHeight = 225;
constexpr int PanelMargin = 10;
constexpr int TextPixelSize = 17;
constexpr int ScorePixelSize = 15;
constexpr int CommandPixelSize = 19;
constexpr int IconSize = 20;
// The choices, in the panel: the left of their pictures and captions, the
// middle of the lowest one above the panel's bottom, and the step between them.
constexpr int IconLeft = 22;
constexpr int CommandLeft = IconLeft + IconSize + 8;
constexpr int LastRowFromBottom = 24;
constexpr int RowStep = 31;
// The score block: captions on the left, values right-aligned in a column
// as wide as the longest value, a gap between the two. When the longest
// caption and value need more room the dialog grows wider.
constexpr int ScoreTop = 64;
constexpr int ScoreRowHeight = 25;
constexpr int ScoreSide = 12;
constexpr int ScoreGap = 14;

const QString DefaultName = QStringLiteral("Orvalis");

// A small picture IconSize high with its own proportions (square when it has
// none, so that it stays a target for the mouse).
TImage* MakeIcon(const QString& Path, QWidget* Parent) {
  auto* icon = new TImage(Parent);
  // Not there yet is not an error: the control stays a transparent target.
  if (QFile::exists(Path)) icon->SetPicture(Path);
  icon->SetStretch(true);
  icon->setCursor(Qt::PointingHandCursor);
  const QSize own = icon->PictureSize();
  const int width = own.height() > 0 ? (own.width() * IconSize + own.height() / 2) / own.height() : IconSize;
  icon->resize(width, IconSize);
  return icon;
}

// Room for the caption in bold, so that the hover style does not cut it.
void FitCommand(THotLabel& Label) {
  QFont bold = Label.font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  Label.resize(metrics.horizontalAdvance(Label.text()) + 6, metrics.height() + 2);
}

QLabel* MakeScoreLabel(const char* Name, const QString& Text, Qt::Alignment Alignment, QWidget* Parent) {
  auto* label = new QLabel(Text, Parent);
  label->setObjectName(QString::fromLatin1(Name));
  label->setFont(Look::PixelFont(Look::TextFamily, ScorePixelSize, true));
  label->setAlignment(Alignment | Qt::AlignVCenter);
  return label;
}

}  // namespace

Tf_FinJeu::Tf_FinJeu(QWidget* Parent) : QDialog(DialogOwner(Parent), Look::DialogFlags) {
  KeepCentred(*this);
  setObjectName(QStringLiteral("f_FinJeu"));
  setWindowTitle(tr("Fin de la partie"));

  Image1 = AddBackground(*this, false);

  FondCopie1 = AddPanel(*this);
  const int panelWidth = ClientWidth - 2 * PanelMargin;

  Label1 = new QLabel(tr("Félicitations, vous avez complété cette grille."), FondCopie1);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(Look::PixelFont(Look::TextFamily, TextPixelSize, true));
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignCenter);

  Panel1 = new QWidget(FondCopie1);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(ScoreSide, ScoreTop, panelWidth - 2 * ScoreSide, 4 * ScoreRowHeight);
  const int blockWidth = Panel1->width();
  struct ScoreRow {
    QLabel*& Caption;
    const char* CaptionName;
    const char* CaptionText;
    QLabel*& Value;
    const char* ValueName;
  };
  const ScoreRow scoreRows[] = {
      {Label2, "Label2", QT_TR_NOOP("Votre score:"), l_Score, "l_Score"},
      {Label3, "Label3", QT_TR_NOOP("Temps"), l_temps, "l_temps"},
      {Label4, "Label4", QT_TR_NOOP("Pénalité aide"), l_aide, "l_aide"},
      {Label5, "Label5", QT_TR_NOOP("Pénalité possibilités"), l_possibilite, "l_possibilite"},
  };
  int top = 0;
  for (const ScoreRow& row : scoreRows) {
    row.Caption = MakeScoreLabel(row.CaptionName, tr(row.CaptionText), Qt::AlignLeft, Panel1);
    row.Caption->setGeometry(0, top, blockWidth, ScoreRowHeight);
    row.Value = MakeScoreLabel(row.ValueName, QString(), Qt::AlignRight, Panel1);
    row.Value->setGeometry(0, top, blockWidth, ScoreRowHeight);
    top += ScoreRowHeight;
  }
  QFont underlined = Label2->font();
  underlined.setUnderline(true);
  Label2->setFont(underlined);
  // Both lines overlap the block's width: the value's tooltip is the line's.
  for (QLabel* label : {Label5, l_possibilite})
    label->setToolTip(
        tr("Une minute dès que les possibilités ont été affichées (Voir possibilités, F3) "
           "ou les notes remplies (Remplir les notes, F8)"));

  struct ChoiceRow {
    THotLabel*& Label;
    const char* LabelName;
    const char* Caption;
    TImage*& Icon;
    const char* IconName;
    const char* Picture;
    int Tag;
  };
  const ChoiceRow choices[] = {
      {hl_HighScore, "hl_HighScore", QT_TR_NOOP("Voir les meilleurs scores"), Image5, "Image5", "icon_scores",
       ChoiceHighScores},
      {hl_Sauver, "hl_Sauver", QT_TR_NOOP("Enregistrer cette grille"), Image4, "Image4", "icon_save", ChoiceSave},
      {hl_Nouveau, "hl_Nouveau", QT_TR_NOOP("Jouer sur une autre grille"), Image7, "Image7", "icon_newgrid",
       ChoiceNewGrid},
      {hl_Retour, "hl_Retour", QT_TR_NOOP("Retour au menu"), Image8, "Image8", "icon_menu", ChoiceMenu},
  };
  for (const ChoiceRow& row : choices) {
    row.Label = new THotLabel(tr(row.Caption), FondCopie1);
    row.Label->setObjectName(QString::fromLatin1(row.LabelName));
    Look::DressCommand(*row.Label, CommandPixelSize);
    row.Label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FitCommand(*row.Label);
    row.Icon = MakeIcon(QStringLiteral(":/pictures/%1.svg").arg(QString::fromLatin1(row.Picture)), FondCopie1);
    row.Icon->setObjectName(QString::fromLatin1(row.IconName));
    row.Icon->setAccessibleName(row.Label->text());
    const int tag = row.Tag;
    connect(row.Label, &THotLabel::clicked, this, [this, tag] { Choice(tag); });
    connect(row.Icon, &TImage::clicked, this, [this, tag] { Choice(tag); });
  }

  setFixedSize(ClientWidth, ClientHeight);
  PlaceControls();
  // Entrée plays on: another grid.
  DefaultChoice(*hl_Nouveau);
}

// The values' column as wide as the longest value, the captions beside it;
// the dialog widens when the widest pair needs it, so that no value ever
// touches its caption.
void Tf_FinJeu::PlaceScore() {
  const std::pair<QLabel*, QLabel*> rows[] = {
      {Label2, l_Score}, {Label3, l_temps}, {Label4, l_aide}, {Label5, l_possibilite}};
  int captionWidth = 0;
  int valueWidth = 0;
  for (const auto& [caption, value] : rows) {
    captionWidth = std::max(captionWidth, QFontMetrics(caption->font()).horizontalAdvance(caption->text()));
    // A pixel either side for the bold glyphs' overhang.
    valueWidth = std::max(valueWidth, QFontMetrics(value->font()).horizontalAdvance(value->text()) + 2);
  }
  const int blockWidth = std::max(ClientWidth - 2 * PanelMargin - 2 * ScoreSide, captionWidth + ScoreGap + valueWidth);
  setFixedWidth(blockWidth + 2 * (ScoreSide + PanelMargin));
  Panel1->resize(blockWidth, Panel1->height());
  for (const auto& [caption, value] : rows) {
    caption->setGeometry(0, caption->y(), blockWidth - valueWidth - ScoreGap, ScoreRowHeight);
    value->setGeometry(blockWidth - valueWidth, value->y(), valueWidth, ScoreRowHeight);
  }
}

void Tf_FinJeu::resizeEvent(QResizeEvent* Event) {
  QDialog::resizeEvent(Event);
  PlaceControls();
}

// The panel fills the dialog inside its margin; the choices keep their
// distance from its bottom edge.
void Tf_FinJeu::PlaceControls() {
  Image1->setGeometry(rect());
  FondCopie1->setGeometry(rect().adjusted(PanelMargin, PanelMargin, -PanelMargin, -PanelMargin));
  Label1->setGeometry(12, 8, FondCopie1->width() - 24, 48);
  const std::pair<THotLabel*, TImage*> rows[] = {
      {hl_HighScore, Image5}, {hl_Sauver, Image4}, {hl_Nouveau, Image7}, {hl_Retour, Image8}};
  int middle = FondCopie1->height() - LastRowFromBottom - 3 * RowStep;
  for (const auto& [label, icon] : rows) {
    icon->move(IconLeft, middle - icon->height() / 2);
    label->move(CommandLeft, middle - label->height() / 2);
    middle += RowStep;
  }
}

bool Tf_FinJeu::ShowScore(const TGameResult& Result, TRecorder& Recorder) {
  if (!Result.Timed) {
    setFixedSize(ClientWidth, UntimedHeight);
    PlaceControls();
    Panel1->hide();
    hl_HighScore->hide();
    Image5->hide();
    return true;
  }
  const TScore& score = Result.Score;
  Label4->setText(tr("Pénalité aide (%1s/aide)").arg(score.PerHelp));
  l_temps->setText(FormatTime(score.Time));
  l_aide->setText(FormatTime(score.HelpPenalty));
  // The flat minute reads "1:00", none "0".
  l_possibilite->setText(score.CandidatesPenalty != 0 ? QStringLiteral("1:00") : QStringLiteral("0"));
  l_Score->setText(FormatTime(score.Total));
  PlaceScore();

  const int rank = Recorder.Rank(Result);
  if (rank == 0) return true;
  return Recorder.AddScore(Result, AskName(rank));
}

QString Tf_FinJeu::AskName(int Rank) {
  // The dialog itself is not on screen yet: the box stands over its owner.
  QInputDialog box(parentWidget());
  box.setWindowTitle(tr("High-Score"));
  // The first place and the others: each language says a rank its own way.
  box.setLabelText(Rank == 1
                       ? tr("Vous avez réalisé le 1er score pour ce niveau de difficulté. Veuillez saisir votre nom")
                       : tr("Vous avez réalisé le %1ème score pour ce niveau de difficulté. "
                            "Veuillez saisir votre nom")
                             .arg(Rank));
  box.setTextValue(DefaultName);
  box.setOkButtonText(tr("OK"));
  box.setCancelButtonText(tr("Annuler"));
  return box.exec() == QDialog::Accepted ? box.textValue() : DefaultName;
}

void Tf_FinJeu::Choice(int Value) {
  Tag = Value;
  accept();
}
