// One word per concept in each language: the glossary beside the word lists
// (resources/lang/glossary.txt) against every Danish, Norwegian and Swedish
// text the user reads: the word lists (the words of the calls' meanings among
// them), the phrases of the system summaries, the summary pages and the user
// guides. A rejected variant anywhere, a row that names a concept without the
// language's word, or a translation that lost the form of its English text
// (its quotes, its spacing) is reported with its place.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "data/word_list.h"

using namespace quorval;

namespace {

namespace fs = std::filesystem;

const fs::path kSource = QUORVAL_SOURCE_DIR;

// The languages the glossary speaks for, with their word-list column.
struct Language {
  const char* name;
  int column;
};
constexpr Language kNordic[3] = {{"Danish", 1}, {"Norwegian", 2}, {"Swedish", 4}};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << path;
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.push_back("");
  return parts;
}

std::string Trim(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

struct Concept {
  std::string name;
  std::string words[4];                 // English, Danish, Norwegian, Swedish
  std::vector<std::string> rejected[4]; // Danish, Norwegian, Swedish, every language
  std::vector<std::string> rows;        // "file:key" of the word lists
};

std::vector<Concept> ReadGlossary() {
  std::vector<Concept> glossary;
  for (const std::string& line : Split(ReadFile(kSource / "resources/lang/glossary.txt"), '\n')) {
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> cells = Split(line, '\t');
    EXPECT_EQ(cells.size(), 10u) << line;
    if (cells.size() != 10) continue;
    Concept c;
    c.name = cells[0];
    for (int i = 0; i < 4; ++i) c.words[i] = cells[1 + i];
    for (int i = 0; i < 4; ++i)
      for (const std::string& v : Split(cells[5 + i], '|'))
        if (!Trim(v).empty()) c.rejected[i].push_back(Trim(v));
    for (const std::string& r : Split(cells[9], ' '))
      if (!r.empty()) c.rows.push_back(r);
    glossary.push_back(c);
  }
  return glossary;
}

// Letters of any script are word characters; digits, blanks and marks are
// not, so "2UT" holds the word "UT" and "imp-skala" the word "imp".
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80; }

// Where `word` stands in `text` as a whole word (or, with `startOnly`, at the
// start of one), case and all; npos when nowhere.
size_t FindWord(const std::string& text, const std::string& word, bool startOnly = false) {
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    const bool before = at == 0 || !IsLetter(text[at - 1]);
    const size_t end = at + word.size();
    const bool after = startOnly || end >= text.size() || !IsLetter(text[end]);
    if (before && after) return at;
  }
  return std::string::npos;
}

// One text the user reads, in one language (0 English, 1 Danish, 2
// Norwegian, 4 Swedish), blanks and line breaks folded to single blanks.
struct Text {
  int language;
  std::string where;
  std::string text;
};

std::string Folded(const std::string& s) {
  std::string out;
  for (const char c : s) {
    const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\t';
    if (!blank) out += c;
    else if (!out.empty() && out.back() != ' ') out += ' ';
  }
  return out;
}

std::map<std::string, WordList> WordLists() {
  std::map<std::string, WordList> lists;
  for (const auto& entry : fs::directory_iterator(kSource / "resources/lang"))
    if (entry.path().extension() == ".txt" && entry.path().stem() != "glossary")
      lists[entry.path().stem().string()] = WordList::Parse(ReadFile(entry.path()));
  return lists;
}

std::vector<Text> AllTexts(const std::map<std::string, WordList>& lists) {
  std::vector<Text> texts;
  for (const auto& [name, list] : lists)
    for (const WordRow& row : list.Rows())
      for (const int language : {0, 1, 2, 4})
        texts.push_back({language, name + ".txt:" + std::to_string(row.line) + " " + row.key,
                         Folded(row.texts[language])});
  // The phrases the system summaries are written from: English, Danish,
  // Norwegian and Swedish after the key.
  int line = 0;
  for (const std::string& row : Split(ReadFile(kSource / "bidding/summary_phrases.txt"), '\n')) {
    ++line;
    if (row.empty() || row[0] == '#') continue;
    const std::vector<std::string> cells = Split(row, '\t');
    constexpr int kLanguages[4] = {0, 1, 2, 4};
    for (size_t i = 1; i < cells.size() && i <= 4; ++i)
      texts.push_back({kLanguages[i - 1], "summary_phrases.txt:" + std::to_string(line), Folded(cells[i])});
  }
  // The help pages, their tags taken out: the guides by name, the summaries
  // by the letter before ".html".
  for (const auto& entry : fs::directory_iterator(kSource / "resources/help")) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".html") continue;
    const std::map<std::string, int> guides = {{"English", 0}, {"Dansk", 1}, {"Norsk", 2}, {"Svensk", 4}};
    const std::map<char, int> letters = {{'E', 0}, {'D', 1}, {'N', 2}, {'S', 4}};
    const std::string stem = entry.path().stem().string();
    const bool guide = guides.count(stem) > 0;
    if (!guide && !letters.count(stem.back())) {
      ADD_FAILURE() << name << " is in no language of the help";
      continue;
    }
    const int language = guide ? guides.at(stem) : letters.at(stem.back());
    std::string page = ReadFile(entry.path()), plain;
    bool inTag = false;
    for (const char c : page) {
      if (c == '<') inTag = true;
      if (!inTag) plain += c;
      if (c == '>') {
        inTag = false;
        plain += ' ';
      }
    }
    texts.push_back({language, "help/" + name, Folded(plain)});
  }
  return texts;
}

std::string Around(const std::string& text, size_t at) {
  const size_t from = at > 30 ? at - 30 : 0;
  return "\"..." + text.substr(from, 70) + "...\"";
}

TEST(Glossary, EveryTextUsesTheWordsOfItsLanguage) {
  const std::vector<Concept> glossary = ReadGlossary();
  ASSERT_GT(glossary.size(), 50u);
  const auto lists = WordLists();
  const std::vector<Text> texts = AllTexts(lists);
  ASSERT_GT(texts.size(), 2000u);

  // No rejected variant: those of a language in its texts, the others in all.
  for (const Concept& c : glossary)
    for (const Text& t : texts)
      for (int i = 0; i < 4; ++i) {
        if (i < 3 && kNordic[i].column != t.language) continue;
        for (const std::string& variant : c.rejected[i]) {
          const size_t at = FindWord(t.text, variant);
          if (at != std::string::npos)
            ADD_FAILURE() << t.where << " says \"" << variant << "\" (" << c.name << ": "
                          << (i < 3 ? c.words[1 + i] : c.words[0]) << ") in " << Around(t.text, at);
        }
      }

  // The rows that name a concept hold the language's word.
  for (const Concept& c : glossary)
    for (const std::string& place : c.rows) {
      const size_t colon = place.find(':');
      ASSERT_NE(colon, std::string::npos) << c.name << ": " << place;
      const auto list = lists.find(place.substr(0, colon));
      ASSERT_NE(list, lists.end()) << c.name << ": no word list " << place;
      for (int i = 0; i < 3; ++i) {
        const auto text = list->second.Find(place.substr(colon + 1), kNordic[i].column);
        ASSERT_TRUE(text.has_value()) << c.name << ": no row " << place;
        if (FindWord(*text, c.words[1 + i], true) == std::string::npos)
          ADD_FAILURE() << place << " in " << kNordic[i].name << " is \"" << *text << "\", without \""
                        << c.words[1 + i] << "\"";
      }
    }

  // A language's own word is none of its rejected variants.
  for (const Concept& c : glossary)
    for (int i = 0; i < 3; ++i)
      for (const std::string& variant : c.rejected[i]) EXPECT_NE(variant, c.words[1 + i]) << c.name;
}

// The double quotes of a text, and its runs of two or more blanks inside the
// text (trailing blanks aside).
int Quotes(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '"')); }
int BlankRuns(const std::string& text) {
  const std::string inner = text.substr(0, text.find_last_not_of(' ') + 1);
  int runs = 0;
  for (size_t i = 1; i < inner.size(); ++i)
    if (inner[i] == ' ' && inner[i - 1] == ' ' && (i < 2 || inner[i - 2] != ' ')) ++runs;
  return runs;
}

// A translation quotes what its English text quotes, and spaces no wider
// than it does.
TEST(Glossary, EveryTranslationKeepsTheFormOfItsEnglishText) {
  for (const auto& [name, list] : WordLists())
    for (const WordRow& row : list.Rows()) {
      const std::string& english = row.texts[0];
      if (english.empty()) continue;
      for (const Language& l : kNordic) {
        const std::string& text = row.texts[l.column];
        const std::string where = name + ".txt:" + std::to_string(row.line) + " " + row.key + " in " + l.name;
        EXPECT_EQ(Quotes(text), Quotes(english)) << where << ": " << text;
        EXPECT_LE(BlankRuns(text), BlankRuns(english)) << where << ": \"" << text << "\"";
      }
    }
}

}  // namespace
