#pragma once

#include <QLineEdit>
#include <array>

#include "calc/box_sheet.hpp"

namespace ui {

// The window's text boxes as the recalculation's sheet: a write sets the box's text at once.
class WidgetBoxSheet : public calc::BoxSheet {
 public:
  void Bind(calc::BoxArray array, int index, QLineEdit* box);
  QLineEdit* Box(calc::BoxArray array, int index) const;

  std::string Text(calc::BoxArray array, int index) const override;
  void SetText(calc::BoxArray array, int index, std::string_view text) override;

 private:
  std::array<QLineEdit*, 5> inputs_{};
  std::array<QLineEdit*, 14> results_{};
};

}  // namespace ui
