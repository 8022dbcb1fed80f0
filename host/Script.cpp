#include "host/Script.h"

#include "host/ScriptError.h"

namespace host {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
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
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        ++number;
        std::vector<std::string> words = splitWords(text.substr(start, end - start), number);
        if (!words.empty())
            script.m_lines.push_back(ScriptLine{number, std::move(words)});
        start = end + 1;
    }
    return script;
}

} // namespace host
