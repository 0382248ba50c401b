#pragma once

#include <chrono>
#include <cstdio>

#include "Progress.h"
#include "ProgressListener.h"

namespace brelvo {

// Shows the current file and block on a terminal line, redrawn at most ten times a second.
class TerminalProgress : public ProgressListener {
public:
    explicit TerminalProgress(std::FILE* stream) : m_stream(stream) {}

    void Attach(const Progress& progress) { m_progress = &progress; }
    void ProgressChanged() override;
    void ProgressSettled() override {}
    // Clears the line so that messages after it start on a clean one.
    void Finish();

private:
    std::FILE* m_stream;
    const Progress* m_progress = nullptr;
    std::chrono::steady_clock::time_point m_lastDrawn{};
    int m_callsSinceCheck = 0;
    bool m_drawn = false;
};

}  // namespace brelvo
