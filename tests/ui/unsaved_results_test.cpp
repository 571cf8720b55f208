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
  EXPECT_FALSE(dialog.Button(UnsavedChoice::Later)->isHidden());
  EXPECT_TRUE(dialog.Button(UnsavedChoice::Quit)->isHidden());
  EXPECT_TRUE(dialog.Button(UnsavedChoice::Cancel)->isHidden());
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
  EXPECT_TRUE(dialog.Button(UnsavedChoice::Later)->isHidden());
  // Closed without a choice: the program does not quit.
  EXPECT_EQ(dialog.Choice(), UnsavedChoice::Cancel);
  for (const UnsavedChoice choice : {UnsavedChoice::Quit, UnsavedChoice::SaveAs, UnsavedChoice::Cancel}) {
    EXPECT_FALSE(dialog.Button(choice)->isHidden());
    QTest::mouseClick(dialog.Button(choice), Qt::LeftButton);
    EXPECT_EQ(dialog.Choice(), choice);
  }
}

// The offer speaks the table's language.
TEST_F(UnsavedResultsTest, SpeaksTheLanguageOfTheTable) {
  UnsavedOffer offer{"Ann: Imp01.01", "", true};
  offer.language = 1;
  TUnsavedResults danish(nullptr, offer);
  EXPECT_EQ(danish.windowTitle(), "Resultater ikke gemt");
  EXPECT_EQ(LabelText(danish, "LabQuit"), "Afslut uden at gemme dem?");
  EXPECT_EQ(danish.Button(UnsavedChoice::Retry)->text(), "&Prøv igen");
  offer.language = 4;
  TUnsavedResults swedish(nullptr, offer);
  EXPECT_EQ(swedish.Button(UnsavedChoice::Quit)->text(), "&Avsluta utan att spara");
  EXPECT_EQ(LabelText(swedish, "BoardList"), "Ann: Imp01.01") << "board keys are not translated";
}

}  // namespace
}  // namespace quorval
