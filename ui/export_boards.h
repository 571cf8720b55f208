#pragma once
// TExportBoards: File > Export Boards (PBN). The player's filed boards of one
// session or of all sessions go into one PBN file that other bridge programs
// read, with the auction and play as they went at the table. The window only
// chooses the boards and the file; the export itself is handed in.

#include <QDialog>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quorval { class TMultiLang; }

namespace quorval {

// One session with filed boards: "Imp03" and its board keys.
struct ExportSession {
  std::string name;
  std::vector<std::string> keys;
};

// What an export did: boards written, or why the file could not be written;
// notes on boards left out or written without their play.
struct ExportOutcome {
  int boards = 0;
  QString error;
  std::vector<std::string> notes;
};
using ExportFn = std::function<ExportOutcome(const std::vector<std::string>& keys, const QString& path)>;
// Asks for the file to write (the save dialog); empty when cancelled.
using AskFileFn = std::function<QString(QWidget* parent, const QString& suggested)>;

class TExportBoards : public QDialog {
  Q_OBJECT

 public:
  // `current` is the table's session ("Imp03"), chosen first when it has
  // filed boards; `folder` is where the file is suggested.
  TExportBoards(QWidget* parent, std::vector<ExportSession> sessions, const std::string& current,
                const QString& player, const QString& folder, ExportFn exporter, AskFileFn askFile = {});

  // Speaks `language` (the table's interface language).
  void SetLanguage(int language);

  // The boards chosen: the session's, or all.
  std::vector<std::string> ChosenKeys() const;
  // "<folder>/<player> Imp03.pbn", or "... all sessions.pbn".
  QString SuggestedFile() const;
  // Exports the chosen boards into `path` and says how it went; the window
  // closes when the file was written.
  bool ExportTo(const QString& path);
  // What the last export said to the user.
  QString LastReport() const { return lastReport_; }

  QRadioButton* SessionButton() const { return sessionRB_; }
  QRadioButton* AllButton() const { return allRB_; }
  QComboBox* Sessions() const { return sessionCombo_; }
  QPushButton* ExportButton() const { return exportBtn_; }

 private:
  void ExportClick();
  void UpdateCounts();
  QString Text(const char* label) const;

  std::vector<ExportSession> sessions_;
  QString player_, folder_;
  ExportFn exporter_;
  AskFileFn askFile_;
  QString lastReport_;
  QRadioButton* sessionRB_ = nullptr;
  QRadioButton* allRB_ = nullptr;
  QComboBox* sessionCombo_ = nullptr;
  QLabel* countLabel_ = nullptr;
  QPushButton* exportBtn_ = nullptr;
  TMultiLang* lang_ = nullptr;
};

// Writes the exported text to the file through a temporary file that
// replaces it whole; false with the reason when it cannot.
bool WriteExportFile(const QString& path, const std::string& text, QString& error);

}  // namespace quorval
