#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "ConversionRuns.h"
#include "InOutError.h"
#include "TempFolder.h"

namespace brelvo {
namespace {

using test::Path;
using test::ReadBytes;
using test::WriteBytes;

const std::string kBlock = "m\n}\n";

// Windows that log what the run asked of them, and watch the bar at each file.
struct FakeWindows : RunWindows, ProgressListener {
    std::vector<std::string> log;
    std::optional<std::vector<std::string>> chosen;
    Progress* progress = nullptr;

    void ShowProgressWindow() override { log.push_back("show progress"); }
    void HideProgressWindow() override { log.push_back("hide progress"); }
    void HideMainWindow() override { log.push_back("hide main"); }
    void ShowMainWindow() override { log.push_back("show main"); }
    int SelectedPreset() const override { return 3; }
    std::optional<std::vector<std::string>> ChooseFiles() override {
        log.push_back("dialog");
        return chosen;
    }
    void ShowFailure(const std::exception& failure) override {
        log.push_back(std::string("failure: ") + failure.what() + " / " + progress->StatusText());
    }
    void ProgressChanged() override {}
    void ProgressSettled() override {}
};

struct Rig {
    Settings settings;
    FakeWindows windows;
    Progress progress{&windows};
    ConversionRuns runs{settings, progress, windows};
    Rig() { windows.progress = &progress; }
};

bool Converted(const std::string& path) {
    return ReadBytes(path).find("celllookedge") != std::string::npos;
}

TEST(ConversionRunsTest, RunConvertsTheWorkingFile) {
    test::TempFolder folder;
    std::filesystem::create_directory(Path(folder / "temp"));
    WriteBytes(folder / "temp/_temp.atr", kBlock);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(Path(folder.path()));
    Rig rig;
    rig.runs.Button1Click();
    std::filesystem::current_path(previous);
    EXPECT_TRUE(Converted(folder / "temp/_temp.atr"));
    EXPECT_EQ(rig.windows.log, (std::vector<std::string>{"show progress", "hide progress"}));
    EXPECT_FALSE(rig.settings.EdgeOptions.empty());
}

TEST(ConversionRunsTest, RunWithoutTheWorkingFileShowsTheErrorThenHides) {
    test::TempFolder folder;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(Path(folder.path()));
    Rig rig;
    rig.runs.Button1Click();
    std::filesystem::current_path(previous);
    EXPECT_EQ(rig.windows.log,
              (std::vector<std::string>{"show progress", "failure: 不正なファイル名です / Labl1",
                                        "hide progress"}));
}

TEST(ConversionRunsTest, RunWithChosenFilesStepsTheBarPerFile) {
    test::TempFolder folder;
    Rig rig;
    rig.settings.SelectFiles = true;
    for (const char* name : {"a.atr", "b.atr", "c.atr"}) {
        WriteBytes(folder / name, "");  // no blocks: the run's step stays in force
    }
    rig.windows.chosen = std::vector<std::string>{folder / "a.atr", folder / "b.atr", folder / "c.atr"};
    rig.progress.SetPosition(50);
    rig.runs.Button1Click();
    EXPECT_EQ(rig.progress.Bar().Step(), 33);
    EXPECT_EQ(rig.progress.Bar().Position(), 99);
    EXPECT_TRUE(rig.progress.Bar().Visible());
    EXPECT_EQ(rig.windows.log, (std::vector<std::string>{"show progress", "dialog", "hide progress"}));
}

TEST(ConversionRunsTest, CancelConvertsNothing) {
    Rig rig;
    rig.settings.SelectFiles = true;
    rig.progress.SetPosition(40);
    rig.runs.Button1Click();
    EXPECT_EQ(rig.progress.Bar().Position(), 40);
    EXPECT_EQ(rig.windows.log, (std::vector<std::string>{"show progress", "dialog", "hide progress"}));
    EXPECT_FALSE(rig.settings.EdgeOptions.empty());
}

TEST(ConversionRunsTest, FailureInTheSecondFileStopsTheRun) {
    test::TempFolder folder;
    Rig rig;
    rig.settings.SelectFiles = true;
    WriteBytes(folder / "a.atr", kBlock);
    WriteBytes(folder / "c.atr", kBlock);
    rig.windows.chosen = std::vector<std::string>{folder / "a.atr", folder / "b.atr", folder / "c.atr"};
    rig.runs.Button1Click();
    EXPECT_TRUE(Converted(folder / "a.atr"));
    EXPECT_EQ(ReadBytes(folder / "c.atr"), kBlock);
    ASSERT_EQ(rig.windows.log.size(), 4u);
    EXPECT_EQ(rig.windows.log[2], "failure: ファイルが見つかりません / " + (folder / "a.atr") + " : 1\r\n");
    EXPECT_EQ(rig.windows.log[3], "hide progress");
}

TEST(ConversionRunsTest, DropConvertsOnlyAtrNamesAndRestoresTheWindows) {
    test::TempFolder folder;
    Rig rig;
    WriteBytes(folder / "a.ATR", "");
    WriteBytes(folder / "b.txt", kBlock);
    WriteBytes(folder / "c.atr", kBlock);
    rig.progress.SetPosition(10);
    rig.runs.WMDropFiles({folder / "a.ATR", folder / "b.txt", folder / "c.atr"});
    EXPECT_EQ(ReadBytes(folder / "a.ATR"), "");
    EXPECT_EQ(ReadBytes(folder / "b.txt"), kBlock);
    EXPECT_TRUE(Converted(folder / "c.atr"));
    EXPECT_FALSE(rig.progress.Bar().Visible());
    EXPECT_EQ(rig.windows.log,
              (std::vector<std::string>{"show progress", "hide main", "hide progress", "show main"}));
}

TEST(ConversionRunsTest, DropStepsOncePerNameFromWhereTheBarWas) {
    Rig rig;
    rig.progress.SetPosition(10);
    rig.runs.WMDropFiles({"a.txt", "b.txt", "c.doc"});
    EXPECT_EQ(rig.progress.Bar().Step(), 33);
    EXPECT_EQ(rig.progress.Bar().Position(), 0);  // 10 + 3 x 33 passes 100 and starts over
    rig.runs.WMDropFiles(std::vector<std::string>(101, "x.txt"));
    EXPECT_EQ(rig.progress.Bar().Step(), 0);
}

TEST(ConversionRunsTest, FailedDropStillRestoresTheWindowsAfterTheError) {
    Rig rig;
    rig.runs.WMDropFiles({"/no/such/folder/x.atr", "y.atr"});
    ASSERT_EQ(rig.windows.log.size(), 5u);
    EXPECT_EQ(rig.windows.log[2].rfind("failure: 不正なファイル名です", 0), 0u);
    EXPECT_EQ(rig.windows.log[3], "hide progress");
    EXPECT_EQ(rig.windows.log[4], "show main");
}

TEST(ConversionRunsTest, AtrNames) {
    for (const char* name : {"a.atr", "a.ATR", "a.AtR", ".atr", "/x/y z/モデル.atr"}) {
        EXPECT_TRUE(ConversionRuns::IsAtrName(name)) << name;
    }
    for (const char* name : {"atr", "a.at", "a.atr ", "a.atrx", "a_atr", "a.ａｔｒ", ""}) {
        EXPECT_FALSE(ConversionRuns::IsAtrName(name)) << name;
    }
}

}  // namespace
}  // namespace brelvo
