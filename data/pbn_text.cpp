#include "data/pbn_text.h"

#include <cctype>

namespace quorval {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Tags whose section lines carry data: the calls, the tricks and the tables.
bool TakesSection(const std::string& name) {
  return name == "Auction" || name == "Play" ||
         (name.size() > 5 && name.compare(name.size() - 5, 5, "Table") == 0);
}

// The lines of a text with their numbers; CR LF, LF and a lone CR end a line.
std::vector<std::string_view> Lines(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

class Splitter {
 public:
  explicit Splitter(const std::string& file) : file_(file) {}

  void Line(std::string_view line, int number) {
    number_ = number;
    if (!inBrace_) {
      if (!line.empty() && line[0] == '%') return;  // escape or comment line
      if (line.find_first_not_of(" \t\f\v") == std::string_view::npos) {
        EndGame();
        return;
      }
    }
    PbnSectionLine data{number, {}};
    size_t i = 0;
    while (i < line.size()) {
      const char c = line[i];
      if (inBrace_) {
        const size_t close = line.find('}', i);
        if (close == std::string_view::npos) return;
        inBrace_ = false;
        i = close + 1;
      } else if (IsBlank(c)) {
        ++i;
      } else if (c == ';') {
        break;
      } else if (c == '{') {
        inBrace_ = true;
        ++i;
      } else if (c == '[') {
        Flush(data);
        if (!Tag(line, i)) return;
      } else if (c == '"') {
        std::string token;
        if (!Quoted(line, i, token)) {
          Fault("a quoted text is not closed");
          return;
        }
        data.tokens.push_back(std::move(token));
      } else {
        size_t end = i;
        while (end < line.size() && !IsBlank(line[end]) && line[end] != ';' && line[end] != '{' && line[end] != '[' &&
               line[end] != '"')
          ++end;
        data.tokens.emplace_back(line.substr(i, end - i));
        i = end;
      }
    }
    Flush(data);
  }

  std::vector<PbnGame> Finish() {
    EndGame();
    return std::move(games_);
  }

 private:
  PbnGame& Game() {
    if (!open_) {
      games_.push_back(PbnGame{number_, {}, {}});
      open_ = true;
    }
    return games_.back();
  }

  void EndGame() { open_ = false; }

  void Fault(const std::string& reason) { Game().faults.push_back({file_, number_, reason}); }

  // Tokens of a line go to the section of the game's last tag.
  void Flush(PbnSectionLine& data) {
    if (data.tokens.empty()) return;
    PbnGame& game = Game();
    if (game.tags.empty() || !TakesSection(game.tags.back().name)) {
      Fault("\"" + data.tokens.front() + "\" is not part of a tag pair");
    } else {
      game.tags.back().section.push_back(data);
    }
    data.tokens.clear();
  }

  // A quoted text from the quote at `i`; `i` ends after the closing quote.
  static bool Quoted(std::string_view line, size_t& i, std::string& out) {
    for (size_t j = i + 1; j < line.size(); ++j) {
      if (line[j] == '\\' && j + 1 < line.size() && (line[j + 1] == '"' || line[j + 1] == '\\')) {
        out += line[++j];
      } else if (line[j] == '"') {
        i = j + 1;
        return true;
      } else {
        out += line[j];
      }
    }
    return false;
  }

  // A tag pair from the "[" at `i`: [Name "Value"]. False when the rest of the
  // line cannot be read (the game is then refused).
  bool Tag(std::string_view line, size_t& i) {
    size_t j = i + 1;
    while (j < line.size() && IsBlank(line[j])) ++j;
    const size_t nameStart = j;
    while (j < line.size() && IsNameChar(line[j])) ++j;
    PbnTag tag;
    tag.name = std::string(line.substr(nameStart, j - nameStart));
    tag.line = number_;
    if (tag.name.empty() || !std::isupper(static_cast<unsigned char>(tag.name[0]))) {
      Fault("broken tag pair: no tag name after \"[\"");
      return false;
    }
    while (j < line.size() && IsBlank(line[j])) ++j;
    if (j >= line.size() || line[j] != '"') {
      Fault("broken tag pair [" + tag.name + "...: the value must be in double quotes");
      return false;
    }
    if (!Quoted(line, j, tag.value)) {
      Fault("broken tag pair [" + tag.name + "...: the value's closing quote is missing");
      return false;
    }
    while (j < line.size() && IsBlank(line[j])) ++j;
    if (j >= line.size() || line[j] != ']') {
      Fault("broken tag pair [" + tag.name + "...: \"]\" is missing");
      return false;
    }
    i = j + 1;
    PbnGame& game = Game();
    if (tag.name != "Note") {
      for (const PbnTag& earlier : game.tags)
        if (earlier.name == tag.name) {
          Fault("the tag " + tag.name + " appears twice in one game");
          return true;
        }
    }
    game.tags.push_back(std::move(tag));
    return true;
  }

  std::string file_;
  std::vector<PbnGame> games_;
  bool open_ = false;
  bool inBrace_ = false;
  int number_ = 0;
};

}  // namespace

std::string PbnProblem::Text() const { return file + ":" + std::to_string(line) + ": " + reason; }

const PbnTag* PbnGame::Find(std::string_view name) const {
  for (const PbnTag& tag : tags)
    if (tag.name == name) return &tag;
  return nullptr;
}

std::vector<PbnGame> SplitPbnGames(std::string_view text, const std::string& file) {
  Splitter splitter(file);
  int number = 0;
  for (const std::string_view line : Lines(text)) splitter.Line(line, ++number);
  return splitter.Finish();
}

std::string PbnQuoted(std::string_view value) {
  std::string out = "\"";
  for (size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    // A backslash stays single unless a reader would take it as an escape, so
    // the column formats of a table header read as every program writes them
    // ("Result\2R").
    const bool escapes = c == '"' || (c == '\\' && (i + 1 == value.size() || value[i + 1] == '"' || value[i + 1] == '\\'));
    if (escapes) out += '\\';
    out += c;
  }
  return out + "\"";
}

}  // namespace quorval
