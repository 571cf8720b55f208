#include "eventsets/event_files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/ini_store.h"

namespace quorval::eventgen {

std::vector<std::string> BoardSectionLines(const BoardFacts& f) {
  return {std::string("Dealer=") + SeatLetter(f.dealer), std::string("Vulnerable=") + VulnerabilityName(f.vul),
          "Deal=" + DealText(f.deal, North), "Site=" + std::to_string(f.site)};
}

std::vector<std::string> ResultSectionLines(const Field& field) {
  std::vector<std::string> lines;
  for (int n = 1; n <= kFieldSize; ++n) {
    char number[4];
    std::snprintf(number, sizeof number, "%02d", n);
    lines.push_back(std::string(number) + "=" + FieldResultText(field[n - 1]));
  }
  return lines;
}

std::string SectionText(const std::string& name, const std::vector<std::string>& lines) {
  std::string text = "[" + name + "]\r\n";
  for (const std::string& line : lines) text += line + "\r\n";
  return text + "\r\n";
}

void EventFilesWriter::Add(const BoardRecord& board) { boards_.push_back(board); }

// Replaces the whole content of the file through the program's own store, so
// the bytes are exactly what the store reads back. The old file stays in place
// until the new one is complete.
static bool WriteStore(const std::string& path, const std::vector<BoardRecord>& boards, bool results,
                       std::string& error) {
  TMyINI store(path);
  for (const std::string& name : store.SectionNames()) store.EraseSection(name);
  for (const BoardRecord& b : boards) {
    const std::vector<std::string> lines =
        results ? ResultSectionLines(b.field) : BoardSectionLines(b.facts);
    for (const std::string& line : lines) {
      const size_t eq = line.find('=');
      store.WriteString(b.facts.key, line.substr(0, eq), line.substr(eq + 1));
    }
  }
  if (!store.UpdateFile()) {
    error = "could not write " + path;
    return false;
  }
  return true;
}

bool EventFilesWriter::Write(const std::string& dir, std::string& error) {
  return WriteStore(dir + "/" + kBoardFileName, boards_, false, error) &&
         WriteStore(dir + "/" + kResultsFileName, boards_, true, error);
}

bool ReadTextFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream out;
  out << in.rdbuf();
  text = out.str();
  return true;
}

bool WriteWhole(const std::string& dir, const std::string& name, const std::string& text, std::string& error) {
  namespace fs = std::filesystem;
  const fs::path target = fs::path(dir) / name;
  const fs::path temp = fs::path(dir) / (name + ".tmp");
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    if (!out) {
      error = "cannot write " + temp.string();
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temp, target, ec);
  if (ec) {
    error = "cannot replace " + target.string() + ": " + ec.message();
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

bool WriteSeedNote(const std::string& dir, uint64_t seed, const std::string& events, std::string& error,
                   const std::string& dealsFrom, const std::string& shortEvents) {
  const std::string path = dir + "/" + kSeedFileName;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << "Seed=" << seed << "\nEvents=" << events << "\n";
  if (!dealsFrom.empty()) out << "Deals=" << dealsFrom << "\n";
  if (!shortEvents.empty()) out << "Short=" << shortEvents << "\n";
  out.close();
  if (!out) {
    error = "could not write " + path;
    return false;
  }
  return true;
}

bool ReadSeedNote(const std::string& dir, uint64_t& seed, std::string& events, std::string* dealsFrom) {
  std::ifstream in(dir + "/" + kSeedFileName, std::ios::binary);
  if (!in) return false;
  bool haveSeed = false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("Seed=", 0) == 0) {
      std::istringstream value(line.substr(5));
      haveSeed = static_cast<bool>(value >> seed);
    } else if (line.rfind("Events=", 0) == 0) {
      events = line.substr(7);
    } else if (line.rfind("Deals=", 0) == 0 && dealsFrom) {
      *dealsFrom = line.substr(6);
    }
  }
  return haveSeed;
}

}  // namespace quorval::eventgen
