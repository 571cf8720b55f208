#include "scoring/field_comparison.h"

#include <algorithm>
#include <cctype>

#include "core/messages.h"
#include "scoring/figures.h"

namespace quorval {
namespace {

std::string ByText(const std::string& letter, const ComparisonSettings& settings) {
  const auto seat = DeclarerSeat(letter);
  return seat ? SeatInitial(*seat, settings.seatNames) : "-";
}

// One of the 21 entries before it is placed on its page.
struct Entry {
  int stratum = 0;
  int number = 0;  // 0 for the user
  std::string letter, contract, tricks;
  int score = 0;
};

ResultRow MakeRow(const Entry& e, const ComparisonSettings& settings) {
  ResultRow row;
  row.user = e.number == 0;
  row.number = e.number;
  row.score = e.score;
  row.cells[0] = std::string(1, StratumLetter(e.stratum));
  row.cells[1] = row.user ? "-" : ResultNumberKey(e.number);
  row.cells[2] = ByText(e.letter, settings);
  row.cells[3] = GridContractText(e.contract);
  row.cells[4] = e.tricks;
  row.cells[5] = std::to_string(e.score);
  return row;
}

}  // namespace

UserResult MakeUserResult(const Contract& contract, int declarerTricks, int boardScore, Seat dealer,
                          const std::string& passedOutLabel) {
  UserResult user;
  user.score = boardScore;
  if (contract.PassedOut()) {
    user.seatLetter = std::string(1, SeatLetter(PrevSeat(dealer)));
    user.contract = passedOutLabel;
    user.tricks = 0;
  } else {
    user.seatLetter = std::string(1, SeatLetter(contract.declarer));
    user.contract = ContractText(contract, false);
    user.tricks = declarerTricks;
  }
  return user;
}

std::string GridContractText(const std::string& contract) {
  std::string text = contract;
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x80) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (text.size() >= 2 && std::string("CDHNS").find(text[1]) != std::string::npos)
    return text.substr(0, 1) + "~" + text.substr(1);
  return text;
}

double MatchPointFigure(const StratumTable& table, int row, int mpScoringSys) {
  const MatchPointValues mp = MatchPointsFor(mpScoringSys);
  const int own = table.rows[row].score;
  double figure = 0;
  for (int other = 0; other < kRowsPerStratum; ++other) {
    if (other == row) continue;
    const int theirs = table.rows[other].score;
    figure += own > theirs ? mp.win : own == theirs ? mp.tie : mp.loss;
  }
  return figure;
}

double ImpFigure(const StratumTable& table, int row) {
  int imps = 0;
  for (int other = 0; other < kRowsPerStratum; ++other)
    if (other != row) imps += ImpsForDifference(table.rows[row].score - table.rows[other].score);
  return imps / 6.0;
}

FieldComparison CompareWithField(const UserResult& user, const std::vector<std::vector<std::string>>& fieldItems,
                                 const std::string& boardKey, const ComparisonSettings& settings) {
  FieldComparison result;
  std::vector<Entry> entries;
  for (int s = 0; s < kStratumCount; ++s)
    entries.push_back({s, 0, user.seatLetter, user.contract, std::to_string(user.tricks), user.score});
  for (int n = 1; n <= kFieldResultCount; ++n) {
    static const std::vector<std::string> kMissing;
    const auto& items = n <= static_cast<int>(fieldItems.size()) ? fieldItems[n - 1] : kMissing;
    const auto field = ReadFieldResult(items, n, boardKey, result.error);
    if (!field) return result;
    entries.push_back({StratumOf(n), n, field->declarer, field->contract, items[2], field->score});
  }

  // Each stratum's rows by North-South score, best first; on equal scores the
  // user stands above the field, and the field in result order.
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    if (a.stratum != b.stratum) return a.stratum < b.stratum;
    if (a.score != b.score) return a.score > b.score;
    return a.number < b.number;
  });

  for (size_t i = 0; i < entries.size(); ++i)
    result.strata[i / kRowsPerStratum].rows[i % kRowsPerStratum] = MakeRow(entries[i], settings);

  for (int s = 0; s < kStratumCount; ++s) {
    StratumTable& table = result.strata[s];
    for (int r = 0; r < kRowsPerStratum; ++r) {
      ResultRow& row = table.rows[r];
      if (settings.imps) {
        row.figure = ImpFigure(table, r);
        row.cells[6] = FixedText(row.figure, 4, 2, settings.decimalPoint);
      } else {
        row.figure = MatchPointFigure(table, r, settings.mpScoringSys);
        row.cells[6] = FixedText(row.figure, 4, 1, settings.decimalPoint);
      }
      const int index = row.user ? kFieldResultCount + 1 + s : row.number;
      result.ResultFigures[index] = row.figure;
      if (row.user) result.HandFigures[s] = row.cells[6];
    }
  }
  result.built = true;
  return result;
}

FieldComparison BuildResultGrids(const UserResult& user, const std::vector<std::string>& boardValues,
                                 Seat dealer, const std::string& boardKey, const ComparisonSettings& settings) {
  std::vector<std::vector<std::string>> fieldItems;
  for (int n = 1; n <= kFieldResultCount; ++n)
    fieldItems.push_back(LookUpFieldResult(boardValues, n, dealer, settings.passedOutLabel));
  FieldComparison result = CompareWithField(user, fieldItems, boardKey, settings);
  if (!result.built) ShowMessage(result.error.message);
  return result;
}

}  // namespace quorval
