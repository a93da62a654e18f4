#pragma once

#include <QIcon>
#include <string>

namespace ui {

// Sets up the application as the window expects it: the Fusion style with its own palette, so
// that borders and colours look the same under any desktop theme; metric-compatible faces for
// the layout's fonts where those are missing; the program's icon.
void PrepareApplication();

// The cloud icon at 16 x 16 and 32 x 32.
QIcon CloudIcon();

// The decimal separator of the user's locale (LC_ALL, LC_NUMERIC, LANG); "." where none is set.
std::string UserDecimalSeparator();

}  // namespace ui
