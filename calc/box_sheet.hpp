#pragma once

#include <string>
#include <string_view>

namespace calc {

// The two arrays of text boxes: D holds the inputs 0, 1, 3 and 4, R the results 0 to 13.
enum class BoxArray { D, R };

// The texts of the calculator's boxes, addressed by array and index. A read returns the last
// text written to the box, also within one recalculation. Texts are UTF-8.
class BoxSheet {
 public:
  virtual ~BoxSheet() = default;
  virtual std::string Text(BoxArray array, int index) const = 0;
  virtual void SetText(BoxArray array, int index, std::string_view text) = 0;
};

}  // namespace calc
