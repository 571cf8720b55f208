#pragma once
// The colour skin on a window. Every window of the program paints itself in
// the eight colours of the current skin (TOption::SkinColors) when it is
// shown: the window's ground takes colour 0, and each widget takes the colour
// its tag names (0 to 7); tag 99, or any other tag, keeps the widget's own
// colour. A widget without a tag has tag 0.
//
// What the skin touches, by kind of widget:
//   gradient panel (TGradientPanel)        colours 6 and 7, whatever its tag;
//   plain panel (QWidget, QFrame)          its ground, painted;
//   group box, label, list, bidding box    its ground (a label that does not
//                                          paint its ground keeps showing the
//                                          panel behind it);
//   anything else (buttons, cards, grids)  nothing.
// Panels, group boxes, page controls and splitters are looked into; other widgets'
// inner parts (the buttons of the bidding box, say) are theirs and left alone.
// A widget may name its kind with the property "skinKind": "panel",
// "coloured", "gradient" or "other".

#include <QColor>
#include <QFrame>

#include "data/colours.h"

namespace quorval {

inline constexpr int kKeepColourTag = 99;

void SetTag(QWidget* widget, int tag);
int Tag(const QWidget* widget);

enum class TSkinKind { Gradient, Panel, Coloured, Other };
TSkinKind SkinKindOf(const QWidget* widget);

// A panel painted from its start colour at the top to its end colour at the
// bottom, under its frame.
class TGradientPanel : public QFrame {
  Q_OBJECT

 public:
  explicit TGradientPanel(QWidget* parent = nullptr);
  void SetGradient(const QColor& start, const QColor& end);
  QColor StartColor() const { return start_; }
  QColor EndColor() const { return end_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor start_{166, 202, 240};
  QColor end_{0, 128, 128};
};

// Paints `window` and the widgets it holds in `colours` (see above); with
// `repaint` the window is drawn again at once.
void ApplySkinToWindow(QWidget* window, const TSkinColors& colours, bool repaint);

// Black or white, whichever reads better on `ground`.
QColor TextColourOn(const QColor& ground);

}  // namespace quorval
