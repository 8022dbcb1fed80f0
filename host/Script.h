#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace host {

// One line of a script that holds an action: its number in the file and its words.
struct ScriptLine {
    int number = 0;
    std::vector<std::string> words;
};

// A script of user actions: one action a line, words split as a shell splits them (blanks
// separate; '...' keeps everything; "..." keeps everything but \" \\ \$ \`; $'...' knows \n,
// \r, \t, \\, \' and \"; a backslash outside quotes keeps the next character). A comment runs
// from a "#" to the end of the line when the "#" starts the line's first word or stands alone as
// a word ("# note"); a later word such as "#FF0000" is a word. Empty lines and comment lines hold
// no action.
class Script {
public:
    // No script a person writes comes near these: a longer line is refused, and the host reads
    // no more than the longest script (standard input may be a pipe that never ends).
    static constexpr std::size_t kLongestLine = std::size_t{16} << 20;
    static constexpr std::size_t kLongestScript = std::size_t{64} << 20;

    // Raises ScriptError naming the line when a quote is left open, the line is not UTF-8
    // text or it is longer than kLongestLine. A byte order mark at the start is skipped.
    static Script parse(const std::string& text);
    // The words of one line; raises ScriptError (with lineNumber) for an open quote.
    static std::vector<std::string> splitWords(const std::string& line, int lineNumber = 0);

    const std::vector<ScriptLine>& lines() const { return m_lines; }

private:
    std::vector<ScriptLine> m_lines;
};

} // namespace host
