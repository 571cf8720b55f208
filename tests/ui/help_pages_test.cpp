// The help pages the program ships (resources/help): every link and picture
// leads to something that is there, and the user guide has the same sections
// and pictures in all four languages.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QDir kHelp(QUORVAL_SOURCE_DIR "/resources/help");

QString Read(const QString& name) {
  QFile f(kHelp.filePath(name));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
  return QString::fromUtf8(f.readAll());
}

QStringList Matches(const QString& text, const QString& pattern) {
  QStringList found;
  QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
  while (it.hasNext()) found << it.next().captured(1);
  return found;
}

TEST(HelpPages, EveryLinkAndPictureLeadsToSomethingThatIsThere) {
  const QStringList pages = kHelp.entryList({"*.html"}, QDir::Files);
  EXPECT_EQ(pages.size(), 20);   // four guides and sixteen system summaries
  int links = 0;
  for (const QString& page : pages) {
    const QString text = Read(page);
    const QStringList names = Matches(text, "<a name=\"([^\"]+)\"");
    const QSet<QString> anchors(names.begin(), names.end());
    for (const QString& href : Matches(text, "href=\"([^\"]*)\"")) {
      ++links;
      const QString file = href.section('#', 0, 0), anchor = href.section('#', 1);
      EXPECT_FALSE(href.contains("://")) << page.toStdString() << " leads out of the help: " << href.toStdString();
      if (!file.isEmpty()) EXPECT_TRUE(kHelp.exists(file)) << page.toStdString() << " -> " << href.toStdString();
      if (file.isEmpty()) EXPECT_TRUE(anchors.contains(anchor)) << page.toStdString() << " -> " << href.toStdString();
      else if (!anchor.isEmpty()) EXPECT_TRUE(Read(file).contains("name=\"" + anchor + "\"")) << href.toStdString();
    }
    for (const QString& src : Matches(text, "src=\"([^\"]*)\""))
      EXPECT_TRUE(kHelp.exists(src)) << page.toStdString() << " shows " << src.toStdString();
  }
  EXPECT_GT(links, 100);
}

TEST(HelpPages, TheGuideHasTheSameSectionsAndPicturesInEveryLanguage) {
  const struct { const char* page; const char* pictures; const char* summaryLetter; } guides[] = {
      {"English.html", "en", "E"}, {"Dansk.html", "da", "D"}, {"Norsk.html", "no", "N"}, {"Svensk.html", "sv", "S"}};
  const QString english = Read("English.html");
  const QStringList sections = Matches(english, "<a name=\"([^\"]+)\"");
  const QStringList localLinks = Matches(english, "href=\"(#[^\"]+)\"");
  EXPECT_TRUE(sections.contains("Contents"));
  for (const auto& g : guides) {
    const QString text = Read(g.page);
    EXPECT_EQ(Matches(text, "<a name=\"([^\"]+)\""), sections) << g.page;
    EXPECT_EQ(Matches(text, "href=\"(#[^\"]+)\""), localLinks) << g.page;
    // The pictures of its own language, the same ones in the same places.
    QStringList pictures = Matches(text, "src=\"images/([^\"]+)\"");
    for (QString& p : pictures) {
      EXPECT_TRUE(p.startsWith(QString(g.pictures) + "/")) << g.page << " shows " << p.toStdString();
      p = p.section('/', 1);
    }
    QStringList englishPictures = Matches(english, "src=\"images/en/([^\"]+)\"");
    EXPECT_EQ(pictures, englishPictures) << g.page;
    // The summaries it lists are the ones in its own language.
    for (const QString& summary : Matches(text, "href=\"([A-Z]+-[A-Z]\\.html)\""))
      EXPECT_TRUE(summary.endsWith(QString("-") + g.summaryLetter + ".html")) << g.page << " -> " << summary.toStdString();
    EXPECT_EQ(Matches(text, "href=\"([A-Z]+-[A-Z]\\.html)\"").size(), 4) << g.page;
  }
}

}  // namespace
