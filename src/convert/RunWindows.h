#pragma once

#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace brelvo {

// What a conversion run needs of the windows around it.
class RunWindows {
public:
    virtual ~RunWindows() = default;
    // Shows the progress window in front and draws it completely before returning.
    virtual void ShowProgressWindow() = 0;
    virtual void HideProgressWindow() = 0;
    virtual void HideMainWindow() = 0;
    // Shows the main window again and brings it to the front.
    virtual void ShowMainWindow() = 0;
    // The preset selected in the main window, -1 for none.
    virtual int SelectedPreset() const = 0;
    // The files picked in the open dialog, in its order; nothing when the user cancels.
    virtual std::optional<std::vector<std::string>> ChooseFiles() = 0;
    // Shows a failure to the user and returns when the user has acknowledged it.
    virtual void ShowFailure(const std::exception& failure) = 0;
};

}  // namespace brelvo
