#pragma once
// The texts the table window composes at run time: "Pass", the
// vulnerability, the seat names of the strata pages, the score pad's words,
// the captions and hints of the bidding box's actions. They are rows of the
// table's word list that name no widget, looked up in the interface
// language; TMultiLang passes them by when it translates the widgets.

#include <QString>
#include <string>
#include <vector>

namespace quorval {

inline constexpr const char* kTableWordList = "main_window";

// The keys of the table's run-time texts.
const std::vector<std::string>& TableTextKeys();

// A text of the table's word list in `language` ("BBTakeBack.Hint" for the
// hint of a row); empty when the list has none.
QString TableWord(const char* key, int language);

}  // namespace quorval
