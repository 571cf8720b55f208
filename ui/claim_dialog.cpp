#include "ui/claim_dialog.h"

#include <QDialogButtonBox>
#include <algorithm>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/multi_lang.h"
#include "ui/skin.h"

namespace quorval {

TClaimDialog::TClaimDialog(QWidget* parent, int tricksLeft, int language) : QDialog(parent) {
  setObjectName("ClaimDialog");
  setWindowTitle("Claim");
  setModal(true);
  setMinimumWidth(340);
  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  SetTag(panel, 1);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(panel);
  auto* layout = new QVBoxLayout(panel);
  question_ = new QLabel("How many of the tricks left does your side take?", panel);
  question_->setObjectName("LabQuestion");
  question_->setWordWrap(true);
  layout->addWidget(question_);
  auto* row = new QHBoxLayout;
  tricks_ = new QSpinBox(panel);
  tricks_->setObjectName("TricksBox");
  tricks_->setRange(0, std::max(0, tricksLeft));
  tricks_->setValue(std::max(0, tricksLeft));
  row->addWidget(tricks_);
  auto* of = new QLabel(QString("/ %1").arg(tricksLeft), panel);
  of->setObjectName("TricksLeft");
  row->addWidget(of);
  row->addStretch(1);
  layout->addLayout(row);
  auto* rule = new QLabel("The claim stands when best play from here gives your side at least that many tricks.", panel);
  rule->setObjectName("LabRule");
  rule->setWordWrap(true);
  layout->addWidget(rule);
  auto* buttons = new QDialogButtonBox(panel);
  ok_ = buttons->addButton("Claim", QDialogButtonBox::AcceptRole);
  ok_->setObjectName("OKBtn");
  ok_->setDefault(true);
  QPushButton* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
  cancel->setObjectName("CancelBtn");
  layout->addWidget(buttons);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* words = new TMultiLang(this, QStringLiteral("claim"));
  words->SetActiveLanguage(language);
}

int TClaimDialog::Tricks() const { return tricks_->value(); }

std::optional<int> TClaimDialog::Ask(QWidget* parent, int tricksLeft, int language) {
  TClaimDialog dialog(parent, tricksLeft, language);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Tricks();
}

}  // namespace quorval
