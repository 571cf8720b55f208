#pragma once
// TGetHand: the modal board chooser opened by "Go to Hand" and past board 27.
// The user picks the event kind, the session and one of 27 boards; boards the
// player has played are coloured. It only returns the choice.

#include <QColor>
#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "core/board_key.h"

class QRadioButton;
class QLabel;
class QPushButton;

namespace quorval {

// True when the current player has a result filed for (event kind "Imp" or
// "Par", two-digit session, board 1..27).
using BoardPlayedFn = std::function<bool(const std::string& event, const std::string& session, int board)>;

// How many boards an event has (27, fewer for a short event, 0 for one the
// event set does not hold).
using EventBoardsFn = std::function<int(const std::string& event, const std::string& session)>;

class TBoardButton;
class TMultiLang;

class TGetHand : public QDialog {
  Q_OBJECT

 public:
  // `event` and `session` are the table's current ones ("Par", "12");
  // `playedColour` is the colour for played boards (skin colour 4).
  // `boards`, when given, limits the choice to the events and boards the
  // event set holds; without it every event has 27 boards.
  TGetHand(QWidget* parent, const std::string& event, const std::string& session,
           BoardPlayedFn played, const QColor& playedColour, EventBoardsFn boards = {});

  std::string ChosenEvent() const { return chosenEvent_; }
  std::string ChosenSession() const { return chosenSession_; }
  // The board clicked (1..27); 0 when the chooser was cancelled.
  int ChosenBoard() const { return chosenBoard_; }

  // Controls, for the table's translations and for tests.
  QRadioButton* ImpButton() const { return imp_; }
  QRadioButton* MpButton() const { return mp_; }
  QRadioButton* SessionButton(int n) const { return sessions_[n - 1]; }  // 1..18
  TBoardButton* BoardButton(int n) const { return boards_[n - 1]; }       // 1..27
  QPushButton* CancelButton() const { return cancel_; }
  bool BoardShownPlayed(int n) const;

  // The chooser's texts in `language` (the interface language of the table).
  void SetLanguage(int language);

  void EventRGClick(bool imp);
  void SesRGClick(int session);
  void SetupHandButtons();
  void HandClick(int board);

 private:
  std::string chosenEvent_;
  std::string chosenSession_;
  int chosenBoard_ = 0;
  int BoardsIn(const std::string& event, int session) const;
  // The first session of the kind that has boards, or `wanted` when it has.
  int SessionWithBoards(const std::string& event, int wanted) const;

  BoardPlayedFn played_;
  EventBoardsFn boardsIn_;
  QColor playedColour_;
  QRadioButton* imp_ = nullptr;
  QRadioButton* mp_ = nullptr;
  std::array<QRadioButton*, 18> sessions_{};   // see ui/session_controls.h
  std::array<TBoardButton*, kBoardsPerEvent> boards_{};
  QLabel* handLabel_ = nullptr;
  QPushButton* cancel_ = nullptr;
  TMultiLang* lang_ = nullptr;
};

// A board button: a raised panel that sinks while pressed.
class TBoardButton : public QWidget {
  Q_OBJECT

 public:
  TBoardButton(QWidget* parent, int number);
  int Number() const { return number_; }
  void SetColours(const QColor& face, const QColor& text);
  QColor FaceColour() const { return face_; }
  QColor TextColour() const { return text_; }
  bool Pressed() const { return pressed_; }

 signals:
  void clicked(int number);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int number_;
  QColor face_, text_;
  bool pressed_ = false;
};

}  // namespace quorval
