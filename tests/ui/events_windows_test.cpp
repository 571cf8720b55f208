// The windows of boards in and out: New Events (progress by stage and board,
// cancelling, the choices checked, the offer to play) and Export Boards (the
// boards chosen, the file suggested, what the user is told).

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <thread>

#include "core/messages.h"
#include "tests/ui/ui_test_app.h"
#include "ui/board_chooser.h"
#include "ui/export_boards.h"
#include "ui/new_events.h"

namespace quorval {
namespace {

using testing::UiTest;

class NewEventsTest : public UiTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ResetMessageCounts();
  }
  // A runner that reports two steps, then waits until it is cancelled (or
  // `finish` is set) and says so. It never stops by itself: a window that
  // never cancels it would wait for ever, so after a minute it gives up and
  // the test fails on `cancelled_`.
  NewEventsRunner Blocking() {
    return [this](const NewEventsRequest& request, const std::function<void(const NewEventsStep&)>& step,
                  const std::atomic<bool>& cancel) {
      seen_ = request;
      cancelled_ = false;
      step({NewEventsStage::Solving, "Imp01.01", 0, 54});
      step({NewEventsStage::Bidding, "Imp01.07", 6, 54});
      const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(1);
      while (!cancel && !finish_ && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      cancelled_ = cancel.load();
      NewEventsOutcome outcome;
      outcome.cancelled = cancel;
      outcome.made = !cancel;
      outcome.error = cancel ? "cancelled" : "";
      outcome.boards = 54;
      outcome.refused = {"club.pbn:35: unknown seat \"X\" at the start of the deal"};
      return outcome;
    };
  }
  AskFn Answer(bool yes) {
    return [this, yes](QWidget*, const QString& question) {
      questions_.push_back(question);
      return yes;
    };
  }

  QTemporaryDir dir_;
  NewEventsRequest seen_;
  std::atomic<bool> finish_{false};
  std::atomic<bool> cancelled_{false};   // the last run ended because it was cancelled
  QStringList questions_;
};

TEST_F(NewEventsTest, ProgressShowsTheStageAndTheBoardAndCancelWritesNothing) {
  TNewEvents w(nullptr, dir_.filePath("new"), dir_.filePath("in use"), 2005, Blocking(), Answer(true));
  EXPECT_EQ(w.SeedEdit()->text(), "2005");
  ASSERT_TRUE(w.Start());
  EXPECT_TRUE(w.Running());
  EXPECT_FALSE(w.MakeButton()->isEnabled());
  EXPECT_FALSE(w.FolderEdit()->isEnabled());
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.Progress()->value() == 6; }, 5000));
  EXPECT_EQ(w.Progress()->maximum(), 54);
  EXPECT_EQ(w.StageLabel()->text(), "Field, bidding and leads: board Imp01.07 (7 of 54)");

  w.CancelClick();   // while running, Cancel stops the run and keeps the window
  EXPECT_EQ(w.StageLabel()->text(), "Stopping...");
  w.WaitForRun();
  EXPECT_FALSE(w.Running());
  EXPECT_EQ(w.StageLabel()->text(), "Cancelled: nothing was written.");
  EXPECT_EQ(w.result(), 0);
  EXPECT_TRUE(questions_.isEmpty());
  EXPECT_TRUE(w.MakeButton()->isEnabled());
  EXPECT_FALSE(w.PlayNow());
}

TEST_F(NewEventsTest, AMadeSetIsOfferedToPlayWithTheGamesLeftOut) {
  TNewEvents w(nullptr, dir_.filePath("new"), dir_.filePath("in use"), 7, Blocking(), Answer(true));
  w.ImpSpin()->setValue(2);
  w.PairsSpin()->setValue(0);
  w.SeedEdit()->setText("123456789012");
  finish_ = true;
  ASSERT_TRUE(w.Start());
  w.WaitForRun();
  EXPECT_FALSE(seen_.fromFile);
  EXPECT_EQ(seen_.seed, 123456789012ull);
  EXPECT_EQ(seen_.impEvents, 2);
  EXPECT_EQ(seen_.pairsEvents, 0);
  EXPECT_EQ(seen_.folder, QDir::cleanPath(dir_.filePath("new")));
  ASSERT_EQ(questions_.size(), 1);
  EXPECT_TRUE(questions_[0].contains("54 boards")) << questions_[0].toStdString();
  EXPECT_TRUE(questions_[0].contains("club.pbn:35: unknown seat")) << questions_[0].toStdString();
  EXPECT_TRUE(questions_[0].endsWith("Play the new event set now?"));
  EXPECT_TRUE(w.PlayNow());
  EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(NewEventsTest, MissingChoicesAndTheSetInUseAreRefusedBeforeAnythingStarts) {
  const QString inUse = dir_.filePath("in use");
  TNewEvents w(nullptr, "", inUse, 7, Blocking(), Answer(false));
  EXPECT_FALSE(w.Start());
  EXPECT_EQ(LastMessage(), "Choose a folder for the new event set.");
  w.FolderEdit()->setText(inUse);
  EXPECT_FALSE(w.Start());
  EXPECT_EQ(LastMessage(), "The event set in use cannot be replaced. Choose another folder.");
  w.FolderEdit()->setText(dir_.filePath("old"));
  w.ImpSpin()->setValue(0);
  w.PairsSpin()->setValue(0);
  EXPECT_FALSE(w.Start());
  EXPECT_EQ(LastMessage(), "Choose at least one event.");
  w.FileButton()->setChecked(true);
  w.FileEdit()->setText(dir_.filePath("none.pbn"));
  EXPECT_FALSE(w.Start());
  EXPECT_EQ(LastMessage(), "Choose a hand-record file (PBN).");

  // A folder that holds a set already is only replaced when the user says so.
  ASSERT_TRUE(QDir(dir_.path()).mkdir("old"));
  QFile(dir_.filePath("old/Lisk2005.ini")).open(QIODevice::WriteOnly);
  QFile(dir_.filePath("club.pbn")).open(QIODevice::WriteOnly);
  w.FileEdit()->setText(dir_.filePath("club.pbn"));
  w.FileScoring()->setCurrentIndex(1);
  EXPECT_FALSE(w.Start());
  ASSERT_EQ(questions_.size(), 1);
  EXPECT_TRUE(questions_[0].contains("already holds an event set")) << questions_[0].toStdString();
  EXPECT_FALSE(w.Running());
  const NewEventsRequest r = w.Request();
  EXPECT_TRUE(r.fromFile);
  EXPECT_TRUE(r.fileImps);
  EXPECT_EQ(r.file, dir_.filePath("club.pbn"));
}

TEST_F(NewEventsTest, ClosingTheWindowWhileItWorksCancelsTheRun) {
  auto w = std::make_unique<TNewEvents>(nullptr, dir_.filePath("new"), dir_.filePath("in use"), 7, Blocking(),
                                        Answer(true));
  ASSERT_TRUE(w->Start());
  w->reject();   // Escape or the window's close button
  EXPECT_TRUE(w->isModal());
  w->WaitForRun();
  EXPECT_EQ(w->StageLabel()->text(), "Cancelled: nothing was written.");
  // And a window destroyed mid-run cancels its run and waits for it.
  ASSERT_TRUE(w->Start());
  w.reset();
  EXPECT_TRUE(cancelled_);
}

class ExportBoardsTest : public UiTest {
 protected:
  ExportFn Recorder(const QString& error = {}) {
    return [this, error](const std::vector<std::string>& keys, const QString& path) {
      keys_ = keys;
      path_ = path;
      ExportOutcome outcome;
      outcome.boards = error.isEmpty() ? int(keys.size()) : 0;
      outcome.error = error;
      outcome.notes = {"Imp03.02: exported without its auction and play (no kept play for Imp03.02)"};
      return outcome;
    };
  }
  std::vector<ExportSession> sessions_ = {{"Imp03", {"Imp03.01", "Imp03.02"}}, {"Par01", {"Par01.05"}}};
  std::vector<std::string> keys_;
  QString path_;
};

TEST_F(ExportBoardsTest, OneSessionOrAllGoIntoTheFileTheUserNames) {
  QString asked;
  TExportBoards w(nullptr, sessions_, "Par01", "Anne", "/home/anne", Recorder(),
                  [&](QWidget*, const QString& suggested) {
                    asked = suggested;
                    return QString("/tmp/anne.pbn");
                  });
  EXPECT_EQ(w.Sessions()->currentText(), "Par01");   // the table's session first
  EXPECT_EQ(w.ChosenKeys(), (std::vector<std::string>{"Par01.05"}));
  EXPECT_EQ(w.findChild<QLabel*>("CountLabel")->text(), "1 board");
  w.AllButton()->setChecked(true);
  EXPECT_EQ(w.ChosenKeys().size(), 3u);
  EXPECT_EQ(w.findChild<QLabel*>("CountLabel")->text(), "3 boards");
  EXPECT_EQ(w.SuggestedFile(), "/home/anne/Anne all sessions.pbn");
  w.Sessions()->setCurrentIndex(0);   // choosing a session chooses one session
  EXPECT_TRUE(w.SessionButton()->isChecked());
  EXPECT_EQ(w.SuggestedFile(), "/home/anne/Anne Imp03.pbn");

  QTest::mouseClick(w.ExportButton(), Qt::LeftButton);
  EXPECT_EQ(asked, "/home/anne/Anne Imp03.pbn");
  EXPECT_EQ(path_, "/tmp/anne.pbn");
  EXPECT_EQ(keys_, (std::vector<std::string>{"Imp03.01", "Imp03.02"}));
  EXPECT_TRUE(w.LastReport().startsWith("2 boards written to /tmp/anne.pbn")) << w.LastReport().toStdString();
  EXPECT_TRUE(w.LastReport().contains("Imp03.02: exported without its auction and play"));
  EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(ExportBoardsTest, AFileThatCannotBeWrittenIsSaidAndTheWindowStays) {
  TExportBoards w(nullptr, sessions_, "Imp03", "Anne", "/x", Recorder("Permission denied"));
  EXPECT_FALSE(w.ExportTo("/root/x.pbn"));
  EXPECT_TRUE(w.LastReport().startsWith("The file /root/x.pbn could not be written: Permission denied"));
  EXPECT_NE(w.result(), QDialog::Accepted);
  // With no filed boards there is nothing to choose.
  TExportBoards empty(nullptr, {}, "Imp03", "Anne", "/x", Recorder());
  EXPECT_FALSE(empty.ExportButton()->isEnabled());
  EXPECT_TRUE(empty.ChosenKeys().empty());
}

TEST(BoardChooserOfASet, OnlyTheSetsEventsAndBoardsCanBeChosen) {
  testing::TestApp();
  // A set made from a hand record: Par01 of 27 boards, Par02 of 3.
  const auto boards = [](const std::string& event, const std::string& session) {
    if (event != "Par") return 0;
    return session == "01" ? 27 : session == "02" ? 3 : 0;
  };
  TGetHand chooser(nullptr, "Imp", "04", {}, QColor(Qt::red), boards);
  EXPECT_FALSE(chooser.ImpButton()->isEnabled());
  EXPECT_TRUE(chooser.MpButton()->isChecked());
  EXPECT_EQ(chooser.ChosenEvent(), "Par");
  EXPECT_EQ(chooser.ChosenSession(), "01");
  EXPECT_TRUE(chooser.SessionButton(2)->isEnabled());
  EXPECT_FALSE(chooser.SessionButton(3)->isEnabled());
  EXPECT_TRUE(chooser.BoardButton(27)->isEnabled());
  chooser.SesRGClick(2);
  EXPECT_TRUE(chooser.BoardButton(3)->isEnabled());
  EXPECT_FALSE(chooser.BoardButton(4)->isEnabled());
  chooser.HandClick(4);   // a board the set does not hold
  EXPECT_EQ(chooser.ChosenBoard(), 0);
  chooser.HandClick(3);
  EXPECT_EQ(chooser.ChosenBoard(), 3);
  EXPECT_EQ(chooser.ChosenSession(), "02");
}

}  // namespace
}  // namespace quorval

namespace quorval {
namespace {

// The windows speak the table's language, texts composed at run time too.
TEST(EventsWindowsLanguage, ComposedTextsFollowTheLanguageChosen) {
  testing::TestApp();
  TExportBoards exportWindow(nullptr, {{"Imp03", {"Imp03.01", "Imp03.02"}}}, "Imp03", "Anne", "/x", {});
  exportWindow.SetLanguage(1);
  EXPECT_EQ(exportWindow.windowTitle(), "Eksportér spil (PBN)");
  EXPECT_EQ(exportWindow.findChild<QLabel*>("CountLabel")->text(), "2 spil");
  exportWindow.AllButton()->setChecked(true);
  EXPECT_EQ(exportWindow.SuggestedFile(), "/x/Anne alle aftener.pbn");
  exportWindow.SetLanguage(0);
  EXPECT_EQ(exportWindow.findChild<QLabel*>("CountLabel")->text(), "2 boards");

  TNewEvents newEvents(nullptr, "/x/new", "/y", 1, {});
  newEvents.SetLanguage(4);
  EXPECT_EQ(newEvents.windowTitle(), "Nya tävlingar");
  EXPECT_EQ(newEvents.FileScoring()->itemText(1), "som IMP-tävlingar");
  newEvents.FolderEdit()->clear();
  ResetMessageCounts();
  EXPECT_FALSE(newEvents.Start());
  EXPECT_EQ(LastMessage(), "Välj en mapp för de nya tävlingarna.");
}

}  // namespace
}  // namespace quorval
