#include "scoring/field_results.h"

#include <cctype>

#include "core/deal.h"
#include "core/messages.h"
#include "data/comma_text.h"
#include "data/ini_store.h"
#include "scoring/result_items.h"

namespace quorval {
namespace {

std::string ItemsForMessage(const std::vector<std::string>& items) { return WriteCommaText(items); }

FieldResultError MakeError(const std::string& boardKey, int number, const std::string& message) {
  return FieldResultError{boardKey, number, message};
}

std::string Negated(const std::string& score) {
  const auto value = WholeNumber(score);
  if (!value) return score;  // left for the reading to reject
  return std::to_string(-static_cast<long long>(*value));
}

}  // namespace

std::string ResultNumberKey(int number) {
  std::string key = std::to_string(number);
  if (key.size() < 2) key.insert(0, 1, '0');
  return key;
}

std::optional<Seat> DeclarerSeat(const std::string& letter) {
  if (letter.size() != 1) return std::nullopt;
  const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(letter[0])));
  for (Seat s = North; s <= West; ++s)
    if (c == kSeatLetters[s]) return s;
  return std::nullopt;
}

std::string SeatInitial(Seat seat, const std::array<std::string, 4>& seatNames) {
  const std::string& name = seatNames[seat & 3];
  if (name.empty()) return std::string(1, SeatLetter(seat));
  // A name such as "Øst" starts with a character of two bytes.
  size_t length = 1;
  while (length < name.size() && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) ++length;
  return name.substr(0, length);
}

bool AppendFieldResults(const std::vector<std::string>& resultSection, const std::string& boardKey,
                        std::vector<std::string>& boardValues) {
  if (resultSection.size() != static_cast<size_t>(kFieldResultCount)) {
    ShowMessage("Not 18 results for this hand " + boardKey);
    return false;
  }
  boardValues.insert(boardValues.end(), resultSection.begin(), resultSection.end());
  return true;
}

std::vector<std::string> PassedOutItems(Seat dealer, const std::string& passedOutLabel) {
  return {std::string(1, SeatLetter(dealer)), passedOutLabel, "0", "0"};
}

std::vector<std::string> LookUpFieldResult(const std::vector<std::string>& boardValues, int number,
                                           Seat dealer, const std::string& passedOutLabel) {
  const auto value = FindValue(boardValues, ResultNumberKey(number));
  auto items = ReadCommaText(value.value_or(""));
  if (items.size() < 4) return PassedOutItems(dealer, passedOutLabel);
  return items;
}

int RotateFieldResults(const std::vector<std::string>& resultSection, int rotation, Seat turnedDealer,
                       const std::string& passedOutLabel, std::vector<std::string>& boardValues) {
  const int k = ((rotation % 4) + 4) % 4;
  if (k == 0) return 0;
  int missing = 0;
  for (int n = 1; n <= kFieldResultCount; ++n) {
    const std::string key = ResultNumberKey(n);
    auto items = ReadCommaText(FindValue(resultSection, key).value_or("?"));
    const bool passedOut = items.size() < 4;
    if (passedOut) items = PassedOutItems(turnedDealer, passedOutLabel);

    std::string name;
    auto line = boardValues.begin();
    for (; line != boardValues.end(); ++line)
      if (LineName(*line, name) && SameName(name, key)) break;
    if (line == boardValues.end()) {
      ShowMessage("error in scores");
      ++missing;
    } else {
      boardValues.erase(line);
      if (!passedOut) {
        // A letter that names no seat is left as it is; the grid shows "-".
        if (const auto seat = DeclarerSeat(items[0])) items[0] = std::string(1, SeatLetter(RotateSeat(*seat, k)));
        if (k % 2 == 1) items[3] = Negated(items[3]);
      }
    }
    boardValues.push_back(key + "=" + WriteCommaText(items));
  }
  return missing;
}

std::optional<FieldResult> ReadFieldResult(const std::vector<std::string>& items, int number,
                                           const std::string& boardKey, FieldResultError& error) {
  const std::string where = "Error on hand " + std::to_string(number);
  if (items.size() != 4) {
    error = MakeError(boardKey, number, where + "\r" + ItemsForMessage(items));
    return std::nullopt;
  }
  const std::string onBoard = where + " of " + boardKey + ": ";
  FieldResult result;
  result.number = number;
  result.declarer = items[0];
  result.contract = items[1];
  const auto tricks = WholeNumber(items[2]);
  const auto score = WholeNumber(items[3]);
  const char* fault = nullptr;
  if (result.contract.size() < 2) fault = "the contract is shorter than two characters";
  else if (!tricks) fault = "the tricks are not a whole number";
  else if (!score) fault = "the score is not a whole number";
  if (fault) {
    error = MakeError(boardKey, number, onBoard + fault + "\r" + ItemsForMessage(items));
    return std::nullopt;
  }
  result.tricks = *tricks;
  result.score = *score;
  return result;
}

std::vector<FieldResultError> CheckFieldResults(const std::vector<std::string>& resultSection,
                                                const std::string& boardKey, Seat dealer) {
  std::vector<FieldResultError> errors;
  if (resultSection.size() != static_cast<size_t>(kFieldResultCount))
    errors.push_back(MakeError(boardKey, 0, "Not 18 results for this hand " + boardKey));
  for (int n = 1; n <= kFieldResultCount; ++n) {
    int lines = 0;
    std::string name;
    for (const auto& line : resultSection)
      if (LineName(line, name) && SameName(name, ResultNumberKey(n))) ++lines;
    if (lines != 1) {
      errors.push_back(MakeError(boardKey, n, "Result " + ResultNumberKey(n) + " of " + boardKey +
                                                  (lines == 0 ? " is missing" : " is given more than once")));
      if (lines == 0) continue;
    }
    FieldResultError error;
    if (!ReadFieldResult(LookUpFieldResult(resultSection, n, dealer, "Passed out"), n, boardKey, error))
      errors.push_back(error);
  }
  return errors;
}

}  // namespace quorval
