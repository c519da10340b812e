// SPDX-License-Identifier: GPL-3.0-or-later
// The save and load dialogs driven as a player drives them: keys typed into
// their fields, clicks on their buttons, files in a program folder of the test.
#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "carrecoche.h"
#include "charge.h"
#include "dossiersauvegarde.h"
#include "grillesudoku.h"
#include "hotlabel.h"
#include "optionsscreen.h"
#include "sauve.h"
#include "screenstest.h"

namespace {

const QString Givens =
    QStringLiteral("003020600900305001001806400008102900700000008006708200002609500800203009005010300");
// The first row filled in.
const QString Digits =
    QStringLiteral("483921657900305001001806400008102900700000008006708200002609500800203009005010300");

QString Today() { return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")); }

// Types the text key by key; a letter beyond ASCII comes as a key of its own
// that carries the letter, as from a French keyboard.
void TypeInto(QWidget* Field, const QString& Text) {
  for (const QChar c : Text) {
    if (c.unicode() < 128)
      QTest::keyClick(Field, char(c.unicode()));
    else
      QTest::sendKeyEvent(QTest::Click, Field, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

void ClearAndType(QComboBox* Box, const QString& Text) {
  Box->lineEdit()->selectAll();
  QTest::keyClick(Box->lineEdit(), Qt::Key_Delete);
  TypeInto(Box->lineEdit(), Text);
}

void Click(QWidget* Widget) { QTest::mouseClick(Widget, Qt::LeftButton); }

// Picks the entry at Index of a drop-down list with the arrow keys, as from
// nothing selected.
void Pick(QComboBox* Box, int Index) {
  for (int k = Box->currentIndex(); k < Index; ++k) QTest::keyClick(Box, Qt::Key_Down);
  ASSERT_EQ(Box->currentIndex(), Index);
}

QStringList Entries(const QComboBox* Box) {
  QStringList entries;
  for (int k = 0; k < Box->count(); ++k) entries << Box->itemText(k);
  return entries;
}

class SaveDialogsTest : public StorageScreensTest {
 protected:
  QString FilePath(const QString& Name) const { return QDir(SaveFolder()).filePath(Name + ".orv"); }
  // The view holds the puzzle with its first row filled in, at level 2.
  TGrilleSudoku View;
  // The game's grid text with that time and those helps.
  QString GridText(long long Time, int Helps) const {
    return QString::fromStdString(View.Grille().SaveToText(true, View.Partie().Level(), Time, Helps));
  }
  void SetUp() override {
    StorageScreensTest::SetUp();
    View.LoadGrid(Givens, Digits, 2);
  }
};

TEST_F(SaveDialogsTest, TwoGridsSavedAndTakenUpAgain) {
  Main.MainWindow.show();
  {
    Tf_Sauve save;
    save.Game = TSavedGame::FromGridText(GridText(754, 300));  // more helps than a byte holds
    save.show();
    EXPECT_EQ(save.parentWidget(), &Main.MainWindow);
    EXPECT_LE((save.geometry().center() - Main.MainWindow.geometry().center()).manhattanLength(), 2);
    EXPECT_EQ(save.cb_FichierGrille->currentText(), QStringLiteral("defaut"));
    TypeInto(save.e_NomGrille, QStringLiteral("Première"));
    TypeInto(save.m_Description, QStringLiteral("commencée hier"));
    QTest::keyClick(save.m_Description, Qt::Key_Return);
    TypeInto(save.m_Description, QStringLiteral("à finir"));
    Click(save.b_Enregistrer);
    EXPECT_EQ(save.result(), QDialog::Accepted);
    EXPECT_FALSE(save.isVisible());
  }
  {
    Tf_Sauve save;
    save.Game = TSavedGame::FromGridText(GridText(30, 1));
    save.show();
    TypeInto(save.e_NomGrille, QStringLiteral("Seconde"));
    Click(save.cc_grilledepart);                        // only the starting grid
    QTest::keyClick(save.e_NomGrille, Qt::Key_Return);  // the default button
    EXPECT_EQ(save.result(), QDialog::Accepted);
  }
  const QList<QByteArray> lines = ReadBytes(FilePath("defaut")).split('\n');
  ASSERT_EQ(lines.size(), 3);  // two lines and the end
  EXPECT_TRUE(lines[0].endsWith("|2|754|255\r")) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].contains(Givens.toLatin1() + "||2|30|1\r")) << lines[1].toStdString();

  // Going on where the first grid stopped.
  {
    Tf_Charge load;
    load.show();
    EXPECT_EQ(Entries(load.cb_FichierGrille), QStringList{QStringLiteral("defaut")});
    EXPECT_EQ(load.cb_FichierGrille->currentIndex(), -1);
    EXPECT_FALSE(load.b_Effacer->isVisible());
    Pick(load.cb_FichierGrille, 0);
    EXPECT_EQ(Entries(load.cb_Grilles), QStringList({"Première(" + Today() + ")", "Seconde(" + Today() + ")"}));
    EXPECT_EQ(load.cb_Grilles->currentIndex(), 0);
    EXPECT_EQ(load.m_Description->toPlainText(), QStringLiteral("commencée hier à finir"));
    Click(load.b_Charger);
    EXPECT_EQ(load.result(), QDialog::Accepted);
    EXPECT_EQ(load.Game().GridText(), GridText(754, 255));
    EXPECT_EQ(load.Game().Name, QStringLiteral("Première"));
  }
  // The second grid again from its start.
  {
    Tf_Charge load;
    load.show();
    Pick(load.cb_FichierGrille, 0);
    Pick(load.cb_Grilles, 1);
    EXPECT_EQ(load.m_Description->toPlainText(), QStringLiteral(" "));
    Click(load.cc_grilledepart);
    Click(load.b_Charger);
    EXPECT_EQ(load.result(), QDialog::Accepted);
    EXPECT_EQ(load.Game().GridText(), Givens + "||2|0|0");
  }
  EXPECT_TRUE(Errors.Messages.isEmpty());
}

TEST_F(SaveDialogsTest, AFailedSaveKeepsTheDialogOpenWithWhatWasTyped) {
  // Something other than a file where the file should be: it cannot be written.
  ASSERT_TRUE(QDir().mkpath(FilePath("defaut")));
  // Names that would leave the folder, or that say nothing.
  const QStringList refused = {QStringLiteral("../dehors"), QStringLiteral("a/b"), QStringLiteral("a\\b"),
                               QStringLiteral(".cachee"), QString()};

  Tf_Sauve save;
  save.Game = TSavedGame::FromGridText(GridText(0, 0));
  save.show();
  TypeInto(save.e_NomGrille, QStringLiteral("Ma grille"));
  TypeInto(save.m_Description, QStringLiteral("à garder"));
  const auto ExpectStillOpen = [&](const QString& What) {
    EXPECT_TRUE(save.isVisible()) << What.toStdString();
    EXPECT_NE(save.result(), QDialog::Accepted) << What.toStdString();
    EXPECT_EQ(save.e_NomGrille->text(), QStringLiteral("Ma grille"));
    EXPECT_EQ(save.m_Description->toPlainText(), QStringLiteral("à garder"));
  };

  Click(save.b_Enregistrer);
  EXPECT_PRED2(SaysCannotWriteOnce, Errors.Messages, QDir::toNativeSeparators(FilePath("defaut")));
  ExpectStillOpen(QStringLiteral("defaut"));

  // A full disk: the file cannot grow, and keeps what it held.
  const QByteArray held = "x| |01/02/2026|" + Givens.toLatin1() + "||1|0|0\r\n";
  ASSERT_TRUE(WriteBytes(FilePath("plein"), held));
  Errors.Messages.clear();
  ClearAndType(save.cb_FichierGrille, QStringLiteral("plein"));
  {
    FileSizeLimit full(rlim_t(held.size()));
    ASSERT_TRUE(full.Active());
    Click(save.b_Enregistrer);
  }
  EXPECT_PRED2(SaysCannotWriteOnce, Errors.Messages, QDir::toNativeSeparators(FilePath("plein")));
  ExpectStillOpen(QStringLiteral("plein"));
  EXPECT_EQ(ReadBytes(FilePath("plein")), held);

  for (const QString& name : refused) {
    Errors.Messages.clear();
    ClearAndType(save.cb_FichierGrille, name);
    Click(save.b_Enregistrer);
    EXPECT_EQ(Errors.Messages, QStringList{TDossierSauvegarde::CheckFileName(name)}) << name.toStdString();
    ExpectStillOpen(name);
    EXPECT_EQ(save.cb_FichierGrille->currentText(), name);
  }
  EXPECT_FALSE(QFileInfo::exists(Program.filePath("dehors.orv")));
  EXPECT_EQ(QDir(SaveFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("plein.orv")});
}

TEST_F(SaveDialogsTest, WhatTheFileCannotHoldIsRefusedAsTypedAndTold) {
  Tf_Sauve save;
  save.Game = TSavedGame::FromGridText(GridText(0, 0));
  save.show();
  EXPECT_FALSE(save.l_CaracteresRefuses->isVisible());
  TypeInto(save.e_NomGrille, QStringLiteral("Bonhomme ☃ à 5 €"));
  EXPECT_EQ(save.e_NomGrille->text(), QStringLiteral("Bonhomme  à 5 €"));
  EXPECT_TRUE(save.l_CaracteresRefuses->isVisible());
  EXPECT_TRUE(save.l_CaracteresRefuses->text().endsWith(QStringLiteral("\u00A0: ☃")));
  TypeInto(save.m_Description, QStringLiteral("Ωœuf de Noël"));
  EXPECT_EQ(save.m_Description->toPlainText(), QStringLiteral("œuf de Noël"));
  EXPECT_TRUE(save.l_CaracteresRefuses->text().endsWith(QStringLiteral("\u00A0: Ω")));
  Click(save.b_Enregistrer);
  ASSERT_EQ(save.result(), QDialog::Accepted);
  EXPECT_TRUE(ReadBytes(FilePath("defaut")).startsWith("Bonhomme  \xE0 5 \x80|\x9Cuf de No\xEBl|"));
}

TEST_F(SaveDialogsTest, AFileOfThreeHundredGridsOpensAListOfFifteenRowsThatScrolls) {
  ASSERT_TRUE(QDir().mkpath(SaveFolder()));
  QByteArray lines;
  for (int k = 1; k <= 300; ++k)
    lines += "grille " + QByteArray::number(k) + "| |01/02/2026|" + Givens.toLatin1() + "||1|0|0\r\n";
  ASSERT_TRUE(WriteBytes(FilePath("grand"), lines));
  Tf_Charge load;
  load.show();
  Pick(load.cb_FichierGrille, 0);
  ASSERT_EQ(load.cb_Grilles->count(), 300);
  load.cb_Grilles->showPopup();
  const QAbstractItemView* list = load.cb_Grilles->view();
  ASSERT_TRUE(list->isVisible());
  EXPECT_LE(list->height(), 16 * list->sizeHintForRow(0));
  EXPECT_TRUE(list->verticalScrollBar()->isVisible());
  load.cb_Grilles->hidePopup();
}

TEST_F(SaveDialogsTest, ManagementDeletesTheChosenGrid) {
  ASSERT_TRUE(QDir().mkpath(SaveFolder()));
  ASSERT_TRUE(WriteBytes(FilePath("gestion"), "un| |01/02/2026|" + Givens.toLatin1() +
                                                  "||1|0|0\r\n"
                                                  "deux| |01/02/2026|" +
                                                  Givens.toLatin1() +
                                                  "||1|0|0\r\n"
                                                  "trois| |01/02/2026|" +
                                                  Givens.toLatin1() + "||1|0|0\r\n"));
  TOptions options(TAppFolders::SettingsFile());
  Tf_Options screen(&Main.MainWindow);
  screen.setGeometry(Main.MainWindow.rect());
  screen.Setup(&options);
  Main.MainWindow.show();

  // From the options screen, in the dialog it opens.
  WhenModal<Tf_Charge>([](Tf_Charge& manage) {
    EXPECT_FALSE(manage.b_Charger->isVisible());
    EXPECT_FALSE(manage.b_Annuler->isVisible());
    EXPECT_FALSE(manage.cc_grilledepart->isVisible());
    EXPECT_TRUE(manage.b_Effacer->isVisible());
    Pick(manage.cb_FichierGrille, 0);
    Pick(manage.cb_Grilles, 1);
    Click(manage.b_Effacer);
    EXPECT_EQ(Entries(manage.cb_Grilles),
              QStringList({QStringLiteral("un(01/02/2026)"), QStringLiteral("trois(01/02/2026)")}));
    EXPECT_EQ(manage.cb_Grilles->currentIndex(), 0);
    Click(manage.b_Fermer);
  });
  Click(screen.hl_Sauvegarde);
  EXPECT_EQ(ReadBytes(FilePath("gestion")), "un| |01/02/2026|" + Givens.toLatin1() +
                                                "||1|0|0\r\n"
                                                "trois| |01/02/2026|" +
                                                Givens.toLatin1() + "||1|0|0\r\n");
  EXPECT_TRUE(screen.isVisible());
  EXPECT_TRUE(Main.Calls.isEmpty());

  // The file changed behind the dialog's back: the grid is no longer there.
  Tf_Charge manage;
  manage.SetManageMode();
  manage.show();
  Pick(manage.cb_FichierGrille, 0);
  Pick(manage.cb_Grilles, 1);
  ASSERT_TRUE(WriteBytes(FilePath("gestion"), "seul| |01/02/2026|" + Givens.toLatin1() + "||1|0|0\r\n"));
  Click(manage.b_Effacer);
  EXPECT_EQ(Errors.Messages.size(), 1);
  EXPECT_EQ(Entries(manage.cb_Grilles), QStringList{QStringLiteral("seul(01/02/2026)")});
}

}  // namespace
