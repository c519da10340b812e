// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts.h"

#include <QFile>

namespace Texts {

QString Path(const QString& Name) { return QStringLiteral(":/texts/") + Name + QStringLiteral(".html"); }

QString Load(const QString& Name) {
  QFile file(Path(Name));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

}  // namespace Texts
