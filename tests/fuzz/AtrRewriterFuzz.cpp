// Feeds arbitrary bytes to the rewriter and checks what must hold whatever the rules say:
//  - every written line ends in CR LF, and no CR or LF stands anywhere else;
//  - each line read gives one or two lines written (two where an option line is inserted);
//  - converting the output again with the same settings gives the same bytes, with two exceptions:
//    * the output holds a line starting with Ctrl-Z first or right after a line "}". A Ctrl-Z
//      where a block begins is the old end-of-file mark, so the second pass stops there; it got
//      there because dropped CRs ("\r\x1a") or a closing line such as " }", written as "}",
//      moved it to a block start;
//    * the input holds an option line that is its prefix alone ("opt ( " after the indentation):
//      losing its last character, the blank, it comes out as "opt (celllookedge...", which the
//      second pass no longer takes for an option line.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "AtrRewriter.h"
#include "EdgeOptions.h"
#include "MemoryStreams.h"

namespace {

using namespace brelvo;

const std::string kOptions = MakeEdgeOptions(3, 0.003);

std::string Rewrite(const std::string& input, std::size_t bufferSize) {
    test::MemorySource source(input, bufferSize);
    test::MemorySink sink;
    Progress progress;
    LineReader reader(source, bufferSize);
    LineWriter writer(sink, bufferSize);
    AtrRewriter(kOptions, progress).Rewrite(reader, writer, "fuzz.atr");
    writer.Flush();
    return sink.bytes;
}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool HoldsBareOptionPrefix(std::string_view input) {
    std::size_t start = 0;
    while (start <= input.size()) {
        auto end = input.find('\n', start);
        if (end == std::string_view::npos) {
            end = input.size();
        }
        std::string line(input.substr(start, end - start));
        std::erase(line, '\r');
        const auto text =
            line.find_first_not_of(std::string_view("\0\x01\x02\x03\x04\x05\x06\x07\x08\t\n\x0b\x0c\r"
                                                    "\x0e\x0f\x10\x11\x12\x13\x14\x15\x16\x17\x18"
                                                    "\x19\x1a\x1b\x1c\x1d\x1e\x1f ",
                                                    33));
        if (text != std::string::npos && line.substr(text) == "opt ( ") {
            return true;
        }
        start = end + 1;
    }
    return false;
}

std::size_t LinesRead(std::string_view input) {
    std::size_t lines = 0;
    std::size_t start = 0;
    while (start < input.size()) {
        const auto end = input.find('\n', start);
        ++lines;
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte picks the buffer size, so that lines cross buffer fills in every way.
    const std::size_t bufferSize = size > 0 ? 1 + data[0] % 64 : 16;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string output = Rewrite(input, bufferSize);

    std::size_t linesWritten = 0;
    bool reconvertible = true;
    bool afterBlockEnd = true;  // the output's first line begins a block
    for (std::size_t start = 0; start < output.size();) {
        const auto end = output.find("\r\n", start);
        Require(end != std::string::npos);
        const std::string_view line(output.data() + start, end - start);
        Require(line.find_first_of("\r\n") == std::string_view::npos);
        if (afterBlockEnd && line.starts_with('\x1a')) {
            reconvertible = false;
        }
        afterBlockEnd = line == "}";
        ++linesWritten;
        start = end + 2;
    }
    const std::size_t linesRead = LinesRead(input);
    Require(linesWritten <= 2 * linesRead);
    if (input.find('\x1a') == std::string::npos) {
        Require(linesWritten >= linesRead);
    }
    if (reconvertible && !HoldsBareOptionPrefix(input)) {
        Require(Rewrite(output, 64) == output);
    }
    return 0;
}
