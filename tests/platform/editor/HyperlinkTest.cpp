#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/dom/TextRange.h"
#include "platform/editor/Application.h"
#include "platform/editor/CommandBars.h"
#include "platform/editor/HyperlinkDialog.h"
#include "platform/sys/Error.h"
#include "tests/platform/dom/DomTestSupport.h"

#include <gtest/gtest.h>

namespace {

class HyperlinkTest : public ::testing::Test {
protected:
    void runHyperlinkCommand() {
        application.commandBars().item("Insert").controls().item("Hyperlink...")->execute();
    }
    void answer(std::optional<std::string> address) {
        application.setHyperlinkPrompt([address, this] {
            ++asked;
            return address;
        });
    }

    editor::Application application;
    int asked = 0;
};

} // namespace

TEST_F(HyperlinkTest, TheSelectionBecomesALinkToTheGivenAddress) {
    application.newPage("<html><body><p id=\"para\">Visit <b>us</b></p></body></html>");
    auto document = application.activeDocument();
    auto para = document->all().item("para");
    ASSERT_TRUE(para);
    document->setSelectionToContentOf(para);

    answer("shop/order.htm?a=1&copy=2");
    runHyperlinkCommand();
    EXPECT_EQ(asked, 1);
    auto links = document->all().tags("A");
    ASSERT_EQ(links.length(), 1);
    auto link = links.item(0);
    EXPECT_EQ(link->getAttribute("href"), "shop/order.htm?a=1&copy=2");
    EXPECT_EQ(link->innerHTML(), "Visit <B>us</B>");
    EXPECT_NE(para->innerHTML().find("href=\"shop/order.htm?a=1&copy=2\""), std::string::npos);
    // The markup parses back to the address: "&" as a reference, a double quote %-escaped so
    // that the address's reader, which stops at a double quote, gets all of it.
    EXPECT_EQ(editor::HyperlinkDialog::linkMarkup("a\"b&c", "x"), "<A href=\"a%22b&amp;c\">x</A>");
}

TEST_F(HyperlinkTest, ACancelledDialogChangesNothing) {
    application.newPage("<html><body><p id=\"para\">Visit us</p></body></html>");
    auto document = application.activeDocument();
    document->setSelectionToContentOf(document->all().item("para"));
    std::string before = document->serialize();

    answer(std::nullopt);
    runHyperlinkCommand();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(document->serialize(), before);

    application.setHyperlinkPrompt(nullptr); // no one to answer: cancelled as well
    runHyperlinkCommand();
    EXPECT_EQ(document->serialize(), before);

    application.closePage();
    EXPECT_THROW(runHyperlinkCommand(), sys::Error);
}

// The road by which the add-in asks the editor for an address (a hidden block with an empty
// image pasted at the caret, the image selected, the editor's command run, the address read
// back from the block's markup and the block emptied), on real pages with the caret right after
// the first field of the first form: wherever the page puts the block, the address comes back
// and the emptied block stays.
TEST_F(HyperlinkTest, TheAddInsRoadGivesTheAddressOnEveryCorpusPage) {
    const auto pages = domtest::corpusPages();
    ASSERT_FALSE(pages.empty());
    answer("../order form.htm?item=1&copy=2#top");
    for (const auto& page : pages) {
        SCOPED_TRACE(page);
        application.openPage(page.string());
        auto document = application.activeDocument();
        auto form = document->all().tags("FORM").item(0);
        ASSERT_TRUE(form);
        document->setCaretAtEndOf(form->length() > 0 ? form->item(0) : form);
        const int forms = document->all().tags("FORM").length();
        ASSERT_TRUE(domtest::selectHiddenImage(document));
        runHyperlinkCommand();
        // The block is read from the body.
        EXPECT_EQ(domtest::takeLinkFromHiddenImage(document),
                  "../order form.htm?item=1&copy=2#top");
        auto block = document->all().tags("DIV").item("FPLink1");
        ASSERT_TRUE(block);
        EXPECT_EQ(block->innerHTML(), "");
        EXPECT_EQ(document->all().tags("FORM").length(), forms);
    }
}
