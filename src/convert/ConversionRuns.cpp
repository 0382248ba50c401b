#include "ConversionRuns.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

#include "ConvertAtrFile.h"

namespace brelvo {

std::string ConversionRuns::WorkingFile() {
    // Written with the platform's separator, as users of each platform expect to read it.
    return (std::filesystem::path("temp") / "_temp.atr").string();
}

bool ConversionRuns::IsAtrName(const std::string& name) {
    if (name.size() < 4) {
        return false;
    }
    const std::string_view ending = std::string_view(name).substr(name.size() - 4);
    constexpr std::string_view kAtr = ".atr";
    for (std::size_t i = 0; i < 4; ++i) {
        char c = ending[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != kAtr[i]) {
            return false;
        }
    }
    return true;
}

void ConversionRuns::SetRunStep(std::size_t files) {
    // More than 100 files give a step of 0: the bar then moves only inside blocks.
    m_progress.SetStep(m_progress.Bar().Max() / static_cast<int>(std::min<std::size_t>(files, 1000)));
}

void ConversionRuns::Convert(const std::string& path) {
    ConvertAtrFile(path, m_settings.EdgeOptions, m_settings.MakeBackup, m_progress);
    m_progress.Settle();
}

template <typename Work>
void ConversionRuns::RunReportingFailure(Work work) {
    try {
        work();
    } catch (const std::exception& failure) {
        m_progress.Settle();
        m_windows.ShowFailure(failure);
    }
}

void ConversionRuns::Button1Click() {
    m_windows.ShowProgressWindow();
    m_settings.BuildEdgeOptions(m_windows.SelectedPreset());
    RunReportingFailure([this] {
        if (!m_settings.SelectFiles) {
            Convert(WorkingFile());
            return;
        }
        const auto files = m_windows.ChooseFiles();
        if (!files || files->empty()) {
            return;
        }
        SetRunStep(files->size());
        m_progress.SetPosition(m_progress.Bar().Min());
        m_progress.SetBarVisible(true);
        for (const auto& file : *files) {
            m_progress.StepIt();
            Convert(file);
        }
    });
    m_windows.HideProgressWindow();
}

void ConversionRuns::WMDropFiles(const std::vector<std::string>& names) {
    m_windows.ShowProgressWindow();
    m_settings.BuildEdgeOptions(m_windows.SelectedPreset());
    m_windows.HideMainWindow();
    RunReportingFailure([&] {
        if (!names.empty()) {
            SetRunStep(names.size());
        }
        m_progress.SetBarVisible(true);
        for (const auto& name : names) {
            m_progress.StepIt();
            if (IsAtrName(name)) {
                Convert(name);
            }
        }
    });
    m_progress.SetBarVisible(false);
    m_progress.Settle();
    m_windows.HideProgressWindow();
    m_windows.ShowMainWindow();
}

}  // namespace brelvo
