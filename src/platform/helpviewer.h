// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: shows the pages of the compiled help file "orvalis.chm"
// with its table of contents and its index, links between pages, pictures and
// style read from inside the file, and the previous and next pages. OpenHelp is
// what the game calls (F1 on the menu, "Documentation" on the game screen).
#pragma once

#include <memory>

#include <QHash>
#include <QUrl>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class TChmFile;

class THelpViewer : public QWidget {
  Q_OBJECT

 public:
  explicit THelpViewer(QWidget* Parent = nullptr);
  ~THelpViewer() override;

  // Opens a help file and shows its default topic; false, with nothing shown,
  // when the file is missing, is not a help file or has no readable page.
  bool Open(const QString& ChmPath);
  QString FilePath() const { return FilePath_; }

  void ShowDefaultTopic();
  // A page of the file, as the contents name it ("regles.html#but").
  void ShowTopic(const QString& Local);
  // The page on show, loaded again with its style and pictures.
  void Reload();
  // The page shown, as a path inside the file ("regles.html").
  QString CurrentTopic() const;

  QTextBrowser* Browser() const { return Browser_; }
  QTreeWidget* ContentsTree() const { return Contents_; }
  QListWidget* IndexList() const { return Index_; }
  QPushButton* BackButton() const { return Back_; }
  QPushButton* ForwardButton() const { return Forward_; }
  QPushButton* HomeButton() const { return Home_; }

 private:
  void FillContents();
  void FillIndex();
  void FollowLink(const QUrl& Link);
  void SourceChanged(const QUrl& Source);
  void IndexTextEdited(const QString& Text);
  void OpenIndexEntry(QListWidgetItem* Item);

  std::unique_ptr<TChmFile> File_;
  QString FilePath_;
  QTextBrowser* Browser_ = nullptr;
  QTabWidget* Tabs_ = nullptr;
  QTreeWidget* Contents_ = nullptr;
  QLineEdit* IndexSearch_ = nullptr;
  QListWidget* Index_ = nullptr;
  QPushButton* Back_ = nullptr;
  QPushButton* Forward_ = nullptr;
  QPushButton* Home_ = nullptr;
  QHash<QString, QTreeWidgetItem*> ContentsByPage_;
};

// Opens the help file at its default topic in the one help window of the
// program, creating it or bringing it to the front. When the file is missing
// or unreadable the player is told so in a message and no window opens.
void OpenHelp(const QString& ChmPath);
// The help in night colours (NightColours) or in its own; an open help
// window shows its page again.
void SetHelpNight(bool Night);

// The help window OpenHelp shows, or null when none is open.
THelpViewer* CurrentHelpViewer();
