#include "inifile.h"

#include <string>

#include <QFile>

#include <SimpleIni.h>

#include "encodings.h"
#include "filewrite.h"
#include "textfields.h"

struct TIniFile::Impl {
  // Keys written twice by hand are all kept; reading takes the first, as the
  // old profile routines did, and writing replaces them all with one.
  CSimpleIniA ini{/*a_bIsUtf8=*/true, /*a_bMultiKey=*/true, /*a_bMultiLine=*/false};
  Impl() {
    ini.SetSpaces(false);  // key=value, as the settings file has always been written
    ini.SetQuotes(true);   // "  x  " keeps its spaces, as the old profile routines read it
  }
};

namespace {

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

// A value stored on one line: line breaks become spaces and NULs, which would
// cut it, are dropped; a value that is itself quoted gets a pair of quotes more
// (reading takes one pair off).
std::string StoredValue(const QString& text) {
  QString value = OneLine(text);
  value.remove(QChar(u'\0'));
  if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
    value = u'"' + value + u'"';
  return Utf8(value);
}

}  // namespace

TIniFile::TIniFile(QString path) : path_(std::move(path)), impl_(std::make_unique<Impl>()) {}

TIniFile::~TIniFile() = default;

bool TIniFile::Load() {
  impl_->ini.Reset();
  QFile file(path_);
  if (!file.exists()) return true;
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return false;
  QString decoded = DecodeTextFile(bytes);
  // A NUL would end the text for the parser and drop the rest of the file.
  decoded.replace(QChar(u'\0'), QChar(u' '));
  const std::string text = Utf8(decoded);
  return impl_->ini.LoadData(text) >= 0;
}

std::optional<QString> TIniFile::ReadValue(const QString& section, const QString& key) const {
  const char* value =
      impl_->ini.GetValue(Utf8(section).c_str(), Utf8(key).c_str(), nullptr, nullptr);
  if (value == nullptr) return std::nullopt;
  // Line breaks that end no line of the file (a vertical tab, a form feed,
  // U+2028 ...) read as the spaces a write turns them into, so that a value
  // reads the same before and after the file is saved.
  return OneLine(QString::fromUtf8(value));
}

QString TIniFile::ReadString(const QString& section, const QString& key,
                             const QString& fallback) const {
  return ReadValue(section, key).value_or(fallback);
}

std::int32_t TIniFile::ReadInteger(const QString& section, const QString& key,
                                   std::int32_t fallback) const {
  const std::optional<QString> value = ReadValue(section, key);
  if (!value) return fallback;
  return ParseInteger(*value).value_or(fallback);
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  impl_->ini.SetValue(Utf8(section).c_str(), Utf8(key).c_str(), StoredValue(value).c_str(),
                      /*a_pComment=*/nullptr, /*a_bForceReplace=*/true);
}

void TIniFile::WriteInteger(const QString& section, const QString& key, std::int64_t value) {
  WriteString(section, key, QString::number(value));
}

void TIniFile::DeleteKey(const QString& section, const QString& key) {
  impl_->ini.Delete(Utf8(section).c_str(), Utf8(key).c_str(), /*a_bRemoveEmpty=*/false);
}

FileResult TIniFile::Save() {
  std::string text;
  if (impl_->ini.Save(text, /*a_bAddSignature=*/false) < 0) return WriteFailure(path_);
  return ReplaceFile(path_, QByteArray::fromStdString(text));
}
