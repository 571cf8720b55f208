#pragma once
// TPlayerName: asked once, at the first start of the program on a folder
// whose options file holds no player yet: the name the player's results are
// filed under, with the login name filled in. Automated runs never ask.

#include <QDialog>
#include <QString>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorval {

class TPlayerName : public QDialog {
  Q_OBJECT

 public:
  // The dialog in `language` (its word list "player_name"), the field
  // holding `suggested`.
  TPlayerName(QWidget* parent, const QString& suggested, int language);

  // Opens the dialog modally; the name typed, or `suggested` when the
  // dialog is closed without OK.
  static std::string Ask(const std::string& suggested, int language);

  // The name as it would be filed: the text typed without blanks at its ends.
  QString Name() const;
  QLineEdit* NameEdit() const { return edit_; }
  QPushButton* OkButton() const { return ok_; }

 private:
  // OK only for a name the options file can hold; the reason otherwise.
  void Check();

  QLineEdit* edit_ = nullptr;
  QLabel* refused_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace quorval
