#pragma once

#include "EditControl.h"
#include "Settings.h"
#include "TrackBarControl.h"

namespace brelvo {

// Keeps the outline rate, the track bar and the edit box in step. The two handlers re-enter
// each other through the controls' assignments (at most edit, track bar, edit) and always end,
// because the innermost edit handler finds the position it would assign already in place.
class RateControls {
public:
    RateControls(Settings& settings, TrackBarControl& trackBar, EditControl& edit)
        : m_settings(settings), m_trackBar(trackBar), m_edit(edit) {}

    // The track bar was scrolled or assigned: the rate follows its position, the box shows it.
    void TrackBar1Change();
    // The box's text changed: the rate follows the typed number, the track bar the number made
    // whole. A text that is no number throws ConversionError before anything changes; a number
    // beyond 32 bits throws it after the rate took the new value.
    void Edit1Change();

private:
    Settings& m_settings;
    TrackBarControl& m_trackBar;
    EditControl& m_edit;
};

}  // namespace brelvo
