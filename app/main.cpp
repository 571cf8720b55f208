#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow w;
  w.setWindowTitle("ORVENDAL QUORVAL 2005");
  w.show();
  return app.exec();
}
