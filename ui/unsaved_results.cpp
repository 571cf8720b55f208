#include "ui/unsaved_results.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/multi_lang.h"
#include "ui/skin.h"

namespace quorval {

namespace {

QLabel* AddLabel(QWidget* parent, QVBoxLayout* layout, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  layout->addWidget(label);
  return label;
}

}  // namespace

TUnsavedResults::TUnsavedResults(QWidget* parent, const UnsavedOffer& offer)
    : QDialog(parent), choice_(offer.closing ? UnsavedChoice::Cancel : UnsavedChoice::Later) {
  setObjectName("UnsavedResults");
  setWindowTitle("Results Not Saved");
  setModal(true);
  setMinimumWidth(440);
  auto* layout = new QVBoxLayout(this);
  AddLabel(this, layout, "LabNotSaved", "These results could not be saved:");
  QLabel* boards = AddLabel(this, layout, "BoardList", offer.boards);
  QFont bold = boards->font();
  bold.setBold(true);
  boards->setFont(bold);
  AddLabel(this, layout, "Reason", offer.reason);
  AddLabel(this, layout, "LabWhatNow",
           "Try again once the folder can be written, or save the results in another file.");
  // The table's own question about its board, asked here in the same breath.
  AddLabel(this, layout, "UnfinishedBoard", offer.unfinishedBoard)->setVisible(!offer.unfinishedBoard.isEmpty());
  QLabel* question = AddLabel(this, layout, "LabQuit", "Quit without saving them?");
  question->setVisible(offer.closing);
  // The title of the file dialog, translated with the rest.
  saveAsCaption_ = new QLabel("Save the results in another file", this);
  saveAsCaption_->setObjectName("SaveAsCaption");
  saveAsCaption_->hide();

  auto* buttons = new QHBoxLayout;
  const auto add = [this, buttons](const char* name, const QString& caption, UnsavedChoice choice) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, [this, choice] { Choose(choice); });
    buttons->addWidget(b);
    return b;
  };
  retry_ = add("BtnRetry", "&Try Again", UnsavedChoice::Retry);
  saveAs_ = add("BtnSaveAs", "&Save As...", UnsavedChoice::SaveAs);
  later_ = add("BtnLater", "&Later", UnsavedChoice::Later);
  quit_ = add("BtnQuit", "&Quit Without Saving", UnsavedChoice::Quit);
  cancel_ = add("BtnCancel", "Cancel", UnsavedChoice::Cancel);
  later_->setVisible(!offer.closing);
  quit_->setVisible(offer.closing);
  cancel_->setVisible(offer.closing);
  layout->addLayout(buttons);
  retry_->setDefault(true);
  auto* words = new TMultiLang(this, QStringLiteral("unsaved_results"));
  words->SetActiveLanguage(offer.language);
}

QPushButton* TUnsavedResults::Button(UnsavedChoice choice) const {
  switch (choice) {
    case UnsavedChoice::Retry: return retry_;
    case UnsavedChoice::SaveAs: return saveAs_;
    case UnsavedChoice::Later: return later_;
    case UnsavedChoice::Quit: return quit_;
    case UnsavedChoice::Cancel: return cancel_;
  }
  return nullptr;
}

void TUnsavedResults::Choose(UnsavedChoice choice) {
  choice_ = choice;
  accept();
}

UnsavedAnswer TUnsavedResults::Ask(QWidget* parent, const UnsavedOffer& offer) {
  TUnsavedResults dialog(parent, offer);
  ApplySkinToWindow(&dialog, offer.colours, false);
  dialog.exec();
  UnsavedAnswer answer{dialog.Choice(), {}};
  if (answer.choice == UnsavedChoice::SaveAs) {
    answer.path = QFileDialog::getSaveFileName(parent, dialog.saveAsCaption_->text(),
                                               QDir::home().filePath("Options.INI"), "INI (*.ini *.INI)");
    if (answer.path.isEmpty()) answer.choice = offer.closing ? UnsavedChoice::Cancel : UnsavedChoice::Later;
  }
  return answer;
}

}  // namespace quorval
