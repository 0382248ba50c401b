#pragma once

#include <array>
#include <string>
#include <string_view>

namespace brelvo {

// The four shading-band presets, indexed by the preset the user picked (items "1" to "4").
// They are copied into attribute files as they stand; their numbers mean something only to the renderer.
inline constexpr std::array<std::string_view, 4> ShaderPresets = {
    " ( 0.000 0.500 0.250 ) ( 0.500 0.626 0.750 ) ( 0.626 10.000 1.000 ) )",
    " ( 0.000 0.800 0.500 ) ( 0.800 1.000 1.000 ) ( 1.000 10.000 1.000 ) )",
    " ( 0.000 0.544 0.500 ) ( 0.544 0.854 0.750 ) ( 0.854 10.000 1.000 ) )",
    " ( 0.000 0.000 0.000 ) ( 0.000 0.259 0.700 ) ( 0.259 10.000 1.000 ) )",
};

// Progress steps into which the bar is divided for each attribute block.
inline constexpr int BlockProgressSteps = 10;

// Preset used when no preset is selected.
inline constexpr int FallbackPreset = 3;

// The option text written after "celllookedge": a blank, the draw and rate options, the shader
// and the preset's bands, ending with the ")" that closes the option line. An index outside 0..3
// (no preset selected) takes FallbackPreset.
std::string MakeEdgeOptions(int presetIndex, double outlineRate);

}  // namespace brelvo
