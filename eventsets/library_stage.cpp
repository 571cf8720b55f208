#include "eventsets/library_stage.h"

#include <filesystem>

#include "bidding/bidder.h"
#include "bidding/library_check.h"

namespace quorval::eventgen {

bidder::LibraryBoard ToLibraryBoard(const BoardFacts& facts) {
  bidder::LibraryBoard b;
  b.key = facts.key;
  b.deal = facts.deal;
  b.dealer = facts.dealer;
  b.vul = facts.vul;
  b.site = facts.site;
  return b;
}

void LibrarySink::Add(const BoardRecord& board) {
  sections_[board.facts.key] = bidder::BoardLibraryText(ToLibraryBoard(board.facts), reading_, &meanings_);
}

bool LibrarySink::Write(const std::string& dir, std::string& error) {
  std::string text;
  for (const auto& [key, sections] : sections_) text += sections;
  return WriteWhole(dir, bidder::kLibraryFileName, text, error) &&
         WriteWhole(dir, kMeaningsFileName, MeaningsFileText(meanings_.Entries()), error);
}

Contract BidderFieldChooser::Choose(const BoardFacts& facts, const TableSetting& table, Rng& rng) const {
  const bidder::System system = bidder::kAllSystems[rng.Below(4)];
  bidder::Judgement judge;
  for (Seat s = 0; s < 4; ++s) {
    const int spread = static_cast<int>(table.SkillOf(SideOf(s)));  // 0 for A .. 2 for C
    judge.optimism[s] = rng.Between(-1 - spread, 1 + spread);
  }
  return bidder::BidDeal(facts.deal, facts.dealer, facts.vul, system, judge).contract;
}

void InstallLibraryStage(Generator& generator) {
  generator.SetFieldChooser(std::make_shared<BidderFieldChooser>());
  generator.AddSink(std::make_shared<LibrarySink>());
}

LibraryChecker LibraryCheckerForSet() {
  return [](const std::string& dir, std::vector<Problem>& problems) {
    const auto read = [&](const std::string& name, std::string& text) {
      return ReadTextFile((std::filesystem::path(dir) / name).string(), text);
    };
    std::string boardText, libraryText;
    if (!read(kBoardFileName, boardText)) return;  // the board checker reports it
    if (!read(bidder::kLibraryFileName, libraryText)) {
      problems.push_back({bidder::kLibraryFileName, "no sequence library in the folder"});
      return;
    }
    const std::vector<bidder::LibraryBoard> boards = bidder::BoardsFromBoardFile(boardText);
    for (const bidder::LibraryProblem& p : bidder::CheckLibraryText(libraryText, boards))
      problems.push_back({p.key, p.text});
    for (const bidder::LibraryProblem& p : bidder::CheckSeatCalls(libraryText, boards))
      problems.push_back({p.key, p.text});
    // Every stored call has its meaning.
    std::string meaningsText, why;
    CallMeanings meanings;
    if (!read(kMeaningsFileName, meaningsText)) {
      problems.push_back({kMeaningsFileName, "no meanings of the calls beside the library"});
    } else if (!meanings.Load(meaningsText, &why)) {
      problems.push_back({kMeaningsFileName, why});
    } else {
      for (const std::string& p : bidder::CoverageOf(libraryText, meanings).problems)
        problems.push_back({kMeaningsFileName, p});
    }
  };
}

}  // namespace quorval::eventgen
