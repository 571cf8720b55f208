#pragma once
// A menu bar look in which a menu with a picture shows the picture and its
// title side by side (the Language menu shows the flag of the language in
// use); Qt's own styles show only the picture.

#include <QProxyStyle>

namespace quorval {

class TMenuBarStyle : public QProxyStyle {
  Q_OBJECT

 public:
  TMenuBarStyle();

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget = nullptr) const override;
};

}  // namespace quorval
