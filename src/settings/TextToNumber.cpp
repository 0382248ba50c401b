#include "TextToNumber.h"

#include <charconv>
#include <string>

#include "ConversionError.h"

namespace brelvo {

namespace {

struct DecimalText {
    bool negative = false;
    std::string_view whole;     // digits before the point, maybe empty
    std::string_view fraction;  // digits after the point, maybe empty
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TakeDigits(std::string_view& rest) {
    std::size_t n = 0;
    while (n < rest.size() && IsDigit(rest[n])) {
        ++n;
    }
    const auto digits = rest.substr(0, n);
    rest.remove_prefix(n);
    return digits;
}

DecimalText Parse(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    DecimalText parsed;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        parsed.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    parsed.whole = TakeDigits(text);
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
        parsed.fraction = TakeDigits(text);
    }
    if (!text.empty() || (parsed.whole.empty() && parsed.fraction.empty())) {
        throw ConversionError();
    }
    return parsed;
}

}  // namespace

double TextToDouble(std::string_view text) {
    const DecimalText parsed = Parse(text);
    std::string canonical = "0";
    canonical += parsed.whole;
    canonical += '.';
    canonical += parsed.fraction;
    canonical += '0';
    double value = 0;
    const auto result = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (result.ec != std::errc()) {
        throw ConversionError();
    }
    return parsed.negative ? -value : value;
}

std::int32_t TextToInt32(std::string_view text) {
    const DecimalText parsed = Parse(text);
    // Work on the digits themselves so that long texts cannot overflow before the range test.
    std::int64_t magnitude = 0;
    for (const char c : parsed.whole) {
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > std::int64_t{1} << 32) {
            throw ConversionError();
        }
    }
    const std::size_t firstNonZero = parsed.fraction.find_first_not_of('0', 1);
    const char firstFractionDigit = parsed.fraction.empty() ? '0' : parsed.fraction[0];
    const bool moreThanHalf =
        firstFractionDigit > '5' || (firstFractionDigit == '5' && firstNonZero != std::string_view::npos);
    const bool exactlyHalf = firstFractionDigit == '5' && firstNonZero == std::string_view::npos;
    if (moreThanHalf || (exactlyHalf && magnitude % 2 == 1)) {
        ++magnitude;
    }
    const std::int64_t value = parsed.negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) {
        throw ConversionError();
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace brelvo
