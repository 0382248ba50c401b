#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "RateFormat.h"

namespace brelvo {
namespace {

struct RateCase {
    double value;
    const char* text;
};

TEST(RateFormatTest, WritesRatesInShortestGeneralForm) {
    const RateCase cases[] = {
        // The track bar's eleven positions.
        {0.0, "0"},
        {0.001, "0.001"},
        {0.002, "0.002"},
        {0.003, "0.003"},
        {0.004, "0.004"},
        {0.005, "0.005"},
        {0.006, "0.006"},
        {0.007, "0.007"},
        {0.008, "0.008"},
        {0.009, "0.009"},
        {0.01, "0.01"},
        // Values the edit box can leave.
        {0.0025, "0.0025"},
        {0.999, "0.999"},
        {-0.099, "-0.099"},
        {0.1, "0.1"},
        {-0.005, "-0.005"},
        {0.0024, "0.0024"},
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {0.000025, "2.5E-5"},
        {1000000, "1000000"},
        {-0.0, "0"},
        // Digits beyond the 15th are rounded away; a carry out of the first digit raises E.
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.9999999999999999, "1"},
        {99999.99999999999, "100000"},
        // Both ends of fixed notation.
        {0.00012345, "0.00012345"},
        {0.000099, "9.9E-5"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E15"},
        {1.5e15, "1.5E15"},
        {1234567890123456789.0, "1.23456789012346E18"},
        {-2.5e-7, "-2.5E-7"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {std::numeric_limits<double>::max(), "1.79769313486232E308"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatRate(c.value), c.text);
    }
}

TEST(RateFormatTest, WritesNonFiniteValuesAsWords) {
    EXPECT_EQ(FormatRate(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FormatRate(-std::numeric_limits<double>::infinity()), "-INF");
    EXPECT_EQ(FormatRate(std::nan("")), "NAN");
}

TEST(RateFormatTest, AlwaysWritesAPointWhateverTheLocale) {
    // A comma in the middle of a point-separated option line would be misread by the renderer.
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_ALL, "fr_FR.UTF-8") == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    EXPECT_EQ(FormatRate(0.003), "0.003");
    EXPECT_EQ(FormatRate(2.5e-5), "2.5E-5");
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace brelvo
