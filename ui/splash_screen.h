#pragma once
// TSplashScreen: the window that covers the screen while the program loads,
// with the title, tagline, credits and logo in a 650 x 500 panel at its
// centre. How long it stays up is the start-up's business.

#include <QRect>
#include <QWidget>

class QLabel;

namespace quorval {

class TSplashScreen : public QWidget {
  Q_OBJECT

 public:
  // Covers `screen` (the screen's geometry).
  explicit TSplashScreen(const QRect& screen);

  // Takes the screen's place and size and centres the inner panel on it.
  void PlaceOnScreen(const QRect& screen);
  QWidget* InnerPanel() const { return inner_; }
  QLabel* Title() const { return title_; }
  // The texts in `language` (the player's); set before the splash is shown.
  void SetLanguage(int language);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* inner_ = nullptr;
  QLabel* title_ = nullptr;
  class TMultiLang* lang_ = nullptr;
};

}  // namespace quorval
