// SPDX-License-Identifier: GPL-3.0-or-later
// TDesktopScheme: whether the desktop prefers dark windows, and word when the
// player changes that preference. Qt tells it from version 6.5 on; before, the
// desktop portal does, over the session bus: the key "color-scheme" of
// "org.freedesktop.appearance", read once through org.freedesktop.portal.Settings
// and followed by its signal SettingChanged. Without a session bus or a portal
// the desktop prefers nothing: light windows.
#pragma once

#include <QObject>
#include <optional>

class QDBusVariant;
class QVariant;

class TDesktopScheme : public QObject {
  Q_OBJECT

 public:
  // Reads the preference (the portal gets a moment to answer, no more) and
  // starts listening for its changes.
  explicit TDesktopScheme(QObject* Parent = nullptr);

  bool PrefersDark() const { return Dark_; }

  // The portal's "color-scheme" (1 dark, 2 light, 0 no preference), as a
  // reply or a signal carries it: a number, perhaps wrapped in variants.
  // True for dark, false for light or none; nothing for what is no such value.
  static std::optional<bool> DarkFromPortal(const QVariant& Value);

 signals:
  // The desktop's preference changed; Dark is the new one.
  void Changed(bool Dark);

 private slots:
  void PortalSettingChanged(const QString& Namespace, const QString& Key, const QDBusVariant& Value);

 private:
  void Take(bool Dark);
  bool Dark_ = false;
};
