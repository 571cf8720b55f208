#include "ui/menu_bar_style.h"

#include <QPainter>
#include <QStyleOptionMenuItem>

#include "ui/multi_lang.h"

namespace quorval {
namespace {

constexpr int kGap = 4;  // between the picture and the title

int IconSize(const QStyle* style, const QWidget* widget) {
  return style->pixelMetric(QStyle::PM_SmallIconSize, nullptr, widget);
}

int TitleWidth(const QFontMetrics& fm, const QString& text) { return fm.horizontalAdvance(WithoutAccelerator(text)); }

}  // namespace

TMenuBarStyle::TMenuBarStyle() : QProxyStyle() {}

void TMenuBarStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (element != CE_MenuBarItem || !item || item->icon.isNull() || item->text.isEmpty()) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  // The ground (and the highlight of an open menu) as the base style draws
  // it for an empty item; then picture and title centred as one.
  QStyleOptionMenuItem ground = *item;
  ground.icon = QIcon();
  ground.text.clear();
  QProxyStyle::drawControl(element, &ground, painter, widget);

  const int iconSize = IconSize(this, widget);
  const QPixmap picture = item->icon.pixmap(QSize(iconSize, iconSize), painter->device()->devicePixelRatio(),
                                            (item->state & State_Enabled) ? QIcon::Normal : QIcon::Disabled);
  const QSize shown = picture.deviceIndependentSize().toSize();
  const int textWidth = TitleWidth(item->fontMetrics, item->text);
  const int total = shown.width() + kGap + textWidth;
  const QRect r = item->rect;
  const int x = r.left() + (r.width() - total) / 2;
  painter->drawPixmap(x, r.top() + (r.height() - shown.height()) / 2, picture);
  const bool active = (item->state & State_Selected) && (item->state & State_Sunken);
  const QRect textRect(x + shown.width() + kGap, r.top(), textWidth + 1, r.height());
  proxy()->drawItemText(painter, textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, item->palette,
                        item->state & State_Enabled, item->text,
                        active ? QPalette::HighlightedText : QPalette::ButtonText);
}

QSize TMenuBarStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                      const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (type != CT_MenuBarItem || !item || item->icon.isNull() || item->text.isEmpty())
    return QProxyStyle::sizeFromContents(type, option, size, widget);
  // The menu bar measured the picture alone; the title goes beside it.
  const QSize content(size.width() + kGap + TitleWidth(item->fontMetrics, item->text),
                      std::max(size.height(), item->fontMetrics.height()));
  return QProxyStyle::sizeFromContents(type, option, content, widget);
}

}  // namespace quorval
