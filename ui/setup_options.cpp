#include "ui/setup_options.h"

#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "core/messages.h"
#include "data/date_time.h"
#include "ui/card_control.h"
#include "ui/colour_ref.h"
#include "ui/multi_lang.h"
#include "ui/skin.h"

namespace quorval {
namespace {

constexpr TSuit kPreviewSuit = Heart;
constexpr TRank kPreviewRank = 11;   // the Jack of hearts on both preview cards

const char* const kMpItems[4] = {"1, 0, -1 (W,Tie,L)", "1, 1/2, 0", "2, 1, 0", "1/2, 0, -1/2"};

QFont ArialBold(int pixels) {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(pixels);
  f.setBold(true);
  return f;
}

QGroupBox* Box(QWidget* parent, const char* name, const QString& title, const QRect& at) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(name);
  box->setGeometry(at);
  box->setFont(ArialBold(13));
  return box;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text, const QPoint& at, int pixels) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(ArialBold(pixels));
  label->move(at);
  label->adjustSize();
  return label;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text, const QRect& at) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setGeometry(at);
  return b;
}

}  // namespace

TSetupOptions::TSetupOptions(QWidget* parent, TBigIniFile& options, TOption& option, LanguageSource machineLanguage)
    : QDialog(parent), options_(options), option_(option), machineLanguage_(std::move(machineLanguage)) {
  setObjectName("SetupOptions");
  setWindowTitle("ORVENDAL QUORVAL 2005 - Preferences");
  setFixedSize(548, 306);
  noPlayerMessage_ = QStringLiteral("Go to the \"Preferences\" screen and type in a New Player Name");
  chooseColour_ = [this](const QColor& initial) -> std::optional<QColor> {
    const QColor c = QColorDialog::getColor(initial, this);
    if (!c.isValid()) return std::nullopt;
    return c;
  };
  BuildControls();
}

void TSetupOptions::BuildControls() {
  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setGeometry(0, 0, 548, 306);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(2);
  SetTag(panel, 1);

  QGroupBox* player = Box(panel, "PlayerNameBox", "Player Name", {16, 16, 160, 107});
  newPlayer_ = new QComboBox(player);
  newPlayer_->setObjectName("NewPlayer");
  newPlayer_->setEditable(true);
  newPlayer_->setInsertPolicy(QComboBox::NoInsert);
  newPlayer_->setGeometry(8, 42, 145, 24);
  newPlayer_->installEventFilter(this);
  newPlayer_->lineEdit()->installEventFilter(this);
  connect(newPlayer_, &QComboBox::activated, this, [this](int) { NewPlayerExit(); });
  connect(newPlayer_->lineEdit(), &QLineEdit::returnPressed, this, [this] { NewPlayerExit(); });

  QGroupBox* thinking = Box(panel, "ThinkingTimeBox", "Thinking Time", {189, 16, 161, 106});
  skillLevel_ = Label(thinking, "SkillLevel", "8", {62, 17}, 15);
  skillLevel_->setFixedWidth(40);
  skillBar_ = new QProgressBar(thinking);
  skillBar_->setObjectName("SkillBar");
  skillBar_->setGeometry(10, 34, 141, 16);
  skillBar_->setRange(0, 10);
  skillBar_->setTextVisible(false);
  Label(thinking, "Label2", "Short", {7, 56}, 15);
  Label(thinking, "Label1", "Long", {90, 56}, 15);
  skillSlide_ = new QScrollBar(Qt::Horizontal, thinking);
  skillSlide_->setObjectName("SkillSlide");
  skillSlide_->setGeometry(10, 75, 141, 19);
  skillSlide_->setRange(1, 10);
  skillSlide_->setPageStep(1);
  skillSlide_->setToolTip("Longer time=better play");
  connect(skillSlide_, &QScrollBar::valueChanged, this, [this](int v) { SkillSlideChange(v); });

  QGroupBox* colours = Box(panel, "SCB", "Screen Colors", {362, 16, 168, 106});
  colours->setToolTip("Select foreground and background colors");
  teal_ = Button(colours, "Teal", "Teal", {12, 25, 145, 23});
  silver_ = Button(colours, "Silver", "Navy", {12, 51, 145, 23});
  olive_ = Button(colours, "Olive", "Olive", {12, 77, 145, 23});
  // The captions follow the language; the names stored are the buttons' own.
  for (QPushButton* b : {teal_, silver_, olive_}) {
    b->setAutoDefault(false);
    const std::string skin = b->objectName().toStdString();
    connect(b, &QPushButton::clicked, this, [this, skin] { SkinButtonClick(skin); });
  }

  QGroupBox* scoring = Box(panel, "MPScoring", "MP Scoring", {16, 142, 160, 106});
  scoring->setToolTip("Select the desired scoring method for determining MPs");
  for (int i = 0; i < 4; ++i) {
    mpItems_[i] = new QRadioButton(kMpItems[i], scoring);
    mpItems_[i]->setGeometry(10, 22 + 20 * i, 146, 20);
  }

  QGroupBox* back = Box(panel, "CBB", "Card Back", {189, 142, 160, 107});
  Label(back, "Label3", "Design", {44, 18}, 13);
  design_ = new QComboBox(back);
  design_->setObjectName("CardBackDesign");
  design_->setGeometry(10, 38, 141, 24);
  for (int d = 0; d < kBackDesigns; ++d) design_->addItem(CardDeck::BackDesignName(d));
  connect(design_, &QComboBox::activated, this, [this](int d) { CardBackDesignChange(d); });
  QPushButton* colour = Button(back, "NewColorButton", "Color", {10, 73, 141, 21});
  colour->setAutoDefault(false);
  colour->setToolTip("Change color on back design");
  connect(colour, &QPushButton::clicked, this, [this] { NewColorButtonClick(); });

  // The two preview cards lie on the panel beside the card-back box, under
  // the skin buttons.
  const QRect scb = colours->geometry(), cbb = back->geometry();
  const int top = cbb.top() + (cbb.height() - kCardHeight) / 2 + 6;
  backCard_ = new TCard(panel);
  backCard_->setObjectName("BackCard");
  backCard_->move(scb.left() + 10, top);
  backCard_->SetShowBack(true);
  faceCard_ = new TCard(panel);
  faceCard_->setObjectName("FaceCard");
  faceCard_->move(scb.left() + scb.width() - kCardWidth - 2, top);
  for (TCard* card : {backCard_, faceCard_}) {
    card->SetSuit(kPreviewSuit);
    card->SetRank(kPreviewRank);
    card->show();
  }

  QPushButton* cancel = Button(panel, "CancelBtn", "Cancel", {107, 262, 122, 28});
  QPushButton* ok = Button(panel, "OKBtn", "OK", {318, 262, 123, 28});
  for (QPushButton* b : {cancel, ok}) b->setFont(ArialBold(12));
  ok->setDefault(true);
  connect(cancel, &QPushButton::clicked, this, &TSetupOptions::reject);
  connect(ok, &QPushButton::clicked, this, [this] { OKBtnClick(); });

  // Texts the dialog shows as messages, kept as hidden labels so that they
  // are translated with the rest.
  badName_ = new QLabel(panel);
  badName_->setObjectName("LabelBadPlayerName");
  badName_->setText(
      "This player name cannot be used. A name may not begin or end with a blank, may not hold \"]\", "
      "\"=\" or a line break, and may be at most 64 characters long.");
  badName_->hide();
  lang_ = new TMultiLang(this, QStringLiteral("preferences"));
}

QString TSetupOptions::BadPlayerNameMessage() const { return badName_->text(); }

void TSetupOptions::showEvent(QShowEvent* event) {
  FillDialog();
  QDialog::showEvent(event);
}

void TSetupOptions::FillDialog() {
  backCard_->SetBackDesign(option_.BackDesign);
  backCard_->SetBackColor(option_.BackColor);
  faceCard_->SetShowBack(false);
  newPlayer_->blockSignals(true);
  newPlayer_->clear();
  for (const std::string& name : options_.SectionNames()) newPlayer_->addItem(QString::fromStdString(name));
  const QString current = QString::fromStdString(option_.CurrentPlayer);
  newPlayer_->setCurrentIndex(newPlayer_->findText(current, Qt::MatchFixedString));
  newPlayer_->setEditText(current);
  newPlayer_->blockSignals(false);
  skillSlide_->setFocus();
  lang_->SetActiveLanguage(language_ >= 0 ? language_ : option_.Language);
  FillFromLanguage();
}

// From the language on: also what runs again when another player is chosen.
void TSetupOptions::FillFromLanguage() {
  remembered_ = option_.CurrentPlayer;
  pendingSkin_ = option_.ColorSkin;
  design_->setCurrentIndex(option_.BackDesign);
  skillSlide_->setValue(option_.ComputerSkill);
  SkillSlideChange(skillSlide_->value());
  backCard_->SetBackDesign(option_.BackDesign);
  backCard_->SetBackColor(option_.BackColor);
  mpItems_[option_.MPScoringSys & 3]->setChecked(true);
  EnableSkinButtons();
  ApplySkinToWindow(this, option_.SkinColors, true);
}

void TSetupOptions::EnableSkinButtons() {
  for (QPushButton* b : {teal_, silver_, olive_}) b->setEnabled(b->objectName().toStdString() != pendingSkin_);
}

void TSetupOptions::SkillSlideChange(int position) {
  skillBar_->setValue(position);
  skillLevel_->setText(QString::number(position));
}

void TSetupOptions::CardBackDesignChange(int design) {
  if (design < 0 || design >= kBackDesigns) return;
  backCard_->SetBackDesign(design);
  backCard_->SetBackColor(-1);
}

void TSetupOptions::NewColorButtonClick() {
  const QColor initial = backCard_->BackColor() < 0 ? QColor(Qt::white)
                                                    : FromColourRef(uint32_t(backCard_->BackColor()));
  if (const std::optional<QColor> chosen = chooseColour_(initial)) backCard_->SetBackColor(ToColourRef(*chosen));
}

void TSetupOptions::SkinButtonClick(const std::string& skin) {
  pendingSkin_ = skin;
  ApplyColorSkin(option_, pendingSkin_);
  EnableSkinButtons();
  ApplySkinToWindow(this, option_.SkinColors, true);
}

bool TSetupOptions::NewPlayerExit() {
  // A message box takes the focus from the list: that is no second leaving.
  if (checkingPlayer_) return false;
  checkingPlayer_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{checkingPlayer_};

  std::string name = newPlayer_->currentText().toStdString();
  if (name.empty() && !option_.CurrentPlayer.empty()) {
    name = option_.CurrentPlayer;
    newPlayer_->setEditText(QString::fromStdString(name));
  }
  switch (CheckPlayerName(name)) {
    case PlayerNameCheck::Empty:
      ShowMessage(noPlayerMessage_.toStdString());
      return false;
    case PlayerNameCheck::Refused:
      // Nothing changes: the name in use comes back.
      ShowMessage(BadPlayerNameMessage().toStdString());
      newPlayer_->setEditText(QString::fromStdString(option_.CurrentPlayer));
      return false;
    case PlayerNameCheck::Ok:
      break;
  }
  // The options file finds sections without regard to case: a name that
  // differs only in case is the same player, in the spelling of the file.
  for (const std::string& section : options_.SectionNames())
    if (SameName(section, name)) name = section;
  if (SameName(name, option_.CurrentPlayer)) {
    // The same player: what was changed in the dialog so far stays.
    newPlayer_->setEditText(QString::fromStdString(option_.CurrentPlayer));
    return true;
  }
  if (playerChangeCheck_ && !playerChangeCheck_()) {
    newPlayer_->setEditText(QString::fromStdString(option_.CurrentPlayer));
    return false;
  }
  option_.CurrentPlayer = name;
  LoadOptions(options_, option_, machineLanguage_);
  newPlayer_->setEditText(QString::fromStdString(name));
  lang_->SetActiveLanguage(option_.Language);
  FillFromLanguage();
  return true;
}

void TSetupOptions::OKBtnClick() {
  if (!NewPlayerExit()) return;
  option_.ComputerSkill = static_cast<uint8_t>(std::clamp(skillBar_->value(), 1, 10));
  option_.BackDesign = static_cast<uint8_t>(backCard_->BackDesign());
  option_.BackColor = static_cast<TColor>(backCard_->BackColor());
  option_.ColorSkin = pendingSkin_;
  for (int i = 0; i < 4; ++i)
    if (mpItems_[i]->isChecked()) option_.MPScoringSys = static_cast<uint8_t>(i);
  SaveOptions(options_, option_, NowDateTime());
  accept();
}

void TSetupOptions::reject() {
  // Whatever the dialog changed goes; the player last chosen stays.
  if (!remembered_.empty()) option_.CurrentPlayer = remembered_;
  LoadOptions(options_, option_, machineLanguage_);
  QDialog::reject();
}

bool TSetupOptions::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == newPlayer_ || watched == newPlayer_->lineEdit()) && event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // Opening the list's own drop-down is not leaving the list.
    if (reason != Qt::PopupFocusReason && isVisible() && !newPlayer_->hasFocus()) NewPlayerExit();
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace quorval
