#pragma once

#include <string_view>

#include "calc/box_sheet.hpp"
#include "calc/number_text.hpp"

namespace calc {

// Recomputes every result box from the four input boxes: the wetted section's geometry into
// R(0)-R(5) and R(7), its copies into R(8) and R(9), and Manning's velocity, discharge, Froude
// number and utilisation into R(10)-R(13) where a flow can be computed. R(6) is never written.
//
// Where the arithmetic fails (a value that is not finite), the run stops: the boxes it wrote
// keep this run's results, the other boxes of R(0)-R(12) are emptied, and R(13) keeps its text.
// Never throws on a failure of its arithmetic.
void Recalculate(BoxSheet& sheet, std::string_view decimalSeparator = kDefaultSeparator);

}  // namespace calc
