// TMultiLang on real widgets: what each kind of widget takes from its rows,
// the font and character set per language, and the refused language index.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "core/messages.h"
#include "tests/ui/ui_test_app.h"
#include "ui/multi_lang.h"

namespace quorval {
namespace {

using testing::UiTest;

std::string Row(const std::string& key, const std::string& en, const std::string& dk = "") {
  return key + "\t" + en + "\t" + dk + "\t\t\t\t\t\t\n";
}

template <class W>
W* Make(QWidget* parent, const char* name) {
  auto* w = new W(parent);
  w->setObjectName(name);
  return w;
}

// A widget whose caption cannot be written: applying a text to it fails.
class TStubborn : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString caption READ Caption)

 public:
  using QWidget::QWidget;
  QString Caption() const { return "fixed"; }
};

class MultiLangTest : public UiTest {
 protected:
  void SetUp() override { ResetMessageCounts(); }
};

TEST_F(MultiLangTest, ComboOfFifteenKeepsItsSelectionAndBlanksItemsWithoutRows) {
  std::string all = Row("CardBackDesign", "Red Checks", "Røde tern");
  for (int i = 1; i < 15; ++i) all += Row("\"", "Design " + std::to_string(i), "Mønster " + std::to_string(i));
  std::string ten = Row("CardBackDesign", "Red Checks", "Røde tern");
  for (int i = 1; i < 10; ++i) ten += Row("\"", "Design " + std::to_string(i), "Mønster " + std::to_string(i));

  for (const bool short_ : {false, true}) {
    QDialog window;
    auto* combo = Make<QComboBox>(&window, "CardBackDesign");
    for (int i = 0; i < 15; ++i) combo->addItem(QString("old %1").arg(i));
    combo->setCurrentIndex(12);
    TMultiLang lang(&window, WordList::Parse(short_ ? ten : all));
    lang.SetActiveLanguage(1);
    EXPECT_EQ(combo->count(), 15);
    EXPECT_EQ(combo->currentIndex(), 12);
    EXPECT_EQ(combo->itemText(0), "Røde tern");
    EXPECT_EQ(combo->itemText(9), "Mønster 9");
    EXPECT_EQ(combo->itemText(14), short_ ? "" : "Mønster 14");
    EXPECT_EQ(combo->itemText(10), short_ ? "" : "Mønster 10");
  }
}

TEST_F(MultiLangTest, RadioGroupTakesCaptionItemsAndHint) {
  QDialog window;
  auto* group = Make<QGroupBox>(&window, "MPScoring");
  for (int i = 0; i < 4; ++i) new QRadioButton("old", group);
  auto* next = Make<QLabel>(&window, "OKLabel");
  const std::string text = Row("mpscoring", "MP Scoring", "MP-opgørelse") + Row("\"", "1, 0, -1 (W,Tie,L)", "1, 0, -1 (V,Lige,T)") +
                           Row("\"", "1, 1/2, 0", "1, 1/2, 0") + Row("\"", "2, 1, 0", "2, 1, 0") +
                           Row("\"", "1/2, 0, -1/2", "1/2, 0, -1/2") +
                           Row("\".Hint", "Select the desired scoring method", "Vælg den ønskede opgørelsesmetode") +
                           Row("OKLabel", "OK", "O.k.");
  TMultiLang lang(&window, WordList::Parse(text));
  lang.SetActiveLanguage(1);
  const auto radios = group->findChildren<QRadioButton*>();
  EXPECT_EQ(group->title(), "MP-opgørelse");
  EXPECT_EQ(radios[0]->text(), "1, 0, -1 (V,Lige,T)");
  EXPECT_EQ(radios[3]->text(), "1/2, 0, -1/2");
  EXPECT_EQ(group->toolTip(), "Vælg den ønskede opgørelsesmetode");
  EXPECT_EQ(next->text(), "O.k.");

  // A group whose buttons have names of their own is a plain group box: the
  // buttons take their own rows (the board chooser's IMP and MP).
  QDialog chooser;
  auto* box = Make<QGroupBox>(&chooser, "EventRG");
  auto* imp = Make<QRadioButton>(box, "IMP");
  auto* mp = Make<QRadioButton>(box, "MP");
  TMultiLang chooserLang(&chooser, WordList::Parse(Row("EventRG", "Scoring Method", "Turnering") + Row("\"", "IMP", "IMP") +
                                                   Row("\"", "MP", "PAR") + Row("IMP", "IMP", "Imp") + Row("MP", "MP", "MP")));
  chooserLang.SetActiveLanguage(1);
  EXPECT_EQ(box->title(), "Turnering");
  EXPECT_EQ(imp->text(), "Imp");
  EXPECT_EQ(mp->text(), "MP");
}

TEST_F(MultiLangTest, EmptyCaptionBlanksButEmptyHintKeeps) {
  QDialog window;
  auto* button = Make<QPushButton>(&window, "SkipBtn");
  button->setToolTip("Accept a standard play result for this hand");
  auto* hintOnly = Make<QLabel>(&window, "Dup");
  auto* blank = Make<QLabel>(&window, "SkillSlide");
  blank->setText("something");
  const std::string text = Row("SkipBtn", "Skip Play", "Spring over") + Row("\".Hint", "Accept a standard play result", "") +
                           Row("Dup", "", "") + Row("\".Hint", "Duplicate Board", "Duplikatbakke") +
                           Row("SkillSlide", "", "");
  TMultiLang lang(&window, WordList::Parse(text));
  EXPECT_EQ(button->toolTip(), "Accept a standard play result");
  lang.SetActiveLanguage(1);
  EXPECT_EQ(button->text(), "Spring over");
  EXPECT_EQ(button->toolTip(), "Accept a standard play result");   // the Danish hint cell is empty
  EXPECT_EQ(hintOnly->toolTip(), "Duplikatbakke");
  EXPECT_EQ(blank->text(), "");
}

TEST_F(MultiLangTest, MenusActionsTabsAndTheWindowCaption) {
  QDialog window;
  auto* bar = new QMenuBar(&window);
  QMenu* file = bar->addMenu("&File");
  file->setObjectName("File1");
  QAction* next = file->addAction("&Next Hand");
  next->setObjectName("NewHandMenu");
  auto* tabs = Make<QTabWidget>(&window, "ScorePages");
  auto* page = Make<QWidget>(nullptr, "TS1");
  tabs->addTab(page, "A Stratum");
  auto* edit = Make<QLineEdit>(&window, "PlayerName");
  edit->setText("Kirsten");
  auto* shown = Make<QLineEdit>(&window, "Shown");
  shown->setReadOnly(true);
  const std::string text = Row("%Form%", "Table", "Bord") + Row("File1", "&File", "&Filer") +
                           Row("NewHandMenu", "&Next Hand", "&Næste spil") + Row("TS1", "A Stratum", "A-række") +
                           Row("PlayerName", "Name", "Navn") + Row("Shown", "Shown", "Vist");
  TMultiLang lang(&window, WordList::Parse(text));
  lang.SetActiveLanguage(1);
  EXPECT_EQ(window.windowTitle(), "Bord");
  EXPECT_EQ(file->title(), "&Filer");
  EXPECT_EQ(next->text(), "&Næste spil");
  EXPECT_EQ(tabs->tabText(0), "A-række");
  EXPECT_EQ(edit->text(), "Kirsten");   // a field the user types in is left alone
  EXPECT_EQ(shown->text(), "Vist");      // a read-only one is translated
}

TEST_F(MultiLangTest, AWidgetThatRefusesItsTextDoesNotStopTheSwitch) {
  QDialog window;
  Make<TStubborn>(&window, "Stubborn");
  auto* after = Make<QLabel>(&window, "After");
  const std::string text = Row("Stubborn", "caption", "overskrift") + Row("\".Hint", "hint", "vink") +
                           Row("After", "after", "efter");
  TMultiLang lang(&window, WordList::Parse(text));
  lang.SetActiveLanguage(1);
  EXPECT_EQ(lang.LastWalk().failed, 1);
  EXPECT_EQ(lang.LastWalk().skipped, 0);
  EXPECT_EQ(after->text(), "efter");
}

TEST_F(MultiLangTest, CharacterSetFollowsTheLanguageOnTheMainWindow) {
  QDialog window;
  TMultiLang lang(&window, WordList::Parse(Row("%Form%", "Table", "Bord")), TMultiLang::MainWindowCharSets());
  lang.SetActiveLanguage(1);
  EXPECT_EQ(lang.CharSet(), 1);
  EXPECT_EQ(window.property("charSet").toInt(), 1);
  EXPECT_EQ(lang.FontName(), "MS Sans Serif");
  EXPECT_EQ(window.font().family(), TMultiLang::PlatformFontFamily("MS Sans Serif"));
  lang.SetActiveLanguage(0);
  EXPECT_EQ(lang.CharSet(), 0);
  EXPECT_EQ(window.property("charSet").toInt(), 0);

  // Another window: set 1 in every language. A short list is padded with
  // the entry of the language being left.
  QDialog other;
  TMultiLang otherLang(&other, WordList(), {"Arial,0"});
  EXPECT_EQ(otherLang.CharSet(), 0);
  otherLang.SetActiveLanguage(4);
  EXPECT_EQ(otherLang.CharSets().size(), 8);
  EXPECT_EQ(otherLang.CharSets()[4], "Arial,0");
  EXPECT_EQ(other.font().family(), TMultiLang::PlatformFontFamily("Arial"));
  EXPECT_NE(TMultiLang::PlatformFontFamily("MS Sans Serif"), "MS Sans Serif");
}

TEST_F(MultiLangTest, ALanguageNotBelowTheCountIsRefusedWithTheMessage) {
  QDialog window;
  auto* label = Make<QLabel>(&window, "LabelPass");
  TMultiLang lang(&window, WordList::Parse(Row("LabelPass", "Pass", "Pas")));
  lang.SetActiveLanguage(1);
  ResetMessageCounts();
  EXPECT_FALSE(lang.SetActiveLanguage(8));
  EXPECT_EQ(MessageCount(), 1);
  EXPECT_EQ(LastMessage(), "Value must not be higher than\rnumber of available languages.");
  EXPECT_EQ(lang.ActiveLanguage(), 1);
  EXPECT_EQ(label->text(), "Pas");
  EXPECT_FALSE(lang.SetActiveLanguage(-1));
  EXPECT_EQ(lang.ActiveLanguage(), 1);
}

TEST_F(MultiLangTest, AcceleratorMarksAreNotShown) {
  EXPECT_EQ(WithoutAccelerator("&Danish Basic"), "Danish Basic");
  EXPECT_EQ(WithoutAccelerator("Modern &Basic"), "Modern Basic");
  EXPECT_EQ(WithoutAccelerator("Rock && Roll"), "Rock & Roll");
  EXPECT_EQ(WithoutAccelerator("end&"), "end");
}

}  // namespace
}  // namespace quorval

#include "multi_lang_test.moc"
