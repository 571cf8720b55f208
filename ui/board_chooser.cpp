#include "ui/board_chooser.h"

#include <QGroupBox>
#include <cctype>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <qdrawutil.h>

#include "ui/multi_lang.h"

namespace quorval {

namespace {

constexpr int kBoardW = 32, kBoardH = 20;

std::string TwoDigits(int n) {
  return std::string{char('0' + n / 10 % 10), char('0' + n % 10)};
}

}  // namespace

TGetHand::TGetHand(QWidget* parent, const std::string& event, const std::string& session, BoardPlayedFn played,
                   const QColor& playedColour)
    : QDialog(parent), played_(std::move(played)), playedColour_(playedColour) {
  setWindowTitle(tr("Click the hand you want to play next"));
  setModal(true);
  setFixedSize(440, 178);

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
  for (int n = 1; n <= 18; ++n) {
    auto* b = new QRadioButton(QString::number(n), sesRG);
    b->setObjectName(QStringLiteral("RadioButton%1").arg(n));
    b->setGeometry(8 + ((n - 1) % 9) * 34, n <= 9 ? 22 : 48, 34, 20);   // room for two digits
    b->setStyleSheet(QStringLiteral("QRadioButton { spacing: 0px; }"));
    connect(b, &QRadioButton::clicked, this, [this, n] { SesRGClick(n); });
    sessions_[size_t(n - 1)] = b;
  }

  for (int n = 1; n <= 27; ++n) {
    auto* b = new TBoardButton(this, n);
    b->move(68 + ((n - 1) % 9) * 34, 94 + ((n - 1) / 9) * 26);
    connect(b, &TBoardButton::clicked, this, [this](int board) { HandClick(board); });
    boards_[size_t(n - 1)] = b;
  }

  handLabel_ = new QLabel(this);
  handLabel_->setObjectName("HandLabel");
  handLabel_->hide();

  // FormShow: the table's event and session are the starting choice.
  chosenEvent_ = event == "Imp" ? "Imp" : "Par";
  int s = 1;
  if (session.size() == 2 && std::isdigit(static_cast<unsigned char>(session[0])) &&
      std::isdigit(static_cast<unsigned char>(session[1])))
    s = std::stoi(session);
  const int lastSession = chosenEvent_ == "Imp" ? 9 : 18;
  if (s < 1 || s > lastSession) s = 1;
  chosenSession_ = TwoDigits(s);
  (chosenEvent_ == "Imp" ? imp_ : mp_)->setChecked(true);
  for (int n = 1; n <= 18; ++n) sessions_[size_t(n - 1)]->setEnabled(n <= 9 || chosenEvent_ == "Par");
  sessions_[size_t(s - 1)]->setChecked(true);
  SetupHandButtons();
  lang_ = new TMultiLang(this, QStringLiteral("board_chooser"));
}

void TGetHand::SetLanguage(int language) { lang_->SetActiveLanguage(language); }

void TGetHand::EventRGClick(bool imp) {
  chosenEvent_ = imp ? "Imp" : "Par";
  (imp ? imp_ : mp_)->setChecked(true);
  chosenSession_ = "01";
  for (int n = 1; n <= 18; ++n) {
    sessions_[size_t(n - 1)]->setChecked(n == 1);
    sessions_[size_t(n - 1)]->setEnabled(n <= 9 || !imp);
  }
  SetupHandButtons();
}

void TGetHand::SesRGClick(int session) {
  if (session >= 1 && session <= 18 && sessions_[size_t(session - 1)]->isEnabled()) {
    chosenSession_ = TwoDigits(session);
    sessions_[size_t(session - 1)]->setChecked(true);
  }
  SetupHandButtons();
}

void TGetHand::SetupHandButtons() {
  const QColor face = palette().color(QPalette::Button);
  for (TBoardButton* b : boards_) {
    const bool played = played_ && played_(chosenEvent_, chosenSession_, b->Number());
    if (played)
      b->SetColours(playedColour_, Qt::white);
    else
      b->SetColours(face, Qt::black);
    b->setEnabled(true);
  }
}

bool TGetHand::BoardShownPlayed(int n) const {
  if (n < 1 || n > 27) return false;
  const TBoardButton* b = boards_[size_t(n - 1)];
  return b->TextColour() == QColor(Qt::white) && b->FaceColour() == playedColour_;
}

void TGetHand::HandClick(int board) {
  if (board < 1 || board > 27) return;
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
