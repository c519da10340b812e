// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the two title pictures of the menu board, with every letter and digit
// turned into paths so that the pictures look the same on every machine:
//   title_orvalis.svg  the name "Orvalis" in Leckerli One, light outline, soft shadow;
//   title_motif.svg    a small tilted 3 by 3 grid with Comic Neue digits.
// Both are laid out together in the board's coordinates and then written relative
// to the places where the main window puts them: the title at (80, 13) and the
// motif at (216, 49) on the 433 by 517 board.
//
// Usage: orvalis-make-title <pictures folder>
//        orvalis-make-title glyph <family> <weight> <pixel size> <text>
// The second form prints the path data of a text centred on (0, 0), for the
// hand-drawn pictures that show a digit.

#include "glyphpaths.h"

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPainterPathStroker>
#include <QPointF>
#include <QPolygonF>
#include <QStringList>
#include <QTextStream>
#include <QTransform>

#include <cmath>
#include <cstdio>

namespace {

// Board places of the two pictures.
const QPointF TitleOrigin(80, 13);
const QPointF MotifOrigin(216, 49);

// The word.
const QString TitleFamily = QStringLiteral("Leckerli One");
constexpr qreal TitleSize = 60;      // pixel size of the font
constexpr qreal TitleLeft = 86;      // board x of the word's leftmost ink
constexpr qreal TitleBaseline = 76;  // board y of the baseline
constexpr qreal OutlineWidth = 2.6;  // light band around the letters
constexpr qreal TitleSlant = -3.0;   // degrees; a slight rise to the right

// The tile.
const QString DigitFamily = QStringLiteral("Comic Neue");
constexpr qreal TileSide = 44;
constexpr qreal TileAngle = -8;      // degrees; negative leans it to the left
constexpr qreal TileGap = 14;        // space between the word and the tile
constexpr qreal TileCentreY = 75.5;  // board y of the tile's centre

const char* const Ink = "#3A2A1C";
const char* const Maroon = "#800000";
const char* const Cream = "#FFF6E0";
const char* const Olive = "#8C8C00";
const char* const Shadow = "#4A2A12";

QString Num(qreal V) { return SvgNumber(V, 2); }

// Qt's path operations flatten curves into lines with a fixed tolerance in
// path units; work eight times larger so that the lines stay far below a
// pixel, then drop the points that do not change the shape.
constexpr qreal WorkScale = 8;
constexpr qreal Tolerance = 0.025;  // pixels at 1x

void Simplify(const QPolygonF& In, qsizetype First, qsizetype Last, QList<bool>& Keep) {
  if (Last <= First + 1) return;
  const QPointF A = In[First];
  const QPointF B = In[Last];
  const QPointF AB = B - A;
  const qreal Length = std::hypot(AB.x(), AB.y());
  qreal Worst = -1;
  qsizetype At = First;
  for (qsizetype i = First + 1; i < Last; ++i) {
    const QPointF AP = In[i] - A;
    const qreal D = Length > 1e-9 ? std::abs(AB.x() * AP.y() - AB.y() * AP.x()) / Length : std::hypot(AP.x(), AP.y());
    if (D > Worst) {
      Worst = D;
      At = i;
    }
  }
  if (Worst > Tolerance) {
    Keep[At] = true;
    Simplify(In, First, At, Keep);
    Simplify(In, At, Last, Keep);
  }
}

QPainterPath SimplifiedPolygons(const QPainterPath& Path) {
  // The outlines never cross (the path was simplified): even-odd fill.
  QPainterPath Result;
  Result.setFillRule(Qt::OddEvenFill);
  for (const QPolygonF& Polygon : Path.toSubpathPolygons()) {
    if (Polygon.size() < 3) continue;
    // Split the closed ring at its farthest point from the start, so that the
    // two halves are simplified as open lines.
    qsizetype Far = 0;
    qreal FarDistance = -1;
    for (qsizetype i = 1; i < Polygon.size(); ++i) {
      const QPointF D = Polygon[i] - Polygon[0];
      if (std::hypot(D.x(), D.y()) > FarDistance) {
        FarDistance = std::hypot(D.x(), D.y());
        Far = i;
      }
    }
    QList<bool> Keep(Polygon.size(), false);
    Keep[0] = Keep[Far] = Keep[Polygon.size() - 1] = true;
    Simplify(Polygon, 0, Far, Keep);
    Simplify(Polygon, Far, Polygon.size() - 1, Keep);
    QPolygonF Kept;
    for (qsizetype i = 0; i < Polygon.size(); ++i)
      if (Keep[i]) Kept << Polygon[i];
    if (Kept.size() >= 3) {
      Result.addPolygon(Kept);
      Result.closeSubpath();
    }
  }
  return Result;
}

QPainterPath Scaled(const QPainterPath& Path, qreal Factor) { return QTransform::fromScale(Factor, Factor).map(Path); }

// The shape grown by Radius all round (its union with a round-joined stroke).
QPainterPath Outlined(const QPainterPath& Shape, qreal Radius) {
  const QPainterPath Big = Scaled(Shape, WorkScale);
  QPainterPath Grown = Big;
  if (Radius > 0) {
    QPainterPathStroker Stroker;
    Stroker.setWidth(2 * Radius * WorkScale);
    Stroker.setJoinStyle(Qt::RoundJoin);
    Stroker.setCapStyle(Qt::RoundCap);
    Grown = Big.united(Stroker.createStroke(Big));
  }
  return SimplifiedPolygons(Scaled(Grown.simplified(), 1 / WorkScale));
}

// The part of Shape that Other does not cover.
QPainterPath Without(const QPainterPath& Shape, const QPainterPath& Other) {
  const QPainterPath Big = Scaled(Shape, WorkScale).subtracted(Scaled(Other, WorkScale));
  return SimplifiedPolygons(Scaled(Big.simplified(), 1 / WorkScale));
}

QString PathElement(const QPainterPath& Path, const QString& Attributes) {
  return QStringLiteral("  <path %1 d=\"%2\"/>\n").arg(Attributes, SvgPathData(Path));
}

bool WriteFile(const QString& FileName, const QString& Text) {
  QFile File(FileName);
  if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(FileName));
    return false;
  }
  File.write(Text.toUtf8());
  return true;
}

QString SvgHeader(int Width, int Height) {
  return QStringLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<!-- SPDX-License-Identifier: GPL-3.0-or-later -->\n"
             "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" "
             "width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\">\n")
      .arg(Width)
      .arg(Height);
}

// Soft shadow: the shape, shifted and widened step by step, each step faint, so
// that the layers add up to a shadow dark in its middle and fading at its edges.
QString SoftShadow(const QPainterPath& Shape, QPointF Offset, const QList<qreal>& Radii, qreal Opacity) {
  QString Out;
  for (qreal R : Radii) {
    QPainterPath Layer = Outlined(Shape, R).translated(Offset);
    Out += PathElement(
        Layer, QStringLiteral("fill=\"%1\" fill-opacity=\"%2\" fill-rule=\"evenodd\"").arg(Shadow, Num(Opacity)));
  }
  return Out;
}

struct Layout {
  QPainterPath Word;  // board coordinates
  QRectF WordBox;
  QTransform Tile;  // tile space (0..TileSide) to board coordinates
  QRectF TileBox;   // board bounding box of the tile with its shadow
};

Layout MakeLayout() {
  Layout L;
  QPainterPath Word = TextOutline(QStringLiteral("Orvalis"), TitleFamily, QFont::Normal, TitleSize);
  const QRectF Box = Word.boundingRect();
  QTransform T;
  T.translate(TitleLeft - Box.left(), TitleBaseline);
  T.rotate(TitleSlant);
  L.Word = T.map(Word);
  L.WordBox = L.Word.boundingRect();

  const qreal Half = TileSide / 2;
  const qreal Reach =
      Half * (std::cos(qDegreesToRadians(TileAngle)) + std::abs(std::sin(qDegreesToRadians(TileAngle))));
  const qreal CentreX = L.WordBox.right() + TileGap + Reach;
  L.Tile.translate(CentreX, TileCentreY);
  L.Tile.rotate(TileAngle);
  L.Tile.translate(-Half, -Half);
  L.TileBox = L.Tile.mapRect(QRectF(0, 0, TileSide, TileSide)).adjusted(-1, -0.5, 4, 5);
  return L;
}

QString TitleSvg(const Layout& L) {
  // The picture covers the word with its outline and shadow.
  const QRectF Area = L.WordBox.adjusted(-OutlineWidth - 2, -OutlineWidth - 2, OutlineWidth + 6, OutlineWidth + 7);
  const int Width = static_cast<int>(std::ceil(Area.right() - TitleOrigin.x()));
  const int Height = static_cast<int>(std::ceil(Area.bottom() - TitleOrigin.y()));
  const QPainterPath Word = L.Word.translated(-TitleOrigin);
  const QRectF Box = Word.boundingRect();

  QString Svg = SvgHeader(Width, Height);
  Svg += QStringLiteral(
             "  <defs>\n"
             "    <linearGradient id=\"ink\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"%1\" x2=\"0\" y2=\"%2\">\n"
             "      <stop offset=\"0\" stop-color=\"#B3382C\"/>\n"
             "      <stop offset=\"0.5\" stop-color=\"#8E0C08\"/>\n"
             "      <stop offset=\"1\" stop-color=\"#620000\"/>\n"
             "    </linearGradient>\n"
             "  </defs>\n")
             .arg(Num(Box.top()), Num(Box.bottom()));

  const QPainterPath Silhouette = Outlined(Word, OutlineWidth);
  Svg += SoftShadow(Silhouette, QPointF(1.6, 2.6), {2.2, 1.2, 0.3}, 0.13);
  Svg += PathElement(Silhouette, QStringLiteral("fill=\"%1\" fill-rule=\"evenodd\" stroke=\"#B8946A\" "
                                                "stroke-width=\"0.7\"")
                                     .arg(Cream));
  Svg += PathElement(Word, QStringLiteral("fill=\"url(#ink)\""));
  // A lighter rim along the upper left edges of the strokes, as if lit from there.
  const QPainterPath Rim = Without(Word, Word.translated(0.7, 1.1));
  Svg += PathElement(Rim, QStringLiteral("fill=\"#E07A6A\" fill-opacity=\"0.55\" fill-rule=\"evenodd\""));
  Svg += QStringLiteral("</svg>\n");
  return Svg;
}

QPainterPath DigitCentred(const QString& Digit, qreal Size) {
  QPainterPath P = TextOutline(Digit, DigitFamily, QFont::Bold, Size);
  const QRectF B = P.boundingRect();
  return P.translated(-B.center());
}

// The tile in its own square space (0 to TileSide), like the application icon:
// paper, olive grid lines, a maroon edge, four given digits in the corners and
// the middle cell raised in maroon with a cream 7.
QString MotifSvg(const Layout& L) {
  const QRectF Area = L.TileBox;
  const int Width = static_cast<int>(std::ceil(Area.right() - MotifOrigin.x()));
  const int Height = static_cast<int>(std::ceil(Area.bottom() - MotifOrigin.y()));
  if (Area.left() < MotifOrigin.x() || Area.top() < MotifOrigin.y())
    std::fprintf(stderr, "warning: the tile reaches outside the motif picture (%g, %g)\n", Area.left(), Area.top());
  const QPointF Centre = L.Tile.map(QPointF(TileSide / 2, TileSide / 2)) - MotifOrigin;
  const QString Place = QStringLiteral("translate(%1 %2) rotate(%3) translate(%4 %4)")
                            .arg(Num(Centre.x()), Num(Centre.y()), Num(TileAngle), Num(-TileSide / 2));
  const QString ShadowPlace =
      QStringLiteral("translate(%1 %2) rotate(%3) translate(%4 %4)")
          .arg(Num(Centre.x() + 1.2), Num(Centre.y() + 2.0), Num(TileAngle), Num(-TileSide / 2));
  const qreal Cell = TileSide / 3;
  const qreal Radius = TileSide * 0.13;
  const qreal Raised = Cell * 1.41;  // the raised cell overlaps the lines round it
  const qreal R0 = (TileSide - Raised) / 2;
  const QString S = Num(TileSide);

  QString Svg = SvgHeader(Width, Height);
  Svg += QStringLiteral(
             "  <defs>\n"
             "    <linearGradient id=\"paper\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"%1\">\n"
             "      <stop offset=\"0\" stop-color=\"#FFFEF6\"/>\n"
             "      <stop offset=\"1\" stop-color=\"#F2E3C0\"/>\n"
             "    </linearGradient>\n"
             "    <linearGradient id=\"mark\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"%2\" x2=\"0\" y2=\"%3\">\n"
             "      <stop offset=\"0\" stop-color=\"#A8342C\"/>\n"
             "      <stop offset=\"1\" stop-color=\"#6E0000\"/>\n"
             "    </linearGradient>\n"
             "  </defs>\n")
             .arg(S, Num(R0), Num(R0 + Raised));
  // Soft shadow: three rounded squares, each larger and fainter.
  Svg += QStringLiteral("  <g transform=\"%1\" fill=\"%2\">\n").arg(ShadowPlace, Shadow);
  for (int i = 2; i >= 0; --i) {
    const qreal Grow = i * 0.9;
    Svg += QStringLiteral("    <rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" rx=\"%3\" fill-opacity=\"%4\"/>\n")
               .arg(Num(-Grow), Num(TileSide + 2 * Grow), Num(Radius + Grow), Num(0.06 + 0.035 * (2 - i)));
  }
  Svg += QStringLiteral("  </g>\n");

  Svg += QStringLiteral("  <g transform=\"%1\">\n").arg(Place);
  Svg += QStringLiteral("    <rect x=\"0\" y=\"0\" width=\"%1\" height=\"%1\" rx=\"%2\" fill=\"url(#paper)\"/>\n")
             .arg(S, Num(Radius));
  const qreal In = 1.5;
  Svg += QStringLiteral(
             "    <path d=\"M%1 %3 V%4 M%2 %3 V%4 M%3 %1 H%4 M%3 %2 H%4\" fill=\"none\" stroke=\"%5\" "
             "stroke-width=\"1.2\"/>\n")
             .arg(Num(Cell), Num(2 * Cell), Num(In), Num(TileSide - In), QString::fromLatin1(Olive));
  Svg += QStringLiteral(
             "    <rect x=\"0\" y=\"0\" width=\"%1\" height=\"%1\" rx=\"%2\" fill=\"none\" stroke=\"%3\" "
             "stroke-width=\"2\"/>\n")
             .arg(S, Num(Radius), QString::fromLatin1(Maroon));

  // The given digits, one in each corner cell.
  struct Placed {
    int Row, Col;
    const char* Digit;
  };
  const Placed Digits[] = {{0, 0, "5"}, {0, 2, "9"}, {2, 0, "4"}, {2, 2, "1"}};
  const qreal DigitSize = Cell * 0.78;
  QPainterPath Given;
  for (const Placed& D : Digits)
    Given.addPath(
        DigitCentred(QString::fromLatin1(D.Digit), DigitSize).translated((D.Col + 0.5) * Cell, (D.Row + 0.5) * Cell));
  Svg += QStringLiteral("    <path fill=\"%1\" d=\"%2\"/>\n").arg(QString::fromLatin1(Ink), SvgPathData(Given));

  // The raised middle cell and its digit.
  const qreal RaisedRadius = Raised * 0.19;
  Svg += QStringLiteral(
             "    <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" rx=\"%4\" fill=\"%5\" fill-opacity=\"0.22\"/>\n")
             .arg(Num(R0 + 0.6), Num(R0 + 1.3), Num(Raised), Num(RaisedRadius), QString::fromLatin1(Shadow));
  Svg += QStringLiteral(
             "    <rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" rx=\"%3\" fill=\"url(#mark)\" "
             "stroke=\"#5A0000\" stroke-width=\"0.8\"/>\n")
             .arg(Num(R0), Num(Raised), Num(RaisedRadius));
  Svg +=
      QStringLiteral(
          "    <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"#FFFFFF\" fill-opacity=\"0.18\"/>\n")
          .arg(Num(R0 + Raised * 0.1), Num(R0 + Raised * 0.08), Num(Raised * 0.8), Num(Raised * 0.19),
               Num(Raised * 0.095));
  const QPainterPath Seven =
      DigitCentred(QStringLiteral("7"), Raised * 0.8).translated(TileSide / 2, TileSide / 2 + 0.2);
  Svg += QStringLiteral("    <path fill=\"%1\" d=\"%2\"/>\n").arg(QString::fromLatin1(Cream), SvgPathData(Seven));
  Svg += QStringLiteral("  </g>\n</svg>\n");
  return Svg;
}

int PrintGlyph(const QStringList& Args) {
  if (Args.size() < 6) return 2;
  bool Ok1 = false, Ok2 = false;
  const int Weight = Args[3].toInt(&Ok1);
  const qreal Size = Args[4].toDouble(&Ok2);
  if (!Ok1 || !Ok2) return 2;
  QPainterPath P = TextOutline(Args[5], Args[2], Weight, Size);
  const QRectF B = P.boundingRect();
  P.translate(-B.center());
  std::printf("<!-- %s, %g x %g -->\n%s\n", qPrintable(Args[5]), P.boundingRect().width(), P.boundingRect().height(),
              qPrintable(SvgPathData(P)));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication App(argc, argv);
  const QStringList Args = App.arguments();
  if (Args.size() >= 2 && Args[1] == QLatin1String("glyph")) {
    const int Status = PrintGlyph(Args);
    if (Status != 0) std::fprintf(stderr, "usage: %s glyph <family> <weight> <pixel size> <text>\n", argv[0]);
    return Status;
  }
  if (Args.size() != 2) {
    std::fprintf(stderr, "usage: %s <pictures folder>\n", argv[0]);
    return 2;
  }
  const Layout L = MakeLayout();
  std::printf("word: x %g..%g, y %g..%g; tile: x %g..%g, y %g..%g\n", L.WordBox.left(), L.WordBox.right(),
              L.WordBox.top(), L.WordBox.bottom(), L.TileBox.left(), L.TileBox.right(), L.TileBox.top(),
              L.TileBox.bottom());
  const QString Folder = Args[1] + QLatin1Char('/');
  if (!WriteFile(Folder + QStringLiteral("title_orvalis.svg"), TitleSvg(L))) return 1;
  if (!WriteFile(Folder + QStringLiteral("title_motif.svg"), MotifSvg(L))) return 1;
  return 0;
}
