#pragma once
// Runs the real program headless and waits for it: its exit code and what it
// wrote on standard error (and, when asked, on standard output).
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace quorval::testing {

// How long a run of the program may take before the test calls it hung. The
// runs take seconds; the limit is ten minutes so that a machine loaded many
// times over (a parallel ctest beside other builds) never fails a sound run,
// and a run that never ends still fails its test instead of stalling ctest.
inline constexpr int kProgramRunLimitMs = 600000;

inline int RunProgram(const QStringList& args, QString* err = nullptr, const QString& workingFolder = {},
                      QString* out = nullptr) {
  QProcess p;
  if (!workingFolder.isEmpty()) p.setWorkingDirectory(workingFolder);
  p.start(QUORVAL_EXE, QStringList{"-platform", "offscreen"} + args);
  if (!p.waitForFinished(kProgramRunLimitMs)) return -1;
  if (err) *err = QString::fromUtf8(p.readAllStandardError());
  if (out) *out = QString::fromUtf8(p.readAllStandardOutput());
  return p.exitCode();
}

// The fixture event files, copied into `folder`.
inline bool CopyFixtureEvents(const QString& folder, const char* set = "events") {
  for (const char* f : {"Lisk2005.ini", "Results2005.ini", "SEQ2005.txt"})
    if (!QFile::copy(QString(QUORVAL_FIXTURES "/") + set + "/" + f, folder + "/" + f)) return false;
  return true;
}

}  // namespace quorval::testing
