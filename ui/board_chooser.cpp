#include "ui/board_chooser.h"

#include <QGroupBox>
#include <algorithm>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <qdrawutil.h>

#include "ui/multi_lang.h"
#include "ui/session_controls.h"

namespace quorval {

namespace {

constexpr int kBoardW = 32, kBoardH = 20;

}  // namespace

TGetHand::TGetHand(QWidget* parent, const std::string& event, const std::string& session, BoardPlayedFn played,
                   const QColor& playedColour, EventBoardsFn boards)
    : QDialog(parent), played_(std::move(played)), boardsIn_(std::move(boards)), playedColour_(playedColour) {
  setWindowTitle(tr("Click the hand you want to play next"));
  setModal(true);
  setFixedSize(440, 206);

  auto* eventRG = new QGroupBox(tr("Scoring Method"), this);
  eventRG->setObjectName("EventRG");
  eventRG->setGeometry(8, 6, 96, 76);
  imp_ = new QRadioButton(tr("IMP"), eventRG);
  imp_->setObjectName("IMP");
  imp_->setGeometry(10, 22, 80, 20);
  mp_ = new QRadioButton(tr("MP"), eventRG);
  mp_->setObjectName("MP");
  mp_->setGeometry(10, 46, 80, 20);
  connect(imp_, &QRadioButton::clicked, this, [this] { EventRGClick(true); });
  connect(mp_, &QRadioButton::clicked, this, [this] { EventRGClick(false); });

  auto* sesRG = new QGroupBox(tr("Session"), this);
  sesRG->setObjectName("SesRG");
  sesRG->setGeometry(112, 6, 320, 76);
  sessions_ = MakeSessionButtons(sesRG, 22, [this](int n) { SesRGClick(n); });

  for (int n = 1; n <= kBoardsPerEvent; ++n) {
    auto* b = new TBoardButton(this, n);
    b->move(68 + ((n - 1) % 9) * 34, 94 + ((n - 1) / 9) * 26);
    connect(b, &TBoardButton::clicked, this, [this](int board) { HandClick(board); });
    boards_[size_t(n - 1)] = b;
  }

  // Closing without a board: the table stays as it is.
  cancel_ = new QPushButton(tr("Cancel"), this);
  cancel_->setObjectName("CancelBtn");
  cancel_->setGeometry(440 - 8 - 88, 172, 88, 26);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  handLabel_ = new QLabel(this);
  handLabel_->setObjectName("HandLabel");
  handLabel_->hide();

  // FormShow: the table's event and session are the starting choice. A kind
  // of event the set does not hold cannot be chosen.
  imp_->setEnabled(SessionWithBoards("Imp", 1) > 0);
  mp_->setEnabled(SessionWithBoards("Par", 1) > 0);
  chosenEvent_ = event == "Imp" ? "Imp" : "Par";
  if (!(chosenEvent_ == "Imp" ? imp_ : mp_)->isEnabled() && (chosenEvent_ == "Imp" ? mp_ : imp_)->isEnabled())
    chosenEvent_ = chosenEvent_ == "Imp" ? "Par" : "Imp";
  const int s = std::max(1, SessionWithBoards(chosenEvent_, SessionNumber(session, chosenEvent_ == "Par")));
  chosenSession_ = SessionText(s);
  (chosenEvent_ == "Imp" ? imp_ : mp_)->setChecked(true);
  ShowSessions(sessions_, chosenEvent_ == "Par", s);
  SetupHandButtons();
  lang_ = new TMultiLang(this, QStringLiteral("board_chooser"));
}

int TGetHand::BoardsIn(const std::string& event, int session) const {
  return boardsIn_ ? boardsIn_(event, SessionText(session)) : kBoardsPerEvent;
}

int TGetHand::SessionWithBoards(const std::string& event, int wanted) const {
  if (BoardsIn(event, wanted) > 0) return wanted;
  for (int s = 1; s <= (event == "Par" ? 18 : 9); ++s)
    if (BoardsIn(event, s) > 0) return s;
  return 0;
}

void TGetHand::SetLanguage(int language) { lang_->SetActiveLanguage(language); }

void TGetHand::EventRGClick(bool imp) {
  chosenEvent_ = imp ? "Imp" : "Par";
  (imp ? imp_ : mp_)->setChecked(true);
  const int s = std::max(1, SessionWithBoards(chosenEvent_, 1));
  chosenSession_ = SessionText(s);
  ShowSessions(sessions_, !imp, s);
  SetupHandButtons();
}

void TGetHand::SesRGClick(int session) {
  if (session >= 1 && session <= 18 && sessions_[size_t(session - 1)]->isEnabled()) {
    chosenSession_ = SessionText(session);
    sessions_[size_t(session - 1)]->setChecked(true);
  }
  SetupHandButtons();
}

void TGetHand::SetupHandButtons() {
  // Sessions the set does not hold are greyed, like sessions 10 to 18 of
  // the IMP events.
  for (int n = 1; n <= 18; ++n)
    if (BoardsIn(chosenEvent_, n) == 0) sessions_[size_t(n - 1)]->setEnabled(false);
  const int count = BoardsIn(chosenEvent_, SessionNumber(chosenSession_, chosenEvent_ == "Par"));
  const QColor face = palette().color(QPalette::Button);
  for (TBoardButton* b : boards_) {
    const bool played = played_ && played_(chosenEvent_, chosenSession_, b->Number());
    const bool held = b->Number() <= count;
    if (played && held)
      b->SetColours(playedColour_, Qt::white);
    else
      b->SetColours(face, held ? Qt::black : palette().color(QPalette::Disabled, QPalette::ButtonText));
    b->setEnabled(held);
  }
}

bool TGetHand::BoardShownPlayed(int n) const {
  if (n < 1 || n > kBoardsPerEvent) return false;
  const TBoardButton* b = boards_[size_t(n - 1)];
  return b->TextColour() == QColor(Qt::white) && b->FaceColour() == playedColour_;
}

void TGetHand::HandClick(int board) {
  if (board < 1 || board > kBoardsPerEvent || !boards_[size_t(board - 1)]->isEnabled()) return;
  chosenBoard_ = board;
  handLabel_->setText(QString::number(board));
  accept();
}

TBoardButton::TBoardButton(QWidget* parent, int number) : QWidget(parent), number_(number) {
  setObjectName(QStringLiteral("p%1").arg(number));
  resize(kBoardW, kBoardH);
  setCursor(Qt::PointingHandCursor);
}

void TBoardButton::SetColours(const QColor& face, const QColor& text) {
  face_ = face;
  text_ = text;
  update();
}

void TBoardButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), face_);
  qDrawShadePanel(&p, rect(), palette(), pressed_, 2);
  p.setPen(text_);
  p.drawText(rect(), Qt::AlignCenter, QString::number(number_));
}

// Pressing sinks the panel 2 pixels right and down, like a push button.
void TBoardButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || pressed_) return;
  pressed_ = true;
  move(pos() + QPoint(2, 2));
  update();
}

void TBoardButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  move(pos() - QPoint(2, 2));
  update();
  if (rect().contains(event->position().toPoint())) emit clicked(number_);
}

}  // namespace quorval
