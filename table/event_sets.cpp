#include "table/event_sets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <random>

#include "core/board_key.h"
#include "core/messages.h"
#include "data/board_file.h"
#include "data/date_time.h"
#include "data/program_folder.h"
#include "game/pbn_export.h"
#include "table/desktop.h"
#include "table/result_saving.h"
#include "ui/export_boards.h"
#include "ui/skin.h"

namespace quorval {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString WorkingFolder() {
  const std::string folder = ProgramFolder();
  return QDir(folder.empty() ? QDir::currentPath() : Q(folder)).absolutePath();
}

// Where new sets and exported files are offered first: the user's documents.
QString DocumentsFolder() {
  const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return docs.isEmpty() ? QDir::homePath() : docs;
}

bool StartAgain(const QStringList& arguments) {
  return QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
}

}  // namespace

void TEventSets::ExportBoards() {
  TableFiles& files = desk_.Files();
  std::vector<ExportSession> sessions;
  for (const std::string& key : FiledBoardKeys(files)) {
    const std::string event = BoardKey::Parse(key).value_or(BoardKey{}).Event();
    if (sessions.empty() || sessions.back().name != event) sessions.push_back({event, {}});
    sessions.back().keys.push_back(key);
  }
  const auto exporter = [&files](const std::vector<std::string>& keys, const QString& path) {
    const PbnExportResult result = ExportFiledBoards(files, keys);
    ExportOutcome outcome;
    outcome.boards = result.boards;
    outcome.notes = result.notes;
    if (result.boards == 0 || !WriteExportFile(path, result.text, outcome.error)) {
      if (outcome.error.isEmpty()) outcome.error = result.notes.empty() ? QString("-") : Q(result.notes.front());
      outcome.boards = 0;
    }
    return outcome;
  };
  const TableState& state = desk_.Game().State();
  TExportBoards dialog(&desk_, sessions, state.EventType + state.Session, Q(files.PlayerName()), DocumentsFolder(),
                       exporter);
  dialog.SetLanguage(desk_.InterfaceLanguage());
  ApplySkinToWindow(&dialog, desk_.Opt().SkinColors, false);
  dialog.exec();
}

void TEventSets::NewEvents() {
  if (!eventsRunner_) return;
  std::random_device random;
  const uint64_t seed = (uint64_t(random()) << 20 ^ random()) % 1000000000ull;
  const QString suggested = QDir(DocumentsFolder()).filePath(QString("QUORVAL events %1").arg(seed));
  TNewEvents dialog(&desk_, suggested, WorkingFolder(), seed, eventsRunner_);
  dialog.SetLanguage(desk_.InterfaceLanguage());
  ApplySkinToWindow(&dialog, desk_.Opt().SkinColors, false);
  if (dialog.exec() == QDialog::Accepted && dialog.PlayNow() && desk_.ConfirmLeaveBoard())
    PlayEventSet(dialog.Folder());
}

void TEventSets::OpenEventSet() {
  const QString folder = QFileDialog::getExistingDirectory(&desk_, QString(), DocumentsFolder());
  if (!folder.isEmpty()) PlayEventSet(folder);
}

bool TEventSets::PlayEventSet(const QString& folder) {
  const QDir dir(folder);
  if (!QFileInfo::exists(dir.filePath(kBoardFileName))) {
    ShowMessage(QDir::toNativeSeparators(folder).toStdString() + ": no " + kBoardFileName);
    return false;
  }
  if (dir.absolutePath() == WorkingFolder()) return true;   // the set in use
  // The player sits down in the other set with his own settings; a player
  // who has played there before keeps what he had.
  desk_.Saving().SaveSettings();
  const std::string player = desk_.Files().PlayerName();
  {
    TBigIniFile there(dir.filePath(kOptionsFileName).toStdString());
    if (!there.SectionExists(player)) {
      TOption settings = desk_.Opt();
      TBigIniFile sets(dir.filePath(kBoardFileName).toStdString());
      settings.Event = EventLength(sets, "Imp", "01") > 0 || EventLength(sets, "Par", "01") == 0 ? "Imp" : "Par";
      settings.Session = "01";
      settings.LastHandPlayed = 0;
      if (!SaveOptions(there, settings, NowDateTime())) return false;
    }
  }
  const QStringList arguments = {"--dir", dir.absolutePath(), "--player", Q(player)};
  if (!(restarter_ ? restarter_(arguments) : StartAgain(arguments))) return false;
  // The user agreed to leave the board before the set was chosen.
  desk_.Game().ClearBoard();
  desk_.close();
  return true;
}

}  // namespace quorval
