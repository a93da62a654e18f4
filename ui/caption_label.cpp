#include "ui/caption_label.hpp"

#include <QPainter>

namespace ui {
namespace {

Qt::Alignment HorizontalAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::Left:
      return Qt::AlignLeft;
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::Centre:
      return Qt::AlignHCenter;
  }
  return Qt::AlignLeft;
}

}  // namespace

CaptionLabel::CaptionLabel(const QString& caption, Alignment alignment, Border border,
                           QWidget* parent)
    : QLabel(caption, parent), border_(border) {
  setTextFormat(Qt::PlainText);
  setAlignment(HorizontalAlignment(alignment) | Qt::AlignTop);
  setWordWrap(true);
  setIndent(0);
  setMargin(0);
  setAutoFillBackground(true);
  setFocusPolicy(Qt::NoFocus);
  switch (border) {
    case Border::None:
      break;
    case Border::Sunken:
      setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
      break;
    case Border::Flat:
      setContentsMargins(1, 1, 1, 1);  // room for the line drawn in paintEvent
      break;
  }
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (border_ == Border::Flat) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

}  // namespace ui
