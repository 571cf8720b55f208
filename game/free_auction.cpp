#include "game/free_auction.h"

#include <algorithm>

#include "bidding/bidder.h"
#include "bidding/meanings_file.h"
#include "bidding/seat_view.h"
#include "play/honest/file_meanings.h"

namespace quorval {
namespace {

bidder::System SystemOf(int system) { return bidder::kAllSystems[static_cast<size_t>(system & 3)]; }

// The meanings file first; the bidder's readings of this auction's calls
// for the calls it lacks.
class FileThenBidder : public honest::CallMeanings {
 public:
  FileThenBidder(const quorval::CallMeanings* file, std::vector<CallCode> calls,
                 std::vector<std::optional<honest::HandRange>> read)
      : file_(file), calls_(std::move(calls)), read_(std::move(read)) {}

  std::optional<honest::HandRange> MeaningOf(const honest::AuctionFacts& auction, size_t index) const override {
    if (file_)
      if (const CallMeaning* m = file_->Find(auction.system, auction.calls, index)) return honest::RangeOf(*m);
    if (index >= read_.size() || index >= auction.calls.size()) return std::nullopt;
    if (!std::equal(auction.calls.begin(), auction.calls.begin() + static_cast<long>(index) + 1, calls_.begin()))
      return std::nullopt;
    return read_[index];
  }

 private:
  const quorval::CallMeanings* file_;
  std::vector<CallCode> calls_;
  std::vector<std::optional<honest::HandRange>> read_;
};

}  // namespace

CallCode FreeAuction::OwnCall(const bidder::Hand& hand, const HeardAuction& heard) {
  bidder::View table(SystemOf(heard.system), heard.dealer, heard.vul);
  if (!reading_.ReadAuction(heard.calls, table) || table.auction.Over()) return Pass;
  return bidder::OwnCall(hand, table);
}

CallMeaning FreeAuction::MeaningOf(const HeardAuction& heard, size_t index) {
  const bidder::System system = SystemOf(heard.system);
  bidder::View before(system, heard.dealer, heard.vul);
  if (index >= heard.calls.size()) return {};
  const std::vector<CallCode> calls(heard.calls.begin(), heard.calls.begin() + static_cast<long>(index));
  if (!reading_.ReadAuction(calls, before) || !before.auction.IsLegal(heard.calls[index])) return {};
  return bidder::ToCallMeaning(reading_.Read(before, heard.calls[index]), bidder::Definition(system));
}

std::shared_ptr<const honest::CallMeanings> FreeAuction::HonestMeanings(const CallMeanings* file,
                                                                      const HeardAuction& heard) {
  const char letter = bidder::Definition(SystemOf(heard.system)).letter;
  std::vector<std::optional<honest::HandRange>> read(heard.calls.size());
  for (size_t i = 0; i < heard.calls.size(); ++i) {
    if (file && file->Find(letter, heard.calls, i)) continue;
    const CallMeaning m = MeaningOf(heard, i);
    if (!m.Empty()) read[i] = honest::RangeOf(m);
  }
  return std::make_shared<FileThenBidder>(file, heard.calls, std::move(read));
}

std::string FreeAuction::LeadLine(const bidder::Hand& leaderHand, const HeardAuction& heard) {
  bidder::View done(SystemOf(heard.system), heard.dealer, heard.vul);
  std::string line = bidder::AuctionText(heard.calls) + ",Lead";
  if (!reading_.ReadAuction(heard.calls, done) || !done.auction.Over()) return line;
  for (const bidder::WeightedLead& lead : bidder::LeaderLeads(leaderHand, done))
    line += "," + CardText(lead.card) + "," + std::to_string(lead.percent);
  return line;
}

}  // namespace quorval
