#include "ui/scaled_layout.h"

#include <QAbstractScrollArea>
#include <algorithm>
#include <QLayout>
#include <QTabWidget>
#include <cmath>

#include "ui/bridge_grid.h"
#include "ui/card_control.h"

namespace quorval {
namespace {

// Widgets whose insides place themselves: a page control, a scroll area
// (the grids), a card.
bool PlacesItsOwnChildren(const QWidget* w) {
  return qobject_cast<const QTabWidget*>(w) || qobject_cast<const QAbstractScrollArea*>(w) ||
         qobject_cast<const TCard*>(w);
}

// Walks the hand-placed widgets under `parent`.
void Collect(QWidget* parent, std::vector<QWidget*>& out) {
  for (QObject* child : parent->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (!w || w->isWindow() || qobject_cast<TCard*>(w)) continue;
    out.push_back(w);
    if (!PlacesItsOwnChildren(w)) Collect(w, out);
  }
}

int Edge(int x, qreal scale) { return int(std::lround(x * scale)); }

}  // namespace

QFont ScaledFont(QFont font, qreal scale) {
  if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * scale);
  else if (font.pixelSize() > 0) font.setPixelSize(std::max(1, Edge(font.pixelSize(), scale)));
  return font;
}

QRect TScaledLayout::Scaled(const QRect& r, qreal scale) {
  if (scale == 1.0) return r;
  const int left = Edge(r.left(), scale), top = Edge(r.top(), scale);
  return QRect(left, top, Edge(r.left() + r.width(), scale) - left, Edge(r.top() + r.height(), scale) - top);
}

void TScaledLayout::Remember() {
  bases_.clear();
  rootFont_ = root_->font();
  std::vector<QWidget*> widgets;
  Collect(root_, widgets);
  for (QWidget* w : widgets) {
    Base b;
    b.widget = w;
    QWidget* parent = w->parentWidget();
    b.placed = !(parent && parent->layout() && parent->layout()->indexOf(w) >= 0);
    b.geometry = w->geometry();
    b.ownFont = w->testAttribute(Qt::WA_SetFont);
    b.font = w->font();
    bases_.push_back(b);
  }
  scale_ = 1.0;
}

void TScaledLayout::Apply(qreal scale) {
  if (scale <= 0) return;
  const qreal step = scale / scale_;
  root_->setFont(ScaledFont(rootFont_, scale));
  for (const Base& b : bases_) {
    if (!b.widget) continue;
    if (b.ownFont) b.widget->setFont(ScaledFont(b.font, scale));
    if (b.placed) b.widget->setGeometry(Scaled(b.geometry, scale));
  }
  // A widget with a style sheet keeps the font it was polished with: it
  // takes its parent's again.
  for (QWidget* w : root_->findChildren<QWidget*>())
    if (!w->styleSheet().isEmpty() && !qobject_cast<TCard*>(w) && w->parentWidget())
      w->setFont(w->parentWidget()->font());
  // The grids' rows and columns grow with their text.
  if (step != 1.0)
    for (TBridgeGrid* grid : root_->findChildren<TBridgeGrid*>()) {
      grid->SetDefaultRowHeight(std::max(1, Edge(grid->DefaultRowHeight(), step)));
      for (int c = 0; c < grid->ColCount(); ++c) grid->SetColWidth(c, std::max(1, Edge(grid->ColWidth(c), step)));
    }
  scale_ = scale;
}

}  // namespace quorval
