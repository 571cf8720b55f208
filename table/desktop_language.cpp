// The interface language of the table: the Language menu with its flags, the
// hidden labels that carry the texts the table composes at run time, and the
// switch that puts every text of the table into another language.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

#include "data/options.h"
#include "table/bidding_box.h"
#include "table/desktop.h"
#include "print/hand_report.h"
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

// The hidden labels of the window, named as the word list names them. Their
// captions are translated with the rest and read back when a text is built.
const char* const kTextLabels[] = {
    "vul0", "vul1", "vul2", "vul3", "PlayLabel", "DeleteLabel", "ByLabel", "SeeHandsLabel", "HideHandsLabel",
    "LabelYourScore", "LabelHCP", "LabelNewPlayerMessage", "LabelPass", "LabelDbl", "LabelRedbl", "SC0", "SC1",
    "SC2", "SC3", "SC4", "SCpass", "SCDouble", "Labeltrks", "LabelScore", "LabelDone", "LabelPassOut", "LabelAfter",
    "LabelStrata", "LabelMPHand", "TotalMPLab", "TotalIMPLab", "LabelIMPHand", "LabelLisk2000",
    // Captions and hints of the bidding box's action buttons.
    "BBMake", "BBPass", "BBDbl", "BBRDbl", "BBHint", "BBTakeBack"};

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

void TDeskTop::BuildTextLabels() {
  texts_ = new QWidget(this);
  texts_->setObjectName("TextLabels");
  texts_->hide();
  for (const char* name : kTextLabels) {
    auto* label = new QLabel(texts_);
    label->setObjectName(name);
  }
  // The word lists carry no row for it; it keeps its English caption.
  texts_->findChild<QLabel*>("HideHandsLabel")->setText("Hide N, E, and W Hands");
}

void TDeskTop::BuildLanguageMenu(QMenu* menu) {
  languages_ = new QActionGroup(this);
  for (const LanguageItem& item : kLanguageItems) {
    QAction* a = menu->addAction(LanguageFlagIcon(item.language), item.caption);
    a->setObjectName(item.name);
    a->setData(kLanguageTagBase + item.language);
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, a] { LanguageClick(a->data().toInt() - kLanguageTagBase); });
    languages_->addAction(a);
    actions_.push_back(a);
  }
}

void TDeskTop::SetLanguageForRun(int language) {
  if (LanguageHasTexts(language)) language_ = language;
}

QString TDeskTop::Text(const char* label) const { return LabelText(this, label); }

QString TDeskTop::SeatName(Seat s) const { return QString::fromStdString(game_.State().SeatNames[s & 3]); }

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
  SaveSettings();
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
  for (QAction* a : languages_->actions())
    if (a->data().toInt() == kLanguageTagBase + language_) {
      a->setChecked(true);
      languageMenu_->setIcon(a->icon());
    }
  // The table, the hand report's words and the help window when it is open
  // (the session results and the result summary take the language when they
  // are made).
  lang_->SetActiveLanguage(language_);
  reportLabels_->SetLanguage(language_);
  if (help_) help_->SetLanguage(language_);
  QApplication::setApplicationDisplayName(Text("LabelLisk2000"));

  // Seat names come from the hand report's labels.
  std::array<std::string, 4> seatNames;
  for (Seat s = North; s <= West; ++s) seatNames[s] = reportLabels_->TranslatedSeatName(s).toStdString();
  game_.SetWords(seatNames, Text("LabelPassOut").toStdString());

  // The bidding box: its own title, the action captions and hints from the
  // hidden panels, the notrump mark, and the name of the seat to call.
  SetSymbolLanguage(language_);
  bidBox_->SetLanguage(language_);
  auto hint = [this](const char* name) {
    const QLabel* label = texts_->findChild<QLabel*>(name);
    return label ? label->toolTip() : QString();
  };
  bidBox_->SetActionCaptions({Text("BBPass"), Text("BBDbl"), Text("BBRDbl"), Text("BBTakeBack"), Text("BBHint"),
                              Text("BBMake")});
  bidBox_->SetActionHints({{}, {}, {}, hint("BBTakeBack"), hint("BBHint"), hint("BBMake")});
  bidBox_->SetBidder(SeatName(game_.SeatToCall()));
  bidBox_->update();
  LabelSeatHeadings();
  // The meanings the hint lists and the tip, in the new words.
  if (hintMeanings_->isVisible()) ShowHintMeanings();
  meaningTip_->hide();

  // Honour letters of every card.
  CardDeck::LocaliseHonours(language_);
  for (TCard* card : findChildren<TCard*>()) card->update();

  const Phase phase = game_.phase();
  if (phase != Phase::NoBoard) ShowSouthPoints();
  DupBoard();
  if (phase == Phase::BiddingOver || phase == Phase::Playing || phase == Phase::BoardOver)
    DrawContract();
  if (phase == Phase::Playing || phase == Phase::BoardOver) PrintWonTricks();
  if (scorePages_->isVisibleTo(this) || scorePad_->isVisibleTo(this)) {
    SetUpResultGrids();
    ShowTheScore();
  }
  SetCaption();
  AddAllBids();
}

void TDeskTop::LabelSeatHeadings() {
  for (Seat s = North; s <= West; ++s) seatHeadings_[ReviewColumn(s)]->setText(SeatName(s));
}

void TDeskTop::ShowSouthPoints() {
  hcpText_->setText(QString("%1 %2").arg(game_.Play().Hands[South].Hcp).arg(Text("LabelHCP")));
}

// "4~SX by South", or "Pass" for a passed-out board, in the interface language.
QString TDeskTop::ContractCaption() const {
  const Contract contract = game_.FinalContract();
  if (contract.PassedOut()) return Text("LabelPass");
  return QString::fromStdString(CallLongText(contract.bid, contract.DoubledCount)) + " " + Text("ByLabel").toLower() +
         " " + SeatName(contract.declarer);
}

}  // namespace quorval
