// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistiquesscreen.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QShortcut>

#include "decor.h"
#include "fileresult.h"
#include "fondcopie.h"
#include "hotlabel.h"
#include "image.h"
#include "jeux_shared.h"
#include "look.h"
#include "messages.h"
#include "scores.h"
#include "shell.h"
#include "statistiques.h"

namespace {

// The panel of the high scores screen: same size, same place; the commands
// below it at the same height as its "Retour au menu".
constexpr int PanelWidth = 650;
constexpr int PanelHeight = 476;
// "Retour au menu" ends at the panel's right edge, this far below its top.
constexpr int ReturnTop = 486;
constexpr QPoint ScoresOffset(0, 486);
constexpr int CommandPixelSize = 22;
constexpr int TitlePixelSize = 30;
constexpr int CellPixelSize = 17;

const char* const RowNames[Tf_Statistiques::Rows] = {
    QT_TRANSLATE_NOOP("Tf_Statistiques", "Parties commencées"),
    QT_TRANSLATE_NOOP("Tf_Statistiques", "Parties terminées"), QT_TRANSLATE_NOOP("Tf_Statistiques", "Sans aucune aide"),
    QT_TRANSLATE_NOOP("Tf_Statistiques", "Meilleur temps"), QT_TRANSLATE_NOOP("Tf_Statistiques", "Temps moyen")};

QString ResetTitle() { return QCoreApplication::translate("Tf_Statistiques", "Statistiques"); }
QString ResetQuestion() {
  return QCoreApplication::translate(
      "Tf_Statistiques",
      "Voulez-vous vraiment remettre toutes les statistiques à zéro ? Les meilleurs scores restent.");
}

QString Days(int Count) {
  //: A run of days: "0 jour" and "1 jour", then "2 jours" in French.
  return QCoreApplication::translate("Tf_Statistiques", "%n jour(s)", nullptr, Count);
}

THotLabel* MakeCommand(const QString& Caption, const QString& Name, QWidget* Parent) {
  auto* label = new THotLabel(Caption, Parent);
  label->setObjectName(Name);
  Look::DressCommand(*label, CommandPixelSize);
  // Room for the bold of the hover.
  QFont bold = label->font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  label->resize(metrics.horizontalAdvance(label->text()) + 6, metrics.height() + 2);
  return label;
}

}  // namespace

Tf_Statistiques::Tf_Statistiques(QWidget* Parent) : QWidget(Parent) {
  setObjectName(QStringLiteral("f_Statistiques"));
  Image1 = AddBackground(*this, true);
  FondCopie1 = AddPanel(*this);
  FondCopie1->resize(PanelWidth, PanelHeight);

  auto* grid = new QGridLayout(FondCopie1);
  grid->setContentsMargins(28, 16, 28, 16);
  grid->setHorizontalSpacing(10);
  grid->setColumnStretch(0, 1);
  grid->setVerticalSpacing(6);

  l_Titre = new QLabel(tr("Statistiques"));
  l_Titre->setFont(Look::PixelFont(Look::TitleFamily, TitlePixelSize));
  l_Titre->setAlignment(Qt::AlignCenter);
  grid->addWidget(l_Titre, 0, 0, 1, Columns + 1);

  const QFont cellFont = Look::PixelFont(Look::TextFamily, CellPixelSize, true);
  const QFont headFont = Look::PixelFont(Look::TitleFamily, CellPixelSize);
  for (int column = 1; column <= Columns; ++column) {
    auto* head = new QLabel(Jeux::ShownLevelName(column));
    head->setFont(headFont);
    head->setAlignment(Qt::AlignCenter);
    grid->addWidget(head, 1, column);
  }
  for (int row = 0; row < Rows; ++row) {
    auto* name = new QLabel(tr(RowNames[row]));
    name->setFont(cellFont);
    grid->addWidget(name, row + 2, 0);
    for (int column = 1; column <= Columns; ++column) {
      QLabel*& value = l_Valeurs[std::size_t(row)][std::size_t(column - 1)];
      value = new QLabel;
      value->setObjectName(QStringLiteral("l_Valeur%1_%2").arg(row + 1).arg(column));
      value->setFont(cellFont);
      value->setAlignment(Qt::AlignCenter);
      grid->addWidget(value, row + 2, column);
    }
  }
  l_Temps = new QLabel(tr("Les temps sont ceux des parties terminées sans aucune aide, chronomètre en marche."));
  l_Temps->setObjectName(QStringLiteral("l_Temps"));
  l_Temps->setFont(Look::PixelFont(Look::TextFamily, CellPixelSize - 4, true));
  l_Temps->setWordWrap(true);
  grid->addWidget(l_Temps, Rows + 2, 0, 1, Columns + 1);
  grid->setRowMinimumHeight(Rows + 3, 8);
  auto* runs = new QLabel(tr("Jours de suite avec une partie terminée, tous niveaux"));
  runs->setFont(headFont);
  grid->addWidget(runs, Rows + 4, 0, 1, Columns + 1);
  l_Serie = new QLabel;
  l_MeilleureSerie = new QLabel;
  l_GrillesDuJour = new QLabel;
  int line = Rows + 5;
  for (QLabel* label : {l_Serie, l_MeilleureSerie}) {
    label->setFont(cellFont);
    grid->addWidget(label, line, label == l_Serie ? 0 : 1, 1, label == l_Serie ? 1 : Columns);
  }
  ++line;
  l_GrillesDuJour->setFont(cellFont);
  grid->addWidget(l_GrillesDuJour, line++, 0, 1, Columns + 1);
  l_Proposees = new QLabel;
  l_Proposees->setObjectName(QStringLiteral("l_Proposees"));
  l_Proposees->setFont(cellFont);
  grid->addWidget(l_Proposees, line++, 0, 1, Columns + 1);
  l_Serie->setObjectName(QStringLiteral("l_Serie"));
  l_MeilleureSerie->setObjectName(QStringLiteral("l_MeilleureSerie"));
  l_GrillesDuJour->setObjectName(QStringLiteral("l_GrillesDuJour"));
  grid->setRowStretch(line, 1);
  hl_Reinitialiser = MakeCommand(tr("Réinitialiser les statistiques"), QStringLiteral("hl_Reinitialiser"), FondCopie1);
  grid->addWidget(hl_Reinitialiser, line + 1, 0, 1, Columns + 1, Qt::AlignHCenter);
  connect(hl_Reinitialiser, &THotLabel::clicked, this, &Tf_Statistiques::hl_ReinitialiserClick);

  hl_Scores = MakeCommand(tr("Meilleurs scores"), QStringLiteral("hl_Scores"), this);
  hl_Scores->setToolTip(tr("Meilleurs scores (Ctrl+M)"));
  connect(hl_Scores, &THotLabel::clicked, this, &Tf_Statistiques::hl_ScoresClick);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), this), &QShortcut::activated, this,
          &Tf_Statistiques::hl_ScoresClick);
  hl_RetourMenu = MakeCommand(tr("Retour au menu"), QStringLiteral("hl_RetourMenu"), this);
  connect(hl_RetourMenu, &THotLabel::clicked, this, &Tf_Statistiques::hl_RetourMenuClick);
  LeaveOnEscape(*this, [this] { hl_RetourMenuClick(); });
  Today = [] { return QDate::currentDate(); };
}

void Tf_Statistiques::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  Image1->setGeometry(rect());
  FondCopie1->move((width() - PanelWidth) / 2, (height() - PanelHeight) / 2);
  hl_Scores->move(FondCopie1->pos() + ScoresOffset);
  hl_RetourMenu->move(FondCopie1->pos() + QPoint(PanelWidth - hl_RetourMenu->width(), ReturnTop));
}

void Tf_Statistiques::Setup(TStatistiques* Statistiques) {
  Statistiques_ = Statistiques;
  ShowStatistics();
}

void Tf_Statistiques::ShowStatistics() {
  if (Statistiques_ == nullptr) return;
  for (int column = 1; column <= Columns; ++column) {
    const TStatistiques::LevelStats s = Statistiques_->Level(column);
    const auto cell = [&](int Row) { return l_Valeurs[std::size_t(Row)][std::size_t(column - 1)]; };
    cell(0)->setText(QString::number(s.Started));
    cell(1)->setText(QString::number(s.Finished));
    cell(2)->setText(QString::number(s.WithoutHelp));
    cell(3)->setText(s.Timed > 0 ? FormatTime(std::uint32_t(s.BestSeconds)) : QStringLiteral("-"));
    cell(4)->setText(s.Timed > 0 ? FormatTime(std::uint32_t(s.TotalSeconds / s.Timed)) : QStringLiteral("-"));
  }
  l_Serie->setText(tr("en ce moment : ") + Days(Statistiques_->CurrentRun(Today())));
  l_MeilleureSerie->setText(tr("meilleure série : ") + Days(Statistiques_->BestRun()));
  l_GrillesDuJour->setText(tr("Grilles du jour terminées : %1").arg(Statistiques_->DailyFinished()));
  // The puzzles typed in are the figures' level 0, apart from the levels.
  const TStatistiques::LevelStats typed = Statistiques_->Level(0);
  l_Proposees->setText(
      tr("Grilles proposées jouées\u00A0: %1, terminées\u00A0: %2").arg(typed.Started).arg(typed.Finished));
}

void Tf_Statistiques::hl_ReinitialiserClick() {
  if (Statistiques_ == nullptr || !AskYesNo(ResetTitle(), ResetQuestion())) return;
  ReportFileResult(Statistiques_->Reset());
  ShowStatistics();
}

void Tf_Statistiques::hl_ScoresClick() {
  if (Shell() != nullptr) Shell()->ShowScores(1);
}

// The main window frees the screen once it has been replaced.
void Tf_Statistiques::hl_RetourMenuClick() {
  if (Shell() != nullptr) Shell()->ShowMenu();
  close();
}
