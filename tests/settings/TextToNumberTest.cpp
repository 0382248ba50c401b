#include <gtest/gtest.h>

#include "ConversionError.h"
#include "TextToNumber.h"

namespace brelvo {
namespace {

TEST(TextToNumberTest, ConvertsDecimalTexts) {
    struct Case {
        const char* text;
        double asDouble;
        std::int32_t asInt;
    } const cases[] = {
        {"0", 0, 0},
        {"3", 3, 3},
        {"10", 10, 10},
        {"100", 100, 100},
        {"999", 999, 999},
        {"-5", -5, -5},
        {"+7", 7, 7},
        {" 4 ", 4, 4},
        {"\t8", 8, 8},
        {"007", 7, 7},
        {"2.4", 2.4, 2},
        {"2.6", 2.6, 3},
        // Halves go to the even neighbour.
        {"2.5", 2.5, 2},
        {"3.5", 3.5, 4},
        {"-2.5", -2.5, -2},
        {"-3.5", -3.5, -4},
        {"0.5", 0.5, 0},
        {"1.5", 1.5, 2},
        {"2.50001", 2.50001, 3},
        {".5", 0.5, 0},
        {"5.", 5, 5},
        {"-0", -0.0, 0},
        {"2147483647", 2147483647.0, 2147483647},
        {"-2147483648", -2147483648.0, INT32_MIN},
        {"2147483646.5", 2147483646.5, 2147483646},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TextToDouble(c.text), c.asDouble);
        EXPECT_EQ(TextToInt32(c.text), c.asInt);
    }
}

TEST(TextToNumberTest, RejectsTextsThatAreNoNumbers) {
    for (const char* text : {"", " ", "a", "1a", "-", "+", ".", "1.2.3", "--1", "+-1", "1 2", "1,5", "0x10",
                             "1e3", "inf", "nan", "- 1", "１"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(TextToDouble(text), ConversionError);
        EXPECT_THROW(TextToInt32(text), ConversionError);
    }
}

TEST(TextToNumberTest, IntegersBeyondThirtyTwoBitsFailOnlyAsIntegers) {
    for (const char* text : {"2147483648", "-2147483649", "2147483647.5", "99999999999999999999999"}) {
        SCOPED_TRACE(text);
        EXPECT_NO_THROW(TextToDouble(text));
        EXPECT_THROW(TextToInt32(text), ConversionError);
    }
}

TEST(TextToNumberTest, ConversionErrorCarriesTheUserMessage) {
    try {
        TextToDouble("x");
        FAIL();
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "バリアントの型変換が正しくありません");
    }
}

}  // namespace
}  // namespace brelvo
