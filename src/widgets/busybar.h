// SPDX-License-Identifier: GPL-3.0-or-later
// TBusyBar: an indeterminate busy indicator, for a wait of unknown length. A
// short maroon segment runs to and fro along a pale track with an olive edge,
// the panels' colours; it moves only while the bar is on screen.
#pragma once

#include <QWidget>

class QTimer;

class TBusyBar : public QWidget {
  Q_OBJECT

 public:
  explicit TBusyBar(QWidget* Parent = nullptr);

  // Where the segment stands: 0 to Steps, out and back.
  int Phase() const { return Phase_; }
  bool Running() const;

  static constexpr int Steps = 60;
  static constexpr int IntervalMs = 30;

  QSize sizeHint() const override { return {160, 12}; }

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  void hideEvent(QHideEvent* Event) override;

 private:
  QTimer* Timer_;
  int Phase_ = 0;
  int Direction_ = 1;
};
