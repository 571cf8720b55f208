#include "eventsets/pbn_import.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/prng.h"

namespace quorval::eventgen {

std::vector<std::string> DefaultImportEvents(const PbnRead& read) {
  bool imps = false;
  for (const PbnBoard& b : read.boards) {
    if (b.scoring.empty() || b.scoring == "?") continue;
    std::string up = b.scoring;
    for (char& c : up) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    imps = up.find("IMP") != std::string::npos || up.find("BAM") != std::string::npos;
    break;
  }
  std::vector<std::string> events;
  for (const std::string& e : AllEvents())
    if ((e.substr(0, 3) == "Imp") == imps) events.push_back(e);
  return events;
}

ImportPlan PlanImport(const std::vector<PbnBoard>& boards, const std::vector<std::string>& events) {
  ImportPlan plan;
  const size_t room = events.size() * kBoardsPerEvent;
  for (size_t i = 0; i < boards.size(); ++i) {
    if (i >= room) {
      ++plan.left;
      continue;
    }
    GivenBoard g;
    g.event = events[i / kBoardsPerEvent];
    g.number = static_cast<int>(i % kBoardsPerEvent) + 1;
    g.deal = boards[i].deal;
    g.dealer = boards[i].dealer;
    g.vul = boards[i].vul;
    plan.boards.push_back(g);
  }
  return plan;
}

bool ImportHandRecords(const ImportRequest& request, Generator& generator, ImportReport& report, std::string& error) {
  std::ifstream in(request.file, std::ios::binary);
  if (!in) {
    error = "cannot read " + request.file;
    return false;
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  const std::string text = bytes.str();
  const std::string name = std::filesystem::path(request.file).filename().string();
  const PbnRead read = ReadPbnText(text, name, PbnCheck::HandRecord);
  report.refused = read.problems;
  if (read.boards.empty()) {
    error = name + " holds no board that can be played";
    return false;
  }
  const std::vector<std::string> events = request.events.empty() ? DefaultImportEvents(read) : request.events;
  const ImportPlan plan = PlanImport(read.boards, events);
  report.left = plan.left;
  report.seed = request.seedGiven ? request.seed : HashText(text);
  GenerateOptions options;
  options.seed = report.seed;
  options.outDir = request.outDir;
  options.given = plan.boards;
  options.source = name;
  std::vector<std::string> used;
  for (const GivenBoard& g : plan.boards)
    if (used.empty() || used.back() != g.event) used.push_back(g.event);
  report.events = EventListText(used);
  if (!generator.Run(options, error)) return false;
  report.boards = static_cast<int>(plan.boards.size());
  return true;
}

}  // namespace quorval::eventgen
