// SPDX-License-Identifier: GPL-3.0-or-later
#include "chmfile.h"

#include <chm_lib.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringConverter>
#include <QStringDecoder>

#include "encodings.h"

namespace {

// No page, picture or sitemap of a help file comes near this; a larger length
// can only come from a damaged file.
constexpr LONGUINT64 kLargestEntry = 64u * 1024u * 1024u;

// The system record's entries used here (a 16-bit code, a 16-bit length, then
// the data, after a 32-bit version number).
enum SystemCode : quint16 { kContentsFile = 0, kIndexFile = 1, kDefaultTopic = 2, kTitle = 3 };

quint16 ReadWord(const QByteArray& Bytes, qsizetype At) {
  return quint16(quint8(Bytes[At]) | (quint8(Bytes[At + 1]) << 8));
}

// A zero-terminated string of the system record.
QString RecordString(const QByteArray& Data) {
  const qsizetype end = Data.indexOf('\0');
  return DecodeTextFile(end < 0 ? Data : Data.left(end)).trimmed();
}

QString DecodeEntities(QString Text) {
  if (!Text.contains(QLatin1Char('&'))) return Text;
  static const QRegularExpression entity(QStringLiteral("&(#[0-9]+|#[xX][0-9a-fA-F]+|[a-zA-Z]+);"));
  QString result;
  qsizetype last = 0;
  for (QRegularExpressionMatchIterator it = entity.globalMatch(Text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const QString name = m.captured(1);
    QString replacement;
    if (name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive)) {
      replacement = QString(QChar(name.mid(2).toUShort(nullptr, 16)));
    } else if (name.startsWith(QLatin1Char('#'))) {
      replacement = QString(QChar(name.mid(1).toUShort()));
    } else if (name == QLatin1String("amp")) {
      replacement = QStringLiteral("&");
    } else if (name == QLatin1String("lt")) {
      replacement = QStringLiteral("<");
    } else if (name == QLatin1String("gt")) {
      replacement = QStringLiteral(">");
    } else if (name == QLatin1String("quot")) {
      replacement = QStringLiteral("\"");
    } else if (name == QLatin1String("apos")) {
      replacement = QStringLiteral("'");
    } else if (name == QLatin1String("nbsp")) {
      replacement = QString(QChar(0x00A0));
    } else {
      replacement = m.captured(0);
    }
    result += QStringView(Text).mid(last, m.capturedStart(0) - last);
    result += replacement;
    last = m.capturedEnd(0);
  }
  result += QStringView(Text).mid(last);
  return result;
}

// The attributes of a tag, names in lower case.
QHash<QString, QString> Attributes(const QString& Text) {
  static const QRegularExpression attribute(
      QStringLiteral(R"re(([A-Za-z_:][-A-Za-z0-9_:.]*)\s*=\s*("([^"]*)"|'([^']*)'|([^\s"'>]+)))re"));
  QHash<QString, QString> result;
  for (QRegularExpressionMatchIterator it = attribute.globalMatch(Text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    QString value = m.captured(3);
    if (m.capturedStart(4) >= 0) value = m.captured(4);
    if (m.capturedStart(5) >= 0) value = m.captured(5);
    result.insert(m.captured(1).toLower(), DecodeEntities(value));
  }
  return result;
}

}  // namespace

QString DecodeHelpText(const QByteArray& Bytes) {
  const std::optional<QStringConverter::Encoding> named = QStringConverter::encodingForHtml(Bytes);
  if (named && *named != QStringConverter::Utf8 && *named != QStringConverter::Latin1) {
    QStringDecoder decoder(*named);
    return decoder.decode(Bytes);
  }
  if (named && *named == QStringConverter::Latin1) return FromWindows1252(Bytes);
  return DecodeTextFile(Bytes);
}

QList<TChmTopic> ParseSitemap(const QString& Html) {
  static const QRegularExpression tag(QStringLiteral(R"re(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)re"),
                                      QRegularExpression::CaseInsensitiveOption);
  QList<TChmTopic> topics;
  int lists = 0;
  bool inEntry = false;
  TChmTopic entry;
  for (QRegularExpressionMatchIterator it = tag.globalMatch(Html); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const bool closing = !m.captured(1).isEmpty();
    const QString name = m.captured(2).toLower();
    if (name == QLatin1String("ul")) {
      lists = closing ? qMax(0, lists - 1) : lists + 1;
    } else if (name == QLatin1String("object")) {
      if (!closing) {
        inEntry = Attributes(m.captured(3))
                      .value(QStringLiteral("type"))
                      .compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0;
        entry = TChmTopic{QString(), QString(), qMax(0, lists - 1)};
      } else if (inEntry) {
        inEntry = false;
        if (!entry.Name.isEmpty()) topics.append(entry);
      }
    } else if (inEntry && !closing) {
      const QHash<QString, QString> attributes = Attributes(m.captured(3));
      const QString param = attributes.value(QStringLiteral("name")).toLower();
      const QString value = attributes.value(QStringLiteral("value")).trimmed();
      // An index keyword may name several topics: the first one is kept.
      if (param == QLatin1String("name") && entry.Name.isEmpty()) entry.Name = value;
      if (param == QLatin1String("local") && entry.Local.isEmpty()) entry.Local = value;
    }
  }
  return topics;
}

TChmFile::~TChmFile() { Close(); }

bool TChmFile::Open(const QString& Path) {
  Close();
  if (!QFile::exists(Path)) return false;
  Handle_ = chm_open(QFile::encodeName(Path).constData());
  if (Handle_ == nullptr) return false;
  ReadSystemRecord();
  if (DefaultTopic_.isEmpty()) {
    for (const TChmTopic& topic : Contents()) {
      if (!topic.Local.isEmpty()) {
        DefaultTopic_ = topic.Local;
        break;
      }
    }
  }
  return true;
}

void TChmFile::Close() {
  if (Handle_ != nullptr) chm_close(Handle_);
  Handle_ = nullptr;
  DefaultTopic_.clear();
  Title_.clear();
  ContentsFile_.clear();
  IndexFile_.clear();
}

std::optional<QByteArray> TChmFile::Read(const QString& Path) const {
  if (Handle_ == nullptr || Path.isEmpty()) return std::nullopt;
  QString inside = Path;
  if (!inside.startsWith(QLatin1Char('/'))) inside.prepend(QLatin1Char('/'));
  chmUnitInfo unit{};
  if (chm_resolve_object(Handle_, inside.toUtf8().constData(), &unit) != CHM_RESOLVE_SUCCESS) return std::nullopt;
  if (unit.length > kLargestEntry) return std::nullopt;
  QByteArray bytes(qsizetype(unit.length), Qt::Uninitialized);
  if (unit.length == 0) return bytes;
  const LONGINT64 read =
      chm_retrieve_object(Handle_, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0, LONGINT64(unit.length));
  if (read != LONGINT64(unit.length)) return std::nullopt;
  return bytes;
}

void TChmFile::ReadSystemRecord() {
  const std::optional<QByteArray> record = Read(QStringLiteral("/#SYSTEM"));
  if (!record) return;
  qsizetype at = 4;  // after the version number
  while (at + 4 <= record->size()) {
    const quint16 code = ReadWord(*record, at);
    const quint16 length = ReadWord(*record, at + 2);
    at += 4;
    if (at + length > record->size()) break;
    const QByteArray data = record->mid(at, length);
    at += length;
    switch (code) {
      case kContentsFile:
        ContentsFile_ = RecordString(data);
        break;
      case kIndexFile:
        IndexFile_ = RecordString(data);
        break;
      case kDefaultTopic:
        DefaultTopic_ = RecordString(data);
        break;
      case kTitle:
        Title_ = RecordString(data);
        break;
      default:
        break;
    }
  }
}

QList<TChmTopic> TChmFile::ReadSitemap(const QString& Path) const {
  if (Path.isEmpty()) return {};
  const std::optional<QByteArray> bytes = Read(Path);
  if (!bytes) return {};
  return ParseSitemap(DecodeHelpText(*bytes));
}

QList<TChmTopic> TChmFile::Contents() const { return ReadSitemap(ContentsFile_); }

QList<TChmTopic> TChmFile::Index() const { return ReadSitemap(IndexFile_); }
