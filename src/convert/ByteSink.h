#pragma once

#include <cstddef>

namespace brelvo {

// Where a LineWriter puts its bytes: a file, or memory in tests.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Writes all size bytes or throws InOutError.
    virtual void Write(const char* data, std::size_t size) = 0;
};

}  // namespace brelvo
