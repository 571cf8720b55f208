#include <QApplication>

#include "app/command_line.h"
#include "app/program.h"

int main(int argc, char** argv) {
  Q_INIT_RESOURCE(quorval);
  QApplication app(argc, argv);
  return quorval::RunProgram(app, quorval::ParseCommandLine(QApplication::arguments()));
}
