#pragma once

#include <string>

namespace brelvo {

// The conversion settings of one program session. They start from the same values at every
// start and are never saved.
class Settings {
public:
    static constexpr double kDefaultOutlineRate = 0.003;

    double OutlineRate = kDefaultOutlineRate;
    bool MakeBackup = false;
    bool SelectFiles = false;
    // Empty until the first preset change or run builds it.
    std::string EdgeOptions;

    // Rebuilds EdgeOptions from the selected preset (-1 when none is selected) and OutlineRate.
    void BuildEdgeOptions(int selectedPreset);
};

}  // namespace brelvo
