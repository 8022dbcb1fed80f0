#pragma once

#include <string>
#include <string_view>

namespace editor {

// The line ends a page was written with. The parser reads every line end as a line feed; a
// page goes back to disk with the line ends it came with, so a page written on Windows keeps
// its carriage returns and an old Mac page its bare ones.
class LineEnds {
public:
    // The most frequent line end of the text (line feed when it has none); ties go to CR LF.
    static LineEnds of(std::string_view text);
    static LineEnds lineFeed() { return LineEnds("\n"); }

    // The text, whose line ends are line feeds, with this page's line ends.
    std::string apply(std::string_view text) const;
    const std::string& sequence() const { return m_sequence; }

private:
    explicit LineEnds(std::string sequence) : m_sequence(std::move(sequence)) {}

    std::string m_sequence;
};

} // namespace editor
