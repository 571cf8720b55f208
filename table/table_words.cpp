#include "table/table_words.h"

#include "ui/multi_lang.h"

namespace quorval {

const std::vector<std::string>& TableTextKeys() {
  static const std::vector<std::string> keys = {
      "vul0", "vul1", "vul2", "vul3", "PlayLabel", "DeleteLabel", "ByLabel", "SeeHandsLabel", "LabelYourScore",
      "LabelHCP", "LabelNewPlayerMessage", "LabelPass", "LabelDbl", "LabelRedbl", "SC0", "SC1", "SC2", "SC3", "SC4",
      "SCpass", "SCDouble", "Labeltrks", "LabelScore", "LabelDone", "LabelPassOut", "LabelAfter", "LabelStrata",
      "LabelMPHand", "TotalMPLab", "TotalIMPLab", "LabelIMPHand", "LabelLisk2000",
      // Captions and hints of the bidding box's action buttons.
      "BBMake", "BBPass", "BBDbl", "BBRDbl", "BBHint", "BBTakeBack",
      // The claim's answers and question, and a try's outcome.
      "ClaimRefused", "ClaimNotJudged", "ClaimComputer", "TryOutcome",
      // Whose turn in the play, and the question before a board is left.
      "PlayTurnOf", "PlayFollowSuit", "PlayComputerWaits", "LeaveBoardQuestion"};
  return keys;
}

QString TableWord(const char* key, int language) { return WordText(kTableWordList, key, language); }

}  // namespace quorval
