#include <gtest/gtest.h>

#include "Progress.h"
#include "ProgressBarModel.h"

namespace brelvo {
namespace {

TEST(ProgressBarModelTest, StartsLikeTheWindowsBar) {
    const ProgressBarModel bar;
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.Step(), 10);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_FALSE(bar.Visible());
}

TEST(ProgressBarModelTest, StepItStartsOverPastTheMaximum) {
    struct Case {
        int step;
        int start;
        int stepsTaken;
        int position;
    } const cases[] = {
        {10, 0, 4, 40}, {10, 0, 10, 100}, {10, 0, 11, 0},   {10, 0, 12, 10}, {33, 0, 3, 99},
        {33, 0, 4, 0},  {0, 40, 5, 40},   {100, 0, 1, 100}, {100, 0, 2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "step " << c.step << " x" << c.stepsTaken);
        ProgressBarModel bar;
        bar.SetStep(c.step);
        bar.SetPosition(c.start);
        for (int i = 0; i < c.stepsTaken; ++i) {
            bar.StepIt();
        }
        EXPECT_EQ(bar.Position(), c.position);
    }
}

TEST(ProgressBarModelTest, PositionIsClampedToTheRange) {
    ProgressBarModel bar;
    bar.SetPosition(150);
    EXPECT_EQ(bar.Position(), 100);
    bar.SetPosition(-3);
    EXPECT_EQ(bar.Position(), 0);
}

class CountingListener : public ProgressListener {
public:
    void ProgressChanged() override { ++calls; }
    void ProgressSettled() override {}
    int calls = 0;
};

TEST(ProgressTest, TellsTheListenerOfEveryChangeButOnlyEverySoManySteps) {
    CountingListener listener;
    Progress progress(&listener);
    EXPECT_EQ(progress.StatusText(), "Labl1");
    progress.SetStatusText("x : 1\r\n");
    progress.SetStep(10);
    progress.SetPosition(0);
    progress.SetBarVisible(true);
    EXPECT_EQ(listener.calls, 4);
    for (int i = 0; i < 1000; ++i) {
        progress.StepIt();
    }
    EXPECT_GE(listener.calls, 4 + 1000 / 100);
    EXPECT_LE(listener.calls, 4 + 1000 / 16);
    EXPECT_EQ(progress.Bar().Position(), 100);  // steps of 10 from 0 come back to 0 every 11 steps
}

}  // namespace
}  // namespace brelvo
