#pragma once
// TBidBoxEuro: the bidding box, 35 bid buttons and six action buttons. The
// auction driver prepares it before each call of the user (who calls, what
// the auction allows); the box hides bids that are no longer legal, enables
// Double and Redouble only when legal, and reports each click.

#include <QFrame>
#include <QString>
#include <QStringList>
#include <array>

#include "core/calls.h"

class QLabel;

namespace quorval {

class TMultiLang;
class TBoxButton;

// The six action buttons in box order.
enum TBoxAction { baPass, baDouble, baRedouble, baTakeBack, baHint, baMakeBid };

class TBidBoxEuro : public QFrame {
  Q_OBJECT

 public:
  explicit TBidBoxEuro(QWidget* owner);

  void SetBidder(const QString& seatName);
  // highestLevel 0 = no bid yet; doubleState 0 undoubled, 1 doubled,
  // 2 redoubled; byOpponent: the highest bid was made by an opponent of the
  // bidder.
  void PrepareForCall(const QString& seatName, int highestLevel, tAllTrump highestStrain,
                      bool byOpponent, int doubleState, int callsMade);
  // The same, read from an auction for the seat to act.
  void PrepareFromAuction(const Auction& auction, const QString& seatName);

  // kind 0 normal colours, 1 suggested, 2 alternative.
  void MarkCall(CallCode code, int kind);
  void HighlightCall(CallCode code) { MarkCall(code, 1); }
  void MarkAlternatives(const QStringList& codes);
  void ResetColours();
  void Relabel(bool compact);
  // The level typed on the keyboard, shown at once while its strain is
  // awaited: the bids of that level stand pressed in. 0 shows none; every
  // new call to prepare for clears it.
  void ShowTypedLevel(int level);
  int TypedLevel() const { return typedLevel_; }
  // Make Bid is enabled by the auction driver only when South is to call.
  void SetMakeBidEnabled(bool on);
  // The language of the notrump mark and the box's own title.
  void SetLanguage(int language);
  // The line shown when `call` (as the auction shows it) is refused because
  // no stored auction goes on with it, in the language shown.
  QString RefusedCallText(const QString& call) const;
  // Captions ("&Pass", ...) and hints, six each in box order.
  void SetActionCaptions(const QStringList& captions);
  void SetActionHints(const QStringList& hints);

  QString SelectedCode() const { return selected_; }
  TBoxButton* BidButton(int level, tAllTrump strain) const { return bids_[strain][level - 1]; }
  TBoxButton* ActionButton(TBoxAction a) const { return actions_[a]; }
  // The button a call code names (0 Redouble, 1 Double, 2 Pass, 3..37 bids).
  TBoxButton* ButtonFor(CallCode code) const;
  QLabel* WhoBidsLabel() const { return who_; }

 signals:
  // Every click: the two-character code "C1".."N7", "Pa", "XD", "XR", "Ta",
  // "Hi", "Ma".
  void OnClick(const QString& code);
  // A call clicked (bid, Pass, Double, Redouble) as a call code.
  void CallClicked(CallCode code);
  // Take Back, Hint or Make Bid clicked.
  void ActionClicked(TBoxAction action);

 private:
  void ButtonClicked(TBoxButton* button);
  void PaintDoubles();

  QFrame* top_ = nullptr;
  QLabel* who_ = nullptr;
  QString selected_;
  std::array<std::array<TBoxButton*, 7>, 5> bids_{};
  std::array<TBoxButton*, 6> actions_{};
  QStringList captions_;
  QStringList hints_;
  int language_ = 0;
  int typedLevel_ = 0;
  TMultiLang* lang_ = nullptr;
};

// One raised panel of the box used as a button.
class TBoxButton : public QWidget {
  Q_OBJECT

 public:
  TBoxButton(QWidget* parent, const QString& name);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& text) { caption_ = text; update(); }
  QColor Face() const { return face_; }
  QColor TextColour() const { return text_; }
  void SetColours(const QColor& face, const QColor& text) { face_ = face; text_ = text; update(); }
  void SetFontSize(int size);
  bool Lowered() const { return lowered_; }
  // Shown pressed in and darker without being pressed (a typed level).
  bool Sunk() const { return sunk_; }
  void SetSunk(bool sunk);

 signals:
  void pressed(TBoxButton* self);
  void clicked(TBoxButton* self);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString caption_;
  QColor face_, text_;
  bool lowered_ = false;
  bool sunk_ = false;
};

}  // namespace quorval
