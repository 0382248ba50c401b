#pragma once

#include <string>
#include <string_view>

#include "LineReader.h"
#include "LineWriter.h"
#include "Progress.h"

namespace brelvo {

// Rewrites the lines of an attribute file for cel shading: every block gets the option text
// after "celllookedge" (in its option line, or in one inserted before its closing line), every
// specular line becomes the fixed low-specular line, and all other lines pass through.
class AtrRewriter {
public:
    AtrRewriter(std::string_view edgeOptions, Progress& progress)
        : m_edgeOptions(edgeOptions), m_progress(progress) {}

    // Converts all blocks from in to out, announcing each block as "<path> : <n>".
    void Rewrite(LineReader& in, LineWriter& out, std::string_view path);

private:
    void RewriteBlock(LineReader& in, LineWriter& out);
    void WriteConverted(std::string_view line, bool& optionSeen, LineWriter& out) const;

    std::string m_edgeOptions;
    Progress& m_progress;
    std::string m_statusText;
};

}  // namespace brelvo
