// SPDX-License-Identifier: GPL-3.0-or-later
#include "griddrawing.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "gridcolours.h"
#include "grille.h"

namespace {

// The width a text takes once drawn, in the painter's units. Glyph advances
// change with size, so the font is measured at the size its glyphs really get
// on the device: a painter scaled onto paper draws them many times larger than
// the 361-unit picture does.
qreal DrawnWidth(const QPainter& Canvas, const QFont& Font, const QString& Text) {
  const QTransform& t = Canvas.worldTransform();
  const qreal scale = std::hypot(t.m11(), t.m12()) * Canvas.device()->devicePixelRatioF();
  const int size = Font.pixelSize();
  if (size <= 0 || scale <= 0) return QFontMetricsF(Font, Canvas.device()).horizontalAdvance(Text);
  const int drawnSize = std::max(1, qRound(size * scale));
  QFont drawn(Font);
  drawn.setPixelSize(drawnSize);
  return QFontMetricsF(drawn, Canvas.device()).horizontalAdvance(Text) * size / drawnSize;
}

// One line of candidates with its baseline at (X, Y), narrowed when it is
// wider than Room, so that the marks never run into the cell's lines (four
// letters and their dashes are wider than a 40-pixel cell in some fonts). The
// mark Highlight (when it is in the line) gets a Mark background behind it.
void DrawNoteLine(QPainter& Canvas, int X, int Y, int Room, const QString& Text, const QString& Highlight,
                  const QColor& Mark) {
  const qreal width = DrawnWidth(Canvas, Canvas.font(), Text);
  const qsizetype at = Highlight.isEmpty() ? -1 : Text.indexOf(Highlight);
  const qreal left = at > 0 ? DrawnWidth(Canvas, Canvas.font(), Text.left(at)) : 0;
  const qreal wide = at >= 0 ? DrawnWidth(Canvas, Canvas.font(), Highlight) : 0;
  const QFontMetrics metrics = Canvas.fontMetrics();
  Canvas.save();
  Canvas.translate(X, Y);
  if (width > Room) Canvas.scale(Room / width, 1.0);
  if (at >= 0) Canvas.fillRect(QRectF(left - 1, -metrics.ascent(), wide + 2, metrics.height()), Mark);
  Canvas.drawText(QPoint(0, 0), Text);
  Canvas.restore();
}

// How a text colour reads on a background: by the contrast of their
// luminances and by how far apart they look (CIE 1976 distance in L*a*b*).
// Orange on red is close on both counts; orange on a pale blue differs little
// in luminance but a lot in hue, and reads well.
std::array<double, 3> Lab(const QColor& Colour) {
  const double r = LinearChannel(Colour.red());
  const double g = LinearChannel(Colour.green());
  const double b = LinearChannel(Colour.blue());
  // XYZ under D65, relative to the white point.
  const double xyz[3] = {(0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047, 0.2126 * r + 0.7152 * g + 0.0722 * b,
                         (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883};
  double f[3];
  for (int k = 0; k < 3; ++k) f[k] = xyz[k] > 0.008856 ? std::cbrt(xyz[k]) : 7.787 * xyz[k] + 16.0 / 116.0;
  return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

double LabDistance(const QColor& A, const QColor& B) {
  const std::array<double, 3> a = Lab(A);
  const std::array<double, 3> b = Lab(B);
  return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

// A text reads by itself on a background with a clear luminance contrast, or
// with a fair one and clearly different colours.
constexpr double ClearContrast = 3.0;
constexpr double FairContrast = 1.5;
constexpr double ClearDistance = 65.0;

bool Legible(const QColor& Text, const QColor& Background) {
  const double contrast = ContrastRatio(Text, Background);
  return contrast >= ClearContrast || (contrast >= FairContrast && LabDistance(Text, Background) >= ClearDistance);
}

// The outline that sets a text apart from a background it does not read on:
// black or white, whichever stands out from both the most.
QColor HaloColour(const QColor& Text, const QColor& Background) {
  const QColor black(Qt::black);
  const QColor white(Qt::white);
  const double onBlack = std::min(ContrastRatio(black, Text), ContrastRatio(black, Background));
  const double onWhite = std::min(ContrastRatio(white, Text), ContrastRatio(white, Background));
  return onBlack >= onWhite ? black : white;
}

// The ring of the selection colour inside the red frame of a selected cell
// that shows a signal colour: a pixel wide per this many pixels of cell.
constexpr int SelectionRingPer = 20;

// The halo's pen, as wide as an eighth of the text's height: a band of a
// sixteenth around each stroke.
constexpr int HaloDivisor = 8;

// A thin outline around the glyphs of Text drawn with its baseline at At; the
// text itself is drawn over it afterwards, as everywhere else.
void DrawHalo(QPainter& Canvas, QPoint At, const QFont& Font, const QString& Text, const QColor& Colour) {
  QPainterPath path;
  path.addText(At, Font, Text);
  const qreal width = std::max<qreal>(2.0, qreal(Font.pixelSize()) / HaloDivisor);
  Canvas.save();
  Canvas.setRenderHint(QPainter::Antialiasing, true);
  Canvas.strokePath(path, QPen(Colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  Canvas.restore();
}

// The shape of an error: a bar under the digit's box for a digit that
// differs from the solution, a triangle in the cell's top-right corner for
// one that broke a rule, as thick as a twelfth of the box.
constexpr int MarkDivisor = 12;

void MarkWrong(QPainter& Canvas, const QRect& DigitBox, const QColor& Colour) {
  const int thickness = std::max(2, DigitBox.height() / MarkDivisor);
  Canvas.fillRect(DigitBox.left(), DigitBox.bottom() - thickness, DigitBox.width(), thickness, Colour);
}

void MarkBrokeRule(QPainter& Canvas, const QRect& Cell, const QColor& Colour) {
  const int side = std::max(6, Cell.height() / 4);
  const QPoint corner(Cell.right() - 2, Cell.top() + 3);
  const QPolygon triangle({corner, corner - QPoint(side, 0), corner + QPoint(0, side)});
  Canvas.save();
  Canvas.setPen(Qt::NoPen);
  Canvas.setBrush(Colour);
  Canvas.drawPolygon(triangle);
  Canvas.restore();
}

}  // namespace

TGridState TGridState::Of(const TGrille& Grid) {
  TGridState state;
  for (int i = 1; i <= 9; ++i)
    for (int j = 1; j <= 9; ++j) {
      TCellShown& cell = state.At(i, j);
      int kind = KindPlain;
      cell.Digit = std::uint8_t(Grid.GetCellState(i, j, kind));
      cell.Kind = std::uint8_t(kind);
      cell.Notes = Grid.GetNotes(i, j);
      cell.Candidates = Grid.GetCandidates(i, j);
    }
  state.HintRow = Grid.HintRow;
  state.HintCol = Grid.HintCol;
  return state;
}

TGridState TGridState::FromText(std::string_view Givens, std::string_view Digits) {
  const auto digitAt = [](std::string_view Text, std::size_t K) {
    return K < Text.size() && Text[K] >= '1' && Text[K] <= '9' ? std::uint8_t(Text[K] - '0') : std::uint8_t(0);
  };
  TGridState state;
  for (std::size_t k = 0; k < state.Cells.size(); ++k) {
    TCellShown& cell = state.Cells[k];
    const std::uint8_t given = digitAt(Givens, k);
    cell.Digit = Digits.empty() ? given : digitAt(Digits, k);
    cell.Kind = std::uint8_t(given != 0 ? KindGiven : KindPlain);
  }
  return state;
}

TGridLook::TStepHue TGridLook::TintColours(int Hue) const {
  if (Hue <= 0) return {CouleurIndiceZone, CouleurIndiceCase};
  return StepHues[std::size_t(Hue - 1) % StepHues.size()];
}

TGridLook TGridLook::Paper(TTypeBrique Type, const QColor& Lines, bool AllCandidates) {
  TGridLook look;
  look.TypeBrique = Type;
  look.CouleurFond = QColor(Qt::white);
  look.CouleurTrait = Lines;
  for (QColor* text : {&look.CouleurChiffre, &look.CouleurChiffreFixe, &look.CouleurChiffreHint})
    *text = QColor(Qt::black);
  look.ShowSelection = false;
  look.ShowHintTint = false;
  look.ShowAllCandidates = AllCandidates;
  return look;
}

int PointsToPixels(int Points) { return std::max(1, (Points * 96 + 36) / 72); }

QString DigitText(int Digit, TTypeBrique Type) {
  if (Digit < 1 || Digit > 9) return {};
  return Type == tb_Lettre ? QString(QChar(u'A' + (Digit - 1))) : QString::number(Digit);
}

std::array<QString, 3> CandidateLines(std::uint16_t Set, TTypeBrique Type) {
  std::array<QString, 3> lines;
  int count = 0;
  for (int d = 1; d <= 9; ++d) {
    if ((Set & (1u << (d - 1))) == 0) continue;
    ++count;
    QString& line = lines[count <= 4 ? 0 : count <= 8 ? 1 : 2];
    if (!line.isEmpty()) line += u'-';
    line += DigitText(d, Type);
  }
  return lines;
}

void PaintGridInSquare(QPainter& Canvas, const TGridState& State, const TGridLook& Look, const QRect& Square) {
  Canvas.save();
  Canvas.translate(Square.topLeft());
  Canvas.scale(double(Square.width()) / TGridLook::PaperSize, double(Square.height()) / TGridLook::PaperSize);
  PaintGrid(Canvas, State, Look);
  Canvas.restore();
}

void PaintGrid(QPainter& Canvas, const TGridState& State, const TGridLook& Look) {
  const int W = Look.CellWidth;
  const int H = Look.CellHeight;
  const int right = 9 * W;  // last pixel column of the grid
  const int bottom = 9 * H;
  const QColor& fond = Look.CouleurFond;
  const QColor& trait = Look.CouleurTrait;
  Canvas.save();
  Canvas.setRenderHint(QPainter::Antialiasing, false);

  // Board and 2-pixel outer border.
  Canvas.fillRect(0, 0, right + 1, bottom + 1, fond);
  Canvas.fillRect(0, 0, right + 1, 2, trait);
  Canvas.fillRect(0, bottom - 1, right + 1, 2, trait);
  Canvas.fillRect(0, 0, 2, bottom + 1, trait);
  Canvas.fillRect(right - 1, 0, 2, bottom + 1, trait);
  // Cell lines, 2 pixels between blocks.
  for (int k = 1; k <= 8; ++k) {
    const int thickness = (k == 3 || k == 6) ? 2 : 1;
    Canvas.fillRect(0, k * H - (thickness - 1), right + 1, thickness, trait);
    Canvas.fillRect(k * W - (thickness - 1), 0, thickness, bottom + 1, trait);
  }

  QFont digitFont(QStringLiteral("Comic Sans MS"));
  digitFont.setPixelSize(PointsToPixels(Look.DigitSize));
  QFont noteFont(QStringLiteral("Comic Sans MS"));
  noteFont.setPixelSize(PointsToPixels(Look.NoteSize));

  const bool hasSelection =
      Look.ShowSelection && State.SelRow >= 1 && State.SelRow <= 9 && State.SelCol >= 1 && State.SelCol <= 9;
  const int selRow = hasSelection ? State.SelRow : 0;
  const int selCol = hasSelection ? State.SelCol : 0;
  // The same-digit highlighting: the digit of the selected cell (0 for none)
  // and whether the selected cell's row, column and block are tinted.
  const bool highlight = Look.SurligneChiffres && hasSelection;
  const int selectedDigit = State.Chosen > 0 ? State.Chosen : highlight ? State.At(selRow, selCol).Digit : 0;
  const QString markedText = DigitText(selectedDigit, Look.TypeBrique);
  const TGridState::TRefused& refusal = State.Refused;
  for (int i = 1; i <= 9; ++i) {
    for (int j = 1; j <= 9; ++j) {
      const TCellShown& shown = State.At(i, j);
      const int kind = shown.Kind;
      // A refused given shows a moment in the rule-break colour.
      const bool refused = Look.ShowImpossible && i == refusal.Row && j == refusal.Col;
      const int d = refused ? refusal.Digit : shown.Digit;
      const bool selected = i == selRow && j == selCol;
      const THintTint tint = Look.ShowHintTint ? State.Tint(i, j) : THintTint::None;
      QColor background = fond;
      const bool wrong = kind == KindWrong && Look.ShowErreur && !refused;
      const bool brokeRule = !wrong && (refused || (kind == KindBrokeRule && Look.ShowImpossible));
      if (wrong)
        background = Look.CouleurErreur;
      else if (brokeRule)
        background = Look.CouleurImpossible;
      else if (selected)
        background = Look.CouleurSelection;
      else if (tint == THintTint::Key)
        background = Look.TintColours(State.TintHue).Case;
      else if (tint == THintTint::Unit)
        background = Look.TintColours(State.TintHue).Zone;
      else if (selectedDigit > 0 && d == selectedDigit)
        background = Look.CouleurSurlignage;
      else if (highlight && (i == selRow || j == selCol || BlockOf(i, j) == BlockOf(selRow, selCol)))
        background = Look.CouleurZone;
      QColor text = Look.CouleurNote;
      if (i == State.HintRow && j == State.HintCol)
        text = Look.CouleurChiffreHint;
      else if (d > 0)
        text = kind == KindGiven && !refused ? Look.CouleurChiffreFixe : Look.CouleurChiffre;

      const int left = (j - 1) * W;
      const int top = (i - 1) * H;
      if (background != fond) {
        // The fill stops short of the lines so that they stay whole.
        const int x1 = left + 1 + (j == 1 ? 1 : 0);
        const int y1 = top + 1 + (i == 1 ? 1 : 0);
        const int x2 = j * W - (j % 3 == 0 ? 1 : 0);
        const int y2 = i * H - (i % 3 == 0 ? 1 : 0);
        Canvas.fillRect(x1, y1, x2 - x1, y2 - y1, background);
        if (selected) {
          // Red 2-pixel frame over the cell's own lines and its first pixel inside.
          const QColor red(255, 0, 0);
          Canvas.fillRect(left, top, W + 1, 2, red);
          Canvas.fillRect(left, i * H - 1, W + 1, 2, red);
          Canvas.fillRect(left, top, 2, H + 1, red);
          Canvas.fillRect(j * W - 1, top, 2, H + 1, red);
          // On a signal colour the red frame may not show (a red error
          // colour): a ring of the selection colour inside it does.
          if (background != Look.CouleurSelection) {
            const QColor& ringColour = Look.CouleurSelection;
            const int ringWidth = std::max(1, std::min(W, H) / SelectionRingPer);
            const QRect ring(left + 2, top + 2, W - 3, H - 3);
            Canvas.fillRect(ring.left(), ring.top(), ring.width(), ringWidth, ringColour);
            Canvas.fillRect(ring.left(), ring.bottom() - ringWidth + 1, ring.width(), ringWidth, ringColour);
            Canvas.fillRect(ring.left(), ring.top(), ringWidth, ring.height(), ringColour);
            Canvas.fillRect(ring.right() - ringWidth + 1, ring.top(), ringWidth, ring.height(), ringColour);
          }
        }
      }

      Canvas.setPen(text);
      if (d > 0) {
        Canvas.setFont(digitFont);
        const QFontMetrics metrics = Canvas.fontMetrics();
        const QString label = DigitText(d, Look.TypeBrique);
        const int w = metrics.horizontalAdvance(label);
        const int h = metrics.height();
        const int x = left + 1 + (W - w) / 2;
        const int y = top + 1 + (H - h) / 2;
        const QPoint baseline(x, y + metrics.ascent());
        // A digit on a signal colour close to its own (orange on red, the
        // red hint on a wrong digit's red) gets an outline; the colours stay.
        if (background != fond && !Legible(text, background))
          DrawHalo(Canvas, baseline, digitFont, label, HaloColour(text, background));
        Canvas.drawText(baseline, label);
        if (Look.MarkErrors && wrong) MarkWrong(Canvas, QRect(x, y, w, h), text);
        if (Look.MarkErrors && brokeRule) MarkBrokeRule(Canvas, QRect(left, top, W, H), text);
      } else {
        const std::uint16_t set = Look.ShowAllCandidates && shown.Candidates != 0 ? shown.Candidates : shown.Notes;
        if (set == 0) continue;
        const std::array<QString, 3> lines = CandidateLines(set, Look.TypeBrique);
        Canvas.setFont(noteFont);
        const QFontMetrics metrics = Canvas.fontMetrics();
        const int inset = TGridLook::NoteInset;
        const int x = left + inset;
        const int y = top + inset + metrics.ascent();
        const int room = W - 2 * inset;
        const int t = metrics.height();
        // Only the digit of the selected cell is highlighted among the marks.
        const QString marked = selectedDigit > 0 && (set & (1u << (selectedDigit - 1))) != 0 ? markedText : QString();
        DrawNoteLine(Canvas, x, y, room, lines[0], marked, Look.CouleurSurlignage);
        if (!lines[1].isEmpty()) {
          DrawNoteLine(Canvas, x, y + t, room, lines[1], marked, Look.CouleurSurlignage);
          if (!lines[2].isEmpty()) DrawNoteLine(Canvas, x, y + 2 * t, room, lines[2], marked, Look.CouleurSurlignage);
        }
      }
    }
  }
  Canvas.restore();
}
