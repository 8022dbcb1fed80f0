#include "platform/editor/PageEncoding.h"

#include "platform/editor/CharsetLabels.h"
#include "platform/editor/CharsetSniffer.h"
#include "platform/editor/IconvConverter.h"
#include "platform/editor/UndecodableByte.h"
#include "platform/sys/Error.h"
#include "platform/sys/Text.h"

#include <algorithm>
#include <memory>
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

bool isSixteenBit(const std::string& charset) {
    return charset == "UTF-16LE" || charset == "UTF-16BE";
}

// Length of the well-formed UTF-8 sequence at s[pos] (no overlong forms, no surrogates,
// nothing above U+10FFFF); 0 when the bytes there are not one.
std::size_t wellFormedLengthAt(std::string_view s, std::size_t pos) {
    unsigned char lead = static_cast<unsigned char>(s[pos]);
    if (lead < 0x80)
        return 1;
    std::size_t length = sequenceLength(lead);
    if (length == 1 || pos + length > s.size())
        return 0;
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
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((static_cast<unsigned char>(s[pos + k]) & 0xC0) != 0x80)
            return 0;
    return length;
}

// The parser takes every character as it stands but these, which it turns into U+FFFD:
// controls other than tab, line feed, form feed and carriage return, and noncharacters.
bool parserReplaces(char32_t cp) {
    return (cp >= 0x01 && cp <= 0x08) || cp == 0x0B || (cp >= 0x0E && cp <= 0x1F) ||
           (cp >= 0x7F && cp <= 0x9F) || (cp >= 0xFDD0 && cp <= 0xFDEF) || (cp & 0xFFFE) == 0xFFFE;
}

void appendUnit(std::string& out, char32_t unit, bool bigEndian) {
    char high = static_cast<char>(unit >> 8);
    char low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

// The bytes that a character stands for in the charset; none for a character of more than
// one byte in a legacy charset (the parser replaces none such).
std::string bytesOf(char32_t cp, std::string_view utf8, const std::string& charset) {
    if (charset == kUtf8)
        return std::string(utf8);
    if (isSixteenBit(charset)) {
        bool bigEndian = charset == "UTF-16BE";
        std::string out;
        if (cp < 0x10000) {
            appendUnit(out, cp, bigEndian);
        } else {
            appendUnit(out, 0xD800 + ((cp - 0x10000) >> 10), bigEndian);
            appendUnit(out, 0xDC00 + ((cp - 0x10000) & 0x3FF), bigEndian);
        }
        return out;
    }
    return cp < 0x100 ? std::string(1, static_cast<char>(cp)) : std::string();
}

// The decoded text with each character that the parser would replace held as marks of the
// bytes it came from (the marks themselves are characters the parser keeps).
std::string keepReplacedCharacters(std::string_view text, const std::string& charset) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t length = 1;
        char32_t cp = codePointAt(text, pos, length);
        std::string_view character = text.substr(pos, length);
        std::string bytes = parserReplaces(cp) ? bytesOf(cp, character, charset) : "";
        if (bytes.empty())
            out += character;
        for (char byte : bytes)
            UndecodableByte::append(out, static_cast<unsigned char>(byte));
        pos += length;
    }
    return out;
}

std::string decodeUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        std::size_t length = wellFormedLengthAt(bytes, pos);
        if (length == 0) {
            UndecodableByte::append(out, static_cast<unsigned char>(bytes[pos]));
            ++pos;
            continue;
        }
        out += bytes.substr(pos, length);
        pos += length;
    }
    return out;
}

// Converts the whole input, each sequence that does not decode becoming marks of its bytes:
// one code unit (two bytes in a 16-bit charset) at a time, as a browser goes on after it.
std::string decodeWithConverter(std::string_view bytes, const std::string& charset) {
    IconvConverter converter(kUtf8, CharsetLabels::converterName(charset));
    const std::size_t unit = isSixteenBit(charset) ? 2 : 1;
    std::string out;
    std::string_view rest = bytes;
    while (!rest.empty()) {
        IconvConverter::Result result = converter.convert(rest);
        out += result.output;
        if (result.outcome == IconvConverter::Outcome::Done)
            break;
        std::size_t bad = std::min(unit, rest.size() - result.consumed);
        for (char byte : rest.substr(result.consumed, bad))
            UndecodableByte::append(out, static_cast<unsigned char>(byte));
        rest.remove_prefix(result.consumed + bad);
    }
    return out;
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

// The converter is handed the text a small piece at a time: where it meets a character the
// charset lacks, it does over what it took of the piece, so a long piece would make each such
// character cost as much as the piece.
constexpr std::size_t kConverterPiece = 256;

// The longest start of text, at most kConverterPiece bytes, that ends between two characters.
std::string_view pieceOf(std::string_view text) {
    if (text.size() <= kConverterPiece)
        return text;
    std::size_t end = kConverterPiece;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    // Bytes that are no UTF-8 at all go as they are: the converter reports them.
    return text.substr(0, end == 0 ? kConverterPiece : end);
}

// Writes text in a charset that iconv converts, through one converter for the whole page:
// a character the charset lacks becomes a reference and the conversion goes on after it.
void encodeWithConverter(std::string_view utf8, IconvConverter& converter, std::string& out) {
    std::string_view rest = utf8;
    while (!rest.empty()) {
        std::string_view piece = pieceOf(rest);
        IconvConverter::Result result = converter.convert(piece);
        out += result.output;
        if (result.outcome == IconvConverter::Outcome::Done) {
            rest.remove_prefix(piece.size());
            continue;
        }
        // A reference is written in the charset's initial shift state (ASCII in ISO-2022-JP).
        out += converter.reset();
        std::size_t length = 1;
        char32_t cp = codePointAt(rest, result.consumed, length);
        out += characterReference(cp);
        rest.remove_prefix(result.consumed + length);
    }
    out += converter.reset();
}

} // namespace

PageEncoding::PageEncoding(std::string charset, std::string mark)
    : m_charset(std::move(charset)), m_mark(std::move(mark)) {}

ByteOrderMark PageEncoding::byteOrderMark() const {
    return m_mark.empty() ? ByteOrderMark::Absent : ByteOrderMark::Present;
}

PageEncoding PageEncoding::of(std::string_view bytes) {
    if (startsWith(bytes, kUtf8Mark))
        return PageEncoding(kUtf8, std::string(kUtf8Mark));
    if (startsWith(bytes, kUtf16LeMark))
        return PageEncoding("UTF-16LE", std::string(kUtf16LeMark));
    if (startsWith(bytes, kUtf16BeMark))
        return PageEncoding("UTF-16BE", std::string(kUtf16BeMark));
    if (auto meta = CharsetSniffer::metaCharset(bytes))
        return PageEncoding(*meta, "");
    if (auto xml = CharsetSniffer::xmlDeclarationCharset(bytes))
        return PageEncoding(*xml, "");
    return PageEncoding(kWindows1252, "");
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
    std::string text;
    if (m_charset == kWindows1252)
        text = sys::text::fromAnsi(bytes);
    else if (m_charset == kUtf8)
        text = decodeUtf8(bytes);
    else
        text = decodeWithConverter(bytes, m_charset);
    return keepReplacedCharacters(text, m_charset);
}

std::string PageEncoding::encode(std::string_view utf8) const {
    std::unique_ptr<IconvConverter> converter;
    if (m_charset != kWindows1252 && m_charset != kUtf8)
        converter =
            std::make_unique<IconvConverter>(CharsetLabels::converterName(m_charset), kUtf8);
    std::string out = m_mark;
    // In a 16-bit charset a single byte only stands at the end: anywhere else it would put
    // every character after it out of step.
    std::string atTheEnd;
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t mark = UndecodableByte::find(utf8, pos);
        std::string_view text =
            utf8.substr(pos, mark == std::string_view::npos ? std::string_view::npos : mark - pos);
        if (m_charset == kWindows1252)
            out += encodeWindows1252(text);
        else if (m_charset == kUtf8)
            out += text;
        else
            encodeWithConverter(text, *converter, out);
        if (mark == std::string_view::npos)
            break;
        std::string kept;
        for (pos = mark; auto byte = UndecodableByte::at(utf8, pos);
             pos += UndecodableByte::kLength)
            kept += static_cast<char>(*byte);
        if (isSixteenBit(m_charset) && kept.size() % 2 == 1) {
            atTheEnd += kept.back();
            kept.pop_back();
        }
        out += kept;
    }
    return out + atTheEnd;
}

} // namespace editor
