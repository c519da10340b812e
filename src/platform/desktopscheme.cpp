// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopscheme.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QStyleHints>
#include <QVariant>
#include <QtGlobal>

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString SettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString AppearanceNamespace = QStringLiteral("org.freedesktop.appearance");
const QString SchemeKey = QStringLiteral("color-scheme");

// The portal's values of "color-scheme".
constexpr uint PrefersDarkValue = 1;

// A portal that answers at all answers at once; start-up never waits longer.
constexpr int ReadTimeoutMs = 300;

// The session bus, when the session has one: without its address the bus
// library would try to start one, which takes long and gives nothing.
bool HasSessionBus() {
  return !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") && QDBusConnection::sessionBus().isConnected();
}

}  // namespace

std::optional<bool> TDesktopScheme::DarkFromPortal(const QVariant& Value) {
  QVariant value = Value;
  // The portal's "Read" wraps the value in one variant more than its
  // signal does; a few layers are unwrapped, no more.
  for (int layer = 0; layer < 4 && value.canConvert<QDBusVariant>() && value.metaType().id() != QMetaType::UInt;
       ++layer)
    value = value.value<QDBusVariant>().variant();
  if (value.metaType().id() != QMetaType::UInt && value.metaType().id() != QMetaType::Int) return std::nullopt;
  return value.toUInt() == PrefersDarkValue;
}

TDesktopScheme::TDesktopScheme(QObject* Parent) : QObject(Parent) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
  QStyleHints* hints = QGuiApplication::styleHints();
  Dark_ = hints->colorScheme() == Qt::ColorScheme::Dark;
  connect(hints, &QStyleHints::colorSchemeChanged, this,
          [this](Qt::ColorScheme Scheme) { Take(Scheme == Qt::ColorScheme::Dark); });
#else
  if (!HasSessionBus()) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  bus.connect(QString(), PortalPath, SettingsInterface, QStringLiteral("SettingChanged"), this,
              SLOT(PortalSettingChanged(QString, QString, QDBusVariant)));
  // A portal not running is not started for this: the signal says when it comes.
  if (!bus.interface()->isServiceRegistered(PortalService)) return;
  QDBusMessage read =
      QDBusMessage::createMethodCall(PortalService, PortalPath, SettingsInterface, QStringLiteral("Read"));
  read << AppearanceNamespace << SchemeKey;
  const QDBusMessage reply = bus.call(read, QDBus::Block, ReadTimeoutMs);
  if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
    Dark_ = DarkFromPortal(reply.arguments().constFirst()).value_or(false);
#endif
}

void TDesktopScheme::PortalSettingChanged(const QString& Namespace, const QString& Key, const QDBusVariant& Value) {
  if (Namespace != AppearanceNamespace || Key != SchemeKey) return;
  if (const std::optional<bool> dark = DarkFromPortal(QVariant::fromValue(Value))) Take(*dark);
}

void TDesktopScheme::Take(bool Dark) {
  if (Dark == Dark_) return;
  Dark_ = Dark;
  emit Changed(Dark);
}
