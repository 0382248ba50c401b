#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LineReader.h"
#include "MemoryStreams.h"

namespace brelvo {
namespace {

std::vector<std::string> ReadAll(const std::string& bytes, std::size_t chunk, std::size_t bufferSize) {
    test::MemorySource source(bytes, chunk);
    LineReader reader(source, bufferSize);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.ReadLine(line)) {
        lines.emplace_back(line);
    }
    return lines;
}

TEST(LineReaderTest, SplitsAtLineFeedsAndDropsCarriageReturns) {
    const std::string longLine(5000, 'x');
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    } const cases[] = {
        {"empty", "", {}},
        {"crlf", "a\r\nb\r\n", {"a", "b"}},
        {"lf", "a\nb\n", {"a", "b"}},
        {"no final line end", "a\r\nb", {"a", "b"}},
        {"empty lines", "\r\n\n\r\n", {"", "", ""}},
        {"lone cr inside a line", "a\rb\r\nc\n", {"ab", "c"}},
        {"lone cr at the end", "a\r", {"a"}},
        {"cr cr lf", "a\r\r\nb", {"a", "b"}},
        {"only a cr", "\r", {""}},
        {"nul and high bytes", std::string("a\0\xff\x81", 4) + "\n", {std::string("a\0\xff\x81", 4)}},
        {"long line", longLine + "\r\n" + longLine, {longLine, longLine}},
        {"ctrl-z is an ordinary byte here", "a\x1a\n\x1a\n", {"a\x1a", "\x1a"}},
    };
    // Small buffers and chunks make lines and CR LF pairs cross buffer fills.
    for (const auto& c : cases) {
        for (const auto& [chunk, buffer] :
             {std::pair<std::size_t, std::size_t>{1 << 20, 1 << 16}, {1, 7}, {3, 4}, {5, 64}}) {
            SCOPED_TRACE(std::string(c.name) + " chunk " + std::to_string(chunk) + " buffer " +
                         std::to_string(buffer));
            EXPECT_EQ(ReadAll(c.bytes, chunk, buffer), c.lines);
        }
    }
}

TEST(LineReaderTest, EndMarkIsCtrlZOrNoMoreBytes) {
    test::MemorySource source(
        "a\n\x1a"
        "b\n");
    LineReader reader(source, 2);
    std::string_view line;
    EXPECT_FALSE(reader.AtEndMark());
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, "a");
    EXPECT_TRUE(reader.AtEndMark());
    EXPECT_FALSE(reader.AtEnd());
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line,
              "\x1a"
              "b");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_TRUE(reader.AtEndMark());
    EXPECT_FALSE(reader.ReadLine(line));
}

}  // namespace
}  // namespace brelvo
