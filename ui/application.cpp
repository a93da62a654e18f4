#include "ui/application.hpp"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QStyle>
#include <QStyleFactory>

namespace ui {

void PrepareApplication() {
  QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
  QApplication::setStyle(fusion);
  QApplication::setPalette(fusion->standardPalette());
  // Used only where the named face is missing; both have the metrics of the face they replace.
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
  QApplication::setWindowIcon(CloudIcon());  // the window shows it too: it has none of its own
  // Lets desktop shells (Wayland ones in particular) find the desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(CALCULO_APP_ID));
}

QIcon CloudIcon() {
  QIcon icon;
  for (const int size : {16, 32}) {
    icon.addFile(QStringLiteral(":/icons/cloud-%1.png").arg(size), QSize(size, size));
    icon.addFile(QStringLiteral(":/icons/cloud-%1@2x.png").arg(size), QSize(2 * size, 2 * size));
  }
  return icon;
}

std::string UserDecimalSeparator() {
  const QString separator = QLocale::system().decimalPoint();
  return separator.isEmpty() ? std::string(".") : separator.toStdString();
}

}  // namespace ui
