#pragma once
// TScaledLayout: one scale factor over a window's hand-placed widgets. It
// keeps the geometry and the font every widget under its root has at scale 1
// and sets them to that many times as large (fonts by their size, grids by
// their rows and columns), so a layout given in pixels fills a larger window
// whole. Cards are their owner's to place and size; what a Qt layout, a page
// control or a scroll area places inside itself is left to it.

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

namespace quorval {

class TScaledLayout {
 public:
  explicit TScaledLayout(QWidget* root) : root_(root) {}

  // Takes what the widgets are now as their look at scale 1. Call with the
  // layout at scale 1 (after Apply(1) and laying it out).
  void Remember();
  // Sets every remembered widget to `scale` times its look at scale 1.
  void Apply(qreal scale);
  qreal Scale() const { return scale_; }

  // A rectangle at scale 1 as it lies at `scale`: shared edges stay shared.
  static QRect Scaled(const QRect& r, qreal scale);

 private:
  struct Base {
    QPointer<QWidget> widget;
    QRect geometry;
    bool placed = false;   // placed by hand (not by a layout)
    QFont font;
    bool ownFont = false;
  };
  QWidget* root_;
  QFont rootFont_;
  std::vector<Base> bases_;
  qreal scale_ = 1.0;
};

// A font `scale` times the size of `font`.
QFont ScaledFont(QFont font, qreal scale);

}  // namespace quorval
