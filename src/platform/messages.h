// The questions and plain messages the program puts to the player. Every box
// goes through here: a question has Yes and No and a title of its own, a plain
// message is titled "Orvalis", and both stand over the active window.
#pragma once

#include <QString>

// True when the player answers Yes; closing the box answers No.
bool AskYesNo(const QString& Title, const QString& Text);

// A message with an "OK" button, titled "Orvalis".
void ShowMessage(const QString& Text);
