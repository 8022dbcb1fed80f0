#include "host/Script.h"

#include "host/ScriptError.h"

namespace host {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The 1-based column of the first byte that does not belong to well-formed UTF-8 (no overlong
// forms, no surrogates, nothing above U+10FFFF); 0 when the whole line is UTF-8.
size_t firstNonUtf8(const std::string& line) {
    const size_t n = line.size();
    size_t i = 0;
    while (i < n) {
        const unsigned char lead = static_cast<unsigned char>(line[i]);
        size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return i + 1;
        }
        if (i + length > n)
            return i + 1;
        for (size_t k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(line[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return i + 1;
        }
        i += length;
    }
    return 0;
}

} // namespace

std::vector<std::string> Script::splitWords(const std::string& line, int lineNumber) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    size_t i = 0;
    const size_t n = line.size();

    auto unterminated = [&](const char* quote) {
        throw ScriptError(lineNumber, std::string("the quote ") + quote + " is not closed");
    };

    while (i < n) {
        const char c = line[i];
        if (isBlank(c)) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
            ++i;
        } else if (c == '#' && !inWord && (words.empty() || i + 1 == n || isBlank(line[i + 1]))) {
            // A comment: a line that starts with "#", or a "#" standing alone. "#FF0000" after
            // an action's first word is a colour, not a comment.
            break;
        } else if (c == '\\') {
            inWord = true;
            if (i + 1 < n)
                word += line[i + 1];
            i += 2;
        } else if (c == '\'') {
            inWord = true;
            const size_t close = line.find('\'', i + 1);
            if (close == std::string::npos)
                unterminated("'");
            word.append(line, i + 1, close - i - 1);
            i = close + 1;
        } else if (c == '"') {
            inWord = true;
            ++i;
            bool closed = false;
            while (i < n) {
                if (line[i] == '"') {
                    closed = true;
                    ++i;
                    break;
                }
                if (line[i] == '\\' && i + 1 < n &&
                    (line[i + 1] == '"' || line[i + 1] == '\\' || line[i + 1] == '$' ||
                     line[i + 1] == '`')) {
                    word += line[i + 1];
                    i += 2;
                } else {
                    word += line[i++];
                }
            }
            if (!closed)
                unterminated("\"");
        } else if (c == '$' && i + 1 < n && line[i + 1] == '\'') {
            inWord = true;
            i += 2;
            bool closed = false;
            while (i < n) {
                if (line[i] == '\'') {
                    closed = true;
                    ++i;
                    break;
                }
                if (line[i] == '\\' && i + 1 < n) {
                    switch (line[i + 1]) {
                    case 'n':
                        word += '\n';
                        break;
                    case 'r':
                        word += '\r';
                        break;
                    case 't':
                        word += '\t';
                        break;
                    default: // \\ \' \" and anything else: the character itself
                        word += line[i + 1];
                        break;
                    }
                    i += 2;
                } else {
                    word += line[i++];
                }
            }
            if (!closed)
                unterminated("$'");
        } else {
            inWord = true;
            word += c;
            ++i;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

Script Script::parse(const std::string& text) {
    Script script;
    int number = 0;
    // Some editors start a UTF-8 file with a byte order mark; it is no part of the first action.
    const std::string bom = "\xEF\xBB\xBF";
    size_t start = text.compare(0, bom.size(), bom) == 0 ? bom.size() : 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        ++number;
        if (end - start > kLongestLine)
            throw ScriptError(number,
                              "the line is longer than " + std::to_string(kLongestLine) + " bytes");
        const std::string line = text.substr(start, end - start);
        if (const size_t column = firstNonUtf8(line); column != 0)
            throw ScriptError(number, "the line is not UTF-8 text (column " +
                                          std::to_string(column) + "); save the script as UTF-8");
        std::vector<std::string> words = splitWords(line, number);
        if (!words.empty())
            script.m_lines.push_back(ScriptLine{number, std::move(words)});
        start = end + 1;
    }
    return script;
}

} // namespace host
