// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagegrille.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <array>

#include "griddrawing.h"
#include "look.h"

namespace {

using M = TImageGrille::TMarque;
constexpr auto Jaune = TImageGrille::tt_Jaune;
constexpr auto Bleu = TImageGrille::tt_Bleu;
constexpr auto Vert = TImageGrille::tt_Vert;
constexpr auto Violet = TImageGrille::tt_Violet;
constexpr auto Cible = TImageGrille::mg_Cible;
constexpr auto Zone = TImageGrille::mg_Zone;
constexpr auto Note = TImageGrille::mg_Note;
constexpr auto Barre = TImageGrille::mg_Barre;

// An easy puzzle and its solution: the rules' filled grid, and the position of
// method 1.
const QString Facile =
    QStringLiteral("001060057026704010000130200100800030592000684030005001003072000010403560250090800");
const QString FacileSolution =
    QStringLiteral("381269457926754318475138296147826935592317684638945721863572149719483562254691873");

// Method 2: an easy game well under way.
const QString EnCours =
    QStringLiteral("060300054090040107154900630070420013010568000280731060526074398701000020030200740");

// Method 3: a medium puzzle as it starts.
const QString Moyen =
    QStringLiteral("053780020060004700070900530030170900000000000002069070096003050001600040020048160");

// The cells of a row, a column or a block, some left out.
void AddRow(std::vector<M>& Marks, int Row, TImageGrille::TTeinte Teinte, int SkipCol) {
  for (int c = 1; c <= 9; ++c)
    if (c != SkipCol) Marks.push_back({Row, c, Teinte, Zone});
}

void AddCol(std::vector<M>& Marks, int Col, TImageGrille::TTeinte Teinte, int SkipRow) {
  for (int r = 1; r <= 9; ++r)
    if (r != SkipRow) Marks.push_back({r, Col, Teinte, Zone});
}

void AddBlock(std::vector<M>& Marks, int Block, TImageGrille::TTeinte Teinte, int SkipRow, int SkipCol) {
  const int top = 3 * ((Block - 1) / 3) + 1;
  const int left = 3 * ((Block - 1) % 3) + 1;
  for (int r = top; r < top + 3; ++r)
    for (int c = left; c < left + 3; ++c)
      if (r != SkipRow || c != SkipCol) Marks.push_back({r, c, Teinte, Zone});
}

TImageGrille::TModele MakeRegions() {
  // The cell the presentation takes as an example: row 2, column 7, in C.
  return {QString(81, u'0'), QString(), 22, true, {{2, 7, Jaune, Cible}}};
}

TImageGrille::TModele MakeRemplie() { return {Facile, FacileSolution, 22, false, {}}; }

TImageGrille::TModele MakeConseil1() {
  std::vector<M> marks = {
      // By a band of rows: the 2s of A and C and the 2 of column 6 leave row 1,
      // column 4 in B.
      {2, 2, Jaune, Zone},
      {3, 7, Jaune, Zone},
      {7, 6, Jaune, Zone},
      {1, 4, Jaune, Cible, 2},
      // By a band of columns: the 6s of F and I and the 6 of row 2 leave row 3,
      // column 9 in C.
      {5, 7, Bleu, Zone},
      {8, 8, Bleu, Zone},
      {2, 3, Bleu, Zone},
      {3, 9, Bleu, Cible, 6},
      // Rows and columns together: the 7 of row 7 and the 7 of column 9 leave
      // row 9, column 8 in I.
      {7, 5, Vert, Zone},
      {1, 9, Vert, Zone},
      {9, 8, Vert, Cible, 7},
  };
  return {Facile, QString(), 21, true, marks};
}

TImageGrille::TModele MakeConseil2() {
  std::vector<M> marks;
  // Row 7 lacks only its 1, column 2 its 4, block E its 9.
  AddRow(marks, 7, Jaune, 4);
  marks.push_back({7, 4, Jaune, Cible, 1});
  AddCol(marks, 2, Bleu, 8);
  marks.push_back({8, 2, Bleu, Cible, 4});
  AddBlock(marks, 5, Vert, 4, 6);
  marks.push_back({4, 6, Vert, Cible, 9});
  // Row 3 lacks 2, 7 and 8: column 5 takes the 8, column 9 the 2, column 6 the 7.
  marks.push_back({3, 5, Violet, Cible, 8});
  marks.push_back({3, 9, Violet, Cible, 2});
  marks.push_back({3, 6, Violet, Cible, 7});
  return {EnCours, QString(), 21, true, marks};
}

TImageGrille::TModele MakeConseil3() {
  std::vector<M> marks = {
      // Row 7: the 1 has no other place than column 5.
      {7, 1, Jaune, Zone},
      {7, 4, Jaune, Zone},
      {7, 7, Jaune, Zone},
      {7, 9, Jaune, Zone},
      {7, 5, Jaune, Cible, 1},
      // Row 1: the 9 goes to column 1 or 9; in I it stays in column 9, which
      // rules out row 1, column 9.
      {8, 9, Vert, Note, 9},
      {9, 9, Vert, Note, 9},
      {1, 9, Vert, Barre},
      {1, 1, Vert, Cible, 9},
  };
  return {Moyen, QString(), 21, true, marks};
}

// The game's grid colours: its board, the player's digits and the digit a
// hint places.
const QColor Board(255, 255, 210);
const QColor PlayerDigit(255, 128, 0);
const QColor HintDigit(255, 0, 0);

// A zone's colour: the highlight's colour halfway to the board's.
QColor Light(TImageGrille::TTeinte Teinte) {
  const QColor full = TImageGrille::Couleur(Teinte);
  return QColor((full.red() + Board.red()) / 2, (full.green() + Board.green()) / 2, (full.blue() + Board.blue()) / 2);
}

// The band of numbers above and left of the grid.
int Margin(int CellSize) { return CellSize <= 21 ? 16 : 18; }

QRect CellRect(int Row, int Col, int W) { return {(Col - 1) * W + 1, (Row - 1) * W + 1, W - 1, W - 1}; }

}  // namespace

const TImageGrille::TModele& TImageGrille::Modele(TDessin Dessin) {
  static const std::array<TModele, 5> models = {MakeRegions(), MakeRemplie(), MakeConseil1(), MakeConseil2(),
                                                MakeConseil3()};
  return models[std::size_t(Dessin)];
}

QSize TImageGrille::Taille(TDessin Dessin) {
  const int w = Modele(Dessin).CellSize;
  const int side = Margin(w) + 9 * w + 1;
  return {side, side};
}

QColor TImageGrille::Couleur(TTeinte Teinte) {
  switch (Teinte) {
    case tt_Jaune:
      return {255, 211, 60};
    case tt_Bleu:
      return {120, 180, 240};
    case tt_Vert:
      return {130, 205, 110};
    case tt_Violet:
      return {185, 160, 245};
  }
  return {};
}

QString TImageGrille::NomCouleur(TTeinte Teinte) {
  switch (Teinte) {
    case tt_Jaune:
      return QStringLiteral("jaune");
    case tt_Bleu:
      return QStringLiteral("bleu");
    case tt_Vert:
      return QStringLiteral("vert");
    case tt_Violet:
      return QStringLiteral("violet");
  }
  return {};
}

QImage TImageGrille::Render(TDessin Dessin, qreal Ratio) {
  const TModele& model = Modele(Dessin);
  const int w = model.CellSize;
  const int margin = Margin(w);
  const int side = 9 * w + 1;
  const QSize size = Taille(Dessin);

  QImage image((QSizeF(size) * Ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(Ratio);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);

  // Column numbers above, row numbers on the left.
  painter.setFont(Look::PixelFont(Look::GridFamily, margin - 5, true));
  painter.setPen(QColor(110, 90, 30));
  for (int k = 1; k <= 9; ++k) {
    const QString number = QString::number(k);
    painter.drawText(QRect(margin + (k - 1) * w, 0, w + 1, margin - 1), Qt::AlignCenter, number);
    painter.drawText(QRect(0, margin + (k - 1) * w, margin - 2, w + 1), Qt::AlignCenter, number);
  }
  painter.translate(margin, margin);

  // The board in the game's colour, the highlights under the digits, then the
  // region letters.
  painter.fillRect(0, 0, side, side, Board);
  // An empty grid shows its regions in two shades, as a draughtboard.
  const bool empty = model.Givens.count(u'0') == 81;
  if (empty)
    for (int block = 1; block < 9; block += 2)
      painter.fillRect((block % 3) * 3 * w, (block / 3) * 3 * w, 3 * w, 3 * w, QColor(244, 234, 178));
  for (const TMarque& mark : model.Marques)
    if (mark.Genre != mg_Barre)
      painter.fillRect(CellRect(mark.Row, mark.Col, w),
                       mark.Genre == mg_Cible ? Couleur(mark.Teinte) : Light(mark.Teinte));
  if (model.Letters) {
    painter.setFont(Look::PixelFont(Look::TitleFamily, empty ? 2 * w : int(1.7 * w)));
    painter.setPen(empty ? QColor(128, 0, 0, 150) : QColor(0, 0, 0, 44));
    for (int block = 0; block < 9; ++block) {
      const QRect region((block % 3) * 3 * w, (block / 3) * 3 * w, 3 * w, 3 * w);
      painter.drawText(region, Qt::AlignCenter, QString(QChar(u'A' + block)));
    }
  }

  // The grid itself, by the game's own drawing, on a transparent board so
  // that the highlights show through.
  TGridState state = TGridState::FromText(model.Givens.toStdString(), model.Digits.toStdString());
  for (const TMarque& mark : model.Marques) {
    if (mark.Digit <= 0) continue;
    TCellShown& cell = state.At(mark.Row, mark.Col);
    if (mark.Genre == mg_Cible)
      cell.Digit = std::uint8_t(mark.Digit);
    else if (mark.Genre == mg_Note)
      cell.Notes = std::uint16_t(cell.Notes | (1u << (mark.Digit - 1)));
  }
  TGridLook look;
  look.CellWidth = w;
  look.CellHeight = w;
  look.DigitSize = w >= 22 ? 12 : 11;
  look.NoteSize = 10;
  look.CouleurFond = QColor(Qt::transparent);
  // The player's digits in the game's colour; the digits an example finds in
  // the colour of a hint's digit.
  look.CouleurChiffre = model.Digits.isEmpty() ? HintDigit : PlayerDigit;
  PaintGrid(painter, state, look);

  // Positions ruled out: a red cross over the cell.
  painter.setRenderHint(QPainter::Antialiasing);
  for (const TMarque& mark : model.Marques) {
    if (mark.Genre != mg_Barre) continue;
    const QRectF cell = QRectF(CellRect(mark.Row, mark.Col, w)).adjusted(4, 4, -4, -4);
    painter.setPen(QPen(QColor(200, 20, 20), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(cell.topLeft(), cell.bottomRight());
    painter.drawLine(cell.topRight(), cell.bottomLeft());
  }
  return image;
}

TImageGrille::TImageGrille(TDessin Dessin, QWidget* Parent) : TImage(Parent), Dessin_(Dessin) {
  setObjectName(QStringLiteral("ImageGrille%1").arg(int(Dessin)));
  setFixedSize(Taille(Dessin));
  Ratio_ = devicePixelRatioF();
  SetImage(Render(Dessin_, Ratio_));
}

void TImageGrille::paintEvent(QPaintEvent* Event) {
  // A window moved to a screen of another scale draws the picture anew.
  const qreal ratio = devicePixelRatioF();
  if (ratio != Ratio_) {
    Ratio_ = ratio;
    SetImage(Render(Dessin_, Ratio_));
  }
  TImage::paintEvent(Event);
}
