#include "ui/export_boards.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>

#include "core/messages.h"
#include "ui/multi_lang.h"

namespace quorval {
namespace {

QString DefaultAskFile(QWidget* parent, const QString& suggested) {
  return QFileDialog::getSaveFileName(parent, QString(), suggested, "PBN (*.pbn)");
}

}  // namespace

TExportBoards::TExportBoards(QWidget* parent, std::vector<ExportSession> sessions, const std::string& current,
                             const QString& player, const QString& folder, ExportFn exporter, AskFileFn askFile)
    : QDialog(parent),
      sessions_(std::move(sessions)),
      player_(player),
      folder_(folder),
      exporter_(std::move(exporter)),
      askFile_(askFile ? std::move(askFile) : AskFileFn(DefaultAskFile)) {
  setObjectName("ExportBoards");
  setWindowTitle("Export Boards (PBN)");
  setModal(true);
  setFixedSize(400, 196);

  auto* intro = new QLabel("Your filed boards with the auction and play as they went at the table, "
                           "in the PBN file other bridge programs read.", this);
  intro->setObjectName("IntroLabel");
  intro->setWordWrap(true);
  intro->setGeometry(12, 8, 376, 36);

  auto* which = new QGroupBox("Boards", this);
  which->setObjectName("WhichRG");
  which->setGeometry(12, 50, 376, 96);
  sessionRB_ = new QRadioButton("One session", which);
  sessionRB_->setObjectName("SessionRB");
  sessionRB_->setGeometry(10, 24, 130, 22);
  sessionCombo_ = new QComboBox(which);
  sessionCombo_->setObjectName("SessionCombo");
  sessionCombo_->setGeometry(146, 22, 120, 24);
  allRB_ = new QRadioButton("All sessions", which);
  allRB_->setObjectName("AllRB");
  allRB_->setGeometry(10, 58, 130, 22);
  countLabel_ = new QLabel(which);
  countLabel_->setObjectName("CountLabel");
  countLabel_->setGeometry(146, 58, 220, 22);

  exportBtn_ = new QPushButton("&Export...", this);
  exportBtn_->setObjectName("ExportBtn");
  exportBtn_->setGeometry(196, 156, 92, 28);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("CancelBtn");
  cancel->setGeometry(296, 156, 92, 28);

  int chosen = 0;
  for (size_t i = 0; i < sessions_.size(); ++i) {
    sessionCombo_->addItem(QString::fromStdString(sessions_[i].name));
    if (sessions_[i].name == current) chosen = int(i);
  }
  sessionCombo_->setCurrentIndex(chosen);
  sessionRB_->setChecked(true);
  const bool any = !sessions_.empty();
  for (QWidget* w : {static_cast<QWidget*>(sessionRB_), static_cast<QWidget*>(allRB_),
                     static_cast<QWidget*>(sessionCombo_), static_cast<QWidget*>(exportBtn_)})
    w->setEnabled(any);

  connect(sessionCombo_, &QComboBox::currentIndexChanged, this, [this] {
    sessionRB_->setChecked(true);
    UpdateCounts();
  });
  connect(sessionRB_, &QRadioButton::toggled, this, [this] { UpdateCounts(); });
  connect(exportBtn_, &QPushButton::clicked, this, [this] { ExportClick(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  // Texts composed at run time ("%1" and "%2" are filled in).
  lang_ = new TMultiLang(this, QStringLiteral("export_boards"),
                         {
                             {"OneBoardText", "1 board"},
                             {"BoardsText", "%1 boards"},
                             {"AllSessionsFile", "all sessions"},
                             {"WrittenText", "%1 boards written to %2"},
                             {"NotWrittenText", "The file %1 could not be written: %2"},
                             {"NotesText", "Left out or written without their play:"},
                         });
  UpdateCounts();
}

void TExportBoards::SetLanguage(int language) {
  lang_->SetActiveLanguage(language);
  UpdateCounts();
}

QString TExportBoards::Text(const char* label) const { return lang_->Text(label); }

void TExportBoards::UpdateCounts() {
  const size_t count = ChosenKeys().size();
  countLabel_->setText(count == 1 ? Text("OneBoardText") : Text("BoardsText").arg(count));
}

std::vector<std::string> TExportBoards::ChosenKeys() const {
  std::vector<std::string> keys;
  const int s = sessionCombo_->currentIndex();
  for (size_t i = 0; i < sessions_.size(); ++i)
    if (allRB_->isChecked() || int(i) == s) keys.insert(keys.end(), sessions_[i].keys.begin(), sessions_[i].keys.end());
  return keys;
}

QString TExportBoards::SuggestedFile() const {
  const QString which = allRB_->isChecked() || sessionCombo_->currentIndex() < 0
                            ? Text("AllSessionsFile")
                            : sessionCombo_->currentText();
  return QDir(folder_).filePath(player_ + " " + which + ".pbn");
}

void TExportBoards::ExportClick() {
  const QString path = askFile_(this, SuggestedFile());
  if (!path.isEmpty()) ExportTo(path);
}

bool TExportBoards::ExportTo(const QString& path) {
  const ExportOutcome outcome = exporter_(ChosenKeys(), path);
  if (!outcome.error.isEmpty()) {
    lastReport_ = Text("NotWrittenText").arg(QDir::toNativeSeparators(path), outcome.error);
  } else {
    lastReport_ = Text("WrittenText").arg(outcome.boards).arg(QDir::toNativeSeparators(path));
  }
  if (!outcome.notes.empty()) {
    lastReport_ += "\n\n" + Text("NotesText");
    for (const std::string& note : outcome.notes) lastReport_ += "\n" + QString::fromStdString(note);
  }
  ShowMessage(lastReport_.toStdString());
  if (!outcome.error.isEmpty()) return false;
  accept();
  return true;
}

bool WriteExportFile(const QString& path, const std::string& text, QString& error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), qint64(text.size())) != qint64(text.size()) ||
      !file.commit()) {
    error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace quorval
