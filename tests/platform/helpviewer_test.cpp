// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpviewer.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>
#include <map>

#include "advancedhint.h"
#include "chmfile.h"
#include "grille.h"

void PrintTo(const QString& Text, std::ostream* Out) { *Out << '"' << Text.toStdString() << '"'; }

namespace {

const QString kHelpFile = QStringLiteral(ORVALIS_HELP_CHM);
const QString kEnglishHelpFile = QStringLiteral(ORVALIS_HELP_CHM_EN);

QString FirstLine(const THelpViewer& Viewer) { return Viewer.Browser()->document()->firstBlock().text().trimmed(); }

// Where the link to Target starts in the page shown.
int LinkPosition(const QTextBrowser& Browser, const QString& Target) {
  for (QTextBlock block = Browser.document()->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it)
      if (it.fragment().charFormat().anchorHref() == Target) return it.fragment().position();
  return -1;
}

// Clicks the link to Target as the player does: scrolls it into view and
// presses and releases the left button on it.
void ClickLink(QTextBrowser& Browser, const QString& Target) {
  const int position = LinkPosition(Browser, Target);
  ASSERT_GE(position, 0) << "no link to " << Target.toStdString();
  QTextCursor cursor(Browser.document());
  cursor.setPosition(position + 1);
  Browser.setTextCursor(cursor);
  Browser.ensureCursorVisible();
  const QPoint point = Browser.cursorRect(cursor).center() - QPoint(2, 0);
  QTest::mouseClick(Browser.viewport(), Qt::LeftButton, Qt::NoModifier, point);
}

// Runs OpenHelp and returns the text of the message box it shows, which is
// closed at once; an empty text when no box appeared.
QString MessageOfOpenHelp(const QString& Path) {
  QString text;
  QObject call;  // the timer dies with this call when no box came
  QTimer::singleShot(0, &call, [&text] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      text = box->text();
      box->buttons().front()->click();
    }
  });
  OpenHelp(Path);
  return text;
}

void CloseHelpWindow() {
  if (THelpViewer* viewer = CurrentHelpViewer()) viewer->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(HelpViewer, OpensTheBuiltHelpFileAtItsDefaultTopic) {
  THelpViewer viewer;
  ASSERT_TRUE(viewer.Open(kHelpFile));
  EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Aide d'Orvalis"));
  EXPECT_EQ(viewer.CurrentTopic(), QStringLiteral("accueil.html"));
  EXPECT_EQ(FirstLine(viewer), QStringLiteral("Bienvenue dans Orvalis"));
  // The heading takes its colour from the style sheet stored in the file.
  EXPECT_EQ(viewer.Browser()->document()->firstBlock().charFormat().foreground().color(), QColor(0x80, 0, 0));
  ASSERT_GT(viewer.ContentsTree()->topLevelItemCount(), 3);
  EXPECT_EQ(viewer.ContentsTree()->topLevelItem(0)->text(0), QStringLiteral("Bienvenue dans Orvalis"));
  EXPECT_EQ(viewer.ContentsTree()->currentItem(), viewer.ContentsTree()->topLevelItem(0));
  EXPECT_GT(viewer.IndexList()->count(), 20);
  EXPECT_FALSE(viewer.BackButton()->isEnabled());
  EXPECT_EQ(viewer.BackButton()->text(), QStringLiteral("Précédent"));
  EXPECT_EQ(viewer.ForwardButton()->text(), QStringLiteral("Suivant"));
}

TEST(HelpViewer, FollowsALinkAndGoesBackAndForward) {
  THelpViewer viewer;
  ASSERT_TRUE(viewer.Open(kHelpFile));
  viewer.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));

  ClickLink(*viewer.Browser(), QStringLiteral("regles.html"));
  EXPECT_EQ(viewer.CurrentTopic(), QStringLiteral("regles.html"));
  EXPECT_EQ(FirstLine(viewer), QStringLiteral("Les règles du Sudoku"));
  // Its picture is read from the file too.
  const QVariant picture =
      viewer.Browser()->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("images/blocs.svg")));
  EXPECT_FALSE(picture.value<QImage>().isNull());

  ASSERT_TRUE(viewer.BackButton()->isEnabled());
  viewer.BackButton()->click();
  EXPECT_EQ(FirstLine(viewer), QStringLiteral("Bienvenue dans Orvalis"));
  ASSERT_TRUE(viewer.ForwardButton()->isEnabled());
  viewer.ForwardButton()->click();
  EXPECT_EQ(FirstLine(viewer), QStringLiteral("Les règles du Sudoku"));
  viewer.HomeButton()->click();
  EXPECT_EQ(viewer.CurrentTopic(), QStringLiteral("accueil.html"));
}

TEST(HelpViewer, TheContentsAndTheIndexOpenTheirPages) {
  THelpViewer viewer;
  ASSERT_TRUE(viewer.Open(kHelpFile));
  const QList<QTreeWidgetItem*> score =
      viewer.ContentsTree()->findItems(QStringLiteral("Le calcul du score"), Qt::MatchExactly | Qt::MatchRecursive);
  ASSERT_EQ(score.size(), 1);
  emit viewer.ContentsTree()->itemClicked(score.front(), 0);
  EXPECT_EQ(FirstLine(viewer), QStringLiteral("Le calcul du score"));

  const QList<QListWidgetItem*> doublons =
      viewer.IndexList()->findItems(QStringLiteral("doublons"), Qt::MatchStartsWith);
  ASSERT_FALSE(doublons.isEmpty());
  emit viewer.IndexList()->itemActivated(doublons.front());
  EXPECT_EQ(viewer.CurrentTopic(), QStringLiteral("tech-eliminations.html"));
}

TEST(HelpViewer, OpenHelpKeepsOneWindowAndBringsItBackToTheDefaultTopic) {
  EXPECT_EQ(MessageOfOpenHelp(kHelpFile), QString());
  THelpViewer* first = CurrentHelpViewer();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  first->ShowTopic(QStringLiteral("options.html"));
  EXPECT_EQ(first->CurrentTopic(), QStringLiteral("options.html"));

  OpenHelp(kHelpFile);
  EXPECT_EQ(CurrentHelpViewer(), first);
  EXPECT_EQ(first->CurrentTopic(), QStringLiteral("accueil.html"));
  CloseHelpWindow();
  EXPECT_EQ(CurrentHelpViewer(), nullptr);
}

TEST(HelpViewer, AMissingOrUnreadableFileIsToldInFrenchAndOpensNoWindow) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString garbage = folder.filePath(QStringLiteral("orvalis.chm"));
  QFile file(garbage);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(5000, 'x'));
  file.close();

  const QString expected = QStringLiteral("Le fichier d'aide «\u00A0orvalis.chm\u00A0» est introuvable ou illisible.");
  for (const QString& path : {folder.filePath(QStringLiteral("absent/orvalis.chm")), garbage}) {
    EXPECT_EQ(MessageOfOpenHelp(path), expected) << path.toStdString();
    EXPECT_EQ(CurrentHelpViewer(), nullptr);
    for (QWidget* window : QApplication::topLevelWidgets())
      EXPECT_FALSE(window->isVisible() && qobject_cast<THelpViewer*>(window) != nullptr);
  }
}

// Every page of the contents and of the index is in the file, and so is
// every page, picture and style sheet those pages name, in either language.
class HelpFileOfALanguage : public testing::TestWithParam<QString> {};
INSTANTIATE_TEST_SUITE_P(FrenchAndEnglish, HelpFileOfALanguage, testing::Values(kHelpFile, kEnglishHelpFile));

TEST_P(HelpFileOfALanguage, EveryPageAndLinkLeadsIntoTheFile) {
  TChmFile file;
  ASSERT_TRUE(file.Open(GetParam()));
  EXPECT_EQ(file.DefaultTopic(), QStringLiteral("accueil.html"));
  QSet<QString> pages;
  for (const TChmTopic& topic : file.Contents() + file.Index())
    if (!topic.Local.isEmpty()) pages.insert(topic.Local.section(QLatin1Char('#'), 0, 0));
  EXPECT_GT(pages.size(), 15);
  for (const QString& page : std::as_const(pages)) {
    const std::optional<QByteArray> bytes = file.Read(page);
    ASSERT_TRUE(bytes) << page.toStdString();
    const QString html = DecodeHelpText(*bytes);
    QTextDocument document;
    document.setHtml(html);
    EXPECT_FALSE(document.firstBlock().text().isEmpty()) << page.toStdString();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        QString target = format.anchorHref().section(QLatin1Char('#'), 0, 0);
        if (format.isImageFormat()) target = format.toImageFormat().name();
        if (!target.isEmpty()) {
          EXPECT_TRUE(file.Read(target)) << page.toStdString() << " names " << target.toStdString();
        }
      }
    }
    EXPECT_TRUE(html.contains(QLatin1String("href=\"orvalis.css\""))) << page.toStdString();
  }
  EXPECT_TRUE(file.Read(QStringLiteral("orvalis.css")));
}

// The program opens the same page in either help file: the English file
// holds every page of the French one, under its English title.
TEST(HelpFile, TheEnglishFileHoldsEveryPageOfTheFrenchOne) {
  TChmFile french;
  TChmFile english;
  ASSERT_TRUE(french.Open(kHelpFile));
  ASSERT_TRUE(english.Open(kEnglishHelpFile));
  EXPECT_EQ(english.Title(), QStringLiteral("Orvalis Help"));
  EXPECT_EQ(english.DefaultTopic(), french.DefaultTopic());
  for (const TChmTopic& topic : french.Contents() + french.Index()) {
    const QString page = topic.Local.section(QLatin1Char('#'), 0, 0);
    if (!page.isEmpty()) {
      EXPECT_TRUE(english.Read(page)) << page.toStdString();
    }
  }
  const std::optional<QByteArray> welcome = english.Read(QStringLiteral("accueil.html"));
  ASSERT_TRUE(welcome);
  EXPECT_TRUE(DecodeHelpText(*welcome).contains(QLatin1String("<h1>Welcome to Orvalis</h1>")));
}

// The hint sentences the help pages quote are the game's own: each of these
// positions, given to the hint search, gives a sentence the page holds word
// for word. The first six are the positions of the pages' pictures.
TEST(HelpFile, TheQuotedHintsAreTheSentencesTheGameWrites) {
  struct Example {
    const char* Page;
    const char* Grid;
  };
  const Example examples[] = {
      {"tech-bande.html", "050000000000000001000050000000000000000000000000000050000000000000000000000000000"},
      {"aides.html", "050000000000000001000050000000000000000000000000000050000000000000000000000000000"},
      {"tech-bande.html", "000000000600000000000000000000000000060000000000000000001000000000000000002000000"},
      {"tech-recherche.html", "040000000000000000000000000000000000203506790000000000000000000000040000000000000"},
      {"tech-recherche.html", "000000000300000000000000000000000000000000000000000000000030000010000000047000000"},
      {"tech-completer.html", "000000000000000000000000000301592648000000000000000000000000000000000000000000000"},
      {"tech-completer.html", "000000000000000000000000000000134000000056000000789000000000000000000000000000000"},
      {"techniques.html", "000000000000000000000000000000134000000056000000789000000000000000000000000000000"},
      {"tech-completer.html", "417369825030150000050720010025437160091580400040010000000643571503201000104805000"},
      {"tech-recherche.html", "410309805030100000000700000020030060000080400040010000000603070503201000104000000"},
      {"tech-recherche.html", "410009805030100000000700000020000060000080400040010000000603070503201000104000000"},
      {"tech-recherche.html", "410309825030100000000700000020030060000080400040010000000603070503201000104000000"},
      {"tech-recherche.html", "417369825030150000050720010025430160001080400040010000000643571503201000104805000"},
      {"tech-possibilites.html", "006080021014230000902600004690072040007906200250840000129768453060025197705090862"},
      {"tech-possibilites.html", "417369825030100000000700000020430060000080400040010000000603070503201000104000000"},
      {"tech-possibilites.html", "030846205208703640640102830300060450004000306061034900493675128000409763706320594"},
      {"tech-eliminations.html", "400000805030000000000700000020000060000080400040010000000603070503201000104000000"},
      {"tech-essais.html", "800000000003600000070090200050007000000045700000100030001000068008500010090000400"},
  };
  TChmFile file;
  ASSERT_TRUE(file.Open(kHelpFile));
  for (const Example& example : examples) {
    TGrille grid;
    grid.LoadFromText(example.Grid, "");
    grid.FindHint();
    ASSERT_NE(grid.HintRow, 0) << example.Grid;
    const std::optional<QByteArray> page = file.Read(QString::fromLatin1(example.Page));
    ASSERT_TRUE(page) << example.Page;
    QTextDocument document;
    document.setHtml(DecodeHelpText(*page));
    const QString text = document.toPlainText().simplified();
    const QString sentence = QString::fromStdString(grid.HintText);
    EXPECT_TRUE(text.contains(sentence)) << example.Page << " lacks: " << grid.HintText;
  }
}

// The pages on the advanced techniques quote, word for word, the hint of each
// position of the advanced hints' table (tests/data/puzzles/advanced_hints.txt).
TEST(HelpFile, TheAdvancedPagesQuoteTheGamesSentences) {
  const std::map<QString, QString> pages = {
      {"réduction ligne-bloc", "tech-sous-ensembles.html"},
      {"sous-ensemble", "tech-sous-ensembles.html"},
      {"sous-ensemble caché", "tech-sous-ensembles.html"},
      {"X-Wing", "tech-poissons.html"},
      {"Swordfish", "tech-poissons.html"},
      {"Jellyfish", "tech-poissons.html"},
      {"XY-Wing", "tech-ailes.html"},
      {"XYZ-Wing", "tech-ailes.html"},
      {"W-Wing", "tech-ailes.html"},
      {"coloriage simple", "tech-coloriage.html"},
      {"chaîne X", "tech-chaines.html"},
      {"chaîne XY", "tech-chaines.html"},
      {"chaîne alternée", "tech-chaines.html"},
      {"rectangle unique", "tech-rectangle.html"},
      {"chaînes de forçage", "tech-chaines.html"},
      {"raisonnement par l'absurde", "tech-chaines.html"},
  };
  TChmFile file;
  ASSERT_TRUE(file.Open(kHelpFile));
  QFile table(QStringLiteral(ORVALIS_TEST_DATA "/puzzles/advanced_hints.txt"));
  ASSERT_TRUE(table.open(QIODevice::ReadOnly | QIODevice::Text));
  int checked = 0;
  while (!table.atEnd()) {
    const QStringList fields = QString::fromUtf8(table.readLine()).trimmed().split(QLatin1Char('\t'));
    ASSERT_EQ(fields.size(), 4);
    const QString& page = pages.at(fields[0]);
    TGrille grid;
    grid.LoadFromText(fields[1].left(81).toStdString(), fields[1].mid(82, 81).toStdString());
    const std::optional<HintStep> hint = grid.FindHint({true, advanced::HasOneSolution(grid)});
    ASSERT_TRUE(hint);
    const std::optional<QByteArray> bytes = file.Read(page);
    ASSERT_TRUE(bytes) << page.toStdString();
    QTextDocument document;
    document.setHtml(DecodeHelpText(*bytes));
    EXPECT_TRUE(document.toPlainText().simplified().contains(QString::fromStdString(hint->Text).simplified()))
        << page.toStdString() << " lacks: " << hint->Text;
    ++checked;
  }
  EXPECT_EQ(checked, 18);
}

TEST(HelpFile, ASitemapGivesItsEntriesWithTheirDepth) {
  const QList<TChmTopic> topics = ParseSitemap(QStringLiteral(
      "<html><body><object type=\"text/site properties\"><param name=\"ImageType\" value=\"Folder\"></object>"
      "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Jouer &amp; gagner\">"
      "<param name=\"Local\" value=\"jouer.html\"></OBJECT>"
      "<UL><li><object type='text/sitemap'><PARAM NAME=Name VALUE=\"Le score\">"
      "<param name=\"Local\" value=\"score.html#exemple\"><param name=\"Name\" value=\"ignoré\"></object></UL>"
      "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Sans page\"></OBJECT></UL></body></html>"));
  ASSERT_EQ(topics.size(), 3);
  EXPECT_EQ(topics[0].Name, QStringLiteral("Jouer & gagner"));
  EXPECT_EQ(topics[0].Local, QStringLiteral("jouer.html"));
  EXPECT_EQ(topics[0].Depth, 0);
  EXPECT_EQ(topics[1].Name, QStringLiteral("Le score"));
  EXPECT_EQ(topics[1].Local, QStringLiteral("score.html#exemple"));
  EXPECT_EQ(topics[1].Depth, 1);
  EXPECT_EQ(topics[2].Local, QString());
  EXPECT_EQ(topics[2].Depth, 0);
}

}  // namespace
