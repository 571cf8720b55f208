#pragma once
// TFormSummary: the modal "Result Summary" window, one row per session in
// which the current player has filed results: boards counted and, per
// stratum, the total of the user's figures and the session figure. It only
// reads; it can be resized and its grid follows.

#include <QDialog>
#include <string>

class QPushButton;
class QFrame;

namespace quorval {

class TBigIniFile;
class TBridgeGrid;
class TMultiLang;

class TFormSummary : public QDialog {
  Q_OBJECT

 public:
  // `gridColour` is skin colour 5.
  TFormSummary(QWidget* parent, const TBigIniFile& options, const std::string& player, int mpScoringSys,
               const QColor& gridColour);

  // The window's texts in `language`; the grid is built again with them.
  void SetLanguage(int language);
  // Builds the grid from the player's section.
  void ScorePageChange();
  TBridgeGrid* Grid() const { return grid_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QString Text(const char* label) const;

  const TBigIniFile& options_;
  std::string player_;
  int mpScoringSys_;
  bool firstShow_ = true;
  TMultiLang* lang_ = nullptr;
  QFrame* panel6_ = nullptr;
  TBridgeGrid* grid_ = nullptr;
  QPushButton* closeBtn_ = nullptr;
};

}  // namespace quorval
