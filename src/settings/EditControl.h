#pragma once

#include <string>
#include <string_view>

namespace brelvo {

// The outline-rate edit box as the rate handlers see it. Assigning a text that differs from the
// shown one runs the box's change handler before SetText returns; the same text does nothing.
class EditControl {
public:
    virtual ~EditControl() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(std::string_view text) = 0;
};

}  // namespace brelvo
