#pragma once

#include <QLabel>

#include "ui/layout.hpp"

namespace ui {

// A label of the layout: opaque, its caption from the top edge, wrapped at blanks and cut at the
// edges, with no border, the platform's sunken panel or a one-pixel black line.
class CaptionLabel : public QLabel {
 public:
  CaptionLabel(const QString& caption, Alignment alignment, Border border, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Border border_;
};

}  // namespace ui
