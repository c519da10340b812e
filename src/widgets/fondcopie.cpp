// SPDX-License-Identifier: GPL-3.0-or-later
#include "fondcopie.h"

TFondCopie::TFondCopie(QWidget* Parent) : TFondModele(Parent) {}
