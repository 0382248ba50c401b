#include "ProgressBarModel.h"

#include <algorithm>

namespace brelvo {

void ProgressBarModel::SetPosition(int position) {
    m_position = std::clamp(position, kMin, kMax);
}

}  // namespace brelvo
