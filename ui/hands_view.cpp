#include "ui/hands_view.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include "core/messages.h"
#include "ui/table_message.h"

namespace quorval {

namespace {

// A rectangle of a child of `window` (at any depth) in window coordinates.
QRect InWindow(const QWidget* w, const QWidget* window) {
  if (!w) return {};
  if (w == window) return QRect(QPoint(0, 0), w->size());
  if (w->parentWidget() == window) return w->geometry();
  return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
}

int RightOf(const QRect& r) { return r.left() + r.width(); }

// A rectangle of the table as it is at scale 1, and a place at scale 1 as it
// is on the table.
QRect Unscaled(const QRect& r, qreal scale) {
  if (scale == 1.0) return r;
  return QRect(qRound(r.x() / scale), qRound(r.y() / scale), qRound(r.width() / scale), qRound(r.height() / scale));
}
QPoint Scaled(const QPoint& p, qreal scale) { return QPoint(qRound(p.x() * scale), qRound(p.y() * scale)); }

}  // namespace

std::array<TSuit, 4> SuitDisplayOrder(tAllTrump strain, Seat seat) {
  std::array<TSuit, 4> order;
  switch (strain) {
    case Club: order = {Club, Heart, Spade, Diamond}; break;
    case Diamond: order = {Diamond, Spade, Heart, Club}; break;
    case Heart: order = {Heart, Spade, Diamond, Club}; break;
    default: order = {Spade, Heart, Club, Diamond}; break;
  }
  if (seat == West) std::reverse(order.begin(), order.end());
  return order;
}

std::vector<QPoint> FaceUpPositions(Seat seat, const std::array<int, 4>& counts, const QRect& table,
                                    const QRect& panel) {
  std::vector<QPoint> at;
  if (seat == East || seat == West) {
    int top = panel.top();
    bool first = true;
    for (int n : counts) {
      if (n == 0) continue;
      if (!first) top += 35;
      first = false;
      const int step = n >= 7 ? 116 / n : 18;
      for (int i = 0; i < n; ++i) at.emplace_back(panel.left() + i * step, top);
    }
    return at;
  }
  int cards = 0, suits = 0;
  for (int n : counts) {
    cards += n;
    if (n > 0) ++suits;
  }
  if (cards == 0) return at;
  const int g = 18 * (cards - 1) + 17 * (suits - 1) + 70;
  int x;
  if (table.width() < g) {
    x = RightOf(table) - g;
    if (seat == North) x = std::max(x + 12, panel.left() - 10);
  } else {
    x = table.left() + (table.width() - g) / 2;
  }
  bool firstSuit = true;
  for (int n : counts) {
    if (n == 0) continue;
    if (!firstSuit) x += 17;
    firstSuit = false;
    for (int i = 0; i < n; ++i) {
      at.emplace_back(x, panel.top());
      x += 18;
    }
  }
  return at;
}

std::vector<QPoint> FaceDownPositions(Seat seat, int cards, const QRect& table, const QRect& panel) {
  std::vector<QPoint> at;
  for (int i = 0; i < cards; ++i) {
    switch (seat) {
      case East: at.emplace_back(panel.left(), panel.top() + 9 * i); break;
      case West: at.emplace_back(table.left() - 77, panel.top() + 9 * i); break;
      default: at.emplace_back(table.left() + (table.width() - (10 * cards + 61)) / 2 + 10 * i, panel.top());
    }
  }
  return at;
}

QPoint TableTarget(Seat seat, const QRect& table) {
  const int acrossX = table.left() + (table.width() - kCardWidth) / 2;
  const int middleY = table.top() + (table.height() - kCardHeight) / 2;
  switch (seat) {
    case North: return {acrossX, table.top() + 5};
    case South: return {acrossX, table.top() + table.height() - kCardHeight - 5};
    case East: return {RightOf(table) - kCardWidth - 5, middleY};
    default: return {table.left() + 5, middleY};
  }
}

// ----- TMateCard ---------------------------------------------------------

TMateCard::TMateCard(QWidget* owner, THandView* hand, Seat seat) : TCard(owner), hand_(hand), seat_(seat) {}

void TMateCard::mousePressEvent(QMouseEvent* event) {
  PressStep(event);
  if (!hand_->CardOK(this)) CancelDrag();
}

void TMateCard::mouseMoveEvent(QMouseEvent* event) {
  if (Dragging()) MoveStep(event);
}

void TMateCard::mouseReleaseEvent(QMouseEvent* event) {
  ReleaseStep(event);
  if (event->button() == Qt::LeftButton && hand_->CardOK(this)) hand_->CardReleased(this, Clicked());
}

// ----- THandView ---------------------------------------------------------

THandView::THandView(QWidget* window, QWidget* handPanel, QWidget* tablePanel, THands* hand, TCardTable* owner)
    : QObject(owner), window_(window), panel_(handPanel), table_(tablePanel), hand_(hand), owner_(owner) {
  for (auto& card : cards_) card = new TMateCard(window, this, hand->HandSeat);
}

std::array<TSuit, 4> THandView::Order() const { return SuitDisplayOrder(owner_->DecidingStrain(), HandSeat()); }

TMateCard* THandView::FindCard(CardCode code) const {
  for (int n = 1; n <= 13; ++n)
    if (cards_[n - 1]->Tag() == code && !cards_[n - 1]->Played()) return cards_[n - 1];
  return nullptr;
}

void THandView::LoadCards() {
  highlight_ = false;
  beingPlayed_ = 0;
  onTable_ = 0;
  int n = 1;
  for (TSuit suit : Order()) {
    const Holding h = hand_->Suits[suit].CurrentHolding;
    for (TRank r = Ace; r >= 2; --r) {
      if (!(h & RankBit(r)) || n > 13) continue;
      TMateCard* card = cards_[n++ - 1];
      card->SetHoldPaint(true);
      card->SetSuit(suit);
      card->SetTag(MakeCard(r, suit));
      card->SetHilite(false);
      card->SetPlayed(false);
      card->SetRank(r);
      card->setEnabled(false);
    }
  }
  for (; n <= 16; ++n) {
    cards_[n - 1]->SetPlayed(true);
    cards_[n - 1]->SetTag(0);
    cards_[n - 1]->hide();
  }
}

void THandView::Redisplay(bool refresh) {
  if (hand_->FaceUp || owner_->ShowAllHands())
    LayoutFaceUp();
  else
    LayoutFaceDown();
  if (refresh) window_->repaint();
}

void THandView::LayoutFaceUp() {
  std::vector<TMateCard*> placed;
  std::array<int, 4> counts{};
  const auto order = Order();
  for (int n = 1; n <= 13; ++n) {
    TMateCard* card = cards_[n - 1];
    if (card->Played() || n == beingPlayed_) continue;
    placed.push_back(card);
    for (int k = 0; k < 4; ++k)
      if (order[k] == card->Suit()) ++counts[k];
  }
  const qreal s = owner_->Scale();
  const auto at = FaceUpPositions(HandSeat(), counts, Unscaled(InWindow(table_, window_), s),
                                  Unscaled(InWindow(panel_, window_), s));
  for (size_t i = 0; i < placed.size(); ++i) {
    TMateCard* card = placed[i];
    card->SetHoldPaint(true);
    card->SetShowBack(false);
    card->raise();
    card->move(Scaled(at[i], s));
    card->SetHilite((hand_->Suits[card->Suit()].HighlightMask & RankBit(card->Rank())) != 0);
    card->show();
    card->SetHoldPaint(false);
  }
}

void THandView::LayoutFaceDown() {
  std::vector<TMateCard*> placed;
  for (int n = 1; n <= 13; ++n)
    if (!cards_[n - 1]->Played() && n != beingPlayed_) placed.push_back(cards_[n - 1]);
  const qreal s = owner_->Scale();
  const auto at = FaceDownPositions(HandSeat(), int(placed.size()), Unscaled(InWindow(table_, window_), s),
                                    Unscaled(InWindow(panel_, window_), s));
  for (size_t i = 0; i < placed.size(); ++i) {
    TMateCard* card = placed[i];
    card->SetHoldPaint(true);
    card->SetShowBack(true);
    card->SetHilite(false);
    card->raise();
    card->move(Scaled(at[i], s));
    card->show();
    card->SetHoldPaint(false);
  }
}

bool THandView::PlayCard(CardCode code) {
  TMateCard* card = FindCard(code);
  if (!card) return false;
  int n = 1;
  while (cards_[n - 1] != card) ++n;
  beingPlayed_ = n;
  card->SetHoldPaint(true);
  card->SetPlayed(true);
  card->SetShowBack(false);
  card->SetHilite(false);
  card->setEnabled(false);
  for (auto& s : hand_->Suits) s.HighlightMask = 0;
  Redisplay(false);
  const qreal s = owner_->Scale();
  card->move(Scaled(TableTarget(HandSeat(), Unscaled(InWindow(table_, window_), s)), s));
  card->raise();
  card->show();
  card->SetHoldPaint(false);
  card->update();
  onTable_ = n;
  beingPlayed_ = 0;
  return true;
}

void THandView::EnableForPlay(bool on) {
  for (int n = 1; n <= 13; ++n) {
    TMateCard* card = cards_[n - 1];
    card->setEnabled(on && !card->isHidden() && !card->Played() && n != beingPlayed_);
  }
}

bool THandView::CardOK(const TMateCard* card) const {
  const TPlayContext& ctx = owner_->Context();
  if (ctx.blocked || !card || card->isHidden() || card->Played() || card->HandSeat() != ctx.toPlay) return false;
  if (ctx.suitLed < 0 || ctx.suitLed > 3) return true;
  return SuitOf(card->Tag()) == ctx.suitLed || CardCount(hand_->Suits[ctx.suitLed].CurrentHolding) == 0;
}

CardCode THandView::DefaultCard() const {
  const TPlayContext& ctx = owner_->Context();
  std::vector<int> prefer;
  if (ctx.suitLed >= 0 && ctx.suitLed <= 3) prefer.push_back(ctx.suitLed);
  if (ctx.winningSuit >= 0 && ctx.winningSuit <= 3) prefer.push_back(ctx.winningSuit);
  for (TSuit s = Club; s <= Spade; ++s) prefer.push_back(s);
  for (int s : prefer) {
    const Holding h = hand_->Suits[s].CurrentHolding;
    if (CardCount(h) > 0) return MakeCard(LowestRank(h), s);
  }
  return 0;
}

void THandView::Select(const TMateCard* card) {
  if (!card) return;
  owner_->SetCurrentCard(card->Tag());
  if ((hand_->FaceUp || owner_->ShowAllHands()) && !owner_->Context().highlightOff) {
    // One card at a time carries the selection highlight.
    for (auto& s : hand_->Suits) s.HighlightMask = 0;
    hand_->Suits[card->Suit()].HighlightMask = RankBit(card->Rank());
    highlight_ = true;
    Redisplay(false);
  }
}

void THandView::Walk(int step, bool otherSuit) {
  int start = 0;
  for (int n = 1; n <= 13; ++n)
    if (cards_[n - 1]->Tag() == owner_->CurrentCard() && !cards_[n - 1]->Played()) start = n;
  if (start == 0) {
    PlaySound(Sound::Warning);
    Select(FindCard(DefaultCard()));
    return;
  }
  const TSuit startSuit = cards_[start - 1]->Suit();
  for (int n = (start - 1 + step + 13) % 13 + 1; n != start; n = (n - 1 + step + 13) % 13 + 1) {
    const TMateCard* card = cards_[n - 1];
    if (otherSuit && card->Suit() == startSuit) continue;
    if (CardOK(card)) {
      Select(card);
      return;
    }
  }
  Select(cards_[start - 1]);
}

bool THandView::CheckCurrentCard() {
  const CardCode code = owner_->CurrentCard();
  const int led = owner_->Context().suitLed;
  bool ok = code >= 4 && hand_->Holds(code);
  if (ok && led >= 0 && led <= 3 && SuitOf(code) != led && CardCount(hand_->Suits[led].CurrentHolding) > 0)
    ok = false;
  if (!ok) {
    PlaySound(Sound::Warning);
    Select(FindCard(DefaultCard()));
  }
  return ok;
}

void THandView::ClearFromTable() {
  if (onTable_ == 0) return;
  cards_[onTable_ - 1]->hide();
  onTable_ = 0;
}

void THandView::SetBacks(int design, int64_t colour) {
  for (TMateCard* card : cards_) {
    card->SetBackDesign(design);
    card->SetBackColor(colour);
  }
}

void THandView::Rescale() {
  bool shown = false;
  for (int n = 1; n <= 13; ++n) shown = shown || (!cards_[n - 1]->isHidden() && !cards_[n - 1]->Played());
  if (shown) Redisplay(false);
  if (onTable_ > 0) {
    const qreal s = owner_->Scale();
    cards_[onTable_ - 1]->move(Scaled(TableTarget(HandSeat(), Unscaled(InWindow(table_, window_), s)), s));
  }
}

void THandView::CardReleased(TMateCard* card, bool quickClick) {
  const QRect tableRect = InWindow(table_, window_);
  if (quickClick || card->geometry().intersects(tableRect)) {
    owner_->SetCurrentCard(card->Tag());
    // Posted, not sent: the table plays the card after this handler is done
    // with the control it is about to move.
    QCoreApplication::postEvent(window_, new TableMessage(card->Tag()));
  } else {
    Redisplay(false);
  }
}

// ----- TCardTable --------------------------------------------------------

TCardTable::TCardTable(QWidget* window, QWidget* tablePanel, const std::array<QWidget*, 4>& handPanels,
                       QWidget* tricks, std::array<THands, 4>* hands)
    : QObject(nullptr), window_(window), table_(tablePanel), tricks_(tricks), hands_(hands) {
  for (Seat seat = North; seat <= West; ++seat)
    views_[seat] = new THandView(window, handPanels[seat], tablePanel, &(*hands)[seat], this);
  if (tricks_)
    for (auto& card : trickCards_) {
      card = new TCard(tricks_);
      card->SetShowBack(true);
    }
  ApplyFaceUpMask(8);
}

void TCardTable::LoadAll() {
  for (THandView* v : views_) v->LoadCards();
}

void TCardTable::RedisplayAll() {
  for (THandView* v : views_) v->Redisplay(false);
  window_->update();
}

void TCardTable::RestoreAll() {
  RestoreDeal(*hands_);
  LoadAll();
}

void TCardTable::ApplyFaceUpMask(int mask) {
  faceUpSeats_ = mask;
  for (Seat seat = North; seat <= West; ++seat) {
    const bool up = (mask >> (seat + 1)) & 1;
    (*hands_)[seat].FaceUp = up;
    views_[seat]->SetSeen(up);
  }
}

void TCardTable::SetBacks(int design, int64_t colour) {
  backDesign_ = design;
  backColour_ = colour;
  for (THandView* v : views_) v->SetBacks(design, colour);
}

void TCardTable::SetScale(qreal scale) {
  if (scale <= 0 || scale == scale_) return;
  scale_ = scale;
  for (TCard* card : window_->findChildren<TCard*>()) card->SetScale(scale);
  for (THandView* v : views_) v->Rescale();
  ShowWonTricks(winners_);
}

void TCardTable::ShowHandsClick() {
  faceUpSeats_ = 30;
  for (Seat seat = North; seat <= West; ++seat) {
    (*hands_)[seat].FaceUp = true;
    views_[seat]->SetHighlightFlag(false);
  }
  RedisplayAll();
}

void TCardTable::HideHandsClick(bool playing, int dummy) {
  faceUpSeats_ = playing ? 10 : 8;
  showAll_ = false;
  for (Seat seat = North; seat <= West; ++seat) {
    bool up = seat == South;
    if (playing && seat == dummy) up = true;
    if (playing && dummy == South && seat == North) up = true;
    (*hands_)[seat].FaceUp = up;
  }
  RedisplayAll();
}

void TCardTable::ClearTable() {
  for (THandView* v : views_) v->ClearFromTable();
  if (table_) table_->update();
  ShowWonTricks(winners_);
}

void TCardTable::TableCardsBehind(bool behind) {
  for (THandView* v : views_) {
    if (v->CardOnTable() == 0) continue;
    TMateCard* card = v->Card(v->CardOnTable());
    if (behind)
      card->lower();
    else
      card->raise();
  }
}

void TCardTable::SetupTricksRow() {
  for (TCard* card : trickCards_) {
    if (!card) continue;
    card->SetBackDesign(backDesign_);
    card->SetBackColor(backColour_);
    card->SetOrientation(poPortrait);
    card->hide();
  }
}

void TCardTable::ShowWonTricks(const std::vector<Seat>& trickWinners) {
  winners_ = trickWinners;
  for (int n = 1; n <= 13; ++n) {
    TCard* card = trickCards_[n - 1];
    if (!card) continue;
    if (n > int(trickWinners.size())) {
      card->hide();
      continue;
    }
    const bool eastWest = SideOf(trickWinners[n - 1]) == 2;
    card->SetOrientation(eastWest ? poLandscape : poPortrait);
    card->SetShowBack(true);
    card->move(Scaled(QPoint(25 * (n - 1), eastWest ? 15 : 1), scale_));
    card->raise();
    card->show();
  }
}

}  // namespace quorval
