#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/dom/TextRange.h"
#include "platform/editor/Application.h"
#include "platform/editor/CommandBars.h"
#include "platform/editor/HyperlinkDialog.h"
#include "platform/sys/Error.h"

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
