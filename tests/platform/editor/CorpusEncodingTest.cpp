// Every real page of the corpus opens, saves unchanged, opens again with the same document
// and saves again byte for byte as before: nothing is lost to its charset, its byte order mark
// or its line ends.

#include "ScratchFolder.h"
#include "platform/dom/Document.h"
#include "platform/editor/Application.h"
#include "platform/editor/PageEncoding.h"
#include "platform/editor/PageWindow.h"
#include "tests/platform/dom/DomTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

namespace {

const std::string kReplacementCharacter = "\xEF\xBF\xBD";

// The characters beyond ASCII that a text holds.
std::set<std::string> wideCharacters(const std::string& utf8) {
    std::set<std::string> found;
    for (std::size_t pos = 0; pos < utf8.size();) {
        unsigned char lead = static_cast<unsigned char>(utf8[pos]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (length > 1)
            found.insert(utf8.substr(pos, length));
        pos += length;
    }
    return found;
}

} // namespace

TEST(CorpusEncoding, EveryPageSurvivesOpenSaveOpen) {
    const auto pages = domtest::corpusPages();
    ASSERT_GE(pages.size(), 24u);
    ScratchFolder folder;
    for (const std::string page : pages) {
        SCOPED_TRACE(page);
        editor::Application application;
        editor::PageEncoding encoding = application.openPage(page).encoding();
        std::string original = ScratchFolder::readFile(page);
        std::string text = encoding.decode(original);
        std::string serialized = application.activeDocument()->serialize();
        EXPECT_EQ(serialized.find(kReplacementCharacter), std::string::npos);

        std::string copy = folder.path(std::filesystem::path(page).filename().string());
        application.savePageAs(copy);
        std::string saved = ScratchFolder::readFile(copy);

        editor::PageWindow& second = application.openPage(copy);
        EXPECT_EQ(second.encoding().charset(), encoding.charset());
        EXPECT_EQ(second.encoding().byteOrderMark(), encoding.byteOrderMark());
        EXPECT_EQ(second.document()->serialize(), serialized);
        std::string reread = second.encoding().decode(saved);
        EXPECT_EQ(reread.find(kReplacementCharacter), std::string::npos);
        // Every character of the page's text is still there (entities of the source may
        // add characters, none may go).
        for (const std::string& character : wideCharacters(text))
            EXPECT_NE(reread.find(character), std::string::npos) << "lost " << character;
        // Saved again, nothing changes by a byte.
        application.savePageAs(folder.path("again.htm"));
        EXPECT_EQ(folder.read("again.htm"), saved);
    }
}

TEST(CorpusEncoding, EachPageIsReadInItsOwnCharset) {
    const std::map<std::string, std::pair<std::string, editor::ByteOrderMark>> expected = {
        {"arabic-news-portal-windows1256-rtl.htm", {"windows-1256", editor::ByteOrderMark::Absent}},
        {"contact-shiftjis-xhtml-japanese-field-names.htm",
         {"Shift_JIS", editor::ByteOrderMark::Absent}},
        {"contact-templatemo-bom-bogus-comments.htm", {"UTF-8", editor::ByteOrderMark::Present}},
        {"recipe-two-forms-latin1-html2.htm", {"windows-1252", editor::ByteOrderMark::Absent}},
        {"baidu-home-utf8-cjk-hidden-fields.htm", {"UTF-8", editor::ByteOrderMark::Absent}},
        {"guestbook-sign-html32-uppercase.htm", {"windows-1252", editor::ByteOrderMark::Absent}},
        {"bbc-home-mixed-crlf-conditional-comments.htm", {"UTF-8", editor::ByteOrderMark::Absent}},
    };
    for (const auto& [name, charset] : expected) {
        SCOPED_TRACE(name);
        editor::Application application;
        editor::PageWindow& window =
            application.openPage(std::string(ZIRIRUR_CORPUS_DIR) + "/" + name);
        EXPECT_EQ(window.encoding().charset(), charset.first);
        EXPECT_EQ(window.encoding().byteOrderMark(), charset.second);
    }

    // The Arabic, Japanese and French words of the pages reach the document as characters.
    editor::Application application;
    auto textOf = [&](const std::string& name) {
        return application.openPage(std::string(ZIRIRUR_CORPUS_DIR) + "/" + name)
            .document()
            ->serialize();
    };
    EXPECT_NE(textOf("arabic-news-portal-windows1256-rtl.htm").find("\xD8\xA7"), std::string::npos);
    EXPECT_NE(textOf("contact-shiftjis-xhtml-japanese-field-names.htm")
                  .find("\xE5\x95\x8F\xE5\x90\x88\xE3\x81\x9B"), // 問合せ
              std::string::npos);
    EXPECT_NE(textOf("recipe-two-forms-latin1-html2.htm").find("Orsi\xC3\xA8res"),
              std::string::npos);
}

TEST(CorpusEncoding, SavedPagesKeepTheirBytesAndMarks) {
    ScratchFolder folder;
    editor::Application application;

    // CR-only and mixed line ends: the page goes back with its own (most frequent) line end.
    const std::map<std::string, std::string> lineEnds = {
        {"guestbook-frontpage-cr-only-lineends.htm", "\r"},
        {"bbc-home-mixed-crlf-conditional-comments.htm", "\r\n"},
        {"pizza-order-markup-in-head-checkbox-groups.htm", "\r\n"},
        {"baidu-home-utf8-cjk-hidden-fields.htm", "\n"},
    };
    for (const auto& [name, lineEnd] : lineEnds) {
        SCOPED_TRACE(name);
        application.openPage(std::string(ZIRIRUR_CORPUS_DIR) + "/" + name);
        application.savePageAs(folder.path("once.htm"));
        std::string once = folder.read("once.htm");
        const size_t crlf = std::count(once.begin(), once.end(), '\r');
        const size_t lf = std::count(once.begin(), once.end(), '\n');
        if (lineEnd == "\r\n") {
            EXPECT_GT(lf, 0u);
            EXPECT_EQ(crlf, lf) << "every line feed follows a carriage return";
        } else if (lineEnd == "\r") {
            EXPECT_GT(crlf, 0u);
            EXPECT_EQ(lf, 0u);
        } else {
            EXPECT_GT(lf, 0u);
        }
    }
}
