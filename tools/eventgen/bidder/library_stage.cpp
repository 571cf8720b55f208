#include "tools/eventgen/bidder/library_stage.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/eventgen/bidder/bidder.h"
#include "tools/eventgen/bidder/library_check.h"

namespace quorval::bidder {

LibraryBoard ToLibraryBoard(const eventgen::BoardFacts& facts) {
  LibraryBoard b;
  b.key = facts.key;
  b.deal = facts.deal;
  b.dealer = facts.dealer;
  b.vul = facts.vul;
  b.site = facts.site;
  return b;
}

std::string BoardLibraryText(const LibraryBoard& board, TableReading& reading, MeaningCollector* meanings) {
  std::string text;
  for (System s : kAllSystems) {
    const std::vector<LibraryLine> lines = SectionLines(board, s, reading);
    text += SectionText(board.key, Definition(s).letter, lines);
    if (meanings) meanings->AddSection(board, s, lines, reading);
  }
  return text;
}

void LibrarySink::Add(const eventgen::BoardRecord& board) {
  sections_[board.facts.key] = BoardLibraryText(ToLibraryBoard(board.facts), reading_, &meanings_);
}

bool WriteWhole(const std::string& dir, const std::string& name, const std::string& text, std::string& error) {
  namespace fs = std::filesystem;
  const fs::path target = fs::path(dir) / name;
  const fs::path temp = fs::path(dir) / (name + ".tmp");
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    if (!out) {
      error = "cannot write " + temp.string();
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temp, target, ec);
  if (ec) {
    error = "cannot replace " + target.string() + ": " + ec.message();
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

bool LibrarySink::Write(const std::string& dir, std::string& error) {
  std::string text;
  for (const auto& [key, sections] : sections_) text += sections;
  return WriteWhole(dir, kLibraryFileName, text, error) &&
         WriteWhole(dir, kMeaningsFileName, MeaningsFileText(meanings_.Entries()), error);
}

Contract BidderFieldChooser::Choose(const eventgen::BoardFacts& facts, const eventgen::TableSetting& table,
                                    eventgen::Rng& rng) const {
  const System system = kAllSystems[rng.Below(4)];
  Judgement judge;
  for (Seat s = 0; s < 4; ++s) {
    const int spread = static_cast<int>(table.SkillOf(SideOf(s)));  // 0 for A .. 2 for C
    judge.optimism[s] = rng.Between(-1 - spread, 1 + spread);
  }
  return BidDeal(facts.deal, facts.dealer, facts.vul, system, judge).contract;
}

void InstallLibraryStage(eventgen::Generator& generator) {
  generator.SetFieldChooser(std::make_shared<BidderFieldChooser>());
  generator.AddSink(std::make_shared<LibrarySink>());
}

eventgen::LibraryChecker LibraryCheckerForSet() {
  return [](const std::string& dir, std::vector<eventgen::Problem>& problems) {
    const auto read = [&](const std::string& name, std::string& text) {
      return eventgen::ReadTextFile((std::filesystem::path(dir) / name).string(), text);
    };
    std::string boardText, libraryText;
    if (!read(eventgen::kBoardFileName, boardText)) return;  // the board checker reports it
    if (!read(kLibraryFileName, libraryText)) {
      problems.push_back({kLibraryFileName, "no sequence library in the folder"});
      return;
    }
    const std::vector<LibraryBoard> boards = BoardsFromBoardFile(boardText);
    for (const LibraryProblem& p : CheckLibraryText(libraryText, boards)) problems.push_back({p.key, p.text});
    for (const LibraryProblem& p : CheckSeatCalls(libraryText, boards)) problems.push_back({p.key, p.text});
    // Every stored call has its meaning.
    std::string meaningsText, why;
    CallMeanings meanings;
    if (!read(kMeaningsFileName, meaningsText)) {
      problems.push_back({kMeaningsFileName, "no meanings of the calls beside the library"});
    } else if (!meanings.Load(meaningsText, &why)) {
      problems.push_back({kMeaningsFileName, why});
    } else {
      for (const std::string& p : CoverageOf(libraryText, meanings).problems)
        problems.push_back({kMeaningsFileName, p});
      // Every stored call's holder within the meaning stated for it.
      for (const LibraryProblem& p : MeaningMisfits(libraryText, boards, meanings)) problems.push_back({p.key, p.text});
    }
  };
}

}  // namespace quorval::bidder
