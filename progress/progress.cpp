#include "progress/progress.h"

#include <algorithm>
#include <cstdio>

#include "data/comma_text.h"
#include "data/date_time.h"
#include "data/ini_store.h"
#include "data/kept_play.h"
#include "play/review/kept_review.h"
#include "scoring/contract_score.h"
#include "scoring/figures.h"
#include "scoring/player_results.h"
#include "scoring/result_items.h"

namespace quorval {
namespace {

// The kept play as it reads now, hashed (FNV-1a, 64 bits) with the form of
// the figures, so that a changed play or a changed reckoning is worked out
// again.
std::string PlayStamp(const KeptPlay& play) {
  const KeptPlayText text = KeptPlayToText(play);
  uint64_t h = 14695981039346656037ull;
  for (const std::string* part : {&text.dealer, &text.vulnerable, &text.deal, &text.auction, &text.play}) {
    for (const char c : *part + "\n") {
      h ^= static_cast<unsigned char>(c);
      h *= 1099511628211ull;
    }
  }
  for (const char c : std::string("figures 1")) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
  char buf[17];
  std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(h));
  return buf;
}

std::string CacheLine(const std::string& stamp, const PlayFigures& f) {
  return stamp + "," + std::to_string(f.declarerLost) + "," + std::to_string(f.defendersLost) + "," +
         (f.leadKept < 0 ? std::string() : std::to_string(f.leadKept)) + "," + std::to_string(f.impsAgainstPar);
}

// The figures of a cache line whose stamp is `stamp`; nothing for any other.
std::optional<PlayFigures> FromCacheLine(const std::string& line, const std::string& stamp) {
  const std::vector<std::string> items = ReadCommaText(line);
  if (items.size() != 5 || items[0] != stamp) return std::nullopt;
  const auto declarer = WholeNumber(items[1]), defenders = WholeNumber(items[2]), imps = WholeNumber(items[4]);
  const auto lead = items[3].empty() ? std::optional<int>(-1) : WholeNumber(items[3]);
  if (!declarer || !defenders || !imps || !lead || *declarer < 0 || *declarer > 13 || *defenders < 0 ||
      *defenders > 13 || *lead < -1 || *lead > 1 || *imps < -24 || *imps > 24)
    return std::nullopt;
  return PlayFigures{*declarer, *defenders, *lead, *imps};
}

bool StartsWithImp(const std::string& key) {
  return key.size() >= 3 && (key[0] == 'I' || key[0] == 'i') && (key[1] == 'M' || key[1] == 'm') &&
         (key[2] == 'P' || key[2] == 'p');
}

std::string Figure(double value) { return FixedText(value, 0, 2); }

}  // namespace

std::optional<PlayFigures> FiguresOfReview(const review::BoardReview& review) {
  if (!review.tableKnown || !review.par.known) return std::nullopt;
  PlayFigures f;
  const Contract& contract = review.contract;
  if (contract.PassedOut()) {
    f.impsAgainstPar = ImpsForDifference(0 - review.par.scoreNS);
    return f;
  }
  for (size_t i = 0; i < review.cardReviews.size(); ++i) {
    const auto& r = review.cardReviews[i];
    if (!r || !r->analysed) return std::nullopt;
    if (i == 0) f.leadKept = r->cost > 0 ? 0 : 1;
    else if (SameSide(r->seat, contract.declarer)) f.declarerLost += r->cost;
    else f.defendersLost += r->cost;
  }
  if (review.claimSide != 0) {
    if (review.claimDdDeclarerTricks < 0) return std::nullopt;
    f.declarerLost += review.ClaimCostToDeclarer();
    f.defendersLost += review.ClaimCostToDefenders();
  }
  const int ddTricks = review.table.at(contract.strain(), contract.declarer);
  f.impsAgainstPar = ImpsForDifference(ContractScore(contract, ddTricks, review.vul) - review.par.scoreNS);
  return f;
}

const char* BoardProgress::UserRole() const {
  if (contract.PassedOut()) return "passed";
  return SideOf(contract.declarer) == SideOf(South) ? "declarer" : "defender";
}

PlayerProgress ComputeProgress(const TBigIniFile& options, const TBigIniFile& plays, TBigIniFile* cache,
                               const std::string& player, const ProgressRun& run) {
  PlayerProgress out;
  std::vector<KeptPlay> kept;
  for (const auto& [key, filed] : ReadPlayerResults(options, player)) {
    const KeptPlayRead read = ReadKeptPlay(plays, player, key);
    if (!read.play) continue;   // filed before plays were kept
    if (!read.Sound()) {
      out.problems.push_back(key + ": " + read.fault);
      continue;
    }
    BoardProgress b;
    b.key = key;
    b.filed = ReadFiledTime(plays, player, key);
    b.contract = read.play->FinalContract();
    b.declarerTricks = WholeNumber(filed.tricks()).value_or(0);
    b.scoreNS = WholeNumber(filed.score()).value_or(0);
    b.imps = StartsWithImp(key);
    b.figures = filed.userFigures;
    out.boards.push_back(b);
    kept.push_back(*read.play);
  }

  // Filing order: boards without a time first, by key; then by time.
  std::vector<size_t> order(out.boards.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    const BoardProgress &x = out.boards[a], &y = out.boards[b];
    if (x.filed.has_value() != y.filed.has_value()) return !x.filed.has_value();
    if (x.filed && *x.filed != *y.filed) return *x.filed < *y.filed;
    return x.key < y.key;
  });
  std::vector<BoardProgress> boards;
  std::vector<KeptPlay> playsInOrder;
  for (const size_t i : order) {
    boards.push_back(out.boards[i]);
    playsInOrder.push_back(kept[i]);
  }
  out.boards = std::move(boards);

  const int total = static_cast<int>(out.boards.size());
  for (int i = 0; i < total; ++i) {
    if (run.cancel && run.cancel->load()) {
      out.cancelled = true;
      break;
    }
    BoardProgress& b = out.boards[size_t(i)];
    const KeptPlay& play = playsInOrder[size_t(i)];
    const std::string stamp = PlayStamp(play);
    if (cache) b.dd = FromCacheLine(cache->ReadString(player, b.key, ""), stamp);
    if (!b.dd) {
      std::string problem;
      auto review = review::ReviewFromKeptPlay(b.key, KeptPlayRead{play, ""}, problem);
      if (review) {
        review::ReviewWholeBoard(*review, run.solvers);
        b.dd = FiguresOfReview(*review);
      }
      ++out.worked;
      if (!b.dd) out.problems.push_back(b.key + ": the solver could not review the play");
      else if (cache) cache->WriteString(player, b.key, CacheLine(stamp, *b.dd));
    }
    if (run.step) run.step(i + 1, total);
  }
  if (cache && cache->Modified()) cache->UpdateFile();
  return out;
}

std::vector<SessionProgress> SessionSums(const std::vector<BoardProgress>& boards) {
  std::vector<SessionProgress> sessions;
  for (const BoardProgress& b : boards) {
    auto it = std::find_if(sessions.begin(), sessions.end(),
                           [&](const SessionProgress& s) { return s.session == b.Session(); });
    if (it == sessions.end()) {
      sessions.push_back({});
      it = sessions.end() - 1;
      it->session = b.Session();
      it->imps = b.imps;
    }
    ++it->boards;
    for (size_t k = 0; k < 3; ++k) it->figures[k] += b.figures[k];
    if (!b.dd) continue;
    ++it->ddBoards;
    it->declarerLost += b.dd->declarerLost;
    it->defendersLost += b.dd->defendersLost;
    if (b.dd->leadKept >= 0) {
      ++it->leads;
      it->leadsKept += b.dd->leadKept;
    }
    it->impsAgainstPar += b.dd->impsAgainstPar;
  }
  return sessions;
}

std::vector<std::string> ProgressCsvLines(const std::vector<BoardProgress>& boards) {
  std::vector<std::string> lines = {
      "date,key,scoring,contract,declarer,tricks,score_ns,figure_a,figure_b,figure_c,user,declarer_lost,"
      "defenders_lost,lead_kept,imps_vs_par"};
  for (const BoardProgress& b : boards) {
    const bool passed = b.contract.PassedOut();
    std::string line = (b.filed ? DateTimeText(*b.filed) : std::string()) + "," + b.key + "," +
                       (b.imps ? "IMP" : "MP") + "," + review::ContractToken(b.contract) + "," +
                       (passed ? std::string("-") : std::string(1, SeatLetter(b.contract.declarer))) + "," +
                       std::to_string(b.declarerTricks) + "," + std::to_string(b.scoreNS);
    for (const double f : b.figures) line += "," + Figure(f);
    line += std::string(",") + b.UserRole();
    if (b.dd) {
      line += "," + std::to_string(b.dd->declarerLost) + "," + std::to_string(b.dd->defendersLost) + "," +
              (b.dd->leadKept < 0 ? std::string() : std::to_string(b.dd->leadKept)) + "," +
              std::to_string(b.dd->impsAgainstPar);
    } else {
      line += ",,,,";
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace quorval
