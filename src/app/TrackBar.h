#pragma once

#include <QSlider>
#include <functional>

#include "TrackBarControl.h"

namespace brelvo {

// A horizontal slider whose change event follows the track bar rules: every user scroll
// notification (keys, click beside the thumb, drag, end of a drag or key press) raises it after
// the position is read back, whether or not the position moved; a program assignment raises it
// only when the clamped position differs, before the assignment returns.
class TrackBar : public QSlider, public TrackBarControl {
    Q_OBJECT

public:
    explicit TrackBar(QWidget* parent);

    // The change event, OnChange.
    std::function<void()> onChange;

    int Position() const override { return value(); }
    void SetPosition(int position) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    template <typename Handle>
    void Notifying(Handle handle);
    void RaiseChange();

    bool m_actionTriggered = false;
    bool m_pressed = false;
};

}  // namespace brelvo
