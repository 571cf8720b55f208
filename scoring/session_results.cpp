#include "scoring/session_results.h"

#include <algorithm>

#include "core/board_key.h"
#include "data/comma_text.h"
#include "data/event_set.h"
#include "data/ini_store.h"
#include "scoring/field_results.h"
#include "scoring/figures.h"
#include "scoring/score_pad.h"

namespace quorval {
namespace {

char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(LowerChar(x)) < static_cast<unsigned char>(LowerChar(y));
  });
}

}  // namespace

std::vector<SessionListRow> BuildSessionList(const std::array<std::optional<FiledResult>, kBoardsPerEvent>& session,
                                             bool imps, int mpScoringSys, const SessionListLabels& labels) {
  std::vector<SessionListRow> rows(2);
  rows[1].cells = {"#", labels.contract, labels.by, labels.tricks, labels.score, "", "", ""};
  for (int s = 0; s < 3; ++s) {
    rows[0].cells[5 + s] = labels.strata[s];
    rows[1].cells[5 + s] = labels.scoringItem;
  }
  int count = 0;
  std::array<double, 3> sums{};
  for (int board = 1; board <= kBoardsPerEvent; ++board) {
    const auto& result = session[board - 1];
    if (!result) continue;
    ++count;
    SessionListRow row;
    row.board = board;
    const auto declarer = DeclarerSeat(result->declarer());
    row.cells = {std::to_string(board), result->contract(),
                 declarer ? SeatInitial(*declarer, labels.seatNames) : result->declarer(), result->tricks(),
                 result->score(), "", "", ""};
    for (int s = 0; s < 3; ++s) {
      sums[s] += result->userFigures[s];
      row.cells[5 + s] = FixedText(result->userFigures[s], 4, 2, labels.decimalPoint);
    }
    rows.push_back(row);
  }
  SessionListRow totals, figure;
  totals.cells[0] = labels.totals;
  figure.cells[0] = imps ? labels.aveImp : labels.pct;
  for (int s = 0; s < 3; ++s) {
    totals.cells[5 + s] = FixedText(sums[s], 4, 2, labels.decimalPoint);
    figure.cells[5 + s] = SessionFigure(imps, count, sums[s], mpScoringSys, labels.decimalPoint);
  }
  rows.push_back(totals);
  rows.push_back(figure);
  return rows;
}

std::vector<SummaryRow> BuildResultSummary(const std::vector<std::string>& lines, int mpScoringSys,
                                           const SummaryLabels& labels) {
  std::vector<SummaryRow> rows(2);
  rows[1] = {labels.session, labels.handsPlayed, labels.total, labels.pct, labels.total, labels.pct,
             labels.total, labels.pct};
  for (int s = 0; s < 3; ++s) rows[0][2 + 2 * s] = rows[0][3 + 2 * s] = labels.strata[s];

  std::vector<std::string> sorted = lines;
  std::stable_sort(sorted.begin(), sorted.end(), LessIgnoringCase);

  struct Group {
    std::string name;
    int count = 0;
    std::array<double, 3> total{};
  };
  std::vector<Group> groups;
  for (const std::string& line : sorted) {
    const std::vector<std::string> items = ReadCommaText(line);
    if (items.size() < 21) continue;
    // A hand-edited line that does not read as a filed result (too few
    // items, letters where figures belong) is passed over like any other.
    std::string key;
    if (!LineName(line, key) || IsSetAsideKey(key)) continue;
    const auto result = ReadFiledResult(line.substr(key.size() + 1));
    if (!result) continue;
    const auto parsed = BoardKey::Parse(key);
    const std::string name = parsed ? parsed->Event() : items[0].substr(0, 5);
    if (groups.empty() || !SameName(groups.back().name, name)) groups.push_back(Group{name});
    Group& g = groups.back();
    ++g.count;
    for (int s = 0; s < 3; ++s) g.total[s] += result->userFigures[s];
  }
  for (const Group& g : groups) {
    SummaryRow row;
    row[0] = g.name;
    row[1] = FixedText(g.count, 6, 0, labels.decimalPoint);
    const bool imps = !g.name.empty() && (g.name[0] == 'I' || g.name[0] == 'i');
    for (int s = 0; s < 3; ++s) {
      row[2 + 2 * s] = FixedText(g.total[s], 6, 2, labels.decimalPoint);
      row[3 + 2 * s] = SessionFigure(imps, g.count, g.total[s], mpScoringSys, labels.decimalPoint);
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace quorval
