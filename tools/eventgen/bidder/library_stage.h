#pragma once
// The bidder's part of the generate and check commands: the sequence library
// written beside the board files, the field's contracts bid by the bidder at
// every table, and the library check.
#include <map>
#include <memory>
#include <string>

#include "tools/eventgen/checker.h"
#include "tools/eventgen/event_files.h"
#include "tools/eventgen/field_chooser.h"
#include "tools/eventgen/generator.h"
#include "tools/eventgen/bidder/library.h"
#include "tools/eventgen/bidder/meanings_file.h"

namespace quorval::bidder {

LibraryBoard ToLibraryBoard(const eventgen::BoardFacts& facts);

// Collects every board's four sections and writes "SEQ2005.txt", and beside
// it the meaning of every stored call ("Meanings2005.txt").
class LibrarySink final : public eventgen::BoardSink {
 public:
  void Add(const eventgen::BoardRecord& board) override;
  bool Write(const std::string& dir, std::string& error) override;
  const std::map<std::string, std::string>& Sections() const { return sections_; }
  const MeaningCollector& Meanings() const { return meanings_; }

 private:
  TableReading reading_;
  std::map<std::string, std::string> sections_;  // board key -> its four sections
  MeaningCollector meanings_;
};

// The field: each table bids the board with one of the four systems, each
// player judging the hand a little better or worse as the stratum's skill has it.
class BidderFieldChooser final : public eventgen::FieldContractChooser {
 public:
  Contract Choose(const eventgen::BoardFacts& facts, const eventgen::TableSetting& table,
                  eventgen::Rng& rng) const override;
};

// The library's four sections of one board, as written to the file; the
// meanings of their calls go to `meanings` when one is given.
std::string BoardLibraryText(const LibraryBoard& board, TableReading& reading, MeaningCollector* meanings = nullptr);

void InstallLibraryStage(eventgen::Generator& generator);
eventgen::LibraryChecker LibraryCheckerForSet();

// Writes a text to dir/name through a temporary file renamed over the old one.
bool WriteWhole(const std::string& dir, const std::string& name, const std::string& text, std::string& error);

}  // namespace quorval::bidder
