#include "ui/new_events.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>

#include "core/messages.h"
#include "ui/multi_lang.h"

namespace quorval {
namespace {

bool DefaultAsk(QWidget* parent, const QString& question) {
  return QMessageBox::question(parent, parent ? parent->windowTitle() : QString(), question) == QMessageBox::Yes;
}

QLabel* AddLabel(QWidget* parent, const char* name, const char* text, const QRect& where) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(where);
  return label;
}

}  // namespace

TNewEvents::TNewEvents(QWidget* parent, const QString& suggested, const QString& workingFolder, uint64_t seed,
                       NewEventsRunner runner, AskFn ask)
    : QDialog(parent),
      runner_(std::move(runner)),
      ask_(ask ? std::move(ask) : AskFn(DefaultAsk)),
      workingFolder_(QDir(workingFolder).absolutePath()) {
  setObjectName("NewEvents");
  setWindowTitle("New Events");
  setModal(true);
  setFixedSize(460, 330);

  auto* source = new QGroupBox("Deals", this);
  source->setObjectName("SourceRG");
  source->setGeometry(12, 8, 436, 150);
  freshRB_ = new QRadioButton("Fresh deals", source);
  freshRB_->setObjectName("FreshRB");
  freshRB_->setGeometry(10, 22, 200, 22);
  AddLabel(source, "SeedLabel", "Seed:", {30, 48, 80, 22});
  seedEdit_ = new QLineEdit(QString::number(seed), source);
  seedEdit_->setObjectName("SeedEdit");
  seedEdit_->setGeometry(110, 47, 150, 24);
  seedEdit_->setValidator(new QRegularExpressionValidator(QRegularExpression("\\d{1,19}"), seedEdit_));
  AddLabel(source, "ImpLabel", "IMP events:", {270, 22, 100, 22});
  impSpin_ = new QSpinBox(source);
  impSpin_->setObjectName("ImpSpin");
  impSpin_->setRange(0, 9);
  impSpin_->setValue(9);
  impSpin_->setGeometry(370, 21, 56, 24);
  AddLabel(source, "PairsLabel", "Pairs events:", {270, 48, 100, 22});
  pairsSpin_ = new QSpinBox(source);
  pairsSpin_->setObjectName("PairsSpin");
  pairsSpin_->setRange(0, 18);
  pairsSpin_->setValue(18);
  pairsSpin_->setGeometry(370, 47, 56, 24);
  fileRB_ = new QRadioButton("A hand-record file (PBN)", source);
  fileRB_->setObjectName("FileRB");
  fileRB_->setGeometry(10, 82, 260, 22);
  fileEdit_ = new QLineEdit(source);
  fileEdit_->setObjectName("FileEdit");
  fileEdit_->setGeometry(30, 108, 262, 24);
  auto* browseFile = new QPushButton("Browse...", source);
  browseFile->setObjectName("BrowseFileBtn");
  browseFile->setGeometry(300, 107, 126, 26);
  fileScoring_ = new QComboBox(source);
  fileScoring_->setObjectName("FileScoring");
  fileScoring_->addItems({"as pairs events", "as IMP events"});
  fileScoring_->setGeometry(270, 80, 156, 24);
  freshRB_->setChecked(true);

  AddLabel(this, "FolderLabel", "Folder for the new event set:", {12, 164, 436, 20});
  folderEdit_ = new QLineEdit(QDir::toNativeSeparators(suggested), this);
  folderEdit_->setObjectName("FolderEdit");
  folderEdit_->setGeometry(12, 186, 302, 24);
  auto* browseFolder = new QPushButton("Browse...", this);
  browseFolder->setObjectName("BrowseFolderBtn");
  browseFolder->setGeometry(322, 185, 126, 26);

  progress_ = new QProgressBar(this);
  progress_->setObjectName("Progress");
  progress_->setGeometry(12, 222, 436, 22);
  progress_->setRange(0, 1);
  progress_->setValue(0);
  progress_->setTextVisible(false);
  stage_ = new QLabel(this);
  stage_->setObjectName("StageLabel");
  stage_->setGeometry(12, 248, 436, 22);

  makeBtn_ = new QPushButton("&Make", this);
  makeBtn_->setObjectName("MakeBtn");
  makeBtn_->setGeometry(256, 290, 92, 28);
  cancelBtn_ = new QPushButton("Cancel", this);
  cancelBtn_->setObjectName("CancelBtn");
  cancelBtn_->setGeometry(356, 290, 92, 28);

  choices_ = {freshRB_, fileRB_, seedEdit_, impSpin_, pairsSpin_, fileEdit_, browseFile, fileScoring_, folderEdit_,
              browseFolder, makeBtn_};
  connect(browseFile, &QPushButton::clicked, this, [this] {
    const QString file = QFileDialog::getOpenFileName(this, QString(), fileEdit_->text(), "PBN (*.pbn);;* (*)");
    if (file.isEmpty()) return;
    fileEdit_->setText(QDir::toNativeSeparators(file));
    fileRB_->setChecked(true);
  });
  connect(browseFolder, &QPushButton::clicked, this, [this] {
    const QString folder = QFileDialog::getExistingDirectory(this, QString(), folderEdit_->text());
    if (!folder.isEmpty()) folderEdit_->setText(QDir::toNativeSeparators(folder));
  });
  connect(fileEdit_, &QLineEdit::textEdited, this, [this] { fileRB_->setChecked(true); });
  connect(makeBtn_, &QPushButton::clicked, this, [this] { Start(); });
  connect(cancelBtn_, &QPushButton::clicked, this, [this] { CancelClick(); });
  // Texts composed at run time ("%1" .. "%4" are filled in).
  lang_ = new TMultiLang(this, QStringLiteral("new_events"),
                         {
                             {"SolvingText", "Solving double dummy"},
                             {"BiddingText", "Field, bidding and leads"},
                             {"WritingText", "Writing the files"},
                             {"StepText", "%1: board %2 (%3 of %4)"},
                             {"StoppingText", "Stopping..."},
                             {"CancelledText", "Cancelled: nothing was written."},
                             {"NoFolderText", "Choose a folder for the new event set."},
                             {"InUseText", "The event set in use cannot be replaced. Choose another folder."},
                             {"NoFileText", "Choose a hand-record file (PBN)."},
                             {"NoEventsText", "Choose at least one event."},
                             {"NoSeedText", "The seed must be a whole number."},
                             {"ReplaceText", "%1 already holds an event set. Replace it with the new one?"},
                             {"DoneText", "The new event set is ready in %1: %2 boards."},
                             {"RefusedText", "Games of the file that could not be played and were left out:"},
                             {"PlayText", "Play the new event set now?"},
                         });
}

void TNewEvents::SetLanguage(int language) { lang_->SetActiveLanguage(language); }

TNewEvents::~TNewEvents() {
  cancel_ = true;
  if (worker_.joinable()) worker_.join();
}

QString TNewEvents::Text(const char* label) const { return lang_->Text(label); }

QString TNewEvents::Folder() const { return QDir::cleanPath(QDir::fromNativeSeparators(folderEdit_->text().trimmed())); }

NewEventsRequest TNewEvents::Request() const {
  NewEventsRequest r;
  r.fromFile = fileRB_->isChecked();
  r.seed = seedEdit_->text().toULongLong();
  r.impEvents = impSpin_->value();
  r.pairsEvents = pairsSpin_->value();
  r.file = QDir::fromNativeSeparators(fileEdit_->text().trimmed());
  r.fileImps = fileScoring_->currentIndex() == 1;
  r.folder = Folder();
  return r;
}

bool TNewEvents::Start() {
  if (Running()) return false;
  const NewEventsRequest request = Request();
  bool seedRead = false;
  seedEdit_->text().toULongLong(&seedRead);
  QString problem;
  if (request.folder.isEmpty()) problem = Text("NoFolderText");
  else if (QDir(request.folder).absolutePath() == workingFolder_) problem = Text("InUseText");
  else if (request.fromFile && !QFileInfo(request.file).isFile()) problem = Text("NoFileText");
  else if (!request.fromFile && !seedRead) problem = Text("NoSeedText");
  else if (!request.fromFile && request.impEvents + request.pairsEvents == 0) problem = Text("NoEventsText");
  if (!problem.isEmpty()) {
    ShowMessage(problem.toStdString());
    return false;
  }
  if (QFileInfo::exists(QDir(request.folder).filePath("Lisk2005.ini")) &&
      !ask_(this, Text("ReplaceText").arg(QDir::toNativeSeparators(request.folder))))
    return false;

  cancel_ = false;
  playNow_ = false;
  outcome_ = NewEventsOutcome{};
  EnableChoices(false);
  progress_->setRange(0, 1);
  progress_->setValue(0);
  progress_->setTextVisible(true);
  stage_->clear();
  worker_ = std::thread([this, request] {
    const auto step = [this](const NewEventsStep& s) {
      QMetaObject::invokeMethod(this, [this, s] { ShowStep(s); }, Qt::QueuedConnection);
    };
    NewEventsOutcome outcome = runner_(request, step, cancel_);
    QMetaObject::invokeMethod(
        this,
        [this, outcome] {
          outcome_ = outcome;
          Finished();
        },
        Qt::QueuedConnection);
  });
  return true;
}

void TNewEvents::ShowStep(const NewEventsStep& step) {
  if (cancel_) return;
  static const char* const stages[] = {"SolvingText", "BiddingText", "WritingText"};
  progress_->setRange(0, std::max(1, step.total));
  progress_->setValue(step.done);
  const QString stage = Text(stages[static_cast<int>(step.stage)]);
  stage_->setText(step.key.empty() ? stage
                                   : Text("StepText")
                                         .arg(stage, QString::fromStdString(step.key))
                                         .arg(step.done + 1)
                                         .arg(step.total));
}

void TNewEvents::CancelClick() {
  if (!Running()) {
    QDialog::reject();
    return;
  }
  cancel_ = true;
  stage_->setText(Text("StoppingText"));
}

void TNewEvents::reject() { CancelClick(); }

void TNewEvents::WaitForRun() {
  if (worker_.joinable()) worker_.join();
  QCoreApplication::sendPostedEvents(this);
}

void TNewEvents::Finished() {
  if (worker_.joinable()) worker_.join();
  EnableChoices(true);
  if (outcome_.cancelled) {
    progress_->setValue(0);
    progress_->setTextVisible(false);
    stage_->setText(Text("CancelledText"));
    return;
  }
  if (!outcome_.made) {
    stage_->setText(QString::fromStdString(outcome_.error));
    ShowMessage(outcome_.error);
    return;
  }
  progress_->setValue(progress_->maximum());
  QString report = Text("DoneText").arg(QDir::toNativeSeparators(Folder())).arg(outcome_.boards);
  stage_->setText(report);
  if (!outcome_.refused.empty()) {
    report += "\n\n" + Text("RefusedText");
    const size_t shown = std::min<size_t>(outcome_.refused.size(), 12);
    for (size_t i = 0; i < shown; ++i) report += "\n" + QString::fromStdString(outcome_.refused[i]);
    if (shown < outcome_.refused.size()) report += "\n...";
  }
  playNow_ = ask_(this, report + "\n\n" + Text("PlayText"));
  accept();
}

void TNewEvents::EnableChoices(bool on) {
  for (QWidget* w : choices_) w->setEnabled(on);
}

}  // namespace quorval
