// SPDX-License-Identifier: GPL-3.0-or-later
// The look every screen shares: the fonts by their historical names (mapped to
// installed fonts by InstallFontSubstitutions), the colours of the commands
// and the panels in the day and night looks, the look in force, and the way a
// command label is dressed.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QAbstractButton;
class QWidget;
class THotLabel;

namespace Look {

// Playful titles and the commands of the screens.
inline const QString TitleFamily = QStringLiteral("Chow Fun");
// Inscription-like texts.
inline const QString TextFamily = QStringLiteral("Papyrus");
// The grid.
inline const QString GridFamily = QStringLiteral("Comic Sans MS");

// The colours of the screens in one look.
struct TColours {
  // A command's resting and hover colours.
  QColor Command;
  QColor Hover;
  // The middle of the panels drawn with the shared model, and their light
  // right and bottom edges.
  QColor Panel;
  QColor PanelLight;
  // The olive edge of the panels, the boxes and the toggle buttons.
  QColor Edge;
  // A screen's plain background where its picture is missing.
  QColor Background;
  // A toggle button's face, and the face of the one pressed.
  QColor Toggle;
  QColor ToggleChecked;
};

// The day look, the screens' since the first version, and the night look.
inline const TColours DayColours{{0, 0, 0},     {128, 0, 0},     {255, 255, 210}, {255, 255, 240},
                                 {140, 140, 0}, {233, 219, 187}, {250, 246, 200}, {232, 222, 150}};
inline const TColours NightColours{{236, 230, 205}, {255, 178, 110}, {46, 44, 34}, {74, 71, 54},
                                   {128, 124, 46},  {36, 33, 28},    {60, 58, 42}, {92, 86, 40}};

// The look in force: the night look or the day's, and the high contrast of
// the grid. One home for the whole program; it starts as the day look.
struct TMode {
  bool Dark = false;
  bool HighContrast = false;
  bool operator==(const TMode&) const = default;
};
const TMode& Mode();
// Sets the look in force, and the application's palette with it (the night
// palette, or the one the application had before the night).
void SetMode(const TMode& Value);
// The colours of the look in force.
const TColours& Colours();
// The commands and toggle buttons dressed here, inside Window, take the
// colours of the look in force.
void Redress(QWidget& Window);
// The application's palette at night: dark windows, light text.
QPalette NightPalette();

// The frame of our fixed-size dialogs: a title and a close box, nothing to
// maximise or minimise.
inline constexpr Qt::WindowFlags DialogFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// The menu labels' size.
constexpr int MenuPixelSize = 24;

// A font of the family at a size in pixels.
QFont PixelFont(const QString& Family, int PixelSize, bool Bold = false);

// A clickable command: black, maroon under the pointer (at night cream and
// light orange), bold or underlined
// there (Bold chooses), in the title face at the size given.
void DressCommand(THotLabel& Label, int PixelSize, bool Bold = true);

// A toggle button of a group on a panel (a level, a page): pale with an olive
// edge, the one pressed deeper and in maroon, its caption in the title face.
void DressToggle(QAbstractButton& Button, int PixelSize);

}  // namespace Look
