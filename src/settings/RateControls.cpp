#include "RateControls.h"

#include <string>

#include "TextToNumber.h"

namespace brelvo {

void RateControls::TrackBar1Change() {
    const int position = m_trackBar.Position();
    m_settings.OutlineRate = position / 1000.0;
    m_edit.SetText(std::to_string(position));
}

void RateControls::Edit1Change() {
    const std::string text = m_edit.Text();
    if (text.empty()) {
        return;
    }
    m_settings.OutlineRate = TextToDouble(text) / 1000.0;
    m_trackBar.SetPosition(TextToInt32(text));
}

}  // namespace brelvo
