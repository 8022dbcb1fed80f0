#include "platform/editor/PageEncoding.h"

#include "platform/editor/CharsetLabels.h"
#include "platform/editor/CharsetSniffer.h"
#include "platform/editor/IconvConverter.h"
#include "platform/sys/Error.h"
#include "platform/sys/Text.h"

#include <utility>

namespace editor {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
const std::string kUtf8 = "UTF-8";
const std::string kWindows1252 = "windows-1252";

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

std::string_view markOf(const std::string& charset) {
    if (charset == "UTF-16LE")
        return kUtf16LeMark;
    if (charset == "UTF-16BE")
        return kUtf16BeMark;
    return kUtf8Mark;
}

// Length of the UTF-8 sequence that starts with lead (1 for a byte that starts none).
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2)
        return 2;
    return 1;
}

// Decodes the character at s[pos] (valid UTF-8 assumed by the caller's check); sets length.
char32_t codePointAt(std::string_view s, std::size_t pos, std::size_t& length) {
    unsigned char lead = static_cast<unsigned char>(s[pos]);
    length = sequenceLength(lead);
    if (length == 1 || pos + length > s.size()) {
        length = 1;
        return lead < 0x80 ? lead : 0xFFFD;
    }
    char32_t cp = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[pos + k]) & 0x3F);
    return cp;
}

std::string characterReference(char32_t cp) {
    return "&#" + std::to_string(cp) + ";";
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view s) {
    for (std::size_t pos = 0; pos < s.size();) {
        unsigned char lead = static_cast<unsigned char>(s[pos]);
        if (lead < 0x80) {
            ++pos;
            continue;
        }
        std::size_t length = sequenceLength(lead);
        if (length == 1 || pos + length > s.size())
            return false;
        unsigned char second = static_cast<unsigned char>(s[pos + 1]);
        unsigned char low = 0x80, high = 0xBF;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
        else if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
        if (second < low || second > high)
            return false;
        for (std::size_t k = 2; k < length; ++k)
            if ((static_cast<unsigned char>(s[pos + k]) & 0xC0) != 0x80)
                return false;
        pos += length;
    }
    return true;
}

std::string encodeWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t length = 1;
        char32_t cp = codePointAt(utf8, pos, length);
        std::string_view character = utf8.substr(pos, length);
        int code = sys::text::ansiCode(character);
        if (code == '?' && character != "?")
            out += characterReference(cp);
        else
            out += static_cast<char>(code);
        pos += length;
    }
    return out;
}

std::string encodeWithConverter(std::string_view utf8, const std::string& charset) {
    IconvConverter converter(CharsetLabels::converterName(charset), kUtf8);
    std::string out;
    std::string_view rest = utf8;
    while (true) {
        IconvConverter::Result result = converter.convert(rest);
        out += result.output;
        out += converter.reset();
        if (result.outcome == IconvConverter::Outcome::Done)
            break;
        std::size_t length = 1;
        char32_t cp = codePointAt(rest, result.consumed, length);
        out += characterReference(cp);
        if (result.consumed >= rest.size())
            break;
        rest = rest.substr(result.consumed + length);
    }
    return out;
}

} // namespace

PageEncoding::PageEncoding(std::string charset, std::string mark)
    : m_charset(std::move(charset)), m_mark(std::move(mark)) {}

ByteOrderMark PageEncoding::byteOrderMark() const {
    return m_mark.empty() ? ByteOrderMark::Absent : ByteOrderMark::Present;
}

PageEncoding PageEncoding::of(std::string_view bytes) {
    PageEncoding encoding(kWindows1252, "");
    if (startsWith(bytes, kUtf8Mark)) {
        encoding = PageEncoding(kUtf8, std::string(kUtf8Mark));
    } else if (startsWith(bytes, kUtf16LeMark)) {
        encoding = PageEncoding("UTF-16LE", std::string(kUtf16LeMark));
    } else if (startsWith(bytes, kUtf16BeMark)) {
        encoding = PageEncoding("UTF-16BE", std::string(kUtf16BeMark));
    } else if (auto meta = CharsetSniffer::metaCharset(bytes)) {
        encoding.m_charset = *meta;
    } else if (auto xml = CharsetSniffer::xmlDeclarationCharset(bytes)) {
        encoding.m_charset = *xml;
    }
    try {
        encoding.decode(bytes);
    } catch (const sys::Error&) {
        encoding.m_charset = kWindows1252;
    }
    return encoding;
}

PageEncoding PageEncoding::ofText(std::string_view utf8) {
    if (auto meta = CharsetSniffer::metaCharset(utf8))
        return PageEncoding(*meta, "");
    if (auto xml = CharsetSniffer::xmlDeclarationCharset(utf8))
        return PageEncoding(*xml, "");
    return PageEncoding(kWindows1252, "");
}

PageEncoding PageEncoding::named(std::string_view label, ByteOrderMark byteOrderMark) {
    std::string text(label);
    if (text == "UTF-16LE" || text == "UTF-16BE")
        return PageEncoding(text, std::string(markOf(text)));
    auto charset = CharsetLabels::canonical(label);
    if (!charset)
        sys::raise(sys::ErrInvalidCall, "Unknown charset: " + text);
    std::string mark;
    if (byteOrderMark == ByteOrderMark::Present)
        mark = markOf(*charset);
    return PageEncoding(*charset, mark);
}

std::string PageEncoding::decode(std::string_view bytes) const {
    if (!m_mark.empty() && startsWith(bytes, m_mark))
        bytes.remove_prefix(m_mark.size());
    if (m_charset == kWindows1252)
        return sys::text::fromAnsi(bytes);
    if (m_charset == kUtf8) {
        if (!isValidUtf8(bytes))
            sys::raise(sys::ErrInvalidCall, "The page is not valid UTF-8");
        return std::string(bytes);
    }
    IconvConverter converter(kUtf8, CharsetLabels::converterName(m_charset));
    IconvConverter::Result result = converter.convert(bytes);
    if (result.outcome != IconvConverter::Outcome::Done)
        sys::raise(sys::ErrInvalidCall, "The page is not valid " + m_charset);
    return result.output;
}

std::string PageEncoding::encode(std::string_view utf8) const {
    std::string out = m_mark;
    if (m_charset == kWindows1252)
        out += encodeWindows1252(utf8);
    else if (m_charset == kUtf8)
        out += utf8;
    else
        out += encodeWithConverter(utf8, m_charset);
    return out;
}

} // namespace editor
