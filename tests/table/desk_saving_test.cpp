// Results that cannot be written to the options file are never let go
// quietly: after the board the window offers to try again or to save them in
// another file, and it asks before quitting with results not on disk.
#include <QDir>
#include <filesystem>

#include "desk_fixture.h"

namespace quorval {
namespace {

class DeskSavingTest : public DeskTest {
 protected:
  // The options file turns into a folder: it can neither be read to merge
  // with nor replaced, whoever runs the test.
  void BreakOptionsFile() {
    std::filesystem::remove(OptionsPath());
    std::filesystem::create_directory(OptionsPath());
  }
  void MendOptionsFile() { std::filesystem::remove(OptionsPath()); }
  std::string OptionsPath() const { return dir_.filePath("Options.INI").toStdString(); }

  // Answers the offers in turn and keeps what each one showed.
  void Answer(std::vector<std::function<UnsavedAnswer(const UnsavedOffer&)>> answers) {
    answers_ = std::move(answers);
    desk_->Saving().SetUnsavedResultsOffer([this](const UnsavedOffer& offer) {
      offers_.push_back(offer);
      if (next_ >= answers_.size()) return UnsavedAnswer{UnsavedChoice::Later, {}};
      return answers_[next_++](offer);
    });
  }
  static std::function<UnsavedAnswer(const UnsavedOffer&)> Choose(UnsavedChoice choice, QString path = {}) {
    return [choice, path](const UnsavedOffer&) { return UnsavedAnswer{choice, path}; };
  }

  std::vector<std::function<UnsavedAnswer(const UnsavedOffer&)>> answers_;
  size_t next_ = 0;
  std::vector<UnsavedOffer> offers_;
};

TEST_F(DeskSavingTest, AResultNotWrittenIsOfferedAgainUntilSavedElsewhere) {
  TDeskTop& desk = Desk();
  const QString copy = dir_.filePath("copy.ini");
  Answer({Choose(UnsavedChoice::Later), Choose(UnsavedChoice::SaveAs, copy)});
  BreakOptionsFile();

  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", 1));
  EXPECT_TRUE(desk.Game().ResultFiled());
  EXPECT_FALSE(desk.Game().ResultWritten());
  ASSERT_EQ(offers_.size(), 1u);
  EXPECT_EQ(offers_[0].boards, "Tester: Imp01.01");
  EXPECT_FALSE(offers_[0].closing);
  EXPECT_TRUE(offers_[0].reason.contains("Options.INI")) << offers_[0].reason.toStdString();

  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", 2));
  ASSERT_EQ(offers_.size(), 2u);
  EXPECT_EQ(offers_[1].boards, "Tester: Imp01.01, Imp01.02");
  TMyINI saved(copy.toStdString());
  EXPECT_NE(saved.ReadString("Tester", "Imp01.01", "nope"), "nope");
  EXPECT_NE(saved.ReadString("Tester", "Imp01.02", "nope"), "nope");
}

TEST_F(DeskSavingTest, RetryWritesEverythingOnceTheFileCanBeWritten) {
  TDeskTop& desk = Desk();
  Answer({Choose(UnsavedChoice::Retry), [this](const UnsavedOffer&) {
            MendOptionsFile();
            return UnsavedAnswer{UnsavedChoice::Retry, {}};
          }});
  BreakOptionsFile();
  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", 1));
  EXPECT_EQ(offers_.size(), 2u) << "a retry that fails again is offered again";
  TMyINI onDisk(OptionsPath());
  EXPECT_EQ(onDisk.ReadString("Tester", "Imp01.01", "nope"), options_->ReadString("Tester", "Imp01.01", "?"));
}

TEST_F(DeskSavingTest, QuittingWithUnsavedResultsAsksFirst) {
  TDeskTop& desk = Desk();
  Answer({Choose(UnsavedChoice::Later), Choose(UnsavedChoice::Cancel), Choose(UnsavedChoice::Quit)});
  BreakOptionsFile();
  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", 1));
  // The next board in its auction: one question, together with the offer.
  int questions = 0;
  SetQuestionSink([&](const std::string&) { return ++questions, false; });
  struct Restore {
    ~Restore() { SetQuestionSink({}); }
  } restore;
  desk.NewHandClick();
  EXPECT_EQ(questions, 0);

  EXPECT_FALSE(desk.close()) << "cancelled: the window stays";
  EXPECT_TRUE(desk.isVisible());
  ASSERT_EQ(offers_.size(), 2u);
  EXPECT_TRUE(offers_[1].closing);
  EXPECT_EQ(offers_[1].boards, "Tester: Imp01.01");
  EXPECT_EQ(offers_[1].unfinishedBoard, "Leave board 2 unfinished?");
  EXPECT_EQ(questions, 0);

  EXPECT_TRUE(desk.close());
  EXPECT_EQ(offers_.size(), 3u);
  EXPECT_TRUE(offers_[2].closing);
}

TEST_F(DeskSavingTest, NothingIsAskedWhenEveryResultIsOnDisk) {
  TDeskTop& desk = Desk();
  Answer({});
  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", 1));
  EXPECT_TRUE(desk.Game().ResultWritten());
  EXPECT_TRUE(desk.close());
  EXPECT_TRUE(offers_.empty());
}

}  // namespace
}  // namespace quorval
