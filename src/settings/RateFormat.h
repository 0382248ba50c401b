#pragma once

#include <string>

namespace brelvo {

// Writes an outline rate the way it appears in option lines: at most 15 significant digits,
// fixed notation from 0.0001 up to below 1E15, otherwise "2.5E-5" style. The decimal separator
// is always a point, whatever the locale, because every other number on the line uses one.
std::string FormatRate(double value);

}  // namespace brelvo
