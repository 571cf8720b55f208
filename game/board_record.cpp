#include "game/board_record.h"

#include <cctype>
#include <cstdio>

#include "core/messages.h"
#include "data/ini_store.h"
#include "scoring/field_results.h"
#include "scoring/result_items.h"

namespace quorval {

std::string BoardValue(const std::vector<std::string>& lines, const std::string& key,
                       const std::string& fallback) {
  const auto value = FindValue(lines, key);
  return value ? *value : fallback;
}

bool ReadBoard(TableFiles& files, const std::string& key, char systemLetter,
               const std::string& passedOutLabel, BoardOnTable& rec) {
  rec.Key = key;
  rec.BoardValues = files.BoardSection(key);
  const bool hadSection = !rec.BoardValues.empty();
  const auto results = files.ResultSection(key);
  const bool eighteen = AppendFieldResults(results, key, rec.BoardValues);
  rec.SequenceLines = files.LibrarySection(key + "." + systemLetter);
  if (!hadSection || !eighteen) return false;

  rec.Dealer = ParseSeat(BoardValue(rec.BoardValues, "Dealer"), North);
  rec.DealErrors.clear();
  // A deal that cannot be read is not played: dealing the previous board's
  // cards (or none at all) under this board's name would file a result for
  // a board nobody played.
  Deal deal;
  if (!ParseDeal(BoardValue(rec.BoardValues, "Deal"), deal, rec.DealErrors) || !DealIsComplete(deal)) {
    ShowMessage(rec.DealErrors.empty() ? "Bad deal for " + key : rec.DealErrors.back());
    return false;
  }
  rec.BoardDeal = deal;
  rec.Vul = ParseVulnerability(BoardValue(rec.BoardValues, "Vulnerable"));
  const auto site = WholeNumber(BoardValue(rec.BoardValues, "Site", "0"));
  rec.Site = site ? *site : 0;
  // RotateHand: the deal, dealer and vulnerability turn first, then the
  // field results with the board.
  if (rec.Site % 4 != 0) {
    RotateDeal(rec.Site, rec.Dealer, rec.Vul, rec.BoardDeal);
    RotateFieldResults(results, rec.Site, rec.Dealer, passedOutLabel, rec.BoardValues);
  }
  return true;
}

std::optional<KeptPlay> MatchingKeptPlay(const TableFiles& files, const std::string& key, const BoardOnTable& board,
                                         const FiledResult& filed, std::string& problem) {
  const KeptPlayRead kept = files.plays ? ReadKeptPlay(*files.plays, files.PlayerName(), key)
                                        : KeptPlayRead{std::nullopt, "no kept play for " + key};
  if (!kept.Sound()) {
    problem = "The kept play of " + key + " cannot be used: " + kept.fault;
    return std::nullopt;
  }
  if (kept.play->deal != board.BoardDeal || kept.play->dealer != board.Dealer || kept.play->vul != board.Vul) {
    problem = "The kept play of " + key + " was played on another deal";
    return std::nullopt;
  }
  const Contract played = kept.play->FinalContract();
  const int tricks = KeptDeclarerTricks(*kept.play);
  if (ContractText(played, true) != filed.contract() ||
      (!played.PassedOut() && (SeatLetter(played.declarer) != filed.declarer()[0] ||
                               tricks != WholeNumber(filed.tricks()).value_or(-1)))) {
    problem = "The kept play of " + key + " does not match its filed result";
    return std::nullopt;
  }
  return kept.play;
}

}  // namespace quorval
