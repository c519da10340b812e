// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts.h"

#include <QFile>

namespace Texts {

QString Path(const QString& Name) { return QStringLiteral(":/texts/") + Name + QStringLiteral(".html"); }

QString PathFor(const QString& Name, const QLocale& Locale) {
  const QString twin = QStringLiteral(":/texts/%1/%2.html").arg(QLocale::languageToCode(Locale.language()), Name);
  return QFile::exists(twin) ? twin : Path(Name);
}

QString Load(const QString& Name) {
  QFile file(PathFor(Name, QLocale()));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

}  // namespace Texts
