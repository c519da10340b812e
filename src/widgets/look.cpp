// SPDX-License-Identifier: GPL-3.0-or-later
#include "look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QVariant>
#include <optional>

#include "hotlabel.h"

namespace Look {

namespace {

TMode Current;
// What a dressed command or toggle button keeps of its dress: its size.
const char* const CommandProperty = "lookCommand";
const char* const ToggleProperty = "lookToggle";
// The application's palette before the night look replaced it.
std::optional<QPalette> DayPalette;

}  // namespace

const TMode& Mode() { return Current; }

const TColours& Colours() { return Current.Dark ? NightColours : DayColours; }

void Redress(QWidget& Window) {
  for (THotLabel* label : Window.findChildren<THotLabel*>()) {
    if (!label->property(CommandProperty).isValid()) continue;
    label->SetCouleur(Colours().Command);
    label->SetCouleurOver(Colours().Hover);
  }
  for (QAbstractButton* button : Window.findChildren<QAbstractButton*>()) {
    const QVariant size = button->property(ToggleProperty);
    if (size.isValid()) DressToggle(*button, size.toInt());
  }
}

void SetMode(const TMode& Value) {
  const bool wasDark = Current.Dark;
  Current = Value;
  if (Value.Dark == wasDark) return;
  if (Value.Dark) {
    DayPalette = QApplication::palette();
    QApplication::setPalette(NightPalette());
  } else if (DayPalette) {
    QApplication::setPalette(*DayPalette);
  }
}

QPalette NightPalette() {
  const QColor window(48, 46, 40);
  const QColor base(32, 31, 27);
  const QColor text(232, 228, 214);
  const QColor dimmed(140, 136, 124);
  QPalette palette(window);
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const bool off = group == QPalette::Disabled;
    palette.setColor(group, QPalette::Window, window);
    palette.setColor(group, QPalette::WindowText, off ? dimmed : text);
    palette.setColor(group, QPalette::Base, base);
    palette.setColor(group, QPalette::AlternateBase, window);
    palette.setColor(group, QPalette::Text, off ? dimmed : text);
    palette.setColor(group, QPalette::Button, QColor(62, 60, 52));
    palette.setColor(group, QPalette::ButtonText, off ? dimmed : text);
    palette.setColor(group, QPalette::BrightText, QColor(255, 255, 255));
    palette.setColor(group, QPalette::Highlight, QColor(150, 110, 40));
    palette.setColor(group, QPalette::HighlightedText, QColor(255, 255, 255));
    palette.setColor(group, QPalette::ToolTipBase, QColor(60, 58, 48));
    palette.setColor(group, QPalette::ToolTipText, text);
    palette.setColor(group, QPalette::PlaceholderText, dimmed);
    palette.setColor(group, QPalette::Link, QColor(255, 178, 110));
    palette.setColor(group, QPalette::LinkVisited, QColor(230, 160, 200));
    palette.setColor(group, QPalette::Light, QColor(90, 88, 78));
    palette.setColor(group, QPalette::Midlight, QColor(72, 70, 62));
    palette.setColor(group, QPalette::Mid, QColor(40, 38, 34));
    palette.setColor(group, QPalette::Dark, QColor(24, 23, 20));
    palette.setColor(group, QPalette::Shadow, QColor(0, 0, 0));
  }
  return palette;
}

QFont PixelFont(const QString& Family, int PixelSize, bool Bold) {
  QFont font(Family);
  font.setPixelSize(PixelSize);
  font.setBold(Bold);
  return font;
}

void DressCommand(THotLabel& Label, int PixelSize, bool Bold) {
  Label.setFont(PixelFont(TitleFamily, PixelSize));
  Label.SetTypeHot(Bold ? THotLabel::th_Gras : THotLabel::th_Souligne);
  Label.setProperty(CommandProperty, PixelSize);
  Label.SetCouleur(Colours().Command);
  Label.SetCouleurOver(Colours().Hover);
}

void DressToggle(QAbstractButton& Button, int PixelSize) {
  Button.setProperty(ToggleProperty, PixelSize);
  Button.setCheckable(true);
  Button.setCursor(Qt::PointingHandCursor);
  Button.setFont(PixelFont(TitleFamily, PixelSize));
  const TColours& colours = Colours();
  Button.setStyleSheet(QStringLiteral("QAbstractButton { color: %3; background: %4;"
                                      " border: 1px solid %1; border-radius: 5px; padding: 2px 8px; }"
                                      "QAbstractButton:hover { color: %2; }"
                                      "QAbstractButton:checked { color: %2; background: %5;"
                                      " border: 2px solid %2; }")
                           .arg(colours.Edge.name(), colours.Hover.name(), colours.Command.name(),
                                colours.Toggle.name(), colours.ToggleChecked.name()));
}

}  // namespace Look
