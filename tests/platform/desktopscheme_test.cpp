// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopscheme.h"

#include <gtest/gtest.h>

#include <QDBusVariant>
#include <QVariant>

#include "nightcolours.h"

namespace {

// The portal's "Read" gives the value in two variants, its signal in one.
TEST(DesktopSchemeTest, ThePortalsValueReadsThroughItsVariants) {
  const auto wrapped = [](const QVariant& Value) { return QVariant::fromValue(QDBusVariant(Value)); };
  const struct {
    QVariant Value;
    std::optional<bool> Dark;
  } cases[] = {
      {QVariant(uint(1)), true},
      {wrapped(QVariant(uint(1))), true},
      {wrapped(wrapped(QVariant(uint(1)))), true},
      {wrapped(wrapped(QVariant(uint(2)))), false},
      {wrapped(QVariant(uint(0))), false},
      {wrapped(QVariant(QStringLiteral("dark"))), std::nullopt},
      {QVariant(), std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(TDesktopScheme::DarkFromPortal(c.Value), c.Dark) << c.Value.typeName();
}

TEST(NightColoursTest, LightAndDarkSwapTheirLightnessAndKeepTheirHue) {
  const QByteArray night = NightColours("fill=\"#FFFCF1\" stroke=\"#800000\" href=\"#card\" x=\"#12\"");
  EXPECT_EQ(night, QByteArray("fill=\"#0e0b00\" stroke=\"#ff7f7f\" href=\"#card\" x=\"#12\""));
}

}  // namespace
