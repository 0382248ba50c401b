#include "AtrRewriter.h"

#include <charconv>

#include "EdgeOptions.h"

namespace brelvo {

namespace {

constexpr std::string_view kKeyword = "celllookedge";
constexpr std::string_view kOptionPrefix = "opt ( ";  // the blank after "(" is part of it
constexpr std::string_view kSpecularPrefix = "spc (";
constexpr std::string_view kInsertedOptionStart = "\topt ( celllookedge";
constexpr std::string_view kSpecularLine = "\tspc ( 0.000 0.100 0.000 )";
constexpr std::string_view kBlockEnd = "}";

// Line kinds are told after the indentation: every character of code 0 to 32.
std::string_view Trimmed(std::string_view line) {
    std::size_t start = 0;
    while (start < line.size() && static_cast<unsigned char>(line[start]) <= 32) {
        ++start;
    }
    return line.substr(start);
}

}  // namespace

void AtrRewriter::Rewrite(LineReader& in, LineWriter& out, std::string_view path) {
    int block = 0;
    m_statusText.assign(path);
    m_statusText += " : ";
    const std::size_t numberStart = m_statusText.size();
    // A Ctrl-Z is an end-of-file mark only where a block would begin.
    while (!in.AtEndMark()) {
        ++block;
        char number[16];
        const auto end = std::to_chars(number, number + sizeof number, block).ptr;
        m_statusText.resize(numberStart);
        m_statusText.append(number, end);
        m_statusText += "\r\n";
        m_progress.SetStatusText(m_statusText);
        RewriteBlock(in, out);
    }
}

void AtrRewriter::RewriteBlock(LineReader& in, LineWriter& out) {
    m_progress.SetStep(m_progress.Bar().Max() / BlockProgressSteps);
    m_progress.SetPosition(m_progress.Bar().Min());
    m_progress.SetBarVisible(true);
    bool optionSeen = false;
    std::string_view line;
    // Input that ends inside a block ends the block too: all lines read are still written.
    while (!in.AtEnd()) {
        m_progress.StepIt();
        in.ReadLine(line);
        WriteConverted(line, optionSeen, out);
        // Only an unindented brace alone ends a block; an indented one is a closing line.
        if (line == kBlockEnd) {
            break;
        }
    }
    m_progress.SetBarVisible(false);
}

void AtrRewriter::WriteConverted(std::string_view line, bool& optionSeen, LineWriter& out) const {
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.starts_with(kOptionPrefix)) {
        optionSeen = true;
        const auto keyword = line.find(kKeyword);
        // Without the keyword the line's last character goes: normally its closing ")",
        // which the option text brings back.
        out.Write(keyword != std::string_view::npos ? line.substr(0, keyword)
                                                    : line.substr(0, line.size() - 1));
        out.Write(kKeyword);
        out.WriteLine(m_edgeOptions);
    } else if (trimmed.starts_with('}') && !optionSeen) {
        out.Write(kInsertedOptionStart);
        out.WriteLine(m_edgeOptions);
        out.WriteLine(kBlockEnd);
    } else if (trimmed.starts_with(kSpecularPrefix)) {
        out.WriteLine(kSpecularLine);
    } else {
        out.WriteLine(line);
    }
}

}  // namespace brelvo
