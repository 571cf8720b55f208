#pragma once
// The application message a card control sends to the table window when the
// user clicks or drops a card that may be played now. The table answers it by
// playing the card it carries (the same card is also the current card code).

#include <QEvent>

#include "core/types.h"

namespace quorval {

inline const QEvent::Type kTableMessageType = static_cast<QEvent::Type>(QEvent::User + 100);

class TableMessage : public QEvent {
 public:
  explicit TableMessage(CardCode card) : QEvent(kTableMessageType), card_(card) {}
  CardCode card() const { return card_; }

 private:
  CardCode card_;
};

}  // namespace quorval
