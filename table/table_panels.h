#pragma once
// The widgets of the table window, named as the table's handlers know them
// (the board panel "DupBd", the play buttons "ThePlayPad", the score pad...),
// and what is drawn on them: the layout around the table, the bidding
// review's cells, the contract picture and the strata pages' frames. No
// rule of the game lives here; the window fills them from the game.

#include <QColor>
#include <QFont>
#include <QString>
#include <array>
#include <memory>

#include "core/calls.h"
#include "core/deal.h"

class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;

namespace quorval {

class TBidBoxEuro;
class TBoardPicture;
class TBridgeGrid;
class TBridgeLab;
class TCardTable;
class TDeskTop;
class TMeaningList;

struct TablePanels {
  // Builds every panel on `window`; the buttons call its handlers. The card
  // controls show `hands`.
  TablePanels(TDeskTop& window, std::array<THands, 4>& hands);
  ~TablePanels();

  // Places the panels around the table: the bidding box and the strata pages
  // (`strataWidth` wide) right of East's hand, and the window never narrower
  // than they need (its menu bar `menuHeight` high).
  // Returns the size the panels need at scale 1.
  QSize Layout(int strataWidth);
  // Which skin colour each panel takes; the cloth keeps its green.
  void TagForSkin();
  // The skin's colour 5 on the grids.
  void ColourGrids(const QColor& colour);

  // The bidding review: every cell blank, then call number `index` of a deal
  // by `dealer` in its seat's column.
  void ClearReviewGrid();
  void AddBid(Seat dealer, int index, const QString& text);
  // South's high-card points under the seat's name.
  void ShowSouthPoints(int hcp, const QString& label);
  // The contract drawn in the screen's own pixels on the play panel's ground.
  void DrawContract(const QString& text, QFont font, qreal pixelRatio);
  // A strata page's headings (row 0) and colours; the user's own row
  // (`userRow`, none when -1) in its own colour.
  void LabelStrataGrid(TBridgeGrid* grid, const std::array<QString, 7>& headings, const QColor& colour,
                       int userRow = -1);
  // The width of the strata pages: what the widest results a board can have
  // need, or the results on the pages when they need more.
  int StrataPagesWidth(const std::array<QString, 7>& headings, const QColor& colour);
  // The seat to play marked in yellow on its own side of the cloth, where
  // its card will lie (-1: no mark).
  void MarkTurn(int seat, const QString& name);

  qreal scale = 1.0;   // the layout's scale factor (TScaledLayout)
  QWidget* desk = nullptr;
  QFrame* table = nullptr;
  std::array<QWidget*, 4> handPanels{};
  QWidget* tricksWL = nullptr;
  QFrame* dupBd = nullptr;
  TBoardPicture* dup = nullptr;
  QLabel* bidSysLabel = nullptr;
  QLabel* sessionLab = nullptr;
  QFrame* playPanel = nullptr;
  QLabel* contractImg = nullptr;
  QLabel* nsTricks = nullptr;
  QLabel* ewTricks = nullptr;
  QFrame* hcpPanel = nullptr;
  QLabel* hcpText = nullptr;
  QLabel* turnMark = nullptr;   // on the cloth: whose turn in the play
  QFrame* reviewPanel = nullptr;
  std::array<QLabel*, 4> seatHeadings{};   // West, North, East, South
  TBridgeGrid* bidReview = nullptr;
  QPushButton* closeReview = nullptr;
  TBidBoxEuro* bidBox = nullptr;
  TMeaningList* hintMeanings = nullptr;
  QFrame* endOfBidding = nullptr;
  QFrame* endofScoring = nullptr;
  QFrame* playPad = nullptr;
  QFrame* scorePad = nullptr;
  TBridgeLab* scorePadResults = nullptr;
  TBridgeGrid* scorePadGrid = nullptr;
  QTabWidget* scorePages = nullptr;
  std::array<TBridgeGrid*, 3> strata{};
  std::unique_ptr<TCardTable> cards;
};

}  // namespace quorval
