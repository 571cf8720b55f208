#pragma once
// The printed hand report: one page with the four hands, the board's data
// and the user's result, the auction, the cards played trick by trick and
// the three stratum tables of the field comparison. It is drawn straight on
// the printer's canvas in the printer's own pixels; the words come from the
// hidden labels of TReportLabels, translated with the other windows.

#include <QString>
#include <QWidget>
#include <array>
#include <vector>

#include "core/calls.h"
#include "core/deal.h"
#include "data/kept_play.h"

class QPainter;

namespace quorval {

class TMultiLang;

// The report's words ("North", "Deal:", "Cards played at each trick" ...),
// rows of the report's word list in the table's language. A window that is
// never shown.
class TReportLabels : public QWidget {
  Q_OBJECT

 public:
  explicit TReportLabels(QWidget* parent = nullptr);
  // The words in `language` (the table's interface language).
  void SetLanguage(int language);
  // A word by its key ("LabelDeal"), empty for no such key.
  QString Text(const char* label) const;
  QString TranslatedSeatName(Seat s) const;
  // "None", "N-S", "E-W", "Both" for vulnerability 0..3.
  QString VulnerabilityText(Vulnerability v) const;

 private:
  TMultiLang* lang_ = nullptr;
};

// The stratum tables as the strata pages show them: for each stratum the
// header row and the seven result rows, columns 0 (stratum) to 6 (figure).
using StratumTexts = std::array<std::array<QString, 7>, 8>;

// What one report shows. Everything that belongs to the board comes from
// it; nothing of an earlier board.
struct HandReportData {
  QString eventText;             // "Par - 03"
  bool imps = false;             // an IMP event
  int language = 0;              // interface language (strata titles)
  int board = 0;
  Seat dealer = North;
  Vulnerability vul = 0;
  Deal deal;                     // as dealt at the table
  std::vector<CallCode> calls;   // the auction (so far)
  // The meaning of each call of `calls` (empty where there is none). When
  // any call has one, the page lists the calls with their meanings below
  // its boxes; without them the page is laid out as ever.
  std::vector<QString> meanings;
  bool contractKnown = false;    // the auction is over
  Contract contract;             // with contractKnown; Pass for a passed-out board
  std::vector<KeptTrick> tricks; // the cards played (so far)
  std::optional<KeptClaim> claim; // the claim that ended the play
  bool resultKnown = false;      // the board is over: tricks and score are shown
  int declarerTricks = 0;
  int boardScore = 0;            // North-South
  bool strataKnown = false;
  std::array<StratumTexts, 3> strata;
};

// Draws the report on the painter's device (a printer, a PDF, a preview
// page), measured in its pixels. When the layout is wider or taller than
// the page, it is scaled down to fit rather than cut.
void PrintReport(QPainter& painter, const HandReportData& data, const TReportLabels& labels);

// The family that stands for "MS Sans Serif" on this platform.
QString ReportFontFamily();

}  // namespace quorval
