#include "ui/player_name.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/colours.h"
#include "data/options.h"
#include "ui/multi_lang.h"
#include "ui/skin.h"

namespace quorval {

TPlayerName::TPlayerName(QWidget* parent, const QString& suggested, int language) : QDialog(parent) {
  setObjectName("PlayerName");
  setWindowTitle("Player Name");
  setModal(true);
  setMinimumWidth(420);
  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  SetTag(panel, 1);   // the dialog's main panel takes the skin's colour 1
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(panel);
  auto* layout = new QVBoxLayout(panel);
  auto* welcome = new QLabel("Welcome! Your results are filed under your name. Type the name you want to play under:",
                             panel);
  welcome->setObjectName("LabWelcome");
  welcome->setWordWrap(true);
  layout->addWidget(welcome);
  edit_ = new QLineEdit(suggested, panel);
  edit_->setObjectName("NameEdit");
  edit_->setMaxLength(kMaxPlayerNameLength + 8);
  edit_->selectAll();
  layout->addWidget(edit_);
  refused_ = new QLabel("This name cannot be used: it may not hold \"]\", \"=\" or a line break, and may be at most "
                        "64 characters long.",
                        panel);
  refused_->setObjectName("LabRefused");
  refused_->setWordWrap(true);
  refused_->hide();
  layout->addWidget(refused_);
  auto* later = new QLabel("Other players can be added later under Preferences (F2).", panel);
  later->setObjectName("LabLater");
  later->setWordWrap(true);
  layout->addWidget(later);
  auto* buttons = new QDialogButtonBox(panel);
  ok_ = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
  ok_->setObjectName("OKBtn");
  ok_->setDefault(true);
  layout->addWidget(buttons);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(edit_, &QLineEdit::textChanged, this, [this] { Check(); });
  auto* words = new TMultiLang(this, QStringLiteral("player_name"));
  words->SetActiveLanguage(language);
  Check();
}

QString TPlayerName::Name() const { return edit_->text().trimmed(); }

void TPlayerName::Check() {
  const PlayerNameCheck check = CheckPlayerName(Name().toStdString());
  ok_->setEnabled(check == PlayerNameCheck::Ok);
  refused_->setVisible(check == PlayerNameCheck::Refused);
}

std::string TPlayerName::Ask(const std::string& suggested, int language) {
  TPlayerName dialog(nullptr, QString::fromStdString(suggested), language);
  ApplySkinToWindow(&dialog, SkinColorsFor("Teal"), false);
  if (dialog.exec() != QDialog::Accepted) return suggested;
  return dialog.Name().toStdString();
}

}  // namespace quorval
