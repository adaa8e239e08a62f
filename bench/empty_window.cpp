// The yardstick of the start-up benchmark: the least a Qt Widgets program does to show a main
// window of the configurator's size.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.resize(600, 720);
  window.show();
  return application.exec();
}
