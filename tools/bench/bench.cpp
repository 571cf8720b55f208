#include "tools/bench/bench.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "data/board_file.h"
#include "data/call_meanings.h"
#include "data/program_folder.h"
#include "data/sequence_library.h"
#include "play/engine/solver.h"
#include "play/honest/file_meanings.h"
#include "play/play_state.h"
#include "play/review/board_review.h"

namespace quorval::bench {

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

std::optional<std::string> FileText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

namespace {

bool SolvedWithCards(const SolverResult& r) { return r.status == 1 && r.cards > 0; }

// Processor time of the whole process: on a machine busy with other work
// it shows what a card costs, where the clock on the wall shows the wait.
double ProcessorMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Tricks the side to play gives away with `card`: declarer's expected total
// before it, against the total after it, from that side's point of view.
int TricksLost(const PlayState& st, const SolverResult& before, CardCode card) {
  PlayState after = st;
  if (!PlayCard(after, card) || after.Over()) return 0;
  const SolverResult r = engine::Solve(engine::BuildSolverPosition(after));
  if (!SolvedWithCards(r)) return 0;
  const int was = engine::DeclarerTotal(st, before);
  const int now = engine::DeclarerTotal(after, r);
  if (was < 0 || now < 0) return 0;
  return std::abs(was - now);
}

}  // namespace

BoardOutcome PlayBoard(const Deal& deal, const Contract& contract, CardCode openingLead,
                       const EngineOptions& engine, bool measureDd, uint32_t& signature) {
  BoardOutcome out;
  out.contract = contract;
  PlayState st;
  StartPlay(st, deal, contract);
  SolverResult atLead;
  if (measureDd) {
    atLead = engine::Solve(engine::BuildSolverPosition(st));
    out.ddTricks = SolvedWithCards(atLead) ? 13 - atLead.score[0] : -1;
  }
  int target = st.EngineTarget;
  if (openingLead && IsLegalCard(st, openingLead)) {
    // The library leads; the engine's own lead is still asked for (on a copy
    // of the target, untimed and outside the signature) so that its share
    // of sound opening leads is measured on every board.
    if (measureDd && SolvedWithCards(atLead)) {
      int scratch = target;
      const auto t0 = std::chrono::steady_clock::now();
      const double cpu0 = ProcessorMs();
      const CardCode own = ChooseCard(st, engine, scratch);
      if (engine.honest) {
        out.openingLeadMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        out.openingLeadCpuMs = ProcessorMs() - cpu0;
      }
      out.openingLead.Add(engine::IsSolverCard(atLead, own));
    }
    PlayCard(st, openingLead);
  }
  while (!st.Over()) {
    const auto t0 = std::chrono::steady_clock::now();
    const double cpu0 = ProcessorMs();
    CardCode card = ChooseCard(st, engine, target);
    out.ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    out.cpuMs.push_back(ProcessorMs() - cpu0);
    ++out.engineCards;
    signature = SignatureStep(signature, card);
    if (measureDd) {
      // The check solves the same position after the engine has chosen, so
      // that the engine's own time is not helped by a warm solver.
      const SolverResult best =
          st.CardsPlayed == 0 ? atLead : engine::Solve(engine::BuildSolverPosition(st));
      if (best.status == 1) {
        const bool kept = engine::IsSolverCard(best, card);
        if (st.CardsPlayed == 0) {
          out.openingLead.Add(kept);
        } else {
          ++out.ddChecked;
          if (!kept) ++out.ddErrors;
          if (st.CardsPlayed % 4 == 0) out.laterLeads.Add(kept);
        }
        if (!kept && SolvedWithCards(best))
          out.costly.push_back({"", st.CardsPlayed / 4 + 1, st.ToPlay, card, best.card[0],
                                TricksLost(st, best, card)});
      }
    }
    if (!PlayCard(st, card)) {
      // Never expected: the engine guards its cards. Keep the board going
      // with the plain card so that the run still ends.
      PlayCard(st, PlainCard(st));
    }
  }
  out.declarerTricks = st.DeclarerTricks;
  for (int i = 0; i < st.CardsPlayed; ++i) out.cards.push_back(st.PlayLog[size_t(i)].card);
  return out;
}

double TimeReview(const Deal& deal, Seat dealer, Vulnerability vul, const BoardOutcome& board, double& cpuMs) {
  review::BoardReview r;
  r.deal = deal;
  r.dealer = dealer;
  r.vul = vul;
  r.SetPlay(board.contract, board.cards);
  const auto t0 = std::chrono::steady_clock::now();
  const std::clock_t c0 = std::clock();
  review::ReviewWholeBoard(r);
  cpuMs = 1000.0 * static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
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
  SequenceLibrary library;
  library.LoadSequenceLibrary(FileText(libPath).value_or(""));

  // The meanings of the stored calls, which the honest computer reads the
  // auction by; without the file it reads every call plainly.
  CallMeanings meanings;
  if (const std::optional<std::string> text = FileText(dir / kMeaningsFileName)) {
    std::string problem;
    if (!meanings.Load(*text, &problem)) log << kMeaningsFileName << ": " << problem << '\n';
  }

  SetProgramFolder(o.dir);
  TBridgeINI boards(boardPath.string());
  std::vector<std::string> known = boards.SectionNames();
  const std::vector<std::string> keys = o.events.empty() ? known : ExpandKeys(o.events, known);

  EngineOptions engine;
  engine.skill = o.skill;
  engine.timeRule = o.timeRule;
  engine.honest = o.honest;
  engine.board.seed = o.seed;
  engine.board.auction.system = o.system;
  engine.board.meanings = honest::MeaningsOf(&meanings);

  BenchReport rep;
  std::vector<double> all, cpu;
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
    engine.board.auction.dealer = board->dealer;
    engine.board.auction.calls = line->calls;
    engine.board.contract = contract;
    BoardOutcome b = PlayBoard(board->deal, contract, lead, engine, o.measureDd, rep.signature);
    b.key = key;
    for (CostlyCard& c : b.costly) c.key = key;
    if (o.review) {
      b.reviewMs = TimeReview(board->deal, board->dealer, board->vulnerability, b, b.reviewCpuMs);
      rep.reviewMs.push_back(b.reviewMs);
      rep.reviewCpuMs.push_back(b.reviewCpuMs);
      char line[96];
      std::snprintf(line, sizeof line, "%s review %.0f ms cpu %.0f ms", key.c_str(), b.reviewMs, b.reviewCpuMs);
      log << line << '\n';
    }
    rep.openingLeads.Add(b.openingLead);
    if (b.openingLeadMs >= 0) rep.openingLeadMs.push_back(b.openingLeadMs);
    if (b.openingLeadCpuMs >= 0) rep.openingLeadCpuMs.push_back(b.openingLeadCpuMs);
    rep.laterLeads.Add(b.laterLeads);
    checked += b.ddChecked;
    errors += b.ddErrors;
    all.insert(all.end(), b.ms.begin(), b.ms.end());
    cpu.insert(cpu.end(), b.cpuMs.begin(), b.cpuMs.end());
    rep.cards += b.engineCards;
    rep.declarerTricks += b.declarerTricks;
    rep.ddTricks += std::max(0, b.ddTricks);
    ++rep.boards;
    // The worst card with its place in the play (the opening lead is card 1),
    // and the honest computer's own opening lead where it was timed.
    const auto worst = std::max_element(b.ms.begin(), b.ms.end());
    const int worstCard = worst == b.ms.end() ? 0 : static_cast<int>(worst - b.ms.begin()) + (lead ? 2 : 1);
    char buf[200];
    int used = std::snprintf(buf, sizeof buf, "%s %s by %c: tricks %d dd %d, dd errors %d/%d, worst %.1f ms (card %d)",
                             key.c_str(), ContractText(contract, false).c_str(), SeatLetter(contract.declarer),
                             b.declarerTricks, b.ddTricks, b.ddErrors, b.ddChecked,
                             worst == b.ms.end() ? 0.0 : *worst, worstCard);
    if (b.openingLeadMs >= 0 && used > 0 && used < static_cast<int>(sizeof buf))
      std::snprintf(buf + used, sizeof buf - used, ", lead %.1f ms", b.openingLeadMs);
    log << buf << '\n';
    rep.outcomes.push_back(std::move(b));
  }
  rep.medianMs = Percentile(all, 0.5);
  rep.p95Ms = Percentile(all, 0.95);
  rep.maxMs = all.empty() ? 0 : *std::max_element(all.begin(), all.end());
  rep.cpuMedianMs = Percentile(cpu, 0.5);
  rep.cpuMaxMs = cpu.empty() ? 0 : *std::max_element(cpu.begin(), cpu.end());
  rep.ddErrorPct = checked ? 100.0 * errors / checked : 0.0;
  rep.ddMeasured = o.measureDd;
  rep.costliest = Costliest(rep.outcomes, 5);
  return rep;
}

std::vector<CostlyCard> Costliest(const std::vector<BoardOutcome>& outcomes, size_t count) {
  std::vector<CostlyCard> all;
  for (const BoardOutcome& b : outcomes) all.insert(all.end(), b.costly.begin(), b.costly.end());
  std::stable_sort(all.begin(), all.end(), [](const CostlyCard& a, const CostlyCard& b) { return a.cost > b.cost; });
  if (all.size() > count) all.resize(count);
  return all;
}

namespace {

std::string ShareLine(const char* what, const LeadShare& share) {
  char buf[128];
  std::snprintf(buf, sizeof buf, "%s keeping the double-dummy value: %d/%d (%.1f%%)", what, share.kept,
                share.checked, share.Percent());
  return buf;
}

}  // namespace

std::vector<std::string> DetailLines(const BenchReport& r) {
  std::vector<std::string> lines;
  if (!r.ddMeasured) return lines;
  lines.push_back(ShareLine("engine opening leads", r.openingLeads));
  lines.push_back(ShareLine("engine leads to later tricks", r.laterLeads));
  if (r.cpuMaxMs > 0) {
    char buf[128];
    std::snprintf(buf, sizeof buf, "processor time per card, all threads: median_ms %.2f max_ms %.2f", r.cpuMedianMs,
                  r.cpuMaxMs);
    lines.push_back(buf);
  }
  if (!r.openingLeadMs.empty()) {
    char buf[128];
    std::snprintf(buf, sizeof buf, "opening leads: median_ms %.2f max_ms %.2f, processor median_ms %.2f max_ms %.2f",
                  Percentile(r.openingLeadMs, 0.5), *std::max_element(r.openingLeadMs.begin(), r.openingLeadMs.end()),
                  Percentile(r.openingLeadCpuMs, 0.5),
                  r.openingLeadCpuMs.empty() ? 0.0
                                              : *std::max_element(r.openingLeadCpuMs.begin(), r.openingLeadCpuMs.end()));
    lines.push_back(buf);
  }
  if (r.ddErrorPct > 3.0) {
    for (const CostlyCard& c : r.costliest) {
      char buf[160];
      std::snprintf(buf, sizeof buf, "costly: %s trick %d %c played %s, solver %s, %d trick%s lost", c.key.c_str(),
                    c.trick, SeatLetter(c.seat), CardText(c.chosen).c_str(), CardText(c.solverCard).c_str(),
                    c.cost, c.cost == 1 ? "" : "s");
      lines.push_back(buf);
    }
  }
  return lines;
}

std::string ReviewLine(const BenchReport& r) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "review: boards %zu median_ms %.0f p95_ms %.0f max_ms %.0f cpu_median_ms %.0f",
                r.reviewMs.size(), Percentile(r.reviewMs, 0.5), Percentile(r.reviewMs, 0.95),
                r.reviewMs.empty() ? 0.0 : *std::max_element(r.reviewMs.begin(), r.reviewMs.end()),
                Percentile(r.reviewCpuMs, 0.5));
  return buf;
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

namespace {

std::string PositionProblemText(const PositionProblem& problem) {
  switch (problem.part) {
    case PositionPart::None: return "";
    case PositionPart::Deal:
      return "--position takes a whole deal, as \"N:AKQ2.J54.T9.8765 ...\" (four hands of 13 cards)";
    case PositionPart::Declarer: return "--declarer takes N, E, S or W";
    case PositionPart::Contract: return "--contract takes a contract such as 4S, 3NT or 2HX";
    case PositionPart::Played:
      return "--played: card " + std::to_string(problem.card) + " (" + problem.item + ") cannot be played there";
    case PositionPart::AllPlayed: return "--played: all 52 cards are played";
  }
  return "";
}

}  // namespace

CardCode PositionCard(const PositionQuery& query, const BenchOptions& o, std::string& error) {
  EngineOptions engine;
  engine.skill = o.skill;
  engine.timeRule = o.timeRule;
  engine.honest = o.honest;
  engine.board.seed = o.seed;
  PositionProblem problem;
  const CardCode card = quorval::PositionCard(query, engine, problem);
  error = PositionProblemText(problem);
  return card;
}

int ClaimAtPosition(const BenchOptions& o, std::ostream& out, std::string& error) {
  PositionProblem problem;
  PlayState st;
  Contract contract;
  if (!PositionPlay(o.position, st, contract, problem)) {
    error = PositionProblemText(problem);
    return 2;
  }
  const Side side = SideOf(st.ToPlay);
  const ClaimVerdict verdict = JudgeClaim(st, side, o.claim);
  if (!verdict.judged) {
    error = std::string("the solver cannot take the position: ") + SolverStatusText(verdict.status);
    return 1;
  }
  out << (side == 1 ? "North-South" : "East-West") << " claim " << o.claim << " of " << TricksLeft(st)
      << " tricks left; double dummy " << verdict.ddTricks << '\n';
  if (verdict.accepted) out << "accepted\n";
  else out << "refused " << verdict.ddTricks << '\n';
  out.flush();
  return 0;
}

}  // namespace quorval::bench
