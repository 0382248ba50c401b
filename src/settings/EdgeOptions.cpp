#include "EdgeOptions.h"

#include "RateFormat.h"

namespace brelvo {

std::string MakeEdgeOptions(int presetIndex, double outlineRate) {
    if (presetIndex < 0 || presetIndex >= static_cast<int>(ShaderPresets.size())) {
        presetIndex = FallbackPreset;
    }
    std::string text = " draw 0.000 rate ";
    text += FormatRate(outlineRate);
    text += " shader 3";
    text += ShaderPresets[static_cast<std::size_t>(presetIndex)];
    return text;
}

}  // namespace brelvo
