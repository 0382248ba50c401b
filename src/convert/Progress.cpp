#include "Progress.h"

namespace brelvo {

void Progress::SetStatusText(std::string_view text) {
    m_statusText.assign(text);
    Notify();
}

void Progress::SetStep(int step) {
    m_bar.SetStep(step);
    Notify();
}

void Progress::SetPosition(int position) {
    m_bar.SetPosition(position);
    Notify();
}

void Progress::SetBarVisible(bool visible) {
    m_bar.SetVisible(visible);
    Notify();
}

void Progress::Notify() {
    m_quietSteps = 0;
    if (m_listener != nullptr) {
        m_listener->ProgressChanged();
    }
}

void Progress::Settle() {
    m_quietSteps = 0;
    if (m_listener != nullptr) {
        m_listener->ProgressSettled();
    }
}

}  // namespace brelvo
