// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard access shared by the screens' own widgets (the clickable labels,
// the check and radio boxes): whether the focus a widget receives is the
// player's doing on the keyboard, and the arrow keys that move it between the
// widgets of one group.
//
// A widget draws its focus only when the player moved it there with Tab,
// Backtab or an arrow key: the focus Qt hands out by itself (a window
// activated, a widget hidden after a mouse click) leaves the screens looking
// as they always have.
#pragma once

#include <functional>

class QFocusEvent;
class QKeyEvent;
class QWidget;

namespace KeyFocus {

// Starts watching the player's input (once per program): whether the last
// key or button pressed was a key.
void Watch();

// Whether the focus that just arrived (Event) shows: on Tab, Backtab or an
// arrow right after a key; when the window comes back to the front, as it
// was before (WasShown).
bool Shows(const QFocusEvent& Event, bool WasShown);

// Whether the focus that just left (Event) should show again when the
// window comes back to the front.
bool KeepsShowing(const QFocusEvent& Event, bool WasShown);

// The arrow keys between the siblings of Widget that Peer accepts (visible,
// enabled, reachable with Tab), in reading order, wrapping at both ends:
// Down and Right to the next, Up and Left to the previous. True when the key
// was an arrow and the focus moved.
bool MoveWithArrows(QWidget& Widget, const QKeyEvent& Key, const std::function<bool(QWidget*)>& Peer);

}  // namespace KeyFocus
