// SPDX-License-Identifier: GPL-3.0-or-later
#include "pausepanel.h"

#include <QPainter>
#include <algorithm>

#include "jeux_shared.h"
#include "look.h"

namespace {

// The line that says how to resume: a dark brown under the maroon title.
const QColor ResumeColor{96, 64, 32};

}  // namespace

TPausePanel::TPausePanel(QWidget* Parent) : QWidget(Parent) {
  setObjectName(QStringLiteral("p_Pause"));
  setAccessibleName(Jeux::PauseTitle());
  setAccessibleDescription(Jeux::PauseResume());
  hide();
}

void TPausePanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Square, so that no corner of the grid shows.
  painter.fillRect(rect(), Look::Colours().Edge);
  painter.fillRect(rect().adjusted(2, 2, -2, -2), Look::Colours().Panel);
  painter.setRenderHint(QPainter::Antialiasing);
  const int h = height();
  painter.setFont(Look::PixelFont(Look::TitleFamily, std::max(28, h / 6)));
  painter.setPen(Look::Colours().Hover);
  painter.drawText(QRect(0, h / 4, width(), h / 4), Qt::AlignHCenter | Qt::AlignBottom, Jeux::PauseTitle());
  painter.setFont(Look::PixelFont(Look::TextFamily, std::clamp(h / 22, 14, 22), true));
  painter.setPen(Look::Mode().Dark ? Look::Colours().Command : ResumeColor);
  painter.drawText(QRect(h / 10, h / 2 + h / 20, width() - h / 5, h / 3),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, Jeux::PauseResume());
}
