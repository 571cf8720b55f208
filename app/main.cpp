#include <QApplication>

#include "app/command_line.h"
#include "app/program.h"

int main(int argc, char** argv) {
  // --help, --version and a bad value are answered before Qt starts, so that
  // they work without a screen (the manual pages are made from --help at build
  // time). A word the program does not know may be one of Qt's own options:
  // that waits until QApplication has taken them.
  QStringList raw;
  for (int i = 0; i < argc; ++i) raw << QString::fromLocal8Bit(argv[i]);
  const quorval::CommandLine early = quorval::ParseCommandLine(raw);
  if (early.action != quorval::CommandLineAction::Run || (!early.error.isEmpty() && !early.foreignWord))
    return quorval::AnswerCommandLine(early);

  Q_INIT_RESOURCE(quorval);
  QApplication app(argc, argv);
  return quorval::RunProgram(app, quorval::ParseCommandLine(QApplication::arguments()));
}
