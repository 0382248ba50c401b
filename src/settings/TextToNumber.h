#pragma once

#include <cstdint>
#include <string_view>

namespace brelvo {

// Conversions of the outline-rate box's text. Accepted: optional blanks, an optional sign,
// decimal digits with an optional fraction after a point, optional blanks. Anything else
// throws ConversionError.

// The nearest double to the text.
double TextToDouble(std::string_view text);

// The text as a whole number, a fraction rounded half to even (2.5 gives 2, 3.5 gives 4);
// a result outside the 32-bit signed range throws ConversionError.
std::int32_t TextToInt32(std::string_view text);

}  // namespace brelvo
