#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ByteSource.h"

namespace brelvo {

// Reads attribute-file lines through a buffer. A line ends at LF; every CR is dropped, so
// CR LF ends a line and a lone CR vanishes from its line. Memory stays at the buffer plus the
// longest line, however large the file.
class LineReader {
public:
    explicit LineReader(ByteSource& source, std::size_t bufferSize = 256 * 1024);

    // True when no byte is left.
    bool AtEnd() { return m_pos == m_end && !Fill(); }
    // True when no byte is left or the next one is Ctrl-Z, the old end-of-file mark.
    bool AtEndMark();
    // The next line, valid until the next call; false when no byte is left.
    bool ReadLine(std::string_view& line);

private:
    bool Fill();
    bool ReadLongLine(std::string_view& line);

    ByteSource& m_source;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    // Whether the buffer may hold a CR that does not stand right before an LF. Real files
    // almost never do, and knowing it spares a search of every line for CRs.
    bool m_mayHoldLoneCr = false;
    std::string m_line;  // a line that spans buffer fills or holds a CR
};

}  // namespace brelvo
