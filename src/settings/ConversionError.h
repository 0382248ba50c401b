#pragma once

#include <stdexcept>

namespace brelvo {

// Raised when a text typed as an outline rate is not a number the tool accepts.
class ConversionError : public std::runtime_error {
public:
    ConversionError();
};

}  // namespace brelvo
