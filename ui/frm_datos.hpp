#pragma once

#include <QWidget>
#include <string>

#include "ui/widget_box_sheet.hpp"

namespace ui {

// The calculator's one window. It is built from the layout table; every change of the text of
// an input box recalculates all results from the four inputs.
class FrmDatos : public QWidget {
  Q_OBJECT

 public:
  // The separator is the one of the user's locale; results are written with it.
  explicit FrmDatos(std::string decimalSeparator = ".", QWidget* parent = nullptr);

  // The control of the layout with this object name, such as "D(0)" or "Label7".
  QWidget* Control(const QString& name) const;

  // Shows the window centred on its screen, as it opens at start.
  void ShowCentred();

 signals:
  // After each recalculation, once its results are in the boxes.
  void Recalculated();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void BuildControls();
  void ChainTabOrder();
  void RecalculateResults();

  std::string decimalSeparator_;
  WidgetBoxSheet sheet_;
};

}  // namespace ui
