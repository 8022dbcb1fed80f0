#include "platform/editor/LineEnds.h"

namespace editor {

LineEnds LineEnds::of(std::string_view text) {
    size_t crlf = 0;
    size_t cr = 0;
    size_t lf = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++crlf;
                ++i;
            } else {
                ++cr;
            }
        } else if (text[i] == '\n') {
            ++lf;
        }
    }
    if (crlf > 0 && crlf >= cr && crlf >= lf)
        return LineEnds("\r\n");
    if (cr > lf)
        return LineEnds("\r");
    return lineFeed();
}

std::string LineEnds::apply(std::string_view text) const {
    if (m_sequence == "\n")
        return std::string(text);
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (char c : text) {
        if (c == '\n')
            out += m_sequence;
        else
            out += c;
    }
    return out;
}

} // namespace editor
