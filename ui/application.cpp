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
  QApplication::setWindowIcon(CloudIcon());
}

QIcon CloudIcon() {
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/cloud-16.png"), QSize(16, 16));
  icon.addFile(QStringLiteral(":/icons/cloud-32.png"), QSize(32, 32));
  return icon;
}

std::string UserDecimalSeparator() {
  const QString separator = QLocale::system().decimalPoint();
  return separator.isEmpty() ? std::string(".") : separator.toStdString();
}

}  // namespace ui
