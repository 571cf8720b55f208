#pragma once
// The board at the table on a copy of the fixture events in a temporary
// folder, with no window: the tests play whole boards through the game.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/messages.h"
#include "data/board_file.h"
#include "data/kept_play.h"
#include "data/options.h"
#include "data/program_folder.h"
#include "data/sequence_library.h"
#include "game/table_game.h"
#include "tests/data/temp_folder.h"
#include "tests/game/counting_filing.h"

namespace quorval {

class GameTest : public ::testing::Test {
 protected:
  using Tokens = std::vector<std::string>;

  void SetUp() override {
    ASSERT_FALSE(dir_.Path().empty());
    for (const char* f : {"Lisk2005.ini", "Results2005.ini"})
      std::filesystem::copy_file(std::string(QUORVAL_FIXTURES "/events/") + f, dir_.File(f));
    SetProgramFolder(dir_.Path() + "/");
    Option = TOption{};
    Option.CurrentPlayer = "Tester";
    options_ = std::make_unique<TMyINI>(kOptionsFileName);
    boards_ = std::make_unique<TBridgeINI>(kBoardFileName);
    results_ = std::make_unique<TBridgeINI>(kResultsFileName);
    plays_ = std::make_unique<TMyINI>(kKeptPlayFileName);
    std::ifstream seq(std::string(QUORVAL_FIXTURES "/events/SEQ2005.txt"), std::ios::binary);
    library_.LoadSequenceLibrary(std::string(std::istreambuf_iterator<char>(seq), std::istreambuf_iterator<char>()));
    files_ = std::make_unique<TableFiles>(
        TableFiles{*options_, *boards_, *results_, library_.Store(), Option, plays_.get()});
    filing_ = std::make_unique<CountingFiling>(*files_);
    ResetMessageCounts();
  }

  // Replaces the library by the given text (sections and lines as in the file).
  void UseLibrary(const std::string& text) { library_.LoadSequenceLibrary(text); }

  // The game with the board counter before `board` of Imp01 (or `event`).
  TableGame& Game(const std::string& event = "Imp") {
    Option.Event = event;
    Option.Session = "01";
    TableState state;
    state.MarkerFilePresent = true;
    game_ = std::make_unique<TableGame>(*files_, state);
    game_->Seed(7);
    game_->SetFiling(filing_.get());
    return *game_;
  }

  // As the table deals a board: read, dealt, the computer seats calling up
  // to the user's first turn. False when the board could not be dealt.
  bool DealBoard(int board, const std::string& event = "Imp") {
    TableGame& game = game_ ? *game_ : Game(event);
    if (!game.GoToBoard(event, "01", board) || !game.NextBoard() || !game.ReadHand() || !game.Deal()) return false;
    ComputerCalls();
    return true;
  }
  // The computer seats call (from the library, or with free bidding off it
  // from the bidder) until it is the user's turn; at the end of the
  // auction its phase follows, and a passed-out board ends.
  void ComputerCalls() {
    TableGame& game = *game_;
    while (game.ComputerToCall())
      if (!game.PushCall(game.NextCall())) ASSERT_TRUE(game.PushCall(Pass));
    if (game.phase() == Phase::Bidding && game.Auction().auction.Over()) {
      game.EndAuction();
      if (game.FinalContract().PassedOut()) game.EndBoard();
    }
  }
  // The user's call, answered by the computer seats.
  bool Call(const std::string& token) {
    if (!game_->UserCall(ParseCall(token))) return false;
    ComputerCalls();
    return true;
  }
  // The user takes the library's call at every turn ("Make Bid").
  void BidOut() {
    for (int guard = 0; guard < 40 && game_->UserToCall(); ++guard) ASSERT_TRUE(Call(CallToken(game_->LibraryCall())));
  }
  // The computer plays while it is its turn, to the end of the trick.
  void ComputerCards() {
    TableGame& game = *game_;
    const int trick = game.Play().TrickNo;
    while (game.ComputerToPlay() && game.Play().TrickNo == trick) ASSERT_TRUE(game.PushCard(game.ComputerCard(chooser_)));
  }
  // The user's seats play their default cards, the computer answering, to
  // the end of the board (or until `cards` are played).
  void PlayOn(int cards = 52) {
    TableGame& game = *game_;
    for (int guard = 0; guard < 120 && game.phase() == Phase::Playing && game.Play().CardsPlayed < cards; ++guard) {
      if (game.TrickOnTable()) game.ClearTrick();
      if (game.UserToPlay()) ASSERT_TRUE(game.UserCard(DefaultCard(game.Play())));
      else ComputerCards();
      if (game.Play().Over()) game.EndBoard();
    }
  }
  Tokens Calls() const { return game_->Auction().Calls; }
  std::string Filed(const std::string& key) const { return options_->ReadString("Tester", key, "nope"); }

  testing::TempFolder dir_;
  std::unique_ptr<TMyINI> options_, plays_;
  std::unique_ptr<TBridgeINI> boards_, results_;
  SequenceLibrary library_;
  std::unique_ptr<TableFiles> files_;
  std::unique_ptr<TableGame> game_;
  std::unique_ptr<CountingFiling> filing_;
  DirectCardChooser chooser_;
};

}  // namespace quorval
