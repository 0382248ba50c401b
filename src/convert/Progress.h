#pragma once

#include <string>
#include <string_view>

#include "ProgressBarModel.h"
#include "ProgressListener.h"

namespace brelvo {

// What the progress window shows: a status text and the bar. Conversions write it; a listener
// (the window) is told of changes. Per-line steps tell the listener only every so many lines,
// so that a file of millions of lines costs the listener next to nothing.
class Progress {
public:
    explicit Progress(ProgressListener* listener = nullptr) : m_listener(listener) {}

    void SetListener(ProgressListener* listener) { m_listener = listener; }

    const std::string& StatusText() const { return m_statusText; }
    const ProgressBarModel& Bar() const { return m_bar; }

    void SetStatusText(std::string_view text);
    void SetStep(int step);
    void SetPosition(int position);
    void SetBarVisible(bool visible);
    void StepIt() {
        m_bar.StepIt();
        if (++m_quietSteps == kStepsPerNotice) {
            Notify();
        }
    }
    // Tells the listener that the progress reached a point worth showing at once.
    void Settle();

private:
    static constexpr int kStepsPerNotice = 64;

    void Notify();

    ProgressListener* m_listener;
    std::string m_statusText = "Labl1";
    ProgressBarModel m_bar;
    int m_quietSteps = 0;
};

}  // namespace brelvo
