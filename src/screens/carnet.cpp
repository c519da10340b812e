// SPDX-License-Identifier: GPL-3.0-or-later
#include "carnet.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <random>

#include "busybar.h"
#include "carnetimpression.h"
#include "decor.h"
#include "fondcopie.h"
#include "generatebatch.h"
#include "image.h"
#include "jeux_shared.h"
#include "look.h"
#include "messages.h"
#include "shell.h"

namespace {

constexpr int PanelMargin = 12;
constexpr int TogglePixelSize = 15;
constexpr int ToggleHeight = 28;
constexpr int ProgressIntervalMs = 100;

QLabel* FieldLabel(const QString& Text) {
  auto* label = new QLabel(Text);
  label->setFont(Look::PixelFont(Look::GridFamily, 15, true));
  return label;
}

// A row of toggle buttons, one pressed, each with its value as id.
QHBoxLayout* ToggleRow(QButtonGroup& Group, const QStringList& Captions, const QList<int>& Values, int Checked,
                       QWidget* Owner) {
  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  for (qsizetype k = 0; k < Captions.size(); ++k) {
    auto* button = new QToolButton(Owner);
    button->setText(Captions[k]);
    Look::DressToggle(*button, TogglePixelSize);
    button->setMinimumHeight(ToggleHeight);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    Group.addButton(button, Values[k]);
    button->setChecked(Values[k] == Checked);
    row->addWidget(button);
  }
  return row;
}

std::uint64_t ClockSeed() { return (std::uint64_t(std::random_device{}()) << 32) | std::random_device{}(); }

}  // namespace

Tf_Carnet::Tf_Carnet(int Level, QWidget* Parent) : QDialog(DialogOwner(Parent), Look::DialogFlags), Seed(ClockSeed()) {
  setObjectName(QStringLiteral("f_Carnet"));
  KeepCentred(*this);
  setWindowTitle(tr("Imprimer un carnet"));
  setFixedSize(FormWidth, FormHeight);

  Image1 = AddBackground(*this, false);
  Image1->setGeometry(rect());
  FondCopie1 = AddPanel(*this);
  FondCopie1->setGeometry(rect().adjusted(PanelMargin, PanelMargin, -PanelMargin, -PanelMargin));

  Label1 = new QLabel;
  Label1->setFont(Look::PixelFont(Look::TextFamily, 14, true));
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignCenter);

  Niveaux = new QButtonGroup(this);
  QStringList levels;
  for (int level = LevelFacile; level <= HighestLevel; ++level) levels << Jeux::ShownLevelName(level);
  auto* levelRow = ToggleRow(*Niveaux, levels, {1, 2, 3, 4, 5},
                             Level >= LevelFacile && Level <= HighestLevel ? Level : LevelFacile, this);

  se_Nombre = new QSpinBox;
  se_Nombre->setObjectName(QStringLiteral("se_Nombre"));
  se_Nombre->setRange(1, MaxPuzzles);
  se_Nombre->setValue(DefaultPuzzles);
  se_Nombre->setFont(Look::PixelFont(Look::GridFamily, 15));
  se_Nombre->setAccessibleName(tr("Nombre de grilles"));

  ParPage = new QButtonGroup(this);
  QStringList pageCaptions;
  QList<int> pageValues;
  for (const int n : Carnet::PageChoices) {
    pageCaptions << QString::number(n);
    pageValues << n;
  }
  auto* pageRow = ToggleRow(*ParPage, pageCaptions, pageValues, 4, this);

  Attente = new TBusyBar;
  Attente->setFixedSize(180, 12);
  // Its room is kept while it is hidden, so that nothing moves when it shows.
  QSizePolicy keep = Attente->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  Attente->setSizePolicy(keep);
  Attente->hide();
  l_Etat = new QLabel;
  l_Etat->setObjectName(QStringLiteral("l_Etat"));
  l_Etat->setFont(Look::PixelFont(Look::GridFamily, 14));
  l_Etat->setAlignment(Qt::AlignCenter);

  b_Imprimer = new QPushButton(tr("Imprimer…"));
  b_Imprimer->setObjectName(QStringLiteral("b_Imprimer"));
  b_Imprimer->setDefault(true);
  b_Annuler = new QPushButton(tr("Annuler"));
  b_Annuler->setObjectName(QStringLiteral("b_Annuler"));

  auto* grid = new QGridLayout(FondCopie1);
  grid->setContentsMargins(16, 12, 16, 12);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(8);
  // The levels' names need the whole width: they stand under their label.
  grid->addWidget(Label1, 0, 0, 1, 2);
  grid->addWidget(FieldLabel(tr("Niveau :")), 1, 0, 1, 2);
  grid->addLayout(levelRow, 2, 0, 1, 2);
  grid->addWidget(FieldLabel(tr("Nombre de grilles :")), 3, 0);
  grid->addWidget(se_Nombre, 3, 1, Qt::AlignLeft);
  grid->addWidget(FieldLabel(tr("Grilles par page :")), 4, 0);
  grid->addLayout(pageRow, 4, 1);
  grid->addWidget(Attente, 5, 0, 1, 2, Qt::AlignHCenter);
  grid->addWidget(l_Etat, 6, 0, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(b_Imprimer);
  buttons->addWidget(b_Annuler);
  grid->addLayout(buttons, 7, 0, 1, 2);
  grid->setRowStretch(6, 1);
  grid->setColumnStretch(1, 1);

  Progress_ = new QTimer(this);
  Progress_->setInterval(ProgressIntervalMs);
  connect(Progress_, &QTimer::timeout, this, &Tf_Carnet::ShowProgress);
  connect(b_Imprimer, &QPushButton::clicked, this, &Tf_Carnet::b_ImprimerClick);
  connect(b_Annuler, &QPushButton::clicked, this, &Tf_Carnet::reject);
  // The first line says on which pages the solutions come.
  connect(se_Nombre, &QSpinBox::valueChanged, this, &Tf_Carnet::ShowSolutionPages);
  connect(ParPage, &QButtonGroup::idClicked, this, &Tf_Carnet::ShowSolutionPages);
  ShowSolutionPages();
  PrintStep = [](Tf_Carnet& Dialog) { Dialog.PrintPuzzles(); };
}

Tf_Carnet::~Tf_Carnet() {
  // The thread reads this dialog's request: it ends before the dialog goes.
  if (Thread_ != nullptr) {
    Stop_ = true;
    Thread_->wait();
    delete Thread_;
  }
}

void Tf_Carnet::ShowSolutionPages() {
  const Carnet::TSolutionPages pages = Carnet::SolutionPages(ChosenCount(), ChosenPerPage());
  const QString where = pages.First == pages.Last ? tr("en page %1").arg(pages.First)
                                                  : tr("des pages %1 à %2").arg(pages.First).arg(pages.Last);
  Label1->setText(
      tr("Des grilles toutes neuves à imprimer, ou à enregistrer en PDF, avec leurs solutions %1.").arg(where));
}

int Tf_Carnet::ChosenLevel() const { return Niveaux->checkedId(); }
int Tf_Carnet::ChosenCount() const { return se_Nombre->value(); }
int Tf_Carnet::ChosenPerPage() const { return ParPage->checkedId(); }

void Tf_Carnet::SetBusy(bool Busy) {
  for (QAbstractButton* button : Niveaux->buttons()) button->setEnabled(!Busy);
  for (QAbstractButton* button : ParPage->buttons()) button->setEnabled(!Busy);
  se_Nombre->setEnabled(!Busy);
  b_Imprimer->setEnabled(!Busy);
  Attente->setVisible(Busy);
  if (Busy)
    Progress_->start();
  else
    Progress_->stop();
}

void Tf_Carnet::b_ImprimerClick() {
  if (Thread_ != nullptr) return;
  // The puzzles of a print dialog that was cancelled serve again.
  if (!Puzzles_.empty() && int(Puzzles_.size()) == ChosenCount() && GeneratedLevel_ == ChosenLevel()) {
    if (PrintStep) PrintStep(*this);
    return;
  }
  GeneratedLevel_ = ChosenLevel();
  BatchRequest request;
  request.Level = ChosenLevel();
  request.Count = ChosenCount();
  request.Seed = Seed;
  request.StopRequested = [this] { return Stop_.load(); };
  request.Done = &Done_;
  Done_ = 0;
  Stop_ = false;
  Puzzles_.clear();
  SetBusy(true);
  ShowProgress();
  Thread_ = QThread::create([this, request] { Puzzles_ = GenerateBatch(request); });
  connect(Thread_, &QThread::finished, this, &Tf_Carnet::GenerationDone, Qt::QueuedConnection);
  Thread_->start();
}

void Tf_Carnet::ShowProgress() {
  l_Etat->setText(tr("Génération des grilles : %1 sur %2").arg(Done_.load()).arg(ChosenCount()));
}

void Tf_Carnet::GenerationDone() {
  Thread_->deleteLater();
  Thread_ = nullptr;
  SetBusy(false);
  if (Closing_ || Puzzles_.empty()) {
    l_Etat->clear();
    if (Closing_) QDialog::reject();
    return;
  }
  l_Etat->setText(tr("Les %n grilles sont prêtes.", nullptr, int(Puzzles_.size())));
  if (PrintStep) PrintStep(*this);
}

void Tf_Carnet::PrintPuzzles() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("Orvalis"));
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;  // the puzzles stay: "Imprimer…" may try again
  // A PDF file is written as a save is; a failure keeps the older one.
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    if (!ReportFileResult(Carnet::SaveBookletPdf(printer, Puzzles_, ChosenLevel(), ChosenPerPage()))) return;
  } else if (!Carnet::PrintBooklet(printer, Puzzles_, ChosenLevel(), ChosenPerPage())) {
    ShowMessage(tr("Le carnet n'a pas pu être imprimé."));
    return;
  }
  accept();
}

void Tf_Carnet::reject() {
  if (Thread_ == nullptr) {
    QDialog::reject();
    return;
  }
  // The generation stops at its next removal attempt; GenerationDone closes.
  Closing_ = true;
  Stop_ = true;
  l_Etat->setText(tr("Arrêt de la génération…"));
}
