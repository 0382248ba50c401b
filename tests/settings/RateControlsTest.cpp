#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ConversionError.h"
#include "RateControls.h"

namespace brelvo {
namespace {

// Controls that keep the event rules of the real ones: an assignment that changes the value
// runs the change handler before it returns. They record the handler nesting.
struct FakeControls : TrackBarControl, EditControl {
    RateControls* handlers = nullptr;
    int position = 3;
    std::string text = "3";
    int depth = 0;
    int deepest = 0;
    int editRuns = 0;

    int Position() const override { return position; }
    void SetPosition(int value) override {
        value = std::clamp(value, 0, 10);
        if (value != position) {
            position = value;
            Nest([&] { handlers->TrackBar1Change(); });
        }
    }
    std::string Text() const override { return text; }
    void SetText(std::string_view value) override {
        if (value != text) {
            text = value;
            Nest([&] { RunEditChange(); });
        }
    }
    void RunEditChange() {
        ++editRuns;
        handlers->Edit1Change();
    }
    // The user types: the text changes and the handler runs.
    void Type(const std::string& value) {
        text = value;
        Nest([&] { RunEditChange(); });
    }
    // The user scrolls: the handler runs whether or not the position moved.
    void Scroll(int value) {
        position = value;
        Nest([&] { handlers->TrackBar1Change(); });
    }
    template <typename F>
    void Nest(F f) {
        ++depth;
        deepest = std::max(deepest, depth);
        f();
        --depth;
    }
};

struct Rig {
    Settings settings;
    FakeControls controls;
    RateControls rate{settings, controls, controls};
    Rig() { controls.handlers = &rate; }
};

TEST(RateControlsTest, EditsAndScrollsKeepRateTrackBarAndBoxInStep) {
    struct Step {
        enum { Type, Scroll } kind;
        std::string text;
        int position;
    };
    struct Case {
        const char* name;
        int startPosition;
        std::string startText;
        std::vector<Step> steps;
        int position;
        std::string text;
        double rate;
    } const cases[] = {
        {"typing 1 then 5 into an empty box",
         3,
         "",
         {{Step::Type, "1", 0}, {Step::Type, "15", 0}},
         10,
         "10",
         0.01},
        {"10 to 100 with the bar at 10", 10, "10", {{Step::Type, "100", 0}}, 10, "100", 0.1},
        {"999 with the bar at 10", 10, "10", {{Step::Type, "999", 0}}, 10, "999", 0.999},
        {"-5 with the bar at 0", 0, "0", {{Step::Type, "-5", 0}}, 0, "-5", -0.005},
        {"2.4 with the bar at 2", 2, "2", {{Step::Type, "2.4", 0}}, 2, "2.4", 0.0024},
        {"2.5 rounds to the even 2", 2, "2", {{Step::Type, "2.5", 0}}, 2, "2.5", 0.0025},
        {"3.5 rounds to 4 and moves the bar", 3, "3", {{Step::Type, "3.5", 0}}, 4, "4", 0.004},
        {"a fraction that moves the bar", 3, "3", {{Step::Type, "7.2", 0}}, 7, "7", 0.007},
        {"empty box changes nothing", 3, "3", {{Step::Type, "", 0}}, 3, "", 0.003},
        {"scroll to 7 while the box shows 3", 3, "3", {{Step::Scroll, "", 7}}, 7, "7", 0.007},
        {"scroll that does not move still resets rate and box",
         10,
         "10",
         {{Step::Type, "100", 0}, {Step::Scroll, "", 10}},
         10,
         "10",
         0.01},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.controls.position = c.startPosition;
        rig.controls.text = c.startText;
        rig.settings.OutlineRate = c.startPosition / 1000.0;
        for (const auto& step : c.steps) {
            if (step.kind == Step::Type) {
                rig.controls.Type(step.text);
            } else {
                rig.controls.Scroll(step.position);
            }
        }
        EXPECT_EQ(rig.controls.position, c.position);
        EXPECT_EQ(rig.controls.text, c.text);
        EXPECT_DOUBLE_EQ(rig.settings.OutlineRate, c.rate);
        EXPECT_LE(rig.controls.deepest, 3);
    }
}

TEST(RateControlsTest, ScrollRunsTheEditHandlerOnceWithThePosition) {
    Rig rig;
    rig.controls.Scroll(7);
    EXPECT_EQ(rig.controls.editRuns, 1);
    EXPECT_EQ(rig.controls.position, 7);
    EXPECT_EQ(rig.settings.OutlineRate, 0.007);
}

TEST(RateControlsTest, TextThatIsNoNumberChangesNothing) {
    Rig rig;
    EXPECT_THROW(rig.controls.Type("a"), ConversionError);
    EXPECT_EQ(rig.controls.position, 3);
    EXPECT_EQ(rig.settings.OutlineRate, 0.003);
    EXPECT_EQ(rig.controls.text, "a");
}

TEST(RateControlsTest, NumberBeyondThirtyTwoBitsTakesTheRateButNotTheBar) {
    Rig rig;
    EXPECT_THROW(rig.controls.Type("9999999999"), ConversionError);
    EXPECT_EQ(rig.controls.position, 3);
    EXPECT_DOUBLE_EQ(rig.settings.OutlineRate, 9999999.999);
}

}  // namespace
}  // namespace brelvo
