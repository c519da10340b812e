// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyfocus.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

bool LastInputWasKey = false;

class InputWatcher : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    switch (Event->type()) {
      case QEvent::KeyPress:
        LastInputWasKey = true;
        break;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::TouchBegin:
        LastInputWasKey = false;
        break;
      default:
        break;
    }
    return QObject::eventFilter(Watched, Event);
  }
};

}  // namespace

namespace KeyFocus {

void Watch() {
  static InputWatcher* watcher = nullptr;
  QCoreApplication* app = QCoreApplication::instance();
  if (watcher != nullptr || app == nullptr) return;
  watcher = new InputWatcher(app);
  app->installEventFilter(watcher);
}

bool Shows(const QFocusEvent& Event, bool WasShown) {
  switch (Event.reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
      return LastInputWasKey;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
      return WasShown;
    default:
      return false;
  }
}

bool KeepsShowing(const QFocusEvent& Event, bool WasShown) {
  return WasShown && (Event.reason() == Qt::ActiveWindowFocusReason || Event.reason() == Qt::PopupFocusReason);
}

bool MoveWithArrows(QWidget& Widget, const QKeyEvent& Key, const std::function<bool(QWidget*)>& Peer) {
  int step = 0;
  switch (Key.key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
      step = 1;
      break;
    case Qt::Key_Up:
    case Qt::Key_Left:
      step = -1;
      break;
    default:
      return false;
  }
  QWidget* parent = Widget.parentWidget();
  if (parent == nullptr) return false;
  std::vector<QWidget*> group;
  for (QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (sibling == &Widget ||
        (Peer(sibling) && sibling->isVisible() && sibling->isEnabled() && (sibling->focusPolicy() & Qt::TabFocus) != 0))
      group.push_back(sibling);
  if (group.size() < 2) return false;
  // Reading order: by the top, then by the left.
  std::sort(group.begin(), group.end(),
            [](QWidget* A, QWidget* B) { return A->y() != B->y() ? A->y() < B->y() : A->x() < B->x(); });
  const auto at = std::find(group.begin(), group.end(), &Widget) - group.begin();
  const auto count = std::ptrdiff_t(group.size());
  QWidget* next = group[std::size_t(((at + step) % count + count) % count)];
  LastInputWasKey = true;
  next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

}  // namespace KeyFocus
