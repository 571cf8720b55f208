// The review window on its own: its word list names its widgets and holds
// the window's English texts with a text for every language, the summary's
// suit marks become coloured symbols, and the window closes while the solver
// is still at work without waiting for the whole play.
#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <thread>

#include "tests/ui/ui_test_app.h"
#include "ui/multi_lang.h"
#include "ui/review_window.h"

namespace quorval {
namespace {

using testing::UiTest;

review::BoardReview SmallBoard() {
  review::BoardReview b;
  b.key = "Imp01.01";
  b.SetPlay(Contract{MakeBid(1, NT), 0, South}, {});
  return b;
}

review::ReviewSolvers Quiet() {
  review::ReviewSolvers s;
  s.table = [](const Deal&, review::MakeableTable&, std::string&) { return true; };
  s.card = [](const review::PlayToReview&, int index, int) {
    review::CardReview r;
    r.index = index;
    return r;
  };
  return s;
}

struct Row {
  std::string key;
  std::vector<std::string> cells;
};

std::vector<Row> ReviewList() {
  QFile f(QUORVAL_SOURCE_DIR "/resources/lang/review.txt");
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  std::vector<Row> rows;
  for (const QByteArray& raw : f.readAll().split('\n')) {
    const QString line = QString::fromUtf8(raw);
    if (line.isEmpty() || line.startsWith('#')) continue;
    const QStringList cells = line.split('\t');
    Row row{cells[0].toStdString(), {}};
    for (int i = 1; i < cells.size(); ++i) row.cells.push_back(cells[i].toStdString());
    rows.push_back(row);
  }
  return rows;
}

// The text a widget shows now, as the word list gives it.
QString Shown(const QObject* o) {
  if (const auto* l = qobject_cast<const QLabel*>(o)) return l->text();
  if (const auto* b = qobject_cast<const QAbstractButton*>(o)) return b->text();
  if (const auto* g = qobject_cast<const QGroupBox*>(o)) return g->title();
  return {};
}

TEST_F(UiTest, TheReviewWordListNamesTheWindowsWidgetsInEveryLanguage) {
  TReviewForm window(nullptr, SmallBoard(), Quiet());
  window.WaitForAnalysis();
  const auto rows = ReviewList();
  ASSERT_GT(rows.size(), 60u);
  QString lastKey;
  for (const Row& row : rows) {
    ASSERT_EQ(row.cells.size(), 8u) << row.key;
    for (const int language : {0, 1, 2, 4})
      EXPECT_FALSE(row.cells[size_t(language)].empty()) << row.key << " " << language;
    for (const int language : {3, 5, 6, 7}) EXPECT_TRUE(row.cells[size_t(language)].empty()) << row.key;
    const QString english = QString::fromStdString(row.cells[0]);
    if (row.key == "%Form%") {
      EXPECT_EQ(window.windowTitle(), english);
    } else if (row.key == "\".Hint") {
      const auto* w = window.findChild<QWidget*>(lastKey);
      ASSERT_NE(w, nullptr) << lastKey.toStdString();
      EXPECT_EQ(w->toolTip(), english) << lastKey.toStdString();
    } else {
      lastKey = QString::fromStdString(row.key);
      // A widget, or a text the window composes at run time.
      if (const QObject* o = window.findChild<QObject*>(lastKey)) {
        EXPECT_EQ(Shown(o), english) << row.key;
      } else {
        const auto* lang = window.findChild<const TMultiLang*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_NE(lang, nullptr);
        EXPECT_EQ(lang->Text(row.key), english) << row.key;
      }
    }
  }
}

TEST_F(UiTest, TheWindowSpeaksTheLanguageItIsGivenAndComesBackToEnglish) {
  review::BoardReview b = SmallBoard();
  b.SetPlay(Contract{MakeBid(1, NT), 0, South}, {MakeCard(2, Club)});
  TReviewForm window(nullptr, b, Quiet());
  window.WaitForAnalysis();
  const auto* back = window.findChild<QPushButton*>("BackBtn");
  ASSERT_NE(back, nullptr);

  window.SetLanguage(4);   // Swedish
  EXPECT_EQ(window.windowTitle(), "ORVENDAL QUORVAL 2005 - Analys");
  EXPECT_EQ(back->text(), "Bakåt");
  EXPECT_EQ(back->toolTip(), "Ett kort bakåt (vänsterpil)");
  // Texts the window composes are made again in the new language.
  EXPECT_EQ(window.DetailText(), "Före utspelet: Väst spelar ut.");
  EXPECT_EQ(window.Progress()->format(), "Analysen är klar");
  EXPECT_EQ(window.Words().seats[size_t(North)], "Nord");

  window.SetLanguage(1);   // Danish
  EXPECT_EQ(back->text(), "Tilbage");
  EXPECT_EQ(window.DetailText(), "Før udspillet: Vest spiller ud.");

  window.SetLanguage(0);
  EXPECT_EQ(back->text(), "Back");
  EXPECT_EQ(window.DetailText(), "Before the opening lead: West is on lead.");
}

TEST_F(UiTest, SuitMarksOfTheSummaryBecomeColouredSymbols) {
  const QString html = SymbolHtml("4~SX by North <b>\n3~H");
  EXPECT_TRUE(html.startsWith("4<span style=\"color:")) << html.toStdString();
  EXPECT_TRUE(html.contains(QChar(0x2660)));
  EXPECT_TRUE(html.contains(QChar(0x2665)));
  EXPECT_TRUE(html.contains("&lt;b&gt;<br>3"));   // the text is escaped, lines kept
}

// However many solver threads the machine has: the window closes while
// cards are being solved, and no thread that finished a card after that
// begins another. (A card that ends after the close ends 300 ms after it,
// when the window has long told the threads to stop.)
TEST_F(UiTest, TheReviewClosesWhileTheSolverIsAtWork) {
  review::BoardReview b = SmallBoard();
  b.SetPlay(Contract{MakeBid(1, NT), 0, South}, std::vector<CardCode>(52, MakeCard(2, Club)));
  std::atomic<int> slowInHand{0}, begunAgain{0};
  std::atomic<bool> closing{false};
  std::mutex lock;
  std::set<int> stoppedThreads;   // the threads that finished a card after the close
  review::ReviewSolvers s = Quiet();
  s.card = [&](const review::PlayToReview&, int index, int thread) {
    {
      const std::lock_guard<std::mutex> guard(lock);
      if (stoppedThreads.count(thread)) ++begunAgain;
    }
    if (index >= 3) {   // a slow position, solved once the window closes
      ++slowInHand;
      while (!closing) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (closing) {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      const std::lock_guard<std::mutex> guard(lock);
      stoppedThreads.insert(thread);
    }
    review::CardReview r;
    r.index = index;
    return r;
  };
  {
    TReviewForm window(nullptr, b, s);
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (slowInHand == 0 && std::chrono::steady_clock::now() < giveUp)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    closing = true;
    ASSERT_GT(slowInHand.load(), 0);
  }
  EXPECT_FALSE(stoppedThreads.empty());
  EXPECT_EQ(begunAgain.load(), 0);
}

}  // namespace
}  // namespace quorval
