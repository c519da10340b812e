// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell.h"

#include <QEvent>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <utility>

#include "hotlabel.h"

namespace {

TShell* CurrentShell = nullptr;

// Moves its dialog to the centre of the window under it whenever the dialog
// shows or that window moves or changes size.
class TCentre : public QObject {
 public:
  explicit TCentre(QWidget& Dialog) : QObject(&Dialog), Dialog_(Dialog), Owner_(Owner(Dialog)) {
    Dialog.installEventFilter(this);
    if (Owner_ != nullptr) Owner_->installEventFilter(this);
  }

  bool eventFilter(QObject* Watched, QEvent* Event) override {
    const QEvent::Type type = Event->type();
    const bool shown = Watched == &Dialog_ && type == QEvent::Show;
    const bool moved = Watched == Owner_ && (type == QEvent::Move || type == QEvent::Resize);
    if (shown || (moved && Dialog_.isVisible())) Centre();
    return false;
  }

 private:
  static QWidget* Owner(QWidget& Dialog) {
    QWidget* parent = Dialog.parentWidget();
    return parent != nullptr ? parent->window() : DialogOwner(nullptr);
  }

  void Centre() {
    if (Owner_ == nullptr) return;
    const QRect frame = Dialog_.frameGeometry();
    Dialog_.move(Owner_->frameGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
  }

  QWidget& Dialog_;
  QPointer<QWidget> Owner_;
};

}  // namespace

TShell* Shell() { return CurrentShell; }

void SetShell(TShell* Value) { CurrentShell = Value; }

void LoadBackground(TImage& Image) {
  if (CurrentShell != nullptr) CurrentShell->LoadBackground(Image);
}

QWidget* DialogOwner(QWidget* Parent) {
  if (Parent != nullptr) return Parent;
  return CurrentShell != nullptr ? CurrentShell->Window() : nullptr;
}

void LeaveOnEscape(QWidget& Screen, std::function<void()> Back) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &Screen);
  escape->setContext(Qt::WindowShortcut);
  QObject::connect(escape, &QShortcut::activated, &Screen, std::move(Back));
}

void KeepCentred(QWidget& Dialog) { new TCentre(Dialog); }

void DefaultChoice(THotLabel& Label) {
  // Once the dialog is on screen, so that the focus is the player's Tab.
  QTimer::singleShot(0, &Label, [&Label] { Label.ShowFocus(); });
}
