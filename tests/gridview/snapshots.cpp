// SPDX-License-Identifier: GPL-3.0-or-later
// Writes PNG pictures of the grid view and of the widgets into the folder given
// on the command line (the build folder's "snapshots" by default), for looking
// at what the player sees.
//
//   orvalis-snapshots [folder]
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <cstdio>

#include "carrecoche.h"
#include "dessin.h"
#include "edition2.h"
#include "fond.h"
#include "fondcopie.h"
#include "fonts.h"
#include "grillesudoku.h"
#include "hotlabel.h"
#include "rondcoche.h"

namespace {

const char* const Puzzle = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";

QImage Render(QWidget& Widget) {
  QImage image(Widget.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  Widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

bool Save(const QImage& Image, const QDir& Folder, const QString& Name) {
  const QString path = Folder.filePath(Name);
  if (!Image.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

// A game in progress, dressed as the game screen dresses its grid view.
void SetUpGame(TGrilleSudoku& View, TTypeBrique Type) {
  View.SetCouleurFond(QColor(255, 255, 210));
  View.CouleurSelection = QColor(255, 255, 0);
  View.CouleurChiffre = QColor(255, 128, 0);
  View.CouleurChiffreFixe = QColor(0, 0, 0);
  View.CouleurChiffreHint = QColor(255, 0, 0);
  View.CouleurErreur = QColor(255, 0, 0);  // the settings' defaults
  View.CouleurImpossible = QColor(128, 0, 128);
  View.ShowErreur = true;
  View.ShowImpossible = true;
  View.TypeBrique = Type;
  View.SetLargeurCase(45);
  View.SetHauteurCase(45);
  View.TailleEcriture = 22;
  View.TaillePossibilite = 8;
  View.LoadGrid(QString::fromLatin1(Puzzle), QString(), 1);
  auto enter = [&](int Row, int Col, int Digit, bool Note) {
    View.SelRow = Row;
    View.SelCol = Col;
    View.EnterAtSelection(Digit, Note);
  };
  enter(1, 3, 4, false);  // right digits of the player
  enter(1, 4, 6, false);
  enter(2, 2, 7, false);
  enter(9, 1, 3, false);
  enter(3, 1, 2, false);                                  // allowed but wrong: the error colour
  enter(3, 4, 9, false);                                  // a second 9 in its row: the rule-break colour
  for (int d : {1, 2, 5, 7, 8, 9}) enter(5, 2, d, true);  // pencil marks on two lines
  for (int d = 1; d <= 9; ++d) enter(6, 3, d, true);      // all nine, three lines
  enter(8, 1, 2, true);
  QString hint;
  View.GiveHint(hint);
  View.SelRow = 7;
  View.SelCol = 5;
  View.update();
}

QImage WidgetsPanel() {
  Tf_Dessin holder;
  TFondCopie panel;
  panel.SetModele(holder.fondJaune);
  panel.resize(360, 250);
  QFont font(QStringLiteral("Comic Sans MS"));
  font.setPixelSize(16);

  THotLabel plain(QStringLiteral("Nouvelle grille"), &panel);
  THotLabel hovered(QStringLiteral("Indice"), &panel);
  THotLabel bold(QStringLiteral("Règles du jeu"), &panel);
  for (THotLabel* label : {&plain, &hovered, &bold}) {
    label->setFont(font);
    label->SetCouleur(Qt::black);
    label->SetCouleurOver(QColor(128, 0, 0));
  }
  bold.SetTypeHot(THotLabel::th_Gras);
  plain.move(12, 12);
  hovered.move(12, 36);
  bold.move(12, 60);
  for (THotLabel* label : {&plain, &hovered, &bold}) label->adjustSize();
  QEnterEvent enterHovered(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(&hovered, &enterHovered);
  QEnterEvent enterBold(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(&bold, &enterBold);

  TCarreCoche chrono(&panel), restart(&panel), disabled(&panel);
  chrono.SetCaption(QStringLiteral("Afficher le chronomètre"));
  chrono.SetChecked(true);
  restart.SetCaption(QStringLiteral("Recommencer la grille"));
  disabled.SetCaption(QStringLiteral("Désactivée, cochée"));
  disabled.SetChecked(true);
  disabled.setEnabled(false);
  TRondCoche normal(&panel), notes(&panel);
  normal.SetCaption(QStringLiteral("Normal"));
  notes.SetCaption(QStringLiteral("Possibilités"));
  notes.SetChecked(true);
  notes.Setcouleurcoche(QColor(0, 0, 128));
  TCarreCoche leftCaption(&panel);
  leftCaption.SetAlignement(TBoutonCoche::taGauche);
  leftCaption.SetCaption(QStringLiteral("Case à droite"));
  int y = 90;
  for (TBoutonCoche* box : {static_cast<TBoutonCoche*>(&chrono), static_cast<TBoutonCoche*>(&restart),
                            static_cast<TBoutonCoche*>(&disabled), static_cast<TBoutonCoche*>(&normal),
                            static_cast<TBoutonCoche*>(&notes), static_cast<TBoutonCoche*>(&leftCaption)}) {
    box->setFont(font);
    box->Setautosize(true);
    box->move(12, y);
    y += 24;
  }

  TFond blue(&panel);
  QImage blueTile(10, 10, QImage::Format_RGB888);
  blueTile.fill(QColor(166, 202, 240));
  blue.SetBitmap(Tf_Dessin::FondJaunePicture(Look::DayColours));
  blue.SetBitmapSelection(blueTile);
  blue.MargeMotif()->SetLeft(1);
  blue.MargeMotif()->SetTop(1);
  blue.MargeMotif()->SetRight(1);
  blue.MargeMotif()->SetBottom(1);
  blue.hide();
  TEdition2 field(&panel), selected(&panel);
  for (TEdition2* edit : {&field, &selected}) {
    edit->SetModele(&blue);
    edit->resize(130, 24);
    edit->OnPaint = [](TFondModele* Sender, QPainter& Canvas) {
      auto* e = static_cast<TEdition2*>(Sender);
      Canvas.setFont(e->font());
      Canvas.drawText(QRect(4, 0, e->width() - 8, e->height()), Qt::AlignVCenter, e->Text());
    };
  }
  field.SetText(QStringLiteral("Grille du jour"));
  field.move(215, 12);
  selected.SetText(QStringLiteral("Sélection"));
  selected.SetSelectionne(true);
  selected.move(215, 44);
  return Render(panel);
}

// The historical font names as they resolve, beside the other candidates.
QImage FontSamples() {
  const QString sample = QStringLiteral("Règles du jeu — Félicitations ! 123 œ ç à");
  const QStringList families = {QStringLiteral("Comic Sans MS"), QStringLiteral("Chow Fun"),
                                QStringLiteral("Leckerli One"),  QStringLiteral("Kaushan Script"),
                                QStringLiteral("Papyrus"),       QStringLiteral("Klaudia"),
                                QStringLiteral("Berenika")};
  QImage image(620, 40 * int(families.size()) + 10, QImage::Format_RGB32);
  image.fill(QColor(255, 255, 210));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);
  int y = 32;
  for (const QString& family : families) {
    QFont font(family);
    font.setPixelSize(24);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    painter.drawText(6, y - 20, family + QStringLiteral(" -> ") + ResolvedFontFamily(family));
    painter.setFont(font);
    painter.drawText(150, y, sample);
    y += 40;
  }
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallFontSubstitutions();
  const QString folderPath = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                      : QCoreApplication::applicationDirPath() + QStringLiteral("/snapshots");
  QDir folder(folderPath);
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(folderPath));
    return 1;
  }
  bool ok = true;

  TGrilleSudoku digits;
  SetUpGame(digits, tb_Chiffre);
  const QImage digitsImage = Render(digits);
  ok &= Save(digitsImage, folder, QStringLiteral("grid-digits.png"));
  // Four times larger, to see the pixels: the top-left block with the two error
  // backgrounds, and the selected cell.
  ok &= Save(digitsImage.copy(0, 0, 185, 140).scaled(740, 560), folder, QStringLiteral("grid-digits-zoom-errors.png"));
  ok &= Save(digitsImage.copy(170, 260, 70, 60).scaled(280, 240), folder,
             QStringLiteral("grid-digits-zoom-selection.png"));

  TGrilleSudoku letters;
  SetUpGame(letters, tb_Lettre);
  ok &= Save(Render(letters), folder, QStringLiteral("grid-letters.png"));

  // The paper look, at its own 361-pixel size.
  QImage paper(TGridLook::PaperSize, TGridLook::PaperSize, QImage::Format_RGB32);
  paper.fill(Qt::white);
  {
    QPainter painter(&paper);
    digits.DrawGrid(painter, 40, 40, 20, 8, true);
  }
  ok &= Save(paper, folder, QStringLiteral("grid-paper.png"));

  ok &= Save(WidgetsPanel(), folder, QStringLiteral("widgets.png"));
  ok &= Save(FontSamples(), folder, QStringLiteral("fonts.png"));
  return ok ? 0 : 1;
}
