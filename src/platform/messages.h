// SPDX-License-Identifier: GPL-3.0-or-later
// The questions and plain messages the program puts to the player. Every box
// goes through here: a question has Yes and No (and Cancel when the player may
// also change their mind) and a title of its own, a plain message is titled
// "Orvalis", and every box stands over the active window.
#pragma once

#include <QString>

// True when the player answers Yes; closing the box answers No.
bool AskYesNo(const QString& Title, const QString& Text);

// The same when Yes cannot be taken back (solving a game): "Non" is the
// default button, and Escape answers it.
bool AskYesNoDefaultNo(const QString& Title, const QString& Text);

// The answers of a question with "Oui", "Non" and "Annuler".
enum class TAnswer { Yes, No, Cancel };

// A question with "Oui", "Non" and "Annuler", Yes first; Escape and the close
// box answer Cancel.
TAnswer AskYesNoCancel(const QString& Title, const QString& Text);

// A message with an "OK" button, titled "Orvalis".
void ShowMessage(const QString& Text);
