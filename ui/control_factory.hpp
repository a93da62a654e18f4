#pragma once

#include <QString>
#include <QWidget>

#include "ui/layout.hpp"

namespace ui {

// The object name of a control: its name, and for a member of a control array its index,
// as in "R(13)".
QString ObjectName(const ControlRecord& record);

// Creates the control of a layout record on the parent, placed, coloured and with its text.
QWidget* CreateControl(const ControlRecord& record, QWidget* parent);

// The font of a record, sized in pixels at the layout's 96 dots per inch.
QFont LayoutFont(const FontStyle& style);

QColor ResolveColour(Colour colour, const QPalette& palette);

// What a screen reader says for a box: its caption without the trailing "=" and with single
// blanks, as in "A: Area" for "A:  Area=".
QString SpokenCaption(std::string_view caption);

}  // namespace ui
