#include "DomTestSupport.h"

#include "platform/dom/TextRange.h"
#include "platform/sys/Error.h"
#include "tests/platform/sys/ErrorNumber.h"

#include <gtest/gtest.h>

using dom::Document;
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

// A control selection, or a selection whose element left the page, gives no text range to
// paste into; once the host places a caret again, ranges work again.
TEST(TextRange, NoRangeFromAControlSelectionOrARangeThatLostItsPlace) {
    auto document = dataPage("dom-image-inputs.htm");
    auto image = document->all().tags("INPUT").item(3);
    document->setControlSelection(image);
    EXPECT_EQ(document->selection().type(), "Control");
    EXPECT_EQ(document->activeElement(), image);
    EXPECT_EQ(errorNumberOf([&] { document->selection().createRange(); }), sys::ErrTypeMismatch);
    document->setCaretAtEndOf(document->body());
    EXPECT_NO_THROW(document->selection().createRange().pasteHTML("<p>end</p>"));
    EXPECT_EQ(document->body()->innerHTML().substr(document->body()->innerHTML().size() - 10),
              "<P>end</P>");

    // The selection falls back to the body.
    auto legacy = dataPage("dom-uppercase-legacy.htm");
    auto paragraph = legacy->all().tags("P").item(0);
    legacy->setSelectionToContentOf(paragraph);
    auto stale = legacy->selection().createRange();
    paragraph->setOuterHTML("");
    EXPECT_THROW(stale.pasteHTML("<b>x</b>"), sys::Error);
    EXPECT_EQ(legacy->activeElement(), legacy->body());
    auto fresh = legacy->selection().createRange();
    EXPECT_EQ(fresh.htmlText(), "");
    EXPECT_THROW(fresh.moveToElementText(paragraph), sys::Error);
}
