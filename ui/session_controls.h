#pragma once
// Controls that the windows showing the player's sessions share: the
// eighteen session radio buttons ("RadioButton1" to "RadioButton18",
// captions "1" to "18", two rows of nine; sessions 10 to 18 exist only for
// pairs events) and the result list grid.

#include <QColor>
#include <QRadioButton>
#include <array>
#include <functional>
#include <string>

class QGroupBox;

namespace quorval {

class TBridgeGrid;

// The list grid "BG" of the session results and the summary: `columns`
// columns, two fixed heading rows, texts centred right-justified with suit
// symbols, a vertical scroll bar, in `colour` (skin colour 5).
TBridgeGrid* MakeResultsGrid(QWidget* parent, int columns, const QColor& colour);

using SessionButtons = std::array<QRadioButton*, 18>;

// The buttons inside `group`, the first row at `top` and the second 26
// pixels lower; a click on button n calls `clicked(n)`.
SessionButtons MakeSessionButtons(QGroupBox* group, int top, const std::function<void(int)>& clicked);

// Sessions 1 to 9 always, 10 to 18 only for pairs ("Par"); `checked` is the
// one to check (the others are unchecked).
void ShowSessions(const SessionButtons& buttons, bool pairs, int checked);

// "05" -> 5; 1 for a text that is no session of the event kind.
int SessionNumber(const std::string& session, bool pairs);
// 5 -> "05".
std::string SessionText(int session);

}  // namespace quorval
