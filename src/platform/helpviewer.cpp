// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpviewer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "chmfile.h"
#include "messages.h"
#include "nightcolours.h"

namespace {

// Pages are addressed as "chm:/<path inside the file>", so that relative links
// resolve against the page that holds them.
const QString kScheme = QStringLiteral("chm");

// The help shows in night colours.
bool HelpNight = false;

QUrl TopicUrl(QString Local) {
  // A contents entry may name the file itself ("ms-its:orvalis.chm::/page.html").
  const qsizetype inside = Local.indexOf(QLatin1String("::"));
  if (inside >= 0) Local = Local.mid(inside + 2);
  while (Local.startsWith(QLatin1Char('/'))) Local.remove(0, 1);
  return QUrl(kScheme + QStringLiteral(":/") + Local);
}

QString PagePath(const QUrl& Url) {
  QString path = Url.path();
  while (path.startsWith(QLatin1Char('/'))) path.remove(0, 1);
  return path;
}

// Folds case and accents, so that "equipe" finds "Équipe" in the index.
QString SearchKey(const QString& Text) {
  QString key;
  for (const QChar c : Text.normalized(QString::NormalizationForm_D))
    if (c.category() != QChar::Mark_NonSpacing) key.append(c.toLower());
  return key;
}

// The browser of the help window: every page, style sheet and picture comes
// from the help file, never from the disk or the network.
class THelpBrowser : public QTextBrowser {
 public:
  THelpBrowser(const TChmFile& File, QWidget* Parent) : QTextBrowser(Parent), File_(File) {}

  QVariant loadResource(int Type, const QUrl& Name) override {
    QUrl url = Name;
    // Style sheets and pictures are named relative to the page that asks for them.
    if (url.isRelative()) url = (Type == QTextDocument::HtmlResource ? source() : Page_).resolved(url);
    if (url.scheme() != kScheme) return {};
    if (Type == QTextDocument::HtmlResource) Page_ = url.adjusted(QUrl::RemoveFragment);
    const QString path = PagePath(url);
    std::optional<QByteArray> bytes = File_.Read(path);
    // At night the pages, their style and their pictures take night colours.
    if (bytes && HelpNight) *bytes = NightColours(*bytes);
    if (!bytes) return Type == QTextDocument::HtmlResource ? QVariant(MissingPage(path)) : QVariant();
    switch (Type) {
      case QTextDocument::HtmlResource:
      case QTextDocument::StyleSheetResource:
        return DecodeHelpText(*bytes);
      case QTextDocument::ImageResource:
        return Picture(path, *bytes);
      default:
        return *bytes;
    }
  }

 private:
  static QString MissingPage(const QString& Path) {
    return QCoreApplication::translate(
               "THelpViewer",
               "<h1>Page introuvable</h1><p>La page «\u00A0%1\u00A0» ne se trouve pas dans le fichier "
               "d'aide.</p>")
        .arg(Path.toHtmlEscaped());
  }

  QVariant Picture(const QString& Path, const QByteArray& Bytes) const {
    if (!Path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) return QImage::fromData(Bytes);
    QSvgRenderer renderer(Bytes);
    if (!renderer.isValid()) return {};
    const qreal ratio = devicePixelRatioF();
    QImage image(renderer.defaultSize() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
  }

  const TChmFile& File_;
  QUrl Page_;
};

QPointer<THelpViewer>& TheViewer() {
  static QPointer<THelpViewer> viewer;
  return viewer;
}

}  // namespace

THelpViewer::THelpViewer(QWidget* Parent) : QWidget(Parent), File_(std::make_unique<TChmFile>()) {
  setWindowTitle(tr("Aide d'Orvalis"));
  resize(1000, 680);
  // Échap closes the help, as it leaves every screen and dialog.
  new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

  Back_ = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), tr("Précédent"), this);
  Forward_ = new QPushButton(style()->standardIcon(QStyle::SP_ArrowForward), tr("Suivant"), this);
  Home_ = new QPushButton(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Accueil"), this);
  Back_->setObjectName(QStringLiteral("b_Precedent"));
  Forward_->setObjectName(QStringLiteral("b_Suivant"));
  Home_->setObjectName(QStringLiteral("b_Accueil"));
  Back_->setShortcut(QKeySequence::Back);
  Forward_->setShortcut(QKeySequence::Forward);
  Back_->setToolTip(tr("Revenir à la page précédente"));
  Forward_->setToolTip(tr("Aller à la page suivante"));
  Home_->setToolTip(tr("Revenir à la page d'accueil de l'aide"));
  Back_->setEnabled(false);
  Forward_->setEnabled(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Back_);
  buttons->addWidget(Forward_);
  buttons->addWidget(Home_);
  buttons->addStretch(1);

  Contents_ = new QTreeWidget(this);
  Contents_->setObjectName(QStringLiteral("t_Sommaire"));
  Contents_->setHeaderHidden(true);
  Contents_->setColumnCount(1);
  // Long titles scroll sideways rather than being cut short.
  Contents_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  Contents_->header()->setStretchLastSection(false);

  auto* indexPage = new QWidget(this);
  IndexSearch_ = new QLineEdit(indexPage);
  IndexSearch_->setObjectName(QStringLiteral("e_Index"));
  IndexSearch_->setPlaceholderText(tr("Mot à rechercher"));
  IndexSearch_->setClearButtonEnabled(true);
  Index_ = new QListWidget(indexPage);
  Index_->setObjectName(QStringLiteral("l_Index"));
  auto* indexLayout = new QVBoxLayout(indexPage);
  indexLayout->setContentsMargins(4, 4, 4, 4);
  indexLayout->addWidget(IndexSearch_);
  indexLayout->addWidget(Index_);

  Tabs_ = new QTabWidget(this);
  Tabs_->addTab(Contents_, tr("Sommaire"));
  Tabs_->addTab(indexPage, tr("Index"));

  Browser_ = new THelpBrowser(*File_, this);
  Browser_->setObjectName(QStringLiteral("Browser"));
  Browser_->setOpenLinks(false);
  Browser_->document()->setDocumentMargin(14);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(Tabs_);
  splitter->addWidget(Browser_);
  splitter->setStretchFactor(0, 0);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({310, 690});
  splitter->setChildrenCollapsible(false);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(splitter, 1);

  connect(Back_, &QPushButton::clicked, Browser_, &QTextBrowser::backward);
  connect(Forward_, &QPushButton::clicked, Browser_, &QTextBrowser::forward);
  connect(Home_, &QPushButton::clicked, this, &THelpViewer::ShowDefaultTopic);
  connect(Browser_, &QTextBrowser::backwardAvailable, Back_, &QWidget::setEnabled);
  connect(Browser_, &QTextBrowser::forwardAvailable, Forward_, &QWidget::setEnabled);
  connect(Browser_, &QTextBrowser::anchorClicked, this, &THelpViewer::FollowLink);
  connect(Browser_, &QTextBrowser::sourceChanged, this, &THelpViewer::SourceChanged);
  const auto openContentsEntry = [this](QTreeWidgetItem* Item) {
    const QString local = Item->data(0, Qt::UserRole).toString();
    if (!local.isEmpty()) ShowTopic(local);
  };
  connect(Contents_, &QTreeWidget::itemClicked, this, openContentsEntry);
  connect(Contents_, &QTreeWidget::itemActivated, this, openContentsEntry);
  connect(IndexSearch_, &QLineEdit::textEdited, this, &THelpViewer::IndexTextEdited);
  connect(IndexSearch_, &QLineEdit::returnPressed, this, [this] { OpenIndexEntry(Index_->currentItem()); });
  connect(Index_, &QListWidget::itemClicked, this, &THelpViewer::OpenIndexEntry);
  connect(Index_, &QListWidget::itemActivated, this, &THelpViewer::OpenIndexEntry);
}

THelpViewer::~THelpViewer() = default;

bool THelpViewer::Open(const QString& ChmPath) {
  FilePath_.clear();
  Contents_->clear();
  ContentsByPage_.clear();
  Index_->clear();
  Browser_->clearHistory();
  Browser_->clear();
  if (!File_->Open(ChmPath) || !File_->Read(PagePath(TopicUrl(File_->DefaultTopic())))) {
    File_->Close();
    return false;
  }
  FilePath_ = ChmPath;
  if (!File_->Title().isEmpty()) setWindowTitle(File_->Title());
  FillContents();
  FillIndex();
  ShowDefaultTopic();
  return true;
}

void THelpViewer::ShowDefaultTopic() {
  if (File_->IsOpen()) ShowTopic(File_->DefaultTopic());
}

void THelpViewer::ShowTopic(const QString& Local) {
  if (File_->IsOpen()) Browser_->setSource(TopicUrl(Local));
}

QString THelpViewer::CurrentTopic() const { return PagePath(Browser_->source()); }

void THelpViewer::FillContents() {
  // Each entry goes under the last entry one level up.
  QList<QTreeWidgetItem*> parents;
  for (const TChmTopic& topic : File_->Contents()) {
    const int depth = qMin(topic.Depth, int(parents.size()));
    parents.resize(depth);
    auto* item = parents.isEmpty() ? new QTreeWidgetItem(Contents_) : new QTreeWidgetItem(parents.back());
    item->setText(0, topic.Name);
    item->setData(0, Qt::UserRole, topic.Local);
    parents.append(item);
    const QString page = PagePath(TopicUrl(topic.Local));
    if (!topic.Local.isEmpty() && !ContentsByPage_.contains(page)) ContentsByPage_.insert(page, item);
  }
  Contents_->expandAll();
}

void THelpViewer::FillIndex() {
  for (const TChmTopic& topic : File_->Index()) {
    auto* item = new QListWidgetItem(QString(topic.Depth * 4, QLatin1Char(' ')) + topic.Name, Index_);
    item->setData(Qt::UserRole, topic.Local);
  }
}

void THelpViewer::FollowLink(const QUrl& Link) {
  const QUrl target = Link.isRelative() ? Browser_->source().resolved(Link) : Link;
  if (target.scheme() == kScheme)
    Browser_->setSource(target);
  else
    QDesktopServices::openUrl(target);
}

void THelpViewer::SourceChanged(const QUrl& Source) {
  QTreeWidgetItem* item = ContentsByPage_.value(PagePath(Source));
  if (item != nullptr) Contents_->setCurrentItem(item);
}

void THelpViewer::IndexTextEdited(const QString& Text) {
  const QString key = SearchKey(Text.trimmed());
  if (key.isEmpty()) return;
  for (int row = 0; row < Index_->count(); ++row) {
    QListWidgetItem* item = Index_->item(row);
    if (SearchKey(item->text().trimmed()).startsWith(key)) {
      Index_->setCurrentItem(item);
      Index_->scrollToItem(item, QAbstractItemView::PositionAtTop);
      return;
    }
  }
}

void THelpViewer::OpenIndexEntry(QListWidgetItem* Item) {
  if (Item == nullptr) return;
  const QString local = Item->data(Qt::UserRole).toString();
  if (!local.isEmpty()) ShowTopic(local);
}

void THelpViewer::Reload() {
  const QUrl page = Browser_->source();
  Browser_->clear();  // and the style sheet and pictures it keeps
  Browser_->setSource(page);
}

void SetHelpNight(bool Night) {
  if (Night == HelpNight) return;
  HelpNight = Night;
  if (THelpViewer* viewer = TheViewer().data()) viewer->Reload();
}

void OpenHelp(const QString& ChmPath) {
  QPointer<THelpViewer>& viewer = TheViewer();
  if (viewer && viewer->FilePath() == ChmPath) {
    viewer->ShowDefaultTopic();
  } else {
    delete viewer.data();
    auto window = std::make_unique<THelpViewer>();
    if (!window->Open(ChmPath)) {
      ShowMessage(
          QCoreApplication::translate("THelpViewer", "Le fichier d'aide «\u00A0%1\u00A0» est introuvable ou illisible.")
              .arg(QFileInfo(ChmPath).fileName()));
      return;
    }
    // The help window stands on its own: closing it frees it, and it does not
    // keep the program running once the game's window is closed.
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    // Over the game's window, centred.
    if (const QWidget* over = QApplication::activeWindow())
      window->move(over->frameGeometry().center() - window->rect().center());
    viewer = window.release();
    THelpViewer* opened = viewer.data();
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, opened, [opened] { delete opened; });
  }
  viewer->setWindowState(viewer->windowState() & ~Qt::WindowMinimized);
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
}

THelpViewer* CurrentHelpViewer() { return TheViewer().data(); }
