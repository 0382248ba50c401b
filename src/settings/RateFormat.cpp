#include "RateFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace brelvo {

namespace {

struct Decimal {
    std::string digits;  // d1..dn, d1 not zero, no trailing zeros
    int exponent = 0;    // magnitude == 0.d1..dn * 10^exponent
};

// The magnitude to 18 significant digits (correctly rounded), then rounded half-up to 15.
// Rounding in these two stages, not straight to 15 digits, keeps the rate texts the same as
// those that attribute files written earlier already carry.
Decimal ToDecimal15(double magnitude) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 17);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    // text is "d.ddddddddddddddddde[+-]xx"
    const auto ePos = text.find('e');
    std::string digits;
    digits += text[0];
    digits += text.substr(2, ePos - 2);
    int exponent = std::atoi(std::string(text.substr(ePos + 1)).c_str()) + 1;

    const bool roundUp = digits[15] >= '5';
    digits.resize(15);
    if (roundUp) {
        int i = 14;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
            digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[static_cast<std::size_t>(i)];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        }
    }
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
    }
    return {digits, exponent};
}

}  // namespace

std::string FormatRate(double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    if (value == 0.0) {
        return "0";
    }
    const Decimal d = ToDecimal15(std::fabs(value));
    const auto n = static_cast<int>(d.digits.size());
    std::string text = value < 0 ? "-" : "";
    if (d.exponent >= -3 && d.exponent <= 15) {
        if (d.exponent > 0) {
            if (n <= d.exponent) {
                text += d.digits;
                text.append(static_cast<std::size_t>(d.exponent - n), '0');
            } else {
                text += d.digits.substr(0, static_cast<std::size_t>(d.exponent));
                text += '.';
                text += d.digits.substr(static_cast<std::size_t>(d.exponent));
            }
        } else {
            text += "0.";
            text.append(static_cast<std::size_t>(-d.exponent), '0');
            text += d.digits;
        }
    } else {
        text += d.digits[0];
        if (n > 1) {
            text += '.';
            text += d.digits.substr(1);
        }
        text += 'E';
        text += std::to_string(d.exponent - 1);
    }
    return text;
}

}  // namespace brelvo
