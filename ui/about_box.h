#pragma once
// TAboutBox: the modal About window of the Help menu. Its labels (the
// program's version the last) are centred in the inner panel; a text too
// wide for the panel is measured with ever smaller fonts until it fits with
// a margin of 4 pixels.

#include <QDialog>
#include <QFont>

class QLabel;

namespace quorval {

inline constexpr int kAboutLabelMargin = 4;

// Where a label with `text` goes in a panel `panelWidth` wide: its left and
// width, and the font it was measured with (one point smaller each time the
// left edge came below the margin).
struct TLabelFit {
  int left = 0;
  int width = 0;
  QFont font;
};
TLabelFit FitCentred(const QString& text, const QFont& font, int panelWidth);

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  // Centres every label in the inner panel, in the order ProductName,
  // Comments, Label1, CreditLabel, Version, Label2, Label4, ProgramVersion.
  void PlaceLabels();
  // The texts in `language`, the labels placed again.
  void SetLanguage(int language);
  QWidget* InnerPanel() const { return inner_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* inner_ = nullptr;
  class TMultiLang* lang_ = nullptr;
};

}  // namespace quorval
