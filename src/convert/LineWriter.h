#pragma once

#include <cstring>
#include <string_view>
#include <vector>

#include "ByteSink.h"

namespace brelvo {

// Writes lines through a buffer, each ending in CR LF whatever the platform.
class LineWriter {
public:
    explicit LineWriter(ByteSink& sink, std::size_t bufferSize = 256 * 1024);

    // Appends text to the current line.
    void Write(std::string_view text) {
        if (text.size() <= m_buffer.size() - m_used) {
            if (!text.empty()) {
                std::memcpy(m_buffer.data() + m_used, text.data(), text.size());
            }
            m_used += text.size();
        } else {
            WriteOverflowing(text);
        }
    }
    // Ends the current line with CR LF.
    void EndLine() { Write("\r\n"); }
    void WriteLine(std::string_view text) {
        Write(text);
        EndLine();
    }
    // Hands everything buffered to the sink.
    void Flush();

private:
    void WriteOverflowing(std::string_view text);

    ByteSink& m_sink;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
};

}  // namespace brelvo
