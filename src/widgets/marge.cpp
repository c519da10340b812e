// SPDX-License-Identifier: GPL-3.0-or-later
#include "marge.h"

TMarge::TMarge(QObject* Parent) : QObject(Parent) {}

void TMarge::Set(quint16& Field, quint16 Value) {
  if (Field == Value) return;
  Field = Value;
  if (OnChange) OnChange(this);
}
