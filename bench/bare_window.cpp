#include <QApplication>
#include <QLineEdit>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QLineEdit window;
  window.resize(599, 454);
  window.show();
  return QApplication::exec();
}
