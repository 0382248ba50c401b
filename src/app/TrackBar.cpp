#include "TrackBar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace brelvo {

namespace {

bool IsScrollKey(int key) {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

}  // namespace

TrackBar::TrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setObjectName("TrackBar1");
    setRange(0, 10);
    setValue(3);
    setSingleStep(1);
    setPageStep(2);
    setTickPosition(QSlider::TicksBothSides);
    setTickInterval(1);
    connect(this, &QAbstractSlider::actionTriggered, this, [this] { m_actionTriggered = true; });
}

void TrackBar::SetPosition(int position) {
    position = std::clamp(position, minimum(), maximum());
    if (position == value()) {
        return;
    }
    setValue(position);
    RaiseChange();
}

void TrackBar::RaiseChange() {
    if (onChange) {
        onChange();
    }
}

// Runs Qt's own handling, then raises the change if it amounted to a scroll notification.
template <typename Handle>
void TrackBar::Notifying(Handle handle) {
    m_actionTriggered = false;
    handle();
    if (m_actionTriggered) {
        m_actionTriggered = false;
        RaiseChange();
    }
}

void TrackBar::keyPressEvent(QKeyEvent* event) {
    Notifying([&] { QSlider::keyPressEvent(event); });
}

void TrackBar::keyReleaseEvent(QKeyEvent* event) {
    QSlider::keyReleaseEvent(event);
    if (IsScrollKey(event->key()) && !event->isAutoRepeat()) {
        RaiseChange();  // the end of the scroll
    }
}

void TrackBar::mousePressEvent(QMouseEvent* event) {
    m_pressed = true;
    Notifying([&] { QSlider::mousePressEvent(event); });
}

void TrackBar::mouseMoveEvent(QMouseEvent* event) {
    Notifying([&] { QSlider::mouseMoveEvent(event); });
}

void TrackBar::mouseReleaseEvent(QMouseEvent* event) {
    QSlider::mouseReleaseEvent(event);
    if (m_pressed) {
        m_pressed = false;
        RaiseChange();  // the end of the drag or click
    }
}

void TrackBar::wheelEvent(QWheelEvent* event) {
    Notifying([&] { QSlider::wheelEvent(event); });
}

void TrackBar::timerEvent(QTimerEvent* event) {
    Notifying([&] { QSlider::timerEvent(event); });
}

}  // namespace brelvo
