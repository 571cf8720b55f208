#include "tools/bench/bench.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "data/board_file.h"
#include "data/program_folder.h"
#include "data/sequence_library.h"
#include "play/engine/solver.h"
#include "play/play_state.h"

namespace quorval::bench {

bool ParseBenchArgs(const std::vector<std::string>& args, BenchOptions& o, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--dir" && hasValue) {
      o.dir = args[++i];
    } else if (a == "--events" && hasValue) {
      o.events = args[++i];
    } else if (a == "--skill" && hasValue) {
      const std::string& v = args[++i];
      char* end = nullptr;
      const long n = std::strtol(v.c_str(), &end, 10);
      if (v.empty() || *end || n < 1 || n > 10) {
        error = "--skill takes a whole number from 1 to 10";
        return false;
      }
      o.skill = static_cast<int>(n);
    } else if (a == "--time-rule" && hasValue) {
      const std::string& v = args[++i];
      if (v != "off" && v != "on") {
        error = "--time-rule takes off or on";
        return false;
      }
      o.timeRule = v == "on";
    } else if (a == "--system" && hasValue) {
      const std::string& v = args[++i];
      if (v.size() != 1 || !std::strchr("DMNS", v[0])) {
        error = "--system takes D, M, N or S";
        return false;
      }
      o.system = v[0];
    } else if (a == "--no-dd") {
      o.measureDd = false;
    } else {
      error = "unknown or incomplete option: " + a;
      return false;
    }
  }
  return true;
}

std::vector<std::string> ExpandKeys(const std::string& list, const std::vector<std::string>& known) {
  std::vector<std::string> keys;
  std::stringstream ss(list);
  std::string item;
  while (std::getline(ss, item, ',')) {
    if (item.empty()) continue;
    if (item.find('.') != std::string::npos) {
      keys.push_back(item);
      continue;
    }
    for (const auto& k : known)
      if (k.size() == item.size() + 3 && k.compare(0, item.size(), item) == 0 && k[item.size()] == '.')
        keys.push_back(k);
  }
  return keys;
}

uint32_t SignatureStep(uint32_t signature, CardCode card) {
  for (int i = 0; i < 4; ++i) {
    signature ^= static_cast<uint32_t>(card >> (8 * i)) & 0xFFu;
    signature *= 16777619u;
  }
  return signature;
}

double Percentile(std::vector<double> values, double q) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const double rank = std::ceil(q * static_cast<double>(values.size()));
  const size_t i = static_cast<size_t>(std::clamp(rank, 1.0, static_cast<double>(values.size()))) - 1;
  return values[i];
}

namespace {

// Declarer's double-dummy tricks with the opening leader on lead.
int DdTricksForDeclarer(const PlayState& st) {
  const engine::SolverResult r = engine::Solve(engine::BuildSolverPosition(st));
  if (r.status != 1 || r.cards <= 0) return -1;
  return 13 - r.score[0];
}

}  // namespace

BoardOutcome PlayBoard(const Deal& deal, const Contract& contract, CardCode openingLead,
                       const EngineOptions& engine, bool measureDd, uint32_t& signature) {
  BoardOutcome out;
  out.contract = contract;
  PlayState st;
  StartPlay(st, deal, contract);
  if (measureDd) out.ddTricks = DdTricksForDeclarer(st);
  int target = st.EngineTarget;
  if (openingLead && IsLegalCard(st, openingLead)) PlayCard(st, openingLead);
  while (!st.Over()) {
    const auto t0 = std::chrono::steady_clock::now();
    CardCode card = ChooseCard(st, engine, target);
    out.ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    ++out.engineCards;
    signature = SignatureStep(signature, card);
    // The check solves the same position after the engine has chosen, so
    // that the engine's own time is not helped by a warm solver.
    const bool check = measureDd && st.CardsPlayed > 0;
    engine::SolverResult best;
    if (check) best = engine::Solve(engine::BuildSolverPosition(st));
    if (check && best.status == 1) {
      ++out.ddChecked;
      if (!engine::IsSolverCard(best, card)) ++out.ddErrors;
    }
    if (!PlayCard(st, card)) {
      // Never expected: the engine guards its cards. Keep the board going
      // with the plain card so that the run still ends.
      PlayCard(st, PlainCard(st));
    }
  }
  out.declarerTricks = st.DeclarerTricks;
  return out;
}

std::optional<BenchReport> RunBench(const BenchOptions& o, std::ostream& log, std::string& error) {
  namespace fs = std::filesystem;
  const fs::path dir(o.dir);
  const fs::path boardPath = dir / kBoardFileName;
  const fs::path libPath = dir / kLibraryFileName;
  if (!fs::exists(boardPath)) {
    error = "no " + std::string(kBoardFileName) + " in " + o.dir;
    return std::nullopt;
  }
  if (!fs::exists(libPath)) {
    error = "no " + std::string(kLibraryFileName) + " in " + o.dir;
    return std::nullopt;
  }
  std::ifstream libFile(libPath, std::ios::binary);
  std::stringstream libText;
  libText << libFile.rdbuf();
  SequenceLibrary library;
  library.LoadSequenceLibrary(libText.str());

  SetProgramFolder(o.dir);
  TBridgeINI boards(boardPath.string());
  std::vector<std::string> known = boards.SectionNames();
  const std::vector<std::string> keys = o.events.empty() ? known : ExpandKeys(o.events, known);

  EngineOptions engine;
  engine.skill = o.skill;
  engine.timeRule = o.timeRule;

  BenchReport rep;
  std::vector<double> all;
  int checked = 0, errors = 0;
  for (const std::string& key : keys) {
    BoardStatus status = BoardStatus::NotFound;
    const std::optional<BoardRecord> board = boards.ReadBoard(key, status);
    if (!board || status != BoardStatus::Found) {
      rep.problems.push_back(key + ": board not found or bad deal");
      continue;
    }
    std::optional<LibraryLine> line;
    for (const std::string& text : library.SectionLines(key, o.system)) {
      line = ParseLibraryLine(text);
      if (line) break;
    }
    if (!line) {
      rep.problems.push_back(key + ": no library line");
      continue;
    }
    Auction auction(board->dealer);
    for (CallCode c : line->calls)
      if (!auction.Make(c)) break;
    const Contract contract = auction.Result();
    if (!auction.Over() || contract.PassedOut()) {
      log << key << " passed out or unfinished auction: not played\n";
      continue;
    }
    const CardCode lead = line->leads.empty() ? 0 : line->leads.front().card;
    BoardOutcome b = PlayBoard(board->deal, contract, lead, engine, o.measureDd, rep.signature);
    b.key = key;
    checked += b.ddChecked;
    errors += b.ddErrors;
    all.insert(all.end(), b.ms.begin(), b.ms.end());
    rep.cards += b.engineCards;
    rep.declarerTricks += b.declarerTricks;
    rep.ddTricks += std::max(0, b.ddTricks);
    ++rep.boards;
    char buf[160];
    std::snprintf(buf, sizeof buf, "%s %s by %c: tricks %d dd %d, dd errors %d/%d, worst %.1f ms", key.c_str(),
                  ContractText(contract, false).c_str(), SeatLetter(contract.declarer), b.declarerTricks,
                  b.ddTricks, b.ddErrors, b.ddChecked,
                  b.ms.empty() ? 0.0 : *std::max_element(b.ms.begin(), b.ms.end()));
    log << buf << '\n';
    rep.outcomes.push_back(std::move(b));
  }
  rep.medianMs = Percentile(all, 0.5);
  rep.p95Ms = Percentile(all, 0.95);
  rep.maxMs = all.empty() ? 0 : *std::max_element(all.begin(), all.end());
  rep.ddErrorPct = checked ? 100.0 * errors / checked : 0.0;
  rep.ddMeasured = o.measureDd;
  return rep;
}

std::string SummaryLine(const BenchReport& r) {
  char rate[32] = "n/a";
  if (r.ddMeasured) std::snprintf(rate, sizeof rate, "%.2f", r.ddErrorPct);
  char buf[256];
  std::snprintf(buf, sizeof buf,
                "bench: boards %d cards %d median_ms %.2f p95_ms %.2f max_ms %.2f dd_error_pct %s signature %08x",
                r.boards, r.cards, r.medianMs, r.p95Ms, r.maxMs, rate, r.signature);
  return buf;
}

}  // namespace quorval::bench
