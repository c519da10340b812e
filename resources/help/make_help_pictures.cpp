// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the pictures of the help pages on the advanced techniques, with the
// game's own drawing of a grid (PaintGrid): a real position where the technique applies
// (givens in black, the digits found so far in the player's colour), every
// cell's candidates as the game's candidate techniques leave them, the cells
// of the pattern tinted (yellow and blue for its two sides, half of each for
// a cell on both sides), the units that
// justify it in pale green, and each candidate the step removes struck out in
// red on a pink cell. Each position comes from the Sudoku Exchange
// "diabolical" bank (public domain), that of the forcing chains from
// magictour's "top1465" list, after the hints of Orvalis up to the point
// where the technique is needed; the program checks that the engine still
// finds that technique there first.
//
//   orvalis-make-help-pictures FOLDER   writes FOLDER/<name>.png
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <array>
#include <cstdio>

#include "advanced.h"
#include "cellunits.h"
#include "fonts.h"
#include "griddrawing.h"
#include "grille.h"
#include "look.h"

namespace {

struct Picture {
  const char* Name;
  Technique Kind;
  const char* Givens;
  const char* Digits;
};

const Picture Pictures[] = {
    {"tech-avances-cache", Technique::HiddenSubset,
     "700090010100003078063000004000010042000908000870040000600000490390100005020050006",
     "780090013109023078063871904930017842000938000870240009600382490390164005420759006"},
    {"tech-avances-xwing", Technique::XWing,
     "846000000700005008002700306000840700000509000004017000301002800200900007000000129",
     "846093570700005048002784306000846700000509004004017000391472865200901437400008129"},
    {"tech-avances-xywing", Technique::XYWing,
     "020080070401003006007002830064000000900000007000000410078900500500800301090060040",
     "329080170481003006657002830064000003910340607030000410178934562546827391293060748"},
    {"tech-avances-wwing", Technique::WWing,
     "208000070703000601004100008000905080005020400020406000900004800401000307030000109",
     "218003074703040601004100038140905080005021490029406010900314800401000307032000149"},
    {"tech-avances-coloriage", Technique::ColourTrap,
     "904000007070900380080010005000891030009302500030465000500080040028003060600000803",
     "904038027070900380380010095700891030009372510030465970503080040028003069607000853"},
    {"tech-avances-chaine", Technique::XYChain,
     "010096000000504006006001800572000060800000004030000972008900300700203000000450020",
     "010896000080534016006721890572349168800072534030085972028907300700203080000458020"},
    {"tech-avances-forcage", Technique::CellForcingChain,
     "010000080000750000039000600000000806090020400601000090000000200002149038100030000",
     "010000080006753109039000600000000806090020400601000090903000200062149038100030900"},
    {"tech-avances-rectangle", Technique::UniqueRectangle,
     "050642030200050008001000600009070500000804000030205090900030005020000070000408000",
     "050642030200050748001080652089070520502894300030205890900030285020509470005428000"},
};

// Sizes: cells wide enough for four candidates on a line.
constexpr int CellSize = 44;
constexpr int Margin = 20;
constexpr int DigitPoints = 18;
constexpr int NotePoints = 9;
constexpr int NoteInset = TGridLook::NoteInset;

const QColor Board(255, 255, 210);
const QColor PlayerDigit(255, 128, 0);
const QColor SideColours[2] = {QColor(255, 211, 60), QColor(120, 180, 240)};
const QColor UnitColour(214, 236, 196);
const QColor RemovedCell(255, 206, 206);
const QColor Strike(200, 20, 20);

QRect CellRect(int cell) { return {(cell % 9) * CellSize + 1, (cell / 9) * CellSize + 1, CellSize - 1, CellSize - 1}; }

// Where PaintGrid writes candidate Digit of a cell whose candidates are
// Set: the box of its glyph.
QRectF CandidateBox(const QPainter& painter, const QFont& font, int cell, std::uint16_t set, int digit) {
  const std::array<QString, 3> lines = CandidateLines(set, tb_Chiffre);
  const QString label = DigitText(digit, tb_Chiffre);
  const QFontMetricsF metrics(font, painter.device());
  const QFontMetrics whole(font, painter.device());
  for (int k = 0; k < 3; ++k) {
    const qsizetype at = lines[k].indexOf(label);
    if (at < 0) continue;
    const qreal room = CellSize - 2 * NoteInset;
    const qreal width = metrics.horizontalAdvance(lines[k]);
    const qreal scale = width > room ? room / width : 1.0;
    const qreal x = (cell % 9) * CellSize + NoteInset + metrics.horizontalAdvance(lines[k].left(at)) * scale;
    const int row = cell / 9;  // whole rows of cells
    const qreal baseline = row * CellSize + NoteInset + whole.ascent() + k * whole.height();
    return {x, baseline - whole.ascent(), metrics.horizontalAdvance(label) * scale, qreal(whole.height())};
  }
  return {};
}

bool Render(const Picture& picture, const QString& folder) {
  TGrille grid;
  grid.LoadFromText(picture.Givens, picture.Digits);
  // The candidates as the game's own techniques leave them, then the step.
  TGrille stuck = grid;
  stuck.Solve(SolveCandidatesOnly);
  const std::optional<ReasoningStep> step = advanced::FirstAdvancedStep(stuck.Candidates, true);
  if (!step || step->Kind != picture.Kind) {
    std::fprintf(stderr, "%s: the engine no longer finds this technique first there\n", picture.Name);
    return false;
  }

  const int side = 9 * CellSize + 1;
  QImage image(Margin + side, Margin + side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(Look::PixelFont(Look::GridFamily, Margin - 6, true));
  painter.setPen(QColor(110, 90, 30));
  for (int k = 1; k <= 9; ++k) {
    painter.drawText(QRect(Margin + (k - 1) * CellSize, 0, CellSize + 1, Margin - 1), Qt::AlignCenter,
                     QString::number(k));
    painter.drawText(QRect(0, Margin + (k - 1) * CellSize, Margin - 2, CellSize + 1), Qt::AlignCenter,
                     QString::number(k));
  }
  painter.translate(Margin, Margin);
  painter.fillRect(0, 0, side, side, Board);

  // Under the grid: the units, the pattern's two sides, the cells that lose candidates.
  for (const HintUnit& unit : step->Units) {
    const int first = unit.Kind == UnitKind::Row ? 0 : unit.Kind == UnitKind::Col ? 9 : 18;
    for (int k = 0; k < 9; ++k) painter.fillRect(CellRect(cellunits::UnitCell(first + unit.Number - 1, k)), UnitColour);
  }
  for (const auto& [cell, digits] : step->Removals) painter.fillRect(CellRect(cell), RemovedCell);
  // A cell on both sides (a forcing chain's cell that each branch fills) is
  // half of each colour.
  std::array<unsigned, 81> sides{};
  for (std::size_t k = 0; k < step->Cells.size(); ++k)
    sides[step->Cells[k]] |= 1u << (k < step->Groups.size() ? step->Groups[k] % 2 : 0);
  for (const auto& [cell, digits] : step->Removals) sides[cell] = 0;  // the forcing chain's conclusion stays pink
  for (int cell = 0; cell < 81; ++cell) {
    if (sides[cell] == 0) continue;
    const QRect rect = CellRect(cell);
    if (sides[cell] == 3) {
      painter.fillRect(rect.adjusted(0, 0, -rect.width() / 2, 0), SideColours[0]);
      painter.fillRect(rect.adjusted(rect.width() - rect.width() / 2, 0, 0, 0), SideColours[1]);
    } else {
      painter.fillRect(rect, SideColours[sides[cell] == 2 ? 1 : 0]);
    }
  }

  // The grid by the game's drawing, on a transparent board, every cell's
  // candidates shown.
  grid.Candidates = stuck.Candidates;
  TGridLook look;
  look.CellWidth = CellSize;
  look.CellHeight = CellSize;
  look.DigitSize = DigitPoints;
  look.NoteSize = NotePoints;
  look.CouleurFond = QColor(Qt::transparent);
  look.CouleurChiffre = PlayerDigit;
  look.ShowAllCandidates = true;
  PaintGrid(painter, TGridState::Of(grid), look);

  // Each candidate removed, struck out.
  QFont noteFont(Look::GridFamily);
  noteFont.setPixelSize(PointsToPixels(NotePoints));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Strike, 1.8, Qt::SolidLine, Qt::RoundCap));
  for (const auto& [cell, digits] : step->Removals)
    for (int d = 1; d <= 9; ++d) {
      if (!(digits & (1u << (d - 1)))) continue;
      const QRectF box = CandidateBox(painter, noteFont, cell, stuck.Candidates[cell], d);
      if (box.isEmpty()) continue;
      painter.drawLine(QPointF(box.left() - 1.5, box.bottom() - 2), QPointF(box.right() + 1.5, box.top() + 2));
    }
  painter.end();

  const QString path = folder + QStringLiteral("/%1.png").arg(QString::fromLatin1(picture.Name));
  if (!image.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallFontSubstitutions();
  if (argc < 2) {
    std::fprintf(stderr, "usage: orvalis-make-help-pictures FOLDER\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  bool ok = true;
  for (const Picture& picture : Pictures) ok = Render(picture, folder) && ok;
  return ok ? 0 : 1;
}
