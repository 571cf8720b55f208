#include "table/bidding_box.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

#include "ui/multi_lang.h"
#include "ui/symbol_text.h"

namespace quorval {

namespace {

const QColor kGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);
const QColor kPassGreen(0, 128, 0);
const QColor kDoubleRed(255, 0, 0);
const QColor kRedoubleBlue(0, 0, 255);
const QColor kActionTeal(0, 64, 64);
const QColor kSuggested(255, 255, 0), kSuggestedText(0, 0, 128);
const QColor kAlternative(255, 252, 196);

struct StrainColours {
  QColor face, text;
};
const StrainColours kStrainColours[5] = {{QColor(100, 255, 178), QColor(0, 128, 0)},
                                         {QColor(255, 178, 100), QColor(255, 76, 0)},
                                         {QColor(255, 178, 178), QColor(255, 0, 0)},
                                         {QColor(100, 178, 255), QColor(0, 0, 255)},
                                         {QColor(178, 178, 178), QColor(0, 0, 0)}};

const char* const kActionNames[6] = {"Pass", "XDbl", "XReDbl", "TakeBack", "Hint", "MakeBid"};
const QRect kActionRects[6] = {QRect(3, 218, 173, 25), QRect(3, 245, 85, 25), QRect(91, 245, 85, 25),
                               QRect(3, 272, 85, 25),  QRect(91, 272, 85, 25), QRect(3, 299, 173, 25)};

}  // namespace

// ----- TBoxButton --------------------------------------------------------

TBoxButton::TBoxButton(QWidget* parent, const QString& name) : QWidget(parent) {
  setObjectName(name);
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TBoxButton::SetFontSize(int size) {
  QFont f = font();
  f.setPointSize(size);
  setFont(f);
  update();
}

void TBoxButton::SetSunk(bool sunk) {
  if (sunk_ == sunk) return;
  sunk_ = sunk;
  update();
}

void TBoxButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), sunk_ ? face_.darker(135) : face_);
  qDrawShadePanel(&p, rect(), palette(), lowered_ || sunk_, 2);
  // A face too wide for the button (a two-letter no-trump mark at the large
  // size, a long caption such as Danish "Tag tilbage") is drawn smaller until
  // it fits with a little room inside the bevel.
  QFont f = font();
  const QString plain = QString(caption_).remove(QLatin1Char('&'));
  const int room = width() - (width() >= 60 ? 10 : 4);   // the bid buttons are narrow
  while (QFontMetrics(f).horizontalAdvance(plain) > room && f.pointSizeF() > 6)
    f.setPointSizeF(f.pointSizeF() - 0.5);
  p.setFont(f);
  p.setPen(text_);
  // "&" marks the next character as the keyboard accelerator: underlined.
  QString shown = caption_;
  const int amp = shown.indexOf(QLatin1Char('&'));
  if (amp >= 0 && amp + 1 < shown.size()) shown.remove(amp, 1);
  const QFontMetrics fm(f);
  int x = (width() - fm.horizontalAdvance(shown)) / 2;
  const int baseline = (height() + fm.ascent() - fm.descent()) / 2;
  p.drawText(x, baseline, shown);
  if (amp >= 0 && amp < shown.size()) {
    x += fm.horizontalAdvance(shown.left(amp));
    p.drawLine(x, baseline + 2, x + fm.horizontalAdvance(shown.at(amp)) - 1, baseline + 2);
  }
}

void TBoxButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  lowered_ = true;
  // The face shifts right while pressed.
  caption_ = QLatin1Char(' ') + caption_;
  update();
  emit pressed(this);
}

void TBoxButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !lowered_) return;
  lowered_ = false;
  if (caption_.size() > 1 && caption_.startsWith(QLatin1Char(' '))) caption_.remove(0, 1);
  update();
  if (rect().contains(event->position().toPoint())) emit clicked(this);
}

// ----- TBidBoxEuro -------------------------------------------------------

TBidBoxEuro::TBidBoxEuro(QWidget* owner) : QFrame(owner) {
  resize(180, 327);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(2);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0, 128, 128));
  setPalette(pal);

  top_ = new QFrame(this);
  top_->setObjectName("BidTopPanel");
  top_->setGeometry(2, 2, 176, 25);
  top_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  top_->setLineWidth(2);
  top_->setAutoFillBackground(true);
  QPalette topPal = top_->palette();
  topPal.setColor(QPalette::Window, QColor(212, 208, 200));
  // The title is dark on its light grey whatever the box's own ground: the
  // skin gives the box white text for its dark colours, and that must not
  // reach the title.
  topPal.setColor(QPalette::WindowText, Qt::black);
  top_->setPalette(topPal);
  auto* title = new QLabel(QStringLiteral(" Bid Box"), top_);
  title->setObjectName("BidTopCaption");
  title->setGeometry(3, 3, 110, 19);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  who_ = new QLabel(QStringLiteral("South"), top_);
  who_->setObjectName("WhoBidsLabel");
  who_->setGeometry(116, 6, 56, 16);
  who_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  who_->setFont(bold);
  who_->setStyleSheet(QStringLiteral("color: rgb(0, 0, 128);"));
  who_->setProperty("tag", 99);

  for (int s = 0; s < 5; ++s)
    for (int n = 1; n <= 7; ++n) {
      auto* b = new TBoxButton(this, QString(QLatin1Char(kStrainLetters[s])) + QString::number(n));
      b->setGeometry(143 - 35 * s, 27 * n, 33, 25);
      b->setProperty("tag", s + 5 * n);
      b->SetColours(kStrainColours[s].face, kStrainColours[s].text);
      b->SetFontSize(11);
      connect(b, &TBoxButton::pressed, this, [this](TBoxButton* self) { selected_ = self->objectName(); });
      connect(b, &TBoxButton::clicked, this, [this](TBoxButton* self) { ButtonClicked(self); });
      bids_[s][n - 1] = b;
    }
  QFont actionFont(QStringLiteral("DejaVu Sans"));
  actionFont.setPointSize(10);
  actionFont.setBold(true);
  for (int a = 0; a < 6; ++a) {
    auto* b = new TBoxButton(this, QString::fromLatin1(kActionNames[a]));
    b->setGeometry(kActionRects[a]);
    b->setProperty("tag", 40 + a);
    b->setFont(actionFont);
    connect(b, &TBoxButton::pressed, this, [this](TBoxButton* self) { selected_ = self->objectName(); });
    connect(b, &TBoxButton::clicked, this, [this](TBoxButton* self) { ButtonClicked(self); });
    actions_[a] = b;
  }
  captions_ = {QStringLiteral("&Pass"), QStringLiteral("&XDbl"), QStringLiteral("&XRDbl"),
               QStringLiteral("&Take Back"), QStringLiteral("&Hint"), QStringLiteral("&Make Bid")};
  hints_ = QStringList(6, QString());
  actions_[baPass]->SetColours(kPassGreen, kWhite);
  actions_[baTakeBack]->SetColours(kActionTeal, kWhite);
  actions_[baHint]->SetColours(kActionTeal, kWhite);
  actions_[baMakeBid]->SetColours(kActionTeal, kWhite);
  Relabel(false);
  PrepareForCall(QStringLiteral("South"), 0, NT, false, 0, 0);
  lang_ = new TMultiLang(this, QStringLiteral("bidding_box"),
                         std::vector<WindowText>{{"RefusedCall", QStringLiteral("%1 is not among the stored auctions of "
                                                                                "this board: Hint shows the calls you can "
                                                                                "make; Free Bidding lets you make any call")}});
}

QString TBidBoxEuro::RefusedCallText(const QString& call) const { return lang_->Text("RefusedCall").arg(call); }

void TBidBoxEuro::SetLanguage(int language) {
  language_ = language;
  lang_->SetActiveLanguage(language);
}

TBoxButton* TBidBoxEuro::ButtonFor(CallCode code) const {
  switch (code) {
    case Redouble: return actions_[baRedouble];
    case Double: return actions_[baDouble];
    case Pass: return actions_[baPass];
    default: return IsBid(code) ? bids_[StrainOf(code)][LevelOf(code) - 1] : nullptr;
  }
}

void TBidBoxEuro::SetBidder(const QString& seatName) {
  who_->setText(seatName + QLatin1Char(' '));
  // The title keeps its caption (translated by the box's word list) after a blank.
  if (auto* title = top_->findChild<QLabel*>("BidTopCaption")) title->setText(QLatin1Char(' ') + title->text().trimmed());
}

void TBidBoxEuro::PaintDoubles() {
  actions_[baDouble]->SetColours(actions_[baDouble]->isEnabled() ? kDoubleRed : kGrey, kWhite);
  actions_[baRedouble]->SetColours(actions_[baRedouble]->isEnabled() ? kRedoubleBlue : kGrey, kWhite);
}

void TBidBoxEuro::ShowTypedLevel(int level) {
  typedLevel_ = level >= 1 && level <= 7 ? level : 0;
  for (int s = 0; s < 5; ++s)
    for (int n = 1; n <= 7; ++n) bids_[s][n - 1]->SetSunk(n == typedLevel_);
}

void TBidBoxEuro::PrepareForCall(const QString& seatName, int highestLevel, tAllTrump highestStrain,
                                 bool byOpponent, int doubleState, int callsMade) {
  SetBidder(seatName);
  ShowTypedLevel(0);
  ResetColours();
  for (int s = 0; s < 5; ++s)
    for (int n = 1; n <= 7; ++n) {
      const bool gone = n < highestLevel || (n == highestLevel && s <= highestStrain);
      bids_[s][n - 1]->setVisible(!gone);
    }
  actions_[baDouble]->setEnabled(false);
  actions_[baRedouble]->setEnabled(false);
  if (highestLevel > 0 && doubleState != 2) {
    if (byOpponent)
      actions_[baDouble]->setEnabled(doubleState == 0);
    else
      actions_[baRedouble]->setEnabled(doubleState == 1);
  }
  PaintDoubles();
  TBoxButton* takeBack = actions_[baTakeBack];
  takeBack->setEnabled(callsMade > 3);
  takeBack->SetColours(takeBack->Face(), callsMade > 3 ? kWhite : kGrey);
}

void TBidBoxEuro::PrepareFromAuction(const Auction& auction, const QString& seatName) {
  const Seat bidder = auction.SeatToAct();
  int level = 0;
  tAllTrump strain = NT;
  bool byOpponent = false;
  if (IsBid(auction.lastBid)) {
    level = LevelOf(auction.lastBid);
    strain = StrainOf(auction.lastBid);
    // The seat that made the highest bid: walk back to it.
    for (size_t i = auction.calls.size(); i-- > 0;)
      if (auction.calls[i] == auction.lastBid) {
        const Seat bidSeat = Seat((auction.dealer + int(i)) & 3);
        byOpponent = !SameSide(bidSeat, bidder);
        break;
      }
  }
  PrepareForCall(seatName, level, strain, byOpponent, auction.DoubledCount, int(auction.calls.size()));
}

void TBidBoxEuro::MarkCall(CallCode code, int kind) {
  TBoxButton* b = ButtonFor(code);
  if (!b) return;
  if (kind == 1) {
    b->SetColours(kSuggested, kSuggestedText);
    return;
  }
  if (kind == 2) {
    b->SetColours(kAlternative, Qt::black);
    return;
  }
  switch (code) {
    case Redouble: b->SetColours(b->isEnabled() ? kRedoubleBlue : kGrey, kWhite); break;
    case Double: b->SetColours(b->isEnabled() ? kDoubleRed : kGrey, kWhite); break;
    case Pass: b->SetColours(kPassGreen, kWhite); break;
    default: b->SetColours(kStrainColours[StrainOf(code)].face, kStrainColours[StrainOf(code)].text);
  }
}

void TBidBoxEuro::MarkAlternatives(const QStringList& codes) {
  for (const QString& c : codes) {
    bool ok = false;
    const int code = c.trimmed().toInt(&ok);
    if (ok) MarkCall(code, 2);
  }
}

void TBidBoxEuro::ResetColours() {
  for (CallCode c = 0; c <= 37; ++c) MarkCall(c, 0);
}

void TBidBoxEuro::SetMakeBidEnabled(bool on) {
  actions_[baMakeBid]->setEnabled(on);
  actions_[baMakeBid]->SetColours(on ? kPassGreen : kGrey, kWhite);
}

void TBidBoxEuro::SetActionCaptions(const QStringList& captions) {
  for (int a = 0; a < 6 && a < captions.size(); ++a) captions_[a] = captions[a];
  Relabel(false);
}

void TBidBoxEuro::SetActionHints(const QStringList& hints) {
  for (int a = 0; a < 6 && a < hints.size(); ++a) hints_[a] = hints[a];
  Relabel(false);
}

void TBidBoxEuro::Relabel(bool compact) {
  const int size = compact ? 9 : 11;
  for (int s = 0; s < 5; ++s)
    for (int n = 1; n <= 7; ++n) {
      TBoxButton* b = bids_[s][n - 1];
      QFont f(s == NT ? NoTrumpFontName() : SuitFontName());
      f.setPointSize(size);
      f.setBold(s == NT);
      b->setFont(f);
      b->SetCaption(QString::number(n) + StrainGlyph(QLatin1Char(kStrainLetters[s]), language_));
    }
  for (int a = 0; a < 6; ++a) {
    TBoxButton* b = actions_[a];
    QFont f = b->font();
    f.setPointSize(compact ? 9 : 10);
    b->setFont(f);
    b->SetCaption(captions_.value(a));
    b->setToolTip(hints_.value(a));
  }
}

void TBidBoxEuro::ButtonClicked(TBoxButton* button) {
  selected_ = button->objectName().left(2);
  emit OnClick(selected_);
  for (int a = 0; a < 6; ++a) {
    if (actions_[a] != button) continue;
    switch (a) {
      case baPass: emit CallClicked(Pass); break;
      case baDouble: emit CallClicked(Double); break;
      case baRedouble: emit CallClicked(Redouble); break;
      default: emit ActionClicked(TBoxAction(a)); break;
    }
    return;
  }
  const CallCode bid = ParseCall(selected_.right(1).toStdString() + selected_.left(1).toStdString());
  if (IsBid(bid)) emit CallClicked(bid);
}

}  // namespace quorval
