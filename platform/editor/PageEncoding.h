#pragma once

#include <string>
#include <string_view>

namespace editor {

// Whether a page starts with a byte order mark.
enum class ByteOrderMark { Absent, Present };

// The charset a page is stored in, so that it can be read for the parser (which reads UTF-8
// only) and written back in the same charset: nothing the page holds is lost or replaced.
class PageEncoding {
public:
    // What the page's bytes say: their byte order mark, else the charset that the browsers'
    // prescan of their first bytes finds declared (CharsetSniffer), else windows-1252 (the
    // charset of legacy pages).
    static PageEncoding of(std::string_view bytes);
    // For a page made in the editor (UTF-8 text): what its own markup declares, else
    // windows-1252, as the page will be read when it is opened from its file again.
    static PageEncoding ofText(std::string_view utf8);
    // A charset by one of its labels; raises error 5 for a label we cannot read.
    static PageEncoding named(std::string_view label,
                              ByteOrderMark byteOrderMark = ByteOrderMark::Absent);

    // Canonical charset name: "UTF-8", "windows-1252", "Shift_JIS", "UTF-16LE", ...
    const std::string& charset() const { return m_charset; }
    ByteOrderMark byteOrderMark() const;

    // The page's text as UTF-8, without its byte order mark. A byte that does not decode,
    // and a character that the parser would replace (a control), become marks that show as
    // one replacement character each and keep the byte (UndecodableByte), as a browser
    // decodes such a page and so that saving gives the byte back.
    std::string decode(std::string_view bytes) const;
    // The page's bytes, with the byte order mark when it had one, and each kept byte as it
    // was. Characters the charset cannot hold become numeric character references (&#NNNN;).
    // The work grows in proportion to the text.
    std::string encode(std::string_view utf8) const;

private:
    PageEncoding(std::string charset, std::string mark);

    std::string m_charset;
    std::string m_mark; // the byte order mark's bytes, as the page had them; empty for none
};

} // namespace editor
