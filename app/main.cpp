#include <QApplication>

#include "ui/application.hpp"
#include "ui/frm_datos.hpp"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  ui::PrepareApplication();
  ui::FrmDatos window(ui::UserDecimalSeparator());
  window.ShowCentred();
  return QApplication::exec();
}
