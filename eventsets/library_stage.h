#pragma once
// The bidder's part of the generate and check commands: the sequence library
// written beside the board files, the field's contracts bid by the bidder at
// every table, and the library check.
#include <map>
#include <memory>
#include <string>

#include "bidding/library.h"
#include "bidding/meanings_file.h"
#include "eventsets/checker.h"
#include "eventsets/event_files.h"
#include "eventsets/field_chooser.h"
#include "eventsets/generator.h"

namespace quorval::eventgen {

bidder::LibraryBoard ToLibraryBoard(const BoardFacts& facts);

// Collects every board's four sections and writes "SEQ2005.txt", and beside
// it the meaning of every stored call ("Meanings2005.txt").
class LibrarySink final : public BoardSink {
 public:
  void Add(const BoardRecord& board) override;
  bool Write(const std::string& dir, std::string& error) override;
  const std::map<std::string, std::string>& Sections() const { return sections_; }
  const bidder::MeaningCollector& Meanings() const { return meanings_; }

 private:
  bidder::TableReading reading_;
  std::map<std::string, std::string> sections_;  // board key -> its four sections
  bidder::MeaningCollector meanings_;
};

// The field: each table bids the board with one of the four systems, each
// player judging the hand a little better or worse as the stratum's skill has it.
class BidderFieldChooser final : public FieldContractChooser {
 public:
  Contract Choose(const BoardFacts& facts, const TableSetting& table, Rng& rng) const override;
};

// Sets the generator up to make the library: the bidder's field and the
// library's sink.
void InstallLibraryStage(Generator& generator);
// The library check of an event-set folder, for CheckEventSet.
LibraryChecker LibraryCheckerForSet();

}  // namespace quorval::eventgen
