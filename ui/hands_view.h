#pragma once
// The hands on the table: each seat's thirteen card controls laid out face up
// or face down around the table panel, the card each seat has put on the
// table, and the row of won and lost tricks. The holdings come from the
// table's four THands; what may be played comes from the table as a
// TPlayContext, so no play rule lives here beyond following suit.

#include <QObject>
#include <QPoint>
#include <QRect>
#include <array>
#include <vector>

#include "core/deal.h"
#include "ui/card_control.h"

namespace quorval {

class THandView;

// A card of a hand; its tag is the card code.
class TMateCard : public TCard {
  Q_OBJECT

 public:
  TMateCard(QWidget* owner, THandView* hand, Seat seat);
  Seat HandSeat() const { return seat_; }
  CardCode Tag() const { return tag_; }
  void SetTag(CardCode code) { tag_ = code; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  THandView* hand_;
  Seat seat_;
  CardCode tag_ = 0;
};

// What the play driver tells the hands about the trick in progress.
struct TPlayContext {
  bool blocked = true;     // no card may be picked (auction, engine thinking)
  Seat toPlay = South;     // the seat whose card is wanted
  int suitLed = -1;        // -1 when the next card leads the trick
  int winningSuit = -1;    // suit of the card winning now (at a lead: of the
                           // last trick's winner); -1 before any card played
  bool highlightOff = false;  // keyboard selection shown without highlight
};

// Suit order left to right for the deciding strain (the contract strain once
// the auction is over when it is clubs, diamonds or hearts, else spades).
std::array<TSuit, 4> SuitDisplayOrder(tAllTrump decidingStrain, Seat seat);

// Positions (window coordinates) of the face-up cards of a hand, in the order
// of `counts` (card counts per displayed suit, display order).
std::vector<QPoint> FaceUpPositions(Seat seat, const std::array<int, 4>& counts,
                                    const QRect& table, const QRect& panel);
// Positions of n face-down cards.
std::vector<QPoint> FaceDownPositions(Seat seat, int cards, const QRect& table,
                                      const QRect& panel);
// Where a seat's played card lies on the table (window coordinates).
QPoint TableTarget(Seat seat, const QRect& table);

// The display part of one seat's hand.
class THandView : public QObject {
  Q_OBJECT

 public:
  // The cards are children of `window` so they can travel to the table panel.
  THandView(QWidget* window, QWidget* handPanel, QWidget* tablePanel,
            THands* hand, class TCardTable* owner);

  Seat HandSeat() const { return hand_->HandSeat; }
  THands& Data() { return *hand_; }
  const THands& Data() const { return *hand_; }
  TMateCard* Card(int n) const { return cards_[n - 1]; }   // n = 1..16
  TMateCard* FindCard(CardCode code) const;                  // among 1..13
  int CardOnTable() const { return onTable_; }
  int CardBeingPlayed() const { return beingPlayed_; }
  void SetCardBeingPlayed(int n) { beingPlayed_ = n; }
  bool HighlightFlag() const { return highlight_; }
  void SetHighlightFlag(bool on) { highlight_ = on; }
  bool Seen() const { return seen_; }
  void SetSeen(bool seen) { seen_ = seen; }

  void LoadCards();
  void Redisplay(bool refresh);
  // Puts the card with this code on the table; false when the hand has no
  // such card left.
  bool PlayCard(CardCode code);
  void EnableForPlay(bool on);
  bool CardOK(const TMateCard* card) const;
  void SelectNext() { Walk(+1, false); }
  void SelectPrevious() { Walk(-1, false); }
  void SelectNextSuit() { Walk(+1, true); }
  void SelectPreviousSuit() { Walk(-1, true); }
  // The lowest card of the preferred suit (see TPlayContext); 0 if no cards.
  CardCode DefaultCard() const;
  // True when the current card may be played by keyboard; otherwise beeps
  // and selects the default card.
  bool CheckCurrentCard();
  void ClearFromTable();
  void SetBacks(int design, int64_t colour);
  // The cards laid out again at the table's scale (a hand not shown stays so).
  void Rescale();

  // Called by a card on release: quick click or drop on the table.
  void CardReleased(TMateCard* card, bool quickClick);

 private:
  void Walk(int step, bool otherSuit);
  void Select(const TMateCard* card);
  void LayoutFaceUp();
  void LayoutFaceDown();
  std::array<TSuit, 4> Order() const;

  QWidget* window_;
  QWidget* panel_;
  QWidget* table_;
  THands* hand_;
  TCardTable* owner_;
  std::array<TMateCard*, 16> cards_{};
  bool highlight_ = false;
  bool seen_ = false;
  int beingPlayed_ = 0;
  int onTable_ = 0;
};

// The four hands, the shared display state and the won-and-lost row.
class TCardTable : public QObject {
  Q_OBJECT

 public:
  // `hands` are the table's four THands (North, East, South, West); `tricks`
  // is the panel holding the won-and-lost row (may be null). The card
  // controls belong to `window`; the TCardTable itself has no Qt parent and
  // belongs to whoever creates it (the table window holds it by value or
  // unique_ptr), so it is never deleted twice.
  TCardTable(QWidget* window, QWidget* tablePanel,
             const std::array<QWidget*, 4>& handPanels, QWidget* tricks,
             std::array<THands, 4>* hands);

  THandView& Hand(Seat seat) { return *views_[seat]; }
  QWidget* Window() const { return window_; }
  QWidget* TablePanel() const { return table_; }

  // Shared state read by the hands.
  TPlayContext& Context() { return context_; }
  const TPlayContext& Context() const { return context_; }
  tAllTrump DecidingStrain() const { return strain_; }
  void SetDecidingStrain(tAllTrump strain) { strain_ = strain; }
  bool ShowAllHands() const { return showAll_; }
  void SetShowAllHands(bool on) { showAll_ = on; }
  int FaceUpSeats() const { return faceUpSeats_; }
  CardCode CurrentCard() const { return currentCard_; }
  void SetCurrentCard(CardCode code) { currentCard_ = code; }
  int BackDesign() const { return backDesign_; }
  int64_t BackColour() const { return backColour_; }

  void LoadAll();
  void RedisplayAll();
  void RestoreAll();
  // Face-up (and seen) flags from a seat mask: bit seat + 1 set = face up.
  void ApplyFaceUpMask(int mask);
  void SetBacks(int design, int64_t colour);
  // The table's scale: every card that large, the hands and the tricks laid
  // out again. The places are worked out at scale 1 and then scaled.
  qreal Scale() const { return scale_; }
  void SetScale(qreal scale);

  // "Show All 4 Hands": every hand face up, FaceUpSeats 30.
  void ShowHandsClick();
  // "Hide N, E, and W Hands": South face up; during the play also the dummy,
  // and North when South is the dummy. `dummy` is -1 outside the play.
  void HideHandsClick(bool playing, int dummy);

  void ClearTable();
  void TableCardsBehind(bool behind);

  // The won-and-lost row: one small back per completed trick, sideways for
  // tricks won by East-West.
  void SetupTricksRow();
  void ShowWonTricks(const std::vector<Seat>& trickWinners);
  TCard* TrickCard(int n) const { return trickCards_[n - 1]; }  // 1..13

 private:
  QWidget* window_;
  QWidget* table_;
  QWidget* tricks_;
  std::array<THands, 4>* hands_;
  std::array<THandView*, 4> views_{};
  std::array<TCard*, 13> trickCards_{};
  std::vector<Seat> winners_;
  TPlayContext context_;
  tAllTrump strain_ = Spade;
  bool showAll_ = false;
  int faceUpSeats_ = 8;
  CardCode currentCard_ = 0;
  int backDesign_ = 14;
  int64_t backColour_ = -1;
  qreal scale_ = 1.0;
};

}  // namespace quorval
