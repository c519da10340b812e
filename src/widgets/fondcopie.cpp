#include "fondcopie.h"

TFondCopie::TFondCopie(QWidget* Parent) : TFondModele(Parent) {}
