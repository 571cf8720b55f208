// The interface language of the table: the Language menu with its flags, the
// words the table composes at run time (seat names, calls, the contract), and
// the switch that puts every text of the table into another language.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>

#include "data/options.h"
#include "print/hand_report.h"
#include "table/bidding_box.h"
#include "table/call_tips.h"
#include "table/desktop.h"
#include "table/help_menu.h"
#include "table/result_saving.h"
#include "table/table_panels.h"
#include "table/table_printing.h"
#include "ui/bridge_grid.h"
#include "ui/card_control.h"
#include "ui/hands_view.h"
#include "ui/help_window.h"
#include "ui/language_flags.h"
#include "ui/meaning_tip.h"
#include "ui/multi_lang.h"
#include "ui/symbol_text.h"

namespace quorval {
namespace {

// The Language menu in menu order: object name, English caption, language.
struct LanguageItem {
  const char* name;
  const char* caption;
  int language;
};
const LanguageItem kLanguageItems[] = {
    {"Danish", "&Danish", 1}, {"EnglishUS", "&English", 0}, {"Norwegian", "&Norwegian", 2}, {"Swedish", "&Swedish", 4}};

constexpr int kLanguageTagBase = 10;  // an item's tag is 10 + its language

}  // namespace

void TDeskTop::BuildLanguageMenu() {
  auto* menu = menuBar()->findChild<QMenu*>("Language1");
  auto* languages = new QActionGroup(menu);
  for (const LanguageItem& item : kLanguageItems) {
    QAction* a = menu->addAction(LanguageFlagIcon(item.language), item.caption);
    a->setObjectName(item.name);
    a->setData(kLanguageTagBase + item.language);
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, a] { LanguageClick(a->data().toInt() - kLanguageTagBase); });
    languages->addAction(a);
  }
}

void TDeskTop::SetLanguageForRun(int language) {
  if (LanguageHasTexts(language)) language_ = language;
}

QString TDeskTop::SeatName(Seat s) const { return QString::fromStdString(game_.State().SeatNames[s & 3]); }

// A call as the auction shows it: Pass, Dbl and ReDbl in the interface
// language, a bid with its strain mark.
QString TDeskTop::ReviewCallText(CallCode c) const {
  QString text;
  if (IsBid(c)) text = QString::fromStdString(CallDisplayText(c));
  else if (c == Redouble) text = Word("LabelRedbl");
  else if (c == Double) text = Word("LabelDbl");
  else if (c == Pass) text = Word("LabelPass");
  else if (c == NoCall) text = QString(3, QChar(0x2014)) + " ";
  else text = "????";
  return text.left(6);
}

void TDeskTop::LanguageClick(int language) {
  if (!LanguageHasTexts(language)) return;
  // While the computer pauses or thinks, the choice waits until it is done,
  // so no text is rebuilt in the middle of a call or a card.
  if (busy_ > 0) {
    pendingLanguage_ = language;
    return;
  }
  language_ = language;
  Opt().Language = static_cast<uint8_t>(language);
  saving_->SaveSettings();
  ApplyLanguage();
}

void TDeskTop::EndBusy() {
  if (--busy_ > 0 || pendingLanguage_ < 0) return;
  const int language = pendingLanguage_;
  pendingLanguage_ = -1;
  LanguageClick(language);
}

void TDeskTop::ApplyLanguage() {
  // The menu item of the language is checked and lends the menu its flag.
  auto* menu = menuBar()->findChild<QMenu*>("Language1");
  for (QAction* a : menu->actions())
    if (a->data().toInt() == kLanguageTagBase + language_) {
      a->setChecked(true);
      menu->setIcon(a->icon());
    }
  // The table, the hand report's words and the help window when it is open
  // (the session results and the result summary take the language when they
  // are made).
  lang_->SetActiveLanguage(language_);
  printing_->SetLanguage(language_);
  help_->SetLanguage(language_);
  QApplication::setApplicationDisplayName(Word("LabelLisk2000"));

  // Seat names come from the hand report's labels.
  std::array<std::string, 4> seatNames;
  for (Seat s = North; s <= West; ++s)
    seatNames[s] = printing_->ReportLabels().TranslatedSeatName(s).toStdString();
  game_.SetWords(seatNames, Word("LabelPassOut").toStdString());

  // The bidding box: its own title, the action captions and hints, the
  // notrump mark, and the name of the seat to call.
  SetSymbolLanguage(language_);
  TBidBoxEuro* box = panels_->bidBox;
  box->SetLanguage(language_);
  box->SetActionCaptions({Word("BBPass"), Word("BBDbl"), Word("BBRDbl"), Word("BBTakeBack"), Word("BBHint"),
                          Word("BBMake")});
  box->SetActionHints({{}, {}, {}, Word("BBTakeBack.Hint"), Word("BBHint.Hint"), Word("BBMake.Hint")});
  box->SetBidder(SeatName(game_.SeatToCall()));
  box->update();
  for (Seat s = North; s <= West; ++s) panels_->seatHeadings[ReviewColumn(s)]->setText(SeatName(s));
  // The meanings the hint lists and the tip, in the new words.
  if (tips_->HintMeanings()->isVisible()) tips_->ShowHintMeanings();
  tips_->HideTip();

  // Honour letters of every card.
  CardDeck::LocaliseHonours(language_);
  for (TCard* card : findChildren<TCard*>()) card->update();

  const Phase phase = game_.phase();
  if (phase != Phase::NoBoard) panels_->ShowSouthPoints(game_.Play().Hands[South].Hcp, Word("LabelHCP"));
  DupBoard();
  if (phase == Phase::BiddingOver || phase == Phase::Playing || phase == Phase::BoardOver)
    DrawContract();
  if (phase == Phase::Playing || phase == Phase::BoardOver) PrintWonTricks();
  if (phase == Phase::Playing) ShowTurn();
  if (panels_->scorePages->isVisibleTo(this) || panels_->scorePad->isVisibleTo(this)) {
    SetUpResultGrids();
    ShowTheScore();
  }
  SetCaption();
  AddAllBids();
}

// The contract in the play panel: "4~SX by South", or "Pass" for a
// passed-out board, in the interface language, drawn in the screen's own
// pixels so that it stays sharp on a high-density screen.
void TDeskTop::DrawContract() {
  const Contract contract = game_.FinalContract();
  const QString text = contract.PassedOut() ? Word("LabelPass")
                                            : QString::fromStdString(CallLongText(contract.bid, contract.DoubledCount)) +
                                                  " " + Word("ByLabel").toLower() + " " + SeatName(contract.declarer);
  QFont f = font();
  f.setPointSizeF((screen() && screen()->logicalDotsPerInch() > 100 ? 9 : 10) * panels_->scale);
  panels_->DrawContract(text, f, devicePixelRatioF());
}

}  // namespace quorval
