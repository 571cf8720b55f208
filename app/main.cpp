#include <QApplication>

#include "app/command_line.h"
#include "app/program.h"

int main(int argc, char** argv) {
  // --help, --version and every fault are answered before Qt starts, so that
  // they work without a screen (the manual pages are made from --help at build
  // time). Qt's own options are known and set aside for QApplication first.
  QStringList raw;
  for (int i = 0; i < argc; ++i) raw << QString::fromLocal8Bit(argv[i]);
  const quorval::CommandLine early = quorval::ParseCommandLine(quorval::WithoutQtOptions(raw));
  if (early.action != quorval::CommandLineAction::Run || !early.error.isEmpty())
    return quorval::AnswerCommandLine(early);

  Q_INIT_RESOURCE(quorval);
  QApplication app(argc, argv);
  return quorval::RunProgram(app, quorval::ParseCommandLine(QApplication::arguments()));
}
