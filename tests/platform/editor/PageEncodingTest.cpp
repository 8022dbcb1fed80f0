#include "platform/editor/PageEncoding.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/editor/CharsetLabels.h"
#include "platform/editor/CharsetSniffer.h"
#include "platform/sys/Error.h"
#include "platform/sys/Text.h"

#include <gtest/gtest.h>

using editor::ByteOrderMark;
using editor::CharsetSniffer;
using editor::PageEncoding;

TEST(PageEncoding, TheByteOrderMarkWinsOverTheMetaDeclaration) {
    PageEncoding utf8 = PageEncoding::of("\xEF\xBB\xBF<meta charset=\"windows-1256\"><p>x");
    EXPECT_EQ(utf8.charset(), "UTF-8");
    EXPECT_EQ(utf8.byteOrderMark(), ByteOrderMark::Present);
    EXPECT_EQ(utf8.decode("\xEF\xBB\xBF<p>\xC3\xA9"), "<p>\xC3\xA9");

    std::string utf16("\xFF\xFE<\0p\0>\0\xE9\0", 10);
    PageEncoding le = PageEncoding::of(utf16);
    EXPECT_EQ(le.charset(), "UTF-16LE");
    EXPECT_EQ(le.decode(utf16), "<p>\xC3\xA9");
    EXPECT_EQ(le.encode("<p>\xC3\xA9"), utf16);
}

TEST(PageEncoding, MetaDeclarationsAreReadAsABrowserReadsThem) {
    auto charsetOf = [](const std::string& page) { return PageEncoding::of(page).charset(); };
    EXPECT_EQ(charsetOf("<html><head><META CHARSET=windows-1256>"), "windows-1256");
    EXPECT_EQ(charsetOf("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                        "charset=shift_jis\" />"),
              "Shift_JIS");
    EXPECT_EQ(charsetOf("<meta http-equiv='content-type' content='text/html;charset=\"utf-8\"'>"),
              "UTF-8");
    // A content value counts only beside http-equiv="Content-Type".
    EXPECT_EQ(charsetOf("<meta name=x content=\"text/html; charset=windows-1256\">"),
              "windows-1252");
    // The "Charest" typo of a real page names nothing; the meta before it does.
    EXPECT_EQ(
        charsetOf("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">"
                  "<meta http-equiv=\"Content-Type\" content=\"text/html; Charest=utf-8\">"),
        "windows-1252");
    // Legacy labels stand for windows-1252.
    EXPECT_EQ(charsetOf("<meta charset=us-ascii>"), "windows-1252");
    EXPECT_EQ(charsetOf("<meta charset=latin1>"), "windows-1252");
    // Comments and unknown labels do not count; the prescan knows no elements, so a meta
    // in a script, a title or the body counts as it does for a browser.
    EXPECT_EQ(charsetOf("<!-- <meta charset=windows-1256> --><meta charset=koi8-r>"), "KOI8-R");
    EXPECT_EQ(charsetOf("<script>document.write('<meta charset=big5>')</script>"
                        "<meta charset=euc-jp>"),
              "Big5");
    EXPECT_EQ(charsetOf("<meta charset=x-no-such-thing><meta charset=windows-1251>"),
              "windows-1251");
    EXPECT_EQ(charsetOf("<body><meta charset=windows-1256>"), "windows-1256");
    EXPECT_EQ(charsetOf("<title>t</title>Text first <meta charset=koi8-r>"), "KOI8-R");
    // Only the first 1024 bytes are looked at.
    const std::string head = "<html><head><title>" + std::string(970, 't') + "</title>";
    EXPECT_EQ(charsetOf(head + "<meta charset=koi8-r>"), "KOI8-R");
    EXPECT_EQ(charsetOf(head + "<!---->     <meta charset=koi8-r>"), "windows-1252");
    // A quoted ">" inside an earlier tag does not end it early.
    EXPECT_EQ(charsetOf("<a title=\"<meta charset=big5>\"><meta charset=gbk>"), "GBK");
    // An XML declaration counts when no meta names a charset.
    EXPECT_EQ(charsetOf("<?xml version=\"1.0\" encoding=\"shift_jis\"?><html>"), "Shift_JIS");
    EXPECT_EQ(charsetOf("<html><p>caf\xE9</p>"), "windows-1252");
}

TEST(PageEncoding, ContentTypeValuesGiveTheirCharsetAsWritten) {
    EXPECT_EQ(CharsetSniffer::charsetInContentType("text/html; charset=UTF-8"), "UTF-8");
    EXPECT_EQ(CharsetSniffer::charsetInContentType("text/html;charset = 'big5' ;x"), "big5");
    EXPECT_EQ(CharsetSniffer::charsetInContentType("text/html; charsetx=1; charset=gbk"), "gbk");
    EXPECT_FALSE(CharsetSniffer::charsetInContentType("text/html").has_value());
    EXPECT_FALSE(CharsetSniffer::charsetInContentType("text/html; charset=\"utf-8").has_value());
    EXPECT_EQ(editor::CharsetLabels::canonical(" ISO-8859-9 "), "windows-1254");
    EXPECT_EQ(editor::CharsetLabels::canonical("iso8859-2"), "ISO-8859-2");
    EXPECT_EQ(editor::CharsetLabels::canonical("CP1250"), "windows-1250");
    EXPECT_FALSE(editor::CharsetLabels::canonical("iso-8859-12").has_value());
    EXPECT_FALSE(editor::CharsetLabels::canonical("").has_value());
}

TEST(PageEncoding, Windows1252KeepsEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    PageEncoding encoding = PageEncoding::named("windows-1252");
    std::string text = encoding.decode(all);
    EXPECT_EQ(encoding.encode(text), all);
    EXPECT_EQ(encoding.decode("\x80\x97\xE8"), "\xE2\x82\xAC\xE2\x80\x94\xC3\xA8");
    // The five bytes that windows-1252 leaves undefined, and controls, show as the
    // replacement character; the parser keeps them so, and they are written back as they were.
    std::string undefined = encoding.decode("a\x81\x8D\x8F\x90\x9D\x01\x7F");
    EXPECT_EQ(undefined.substr(0, 4), "a\xEF\xBF\xBD");
    EXPECT_EQ(sys::text::length(undefined), 1 + 7 * 3);
    auto document = dom::Document::parse("<p title=\"" + undefined + "\">" + undefined);
    EXPECT_EQ(encoding.encode(document->body()->innerHTML()),
              "<P title=\"a\x81\x8D\x8F\x90\x9D\x01\x7F\">a\x81\x8D\x8F\x90\x9D\x01\x7F</P>");
}

TEST(PageEncoding, CharactersTheCharsetLacksBecomeCharacterReferences) {
    // An Arabic alef and a CJK character inserted into a windows-1252 page.
    EXPECT_EQ(PageEncoding::named("windows-1252")
                  .encode("a\xD8\xA7"
                          "b\xE4\xB8\xAD?"),
              "a&#1575;b&#20013;?");
    // The euro sign into Shift_JIS; Japanese text stays in its bytes around it.
    EXPECT_EQ(PageEncoding::named("shift_jis").encode("\xE3\x81\x82\xE2\x82\xAC\xE3\x81\x82"),
              "\x82\xA0&#8364;\x82\xA0");
    // In ISO-2022-JP the reference is written in ASCII mode, never inside a kanji run.
    PageEncoding jis = PageEncoding::named("iso-2022-jp");
    std::string bytes = jis.encode("\xE3\x81\x82\xE2\x82\xAC\xE3\x81\x82");
    EXPECT_NE(bytes.find("\x1B(B&#8364;\x1B$B"), std::string::npos);
    EXPECT_EQ(jis.decode(bytes), "\xE3\x81\x82&#8364;\xE3\x81\x82");
    // UTF-8 holds everything.
    EXPECT_EQ(PageEncoding::named("utf-8").encode("\xD8\xA7"), "\xD8\xA7");
}

TEST(PageEncoding, BytesThatDoNotDecodeShowAsReplacementsAndGoBackAsTheyWere) {
    const std::string replacement = "\xEF\xBF\xBD";
    // Declared UTF-8 with a Latin-1 byte: read as UTF-8 all the same, the stray byte shown as
    // one replacement character; typed text goes out in UTF-8 beside the byte kept.
    std::string page = "<meta charset=utf-8><p>caf\xC3\xA9 \xFF</p>";
    PageEncoding utf8 = PageEncoding::of(page);
    EXPECT_EQ(utf8.charset(), "UTF-8");
    std::string text = utf8.decode(page);
    EXPECT_EQ(text.substr(0, text.find(replacement)), "<meta charset=utf-8><p>caf\xC3\xA9 ");
    EXPECT_EQ(utf8.encode(text), page);
    EXPECT_EQ(utf8.encode(text + "\xE2\x82\xAC"), page + "\xE2\x82\xAC");
    // Overlong forms, surrogates and a sequence cut short are bytes that do not decode.
    for (std::string bad : {"\xC0\xAF", "\xED\xA0\x80", "\xE3\x81"}) {
        EXPECT_EQ(utf8.encode(utf8.decode("x" + bad + "y")), "x" + bad + "y");
        EXPECT_EQ(sys::text::length(utf8.decode(bad)), 3 * static_cast<long>(bad.size()));
    }

    // A UTF-8 byte order mark before bytes that are not UTF-8: the mark stays too.
    std::string marked = "\xEF\xBB\xBF<p>\xE9</p>";
    PageEncoding withMark = PageEncoding::of(marked);
    EXPECT_EQ(withMark.byteOrderMark(), ByteOrderMark::Present);
    EXPECT_EQ(withMark.encode(withMark.decode(marked)), marked);
    EXPECT_THROW(PageEncoding::named("no-such-charset"), sys::Error);
}

TEST(PageEncoding, APageMadeInTheEditorIsWrittenAsItWillBeReadAgain) {
    EXPECT_EQ(PageEncoding::ofText("<p>x</p>").charset(), "windows-1252");
    EXPECT_EQ(PageEncoding::ofText("<meta charset=\"utf-8\"><p>x</p>").charset(), "UTF-8");
    PageEncoding legacy = PageEncoding::ofText("<p>\xE2\x82\xAC \xD8\xA7</p>");
    std::string bytes = legacy.encode("<p>\xE2\x82\xAC \xD8\xA7</p>");
    EXPECT_EQ(bytes, "<p>\x80 &#1575;</p>");
    EXPECT_EQ(PageEncoding::of(bytes).decode(bytes), "<p>\xE2\x82\xAC &#1575;</p>");
}
