// SPDX-License-Identifier: GPL-3.0-or-later
#include "inifile.h"

#include <string>
#include <string_view>
#include <vector>

#include <SimpleIni.h>

#include "encodings.h"
#include "filelock.h"
#include "fileread.h"
#include "filewrite.h"
#include "textfields.h"

struct TIniFile::KeyChange {
  std::string Section;
  std::string Key;
  std::optional<std::string> Value;
};

struct TIniFile::Impl {
  // Keys written twice by hand are all kept; reading takes the first, as the
  // old profile routines did, and writing replaces them all with one.
  CSimpleIniA ini{/*a_bIsUtf8=*/true, /*a_bMultiKey=*/true, /*a_bMultiLine=*/false};
  Impl() {
    ini.SetSpaces(false);  // key=value, as the settings file has always been written
    ini.SetQuotes(true);   // "  x  " keeps its spaces, as the old profile routines read it
  }
  // The keys written (a value) or deleted (none) since the file was read, in
  // their order: what Save applies to the file as it stands.
  std::vector<KeyChange> changes;
  // The comments after the last key, which the parser keeps with nothing:
  // written back at the end of the file.
  std::string trailingComments;
};

namespace {

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

// A value stored on one line: line breaks become spaces and NULs, which would
// cut it, are dropped; a value that is itself quoted gets a pair of quotes more
// (reading takes one pair off).
std::string StoredValue(const QString& text) {
  QString value = OneLine(text);
  value.remove(QChar(u'\0'));
  if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"') value = u'"' + value + u'"';
  return Utf8(value);
}

// The comment lines (and blank lines among them) that end the text, from
// the first comment after the last key or section.
std::string TrailingComments(const std::string& text) {
  std::size_t start = text.size();  // where the comments begin
  std::size_t end = text.size();    // the end of the line looked at
  while (end > 0) {
    const std::size_t lineEnd = text.find_last_of("\r\n", end - 1);
    const std::size_t lineStart = lineEnd == std::string::npos ? 0 : lineEnd + 1;
    const std::string_view line(text.data() + lineStart, end - lineStart);
    if (const std::size_t first = line.find_first_not_of(" \t"); first != std::string_view::npos) {
      if (line[first] != ';' && line[first] != '#') break;
      start = lineStart;
    }
    end = lineEnd == std::string::npos ? 0 : lineEnd;
  }
  std::string comments = text.substr(start);
  while (!comments.empty() && (comments.back() == '\n' || comments.back() == '\r')) comments.pop_back();
  return comments;
}

}  // namespace

TIniFile::TIniFile(QString path) : path_(std::move(path)), impl_(std::make_unique<Impl>()) {}

TIniFile::~TIniFile() = default;

FileResult TIniFile::Load() {
  impl_->changes.clear();
  const std::optional<QString> refusal = LoadBytes();
  return refusal ? ReadFailure(path_, *refusal) : FileResult{};
}

std::optional<QString> TIniFile::LoadBytes() {
  impl_->ini.Reset();
  impl_->trailingComments.clear();
  const FileContent content = ReadPlayerFile(path_, MaxSettingsFileBytes);
  if (!content.Result.Ok()) return content.Reason;
  if (content.Bytes.isEmpty()) return std::nullopt;
  QString decoded = DecodeTextFile(content.Bytes);
  // A NUL would end the text for the parser and drop the rest of the file.
  decoded.replace(QChar(u'\0'), QChar(u' '));
  const std::string text = Utf8(decoded);
  impl_->trailingComments = TrailingComments(text);
  if (impl_->ini.LoadData(text) < 0) {
    impl_->ini.Reset();
    return QString();
  }
  return std::nullopt;
}

std::optional<QString> TIniFile::ReadValue(const QString& section, const QString& key) const {
  const char* value = impl_->ini.GetValue(Utf8(section).c_str(), Utf8(key).c_str(), nullptr, nullptr);
  if (value == nullptr) return std::nullopt;
  // Line breaks that end no line of the file (a vertical tab, a form feed,
  // U+2028 ...) read as the spaces a write turns them into, so that a value
  // reads the same before and after the file is saved.
  return OneLine(QString::fromUtf8(value));
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& fallback) const {
  return ReadValue(section, key).value_or(fallback);
}

std::int32_t TIniFile::ReadInteger(const QString& section, const QString& key, std::int32_t fallback) const {
  const std::optional<QString> value = ReadValue(section, key);
  if (!value) return fallback;
  return ParseInteger(*value).value_or(fallback);
}

void TIniFile::Apply(const KeyChange& change) {
  if (change.Value)
    impl_->ini.SetValue(change.Section.c_str(), change.Key.c_str(), change.Value->c_str(),
                        /*a_pComment=*/nullptr, /*a_bForceReplace=*/true);
  else
    impl_->ini.Delete(change.Section.c_str(), change.Key.c_str(), /*a_bRemoveEmpty=*/false);
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  impl_->changes.push_back({Utf8(section), Utf8(key), StoredValue(value)});
  Apply(impl_->changes.back());
}

void TIniFile::WriteInteger(const QString& section, const QString& key, std::int64_t value) {
  WriteString(section, key, QString::number(value));
}

void TIniFile::DeleteKey(const QString& section, const QString& key) {
  impl_->changes.push_back({Utf8(section), Utf8(key), std::nullopt});
  Apply(impl_->changes.back());
}

FileResult TIniFile::Save() { return Update({}); }

FileResult TIniFile::Update(const std::function<void(TIniFile&)>& Change, int LockWaitMs) {
  TFileLock lock(path_);
  if (FileResult locked = lock.Acquire(LockWaitMs); !locked.Ok()) return locked;
  // The file as another window may have left it, then this object's keys.
  const std::optional<QString> refusal = LoadBytes();
  for (const KeyChange& change : impl_->changes) Apply(change);
  if (refusal) return WriteFailure(path_, *refusal);
  if (Change) Change(*this);

  std::string text;
  if (impl_->ini.Save(text, /*a_bAddSignature=*/false) < 0) return WriteFailure(path_);
  if (!impl_->trailingComments.empty()) {
    if (!text.empty() && text.back() != '\n') text += '\n';
    text += impl_->trailingComments + '\n';
  }
  if (qint64(text.size()) > MaxSettingsFileBytes) return WriteFailure(path_, TooLargeReason(MaxSettingsFileBytes));
  FileResult written = ReplaceFile(path_, QByteArray::fromStdString(text));
  if (written.Ok()) impl_->changes.clear();
  return written;
}
