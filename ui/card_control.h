#pragma once
// TCard: one playing card at 71 x 95 pixels, face up or down, drawn from the
// shared deck strip. It knows nothing of bidding or play; its owners decide
// what a click means.

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "core/types.h"

namespace quorval {

inline constexpr int kCardWidth = 71;
inline constexpr int kCardHeight = 95;
inline constexpr int kDeckCells = 75;
inline constexpr int kFirstBackCell = 60;
inline constexpr int kBackDesigns = 15;

// The deck images shared by every card: the face list (honour letters
// localised) and the deck list (as loaded, backs come from here).
namespace CardDeck {
// Loads the compiled-in deck and honour strips once. Safe to call again.
// Returns false (and leaves plain white cells) when an image is missing or
// has the wrong size.
bool Load();
// Loads from given images instead (tests, or another deck); false when the
// deck is not 5325 x 95 or the honour strip is smaller than 43 x 120.
bool LoadFrom(const QImage& deck, const QImage& honours);
bool IsLoaded();
// Cell i of the face list (0..74); a white card for an index out of range.
const QImage& Face(int cell);
// Cell i of the deck list, never localised.
const QImage& DeckCell(int cell);
// Cell i drawn `pixels` times as large (a face with the honour letters of the
// language in use), made once by the deck painter and kept; at 1, Face(i).
const QImage& FaceAt(int cell, qreal pixels);
// Back design d drawn `pixels` times as large.
QImage BackAt(int design, qreal pixels);
// Rewrites the Jack, Queen, King and Ace faces with the honour letters of the
// language (0..7). The effect is shared by all cards.
void LocaliseHonours(int language);
int HonourLanguage();
// A press shorter than this (half the double-click time) is a quick click.
int QuickClickMs();
// Milliseconds clock used for the quick-click test; replaceable for tests.
void SetClock(std::function<int64_t()> clock);
int64_t Now();
// The names of the fifteen back designs, "Red Checks" .. "Traffic Light".
const char* BackDesignName(int design);
}  // namespace CardDeck

enum TOrientation { poPortrait, poLandscape };

class TCard : public QWidget {
  Q_OBJECT

 public:
  explicit TCard(QWidget* owner);

  int BackDesign() const { return backDesign_; }
  void SetBackDesign(int design);
  // -1: the design's own colours; otherwise a 0x00BBGGRR colour replacing the
  // design's ground colour (the colour at pixel (10, 3) of the back).
  int64_t BackColor() const { return backColor_; }
  void SetBackColor(int64_t colour);
  bool Hilite() const { return hilite_; }
  void SetHilite(bool on);
  TRank Rank() const { return rank_; }
  void SetRank(TRank rank);
  int Language() const { return language_; }
  void SetLanguage(int language);
  bool HoldPaint() const { return holdPaint_; }
  void SetHoldPaint(bool hold);
  bool Clicked() const { return clicked_; }
  void SetClicked(bool clicked);
  TOrientation Orientation() const { return orientation_; }
  void SetOrientation(TOrientation o);
  bool Played() const { return played_; }
  void SetPlayed(bool played) { played_ = played; }
  bool ShowBack() const { return showBack_; }
  void SetShowBack(bool back);
  bool Turnable() const { return turnable_; }
  void SetTurnable(bool turnable) { turnable_ = turnable; }
  TSuit Suit() const { return suit_; }
  void SetSuit(TSuit suit);

  // What a paint draws now: the back, the highlighted face or the face; at
  // `pixels` image pixels per pixel of the card at scale 1.
  QImage Picture() const;
  QImage PictureAt(qreal pixels) const;
  const QImage& BackImage() const { return back_; }
  // The card's size is its size at scale 1 (71 x 95, or turned) times the
  // scale of the table it lies on.
  qreal Scale() const { return scale_; }
  void SetScale(qreal scale);
  bool Dragging() const { return dragX_ >= 0; }
  void CancelDrag() { dragX_ = -1; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

  // The card's own mouse steps; descendants call them from their handlers.
  void PressStep(QMouseEvent* event);
  void MoveStep(QMouseEvent* event);
  void ReleaseStep(QMouseEvent* event);

 private:
  void BuildBack();
  void ReloadBack();
  void RecolourBack(int64_t colour);
  static void RecolourImage(QImage& image, int64_t colour, qreal pixels);
  QImage BackAt(qreal pixels) const;
  void SetOutline(int corner);

  int backDesign_ = 14;
  int64_t backColor_ = -1;
  bool hilite_ = false;
  TRank rank_ = 2;
  int language_ = 0;
  bool holdPaint_ = false;
  bool clicked_ = false;
  TOrientation orientation_ = poPortrait;
  bool played_ = false;
  bool showBack_ = false;
  bool turnable_ = false;
  TSuit suit_ = Club;

  QImage back_;
  QImage shown_;   // last picture painted
  qreal scale_ = 1.0;
  // The back drawn at the screen's pixels, kept until the back changes.
  mutable QImage sharpBack_;
  mutable qreal sharpBackPixels_ = 0;
  int dragX_ = -1, dragY_ = 0;
  int64_t pressTime_ = 0;
};

// Makes the compiled-in images (deck, honour letters) and word lists
// available; the program calls it once at start, before CardDeck::Load.
void InitUiResources();

}  // namespace quorval
