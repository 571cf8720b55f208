#include "scoring/score_pad.h"

#include "core/board_key.h"
#include "scoring/figures.h"

namespace quorval {
namespace {

// Cuts a UTF-8 text to `limit` characters without splitting one.
std::string CutToCharacters(const std::string& text, size_t limit) {
  size_t characters = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (characters == limit) return text.substr(0, i);
    ++characters;
  }
  return text;
}

}  // namespace

std::string HandResult(const Contract& contract, int declarerTricks, const ScorePadLabels& labels) {
  std::string text;
  if (contract.PassedOut()) {
    text = labels.passedOut;
  } else {
    text = labels.seatNames[contract.declarer & 3] + " " + CallLongText(contract.bid, contract.DoubledCount) +
           "  " + std::to_string(declarerTricks) + " " + labels.tricks;
  }
  return CutToCharacters(text, 30);
}

SessionTotals SessionTotalsOf(const std::array<std::optional<FiledResult>, kBoardsPerEvent>& session) {
  SessionTotals totals;
  for (const auto& board : session) {
    if (!board) continue;
    for (int s = 0; s < 3; ++s) {
      totals.sum[s] += board->userFigures[s];
      totals.count[s] += 1;
    }
  }
  return totals;
}

std::string SessionFigure(bool imps, int count, double sum, int mpScoringSys, char decimalPoint) {
  if (imps) return FixedText(count < 1 ? 0.0 : sum / count, 6, 2, decimalPoint);
  return FixedText(MatchPointPercentage(count, sum, mpScoringSys), 6, 1, decimalPoint);
}

double MatchPointPercentage(int count, double sum, int mpScoringSys) {
  double value = 0;
  if (count >= 1) {
    switch (mpScoringSys) {
      case 0: value = sum / (12.0 * count) + 0.5; break;
      case 1: value = sum / (6.0 * count); break;
      case 2: value = sum / (12.0 * count); break;
      default: value = sum / (6.0 * count) + 0.5; break;
    }
  }
  return value * 100;
}

ScorePad BuildScorePad(const Contract& contract, int declarerTricks, int boardScore,
                       const std::optional<std::array<std::string, 3>>& handFigures,
                       const SessionTotals& totals, bool imps, int mpScoringSys, const ScorePadLabels& labels) {
  ScorePad pad;
  pad.caption = " " + HandResult(contract, declarerTricks, labels) + "     " + std::to_string(boardScore);
  pad.cells[0] = {labels.stratum, "A", "B", "C"};
  pad.cells[1][0] = imps ? labels.impForHand : labels.mpForHand;
  pad.cells[2][0] = imps ? labels.totalImp : labels.totalMp;
  pad.cells[3][0] = imps ? labels.aveImps : labels.pctSession;
  for (int s = 0; s < 3; ++s) {
    pad.cells[1][s + 1] = handFigures ? (*handFigures)[s] : "-";
    // The totals in the precision of the board's figures: IMPs with two
    // decimals, match points with one.
    pad.cells[2][s + 1] = FixedText(totals.sum[s], 6, imps ? 2 : 1, labels.decimalPoint);
    pad.cells[3][s + 1] = SessionFigure(imps, totals.count[s], totals.sum[s], mpScoringSys, labels.decimalPoint);
  }
  return pad;
}

}  // namespace quorval
