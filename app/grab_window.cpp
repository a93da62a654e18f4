// Writes a PNG of the window as it opens, for the README:  grab_window OUTPUT.png
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "ui/application.hpp"
#include "ui/frm_datos.hpp"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: grab_window OUTPUT.png\n");
    return 2;
  }
  ui::PrepareApplication();
  ui::FrmDatos window(ui::UserDecimalSeparator());
  window.ShowCentred();
  QApplication::processEvents();
  return window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
