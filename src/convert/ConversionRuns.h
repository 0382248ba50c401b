#pragma once

#include <string>
#include <vector>

#include "Progress.h"
#include "RunWindows.h"
#include "Settings.h"

namespace brelvo {

// The two ways into a conversion run: the RUN button and files dropped on the main window.
// A run converts its files in order with the option text of the moment it starts; the first
// failure ends it. The failure is shown while the progress window still tells which file and
// block failed, and the windows are put back as after a normal end.
class ConversionRuns {
public:
    ConversionRuns(Settings& settings, Progress& progress, RunWindows& windows)
        : m_settings(settings), m_progress(progress), m_windows(windows) {}

    // The file RUN converts when files are not picked in the dialog, relative to the current folder.
    static std::string WorkingFile();

    void Button1Click();
    void WMDropFiles(const std::vector<std::string>& names);

    // Whether a dropped name is converted: its last four characters are ".atr", ASCII letters
    // compared without regard to case.
    static bool IsAtrName(const std::string& name);

private:
    void SetRunStep(std::size_t files);
    void Convert(const std::string& path);
    template <typename Work>
    void RunReportingFailure(Work work);

    Settings& m_settings;
    Progress& m_progress;
    RunWindows& m_windows;
};

}  // namespace brelvo
