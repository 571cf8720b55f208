#include "tools/eventgen/generator.h"

#include <filesystem>
#include <system_error>

#include "tools/eventgen/dd_analysis.h"
#include "tools/eventgen/site.h"

namespace quorval::eventgen {

bool MakeBoardFacts(uint64_t seed, const std::string& event, int number, BoardFacts& facts, std::string& error,
                    DdCache* cache) {
  facts = BoardFacts{};
  facts.event = event;
  facts.number = number;
  facts.key = BoardKey(event, number);
  facts.deal = ShuffledDeal(seed, facts.key);
  facts.dealer = BoardDealer(number);
  facts.vul = BoardVulnerability(number);
  if (!AnalyseBoard(facts, cache, error)) {
    error = facts.key + ": " + error;
    return false;
  }
  ChooseSite(facts, seed);
  return true;
}

bool MakeBoard(uint64_t seed, const std::string& event, int number, const FieldContractChooser& chooser,
               BoardRecord& board, std::string& error, DdCache* cache) {
  if (!MakeBoardFacts(seed, event, number, board.facts, error, cache)) return false;
  board.field = BuildField(board.facts, chooser, seed);
  return true;
}

Generator::Generator() : chooser_(std::make_shared<StatisticalChooser>()) {
  sinks_.push_back(std::make_shared<EventFilesWriter>());
}

void Generator::SetFieldChooser(std::shared_ptr<const FieldContractChooser> chooser) {
  if (chooser) chooser_ = std::move(chooser);
}

void Generator::AddSink(std::shared_ptr<BoardSink> sink) {
  if (sink) sinks_.push_back(std::move(sink));
}

void Generator::SetProgress(ProgressFn progress) { progress_ = std::move(progress); }

void Generator::SetDdCache(std::shared_ptr<DdCache> cache) { cache_ = std::move(cache); }

bool Generator::MakeOne(uint64_t seed, const std::string& event, int number, BoardRecord& board,
                        std::string& error) const {
  return MakeBoard(seed, event, number, *chooser_, board, error, cache_.get());
}

bool Generator::Run(const GenerateOptions& options, std::string& error) {
  std::error_code ec;
  std::filesystem::create_directories(options.outDir, ec);
  if (ec) {
    error = "cannot create " + options.outDir + ": " + ec.message();
    return false;
  }
  const int total = static_cast<int>(options.events.size());
  int done = 0;
  for (const std::string& event : options.events) {
    for (int n = 1; n <= kBoardsPerEvent; ++n) {
      BoardRecord board;
      if (!MakeOne(options.seed, event, n, board, error)) return false;
      for (const auto& sink : sinks_) sink->Add(board);
    }
    // Saved after every event, so an interrupted run loses little solving.
    if (cache_ && !cache_->Save(error)) return false;
    ++done;
    if (progress_) progress_(event, done, total);
  }
  for (const auto& sink : sinks_)
    if (!sink->Write(options.outDir, error)) return false;
  return WriteSeedNote(options.outDir, options.seed, EventListText(options.events), error);
}

std::string EventListText(const std::vector<std::string>& events) {
  std::string text;
  size_t i = 0;
  while (i < events.size()) {
    size_t j = i;
    // Extend the run while the next event is the same kind and the next session.
    while (j + 1 < events.size() && events[j + 1].substr(0, 3) == events[i].substr(0, 3) &&
           std::stoi(events[j + 1].substr(3)) == std::stoi(events[j].substr(3)) + 1)
      ++j;
    if (!text.empty()) text += ',';
    text += events[i];
    if (j > i) text += "-" + events[j];
    i = j + 1;
  }
  return text;
}

}  // namespace quorval::eventgen
