#include "ui/frm_datos.hpp"

#include <QEvent>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <utility>
#include <vector>

#include "calc/recalculate.hpp"
#include "ui/control_factory.hpp"
#include "ui/layout.hpp"
#include "ui/units.hpp"
#include "ui/utf8_text.hpp"

namespace ui {
namespace {

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

}  // namespace

FrmDatos::FrmDatos(std::string decimalSeparator, QWidget* parent)
    : QWidget(parent, kWindowFlags), decimalSeparator_(std::move(decimalSeparator)) {
  setObjectName(ToQString(kWindow.name));
  setWindowTitle(ToQString(kWindow.title));
  setFont(LayoutFont(kWindow.font));
  QPalette background = palette();
  background.setColor(QPalette::Window, ResolveColour(kWindow.background, background));
  setPalette(background);
  setAutoFillBackground(true);
  resize(TwipsToPixels(kWindow.clientWidth), TwipsToPixels(kWindow.clientHeight));

  BuildControls();
  ChainTabOrder();
  // The layout's initial results belong to other inputs; show those of the inputs in view.
  calc::Recalculate(sheet_, decimalSeparator_);
  sheet_.Box(calc::BoxArray::D, 0)->setFocus();
}

QWidget* FrmDatos::Control(const QString& name) const {
  return findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

void FrmDatos::ShowCentred() {
  // The frame is not known before the window manager has it; centre the client area.
  move(screen()->availableGeometry().center() - rect().center());
  show();
}

void FrmDatos::BuildControls() {
  const ControlRecord* previous = nullptr;
  for (const ControlRecord& record : kControls) {
    QWidget* control = CreateControl(record, this);
    const ControlRecord* caption = std::exchange(previous, &record);
    const bool isInput = record.name == kInputArray;
    if (!isInput && record.name != kResultArray) {
      continue;
    }
    auto* box = static_cast<QLineEdit*>(control);
    // Each caption stands in the row directly above the box it labels.
    if (caption != nullptr && caption->kind == ControlKind::Label) {
      box->setAccessibleName(SpokenCaption(caption->text));
    }
    sheet_.Bind(isInput ? calc::BoxArray::D : calc::BoxArray::R, record.index, box);
    if (isInput) {
      connect(box, &QLineEdit::textChanged, this, &FrmDatos::RecalculateResults);
    }
  }
}

void FrmDatos::ChainTabOrder() {
  std::vector<const ControlRecord*> stops;
  for (const ControlRecord& record : kControls) {
    if (record.kind != ControlKind::Label) {
      stops.push_back(&record);
    }
  }
  std::ranges::sort(stops, {}, &ControlRecord::tabIndex);
  for (std::size_t i = 1; i < stops.size(); ++i) {
    setTabOrder(Control(ObjectName(*stops[i - 1])), Control(ObjectName(*stops[i])));
  }
}

void FrmDatos::RecalculateResults() {
  calc::Recalculate(sheet_, decimalSeparator_);
  emit Recalculated();
}

void FrmDatos::changeEvent(QEvent* event) {
  // Some window managers (openbox among them) maximize a window that asks them not to.
  if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized)) {
    setWindowState(windowState() & ~Qt::WindowMaximized);
  }
  QWidget::changeEvent(event);
}

}  // namespace ui
