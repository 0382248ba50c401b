#include <gtest/gtest.h>

#include "CommandLine.h"

namespace brelvo {
namespace {

TEST(CommandLineTest, ParsesOptionsInBothForms) {
    struct Case {
        std::vector<std::string> arguments;
        int preset;
        double rate;
        bool keepBackup;
        std::vector<std::string> files;
    } const cases[] = {
        {{"a.atr"}, 4, 0.003, false, {"a.atr"}},
        {{"--preset=1", "--rate=0.005", "--keep-backup", "a.atr", "b.atr"},
         1,
         0.005,
         true,
         {"a.atr", "b.atr"}},
        {{"--preset", "2", "--rate", "1e-05", "a.atr"}, 2, 0.00001, false, {"a.atr"}},
        {{"--rate=-0.099", "a"}, 4, -0.099, false, {"a"}},
        {{"--rate=+0.1", "a"}, 4, 0.1, false, {"a"}},
        {{"--", "--odd name.atr", "-"}, 4, 0.003, false, {"--odd name.atr", "-"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.front());
        const auto line = CommandLine::Parse(c.arguments);
        EXPECT_EQ(line.action, CommandLine::Action::Convert);
        EXPECT_EQ(line.preset, c.preset);
        EXPECT_EQ(line.rate, c.rate);
        EXPECT_EQ(line.keepBackup, c.keepBackup);
        EXPECT_EQ(line.files, c.files);
    }
}

TEST(CommandLineTest, RateIsTheNearestDouble) {
    EXPECT_EQ(CommandLine::Parse({"--rate=0.1", "f"}).rate, 0.1);
    EXPECT_EQ(CommandLine::Parse({"--rate=2.5E-5", "f"}).rate, 0.000025);
    EXPECT_EQ(CommandLine::Parse({"--rate=0.30000000000000004", "f"}).rate, 0.1 + 0.2);
}

TEST(CommandLineTest, OtherActions) {
    EXPECT_EQ(CommandLine::Parse({"--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(CommandLine::Parse({"--version"}).action, CommandLine::Action::Version);
    const auto line = CommandLine::Parse({"--print-options", "--preset=1"});
    EXPECT_EQ(line.action, CommandLine::Action::PrintOptions);
    EXPECT_EQ(line.preset, 1);
}

TEST(CommandLineTest, RejectsWhatItDoesNotUnderstand) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--keep-backup"},
        {"--preset=0", "f"},
        {"--preset=5", "f"},
        {"--preset=1.0", "f"},
        {"--preset"},
        {"--rate=abc", "f"},
        {"--rate=", "f"},
        {"--rate=inf", "f"},
        {"--rate=nan", "f"},
        {"--rate=1e400", "f"},
        {"--rate=+-1", "f"},
        {"--rate=0.1x", "f"},
        {"--rate=0,003", "f"},
        {"--bogus", "f"},
        {"-x", "f"},
        {"--keep-backup=yes", "f"},
        {"--print-options", "f"},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        EXPECT_THROW(CommandLine::Parse(arguments), UsageError);
    }
}

}  // namespace
}  // namespace brelvo
