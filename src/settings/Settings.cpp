#include "Settings.h"

#include "EdgeOptions.h"

namespace brelvo {

void Settings::BuildEdgeOptions(int selectedPreset) {
    EdgeOptions = MakeEdgeOptions(selectedPreset, OutlineRate);
}

}  // namespace brelvo
