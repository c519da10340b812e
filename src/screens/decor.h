// SPDX-License-Identifier: GPL-3.0-or-later
// What dresses every screen and dialog: its background picture and its framed
// pale yellow panels.
#pragma once

#include <QFont>
#include <QString>

class QWidget;
class TFondCopie;
class TImage;

// The form's background picture (named "Image1" unless the form names it),
// loaded through the shell, with the plain background colour where there is
// no picture: stretched over a screen, unscaled from the top-left corner of a
// dialog. The form places it.
TImage* AddBackground(QWidget& Form, bool Stretch, const QString& Name = QStringLiteral("Image1"));
// Every background picture AddBackground put inside Window, loaded again (the
// look or the choice of picture changed).
void ReloadBackgrounds(QWidget& Window);

// A framed panel drawn with the shared pale yellow model (none when the holder
// of the models does not exist).
TFondCopie* AddPanel(QWidget& Parent, const QString& Name = QStringLiteral("FondCopie1"));

// How the save and load dialogs are dressed: the background picture over the
// whole dialog, one panel inside it with a margin, and one font family for
// every control (the text's), with the bold of the field captions.
struct TFileDialogDress {
  TImage* Background;
  TFondCopie* Panel;
  QFont Text;
  QFont Label;
};
TFileDialogDress DressFileDialog(QWidget& Dialog);
