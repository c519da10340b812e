// SPDX-License-Identifier: GPL-3.0-or-later
// A compiled HTML help file (".chm") opened for reading with chmlib: its pages,
// pictures and style sheets by their path inside the file, its default topic
// and title, and its table of contents and index as flat lists of entries.
#pragma once

#include <optional>

#include <QByteArray>
#include <QList>
#include <QString>

struct chmFile;

// One entry of a table of contents or of an index: its text, the page it
// leads to (a path inside the file, possibly with "#anchor"; empty for a
// heading without a page) and its depth (0 for the outermost level).
struct TChmTopic {
  QString Name;
  QString Local;
  int Depth = 0;
};

class TChmFile {
 public:
  TChmFile() = default;
  ~TChmFile();
  TChmFile(const TChmFile&) = delete;
  TChmFile& operator=(const TChmFile&) = delete;

  // Opens Path (closing any file opened before); false when the file is
  // missing or is not a compiled help file.
  bool Open(const QString& Path);
  void Close();
  bool IsOpen() const { return Handle_ != nullptr; }

  // The bytes stored under Path ("accueil.html" or "/images/a.svg"), or
  // nothing when the file holds no such entry.
  std::optional<QByteArray> Read(const QString& Path) const;

  // What the file's system record names: the default topic (the first page
  // of the contents when it names none), the title, the contents and index
  // files (an empty string when there is none).
  QString DefaultTopic() const { return DefaultTopic_; }
  QString Title() const { return Title_; }
  QList<TChmTopic> Contents() const;
  QList<TChmTopic> Index() const;

 private:
  void ReadSystemRecord();
  QList<TChmTopic> ReadSitemap(const QString& Path) const;

  chmFile* Handle_ = nullptr;
  QString DefaultTopic_;
  QString Title_;
  QString ContentsFile_;
  QString IndexFile_;
};

// The entries of a sitemap (the HTML list of a ".hhc" or ".hhk" file), in
// document order: each <object type="text/sitemap"> with its "Name" and
// "Local" parameters, at the depth of the <ul> lists around it.
QList<TChmTopic> ParseSitemap(const QString& Html);

// Text of a page, style sheet or sitemap stored in a help file: the encoding
// its byte-order mark or <meta> names, else UTF-8 read with a Windows-1252
// fallback for stray bytes.
QString DecodeHelpText(const QByteArray& Bytes);
