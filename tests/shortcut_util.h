// SPDX-License-Identifier: GPL-3.0-or-later
// Checking the keys that tooltips promise: a tooltip that ends with its keys
// in brackets, "Indice (F2)" or "Rétablir (Ctrl+Maj+Z ou Ctrl+Y)", names them
// as the player reads them (Qt's French names of keys); each of them must be
// a shortcut somewhere under the same window part.
#pragma once

#include <QKeySequence>
#include <QShortcut>
#include <QStringList>
#include <QWidget>

struct TooltipKeys {
  int Checked = 0;      // keys named by the tooltips
  QStringList Unbound;  // "tooltip: key" for each one no shortcut has
};

// Elsewhere: keys bound outside Root (the main window's F1 on every screen).
inline TooltipKeys CheckTooltipKeys(const QWidget& Root, const QList<QKeySequence>& Elsewhere = {}) {
  QList<QKeySequence> bound = Elsewhere;
  for (const QShortcut* shortcut : Root.findChildren<QShortcut*>()) bound += shortcut->keys();
  TooltipKeys result;
  for (const QWidget* widget : Root.findChildren<QWidget*>()) {
    const QString tip = widget->toolTip();
    const qsizetype open = tip.lastIndexOf(QLatin1Char('('));
    if (!tip.endsWith(QLatin1Char(')')) || open < 0) continue;
    const QString keys = tip.mid(open + 1, tip.size() - open - 2);
    for (const QString& name : keys.split(QStringLiteral(" ou "))) {
      ++result.Checked;
      const QKeySequence key = QKeySequence::fromString(name, QKeySequence::NativeText);
      if (key.isEmpty() || !bound.contains(key)) result.Unbound += tip + QStringLiteral(": ") + name;
    }
  }
  return result;
}
