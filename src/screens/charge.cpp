// SPDX-License-Identifier: GPL-3.0-or-later
#include "charge.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>

#include "appfolders.h"
#include "carrecoche.h"
#include "decor.h"
#include "dossiersauvegarde.h"
#include "fileresult.h"
#include "fondcopie.h"
#include "gridlistmodel.h"
#include "image.h"
#include "look.h"
#include "shell.h"
#include "textfields.h"

namespace {

// The most rows a drop-down list shows at once.
constexpr int ListRows = 15;

QPushButton* MakeButton(const QString& Name, const QString& Caption) {
  auto* button = new QPushButton(Caption);
  button->setObjectName(Name);
  return button;
}

}  // namespace

Tf_Charge::Tf_Charge(QWidget* Parent) : QDialog(DialogOwner(Parent), Look::DialogFlags) {
  KeepCentred(*this);
  setObjectName(QStringLiteral("f_Charge"));
  setWindowTitle(tr("Chargement d'une grille"));
  setFixedSize(FormWidth, FormHeight);

  const TFileDialogDress dress = DressFileDialog(*this);
  im_Fond = dress.Background;
  FondCopie1 = dress.Panel;
  const QFont& textFont = dress.Text;
  const QFont& labelFont = dress.Label;

  l_Explication =
      new QLabel(tr("Pour recharger une grille, vous devez d'abord selectionner le nom du fichier "
                    "contenant votre grille, puis choisir dans la liste ci-dessous la grille sur laquelle "
                    "vous souhaitez jouer."));
  l_Explication->setWordWrap(true);
  l_Explication->setFont(textFont);
  l_NomFichier = new QLabel(tr("Nom du fichier:"));
  l_NomGrille = new QLabel(tr("Nom de la grille:"));
  for (QLabel* label : {l_NomFichier, l_NomGrille}) label->setFont(labelFont);

  cb_FichierGrille = new QComboBox;
  cb_FichierGrille->setObjectName(QStringLiteral("cb_FichierGrille"));
  for (const SavedFileEntry& entry : TDossierSauvegarde(TAppFolders::PlayerFolder()).ListFiles())
    cb_FichierGrille->addItem(entry.Name, entry.Path);
  cb_FichierGrille->setCurrentIndex(-1);

  cb_Grilles = new QComboBox;
  cb_Grilles->setObjectName(QStringLiteral("cb_Grilles"));
  Grids_ = new TGridListModel(cb_Grilles);
  cb_Grilles->setModel(Grids_);
  // A file of hundreds of grids opens a list of a few rows that scrolls, not
  // one taller than the screen: the style's own popup ignores the number of
  // rows asked for, the plain list keeps it.
  for (QComboBox* list : {cb_FichierGrille, cb_Grilles}) {
    list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    list->setMaxVisibleItems(ListRows);
  }
  // However many grids a file holds, the list measures and lays out only the
  // rows it shows: every row is one line of text.
  cb_Grilles->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  if (auto* rows = qobject_cast<QListView*>(cb_Grilles->view())) rows->setUniformItemSizes(true);

  m_Description = new QPlainTextEdit;
  m_Description->setObjectName(QStringLiteral("m_Description"));
  m_Description->setReadOnly(true);
  m_Description->setTabChangesFocus(true);
  // What a screen reader says of each field: the label beside it.
  cb_FichierGrille->setAccessibleName(tr("Nom du fichier"));
  cb_Grilles->setAccessibleName(tr("Nom de la grille"));
  m_Description->setAccessibleName(tr("Description"));

  cc_grilledepart = new TCarreCoche;
  cc_grilledepart->setObjectName(QStringLiteral("cc_grilledepart"));
  cc_grilledepart->setFont(textFont);
  cc_grilledepart->SetCaption(tr("Recommencer la grille"));
  cc_grilledepart->Setautosize(true);
  cc_grilledepart->setFixedSize(cc_grilledepart->size());

  b_Charger = MakeButton(QStringLiteral("b_Charger"), tr("Charger"));
  b_Charger->setDefault(true);
  b_Annuler = MakeButton(QStringLiteral("b_Annuler"), tr("Annuler"));
  b_Effacer = MakeButton(QStringLiteral("b_Effacer"), tr("Effacer la grille"));
  b_Effacer->setToolTip(tr("Supprime pour toujours la grille choisie de son fichier"));
  b_Fermer = MakeButton(QStringLiteral("b_Fermer"), tr("Fermer"));

  auto* grid = new QGridLayout(FondCopie1);
  grid->setContentsMargins(16, 14, 16, 14);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(8);
  grid->addWidget(l_Explication, 0, 0, 1, 2);
  grid->addWidget(l_NomFichier, 1, 0);
  grid->addWidget(cb_FichierGrille, 1, 1);
  grid->addWidget(l_NomGrille, 2, 0);
  grid->addWidget(cb_Grilles, 2, 1);
  grid->addWidget(m_Description, 3, 0, 1, 2);
  grid->addWidget(cc_grilledepart, 4, 0, 1, 2);
  // The buttons in the order and with the spacing of the platform's dialogs.
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(b_Charger, QDialogButtonBox::AcceptRole);
  buttons->addButton(b_Annuler, QDialogButtonBox::RejectRole);
  buttons->addButton(b_Effacer, QDialogButtonBox::DestructiveRole);
  buttons->addButton(b_Fermer, QDialogButtonBox::RejectRole);
  // The box shows what it is given: the management's buttons wait for
  // SetManageMode.
  b_Effacer->hide();
  b_Fermer->hide();
  grid->addWidget(buttons, 5, 0, 1, 2);
  grid->setRowStretch(3, 1);
  grid->setColumnStretch(1, 1);
  cb_FichierGrille->setFocus();

  connect(cb_FichierGrille, &QComboBox::currentIndexChanged, this, [this] { ShowFileGrids(false); });
  connect(cb_Grilles, &QComboBox::currentIndexChanged, this, &Tf_Charge::ShowDescription);
  connect(b_Charger, &QPushButton::clicked, this, &Tf_Charge::b_ChargerClick);
  connect(b_Annuler, &QPushButton::clicked, this, &QDialog::reject);
  connect(b_Fermer, &QPushButton::clicked, this, &QDialog::accept);
  connect(b_Effacer, &QPushButton::clicked, this, &Tf_Charge::b_EffacerClick);
}

void Tf_Charge::SetManageMode() {
  b_Charger->hide();
  b_Annuler->hide();
  cc_grilledepart->hide();
  b_Effacer->show();
  b_Fermer->show();
  // Enter closes; deleting, which asks nothing, takes a click of its own.
  b_Fermer->setDefault(true);
}

void Tf_Charge::ChooseFile(const QString& Path) {
  const QString path = QFileInfo(Path).absoluteFilePath();
  int index = cb_FichierGrille->findData(path);
  if (index < 0) {
    cb_FichierGrille->addItem(QFileInfo(path).completeBaseName(), path);
    index = cb_FichierGrille->count() - 1;
  }
  cb_FichierGrille->setCurrentIndex(index);
}

QString Tf_Charge::ChosenPath() const { return cb_FichierGrille->currentData().toString(); }

std::optional<SavedGrid> Tf_Charge::ChosenGrid() const {
  const TFichier* file = Fichiers_.FindFile(ChosenPath());
  return file != nullptr ? file->Record(cb_Grilles->currentIndex()) : std::nullopt;
}

void Tf_Charge::ShowFileGrids(bool Reload) {
  if (cb_FichierGrille->currentIndex() < 0) return;
  FileResult result;
  {
    const QSignalBlocker blocker(cb_Grilles);
    // Let go of the file first: reading it again frees what was read.
    Grids_->Show(nullptr);
    const TFichiers::Listed listed = Fichiers_.GetFile(ChosenPath(), Reload);
    result = listed.Result;
    Grids_->Show(&listed.File);
    cb_Grilles->setCurrentIndex(listed.File.Count() > 0 ? 0 : -1);
  }
  ShowDescription();
  ReportFileResult(result);
}

void Tf_Charge::ShowDescription() {
  m_Description->clear();
  if (const std::optional<SavedGrid> record = ChosenGrid())
    m_Description->setPlainText(Abridged(record->Description, MaxShownDescription));
}

void Tf_Charge::b_ChargerClick() {
  const std::optional<SavedGrid> record = ChosenGrid();
  // Without a grid chosen the dialog stays open.
  if (!record) return;
  Game_ = TSavedGame::FromRecord(*record, cc_grilledepart->Checked());
  accept();
}

void Tf_Charge::b_EffacerClick() {
  const std::optional<SavedGrid> record = ChosenGrid();
  if (!record || cb_FichierGrille->currentIndex() < 0) return;
  // By what the grid is, at its place when it is still there: another window
  // may have changed the file since it was listed.
  const FileResult result =
      TDossierSauvegarde(TAppFolders::PlayerFolder()).DeleteRecord(ChosenPath(), *record, cb_Grilles->currentIndex());
  ReportFileResult(result);
  // Whatever happened, the list shows what the file now holds.
  ShowFileGrids(true);
}
