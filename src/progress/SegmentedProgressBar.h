#pragma once

#include <QProgressBar>

namespace brelvo {

// A progress bar drawn as a row of separate blocks in a sunken frame, the way users of the tool
// know it. Painting it is a few rectangle fills, cheap enough to redraw often during a run.
class SegmentedProgressBar : public QProgressBar {
    Q_OBJECT

public:
    explicit SegmentedProgressBar(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace brelvo
