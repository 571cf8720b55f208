#pragma once
// The session list on paper: the list of the session results window, with
// its title, printed on one page in the printer's pixels.

#include <QString>
#include <array>
#include <vector>

class QPainter;

namespace quorval {

struct SessionPrintPage {
  QString title;         // the product title, "ORVENDAL QUORVAL 2005"
  QString scoringItem;   // the chosen scoring method, "MP"
  QString sessionName;   // "Par07"
  std::vector<std::array<QString, 8>> rows;   // as the window lists them
  std::array<int, 8> columnWidths{};          // the list's columns on the screen, at 96 per inch
  int totalsRow = -1;
};

// Draws the page; a list wider or longer than the page is scaled down to fit.
void PrintSessionList(QPainter& painter, const SessionPrintPage& page);

}  // namespace quorval
