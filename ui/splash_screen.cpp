#include "ui/splash_screen.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>

#include "ui/multi_lang.h"
#include "ui/skin.h"

namespace quorval {
namespace {

constexpr int kInnerWidth = 650;
constexpr int kInnerHeight = 500;

QLabel* Text(QWidget* parent, const char* name, const QString& text, const QRect& at, int pixels, bool bold,
             const QColor& colour, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(at);
  QFont f = label->font();
  f.setPixelSize(pixels);
  f.setBold(bold);
  label->setFont(f);
  label->setAlignment(align);
  if (colour.isValid()) {
    // Text on the blue banner keeps the splash's own colours.
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    SetTag(label, kKeepColourTag);
  }
  return label;
}

}  // namespace

TSplashScreen::TSplashScreen(const QRect& screen)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("SplashScreen");
  setWindowTitle("Welcome to ORVENDAL QUORVAL 2005");
  auto* outer = new QFrame(this);
  outer->setObjectName("Panel1");
  outer->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  outer->setLineWidth(2);
  SetTag(outer, 1);
  auto* inner = new QFrame(outer);
  inner->setObjectName("Panel3");
  inner->resize(kInnerWidth, kInnerHeight);
  inner_ = inner;

  auto* banner = new QFrame(inner);
  banner->setObjectName("Panel2");
  banner->setGeometry(18, 9, 615, 158);
  banner->setFrameStyle(QFrame::Panel | QFrame::Raised);
  banner->setLineWidth(3);
  banner->setAutoFillBackground(true);
  QPalette blue = banner->palette();
  blue.setColor(QPalette::Window, QColor(0, 0, 128));
  banner->setPalette(blue);
  SetTag(banner, kKeepColourTag);
  const QColor white(255, 255, 255), gold(255, 220, 120), grey(200, 205, 230);
  title_ = Text(banner, "Label1", "ORVENDAL QUORVAL 2005", {16, 22, 590, 48}, 38, true, white);
  Text(banner, "Label2", "Duplicate bridge at home: play the boards, beat the field", {16, 82, 590, 22}, 16, false,
       gold);
  const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
  Text(banner, "Label3", "Program and bidding library", {200, 106, 400, 16}, 12, false, grey, right);
  Text(banner, "Label6", "by the ORVENDAL QUORVAL team", {200, 122, 400, 16}, 12, false, grey, right);
  Text(banner, "Label4", "Double-dummy analysis: DDS", {200, 138, 400, 16}, 12, false, grey, right);

  auto* logo = new QLabel(inner);
  logo->setObjectName("Logo");
  logo->setGeometry(18, 201, 475, 264);
  logo->setPixmap(QPixmap(QStringLiteral(":/art/logo.png")));
  SetTag(logo, kKeepColourTag);
  Text(inner, "Label5", ". . .  loading files", {474, 415, 166, 24}, 14, true, QColor());
  PlaceOnScreen(screen);
  lang_ = new TMultiLang(this, QStringLiteral("splash"));
}

void TSplashScreen::SetLanguage(int language) { lang_->SetActiveLanguage(language); }

void TSplashScreen::PlaceOnScreen(const QRect& screen) {
  setGeometry(screen);
  findChild<QFrame*>("Panel1")->setGeometry(0, 0, screen.width(), screen.height());
  inner_->move((screen.width() - kInnerWidth) / 2, (screen.height() - kInnerHeight) / 2);
}

void TSplashScreen::showEvent(QShowEvent* event) {
  title_->setText(title_->text() + QLatin1Char(' '));
  QWidget::showEvent(event);
}

}  // namespace quorval
