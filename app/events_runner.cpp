#include "app/events_runner.h"

#include <cstdio>

#include "eventsets/library_stage.h"
#include "eventsets/pbn_import.h"

namespace quorval {
namespace {

NewEventsStage StageOf(eventgen::GenerateStage stage) {
  switch (stage) {
    case eventgen::GenerateStage::Solving: return NewEventsStage::Solving;
    case eventgen::GenerateStage::Bidding: return NewEventsStage::Bidding;
    case eventgen::GenerateStage::Writing: break;
  }
  return NewEventsStage::Writing;
}

std::vector<std::string> Events(const char* kind, int count) {
  std::vector<std::string> events;
  for (int n = 1; n <= count; ++n) {
    char name[8];
    std::snprintf(name, sizeof name, "%s%02d", kind, n);
    events.emplace_back(name);
  }
  return events;
}

}  // namespace

NewEventsOutcome MakeNewEvents(const NewEventsRequest& request, const std::function<void(const NewEventsStep&)>& step,
                               const std::atomic<bool>& cancel) {
  eventgen::Generator generator;
  eventgen::InstallLibraryStage(generator);
  generator.SetCancel(&cancel);
  generator.SetSteps([&step](const eventgen::GenerateStep& s) {
    step({StageOf(s.stage), s.key, s.done, s.total});
  });
  NewEventsOutcome outcome;
  if (request.fromFile) {
    eventgen::ImportRequest import;
    import.file = request.file.toStdString();
    import.outDir = request.folder.toStdString();
    import.events = request.fileImps ? Events("Imp", 9) : Events("Par", 18);
    eventgen::ImportReport report;
    outcome.made = eventgen::ImportHandRecords(import, generator, report, outcome.error);
    outcome.boards = report.boards;
    for (const PbnProblem& p : report.refused) outcome.refused.push_back(p.Text());
  } else {
    eventgen::GenerateOptions options;
    options.seed = request.seed;
    options.outDir = request.folder.toStdString();
    options.events = Events("Imp", request.impEvents);
    for (const std::string& e : Events("Par", request.pairsEvents)) options.events.push_back(e);
    outcome.made = generator.Run(options, outcome.error);
    if (outcome.made) outcome.boards = static_cast<int>(options.events.size()) * eventgen::kBoardsPerEvent;
  }
  outcome.cancelled = !outcome.made && outcome.error == eventgen::kCancelledText;
  return outcome;
}

}  // namespace quorval
