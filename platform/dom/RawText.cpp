#include "platform/dom/RawText.h"

#include <string>

namespace dom {

namespace {

bool isAsciiAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isTagDelimiter(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == '/' || c == '>';
}

// Whether "</name" followed by a delimiter starts at text[at].
bool endTagAt(std::string_view text, std::size_t at, std::string_view name) {
    if (text.substr(at, 2) != "</" || at + 2 + name.size() >= text.size())
        return false;
    for (std::size_t k = 0; k < name.size(); ++k)
        if ((text[at + 2 + k] | 0x20) != name[k])
            return false;
    return isTagDelimiter(text[at + 2 + name.size()]);
}

// A script's text goes through the tokenizer's escape states: inside "<!--" a nested
// "<script" makes the script's own end tag plain text until "-->" or "</script>" comes.
RawText::Fit checkScript(std::string_view text) {
    enum State {
        Data,
        LessThan,
        EscapeStart,
        EscapeStartDash,
        Escaped,
        EscapedDash,
        EscapedDashDash,
        EscapedLessThan,
        DoubleEscapeStart,
        DoubleEscaped,
        DoubleDash,
        DoubleDashDash,
        DoubleLessThan,
        DoubleEscapeEnd
    };
    State state = Data;
    std::string buffer;
    for (std::size_t i = 0; i < text.size();) {
        char c = text[i];
        bool consume = true;
        switch (state) {
        case Data:
            if (c == '<')
                state = LessThan;
            break;
        case LessThan:
        case EscapedLessThan:
            if (c == '/' && endTagAt(text, i - 1, "script"))
                return RawText::Fit::EndsEarly;
            if (state == LessThan && c == '!') {
                state = EscapeStart;
            } else if (state == EscapedLessThan && isAsciiAlpha(c)) {
                buffer.clear();
                state = DoubleEscapeStart;
                consume = false;
            } else {
                state = state == LessThan ? Data : Escaped;
                consume = false;
            }
            break;
        case EscapeStart:
        case EscapeStartDash:
            if (c == '-') {
                state = state == EscapeStart ? EscapeStartDash : EscapedDashDash;
            } else {
                state = Data;
                consume = false;
            }
            break;
        case Escaped:
        case EscapedDash:
        case EscapedDashDash:
            if (c == '-')
                state = state == Escaped ? EscapedDash : EscapedDashDash;
            else if (c == '<')
                state = EscapedLessThan;
            else if (c == '>' && state == EscapedDashDash)
                state = Data;
            else
                state = Escaped;
            break;
        case DoubleEscapeStart:
        case DoubleEscapeEnd:
            if (isTagDelimiter(c)) {
                bool script = buffer == "script";
                if (state == DoubleEscapeStart)
                    state = script ? DoubleEscaped : Escaped;
                else
                    state = script ? Escaped : DoubleEscaped;
            } else if (isAsciiAlpha(c)) {
                buffer += static_cast<char>(c | 0x20);
            } else {
                state = state == DoubleEscapeStart ? Escaped : DoubleEscaped;
                consume = false;
            }
            break;
        case DoubleEscaped:
        case DoubleDash:
        case DoubleDashDash:
            if (c == '-')
                state = state == DoubleEscaped ? DoubleDash : DoubleDashDash;
            else if (c == '<')
                state = DoubleLessThan;
            else if (c == '>' && state == DoubleDashDash)
                state = Data;
            else
                state = DoubleEscaped;
            break;
        case DoubleLessThan:
            if (c == '/') {
                buffer.clear();
                state = DoubleEscapeEnd;
            } else {
                state = DoubleEscaped;
                consume = false;
            }
            break;
        }
        if (consume)
            ++i;
    }
    return state >= DoubleEscaped ? RawText::Fit::SwallowsItsEndTag : RawText::Fit::Fits;
}

} // namespace

RawText::Fit RawText::check(std::string_view elementName, std::string_view text) {
    if (elementName == "script")
        return checkScript(text);
    if (elementName == "plaintext")
        return Fit::Fits; // nothing ends it
    for (std::size_t at = text.find("</"); at != std::string_view::npos;
         at = text.find("</", at + 1))
        if (endTagAt(text, at, elementName))
            return Fit::EndsEarly;
    return Fit::Fits;
}

} // namespace dom
