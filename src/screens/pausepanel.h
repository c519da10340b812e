// SPDX-License-Identifier: GPL-3.0-or-later
// TPausePanel: what covers the grid while the game is paused, a pale panel
// saying "Pause" and how to go on. It shows nothing of the grid.
#pragma once

#include <QWidget>

class TPausePanel : public QWidget {
  Q_OBJECT
 public:
  explicit TPausePanel(QWidget* Parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* Event) override;
};
