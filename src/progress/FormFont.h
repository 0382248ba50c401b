#pragma once

#include <QFont>

namespace brelvo {

// The windows' font, "ＭＳ Ｐゴシック" at the given pixel height. Where it is missing (every
// system but Windows) a metric-compatible Japanese Gothic stands in, so that the captions
// render as text and keep their designed widths.
QFont FormFont(int pixelSize);

}  // namespace brelvo
