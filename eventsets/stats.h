#pragma once
// The stats command: how an event set plays for the user. Per event and
// overall, the roles South gets against the par contract, and each stratum's
// average IMPs per board against double-dummy par and against the field's
// average score, seen from the side the user sits on.

#include <array>
#include <string>
#include <vector>

namespace quorval::eventgen {

struct EventStats {
  std::string name;          // event, or "All"
  int boards = 0;
  std::array<int, 4> roles{};  // declarer, dummy, defender, passed out (Role order)
  std::array<double, 3> impsVsPar{};    // per board, strata A, B, C
  std::array<double, 3> impsVsField{};
  // Field contract mix, counted over all results.
  int results = 0, passedOut = 0, partscores = 0, games = 0, slams = 0, doubled = 0, parContracts = 0;
  // Different contracts (level, strain and doubling; passed out is one) summed over the boards.
  int distinctContracts = 0;

  double DeclaringShare() const;     // user's side declares, of boards with a contract
  double DeclarerOfDeclaring() const;
  double DistinctPerBoard() const;
};

// Reads and analyses every board of the folder's event files; boards that do
// not read are counted in `skipped`. False when the files cannot be read.
class DdCache;
bool CollectStats(const std::string& dir, std::vector<EventStats>& perEvent, EventStats& overall, int& skipped,
                  std::string& error, DdCache* cache = nullptr);

// The report the command prints.
std::string StatsReport(const std::vector<EventStats>& perEvent, const EventStats& overall);

}  // namespace quorval::eventgen
