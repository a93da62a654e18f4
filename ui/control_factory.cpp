#include "ui/control_factory.hpp"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <limits>

#include "ui/caption_label.hpp"
#include "ui/units.hpp"
#include "ui/utf8_text.hpp"

namespace ui {
namespace {

QWidget* CreateTextBox(const ControlRecord& record, QWidget* parent) {
  auto* box = new QLineEdit(ToQString(record.text), parent);
  box->setReadOnly(record.kind == ControlKind::ReadOnlyTextBox);
  box->setMaxLength(std::numeric_limits<int>::max());  // a box has no limit; Qt's default is 32767
  box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  box->setFocusPolicy(Qt::StrongFocus);
  box->setCursorPosition(0);
  return box;
}

// The image, or on a high-density screen its drawing at twice the size ("name@2x.png") where
// there is one, so that it stays sharp.
QPixmap ImageForScreen(const QString& path) {
  if (qApp->devicePixelRatio() > 1) {
    QString sharp = path;
    sharp.insert(sharp.lastIndexOf(u'.'), QStringLiteral("@2x"));
    QPixmap pixmap;
    if (pixmap.load(sharp)) {
      pixmap.setDevicePixelRatio(2);
      return pixmap;
    }
  }
  return QPixmap(path);
}

QWidget* CreatePicture(const ControlRecord& record, QWidget* parent) {
  auto* picture = new QLabel(parent);
  picture->setPixmap(ImageForScreen(ToQString(record.text)));
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setScaledContents(false);
  picture->setAutoFillBackground(true);
  picture->setFocusPolicy(Qt::StrongFocus);  // in the tab chain; a label draws no focus mark
  picture->setAccessibleName(QStringLiteral("Gota de agua sobre una mano"));
  return picture;
}

QWidget* CreateWidget(const ControlRecord& record, QWidget* parent) {
  switch (record.kind) {
    case ControlKind::Label:
      return new CaptionLabel(ToQString(record.text), record.alignment, record.border, parent);
    case ControlKind::TextBox:
    case ControlKind::ReadOnlyTextBox:
      return CreateTextBox(record, parent);
    case ControlKind::Picture:
      return CreatePicture(record, parent);
  }
  return nullptr;
}

void ApplyColours(const ControlRecord& record, QWidget* widget) {
  QPalette palette = widget->palette();
  const QColor background = ResolveColour(record.background, palette);
  const bool isTextBox =
      record.kind == ControlKind::TextBox || record.kind == ControlKind::ReadOnlyTextBox;
  palette.setColor(isTextBox ? QPalette::Base : QPalette::Window, background);
  if (record.kind != ControlKind::Picture) {
    const QColor text = ResolveColour(record.textColour, palette);
    palette.setColor(isTextBox ? QPalette::Text : QPalette::WindowText, text);
  }
  widget->setPalette(palette);
}

}  // namespace

QString ObjectName(const ControlRecord& record) {
  const QString name = ToQString(record.name);
  return record.index == kNoIndex ? name : QStringLiteral("%1(%2)").arg(name).arg(record.index);
}

QFont LayoutFont(const FontStyle& style) {
  QFont font(ToQString(style.face));
  font.setPixelSize(PointsToPixels(style.points));
  font.setBold(style.bold);
  font.setItalic(style.italic);
  return font;
}

QColor ResolveColour(Colour colour, const QPalette& palette) {
  switch (colour.role) {
    case SystemColour::ButtonFace:
      return palette.color(QPalette::Button);
    case SystemColour::WindowText:
      return palette.color(QPalette::WindowText);
    case SystemColour::None:
      break;
  }
  return QColor::fromRgb(static_cast<QRgb>(colour.rgb));
}

QString SpokenCaption(std::string_view caption) {
  QString spoken = ToQString(caption).simplified();
  if (spoken.endsWith(u'=')) {
    spoken.chop(1);
  }
  return spoken.trimmed();
}

QWidget* CreateControl(const ControlRecord& record, QWidget* parent) {
  QWidget* widget = CreateWidget(record, parent);
  widget->setObjectName(ObjectName(record));
  widget->setGeometry(TwipsToPixels(record.left), TwipsToPixels(record.top),
                      TwipsToPixels(record.width), TwipsToPixels(record.height));
  if (!record.font.face.empty()) {
    widget->setFont(LayoutFont(record.font));
  }
  ApplyColours(record, widget);
  return widget;
}

}  // namespace ui
