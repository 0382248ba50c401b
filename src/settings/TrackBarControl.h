#pragma once

namespace brelvo {

// The outline-thickness track bar as the rate handlers see it. Assigning a position clamps it
// to 0..10; when the clamped value differs from the current one, the track bar's change
// handler runs before SetPosition returns.
class TrackBarControl {
public:
    virtual ~TrackBarControl() = default;
    virtual int Position() const = 0;
    virtual void SetPosition(int position) = 0;
};

}  // namespace brelvo
