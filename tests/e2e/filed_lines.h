#pragma once
// The files the real program writes, read plainly, and a filed result line
// checked against a recomputation from the board and its field results
// alone: the contract score from the scoring table, every figure from the
// turned field scores by the IMP scale (the one the scoring tests check at
// every step) or match points (method 0).
#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "scoring/figures.h"

namespace quorval::testing {

using Section = std::map<std::string, std::string>;
using IniFile = std::map<std::string, Section>;

// A plain reading of an INI text: section names and key=value lines, in the
// order they come (a later key of the same name is ignored).
inline IniFile ReadIni(const QString& path, std::vector<std::string>* order = nullptr,
                       std::vector<std::string>* keysOfFirst = nullptr) {
  IniFile ini;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return ini;
  std::string section;
  for (const QByteArray& raw : f.readAll().split('\n')) {
    const std::string line = raw.trimmed().toStdString();
    if (line.empty()) continue;
    if (line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      ini[section];
      if (order) order->push_back(section);
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq);
    if (keysOfFirst && order && order->size() == 1) keysOfFirst->push_back(key);
    ini[section].emplace(key, line.substr(eq + 1));
  }
  return ini;
}

inline std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> items;
  std::string item;
  for (const char c : text) {
    if (c == ',') {
      items.push_back(item);
      item.clear();
    } else {
      item += c;
    }
  }
  items.push_back(item);
  return items;
}

// The duplicate score of a made or beaten contract for the declaring side,
// from the scoring table: trick score, game or part-score bonus, slam
// bonus, the insult, overtricks and undertricks.
inline int DeclarerScore(int level, int strain, int doubled, bool vul, int tricks) {
  const int need = level + 6;
  if (tricks < need) {
    const int down = need - tricks;
    if (doubled == 0) return -down * (vul ? 100 : 50);
    int penalty = 0;
    for (int i = 1; i <= down; ++i) penalty += i == 1 ? (vul ? 200 : 100) : (!vul && i <= 3) ? 200 : 300;
    return -penalty * doubled;
  }
  const int perTrick = strain <= 1 ? 20 : 30;
  const int trickScore = (level * perTrick + (strain == 4 ? 10 : 0)) << doubled;
  int score = trickScore + (trickScore >= 100 ? (vul ? 500 : 300) : 50);
  if (level == 6) score += vul ? 750 : 500;
  if (level == 7) score += vul ? 1500 : 1000;
  score += 50 * doubled;
  const int over = tricks - need;
  score += over * (doubled == 0 ? perTrick : (vul ? 200 : 100) * doubled);
  return score;
}

// The 25 items filed for board `key` agree with the board's section and its
// 18 field results (as stored, before the board is turned by its Site).
inline void CheckFiledLine(const std::string& key, const std::string& line, const Section& board,
                           const Section& results) {
  const auto items = Split(line);
  ASSERT_EQ(items.size(), 25u) << line;
  const bool imps = key.rfind("Imp", 0) == 0;
  const int site = std::stoi(board.at("Site"));
  const std::string seats = "NESW";
  const int dealer = static_cast<int>((seats.find(board.at("Dealer")[0]) + site) % 4);

  // Contract score from the filed contract, tricks and the turned
  // vulnerability.
  const std::string vulText = board.at("Vulnerable");
  bool ns = vulText == "N-S" || vulText == "Both", ew = vulText == "E-W" || vulText == "Both";
  if (site % 2) std::swap(ns, ew);
  const int score = std::stoi(items[3]);
  if (items[1] == "Pass") {
    EXPECT_EQ(score, 0);
    // A passed-out board has no declarer: its line names the seat before the
    // dealer, the fourth to pass.
    EXPECT_EQ(items[0], std::string(1, seats[(dealer + 3) % 4]));
  } else {
    const int declarer = static_cast<int>(seats.find(items[0]));
    const std::string contract = items[1];
    const int level = contract[0] - '0';
    const int strain = static_cast<int>(std::string("CDHSN").find(contract[2]));
    const int doubled = static_cast<int>(contract.size()) - 3;
    const bool vul = declarer % 2 == 0 ? ns : ew;
    const int forDeclarer = DeclarerScore(level, strain, doubled, vul, std::stoi(items[2]));
    EXPECT_EQ(score, declarer % 2 == 0 ? forDeclarer : -forDeclarer);
  }

  // The field scores as the board was played: turned with it.
  std::vector<int> field(19, 0);
  for (int n = 1; n <= 18; ++n) {
    char name[3];
    std::snprintf(name, sizeof name, "%02d", n);
    const auto result = Split(results.count(name) ? results.at(name) : "");
    const int stored = result.size() >= 4 ? std::stoi(result[3]) : 0;
    field[n] = site % 2 ? -stored : stored;
  }
  // Each stratum: the user and six field results, each against the others.
  for (int s = 0; s < 3; ++s) {
    std::vector<int> row{score};
    for (int n = 6 * s + 1; n <= 6 * s + 6; ++n) row.push_back(field[n]);
    for (size_t r = 0; r < row.size(); ++r) {
      double figure = 0;
      for (size_t o = 0; o < row.size(); ++o) {
        if (o == r) continue;
        if (imps) figure += ImpsForDifference(row[r] - row[o]) / 6.0;
        else figure += row[r] > row[o] ? 1 : row[r] < row[o] ? -1 : 0;   // method 0: 1, 0, -1
      }
      const int item = r == 0 ? 22 + s : 4 + 6 * s + static_cast<int>(r) - 1;
      EXPECT_EQ(std::stoi(items[item]), static_cast<int>(std::nearbyint(figure * 100)))
          << "stratum " << s << " row " << r;
    }
  }
}

}  // namespace quorval::testing
