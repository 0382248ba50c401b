#pragma once

namespace brelvo {

// The values of the progress window's bar, kept exact whatever is drawn. Range 0 to 100.
class ProgressBarModel {
public:
    int Min() const { return kMin; }
    int Max() const { return kMax; }
    int Step() const { return m_step; }
    int Position() const { return m_position; }
    bool Visible() const { return m_visible; }

    void SetStep(int step) { m_step = step; }
    // Clamped to the range.
    void SetPosition(int position);
    void SetVisible(bool visible) { m_visible = visible; }
    // Advances by the step; passing the maximum starts over from the minimum.
    void StepIt() {
        m_position += m_step;
        if (m_position > kMax || m_position < kMin) {
            m_position = kMin;
        }
    }

private:
    static constexpr int kMin = 0;
    static constexpr int kMax = 100;
    int m_step = 10;
    int m_position = 0;
    bool m_visible = false;
};

}  // namespace brelvo
