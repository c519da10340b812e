// SPDX-License-Identifier: GPL-3.0-or-later
// The program's general error box: a message titled "Orvalis", shown when an
// operation on the player's files cannot be completed. Everything that reports
// such a failure goes through ShowErrorBox, so that a test can put its own
// handler in place of the box.
#pragma once

#include <functional>

#include <QString>

using ErrorBoxHandler = std::function<void(const QString& message)>;

// Shows the message through the current handler; without one, in a modal box
// titled "Orvalis" over the active window (on standard error when the program
// has no widgets).
void ShowErrorBox(const QString& message);

// Puts a handler in place of the box and returns the previous one; an empty
// handler brings the box back.
ErrorBoxHandler SetErrorBoxHandler(ErrorBoxHandler handler);

// "Impossible d'écrire dans <path>".
QString CannotWriteMessage(const QString& path);
