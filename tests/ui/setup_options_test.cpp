// The Preferences dialog driven as a user drives it, on an options file in a
// folder of its own: the card-back preview, the skin buttons, switching and
// creating players, what OK saves and what Cancel gives back, and the names
// the options file cannot hold (also in the name asked at the first start).
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/messages.h"
#include "data/options.h"
#include "tests/ui/ui_test_app.h"
#include "ui/card_control.h"
#include "ui/player_name.h"
#include "ui/setup_options.h"
#include "ui/skin.h"

namespace quorval {
namespace {

class SetupOptionsTest : public testing::UiTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    path_ = dir_.filePath("Options.INI").toStdString();
    Write(
        "[Anne]\nComputerSkill=3\nBackDesign=2\nBackColor=clBlue\nColorSkin=Teal\nMPScoringSys=1\nBidSys=2\n"
        "LastHandPlayed=7\n"
        "[Bob]\nComputerSkill=6\nBackDesign=11\nColorSkin=Olive\nMPScoringSys=3\n");
    ResetMessageCounts();
  }
  void TearDown() override { dialog_.reset(); }

  void Write(const std::string& text) {
    QFile f(QString::fromStdString(path_));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.c_str());
  }

  // The dialog on the file as it stands, for player `player`.
  TSetupOptions& Open(const std::string& player = "Anne") {
    dialog_.reset();
    ini_ = std::make_unique<TMyINI>(path_);
    option_ = TOption{};
    option_.CurrentPlayer = player;
    LoadOptions(*ini_, option_);
    dialog_ = std::make_unique<TSetupOptions>(nullptr, *ini_, option_);
    dialog_->show();
    return *dialog_;
  }
  template <class T>
  T* Find(const char* name) const {
    T* w = dialog_->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QComboBox* PlayerList() const { return Find<QComboBox>("NewPlayer"); }
  void Type(const QString& name) {
    PlayerList()->lineEdit()->clear();
    QTest::keyClicks(PlayerList()->lineEdit(), name);
  }
  void Press(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
  void Pick(const QString& player) {
    const int at = PlayerList()->findText(player);
    ASSERT_GE(at, 0) << player.toStdString();
    PlayerList()->setCurrentIndex(at);
    emit PlayerList()->activated(at);
  }
  // The options file as stored now, read afresh.
  std::string Stored(const std::string& player, const std::string& key) const {
    TMyINI again(path_);
    return again.ReadString(player, key, "(absent)");
  }
  QColor PanelGround() const {
    return dialog_->findChild<QWidget*>("Panel1")->palette().color(QPalette::Window);
  }

  QTemporaryDir dir_;
  std::string path_;
  std::unique_ptr<TMyINI> ini_;
  TOption option_;
  std::unique_ptr<TSetupOptions> dialog_;
};

TEST_F(SetupOptionsTest, FilledFromTheCurrentPlayer) {
  TSetupOptions& d = Open("Anne");
  EXPECT_EQ(PlayerList()->currentText(), "Anne");
  EXPECT_EQ(PlayerList()->count(), 2);
  EXPECT_EQ(Find<QScrollBar>("SkillSlide")->value(), 3);
  EXPECT_EQ(Find<QProgressBar>("SkillBar")->value(), 3);
  EXPECT_EQ(Find<QLabel>("SkillLevel")->text(), "3");
  EXPECT_EQ(Find<QComboBox>("CardBackDesign")->currentIndex(), 2);
  EXPECT_EQ(d.BackCard()->BackDesign(), 2);
  EXPECT_EQ(d.BackCard()->BackColor(), 0xFF0000);   // clBlue
  EXPECT_TRUE(d.BackCard()->ShowBack());
  EXPECT_FALSE(d.FaceCard()->ShowBack());
  EXPECT_EQ(d.FaceCard()->Suit(), Heart);
  EXPECT_EQ(d.FaceCard()->Rank(), 11);
  EXPECT_TRUE(d.findChildren<QRadioButton*>()[1]->isChecked());
  EXPECT_FALSE(Find<QPushButton>("Teal")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>("Olive")->isEnabled());
  // The preview cards: back card under the skin buttons, face card at the
  // right edge of their box, both centred beside the card-back box.
  EXPECT_EQ(d.BackCard()->geometry(), QRect(372, 154, 71, 95));
  EXPECT_EQ(d.FaceCard()->geometry(), QRect(457, 154, 71, 95));
}

// The dialog in each skin; with QUORVAL_SCREENSHOTS set the pictures are kept
// in that folder.
TEST_F(SetupOptionsTest, PicturesInTheThreeSkins) {
  TSetupOptions& d = Open("Anne");
  const QByteArray folder = qgetenv("QUORVAL_SCREENSHOTS");
  QImage last;
  for (const char* skin : {"Teal", "Silver", "Olive"}) {
    if (Find<QPushButton>(skin)->isEnabled()) Press(skin);
    const QImage shot = d.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(548, 306));
    EXPECT_NE(shot, last) << skin;
    last = shot;
    if (!folder.isEmpty()) shot.save(QString(folder) + "/preferences_" + skin + ".png");
  }
}

TEST_F(SetupOptionsTest, ADesignResetsTheColourAndAColourRecoloursOnlyTheGround) {
  TSetupOptions& d = Open("Anne");
  auto* design = Find<QComboBox>("CardBackDesign");
  design->setCurrentIndex(8);
  emit design->activated(8);
  EXPECT_EQ(d.BackCard()->BackDesign(), 8);
  EXPECT_EQ(d.BackCard()->BackColor(), -1);
  const QImage own = CardDeck::DeckCell(kFirstBackCell + 8);
  EXPECT_EQ(d.BackCard()->BackImage(), own) << "the design's own colours";

  // A cancelled colour chooser changes nothing.
  d.SetColourChooser([](const QColor&) { return std::nullopt; });
  Press("NewColorButton");
  EXPECT_EQ(d.BackCard()->BackColor(), -1);
  EXPECT_EQ(d.BackCard()->BackImage(), own);

  d.SetColourChooser([](const QColor&) { return QColor(0, 0, 255); });
  Press("NewColorButton");
  EXPECT_EQ(d.BackCard()->BackColor(), 0xFF0000);
  const QImage blue = d.BackCard()->BackImage();
  const QRgb ground = own.pixel(10, 3);
  int recoloured = 0;
  for (int y = 0; y < own.height(); ++y)
    for (int x = 0; x < own.width(); ++x) {
      const bool inside = x >= 1 && y >= 1 && x <= own.width() - 2 && y <= own.height() - 2;
      if (inside && own.pixel(x, y) == ground) {
        EXPECT_EQ(blue.pixel(x, y), qRgb(0, 0, 255)) << x << "," << y;
        ++recoloured;
      } else {
        EXPECT_EQ(blue.pixel(x, y), own.pixel(x, y)) << x << "," << y;
      }
    }
  EXPECT_GT(recoloured, 100);
  // Choosing the design again brings its own colours back.
  emit design->activated(8);
  EXPECT_EQ(d.BackCard()->BackColor(), -1);
  EXPECT_EQ(d.BackCard()->BackImage(), own);
}

TEST_F(SetupOptionsTest, OliveRecoloursAtOnceAndCancelGivesTheStoredSkinBack) {
  TSetupOptions& d = Open("Anne");
  EXPECT_EQ(PanelGround(), QColor(0, 128, 128)) << "Teal's colour 1";
  Press("Olive");
  EXPECT_EQ(d.PendingSkin(), "Olive");
  EXPECT_FALSE(Find<QPushButton>("Olive")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>("Teal")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>("Silver")->isEnabled());
  EXPECT_EQ(PanelGround(), QColor(116, 134, 94)) << "Olive's colour 1";
  EXPECT_EQ(d.palette().color(QPalette::Window), QColor(195, 202, 169));
  EXPECT_EQ(option_.SkinColors, SkinColorsFor("Olive")) << "the live colours follow the preview";
  // The picture too, not only the palette.
  EXPECT_EQ(d.grab().toImage().pixelColor(8, 140), QColor(116, 134, 94));

  Press("CancelBtn");
  EXPECT_EQ(d.result(), QDialog::Rejected);
  EXPECT_EQ(option_.ColorSkin, "Teal");
  EXPECT_EQ(option_.SkinColors, SkinColorsFor("Teal"));
  EXPECT_EQ(Stored("Anne", "ColorSkin"), "Teal");
}

TEST_F(SetupOptionsTest, OKSavesEverySettingOfTheDialog) {
  TSetupOptions& d = Open("Anne");
  Find<QScrollBar>("SkillSlide")->setValue(9);
  EXPECT_EQ(Find<QProgressBar>("SkillBar")->value(), 9);
  EXPECT_EQ(Find<QLabel>("SkillLevel")->text(), "9");
  auto* design = Find<QComboBox>("CardBackDesign");
  design->setCurrentIndex(12);
  emit design->activated(12);
  d.SetColourChooser([](const QColor&) { return QColor(0, 128, 128); });
  Press("NewColorButton");
  Press("Silver");
  d.findChildren<QRadioButton*>()[2]->click();
  Press("OKBtn");
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(Stored("Anne", "ComputerSkill"), "9");
  EXPECT_EQ(Stored("Anne", "BackDesign"), "12");
  EXPECT_EQ(Stored("Anne", "BackColor"), "clTeal");
  EXPECT_EQ(Stored("Anne", "ColorSkin"), "Silver");
  EXPECT_EQ(Stored("Anne", "MPScoringSys"), "2");
  // What the dialog does not show is written back as it was.
  EXPECT_EQ(Stored("Anne", "BidSys"), "2");
  EXPECT_EQ(Stored("Anne", "LastHandPlayed"), "7");
  EXPECT_EQ(Stored("Bob", "ComputerSkill"), "6");
}

TEST_F(SetupOptionsTest, ANewNameLoadsTheDefaultsAndOKCreatesItsSection) {
  TSetupOptions& d = Open("Anne");
  Type("Newbie");
  EXPECT_TRUE(d.NewPlayerExit());
  EXPECT_EQ(option_.CurrentPlayer, "Newbie");
  EXPECT_EQ(Find<QScrollBar>("SkillSlide")->value(), 8) << "the defaults are in the dialog before OK";
  EXPECT_EQ(d.BackCard()->BackDesign(), 8);
  EXPECT_EQ(d.BackCard()->BackColor(), -1);
  EXPECT_EQ(Stored("Newbie", "ComputerSkill"), "(absent)");
  Press("OKBtn");
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(Stored("Newbie", "ComputerSkill"), "8");
  EXPECT_EQ(Stored("Newbie", "BackColor"), "$FFFFFFFF");
  EXPECT_EQ(Stored("Anne", "ComputerSkill"), "3") << "the other player is left as stored";
}

TEST_F(SetupOptionsTest, AnotherPlayerPickedThenCancelStaysCurrent) {
  TSetupOptions& d = Open("Anne");
  Find<QScrollBar>("SkillSlide")->setValue(10);
  Pick("Bob");
  EXPECT_EQ(d.RememberedPlayer(), "Bob");
  EXPECT_EQ(Find<QScrollBar>("SkillSlide")->value(), 6);
  EXPECT_EQ(d.PendingSkin(), "Olive");
  EXPECT_FALSE(Find<QPushButton>("Olive")->isEnabled());
  Press("CancelBtn");
  EXPECT_EQ(option_.CurrentPlayer, "Bob");
  EXPECT_EQ(option_.ComputerSkill, 6);
  EXPECT_EQ(option_.ColorSkin, "Olive");
  EXPECT_EQ(Stored("Anne", "ComputerSkill"), "3") << "switching does not save the player left";
}

TEST_F(SetupOptionsTest, TheSameNameInAnotherCaseKeepsTheChangesMade) {
  TSetupOptions& d = Open("Anne");
  Find<QScrollBar>("SkillSlide")->setValue(10);
  Type("aNNE");
  EXPECT_TRUE(d.NewPlayerExit());
  EXPECT_EQ(option_.CurrentPlayer, "Anne");
  EXPECT_EQ(PlayerList()->currentText(), "Anne");
  EXPECT_EQ(Find<QScrollBar>("SkillSlide")->value(), 10);
  Press("OKBtn");
  EXPECT_EQ(Stored("Anne", "ComputerSkill"), "10");
  TMyINI again(path_);
  EXPECT_EQ(again.Sections().size(), 2u);
}

TEST_F(SetupOptionsTest, NamesTheOptionsFileCannotHoldAreRefusedAndChangeNothing) {
  const std::string before = [this] {
    QFile f(QString::fromStdString(path_));
    f.open(QIODevice::ReadOnly);
    return f.readAll().toStdString();
  }();
  TSetupOptions& d = Open("Anne");
  Find<QScrollBar>("SkillSlide")->setValue(5);
  for (const QString& bad : {QString("Bob]"), QString("a=b"), QString(" Anne"), QString("Anne "),
                             QString(65, QChar('x')), QString("two\nlines")}) {
    ResetMessageCounts();
    PlayerList()->setEditText(bad);
    Press("OKBtn");
    EXPECT_TRUE(d.isVisible()) << bad.toStdString();
    EXPECT_EQ(MessageCount(), 1) << bad.toStdString();
    EXPECT_EQ(LastMessage(), d.BadPlayerNameMessage().toStdString());
    EXPECT_EQ(option_.CurrentPlayer, "Anne");
    EXPECT_EQ(PlayerList()->currentText(), "Anne") << "the name in use comes back";
    EXPECT_EQ(Find<QScrollBar>("SkillSlide")->value(), 5) << "nothing else is touched";
  }
  QFile f(QString::fromStdString(path_));
  f.open(QIODevice::ReadOnly);
  EXPECT_EQ(f.readAll().toStdString(), before) << "the options file is as it was";
  // The name in use, now accepted, is saved with the change.
  Press("OKBtn");
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(Stored("Anne", "ComputerSkill"), "5");
}

TEST_F(SetupOptionsTest, AnEmptyNameIsTheCurrentPlayerOrKeepsTheDialogOpen) {
  TSetupOptions& d = Open("Anne");
  PlayerList()->setEditText("");
  EXPECT_TRUE(d.NewPlayerExit());
  EXPECT_EQ(PlayerList()->currentText(), "Anne");
  EXPECT_EQ(MessageCount(), 0);

  // With no player current there is nothing to fall back on.
  Open("");
  dialog_->SetNoPlayerMessage("no name");
  PlayerList()->setEditText("");
  Press("OKBtn");
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_EQ(MessageCount(), 1);
  EXPECT_EQ(LastMessage(), "no name");
}

// The name asked at the first start: OK only for a name the options file can
// hold, taken without blanks at its ends.
TEST(PlayerNamePrompt, OKOnlyForANameTheOptionsFileCanHold) {
  testing::TestApp();
  TPlayerName prompt(nullptr, "root", 1);
  EXPECT_EQ(prompt.NameEdit()->text(), "root");
  EXPECT_TRUE(prompt.OkButton()->isEnabled());
  EXPECT_EQ(prompt.windowTitle(), "Spillernavn");
  auto* refused = prompt.findChild<QLabel*>("LabRefused");
  for (const char* bad : {"", "   ", "Ann]", "a=b"}) {
    prompt.NameEdit()->setText(bad);
    EXPECT_FALSE(prompt.OkButton()->isEnabled()) << bad;
  }
  EXPECT_FALSE(refused->isHidden());
  prompt.NameEdit()->setText("  Anne Marie ");
  EXPECT_TRUE(prompt.OkButton()->isEnabled());
  EXPECT_TRUE(refused->isHidden());
  EXPECT_EQ(prompt.Name(), "Anne Marie");
  // With QUORVAL_SCREENSHOTS set, its picture in the four languages.
  if (const QByteArray folder = qgetenv("QUORVAL_SCREENSHOTS"); !folder.isEmpty())
    for (const int language : {0, 1, 2, 4}) {
      TPlayerName shown(nullptr, "root", language);
      ApplySkinToWindow(&shown, SkinColorsFor("Teal"), false);
      shown.adjustSize();
      shown.grab().save(QString(folder) + QString("/player_name_%1.png").arg(language));
    }
}

}  // namespace
}  // namespace quorval
