#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "ByteSink.h"
#include "ByteSource.h"

namespace brelvo::test {

// Hands out its bytes in pieces of at most chunk bytes, so that lines cross buffer fills.
class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::string bytes, std::size_t chunk = 1 << 20)
        : m_bytes(std::move(bytes)), m_chunk(chunk) {}
    std::size_t Read(char* buffer, std::size_t size) override {
        const std::size_t n = std::min({size, m_chunk, m_bytes.size() - m_pos});
        std::memcpy(buffer, m_bytes.data() + m_pos, n);
        m_pos += n;
        return n;
    }

private:
    std::string m_bytes;
    std::size_t m_chunk;
    std::size_t m_pos = 0;
};

class MemorySink : public ByteSink {
public:
    void Write(const char* data, std::size_t size) override { bytes.append(data, size); }
    std::string bytes;
};

}  // namespace brelvo::test
