#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "calc/box_sheet.hpp"

namespace calc::testing {

// A sheet over plain arrays, standing in for the window's boxes.
class TableSheet : public BoxSheet {
 public:
  std::array<std::string, 5> d;  // d[2] is never read: there is no D(2)
  std::array<std::string, 14> r;

  std::string Text(BoxArray array, int index) const override { return Box(array, index); }

  void SetText(BoxArray array, int index, std::string_view text) override {
    Box(array, index) = std::string(text);
  }

 private:
  template <typename Self>
  static auto& Box(Self& self, BoxArray array, int index) {
    if (array == BoxArray::D) {
      if (index == 2) {
        throw std::out_of_range("there is no D(2)");
      }
      return self.d.at(static_cast<std::size_t>(index));
    }
    return self.r.at(static_cast<std::size_t>(index));
  }
  const std::string& Box(BoxArray array, int index) const { return Box(*this, array, index); }
  std::string& Box(BoxArray array, int index) { return Box(*this, array, index); }
};

}  // namespace calc::testing
