#pragma once
// A call's meaning told in one short line of the interface language, composed
// from parts (the convention's name, points, suit lengths, balanced, forcing)
// whose words come from the word list of the meanings, so each language
// reads in its own words: "15-17 HCP, balanced", "6-9 points, 3+ hearts",
// "Transfer: 5+ hearts, forcing". Also where in the system summary the call
// is described.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calls.h"
#include "data/call_meanings.h"
#include "data/help_files.h"
#include "data/word_list.h"

namespace quorval {

// The word of a key in the language told in (the rows of
// resources/lang/call_meanings.txt); empty when there is none.
using MeaningWords = std::function<std::string(std::string_view key)>;

// The words of one language of a word list (the list must outlive them).
MeaningWords WordsOf(const WordList& list, int language);

// The longest line a meaning is told in, in characters; the least telling
// parts are left out to stay within it.
inline constexpr size_t kMeaningTextLimit = 60;

// The keys every language of the word list must have.
std::vector<std::string> MeaningWordKeys();

// The meaning of `call` in one line. A meaning that says nothing about the
// hand reads as the word "MeaningNothing".
std::string MeaningText(CallCode call, const CallMeaning& meaning, const MeaningWords& words,
                        size_t limit = kMeaningTextLimit);

// Characters of a UTF-8 text (not bytes).
size_t TextLength(std::string_view utf8);

// Where the summary of the system tells of call number `index` of the calls
// (from the dealer on) with this meaning: conventions in their own sections,
// natural calls by who makes them (the opening, the opener's side after one
// or two no trump or another opening, the other side).
SummarySection SectionOfCall(const std::vector<CallCode>& calls, size_t index, const CallMeaning& meaning);

}  // namespace quorval
