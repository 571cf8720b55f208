// The offer made when results could not be written: what it names, which
// choices it gives after a board and when quitting, and what each button
// answers.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ui/unsaved_results.h"
#include "ui_test_app.h"

namespace quorval {
namespace {

class UnsavedResultsTest : public testing::UiTest {};

QString LabelText(const QWidget& w, const char* name) {
  const auto* label = w.findChild<QLabel*>(name);
  return label ? label->text() : QString("<none>");
}

TEST_F(UnsavedResultsTest, AfterABoardOffersRetrySaveAsAndLater) {
  TUnsavedResults dialog(nullptr, {"Ann: Imp01.01, Imp01.02", "Could not save the file Options.INI (write: No space)", false});
  EXPECT_EQ(LabelText(dialog, "BoardList"), "Ann: Imp01.01, Imp01.02");
  EXPECT_EQ(LabelText(dialog, "Reason"), "Could not save the file Options.INI (write: No space)");
  ASSERT_NE(dialog.Button(UnsavedChoice::Retry), nullptr);
  ASSERT_NE(dialog.Button(UnsavedChoice::SaveAs), nullptr);
  ASSERT_NE(dialog.Button(UnsavedChoice::Later), nullptr);
  EXPECT_EQ(dialog.Button(UnsavedChoice::Quit), nullptr);
  EXPECT_EQ(dialog.Button(UnsavedChoice::Cancel), nullptr);
  EXPECT_TRUE(dialog.findChild<QLabel*>("LabQuit")->isHidden());
  // Closed without a choice: go on, asked again later.
  EXPECT_EQ(dialog.Choice(), UnsavedChoice::Later);
  QTest::mouseClick(dialog.Button(UnsavedChoice::Retry), Qt::LeftButton);
  EXPECT_EQ(dialog.Choice(), UnsavedChoice::Retry);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(UnsavedResultsTest, WhenQuittingAsksWhetherToQuitWithoutThem) {
  TUnsavedResults dialog(nullptr, {"Ann: Par03.05", "", true});
  EXPECT_FALSE(dialog.findChild<QLabel*>("LabQuit")->isHidden());
  EXPECT_EQ(dialog.Button(UnsavedChoice::Later), nullptr);
  // Closed without a choice: the program does not quit.
  EXPECT_EQ(dialog.Choice(), UnsavedChoice::Cancel);
  for (const UnsavedChoice choice : {UnsavedChoice::Quit, UnsavedChoice::SaveAs, UnsavedChoice::Cancel}) {
    ASSERT_NE(dialog.Button(choice), nullptr);
    QTest::mouseClick(dialog.Button(choice), Qt::LeftButton);
    EXPECT_EQ(dialog.Choice(), choice);
  }
}

}  // namespace
}  // namespace quorval
