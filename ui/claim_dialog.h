#pragma once
// TClaimDialog: the user's claim, how many of the tricks left their side
// takes (from none to all of them). The table judges it; the dialog only asks.

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;
class QSpinBox;

namespace quorval {

class TClaimDialog : public QDialog {
  Q_OBJECT

 public:
  // The dialog in `language` (its word list "claim"), offering 0 to
  // `tricksLeft` tricks, all of them at first.
  TClaimDialog(QWidget* parent, int tricksLeft, int language);

  // Opens the dialog modally: the tricks claimed, nothing when cancelled.
  static std::optional<int> Ask(QWidget* parent, int tricksLeft, int language);

  int Tricks() const;
  QSpinBox* TricksBox() const { return tricks_; }
  QPushButton* OkButton() const { return ok_; }

 private:
  QLabel* question_ = nullptr;
  QSpinBox* tricks_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace quorval
