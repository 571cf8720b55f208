#include "ui/skin.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>

#include "ui/colour_ref.h"

namespace quorval {
namespace {

constexpr const char* kTagProperty = "tag";
constexpr const char* kKindProperty = "skinKind";

bool IsExactly(const QWidget* w, const QMetaObject& meta) { return w->metaObject() == &meta; }

// The widgets whose children belong to the window as much as they do.
bool IsContainer(const QWidget* w, TSkinKind kind) {
  if (kind == TSkinKind::Panel || kind == TSkinKind::Gradient) return true;
  return qobject_cast<const QGroupBox*>(w) || qobject_cast<const QTabWidget*>(w) ||
         qobject_cast<const QSplitter*>(w) || IsExactly(w, QStackedWidget::staticMetaObject);
}

void SetGround(QWidget* w, const QColor& ground, bool painted) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, ground);
  if (qobject_cast<QAbstractItemView*>(w)) p.setColor(QPalette::Base, ground);
  // A widget that paints its ground gets text that reads on it; one that
  // does not shows its text on what lies behind it.
  const QWidget* behind = painted || !w->parentWidget() ? nullptr : w->parentWidget();
  const QColor textGround = behind ? behind->palette().color(QPalette::Window) : ground;
  p.setColor(QPalette::WindowText, TextColourOn(textGround));
  if (qobject_cast<QAbstractItemView*>(w)) p.setColor(QPalette::Text, TextColourOn(ground));
  w->setPalette(p);
  if (painted) w->setAutoFillBackground(true);
}

void Walk(QWidget* parent, const TSkinColors& colours) {
  for (QObject* child : parent->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (!w || w->isWindow()) continue;
    const TSkinKind kind = SkinKindOf(w);
    const int tag = Tag(w);
    const bool slotted = tag >= 0 && tag <= 7;
    switch (kind) {
      case TSkinKind::Gradient:
        if (auto* g = qobject_cast<TGradientPanel*>(w))
          g->SetGradient(FromColourRef(uint32_t(colours[6])), FromColourRef(uint32_t(colours[7])));
        break;
      case TSkinKind::Panel:
        if (slotted) SetGround(w, FromColourRef(uint32_t(colours[tag])), true);
        break;
      case TSkinKind::Coloured:
        if (slotted) {
          // A label paints its ground only when it was made to; a group box,
          // a list and the bidding box always do.
          const bool painted = !qobject_cast<QLabel*>(w) || w->autoFillBackground();
          SetGround(w, FromColourRef(uint32_t(colours[tag])), painted);
        }
        break;
      case TSkinKind::Other:
        break;
    }
    if (IsContainer(w, kind)) Walk(w, colours);
  }
}

}  // namespace

void SetTag(QWidget* widget, int tag) { widget->setProperty(kTagProperty, tag); }

int Tag(const QWidget* widget) {
  const QVariant v = widget->property(kTagProperty);
  return v.isValid() ? v.toInt() : 0;
}

TSkinKind SkinKindOf(const QWidget* w) {
  const QString named = w->property(kKindProperty).toString();
  if (named == QLatin1String("panel")) return TSkinKind::Panel;
  if (named == QLatin1String("coloured")) return TSkinKind::Coloured;
  if (named == QLatin1String("gradient")) return TSkinKind::Gradient;
  if (named == QLatin1String("other")) return TSkinKind::Other;
  if (qobject_cast<const TGradientPanel*>(w)) return TSkinKind::Gradient;
  if (qobject_cast<const QGroupBox*>(w) || qobject_cast<const QLabel*>(w) ||
      qobject_cast<const QAbstractItemView*>(w))
    return TSkinKind::Coloured;
  if (IsExactly(w, QWidget::staticMetaObject) || IsExactly(w, QFrame::staticMetaObject)) return TSkinKind::Panel;
  return TSkinKind::Other;
}

TGradientPanel::TGradientPanel(QWidget* parent) : QFrame(parent) {}

void TGradientPanel::SetGradient(const QColor& start, const QColor& end) {
  start_ = start;
  end_ = end;
  // Widgets on the panel read their ground from the palette: the middle of
  // the gradient stands for it.
  QPalette p = palette();
  const QColor middle((start.red() + end.red()) / 2, (start.green() + end.green()) / 2,
                      (start.blue() + end.blue()) / 2);
  p.setColor(QPalette::Window, middle);
  p.setColor(QPalette::WindowText, TextColourOn(middle));
  setPalette(p);
  update();
}

void TGradientPanel::paintEvent(QPaintEvent* event) {
  {
    QPainter p(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, start_);
    gradient.setColorAt(1, end_);
    p.fillRect(rect(), gradient);
  }
  QFrame::paintEvent(event);
}

void ApplySkinToWindow(QWidget* window, const TSkinColors& colours, bool repaint) {
  if (!window) return;
  const QColor ground = FromColourRef(uint32_t(colours[0]));
  QPalette p = window->palette();
  p.setColor(QPalette::Window, ground);
  p.setColor(QPalette::WindowText, TextColourOn(ground));
  window->setPalette(p);
  window->setAutoFillBackground(true);
  Walk(window, colours);
  if (repaint) window->repaint();
}

QColor TextColourOn(const QColor& ground) {
  // Perceived brightness (ITU-R BT.601 weights) on a 0..255 scale.
  const int brightness = (299 * ground.red() + 587 * ground.green() + 114 * ground.blue()) / 1000;
  return brightness < 110 ? QColor(Qt::white) : QColor(Qt::black);
}

}  // namespace quorval
