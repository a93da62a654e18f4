#pragma once

#include <QString>
#include <string_view>

namespace ui {

// The layout's texts and the recalculation's box texts are UTF-8.
inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace ui
