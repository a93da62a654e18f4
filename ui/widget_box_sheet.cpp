#include "ui/widget_box_sheet.hpp"

#include "ui/utf8_text.hpp"

namespace ui {

void WidgetBoxSheet::Bind(calc::BoxArray array, int index, QLineEdit* box) {
  const auto at = static_cast<std::size_t>(index);
  (array == calc::BoxArray::D ? inputs_.at(at) : results_.at(at)) = box;
}

QLineEdit* WidgetBoxSheet::Box(calc::BoxArray array, int index) const {
  const auto at = static_cast<std::size_t>(index);
  return array == calc::BoxArray::D ? inputs_.at(at) : results_.at(at);
}

std::string WidgetBoxSheet::Text(calc::BoxArray array, int index) const {
  return Box(array, index)->text().toStdString();
}

void WidgetBoxSheet::SetText(calc::BoxArray array, int index, std::string_view text) {
  QLineEdit* box = Box(array, index);
  const QString newText = ToQString(text);
  // An unchanged box keeps its caret and selection, so a result being copied stays selected.
  if (box->text() != newText) {
    box->setText(newText);
    box->setCursorPosition(0);  // a number longer than its box shows its leading digits
  }
}

}  // namespace ui
