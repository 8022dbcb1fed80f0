#include "platform/sys/FoldedText.h"

#include "platform/sys/Text.h"

#include <climits>

namespace sys::text {

FoldedText::FoldedText(std::string_view text) : m_text(text), m_folded(upper(text)) {}

std::size_t FoldedText::lengthAt(std::size_t offset) const {
    // Most texts the tools search are mostly ASCII, whose characters need no decoding.
    return static_cast<unsigned char>(m_text[offset]) < 0x80 ? 1 : charLength(m_text, offset);
}

bool FoldedText::seek(long position) {
    // Walking back is never needed by a search that moves on, but stays correct.
    if (position < m_start.position)
        m_start = Place{};
    while (m_start.position < position && m_start.offset < m_text.size()) {
        m_start.offset += lengthAt(m_start.offset);
        ++m_start.position;
    }
    return m_start.position >= position;
}

long FoldedText::positionAt(std::size_t offset) {
    if (offset < m_match.offset)
        m_match = Place{};
    while (m_match.offset < offset) {
        std::size_t length = lengthAt(m_match.offset);
        if (m_match.offset + length > offset)
            break;
        m_match.offset += length;
        ++m_match.position;
    }
    // A match that starts inside a character (a needle that begins with a byte that starts
    // none) counts the bytes of that character before it as characters of their own, as
    // counting the text up to the match counts them.
    return m_match.position + static_cast<long>(offset - m_match.offset);
}

long FoldedText::find(std::string_view needle, long start) {
    if (start < 1)
        start = 1;
    if (!seek(start))
        return 0;
    // Folding keeps every character at its byte offset, so the folded text is searched from
    // where the position starts in the text.
    std::size_t at = findBytes(m_folded, upper(needle), m_start.offset);
    if (at == std::string::npos)
        return 0;
    return positionAt(at);
}

std::optional<FoldedText::Occurrence> FoldedText::next(std::string_view needle, std::size_t from) {
    const std::string folded = upper(needle);
    const std::size_t at = findBytes(m_folded, folded, from);
    if (at == std::string::npos)
        return std::nullopt;
    // A well-formed needle matches whole characters only: its first byte starts one, and so
    // does the byte after its last. Counting characters is needed only for a needle with
    // bytes of no character, which may match inside one.
    if (wellFormed(needle))
        return Occurrence{at, at + folded.size()};
    const long position = positionAt(at);
    seek(position);
    const std::size_t begin = m_start.offset;
    seek(position + length(needle));
    return Occurrence{begin, m_start.offset};
}

std::string_view FoldedText::mid(long start, long count) {
    if (start < 1)
        start = 1;
    seek(start);
    const std::size_t from = m_start.offset;
    if (from >= m_text.size() || count == 0)
        return {};
    // A count past the end (the callers' "the rest") must not overflow start + count.
    if (count < 0 || count > LONG_MAX - start)
        return m_text.substr(from);
    seek(start + count);
    return m_text.substr(from, m_start.offset - from);
}

} // namespace sys::text
