#include "LineReader.h"

#include <cstring>

namespace brelvo {

namespace {

constexpr char kEndMark = '\x1a';
constexpr std::size_t kKeptLineCapacity = 1024 * 1024;

void RemoveCarriageReturns(std::string& text) {
    std::erase(text, '\r');
}

// Scans sixteen bytes at a time where the compiler offers vector types: at a byte per
// iteration this test alone would cost as much as the whole conversion. A CR in the last byte
// counts as lone, since its LF, if any, is not in this buffer.
bool HoldsLoneCr(const char* bytes, std::size_t size) {
    if (size == 0) {
        return false;
    }
    unsigned char lone = bytes[size - 1] == '\r';
    std::size_t i = 0;
#if defined(__GNUC__)
    using Vector = unsigned char __attribute__((vector_size(16)));
    Vector found = {};
    for (; i + 17 <= size; i += 16) {
        Vector here;
        Vector next;
        std::memcpy(&here, bytes + i, sizeof here);
        std::memcpy(&next, bytes + i + 1, sizeof next);
        found |= reinterpret_cast<Vector>((here == '\r') & (next != '\n'));
    }
    for (std::size_t k = 0; k < sizeof found; ++k) {
        lone |= found[k];
    }
#endif
    for (; i + 1 < size; ++i) {
        lone |= static_cast<unsigned char>((bytes[i] == '\r') & (bytes[i + 1] != '\n'));
    }
    return lone != 0;
}

}  // namespace

LineReader::LineReader(ByteSource& source, std::size_t bufferSize) : m_source(source), m_buffer(bufferSize) {}

bool LineReader::Fill() {
    m_pos = 0;
    m_end = m_source.Read(m_buffer.data(), m_buffer.size());
    m_mayHoldLoneCr = HoldsLoneCr(m_buffer.data(), m_end);
    return m_end > 0;
}

bool LineReader::AtEndMark() {
    return AtEnd() || m_buffer[m_pos] == kEndMark;
}

bool LineReader::ReadLine(std::string_view& line) {
    if (AtEnd()) {
        return false;
    }
    const char* start = m_buffer.data() + m_pos;
    const std::size_t available = m_end - m_pos;
    const auto* lineFeed = static_cast<const char*>(std::memchr(start, '\n', available));
    if (lineFeed == nullptr) {
        return ReadLongLine(line);
    }
    auto length = static_cast<std::size_t>(lineFeed - start);
    m_pos += length + 1;
    if (length > 0 && start[length - 1] == '\r') {
        --length;
    }
    if (!m_mayHoldLoneCr || std::memchr(start, '\r', length) == nullptr) {
        line = std::string_view(start, length);
        return true;
    }
    m_line.assign(start, length);
    RemoveCarriageReturns(m_line);
    line = m_line;
    return true;
}

// The rest of the buffer holds no line end: collect the line across fills.
bool LineReader::ReadLongLine(std::string_view& line) {
    if (m_line.capacity() > kKeptLineCapacity) {
        std::string().swap(m_line);  // give back what an earlier giant line took
    }
    m_line.assign(m_buffer.data() + m_pos, m_end - m_pos);
    m_pos = m_end;
    while (Fill()) {
        const char* start = m_buffer.data();
        const auto* lineFeed = static_cast<const char*>(std::memchr(start, '\n', m_end));
        if (lineFeed != nullptr) {
            const auto length = static_cast<std::size_t>(lineFeed - start);
            m_line.append(start, length);
            m_pos = length + 1;
            break;
        }
        m_line.append(start, m_end);
        m_pos = m_end;
    }
    RemoveCarriageReturns(m_line);
    line = m_line;
    return true;
}

}  // namespace brelvo
