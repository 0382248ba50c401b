#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace brelvo {

// The look both windows share: the font "ＭＳ Ｐゴシック" at the design's text height (a
// metric-compatible Japanese Gothic where it is missing, so that the captions render as text
// and keep their widths), the button-face background, a fixed client size, and positions and
// sizes scaled by the font's real text height against the design's.
class FormDesign {
public:
    FormDesign(QWidget& form, int designTextHeight, QSize designClient);

    // A design length in pixels as it stands on this system.
    int Scaled(int pixels) const { return static_cast<int>(pixels * m_scale + 0.5); }
    QRect Scaled(const QRect& design) const {
        return {Scaled(design.left()), Scaled(design.top()), Scaled(design.width()), Scaled(design.height())};
    }

private:
    double m_scale;
};

}  // namespace brelvo
