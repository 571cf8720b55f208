#include "eventsets/generator.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "eventsets/dd_analysis.h"
#include "eventsets/site.h"

namespace quorval::eventgen {
namespace fs = std::filesystem;

namespace {

// Boards solved in one call of the solver: enough to keep both cores busy,
// few enough that progress and cancelling follow closely.
constexpr size_t kSolveBatch = 9;

BoardFacts DealtFacts(uint64_t seed, const std::string& event, int number) {
  BoardFacts facts;
  facts.event = event;
  facts.number = number;
  facts.key = BoardKey(event, number);
  facts.deal = ShuffledDeal(seed, facts.key);
  // As the table shows them; ChooseSite turns them back for the board file.
  facts.dealer = BoardDealer(number);
  facts.vul = BoardVulnerability(number);
  return facts;
}

// A folder of its own beside the target, for the files while they are made.
bool MakeWorkFolder(const std::string& target, std::string& folder, std::string& error) {
  std::error_code ec;
  fs::path t = fs::absolute(fs::path(target), ec).lexically_normal();
  if (t.filename().empty()) t = t.parent_path();
  fs::create_directories(t.parent_path(), ec);
  std::string pattern = (t.parent_path() / ("." + t.filename().string() + ".new-XXXXXX")).string();
  if (target.empty() || !::mkdtemp(pattern.data())) {
    error = "cannot create a folder beside " + target;
    return false;
  }
  // A private folder while it is filled; the finished set has the folder
  // rights any new folder of the user gets.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  fs::permissions(pattern, static_cast<fs::perms>(0777 & ~mask), ec);
  folder = pattern;
  return true;
}

}  // namespace

bool MakeBoardFacts(uint64_t seed, const std::string& event, int number, BoardFacts& facts, std::string& error,
                    DdCache* cache) {
  facts = DealtFacts(seed, event, number);
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

void Generator::SetSteps(StepFn steps) { steps_ = std::move(steps); }

void Generator::SetDdCache(std::shared_ptr<DdCache> cache) { cache_ = std::move(cache); }

void Generator::SetCancel(const std::atomic<bool>* cancel) { cancel_ = cancel; }

bool Generator::Cancelled() const { return cancel_ && cancel_->load(); }

bool Generator::MakeOne(uint64_t seed, const std::string& event, int number, BoardRecord& board,
                        std::string& error) const {
  return MakeBoard(seed, event, number, *chooser_, board, error, cache_.get());
}

// One event: its tables solved a few boards at a time, then each board turned,
// given its field and handed to the sinks in board order.
bool Generator::MakeEvent(const GenerateOptions& options, const std::vector<BoardFacts>& plan, int& done, int total,
                          std::string& error) {
  std::vector<BoardFacts> facts = plan;
  for (size_t start = 0; start < facts.size(); start += kSolveBatch) {
    if (Cancelled()) {
      error = kCancelledText;
      return false;
    }
    const size_t end = std::min(facts.size(), start + kSolveBatch);
    if (steps_) steps_({GenerateStage::Solving, facts[start].key, done + int(start), total});
    std::vector<Deal> deals;
    for (size_t i = start; i < end; ++i) deals.push_back(facts[i].deal);
    std::vector<DdTable> tables;
    if (!AnalyseDealsCached(deals, cache_.get(), tables, error)) {
      error = facts[start].key + ": " + error;
      return false;
    }
    for (size_t i = start; i < end; ++i) {
      facts[i].dd = tables[i - start];
      ChooseSite(facts[i], options.seed);
    }
  }
  for (const BoardFacts& f : facts) {
    if (Cancelled()) {
      error = kCancelledText;
      return false;
    }
    if (steps_) steps_({GenerateStage::Bidding, f.key, done, total});
    BoardRecord board;
    board.facts = f;
    board.field = BuildField(board.facts, *chooser_, options.seed);
    for (const auto& sink : sinks_) sink->Add(board);
    ++done;
  }
  return true;
}

bool Generator::Run(const GenerateOptions& options, std::string& error) {
  // The boards of each event, in file order.
  std::vector<std::string> events;
  std::vector<std::vector<BoardFacts>> plans;
  if (options.given.empty()) {
    for (const std::string& event : options.events) {
      events.push_back(event);
      plans.emplace_back();
      for (int n = 1; n <= kBoardsPerEvent; ++n) plans.back().push_back(DealtFacts(options.seed, event, n));
    }
  } else {
    for (const GivenBoard& g : options.given) {
      if (events.empty() || events.back() != g.event) {
        events.push_back(g.event);
        plans.emplace_back();
      }
      BoardFacts f;
      f.event = g.event;
      f.number = g.number;
      f.key = BoardKey(g.event, g.number);
      f.deal = g.deal;
      f.dealer = g.dealer;
      f.vul = g.vul;
      plans.back().push_back(f);
    }
  }
  int total = 0;
  for (const auto& plan : plans) total += static_cast<int>(plan.size());

  std::string work;
  if (!MakeWorkFolder(options.outDir, work, error)) return false;
  const auto fail = [&](const std::string& why) {
    std::error_code ec;
    fs::remove_all(work, ec);
    error = why;
    return false;
  };
  int done = 0;
  for (size_t e = 0; e < events.size(); ++e) {
    if (!MakeEvent(options, plans[e], done, total, error)) return fail(error);
    // Saved after every event, so an interrupted run loses little solving.
    if (cache_ && !cache_->Save(error)) return fail(error);
    if (progress_) progress_(events[e], int(e) + 1, int(events.size()));
  }
  if (Cancelled()) return fail(kCancelledText);
  if (steps_) steps_({GenerateStage::Writing, "", done, total});
  for (const auto& sink : sinks_)
    if (!sink->Write(work, error)) return fail(error);
  std::string shortEvents;
  for (const auto& plan : plans)
    if (!plan.empty() && plan.size() < size_t(kBoardsPerEvent))
      shortEvents += (shortEvents.empty() ? "" : ",") + plan.back().key;
  if (!WriteSeedNote(work, options.seed, EventListText(events), error, options.source, shortEvents))
    return fail(error);
  if (Cancelled()) return fail(kCancelledText);
  if (!MoveSetIntoPlace(work, options.outDir, error)) return fail(error);
  return true;
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

bool MoveSetIntoPlace(const std::string& ready, const std::string& target, std::string& error) {
  std::error_code ec;
  const bool exists = fs::exists(target, ec);
  if (exists && !fs::is_directory(target, ec)) {
    error = target + " is not a folder";
    return false;
  }
  if (exists && fs::is_empty(target, ec)) fs::remove(target, ec);
  if (!fs::exists(target, ec)) {
    fs::rename(ready, target, ec);
    if (ec) {
      error = "cannot move the event set to " + target + ": " + ec.message();
      return false;
    }
    return true;
  }
  // The target holds files already (an older set, the player's results):
  // each new file replaces its namesake in one step.
  for (const auto& entry : fs::directory_iterator(ready, ec)) {
    fs::rename(entry.path(), fs::path(target) / entry.path().filename(), ec);
    if (ec) {
      error = "cannot move " + entry.path().filename().string() + " to " + target + ": " + ec.message();
      return false;
    }
  }
  fs::remove(ready, ec);
  return true;
}

}  // namespace quorval::eventgen
