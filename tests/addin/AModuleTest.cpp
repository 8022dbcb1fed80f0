#include "PageSession.h"

#include "addin/AModule.h"
#include "addin/ProjectGlobals.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/editor/Application.h"
#include "platform/editor/PageWindow.h"
#include "platform/editor/Web.h"
#include "platform/editor/WebFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace zirirur;
using testing::ElementsAre;

std::vector<std::string> scriptIds(PageSession& page) {
    std::vector<std::string> ids;
    auto scripts = page.document()->scripts();
    for (int i = 0; i < scripts.length(); ++i)
        ids.push_back(scripts.item(i)->id());
    return ids;
}

TEST(InsertScriptFile, PutsEachScriptIntoThePageHeadOnce) {
    PageSession page("fm-scripts-present.htm");
    ui::Driver::instance().clearTranscript();

    // Present with exactly this id: nothing is added.
    EXPECT_TRUE(InsertScriptFile("VQRStatus", "vqrstatus.fps"));
    // An id that differs only in case does not count.
    EXPECT_TRUE(InsertScriptFile("VQRTextFuncs", "vqrtext.fps"));
    EXPECT_TRUE(InsertScriptFile("VQRTextFuncs", "vqrtext.fps"));
    EXPECT_THAT(scriptIds(page), ElementsAre("VQRStatus", "vqrtextfuncs", "VQRTextFuncs"));
    // At the end of the head, as the file holds it.
    auto head = page.document()->head();
    EXPECT_THAT(head->innerHTML(), testing::EndsWith("function VQRMakeUpper(f) {}</SCRIPT>"));
    EXPECT_TRUE(ui::Driver::instance().transcript().empty());
}

TEST(InsertScriptFile, AMissingFileIsReportedAndInsertsNothing) {
    PageSession page("fm-effects.htm");
    page.removeScriptFile("vqrtext.fps");
    ui::Driver::instance().clearTranscript();
    const std::string before = page.document()->serialize();

    EXPECT_FALSE(InsertScriptFile("VQRTextFuncs", "vqrtext.fps"));
    EXPECT_THAT(ui::Driver::instance().transcript(),
                ElementsAre("msgbox [Zirirur] critical: Script File Not Found.  Unable to process "
                            "request.\\rPlease check your installation. -> OK"));
    EXPECT_EQ(page.document()->serialize(), before);

    // Without an editor there is nothing to insert into, and nothing to say.
    ui::Driver::instance().clearTranscript();
    FPApp = nullptr;
    EXPECT_FALSE(InsertScriptFile("VQRStatus", "vqrstatus.fps"));
    EXPECT_TRUE(ui::Driver::instance().transcript().empty());
}

TEST(GetPageFolder, FindsTheFolderThatHoldsThePage) {
    {
        PageSession page("fm-effects.htm");
        editor::WebFolder* folder = GetPageFolder();
        ASSERT_NE(folder, nullptr);
        EXPECT_EQ(folder, &page.app().activeWeb()->rootFolder());
    }
    {
        PageSession page("fm-effects.htm", "outer/inner");
        editor::WebFolder* folder = GetPageFolder();
        ASSERT_NE(folder, nullptr);
        EXPECT_EQ(folder->name(), "inner");
        EXPECT_EQ(folder->url(), page.app().activeWeb()->rootFolder().url() + "/outer/inner");
    }
    {
        // A page never saved belongs to the web's root folder.
        PageSession page("fm-effects.htm", "outer");
        page.app().newPage("<html><body><p>new</p></body></html>");
        editor::WebFolder* folder = GetPageFolder();
        ASSERT_NE(folder, nullptr);
        EXPECT_EQ(folder, &page.app().activeWeb()->rootFolder());
    }
    {
        // No web open: no folder, and no failure.
        PageSession page("fm-effects.htm");
        page.app().closeWeb();
        EXPECT_EQ(GetPageFolder(), nullptr);
        FPApp = nullptr;
        EXPECT_EQ(GetPageFolder(), nullptr);
    }
}

TEST(PickHyperlink, GivesTheAddressTheUserChoseAndCleansUp) {
    PageSession page("fm-effects.htm");
    page.placeCursor("plain");
    page.app().setHyperlinkPrompt(
        [] { return std::optional<std::string>("http://www.example.org/a.htm"); });
    EXPECT_EQ(PickHyperlink(), "http://www.example.org/a.htm");
    auto holder = page.document()->all().item("FPLink1");
    ASSERT_TRUE(holder);
    EXPECT_EQ(holder->innerHTML(), "");

    page.app().setHyperlinkPrompt([] { return std::nullopt; });
    EXPECT_EQ(PickHyperlink(), "");
}

// Real pages, with the caret right after the first field of the first form: wherever the page
// puts the hidden block, the address comes back, the emptied block stays and no form is added.
TEST(PickHyperlink, GivesTheAddressOnEveryCorpusPage) {
    int pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ZIRIRUR_CORPUS_DIR)) {
        if (entry.path().extension() != ".htm")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        auto page = PageSession::fromBytes(ScratchFolder::readFile(entry.path()));
        auto document = page->document();
        auto form = document->all().tags("FORM").item(0);
        ASSERT_TRUE(form);
        document->setCaretAtEndOf(form->length() > 0 ? form->item(0) : form);
        const int forms = document->all().tags("FORM").length();
        const std::string address = "../order form.htm?item=1&copy=2#top";
        page->app().setHyperlinkPrompt([&] { return std::optional<std::string>(address); });
        EXPECT_EQ(PickHyperlink(), address);
        auto block = document->all().tags("DIV").item("FPLink1");
        ASSERT_TRUE(block);
        EXPECT_EQ(block->innerHTML(), "");
        EXPECT_EQ(document->all().tags("FORM").length(), forms);
        ++pages;
    }
    EXPECT_GE(pages, 24);
}

TEST(UrlToPath, TurnsFileAddressesIntoPaths) {
    EXPECT_EQ(UrlToPath("file:///C:/web/images/logo.gif"), "C:\\web\\images\\logo.gif");
    EXPECT_EQ(UrlToPath("FILE:///D:/a.htm"), "D:\\a.htm");
    EXPECT_EQ(UrlToPath("http://www.example.org/a/b.htm"), "http:\\\\www.example.org\\a\\b.htm");
    // Eight characters or fewer are never cut.
    EXPECT_EQ(UrlToPath("file:///"), "file:\\\\\\");
    EXPECT_EQ(UrlToPath(""), "");
}

TEST(NameChecks, AcceptAsciiLettersAndDigitsOnly) {
    EXPECT_TRUE(IsAlphaNumeric("abc123"));
    EXPECT_TRUE(IsAlphaNumeric("Z9"));
    for (const char* bad : {"", "a b", "a-b", "\xC3\xA9", "a_b", "ab!"})
        EXPECT_FALSE(IsAlphaNumeric(bad)) << bad;
    EXPECT_TRUE(IsValidName("Form1"));
    EXPECT_FALSE(IsValidName("Form 1"));
    EXPECT_FALSE(IsValidName(""));
    EXPECT_FALSE(IsValidName("Form\xE2\x82\xAC"));

    // A pasted text of any length is checked to its last character, in one pass.
    std::string pasted(1000000, 'a');
    EXPECT_TRUE(IsValidName(pasted));
    pasted.back() = '!';
    EXPECT_FALSE(IsAlphaNumeric(pasted));
}

} // namespace
