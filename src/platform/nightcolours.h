// SPDX-License-Identifier: GPL-3.0-or-later
// The night version of a picture or a style sheet we made for the day: every
// colour "#RRGGBB" in its text keeps its hue and saturation and takes the
// opposite lightness, so that cream cards and pages turn dark and dark inks
// light. The pictures and the help's pages are turned when they are loaded.
#pragma once

#include <QByteArray>

QByteArray NightColours(const QByteArray& Text);
