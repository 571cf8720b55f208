// The colour skin on a window: which widgets take which colour by their tag,
// which keep their own, that another control's inner parts are left alone,
// and that what the palette says is what the window shows.
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "data/colours.h"
#include "tests/ui/ui_test_app.h"
#include "ui/skin.h"

namespace quorval {
namespace {

using testing::UiTest;

// Eight colours that are easy to tell apart, slot i having red 10 * (i + 1).
TSkinColors TestSkin() {
  TSkinColors c{};
  for (int i = 0; i < 8; ++i) c[i] = RGB(10 * (i + 1), 200, 30 * i);
  return c;
}
QColor Slot(int i) { return QColor(10 * (i + 1), 200, 30 * i); }

QColor Ground(const QWidget* w) { return w->palette().color(QPalette::Window); }

QFrame* Panel(QWidget* parent, const char* name, const QRect& at, int tag = -1) {
  auto* f = new QFrame(parent);
  f->setObjectName(name);
  f->setGeometry(at);
  if (tag >= 0) SetTag(f, tag);
  return f;
}

void OwnColour(QWidget* w, const QColor& c) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, c);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

class SkinTest : public UiTest {};

TEST_F(SkinTest, TagsChooseTheSlotAnd99OrOutOfRangeKeepTheirColour) {
  QWidget window;
  window.resize(400, 300);
  const QColor own(1, 2, 3);
  QFrame* keep99 = Panel(&window, "keep99", {0, 0, 50, 50}, 99);
  QFrame* keep12 = Panel(&window, "keep12", {60, 0, 50, 50}, 12);
  OwnColour(keep99, own);
  OwnColour(keep12, own);
  QFrame* untagged = Panel(&window, "untagged", {120, 0, 50, 50});
  QFrame* three = Panel(&window, "three", {180, 0, 50, 50}, 3);
  auto* label = new QLabel("zero", &window);
  label->setGeometry(240, 0, 50, 20);
  SetTag(label, 0);
  auto* box = new QGroupBox("box", &window);
  box->setGeometry(0, 100, 200, 150);
  SetTag(box, 2);
  auto* inner = new QLabel("four", box);
  inner->setGeometry(10, 30, 60, 20);
  inner->setAutoFillBackground(true);
  SetTag(inner, 4);
  QFrame* nested = Panel(box, "nested", {80, 30, 60, 60}, 5);
  auto* gradient = new TGradientPanel(&window);
  gradient->setGeometry(250, 100, 100, 100);
  SetTag(gradient, 99);   // a gradient panel takes 6 and 7 whatever its tag

  window.show();
  ApplySkinToWindow(&window, TestSkin(), true);

  EXPECT_EQ(Ground(&window), Slot(0));
  EXPECT_EQ(Ground(keep99), own);
  EXPECT_EQ(Ground(keep12), own);
  EXPECT_EQ(Ground(untagged), Slot(0));
  EXPECT_EQ(Ground(three), Slot(3));
  EXPECT_EQ(Ground(label), Slot(0));
  EXPECT_FALSE(label->autoFillBackground()) << "a see-through label stays see-through";
  EXPECT_EQ(Ground(box), Slot(2));
  EXPECT_EQ(Ground(inner), Slot(4));
  EXPECT_EQ(Ground(nested), Slot(5));
  EXPECT_EQ(gradient->StartColor(), Slot(6));
  EXPECT_EQ(gradient->EndColor(), Slot(7));

  // What the window shows: the panels' grounds as painted.
  const QImage shot = window.grab().toImage();
  EXPECT_EQ(shot.pixelColor(25, 25), own);
  EXPECT_EQ(shot.pixelColor(85, 25), own);
  EXPECT_EQ(shot.pixelColor(205, 25), Slot(3));
  EXPECT_EQ(shot.pixelColor(380, 10), Slot(0));
  EXPECT_EQ(shot.pixelColor(110, 185), Slot(5));
  // The gradient runs from colour 6 at the top to colour 7 at the bottom.
  const QColor top = shot.pixelColor(300, 101), bottom = shot.pixelColor(300, 198);
  EXPECT_NEAR(top.red(), Slot(6).red(), 2);
  EXPECT_NEAR(bottom.red(), Slot(7).red(), 2);
  EXPECT_NEAR(bottom.blue(), Slot(7).blue(), 4);
}

// The bidding box's buttons, a grid's cells and the like belong to their
// control, not to the window: a control that is not a panel is not looked
// into, even when it is coloured itself.
TEST_F(SkinTest, ControlsOwnedByOtherControlsAreLeftAlone) {
  QWidget window;
  window.resize(300, 200);
  class Box : public QFrame {
   public:
    using QFrame::QFrame;
  };
  auto* box = new Box(&window);
  box->setProperty("skinKind", "coloured");
  SetTag(box, 1);
  box->setGeometry(0, 0, 200, 150);
  QFrame* part = Panel(box, "part", {10, 10, 50, 50}, 3);
  OwnColour(part, QColor(9, 9, 9));
  auto* button = new QPushButton("b", &window);   // any other control: unchanged
  SetTag(button, 2);

  ApplySkinToWindow(&window, TestSkin(), false);
  EXPECT_EQ(Ground(box), Slot(1));
  EXPECT_TRUE(box->autoFillBackground());
  EXPECT_EQ(Ground(part), QColor(9, 9, 9));
  EXPECT_FALSE(button->testAttribute(Qt::WA_SetPalette)) << "the button was given no colours of its own";
}

TEST_F(SkinTest, TextReadsOnTheGroundItIsDrawnOn) {
  TSkinColors navy = SkinColorsFor("Silver");
  QWidget window;
  QFrame* dark = Panel(&window, "dark", {0, 0, 100, 100}, 1);   // (0, 64, 128)
  auto* onDark = new QLabel("text", dark);
  SetTag(onDark, 0);   // its own slot is light grey, but it shows the panel behind it
  QFrame* light = Panel(&window, "light", {100, 0, 100, 100}, 5);
  auto* onLight = new QLabel("text", light);
  SetTag(onLight, 5);
  ApplySkinToWindow(&window, navy, false);
  EXPECT_EQ(onDark->palette().color(QPalette::WindowText), QColor(Qt::white));
  EXPECT_EQ(onLight->palette().color(QPalette::WindowText), QColor(Qt::black));
  EXPECT_EQ(TextColourOn(QColor(0, 128, 128)), QColor(Qt::white));   // Teal's colour 1
  EXPECT_EQ(TextColourOn(QColor(116, 134, 94)), QColor(Qt::black));  // Olive's colour 1
}

}  // namespace
}  // namespace quorval
