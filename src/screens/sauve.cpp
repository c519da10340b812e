// SPDX-License-Identifier: GPL-3.0-or-later
#include "sauve.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "appfolders.h"
#include "carrecoche.h"
#include "decor.h"
#include "dossiersauvegarde.h"
#include "encodings.h"
#include "fileresult.h"
#include "fondcopie.h"
#include "image.h"
#include "look.h"
#include "shell.h"

Tf_Sauve::Tf_Sauve(QWidget* Parent) : QDialog(DialogOwner(Parent), Look::DialogFlags) {
  KeepCentred(*this);
  setObjectName(QStringLiteral("f_Sauve"));
  setWindowTitle(tr("Enregistrement d'une grille"));
  setFixedSize(FormWidth, FormHeight);

  const TFileDialogDress dress = DressFileDialog(*this);
  im_Fond = dress.Background;
  FondCopie1 = dress.Panel;
  const QFont& textFont = dress.Text;
  const QFont& labelFont = dress.Label;

  l_Explication =
      new QLabel(tr("Pour enregistrer votre grille, vous devez spécifier le nom du fichier dans lequel "
                    "vous souhaitez conserver la grille, et donner un nom à cette grille pour pouvoir "
                    "ensuite la retrouver facilement."));
  l_Explication->setWordWrap(true);
  l_Explication->setFont(textFont);
  l_NomFichier = new QLabel(tr("Nom du fichier:"));
  l_NomGrille = new QLabel(tr("Nom de la grille:"));
  l_Description = new QLabel(tr("Description (optionnel)"));
  for (QLabel* label : {l_NomFichier, l_NomGrille, l_Description}) label->setFont(labelFont);

  cb_FichierGrille = new QComboBox;
  cb_FichierGrille->setObjectName(QStringLiteral("cb_FichierGrille"));
  cb_FichierGrille->setEditable(true);
  cb_FichierGrille->setInsertPolicy(QComboBox::NoInsert);
  cb_FichierGrille->addItems(TDossierSauvegarde(TAppFolders::PlayerFolder()).ListFileNames());
  cb_FichierGrille->setCurrentText(QStringLiteral("defaut"));

  e_NomGrille = new QLineEdit;
  e_NomGrille->setObjectName(QStringLiteral("e_NomGrille"));

  m_Description = new QPlainTextEdit;
  m_Description->setObjectName(QStringLiteral("m_Description"));
  m_Description->setTabChangesFocus(true);
  // What a screen reader says of each field: the label beside it.
  cb_FichierGrille->setAccessibleName(tr("Nom du fichier"));
  e_NomGrille->setAccessibleName(tr("Nom de la grille"));
  m_Description->setAccessibleName(tr("Description"));

  cc_grilledepart = new TCarreCoche;
  cc_grilledepart->setObjectName(QStringLiteral("cc_grilledepart"));
  cc_grilledepart->setFont(textFont);
  cc_grilledepart->SetCaption(tr("Enregistrer uniquement la grille de départ"));
  cc_grilledepart->Setautosize(true);
  cc_grilledepart->setFixedSize(cc_grilledepart->size());

  l_CaracteresRefuses = new QLabel;
  l_CaracteresRefuses->setObjectName(QStringLiteral("l_CaracteresRefuses"));
  l_CaracteresRefuses->setFont(textFont);
  l_CaracteresRefuses->setWordWrap(true);
  l_CaracteresRefuses->setTextFormat(Qt::PlainText);
  l_CaracteresRefuses->setStyleSheet(QStringLiteral("color: %1").arg(Look::Colours().Hover.name()));
  l_CaracteresRefuses->hide();

  b_Enregistrer = new QPushButton(tr("Enregistrer"));
  b_Enregistrer->setObjectName(QStringLiteral("b_Enregistrer"));
  b_Enregistrer->setDefault(true);
  b_Annuler = new QPushButton(tr("Annuler"));
  b_Annuler->setObjectName(QStringLiteral("b_Annuler"));

  auto* grid = new QGridLayout(FondCopie1);
  grid->setContentsMargins(16, 14, 16, 14);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(8);
  grid->addWidget(l_Explication, 0, 0, 1, 2);
  grid->addWidget(l_NomFichier, 1, 0);
  grid->addWidget(cb_FichierGrille, 1, 1);
  grid->addWidget(l_NomGrille, 2, 0);
  grid->addWidget(e_NomGrille, 2, 1);
  grid->addWidget(l_Description, 3, 0, 1, 2);
  grid->addWidget(m_Description, 4, 0, 1, 2);
  grid->addWidget(cc_grilledepart, 5, 0, 1, 2);
  grid->addWidget(l_CaracteresRefuses, 6, 0, 1, 2);
  // The buttons in the order and with the spacing of the platform's dialogs.
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(b_Enregistrer, QDialogButtonBox::AcceptRole);
  buttons->addButton(b_Annuler, QDialogButtonBox::RejectRole);
  grid->addWidget(buttons, 7, 0, 1, 2);
  grid->setRowStretch(4, 1);
  grid->setColumnStretch(1, 1);

  setTabOrder(cb_FichierGrille, e_NomGrille);
  setTabOrder(e_NomGrille, m_Description);
  setTabOrder(m_Description, b_Enregistrer);
  setTabOrder(b_Enregistrer, b_Annuler);
  e_NomGrille->setFocus();

  connect(e_NomGrille, &QLineEdit::textChanged, this, &Tf_Sauve::RefuseUnsavable);
  connect(m_Description, &QPlainTextEdit::textChanged, this, &Tf_Sauve::RefuseUnsavable);
  connect(b_Enregistrer, &QPushButton::clicked, this, &Tf_Sauve::b_EnregistrerClick);
  connect(b_Annuler, &QPushButton::clicked, this, &QDialog::reject);
}

namespace {

// Text without the characters of Refused; Cursor, a position in Text, moves
// back by what goes before it.
QString Without(const QString& Text, const QString& Refused, int& Cursor) {
  QString kept;
  int cursor = Cursor;
  for (qsizetype i = 0; i < Text.size(); ++i) {
    const bool pair = Text[i].isHighSurrogate() && i + 1 < Text.size() && Text[i + 1].isLowSurrogate();
    const QStringView character = QStringView(Text).mid(i, pair ? 2 : 1);
    if (Refused.contains(character)) {
      if (i < Cursor) cursor -= int(character.size());
    } else {
      kept += character;
    }
    if (pair) ++i;
  }
  Cursor = cursor;
  return kept;
}

}  // namespace

void Tf_Sauve::RefuseUnsavable() {
  const QString refused = OutsideWindows1252(e_NomGrille->text() + m_Description->toPlainText());
  if (refused.isEmpty()) return;
  int cursor = e_NomGrille->cursorPosition();
  const QString name = Without(e_NomGrille->text(), refused, cursor);
  if (name != e_NomGrille->text()) {
    e_NomGrille->setText(name);
    e_NomGrille->setCursorPosition(cursor);
  }
  cursor = m_Description->textCursor().position();
  const QString description = Without(m_Description->toPlainText(), refused, cursor);
  if (description != m_Description->toPlainText()) {
    m_Description->setPlainText(description);
    QTextCursor moved = m_Description->textCursor();
    moved.setPosition(cursor);
    m_Description->setTextCursor(moved);
  }
  QStringList shown;
  for (const char32_t character : refused.toUcs4()) shown << QString::fromUcs4(&character, 1);
  l_CaracteresRefuses->setText((shown.size() == 1
                                    ? tr("Caractère refusé, le fichier ne peut pas le garder\u00A0: %1")
                                    : tr("Caractères refusés, le fichier ne peut pas les garder\u00A0: %1"))
                                   .arg(shown.join(u' ')));
  l_CaracteresRefuses->show();
}

void Tf_Sauve::b_EnregistrerClick() {
  Game.Name = e_NomGrille->text();
  Game.Description = m_Description->toPlainText();
  TSavedGame saved = Game;
  if (cc_grilledepart->Checked()) saved.Digits.clear();
  // The description's line breaks become spaces: a record is one line.
  const FileResult result =
      TDossierSauvegarde(TAppFolders::PlayerFolder())
          .SaveGrid(cb_FichierGrille->currentText(), saved.Name, saved.Description, saved.GridText());
  // On failure the dialog stays open with what the player typed.
  if (ReportFileResult(result)) accept();
}
