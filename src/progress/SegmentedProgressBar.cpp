#include "SegmentedProgressBar.h"

#include <qdrawutil.h>
#include <QPainter>

namespace brelvo {

namespace {

constexpr int kFrame = 2;
constexpr int kGap = 2;

}  // namespace

SegmentedProgressBar::SegmentedProgressBar(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
}

void SegmentedProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    qDrawShadePanel(&painter, rect(), palette(), true, 1);
    const QRect inner = rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
    const int range = maximum() - minimum();
    if (range <= 0 || inner.isEmpty()) {
        return;
    }
    const int filled = static_cast<int>(static_cast<qint64>(inner.width()) * (value() - minimum()) / range);
    const int block = std::max(2, inner.height() * 2 / 3);
    for (int x = 0; x < filled; x += block + kGap) {
        painter.fillRect(inner.x() + x, inner.y(), std::min(block, inner.width() - x), inner.height(),
                         palette().highlight());
    }
}

}  // namespace brelvo
