#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AtrRewriter.h"
#include "EdgeOptions.h"
#include "MemoryStreams.h"

namespace brelvo {
namespace {

// A short option text keeps the expected bytes readable; it ends in " )" like the real one.
constexpr const char* kOptions = " X )";

std::string Rewrite(const std::string& input, const std::string& options = kOptions,
                    std::size_t chunk = 1 << 20) {
    test::MemorySource source(input, chunk);
    test::MemorySink sink;
    Progress progress;
    LineReader reader(source, 16);
    LineWriter writer(sink, 8);
    AtrRewriter(options, progress).Rewrite(reader, writer, "f.atr");
    writer.Flush();
    return sink.bytes;
}

struct RewriteCase {
    const char* name;
    std::string input;
    std::string output;
};

TEST(AtrRewriterTest, RewritesBlocksByteForByte) {
    const std::string longLine(6000, 'q');
    const RewriteCase cases[] = {
        {"empty file", "", ""},
        {"block without option line gets one before its end",
         "material a\r\n\tspc ( 1 2 3 )\r\n\tcol ( 1 1 1 )\r\n}\r\n",
         "material a\r\n\tspc ( 0.000 0.100 0.000 )\r\n\tcol ( 1 1 1 )\r\n\topt ( celllookedge X )\r\n}\r\n"},
        {"option line without keyword loses its last character", "m\r\n\topt ( a b )\r\n}\r\n",
         "m\r\n\topt ( a b celllookedge X )\r\n}\r\n"},
        {"option line ending in a blank loses only the blank", "\topt ( a ) \n}\n",
         "\topt ( a )celllookedge X )\r\n}\r\n"},
        {"option line with keyword is cut at its first occurrence",
         "\topt ( a celllookedge b celllookedge c )\n}\n", "\topt ( a celllookedge X )\r\n}\r\n"},
        {"two option lines are both rewritten and nothing inserted",
         "\topt ( a )\n\topt ( celllookedge z )\n}\n",
         "\topt ( a celllookedge X )\r\n\topt ( celllookedge X )\r\n}\r\n"},
        {"lf and crlf input give crlf output", "a\nb\r\n}", "a\r\nb\r\n\topt ( celllookedge X )\r\n}\r\n"},
        {"last brace without line end still ends the block", "}", "\topt ( celllookedge X )\r\n}\r\n"},
        {"lone cr is removed from its line", "a\rb\r\n}\r\n", "ab\r\n\topt ( celllookedge X )\r\n}\r\n"},
        {"ctrl-z after the last block ends the input",
         "}\r\n\x1a"
         "junk\r\n",
         "\topt ( celllookedge X )\r\n}\r\n"},
        {"ctrl-z at the very start ends the input", "\x1a}\r\n", ""},
        {"ctrl-z inside a block is an ordinary character", "a\r\n\x1a\r\n}\r\n",
         "a\r\n\x1a\r\n\topt ( celllookedge X )\r\n}\r\n"},
        {"indented brace is a closing line but no block end", "m\r\n  }\r\n}\r\n",
         "m\r\n\topt ( celllookedge X )\r\n}\r\n\topt ( celllookedge X )\r\n}\r\n"},
        {"closing line with text after the brace", "m\r\n} // end\r\n}\r\n",
         "m\r\n\topt ( celllookedge X )\r\n}\r\n\topt ( celllookedge X )\r\n}\r\n"},
        {"closing line after an option line is copied", "\topt ( a )\r\n  } x\r\n}\r\n",
         "\topt ( a celllookedge X )\r\n  } x\r\n}\r\n"},
        {"option flag starts clear in every block", "\topt ( a )\n}\nb\n}\n",
         "\topt ( a celllookedge X )\r\n}\r\nb\r\n\topt ( celllookedge X )\r\n}\r\n"},
        {"prefixes must match exactly", "Opt ( a )\nopt (a )\nopt  ( a )\nSPC ( 1 )\nspc( 1 )\n}\n",
         "Opt ( a )\r\nopt (a )\r\nopt  ( a )\r\nSPC ( 1 )\r\nspc( 1 )\r\n\topt ( celllookedge X )\r\n}\r\n"},
        {"indentation of any control character counts", "\x01\x1f opt ( a )\n\x0b spc ( 9 ) tail\n}\n",
         "\x01\x1f opt ( a celllookedge X )\r\n\tspc ( 0.000 0.100 0.000 )\r\n}\r\n"},
        {"high bytes are not indentation", "\xa0opt ( a )\n}\n",
         "\xa0opt ( a )\r\n\topt ( celllookedge X )\r\n}\r\n"},
        {"option prefix wins over the closing and specular tests", "opt ( spc ( }\n}\n",
         "opt ( spc ( celllookedge X )\r\n}\r\n"},
        {"long line passes whole", longLine + "\r\n}\r\n",
         longLine + "\r\n\topt ( celllookedge X )\r\n}\r\n"},
        {"lines after the last block end form an unfinished block", "}\r\n\r\nx",
         "\topt ( celllookedge X )\r\n}\r\n\r\nx\r\n"},
        {"input ending inside a block still converts every line", "a\r\n\tspc ( 1 )\r\n  }",
         "a\r\n\tspc ( 0.000 0.100 0.000 )\r\n\topt ( celllookedge X )\r\n}\r\n"},
        {"header lines belong to block one", "header\r\n\r\nm\r\n}\r\n",
         "header\r\n\r\nm\r\n\topt ( celllookedge X )\r\n}\r\n"},
        {"brace with trailing blank does not end a block", "} \r\nx\r\n}\r\n",
         "\topt ( celllookedge X )\r\n}\r\nx\r\n\topt ( celllookedge X )\r\n}\r\n"},
    };
    for (const auto& c : cases) {
        // Reading in one-byte pieces makes every line cross buffer fills.
        for (const std::size_t chunk : {std::size_t{1} << 20, std::size_t{1}}) {
            SCOPED_TRACE(std::string(c.name) + (chunk == 1 ? " (byte by byte)" : ""));
            EXPECT_EQ(Rewrite(c.input, kOptions, chunk), c.output);
        }
    }
}

TEST(AtrRewriterTest, WorkedExampleWithTheStartSettings) {
    const std::string options = MakeEdgeOptions(3, 0.003);
    const std::string input = "mat\r\n\tspc ( 0.5 0.5 0.5 ) extra\r\n\tdif ( 1 )\r\n}\r\n";
    const std::string output =
        "mat\r\n\tspc ( 0.000 0.100 0.000 )\r\n\tdif ( 1 )\r\n"
        "\topt ( celllookedge draw 0.000 rate 0.003 shader 3 ( 0.000 0.000 0.000 ) "
        "( 0.000 0.259 0.700 ) ( 0.259 10.000 1.000 ) )\r\n}\r\n";
    EXPECT_EQ(Rewrite(input, options), output);
}

TEST(AtrRewriterTest, ConvertingAgainReplacesOnlyTheOptionText) {
    const std::string input = "a\r\n\topt ( x y )\r\n}\r\nb\r\n\tspc ( 1 )\r\n}\r\n";
    const std::string once = Rewrite(input, MakeEdgeOptions(3, 0.003));
    EXPECT_EQ(Rewrite(once, MakeEdgeOptions(3, 0.003)), once);
    const std::string other = Rewrite(once, MakeEdgeOptions(0, 0.01));
    EXPECT_EQ(other, Rewrite(input, MakeEdgeOptions(0, 0.01)));
}

// Records what the progress window would show at each change.
class RecordingListener : public ProgressListener {
public:
    explicit RecordingListener(const Progress*& progress) : m_progress(progress) {}
    void ProgressChanged() override {
        texts.push_back(m_progress->StatusText());
        if (m_progress->Bar().Visible()) {
            maxPosition = std::max(maxPosition, m_progress->Bar().Position());
        }
    }
    void ProgressSettled() override {}
    std::vector<std::string> texts;
    int maxPosition = 0;

private:
    const Progress*& m_progress;
};

TEST(AtrRewriterTest, AnnouncesEveryBlockAndStepsOncePerLineRead) {
    const Progress* observed = nullptr;
    RecordingListener listener(observed);
    Progress progress(&listener);
    observed = &progress;
    test::MemorySource source("a\r\nb\r\nc\r\n}\r\nd\r\n}\r\n\r\n");
    test::MemorySink sink;
    LineReader reader(source);
    LineWriter writer(sink);
    AtrRewriter(" X )", progress).Rewrite(reader, writer, "dir/f&g.atr");

    std::vector<std::string> announced;
    for (const auto& text : listener.texts) {
        if (announced.empty() || announced.back() != text) {
            announced.push_back(text);
        }
    }
    const std::vector<std::string> expected = {"dir/f&g.atr : 1\r\n", "dir/f&g.atr : 2\r\n",
                                               "dir/f&g.atr : 3\r\n"};
    EXPECT_EQ(announced, expected);
    EXPECT_EQ(progress.StatusText(), "dir/f&g.atr : 3\r\n");
    EXPECT_FALSE(progress.Bar().Visible());
    EXPECT_EQ(progress.Bar().Step(), 10);
    EXPECT_EQ(progress.Bar().Position(), 10);  // the last, unfinished block read one line
}

TEST(AtrRewriterTest, BarStepsPerLineAndStartsOverInLongBlocks) {
    Progress progress;
    std::string block;
    for (int i = 0; i < 12; ++i) {
        block += "x\r\n";
    }
    test::MemorySource source(block + "}\r\n");
    test::MemorySink sink;
    LineReader reader(source);
    LineWriter writer(sink);
    AtrRewriter(" X )", progress).Rewrite(reader, writer, "f");
    // 13 lines read: 10 steps reach 100, the 11th starts over at 0, two more give 20.
    EXPECT_EQ(progress.Bar().Position(), 20);
}

TEST(AtrRewriterTest, FileWithoutBlocksLeavesProgressUntouched) {
    Progress progress;
    test::MemorySource source("\x1a");
    test::MemorySink sink;
    LineReader reader(source);
    LineWriter writer(sink);
    AtrRewriter(" X )", progress).Rewrite(reader, writer, "f");
    EXPECT_EQ(progress.StatusText(), "Labl1");
    EXPECT_EQ(sink.bytes, "");
}

}  // namespace
}  // namespace brelvo
