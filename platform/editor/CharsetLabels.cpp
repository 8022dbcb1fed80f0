#include "platform/editor/CharsetLabels.h"
#include "platform/sys/Text.h"

#include <utility>

namespace editor {

namespace {

std::string_view trimAsciiBlanks(std::string_view s) {
    auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
    };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Label -> canonical name. Labels of the same charset are listed together.
constexpr std::pair<std::string_view, std::string_view> kLabels[] = {
    {"utf-8", "UTF-8"},
    {"utf8", "UTF-8"},
    {"unicode-1-1-utf-8", "UTF-8"},
    {"unicode11utf8", "UTF-8"},
    {"unicode20utf8", "UTF-8"},
    {"x-unicode20utf8", "UTF-8"},
    // A meta declaration cannot be read in a 16-bit charset, so these labels mean UTF-8 there;
    // real UTF-16 pages are recognised by their byte order mark.
    {"utf-16", "UTF-8"},
    {"utf-16le", "UTF-8"},
    {"utf-16be", "UTF-8"},
    {"unicode", "UTF-8"},
    {"windows-1252", "windows-1252"},
    {"cp1252", "windows-1252"},
    {"x-cp1252", "windows-1252"},
    {"iso-8859-1", "windows-1252"},
    {"iso8859-1", "windows-1252"},
    {"iso_8859-1", "windows-1252"},
    {"iso88591", "windows-1252"},
    {"iso_8859-1:1987", "windows-1252"},
    {"iso-ir-100", "windows-1252"},
    {"latin1", "windows-1252"},
    {"l1", "windows-1252"},
    {"cp819", "windows-1252"},
    {"ibm819", "windows-1252"},
    {"csisolatin1", "windows-1252"},
    {"ascii", "windows-1252"},
    {"us-ascii", "windows-1252"},
    {"ansi_x3.4-1968", "windows-1252"},
    {"x-user-defined", "windows-1252"},
    {"shift_jis", "Shift_JIS"},
    {"shift-jis", "Shift_JIS"},
    {"sjis", "Shift_JIS"},
    {"x-sjis", "Shift_JIS"},
    {"ms_kanji", "Shift_JIS"},
    {"ms932", "Shift_JIS"},
    {"windows-31j", "Shift_JIS"},
    {"csshiftjis", "Shift_JIS"},
    {"euc-jp", "EUC-JP"},
    {"x-euc-jp", "EUC-JP"},
    {"iso-2022-jp", "ISO-2022-JP"},
    {"gbk", "GBK"},
    {"gb2312", "GBK"},
    {"x-gbk", "GBK"},
    {"chinese", "GBK"},
    {"csgb2312", "GBK"},
    {"gb18030", "gb18030"},
    {"big5", "Big5"},
    {"big5-hkscs", "Big5"},
    {"cn-big5", "Big5"},
    {"x-x-big5", "Big5"},
    {"csbig5", "Big5"},
    {"euc-kr", "EUC-KR"},
    {"ks_c_5601-1987", "EUC-KR"},
    {"korean", "EUC-KR"},
    {"windows-949", "EUC-KR"},
    {"cseuckr", "EUC-KR"},
    {"koi8-r", "KOI8-R"},
    {"koi8r", "KOI8-R"},
    {"koi8-u", "KOI8-U"},
    {"ibm866", "IBM866"},
    {"cp866", "IBM866"},
    {"macintosh", "macintosh"},
    {"mac", "macintosh"},
    {"x-mac-roman", "macintosh"},
    {"windows-874", "windows-874"},
    {"tis-620", "windows-874"},
    {"iso-8859-11", "windows-874"},
    {"dos-874", "windows-874"},
    {"iso-8859-9", "windows-1254"},
    {"latin5", "windows-1254"},
    {"l5", "windows-1254"},
    {"latin2", "ISO-8859-2"},
    {"l2", "ISO-8859-2"},
    {"latin3", "ISO-8859-3"},
    {"latin4", "ISO-8859-4"},
    {"cyrillic", "ISO-8859-5"},
    {"arabic", "ISO-8859-6"},
    {"greek", "ISO-8859-7"},
    {"hebrew", "ISO-8859-8"},
    {"latin6", "ISO-8859-10"},
    {"latin9", "ISO-8859-15"},
    {"l9", "ISO-8859-15"},
    {"csisolatin2", "ISO-8859-2"},
    {"x-cp1250", "windows-1250"},
    {"x-cp1251", "windows-1251"},
};

// "windows-125N", "cp125N": the other Windows code pages.
std::optional<std::string> windowsCodePage(std::string_view label) {
    for (std::string_view prefix : {"windows-125", "cp125"}) {
        if (label.size() == prefix.size() + 1 && label.substr(0, prefix.size()) == prefix &&
            label.back() >= '0' && label.back() <= '8')
            return "windows-125" + std::string(1, label.back());
    }
    return std::nullopt;
}

// "iso-8859-N", "iso8859-N", "iso_8859-N", "iso88599N": the ISO single-byte parts.
std::optional<std::string> isoPart(std::string_view label) {
    for (std::string_view prefix : {"iso-8859-", "iso8859-", "iso_8859-", "iso8859"}) {
        if (label.size() <= prefix.size() || label.substr(0, prefix.size()) != prefix)
            continue;
        std::string_view number = label.substr(prefix.size());
        if (number.size() > 2 || number.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        int part = std::stoi(std::string(number));
        if (part == 1)
            return "windows-1252";
        if (part == 9)
            return "windows-1254";
        if (part == 11)
            return "windows-874";
        if (part < 2 || part > 16 || part == 12)
            return std::nullopt;
        return "ISO-8859-" + std::to_string(part);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> CharsetLabels::canonical(std::string_view label) {
    std::string key = sys::text::lowerAscii(trimAsciiBlanks(label));
    for (const auto& [name, charset] : kLabels)
        if (name == key)
            return std::string(charset);
    if (auto windows = windowsCodePage(key))
        return windows;
    if (auto iso = isoPart(key))
        return iso;
    return std::nullopt;
}

std::string CharsetLabels::converterName(std::string_view canonical) {
    if (canonical == "Shift_JIS")
        return "CP932"; // what pages labelled Shift_JIS really hold (Windows' variant)
    if (canonical == "Big5")
        return "BIG5-HKSCS";
    if (canonical == "EUC-KR")
        return "CP949";
    if (canonical == "windows-874")
        return "CP874";
    if (canonical.substr(0, 11) == "windows-125")
        return "CP" + std::string(canonical.substr(8));
    if (canonical == "macintosh")
        return "MACINTOSH";
    if (canonical == "gb18030")
        return "GB18030";
    return std::string(canonical);
}

} // namespace editor
