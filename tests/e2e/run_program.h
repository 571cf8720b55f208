#pragma once
// The real program, headless, with the given arguments: its exit code, and
// what it wrote on standard error.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace {

int RunProgram(const QStringList& args, QString* err = nullptr) {
  QProcess p;
  p.start(QUORVAL_EXE, QStringList{"-platform", "offscreen"} + args);
  if (!p.waitForFinished(120000)) return -1;
  if (err) *err = QString::fromUtf8(p.readAllStandardError());
  return p.exitCode();
}

}  // namespace
