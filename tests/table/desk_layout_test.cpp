// The table window's pieces at the sizes players use: its own (minimum)
// size and maximised on common screens, in every language, while bidding,
// during the play and at the end of a board. Nothing may lie over another
// piece or reach past the window's edge.
#include <QAction>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include "tests/table/desk_fixture.h"
#include "ui/card_control.h"

namespace quorval {
namespace {

class DeskLayoutTest : public DeskTest {
 protected:
  // Every pair of visible pieces of the table that overlap, and every piece
  // that is not wholly inside the window.
  std::vector<std::string> Faults(TDeskTop& desk) {
    QApplication::processEvents();
    QWidget* table = desk.Panels().desk;
    std::vector<QWidget*> pieces, cards;
    for (QWidget* w : table->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!w->isVisible() || w->geometry().isEmpty()) continue;
      (qobject_cast<TCard*>(w) ? cards : pieces).push_back(w);
    }
    std::vector<std::string> faults;
    const QRect inside(QPoint(0, 0), table->size());
    for (QWidget* w : pieces)
      if (!inside.contains(w->geometry())) faults.push_back(w->objectName().toStdString() + " cut off");
    // The bidding review and the score pad lie on the green cloth by design.
    auto onCloth = [](const QWidget* a, const QWidget* b) {
      return a->objectName() == "Table" &&
             (b->objectName() == "BidReviewPanel" || b->objectName() == "ScorePad");
    };
    for (std::size_t i = 0; i < pieces.size(); ++i)
      for (std::size_t j = i + 1; j < pieces.size(); ++j) {
        QWidget* a = pieces[i];
        QWidget* b = pieces[j];
        if (onCloth(a, b) || onCloth(b, a)) continue;
        if (a->geometry().intersects(b->geometry()))
          faults.push_back(a->objectName().toStdString() + " over " + b->objectName().toStdString());
      }
    // Cards lie in their hands' places and on the cloth, under nothing else.
    for (QWidget* card : cards) {
      if (!inside.contains(card->geometry())) faults.push_back("a card cut off");
      for (QWidget* w : pieces)
        if (!w->objectName().startsWith("Hand") && w->objectName() != "Table" &&
            w->geometry().intersects(card->geometry()))
          faults.push_back("a card under " + w->objectName().toStdString() + " at " +
                           std::to_string(card->x()) + "," + std::to_string(card->y()) + " " +
                           std::to_string(card->width()) + " x " + std::to_string(card->height()));
    }
    return faults;
  }
};

TEST_F(DeskLayoutTest, NothingOverlapsAtAnySizeInAnyLanguageOrPhase) {
  const int languages[] = {0, 1, 2, 4};
  const QSize screens[] = {QSize(), QSize(1366, 768 - 40), QSize(1920, 1080 - 40)};
  for (const int language : languages)
    for (const QSize& screen : screens) {
      TDeskTop& desk = Desk("Imp", 1, language);
      desk.resize(screen.isValid() ? screen.expandedTo(desk.minimumSize()) : desk.minimumSize());
      const std::string where = "language " + std::to_string(language) + " at " +
                                std::to_string(desk.width()) + " x " + std::to_string(desk.height());
      desk.NewHandClick();
      for (const std::string& f : Faults(desk)) ADD_FAILURE() << "bidding, " << where << ": " << f;
      while (desk.Game().State().phase == Phase::Bidding) desk.ButMakeBidClick();
      if (desk.Game().State().phase == Phase::BiddingOver) {
        for (const std::string& f : Faults(desk)) ADD_FAILURE() << "auction over, " << where << ": " << f;
        Click("EOBStart");
        for (int i = 0; i < 6 && desk.Game().State().phase == Phase::Playing; ++i) Key(Qt::Key_Return);
        for (const std::string& f : Faults(desk)) ADD_FAILURE() << "play, " << where << ": " << f;
        Click("TPPFast");
      }
      ASSERT_EQ(desk.Game().State().phase, Phase::BoardOver);
      for (const std::string& f : Faults(desk)) ADD_FAILURE() << "board over, " << where << ": " << f;
      // The strata pages keep their seven columns in view.
      EXPECT_TRUE(desk.Panels().scorePages->isVisible()) << where;
    }
}

// A larger window gets a larger table: one scale factor over the whole
// layout (the cloth, the cards, the fonts), the table centred on its cloth.
// A window smaller than the table keeps it at its own size and scrolls.
TEST_F(DeskLayoutTest, TheTableFillsTheWindowAndScrollsBelowItsOwnSize) {
  TDeskTop& desk = Desk();
  const QSize own = desk.sizeHint();
  desk.NewHandClick();
  QWidget* table = desk.Panel("Table");
  QWidget* layout = desk.Panels().desk;
  auto* cloth = qobject_cast<QScrollArea*>(desk.centralWidget());
  ASSERT_NE(cloth, nullptr);
  TCard* card = desk.Panels().cards->Hand(South).Card(1);
  const QSize table1 = table->size(), card1 = card->size();
  const qreal font1 = layout->font().pointSizeF();
  EXPECT_EQ(desk.TableScale(), 1.0);

  desk.resize(1920, 1040);
  QApplication::processEvents();
  const qreal s = desk.TableScale();
  EXPECT_GT(s, 1.4);
  EXPECT_NEAR(table->width(), table1.width() * s, 1.5);
  EXPECT_NEAR(table->height(), table1.height() * s, 1.5);
  EXPECT_NEAR(card->width(), card1.width() * s, 1.0);
  EXPECT_NEAR(card->height(), card1.height() * s, 1.0);
  EXPECT_NEAR(layout->font().pointSizeF(), font1 * s, 0.01);
  // Centred, and filling the window one way.
  const QRect placed(layout->mapTo(cloth, QPoint(0, 0)), layout->size());
  EXPECT_LE(std::abs(placed.left() - (cloth->width() - placed.right() - 1)), 1);
  EXPECT_LE(std::abs(placed.top() - (cloth->height() - placed.bottom() - 1)), 1);
  EXPECT_TRUE(cloth->width() - placed.width() <= 2 || cloth->height() - placed.height() <= 2)
      << placed.width() << " x " << placed.height();
  for (const std::string& f : Faults(desk)) ADD_FAILURE() << "at scale " << s << ": " << f;

  desk.resize(own - QSize(200, 150));
  QApplication::processEvents();
  EXPECT_EQ(desk.TableScale(), 1.0);
  EXPECT_EQ(table->size(), table1);
  EXPECT_EQ(card->size(), card1);
  EXPECT_TRUE(cloth->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(cloth->verticalScrollBar()->isVisible());
}

// The window's size and place are kept for the player when it closes (a new
// key of the player's section) and taken again by the next window; an
// options file from before has none, and the window opens as it always did.
TEST_F(DeskLayoutTest, TheWindowsPlaceIsKeptForThePlayer) {
  TDeskTop& first = Desk();
  EXPECT_FALSE(first.RestoreWindowPlace());
  first.SetKeepWindowPlace(true);
  first.resize(900, 650);
  ASSERT_TRUE(first.close());
  const TMyINI saved(dir_.filePath("Options.INI").toStdString());
  const QStringList kept = QString::fromStdString(saved.ReadString("Tester", "TableWindow", "")).split(',');
  ASSERT_EQ(kept.size(), 5);
  EXPECT_EQ(kept[2], "900");
  EXPECT_EQ(kept[3], "650");
  EXPECT_EQ(kept[4], "0");
  TDeskTop& second = Desk();
  EXPECT_TRUE(second.RestoreWindowPlace());
  EXPECT_EQ(second.size(), QSize(900, 650));
}

}  // namespace
}  // namespace quorval
