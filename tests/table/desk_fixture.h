#pragma once
// A table window on a copy of the fixture events in a temporary folder,
// headless and without pauses, for the window tests.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "core/messages.h"
#include "data/board_file.h"
#include "data/kept_play.h"
#include "data/options.h"
#include "data/program_folder.h"
#include "data/sequence_library.h"
#include "table/bidding_box.h"
#include "table/call_tips.h"
#include "table/desktop.h"
#include "table/event_sets.h"
#include "table/help_menu.h"
#include "table/result_saving.h"
#include "table/table_panels.h"
#include "table/table_printing.h"
#include "table/table_review.h"
#include "ui/card_control.h"
#include "ui/hands_view.h"
#include "ui/setup_options.h"

namespace quorval {

inline QApplication& TestApp() {
  static int argc = 1;
  static char name[] = "test_table";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    auto* a = new QApplication(argc, argv);
    InitUiResources();
    CardDeck::Load();
    return a;
  }();
  return *app;
}

class DeskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApp();
    ASSERT_TRUE(dir_.isValid());
    for (const char* f : {"Lisk2005.ini", "Results2005.ini", "SEQ2005.txt"})
      QFile::copy(QString(QUORVAL_FIXTURES "/events/") + f, dir_.filePath(f));
    SetProgramFolder(dir_.path().toStdString() + "/");
    Option = TOption{};
    Option.CurrentPlayer = "Tester";
    options_ = std::make_unique<TMyINI>(kOptionsFileName);
    boards_ = std::make_unique<TBridgeINI>(kBoardFileName);
    results_ = std::make_unique<TBridgeINI>(kResultsFileName);
    QFile seq(dir_.filePath("SEQ2005.txt"));
    seq.open(QIODevice::ReadOnly);
    library_.LoadSequenceLibrary(seq.readAll().toStdString());
    files_ = std::make_unique<TableFiles>(TableFiles{*options_, *boards_, *results_, library_.Store(), Option});
    ResetMessageCounts();
  }

  // The window for event `event` with the board counter at `board` - 1;
  // `runLanguage` >= 0 is a language for this run only (--language).
  TDeskTop& Desk(const std::string& event = "Imp", int nextBoard = 1, int runLanguage = -1) {
    Option.Event = event;
    Option.Session = "01";
    Option.LastHandPlayed = nextBoard - 1;
    TableState state;
    state.MarkerFilePresent = true;
    desk_ = std::make_unique<TDeskTop>(*files_, state);
    desk_->SetNoPauses(true);
    desk_->Game().Seed(7);
    if (runLanguage >= 0) desk_->SetLanguageForRun(runLanguage);
    desk_->resize(desk_->sizeHint());
    desk_->show();
    desk_->FormShow(0);
    return *desk_;
  }

  void TearDown() override {
    desk_.reset();
    if (files_) files_->plays = nullptr;
  }

  // The table keeps the play of every filed board ("Plays2005.ini").
  void KeepPlays() {
    plays_ = std::make_unique<TMyINI>(kKeptPlayFileName);
    files_->plays = plays_.get();
  }

  // Plays on the event files of `folder` (the pictures' own event set)
  // instead of the fixtures.
  void UseEventFiles(const QString& folder) {
    for (const char* f : {"Lisk2005.ini", "Results2005.ini"}) {
      QFile::remove(dir_.filePath(f));
      QFile::copy(folder + "/" + f, dir_.filePath(f));
    }
    boards_ = std::make_unique<TBridgeINI>(kBoardFileName);
    results_ = std::make_unique<TBridgeINI>(kResultsFileName);
    QFile seq(folder + "/SEQ2005.txt");
    seq.open(QIODevice::ReadOnly);
    library_.LoadSequenceLibrary(seq.readAll().toStdString());
    files_ = std::make_unique<TableFiles>(TableFiles{*options_, *boards_, *results_, library_.Store(), Option});
  }

  // Replaces the library by the given text (sections and lines as in the file).
  void UseLibrary(const std::string& text) { library_.LoadSequenceLibrary(text); }

  // Clicks a named panel button of the window.
  void Click(const char* name) {
    auto* w = desk_->Panel(name);
    ASSERT_NE(w, nullptr) << name;
    ASSERT_TRUE(w->isEnabled()) << name;
    QTest::mouseClick(w, Qt::LeftButton);
  }
  void Key(Qt::Key key) { QTest::keyClick(desk_.get(), key); }
  // Opens File > Preferences; `act` works the dialog as a user would, then
  // OK (or Cancel) closes it.
  void Preferences(const std::function<void(TSetupOptions&)>& act, bool ok = true) {
    bool opened = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<TSetupOptions*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      opened = true;
      act(*dialog);
      if (!dialog->isVisible()) return;
      auto* button = dialog->findChild<QPushButton*>(ok ? "OKBtn" : "CancelBtn");
      button->click();
      if (dialog->isVisible()) dialog->reject();   // never leave a test waiting
    });
    desk_->Action("Preferences1")->trigger();
    EXPECT_TRUE(opened);
  }
  std::vector<std::string> Calls() const { return desk_->Game().Auction().Calls; }
  // The North-South score of the board's result, 0 before the board ends.
  int BoardScore() const { return desk_->Game().Result() ? desk_->Game().Result()->score : 0; }

  QTemporaryDir dir_;
  std::unique_ptr<TMyINI> options_;
  std::unique_ptr<TBridgeINI> boards_, results_;
  SequenceLibrary library_;
  std::unique_ptr<TableFiles> files_;
  std::unique_ptr<TDeskTop> desk_;
  std::unique_ptr<TMyINI> plays_;
};

}  // namespace quorval
