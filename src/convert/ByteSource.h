#pragma once

#include <cstddef>

namespace brelvo {

// Where a LineReader takes its bytes from: a file, or memory in tests.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to size bytes; returns 0 only at the end. Throws InOutError on failure.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

}  // namespace brelvo
