// SPDX-License-Identifier: GPL-3.0-or-later
// The look every screen shares: the fonts by their historical names (mapped to
// installed fonts by InstallFontSubstitutions), the colours of the commands,
// the panels' pale yellow, and the way a command label is dressed.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QAbstractButton;
class THotLabel;

namespace Look {

// Playful titles and the commands of the screens.
inline const QString TitleFamily = QStringLiteral("Chow Fun");
// Inscription-like texts.
inline const QString TextFamily = QStringLiteral("Papyrus");
// The grid.
inline const QString GridFamily = QStringLiteral("Comic Sans MS");

// A command's resting and hover colours.
inline const QColor CommandColor{0, 0, 0};
inline const QColor HoverColor{128, 0, 0};
// The middle of the panels drawn with the shared model.
inline const QColor PanelColor{255, 255, 210};
// The olive edge of the panels, the boxes and the toggle buttons.
inline const QColor EdgeColor{140, 140, 0};
// A screen's plain background where its picture is missing.
inline const QColor BackgroundColor{233, 219, 187};

// The frame of our fixed-size dialogs: a title and a close box, nothing to
// maximise or minimise.
inline constexpr Qt::WindowFlags DialogFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// The menu labels' size.
constexpr int MenuPixelSize = 24;

// A font of the family at a size in pixels.
QFont PixelFont(const QString& Family, int PixelSize, bool Bold = false);

// A clickable command: black, maroon under the pointer, bold or underlined
// there (Bold chooses), in the title face at the size given.
void DressCommand(THotLabel& Label, int PixelSize, bool Bold = true);

// A toggle button of a group on a panel (a level, a page): pale with an olive
// edge, the one pressed deeper and in maroon, its caption in the title face.
void DressToggle(QAbstractButton& Button, int PixelSize);

}  // namespace Look
