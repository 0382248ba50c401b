#include "LineWriter.h"

#include <cstring>

namespace brelvo {

LineWriter::LineWriter(ByteSink& sink, std::size_t bufferSize) : m_sink(sink), m_buffer(bufferSize) {}

void LineWriter::WriteOverflowing(std::string_view text) {
    Flush();
    if (text.size() >= m_buffer.size()) {
        m_sink.Write(text.data(), text.size());
        return;
    }
    std::memcpy(m_buffer.data(), text.data(), text.size());
    m_used = text.size();
}

void LineWriter::Flush() {
    if (m_used > 0) {
        const std::size_t used = m_used;
        m_used = 0;
        m_sink.Write(m_buffer.data(), used);
    }
}

}  // namespace brelvo
