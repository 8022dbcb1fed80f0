#include "DomTestSupport.h"

#include "platform/dom/TextRange.h"
#include "platform/sys/Error.h"

#include <gtest/gtest.h>

using dom::Document;
using domtest::byName;
using domtest::dataPage;

TEST(TextRange, PastingAtTheCaretOrOverTheSelection) {
    auto document = Document::parse("<body><p id=a>one <b>two</b></p><table><tr><td id=cell>"
                                    "x</td></tr></table><form><input id=f name=f></form>");
    // No caret placed: the start of the body.
    EXPECT_EQ(document->activeElement(), document->body());
    EXPECT_EQ(document->selection().type(), "None");
    document->selection().createRange().pasteHTML("<hr>");
    EXPECT_EQ(document->body()->innerHTML().substr(0, 10), "<HR><P id=");

    document->setCaretAtEndOf(document->all().item("cell"));
    auto range = document->selection().createRange();
    range.pasteHTML("<input type=radio name=r value=1>");
    range.pasteHTML(" more"); // the range moved after what it inserted
    EXPECT_EQ(document->all().item("cell")->innerHTML(),
              "x<INPUT type=\"radio\" name=\"r\" value=\"1\"> more");

    // An element that holds nothing: the caret stands right after it.
    document->setCaretAtEndOf(document->all().item("f"));
    EXPECT_EQ(document->activeElement()->id(), "f");
    document->selection().createRange().pasteHTML("<input name=g>");
    auto form = document->all().tags("FORM").item(0);
    EXPECT_EQ(form->innerHTML(), "<INPUT id=\"f\" name=\"f\"><INPUT name=\"g\">");

    auto paragraph = document->all().item("a");
    document->setSelectionToContentOf(paragraph);
    EXPECT_EQ(document->selection().type(), "Text");
    auto selected = document->selection().createRange();
    EXPECT_EQ(selected.htmlText(), "one <B>two</B>");
    selected.pasteHTML("<i>new</i>");
    EXPECT_EQ(paragraph->outerHTML(), "<P id=\"a\"><I>new</I></P>");
    EXPECT_EQ(document->selection().type(), "None");
}

TEST(TextRange, ControlSelectionGivesNoTextRange) {
    auto document = dataPage("dom-image-inputs.htm");
    auto image = document->all().tags("INPUT").item(3);
    document->setControlSelection(image);
    EXPECT_EQ(document->selection().type(), "Control");
    EXPECT_EQ(document->activeElement(), image);
    try {
        document->selection().createRange();
        FAIL() << "a control selection gave a text range";
    } catch (const sys::Error& error) {
        EXPECT_EQ(error.number(), sys::ErrTypeMismatch);
    }
    // The host places a caret again: ranges work again.
    document->setCaretAtEndOf(document->body());
    EXPECT_NO_THROW(document->selection().createRange().pasteHTML("<p>end</p>"));
    EXPECT_EQ(document->body()->innerHTML().substr(document->body()->innerHTML().size() - 10),
              "<P>end</P>");
}

TEST(TextRange, HyperlinkPickerRoundAsTheAddInRunsIt) {
    auto document = dataPage("dom-contact-table.htm");
    document->setCaretAtEndOf(document->all().tags("P").item(0));
    document->selection().createRange().pasteHTML(
        "<DIV ID=FPLink1 style='visibility:hidden; position:absolute; top:-1px; left:700px; "
        "WIDTH: 1px;HEIGHT: 1px;'></DIV>");
    auto holder = document->all().tags("DIV").item("FPLink1");
    ASSERT_TRUE(holder);
    holder->insertAdjacentHTML("AfterBegin", "<IMG ID=FPLink2 SRC=''>");
    auto image = document->all().tags("IMG").item("FPLink2");
    auto range = document->selection().createRange();
    range.moveToElementText(image);
    range.select();
    EXPECT_EQ(document->selection().createRange().htmlText(), "<IMG id=\"FPLink2\" src=\"\">");
    // The editor's hyperlink dialog turns the selected image into a link.
    image->setOuterHTML("<A HREF=\"http://example.com/a?x=1&y=2\"><IMG ID=FPLink2 SRC=''></A>");

    holder = document->body()->all().tags("DIV").item("FPLink1");
    auto linkRange = document->selection().createRange();
    linkRange.moveToElementText(holder);
    linkRange.select();
    std::string markup = linkRange.htmlText();
    auto at = markup.find("href=");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(markup.substr(at + 6, markup.find('"', at + 6) - at - 6),
              "http://example.com/a?x=1&y=2");
    linkRange.pasteHTML("");
    EXPECT_EQ(holder->innerHTML(), "");
    EXPECT_TRUE(document->all().item("FPLink1"));
}

TEST(TextRange, NewFormAtTheCaretAndARangeThatLostItsPlace) {
    auto document = dataPage("dom-uppercase-legacy.htm");
    document->setCaretAtEndOf(document->all().tags("P").item(0));
    auto range = document->selection().createRange();
    range.select();
    range.pasteHTML("<DIV><FORM NAME=\"VQTempForm\" ACTION=\"\" METHOD=\"POST\"><DIV "
                    "ID=\"VQTempDIV\">NewForm</DIV></FORM></DIV>");
    auto form = document->all().item("VQTempForm");
    ASSERT_TRUE(form && form->isForm());
    document->all().item("VQTempDIV")->setOuterHTML("<INPUT TYPE=\"text\" NAME=\"email\">");
    EXPECT_EQ(form->length(), 1);
    EXPECT_EQ(form->getProperty("method"), "POST");

    // A range whose element left the page refuses; the selection falls back to the body.
    auto paragraph = document->all().tags("P").item(0);
    document->setSelectionToContentOf(paragraph);
    auto stale = document->selection().createRange();
    paragraph->setOuterHTML("");
    EXPECT_THROW(stale.pasteHTML("<b>x</b>"), sys::Error);
    EXPECT_EQ(document->activeElement(), document->body());
    auto fresh = document->selection().createRange();
    EXPECT_EQ(fresh.htmlText(), "");
    EXPECT_THROW(fresh.moveToElementText(paragraph), sys::Error);
}
