// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own pictures, compiled into the program and loaded as
// ":/pictures/<name>.svg" (for example ":/pictures/bullet.svg").
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// ":/pictures/" + Name + ".svg".
QString PicturePath(const QString& Name);

// The size the picture is drawn at on the screens (its viewBox, in pixels);
// an empty size when there is no such picture.
QSize PictureSize(const QString& Name);

// The picture rendered at its nominal size times DevicePixelRatio, with that
// ratio set on the pixmap, so that it stays sharp on a 2x screen. A null
// pixmap when there is no such picture.
QPixmap PicturePixmap(const QString& Name, qreal DevicePixelRatio = 1.0);
