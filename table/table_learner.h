#pragma once
// The learner's moves at the table: the user's claim ("Claim..." in the Play
// Options menu and the play pad), the computer declarer's claim, "Play from
// here" (a try of a reviewed board from any of its cards, which files
// nothing and brings the table back as it was) and "My Progress". The rules
// are the game's (game/table_game.h); this side of the window asks, shows
// and lays the play out with the window's own steps.

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QLabel;

namespace quorval {

class TDeskTop;
class TProgressWindow;
struct KeptPlay;

class TTableLearner {
 public:
  explicit TTableLearner(TDeskTop& desk) : desk_(desk) {}

  // The user's claim, asked of `ClaimAsker` when one is set (tests,
  // automated runs) and of the claim dialog otherwise.
  void ClaimClick();
  using ClaimAsker = std::function<std::optional<int>(int tricksLeft)>;
  void SetClaimAsker(ClaimAsker ask) { claimAsker_ = std::move(ask); }
  // The computer declarer's claim: true when it ended the board.
  bool ComputerClaims();
  // "Play from here": the board on the table just before card `cards` of
  // its kept play; false when the table stays as it is.
  bool PlayFromHere(const std::string& boardKey, const KeptPlay& kept, int cards);
  // The end of a try: the table as it was, and the try's outcome said.
  void EndOfTry();
  // The line a refused claim and a try's outcome are shown on (empty when
  // none is shown); hidden at the next card or board.
  QString ClaimLineText() const;
  void HideClaimLine();
  // "My Progress": the window is made without being shown (tests, pictures)
  // and shown from the File menu.
  std::unique_ptr<TProgressWindow> MakeProgressWindow();
  void MyProgressClick();

 private:
  void ShowClaimLine(const QString& text);
  void ShowResultTricks();
  void LayOutPlayOnTable();

  TDeskTop& desk_;
  ClaimAsker claimAsker_;
  QLabel* claimLine_ = nullptr;   // owned by the table's widgets
};

}  // namespace quorval
