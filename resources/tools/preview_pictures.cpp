// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the game's pictures into PNG files for a look at them side by side:
// every picture at 1x and 2x on the pale yellow panel and on both backgrounds
// (small ones also enlarged pixel by pixel), the application icon at its usual
// sizes, the main menu composed as the window shows it, the level choice and
// end-of-game dialogs, and the backgrounds themselves.
//
// Usage: orvalis-preview-pictures <output folder> [<images folder>]
// The images folder defaults to images/ beside this program.

#include "pictures.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

const QColor PaleYellow(255, 255, 210);
const QColor Olive(140, 140, 0);
const QColor PanelLight(255, 255, 240);
const QColor Maroon(128, 0, 0);
const QColor SheetColour(236, 236, 236);

QString OutFolder;
QImage Fond;
QImage Clouds;

QImage NewImage(int W, int H, const QColor& Fill) {
  QImage Image(W, H, QImage::Format_ARGB32_Premultiplied);
  Image.fill(Fill);
  return Image;
}

void Save(const QImage& Image, const QString& Name) {
  const QString Path = OutFolder + QLatin1Char('/') + Name;
  if (!Image.save(Path))
    std::fprintf(stderr, "cannot write %s\n", qPrintable(Path));
  else
    std::printf("%s\n", qPrintable(Path));
}

QSize NominalSize(const QString& Name) { return PictureSize(Name); }

// The picture at Scale times its nominal size, as a bare image.
QImage Render(const QString& Name, qreal Scale) {
  QImage Image = PicturePixmap(Name, Scale).toImage();
  Image.setDevicePixelRatio(1.0);  // drawn pixel for pixel
  return Image;
}

// Draws the picture at Scale with its top-left corner at Where (device pixels).
void DrawPicture(QPainter& P, const QString& Name, QPointF Where, qreal Scale) {
  P.drawImage(Where, Render(Name, Scale));
}

// The shared panel look: pale yellow with an olive line at the top and left
// and a light line at the right and bottom, Scale pixels wide.
void DrawPanel(QPainter& P, const QRectF& R, qreal Scale) {
  P.fillRect(R, PaleYellow);
  P.fillRect(QRectF(R.left(), R.top(), R.width(), Scale), Olive);
  P.fillRect(QRectF(R.left(), R.top(), Scale, R.height()), Olive);
  P.fillRect(QRectF(R.right() - Scale, R.top() + Scale, Scale, R.height() - Scale), PanelLight);
  P.fillRect(QRectF(R.left() + Scale, R.bottom() - Scale, R.width() - Scale, Scale), PanelLight);
}

// A region of a background, as a dialog shows it (unscaled from its corner),
// or scaled by Scale for a 2x screen.
QImage BackgroundCrop(const QImage& Source, QPoint From, QSize Size, qreal Scale) {
  if (Source.isNull()) return NewImage(Size.width(), Size.height(), Qt::gray);
  const QSize Logical(static_cast<int>(Size.width() / Scale), static_cast<int>(Size.height() / Scale));
  return Source.copy(QRect(From, Logical)).scaled(Size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QFont CaptionFont() {
  QFont F(QStringLiteral("DejaVu Sans"));
  F.setPixelSize(12);
  return F;
}

QFont TitleFont(int PixelSize) {
  QFont F(QStringLiteral("Leckerli One"));
  F.setPixelSize(PixelSize);
  return F;
}

// One sheet per picture: columns for the panel and the two backgrounds, rows
// for 1x, 2x and, for small pictures, 1x enlarged six times pixel by pixel.
void PictureSheet(const QString& Name) {
  const QSize Nominal = NominalSize(Name);
  const bool Small = Nominal.width() <= 64 && Nominal.height() <= 64;
  const int Enlarge = Small ? 6 : 0;
  const int Pad = 16;
  const int CellW = std::max({Nominal.width() * 2, Nominal.width() * Enlarge, 120}) + 2 * Pad;
  const QList<int> RowHeights = {Nominal.height() + 2 * Pad, Nominal.height() * 2 + 2 * Pad,
                                 Small ? Nominal.height() * Enlarge + 2 * Pad : 0};
  const int Caption = 20;
  int TotalH = Caption;
  for (int H : RowHeights) TotalH += H ? H + Caption : 0;
  QImage Sheet = NewImage(3 * CellW + 4 * 8, TotalH + 8, SheetColour);
  QPainter P(&Sheet);
  P.setFont(CaptionFont());
  P.setPen(Qt::black);
  P.drawText(8, 14, QStringLiteral("%1  (%2 x %3)").arg(Name).arg(Nominal.width()).arg(Nominal.height()));
  const QString RowNames[] = {QStringLiteral("1x"), QStringLiteral("2x"), QStringLiteral("1x enlarged")};
  int Y = Caption;
  for (int Row = 0; Row < 3; ++Row) {
    const int H = RowHeights[Row];
    if (!H) continue;
    P.drawText(8, Y + 14, RowNames[Row]);
    Y += Caption;
    for (int Col = 0; Col < 3; ++Col) {
      const QRect Cell(8 + Col * (CellW + 8), Y, CellW, H);
      const qreal Scale = Row == 1 ? 2.0 : 1.0;
      QImage Ground;
      if (Col == 0) {
        Ground = NewImage(Cell.width(), Cell.height(), PaleYellow);
        QPainter G(&Ground);
        DrawPanel(G, QRectF(0, 0, Cell.width(), Cell.height()), Scale);
      } else {
        Ground = BackgroundCrop(Col == 1 ? Fond : Clouds, QPoint(300, 200), Cell.size(), Scale);
      }
      if (Row == 2) {
        // The 1x rendering as it lands on its ground, enlarged pixel by pixel.
        const QSize Few((Cell.width() + Enlarge - 1) / Enlarge, (Cell.height() + Enlarge - 1) / Enlarge);
        QImage Small1 = Col == 0 ? NewImage(Few.width(), Few.height(), PaleYellow)
                                 : BackgroundCrop(Col == 1 ? Fond : Clouds, QPoint(300, 200), Few, 1.0);
        {
          QPainter S(&Small1);
          const int Inset = Pad / Enlarge + 1;  // whole pixels of the 1x picture
          DrawPicture(S, Name, QPointF(Inset, Inset), 1.0);
        }
        Ground = Small1.scaled(Few * Enlarge, Qt::IgnoreAspectRatio, Qt::FastTransformation);
      } else {
        QPainter G(&Ground);
        DrawPicture(G, Name, QPointF(Pad, Pad), Scale);
      }
      P.drawImage(Cell.topLeft(), Ground);
    }
    Y += H;
  }
  P.end();
  Save(Sheet, QStringLiteral("picture_%1.png").arg(Name));
}

// All the small pictures side by side on a panel, as the dialogs show them.
void IconSheet(const QStringList& Names) {
  for (qreal Scale : {1.0, 2.0}) {
    const int Step = static_cast<int>(60 * Scale);
    const int W = static_cast<int>(Names.size()) * Step + static_cast<int>(40 * Scale);
    const int H = static_cast<int>(90 * Scale);
    QImage Sheet = NewImage(W, H, PaleYellow);
    QPainter P(&Sheet);
    DrawPanel(P, QRectF(0, 0, W, H), Scale);
    int X = static_cast<int>(20 * Scale);
    for (const QString& Name : Names) {
      const QSize N = NominalSize(Name);
      DrawPicture(P, Name, QPointF(X + (Step - N.width() * Scale) / 2, (H - N.height() * Scale) / 2), Scale);
      X += Step;
    }
    P.end();
    Save(Sheet, QStringLiteral("icons_%1x.png").arg(static_cast<int>(Scale)));
    if (Scale == 1.0) {
      // The 1x sheet enlarged pixel by pixel, in two rows to stay readable.
      const int Half = (static_cast<int>(Names.size()) + 1) / 2 * Step + 20;
      QImage Rows = NewImage(Half, 2 * H, PaleYellow);
      QPainter R(&Rows);
      R.drawImage(0, 0, Sheet.copy(0, 0, Half, H));
      R.drawImage(0, H, Sheet.copy(Half - 20, 0, Half, H));
      R.end();
      Save(Rows.scaled(Rows.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation),
           QStringLiteral("icons_1x_enlarged.png"));
    }
  }
}

// The application icon at the sizes a desktop asks for.
void AppIconSheet() {
  const QList<int> Sizes = {16, 24, 32, 48, 64, 128, 256};
  const QList<QColor> Grounds = {QColor(250, 250, 250), QColor(48, 48, 52), PaleYellow};
  int W = 16;
  for (int S : Sizes) W += S + 16;
  const int RowH = 256 + 24;
  QImage Sheet = NewImage(W + 16 * 8 + 24 * 8 + 40, static_cast<int>(Grounds.size()) * RowH + 16, SheetColour);
  QPainter P(&Sheet);
  QSvgRenderer Renderer(PicturePath(QStringLiteral("orvalis")));
  int Y = 8;
  for (const QColor& G : Grounds) {
    P.fillRect(QRect(0, Y, Sheet.width(), RowH), G);
    int X = 16;
    for (int S : Sizes) {
      QImage Icon = NewImage(S, S, Qt::transparent);
      {
        QPainter I(&Icon);
        I.setRenderHint(QPainter::Antialiasing);
        Renderer.render(&I, QRectF(0, 0, S, S));
      }
      P.drawImage(X, Y + 12 + (256 - S) / 2, Icon);
      if (S == 16 || S == 24) {
        // The same pixels enlarged, to judge the small sizes.
        QImage Over = NewImage(S, S, G);
        {
          QPainter O(&Over);
          O.drawImage(0, 0, Icon);
        }
        const int Factor = 8;
        const int EX = W + (S == 16 ? 0 : 16 * Factor + 20);
        P.drawImage(QRect(EX, Y + 12 + (256 - S * Factor) / 2, S * Factor, S * Factor), Over);
      }
      X += S + 16;
    }
    Y += RowH;
  }
  P.end();
  Save(Sheet, QStringLiteral("app_icon.png"));
}

const char* const MenuLines[] = {
    "Nouvelle partie", "Charger un puzzle", "Proposer un puzzle", "Règles du jeu", "Astuces", "Options", "Quitter"};
const int MenuTops[] = {108, 152, 197, 241, 286, 330, 375};

// The main window with its menu, at W by H logical pixels, drawn at Scale.
void MenuWindow(const QImage& Background, int W, int H, qreal Scale, const QString& FileName, int Hovered) {
  QImage Window = NewImage(static_cast<int>(W * Scale), static_cast<int>(H * Scale), Qt::white);
  QPainter P(&Window);
  P.setRenderHint(QPainter::SmoothPixmapTransform);
  P.drawImage(QRect(0, 0, Window.width(), Window.height()), Background);
  P.scale(Scale, Scale);
  const int L = (W - 433) / 2;
  const int T = (H - 517) / 2;
  P.drawPixmap(L, T, PicturePixmap(QStringLiteral("menu_board"), Scale));
  P.drawPixmap(L + 80, T + 13, PicturePixmap(QStringLiteral("title_orvalis"), Scale));
  P.drawPixmap(L + 216, T + 49, PicturePixmap(QStringLiteral("title_motif"), Scale));
  P.setRenderHint(QPainter::TextAntialiasing);
  for (int i = 0; i < 7; ++i) {
    QFont F = TitleFont(24);
    F.setBold(i == Hovered);
    P.setFont(F);
    P.setPen(i == Hovered ? Maroon : QColor(Qt::black));
    const QString Text = QString::fromUtf8(MenuLines[i]);
    const QFontMetricsF M(F);
    const qreal X = W / 2.0 - M.horizontalAdvance(Text) / 2;
    P.drawText(QPointF(X, T + MenuTops[i] + M.ascent()), Text);
  }
  P.end();
  Save(Window, FileName);
}

// A dialog: background unscaled from its corner, a panel, drawn at Scale.
QImage DialogBase(const QImage& Background, int W, int H, const QRect& Panel, qreal Scale) {
  QImage Dialog =
      BackgroundCrop(Background, QPoint(0, 0), QSize(static_cast<int>(W * Scale), static_cast<int>(H * Scale)), Scale);
  Dialog = Dialog.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter P(&Dialog);
  DrawPanel(P, QRectF(Panel.x() * Scale, Panel.y() * Scale, Panel.width() * Scale, Panel.height() * Scale), Scale);
  return Dialog;
}

void DrawLabel(QPainter& P, const QString& Text, QPointF TopLeft, int Size, const QColor& Colour, bool Bold = false,
               int Width = 0) {
  QFont F = TitleFont(Size);
  F.setBold(Bold);
  P.setFont(F);
  P.setPen(Colour);
  const QFontMetricsF M(F);
  qreal X = TopLeft.x();
  if (Width) X += (Width - M.horizontalAdvance(Text)) / 2;
  P.drawText(QPointF(X, TopLeft.y() + M.ascent()), Text);
}

void DrawWrapped(QPainter& P, const QString& Text, const QRectF& Box, int Size) {
  QFont F(QStringLiteral("Klaudia"));
  F.setPixelSize(Size);
  P.setFont(F);
  P.setPen(Qt::black);
  P.drawText(Box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, Text);
}

void LevelDialog(const QImage& Background, qreal Scale, const QString& FileName) {
  QImage Dialog = DialogBase(Background, 321, 252, QRect(8, 8, 305, 236), Scale);
  QPainter P(&Dialog);
  P.setRenderHint(QPainter::TextAntialiasing);
  P.scale(Scale, Scale);
  DrawWrapped(P, QString::fromUtf8("Veuillez choisir le niveau de difficulté de la grille à générer"),
              QRectF(20, 16, 281, 50), 17);
  const char* Names[] = {"Facile", "Moyen", "Difficile", "Expert"};
  const QSize Stars = NominalSize(QStringLiteral("level_stars_1"));
  const QSize Blocks = NominalSize(QStringLiteral("level_blocks_1"));
  for (int i = 0; i < 4; ++i) {
    const int Top = 76 + i * 40;
    P.drawPixmap(30, Top + 14 - Stars.height() / 2, PicturePixmap(QStringLiteral("level_stars_%1").arg(i + 1), Scale));
    P.drawPixmap(321 - 30 - Blocks.width(), Top + 14 - Blocks.height() / 2,
                 PicturePixmap(QStringLiteral("level_blocks_%1").arg(i + 1), Scale));
    DrawLabel(P, QString::fromLatin1(Names[i]), QPointF(90, Top), 22, i == 2 ? Maroon : QColor(Qt::black), i == 2, 141);
  }
  P.end();
  Save(Dialog, FileName);
}

void EndDialog(const QImage& Background, qreal Scale, const QString& FileName) {
  QImage Dialog = DialogBase(Background, 321, 359, QRect(8, 8, 305, 343), Scale);
  QPainter P(&Dialog);
  P.setRenderHint(QPainter::TextAntialiasing);
  P.scale(Scale, Scale);
  DrawWrapped(P, QString::fromUtf8("Félicitations, vous avez complété cette grille."), QRectF(20, 16, 281, 50), 18);
  QFont F(QStringLiteral("Klaudia"));
  F.setPixelSize(16);
  P.setFont(F);
  const char* Rows[][2] = {{"Votre score:", "12:30"},
                           {"Temps", "10:00"},
                           {"Pénalité aide (30s/aide)", "01:30"},
                           {"Pénalité possibilités", "1:00"}};
  for (int i = 0; i < 4; ++i) {
    P.drawText(QRectF(30, 70 + i * 24, 180, 22), Qt::AlignLeft, QString::fromUtf8(Rows[i][0]));
    P.drawText(QRectF(200, 70 + i * 24, 90, 22), Qt::AlignRight, QString::fromUtf8(Rows[i][1]));
  }
  const char* Icons[] = {"icon_scores", "icon_save", "icon_newgrid", "icon_menu"};
  const char* Labels[] = {"Voir les meilleurs scores", "Enregistrer cette grille", "Jouer sur une autre grille",
                          "Retour au menu"};
  for (int i = 0; i < 4; ++i) {
    const int Top = 190 + i * 38;
    P.drawPixmap(30, Top + 2, PicturePixmap(QString::fromLatin1(Icons[i]), Scale));
    DrawLabel(P, QString::fromLatin1(Labels[i]), QPointF(64, Top), 20, i == 1 ? Maroon : QColor(Qt::black), i == 1);
  }
  P.end();
  Save(Dialog, FileName);
}

// A command panel of the game screen with its bullets, and the two input modes.
void GamePanel(const QImage& Background, qreal Scale, const QString& FileName) {
  QImage Screen = BackgroundCrop(Background, QPoint(500, 300),
                                 QSize(static_cast<int>(260 * Scale), static_cast<int>(300 * Scale)), Scale)
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter P(&Screen);
  DrawPanel(P, QRectF(10 * Scale, 10 * Scale, 240 * Scale, 200 * Scale), Scale);
  P.setRenderHint(QPainter::TextAntialiasing);
  P.scale(Scale, Scale);
  const char* Commands[] = {"Annuler la saisie", "Indice",        "Voir possibilités",
                            "Résoudre",          "Documentation", "Retour au menu"};
  for (int i = 0; i < 6; ++i) {
    const int Top = 20 + i * 31;
    P.drawPixmap(24, Top + 5, PicturePixmap(QStringLiteral("bullet"), Scale));
    DrawLabel(P, QString::fromUtf8(Commands[i]), QPointF(46, Top), 20, i == 1 ? Maroon : QColor(Qt::black), i == 1);
  }
  // "MODE :" line under the panel, with the two radio marks and their pictures.
  DrawLabel(P, QStringLiteral("MODE :"), QPointF(14, 222), 18, Qt::black);
  for (int i = 0; i < 2; ++i) {
    const qreal X = 100 + i * 74;
    P.setRenderHint(QPainter::Antialiasing);
    P.setPen(QColor(128, 128, 128));
    P.setBrush(Qt::white);
    P.drawEllipse(QRectF(X, 225, 12, 12));
    if (i == 0) {
      P.setBrush(Qt::black);
      P.setPen(Qt::NoPen);
      P.drawEllipse(QRectF(X + 4, 229, 4, 4));
    }
    P.drawPixmap(QPointF(X + 18, 218),
                 PicturePixmap(QString::fromLatin1(i == 0 ? "mode_normal" : "mode_notes"), Scale));
  }
  P.end();
  Save(Screen, FileName);
}

void BackgroundSheets() {
  const QList<QPair<QString, QImage>> Pictures = {{QStringLiteral("fond"), Fond}, {QStringLiteral("clouds"), Clouds}};
  for (const auto& [Name, Picture] : Pictures) {
    if (Picture.isNull()) continue;
    Save(Picture.scaled(960, 540, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
         QStringLiteral("background_%1_small.png").arg(Name));
    Save(Picture.scaled(320, 180, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
         QStringLiteral("background_%1_thumb.png").arg(Name));
    Save(Picture.copy(QRect(Picture.width() / 2 - 450, Picture.height() / 2 - 300, 900, 600)),
         QStringLiteral("background_%1_centre_100.png").arg(Name));
    Save(Picture.copy(QRect(0, 0, 900, 600)), QStringLiteral("background_%1_corner_100.png").arg(Name));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication App(argc, argv);
  const QStringList Args = App.arguments();
  if (Args.size() < 2 || Args.size() > 3) {
    std::fprintf(stderr, "usage: %s <output folder> [<images folder>]\n", argv[0]);
    return 2;
  }
  OutFolder = Args[1];
  QDir().mkpath(OutFolder);
  const QString Images =
      Args.size() == 3 ? Args[2] : QCoreApplication::applicationDirPath() + QStringLiteral("/images");
  Fond.load(Images + QStringLiteral("/fond.jpg"));
  Clouds.load(Images + QStringLiteral("/LightClouds.jpeg"));
  if (Fond.isNull() || Clouds.isNull())
    std::fprintf(stderr, "warning: backgrounds not found in %s\n", qPrintable(Images));

  QStringList Names = QDir(QStringLiteral(":/pictures")).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
  for (QString& N : Names) N.chop(4);
  QStringList Small;
  for (const QString& N : Names) {
    PictureSheet(N);
    const QSize S = NominalSize(N);
    if (S.width() <= 64 && S.height() <= 64 && N != QLatin1String("orvalis")) Small << N;
  }
  IconSheet(Small);
  if (Names.contains(QStringLiteral("orvalis"))) AppIconSheet();
  for (const auto& [Background, Tag] : {std::pair{&Fond, "fond"}, std::pair{&Clouds, "clouds"}}) {
    if (Background->isNull()) continue;
    const QString T = QString::fromLatin1(Tag);
    MenuWindow(*Background, 697, 570, 1.0, QStringLiteral("menu_%1_697x570.png").arg(T), 1);
    MenuWindow(*Background, 697, 570, 2.0, QStringLiteral("menu_%1_697x570_2x.png").arg(T), -1);
    MenuWindow(*Background, 1920, 1080, 1.0, QStringLiteral("menu_%1_1920x1080.png").arg(T), 3);
    if (Names.contains(QStringLiteral("level_stars_1")) && Names.contains(QStringLiteral("level_blocks_1"))) {
      LevelDialog(*Background, 1.0, QStringLiteral("dialog_levels_%1.png").arg(T));
      LevelDialog(*Background, 2.0, QStringLiteral("dialog_levels_%1_2x.png").arg(T));
    }
    if (Names.contains(QStringLiteral("icon_menu"))) {
      EndDialog(*Background, 1.0, QStringLiteral("dialog_end_%1.png").arg(T));
      EndDialog(*Background, 2.0, QStringLiteral("dialog_end_%1_2x.png").arg(T));
    }
    if (Names.contains(QStringLiteral("mode_notes"))) {
      GamePanel(*Background, 1.0, QStringLiteral("game_panel_%1.png").arg(T));
      GamePanel(*Background, 2.0, QStringLiteral("game_panel_%1_2x.png").arg(T));
    }
  }
  BackgroundSheets();
  return 0;
}
