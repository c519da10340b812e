// SPDX-License-Identifier: GPL-3.0-or-later
// Colours as the forms and the settings file store them: a 32-bit value laid out
// 0x00BBGGRR, red in the low byte.
#pragma once

#include <QColor>
#include <cstdint>

inline QColor ColorFromBgr(std::uint32_t Value) {
  return QColor(int(Value & 0xFF), int((Value >> 8) & 0xFF), int((Value >> 16) & 0xFF));
}

inline std::uint32_t BgrFromColor(const QColor& Color) {
  return std::uint32_t(Color.red()) | (std::uint32_t(Color.green()) << 8) | (std::uint32_t(Color.blue()) << 16);
}
