#include "ui/card_control.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleHints>
#include <chrono>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

#include "painters/deck_painter.h"

#include "ui/colour_ref.h"
#include "ui/multi_lang.h"

// Q_INIT_RESOURCE declares a function, so it must be used outside any namespace.
static void InitCardImages() { Q_INIT_RESOURCE(ui_cards); }

namespace quorval {

void InitUiResources() {
  static const bool done = (InitCardImages(), true);
  (void)done;
  InitWordListResources();
}

namespace {

constexpr QRgb kPureWhite = 0xFFFFFFFF;
constexpr QRgb kHiliteGround = 0xFFAAC3E6;   // (170, 195, 230)

struct DeckState {
  std::vector<QImage> faces;   // honour faces localised
  std::vector<QImage> deck;    // as loaded
  QImage honours;
  QImage white;
  int language = 0;
  bool loaded = false;
  bool attempted = false;
  std::function<int64_t()> clock;
  // Faces drawn at the screen's pixels: (cell, hundredths, language).
  std::map<std::tuple<int, int, int>, QImage> sharp;
};

DeckState& State() {
  static DeckState state;
  return state;
}

const QImage& WhiteCard() {
  DeckState& s = State();
  if (s.white.isNull()) {
    s.white = QImage(kCardWidth, kCardHeight, QImage::Format_RGB32);
    s.white.fill(Qt::white);
  }
  return s.white;
}

void EnsureLoaded() {
  if (!State().attempted) CardDeck::Load();
}

}  // namespace

namespace CardDeck {

bool Load() {
  DeckState& s = State();
  if (s.loaded) return true;
  s.attempted = true;
  InitUiResources();
  return LoadFrom(QImage(QStringLiteral(":/cards/deck.png")), QImage(QStringLiteral(":/cards/honors.png")));
}

bool LoadFrom(const QImage& deck, const QImage& honours) {
  DeckState& s = State();
  s.attempted = true;
  if (deck.width() != kCardWidth * kDeckCells || deck.height() != kCardHeight || honours.width() < 43 ||
      honours.height() < 120)
    return false;
  const QImage strip = deck.convertToFormat(QImage::Format_RGB32);
  s.deck.clear();
  for (int i = 0; i < kDeckCells; ++i) s.deck.push_back(strip.copy(kCardWidth * i, 0, kCardWidth, kCardHeight));
  s.faces = s.deck;
  s.honours = honours.convertToFormat(QImage::Format_RGB32);
  s.language = 0;
  s.loaded = true;
  return true;
}

bool IsLoaded() { return State().loaded; }

const QImage& FaceAt(int cell, qreal pixels) {
  if (pixels == 1.0 || cell < 0 || cell >= kFirstBackCell) return Face(cell);
  DeckState& s = State();
  const int hundredths = int(std::lround(pixels * 100));
  const auto key = std::make_tuple(cell, hundredths, s.language);
  auto found = s.sharp.find(key);
  if (found == s.sharp.end())
    found = s.sharp.emplace(key, painters::DrawFaceAt(cell / 15, cell % 15, hundredths / 100.0, s.language)).first;
  return found->second;
}

QImage BackAt(int design, qreal pixels) { return painters::DrawBackAt(std::clamp(design, 0, kBackDesigns - 1), pixels); }

const QImage& Face(int cell) {
  EnsureLoaded();
  const DeckState& s = State();
  if (!s.loaded || cell < 0 || cell >= kDeckCells) return WhiteCard();
  return s.faces[cell];
}

const QImage& DeckCell(int cell) {
  EnsureLoaded();
  const DeckState& s = State();
  if (!s.loaded || cell < 0 || cell >= kDeckCells) return WhiteCard();
  return s.deck[cell];
}

void LocaliseHonours(int language) {
  EnsureLoaded();
  DeckState& s = State();
  if (!s.loaded || language < 0 || language > 7) return;
  s.language = language;
  const QImage row = s.honours.copy(0, 15 * language, 43, 15);
  for (int suit = 0; suit < 4; ++suit) {
    // The letters take the ink of the suit's own index: the red of the four.
    const QRgb ink = (suit == Diamond || suit == Heart) ? s.faces[15 * suit + 4].pixel(4, 9) : qRgb(0, 0, 0);
    QImage strip = row;
    for (int y = 0; y < strip.height(); ++y)
      for (int x = 0; x < strip.width(); ++x)
        if (strip.pixel(x, y) != kPureWhite) strip.setPixel(x, y, ink);
    for (TRank r = Jack; r <= Ace; ++r) {
      QImage& face = s.faces[15 * suit + r];
      const int x0 = 10 * (r - Jack), w = r == Ace ? 13 : 10;
      {
        QPainter p(&face);
        p.drawImage(QRect(2, 3, w, 16), strip, QRect(x0, 0, w, 15));
      }
      // The same corner, turned half a turn, in the opposite corner. Only the
      // letter's own block is copied, so the picture beside it stays intact.
      for (int y = 3; y <= 17; ++y)
        for (int x = 0; x <= w + 1; ++x) face.setPixel(kCardWidth - x - 1, kCardHeight - y, face.pixel(x, y));
    }
  }
}

int HonourLanguage() { return State().language; }

int QuickClickMs() {
  if (auto* hints = QGuiApplication::styleHints()) return hints->mouseDoubleClickInterval() / 2;
  return 200;
}

void SetClock(std::function<int64_t()> clock) { State().clock = std::move(clock); }

int64_t Now() {
  if (State().clock) return State().clock();
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

const char* BackDesignName(int design) {
  static const char* names[kBackDesigns] = {"Red Checks", "Blue Checks", "Red Hatch", "Blue Hatch", "Robot",
                                            "Roses",      "Leaves 1",    "Leaves 2",  "Denmark",    "Sweden",
                                            "Norway",     "Beach",       "Sail Boat", "Scandinavia", "Traffic Light"};
  return (design >= 0 && design < kBackDesigns) ? names[design] : "";
}

}  // namespace CardDeck

TCard::TCard(QWidget* owner) : QWidget(owner) {
  setGeometry(0, 0, kCardWidth, kCardHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  hide();
  BuildBack();
}

void TCard::ReloadBack() {
  sharpBackPixels_ = 0;
  back_ = CardDeck::DeckCell(kFirstBackCell + backDesign_).copy();
  if (orientation_ == poLandscape) {
    // A quarter turn: new pixel (i, j) is old pixel (j, 94 - i).
    QImage turned(kCardHeight, kCardWidth, QImage::Format_RGB32);
    for (int i = 0; i < kCardHeight; ++i)
      for (int j = 0; j < kCardWidth; ++j) turned.setPixel(i, j, back_.pixel(j, kCardHeight - 1 - i));
    back_ = turned;
  }
}

void TCard::RecolourBack(int64_t colour) {
  sharpBackPixels_ = 0;
  RecolourImage(back_, colour, 1.0);
}

void TCard::RecolourImage(QImage& image, int64_t colour, qreal pixels) {
  const QRgb key = image.pixel(int(std::lround(10 * pixels)), int(std::lround(3 * pixels)));
  const QRgb target = FromColourRef(uint32_t(colour)).rgb();
  if (key == target) return;
  const int edge = int(std::ceil(pixels));
  for (int y = edge; y < image.height() - edge; ++y)
    for (int x = edge; x < image.width() - edge; ++x)
      if (image.pixel(x, y) == key) image.setPixel(x, y, target);
}

QImage TCard::BackAt(qreal pixels) const {
  QImage back = CardDeck::BackAt(backDesign_, pixels);
  if (backColor_ >= 0) RecolourImage(back, backColor_, pixels);
  if (orientation_ == poLandscape) back = back.transformed(QTransform().rotate(90));
  return back;
}

void TCard::BuildBack() {
  ReloadBack();
  if (backColor_ >= 0) RecolourBack(backColor_);
  const QSize base = orientation_ == poLandscape ? QSize(kCardHeight, kCardWidth) : QSize(kCardWidth, kCardHeight);
  resize(qRound(base.width() * scale_), qRound(base.height() * scale_));
  SetOutline(orientation_ == poLandscape ? 6 : 4);
  update();
}

void TCard::SetScale(qreal scale) {
  if (scale <= 0 || scale == scale_) return;
  scale_ = scale;
  BuildBack();
}

void TCard::SetOutline(int corner) {
  QPainterPath path;
  path.addRoundedRect(QRectF(0, 0, width(), height()), corner * scale_ / 2.0, corner * scale_ / 2.0);
  setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void TCard::SetBackDesign(int design) {
  design = std::clamp(design, 0, kBackDesigns - 1);
  if (design == backDesign_) return;
  backDesign_ = design;
  backColor_ = -1;
  ReloadBack();
  update();
}

void TCard::SetBackColor(int64_t colour) {
  if (colour < 0) {
    ReloadBack();   // the design's own colours return
  } else {
    RecolourBack(colour);
  }
  backColor_ = colour < 0 ? -1 : colour;
  SetOutline(orientation_ == poLandscape ? 6 : 4);
  update();
}

void TCard::SetHilite(bool on) {
  if (hilite_ == on) return;
  hilite_ = on;
  update();
}

void TCard::SetRank(TRank rank) {
  rank = std::clamp(rank, 0, 14);
  if (rank_ == rank) return;
  rank_ = rank;
  update();
}

void TCard::SetSuit(TSuit suit) {
  suit = std::clamp(suit, 0, 3);
  if (suit_ == suit) return;
  suit_ = suit;
  update();
}

void TCard::SetLanguage(int language) {
  if (language < 0 || language > 7 || language == language_) return;
  language_ = language;
  CardDeck::LocaliseHonours(language);
  update();
}

void TCard::SetHoldPaint(bool hold) {
  if (holdPaint_ == hold) return;
  holdPaint_ = hold;
  if (!hold) update();
}

void TCard::SetClicked(bool clicked) {
  if (clicked_ == clicked) return;
  clicked_ = clicked;
  update();
}

void TCard::SetOrientation(TOrientation o) {
  if (orientation_ == o) return;
  orientation_ = o;
  BuildBack();
}

void TCard::SetShowBack(bool back) {
  if (showBack_ == back) return;
  showBack_ = back;
  update();
}

QImage TCard::Picture() const { return PictureAt(1.0); }

QImage TCard::PictureAt(qreal pixels) const {
  if (showBack_) {
    if (pixels == 1.0) return back_;
    if (sharpBackPixels_ != pixels) {
      sharpBack_ = BackAt(pixels);
      sharpBackPixels_ = pixels;
    }
    return sharpBack_;
  }
  const QImage& face = CardDeck::FaceAt(15 * suit_ + rank_, pixels);
  if (!hilite_) return face;
  QImage lit = face.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < lit.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(lit.scanLine(y));
    for (int x = 0; x < lit.width(); ++x)
      if (line[x] == kPureWhite) line[x] = kHiliteGround;
  }
  return lit;
}

void TCard::paintEvent(QPaintEvent*) {
  // While painting is held the last picture stays, so a card that is being
  // changed in several steps never shows a half-changed face.
  // Drawn at the screen's own pixels: as many as the card has at its scale
  // and the screen's pixel ratio.
  QPainter p(this);
  // The painter's own scale holds the pixel ratio of what it paints on (the
  // screen, or a picture of the window).
  const qreal ratio = std::max(devicePixelRatioF(), std::abs(p.deviceTransform().m11()));
  const qreal pixels = scale_ * ratio;
  if (!holdPaint_ || shown_.isNull()) shown_ = PictureAt(std::abs(pixels - 1.0) < 0.01 ? 1.0 : pixels);
  if (shown_.size() == size()) {
    p.drawImage(0, 0, shown_);
  } else {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), shown_);
  }
}

void TCard::PressStep(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    if (turnable_) SetShowBack(!showBack_);
    return;
  }
  dragX_ = event->position().toPoint().x();
  dragY_ = event->position().toPoint().y();
  pressTime_ = CardDeck::Now();
  SetClicked(false);
}

void TCard::MoveStep(QMouseEvent* event) {
  if (!Dragging()) return;
  const QPoint at = event->position().toPoint();
  move(x() + at.x() - dragX_, y() + at.y() - dragY_);
  raise();
}

void TCard::ReleaseStep(QMouseEvent*) {
  SetClicked(CardDeck::Now() - pressTime_ < CardDeck::QuickClickMs());
  dragX_ = -1;
}

void TCard::mousePressEvent(QMouseEvent* event) { PressStep(event); }
void TCard::mouseMoveEvent(QMouseEvent* event) { MoveStep(event); }
void TCard::mouseReleaseEvent(QMouseEvent* event) { ReleaseStep(event); }
// A second quick press is an ordinary press, not a double click.
void TCard::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

}  // namespace quorval
