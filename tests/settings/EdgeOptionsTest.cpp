#include <gtest/gtest.h>

#include "EdgeOptions.h"
#include "Settings.h"

namespace brelvo {
namespace {

constexpr const char* kStartOptions =
    " draw 0.000 rate 0.003 shader 3 ( 0.000 0.000 0.000 ) ( 0.000 0.259 0.700 ) ( 0.259 10.000 1.000 ) )";

TEST(EdgeOptionsTest, PresetsAreTheFixedBandTexts) {
    for (const auto preset : ShaderPresets) {
        EXPECT_EQ(preset.size(), 69u) << preset;
        EXPECT_TRUE(preset.starts_with(" ( 0.000 ")) << preset;
        EXPECT_TRUE(preset.ends_with(" 10.000 1.000 ) )")) << preset;
    }
    EXPECT_EQ(BlockProgressSteps, 10);
    EXPECT_EQ(FallbackPreset, 3);
}

TEST(EdgeOptionsTest, BuildsTheOptionTextFromPresetAndRate) {
    struct Case {
        int preset;
        double rate;
        const char* text;
    } const cases[] = {
        {3, 0.003, kStartOptions},
        {0, 0.005,
         " draw 0.000 rate 0.005 shader 3 ( 0.000 0.500 0.250 ) ( 0.500 0.626 0.750 ) ( 0.626 10.000 1.000 ) "
         ")"},
        {1, 0.1,
         " draw 0.000 rate 0.1 shader 3 ( 0.000 0.800 0.500 ) ( 0.800 1.000 1.000 ) ( 1.000 10.000 1.000 ) "
         ")"},
        {2, 0.00001,
         " draw 0.000 rate 1E-5 shader 3 ( 0.000 0.544 0.500 ) ( 0.544 0.854 0.750 ) ( 0.854 10.000 1.000 ) "
         ")"},
        // No preset selected: the fallback preset.
        {-1, 0.003, kStartOptions},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(MakeEdgeOptions(c.preset, c.rate), c.text);
    }
    EXPECT_EQ(std::string(kStartOptions).size(), 100u);
}

TEST(EdgeOptionsTest, SettingsStartEmptyAndBuildOnRequest) {
    Settings settings;
    EXPECT_EQ(settings.OutlineRate, 0.003);
    EXPECT_FALSE(settings.MakeBackup);
    EXPECT_FALSE(settings.SelectFiles);
    EXPECT_TRUE(settings.EdgeOptions.empty());
    settings.BuildEdgeOptions(3);
    EXPECT_EQ(settings.EdgeOptions, kStartOptions);
    settings.OutlineRate = 0.005;
    settings.BuildEdgeOptions(0);
    EXPECT_EQ(settings.EdgeOptions, MakeEdgeOptions(0, 0.005));
}

}  // namespace
}  // namespace brelvo
