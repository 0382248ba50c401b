#include "TerminalProgress.h"

#include <string>

namespace brelvo {

namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
constexpr int kCallsPerClockCheck = 32;

}  // namespace

void TerminalProgress::ProgressChanged() {
    if (m_progress == nullptr || ++m_callsSinceCheck < kCallsPerClockCheck) {
        return;
    }
    m_callsSinceCheck = 0;
    const auto now = std::chrono::steady_clock::now();
    if (now - m_lastDrawn < kRedrawInterval) {
        return;
    }
    m_lastDrawn = now;
    std::string text = m_progress->StatusText();
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    std::fprintf(m_stream, "\r\033[K%s", text.c_str());
    std::fflush(m_stream);
    m_drawn = true;
}

void TerminalProgress::Finish() {
    if (m_drawn) {
        std::fprintf(m_stream, "\r\033[K");
        std::fflush(m_stream);
        m_drawn = false;
    }
}

}  // namespace brelvo
