#include "DomTestSupport.h"

#include "platform/dom/Style.h"
#include "platform/dom/TextRange.h"
#include "platform/sys/Error.h"
#include "tests/platform/sys/ErrorNumber.h"

#include <gtest/gtest.h>

#include <functional>

using dom::Document;
using domtest::byName;
using domtest::dataPage;

namespace {

// Each step is refused with an invalid call; the step's place in the list names it.
void expectInvalidCalls(const std::vector<std::function<void()>>& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(errorNumberOf(steps[i]), sys::ErrInvalidCall) << "step " << i;
}

} // namespace

TEST(Element, TypeNameAndValueReadAsTheOldEngineGaveThem) {
    auto document = dataPage("dom-image-inputs.htm");
    auto second = document->all().tags("FORM").item(1);
    std::vector<std::string> types;
    for (int i = 0; i < second->length(); ++i)
        types.push_back(second->item(i)->getProperty("Type"));
    EXPECT_EQ(types, (std::vector<std::string>{"hidden", "hidden", "image", "submit", "file",
                                               "text", "text"}));
    EXPECT_EQ(second->item(2)->getProperty("src"), "images/view_cart.gif");

    auto html5 = dataPage("dom-html5-fieldsets.htm");
    EXPECT_EQ(byName(html5, "phone")->getProperty("Type"), "tel");
    EXPECT_EQ(byName(html5, "visit")->getProperty("TYPE"), "date");
    EXPECT_EQ(html5->all().tags("BUTTON").item(0)->getProperty("Type"), "reset");

    auto lists = dataPage("dom-select-lists.htm");
    EXPECT_EQ(byName(lists, "size")->getProperty("Value"), "m");
    EXPECT_EQ(byName(lists, "size")->getProperty("Type"), "select-one");
    EXPECT_EQ(byName(lists, "colour")->getProperty("Value"), "Dark red"); // text, blanks folded
    EXPECT_EQ(byName(lists, "extras")->getProperty("Value"), "mayo");
    EXPECT_EQ(byName(lists, "extras")->getProperty("Type"), "select-multiple");
    EXPECT_EQ(byName(lists, "empty")->getProperty("Value"), "");

    auto text = dataPage("dom-textarea-pre.htm");
    EXPECT_EQ(byName(text, "blank")->getProperty("Type"), "textarea");
    EXPECT_EQ(byName(text, "blank")->getProperty("Value"), "");
}

TEST(Element, PropertiesWriteTheirAttributesAndRefuseUnknownNames) {
    auto document = dataPage("dom-select-lists.htm");
    auto size = byName(document, "size");
    size->setProperty("Value", "l");
    EXPECT_EQ(size->getProperty("Value"), "l");
    EXPECT_EQ(size->innerHTML().find("selected"), size->innerHTML().rfind("selected"));
    size->setProperty("Value", "no such option"); // leaves the choice as it was
    EXPECT_EQ(size->getProperty("Value"), "l");
    size->setProperty("Name", "Size2");
    EXPECT_EQ(size->getAttribute("name"), "Size2");

    auto form = byName(document, "choices");
    form->setProperty("action", "new.cgi");
    form->setProperty("METHOD", "post");
    EXPECT_EQ(form->getProperty("Action"), "new.cgi");
    EXPECT_EQ(form->getAttribute("method"), "post");
    EXPECT_EQ(errorNumberOf([&] { form->getProperty("src"); }), sys::ErrNoSuchProperty);
    EXPECT_EQ(errorNumberOf([&] { form->setProperty("Value", "x"); }), sys::ErrNoSuchProperty);
    EXPECT_EQ(errorNumberOf([&] { size->setProperty("Type", "text"); }), sys::ErrInvalidCall);

    auto text = dataPage("dom-textarea-pre.htm");
    auto comments = byName(text, "comments");
    comments->setProperty("Value", "a < b & \"c\"");
    EXPECT_EQ(comments->getProperty("Value"), "a < b & \"c\"");
    EXPECT_EQ(comments->innerHTML(), "a &lt; b & \"c\"");
    // Attributes of the page are offered under their own names, as the engine did.
    auto name = byName(text, "name");
    EXPECT_EQ(name->getProperty("size"), "20");
    EXPECT_EQ(errorNumberOf([&] { name->getProperty("nonsense"); }), sys::ErrNoSuchProperty);
    EXPECT_EQ(name->getProperty("onfocus"), ""); // every element has its event handlers
}

TEST(Element, StyleReflectsIntoTheStyleAttributeKeepingOtherDeclarations) {
    auto document = dataPage("dom-uppercase-legacy.htm");
    auto field = byName(document, "realname");
    auto style = field->style();
    EXPECT_EQ(style.color(), "#333333");
    EXPECT_EQ(style.fontWeight(), "normal");
    style.setBackgroundColor("#FFFFFF");
    style.setColor("#000000");
    style.setFontWeight("bold");
    EXPECT_EQ(field->getAttribute("style"),
              "color: #000000; font-weight: bold;margin-top:0px;:; background-color: #FFFFFF");
    style.setFontFamily("Comic Sans MS");
    EXPECT_EQ(field->style().fontFamily(), "Comic Sans MS");
    EXPECT_EQ(errorNumberOf([&] { style.setColor("red; position: absolute"); }),
              sys::ErrInvalidCall);

    auto plain = byName(document, "username");
    plain->style().setBackgroundColor("#FF0000");
    EXPECT_EQ(plain->getAttribute("style"), "background-color: #FF0000");
    plain->style().setBackgroundColor("");
    EXPECT_FALSE(plain->getAttribute("style").has_value());
    EXPECT_EQ(plain->style().backgroundColor(), "");
}

TEST(Element, InsertAdjacentHtmlPutsMarkupWhereTheAddInExpects) {
    auto document = dataPage("dom-scripts-head-body.htm");
    auto head = document->all().tags("head").item(0);
    head->insertAdjacentHTML("BeforeEnd", "<script id=\"VQRTextFuncs\" language=\"JavaScript\">\n"
                                          "function VQRMakeUpper(f) { if (f && f.value < 'a') "
                                          "f.value = f.value.toUpperCase(); }\n</script>\n");
    auto inserted = document->all().item("VQRTextFuncs");
    ASSERT_TRUE(inserted);
    EXPECT_EQ(document->scripts().item(2), inserted); // after the head's own two scripts

    auto body = document->body();
    body->insertAdjacentHTML("beforebegin",
                             "<script>var part1 = 1 < 2;</script><style>p{}</style>");
    std::string page = document->serialize();
    EXPECT_NE(page.find("</HEAD>\n<SCRIPT>var part1 = 1 < 2;</SCRIPT><STYLE>p{}</STYLE><BODY"),
              std::string::npos);
    EXPECT_NE(page.find("function VQRMakeUpper(f) { if (f && f.value < 'a') f.value = "
                        "f.value.toUpperCase(); }\n</SCRIPT>\n</HEAD>"),
              std::string::npos);

    auto form = byName(document, "order");
    form->insertAdjacentHTML("AFTERBEGIN", "<input type=hidden name=first>");
    form->insertAdjacentHTML("AfterEnd", "<p id=afterForm>after</p>");
    form->insertAdjacentHTML("BeforeEnd", "<input type=hidden name=last>");
    EXPECT_EQ(form->item(0)->getProperty("name"), "first");
    EXPECT_EQ(form->item(form->length() - 1)->getProperty("name"), "last");
    EXPECT_EQ(document->all().item("afterForm")->sourceIndex(),
              form->sourceIndex() + form->all().length() + 1);
    EXPECT_EQ(errorNumberOf([&] { form->insertAdjacentHTML("Inside", "x"); }), sys::ErrInvalidCall);
}

TEST(Element, CollectionsFollowTheDocumentOrder) {
    auto document = dataPage("dom-two-forms.htm");
    auto all = document->all();
    EXPECT_EQ(all.item(0)->tagName(), "HTML");
    for (int i = 0; i < all.length(); ++i)
        ASSERT_EQ(all.item(i)->sourceIndex(), i);
    // By id or name, without regard to case; ids first.
    EXPECT_EQ(all.item("LOGIN")->tagName(), "FORM");
    EXPECT_EQ(all.item("nothing"), nullptr);
    EXPECT_EQ(all.tags("input").length(), 7);
    EXPECT_EQ(all.tags("INPUT").tags("input").item("user")->getProperty("maxLength"), "20");
    EXPECT_EQ(document->body()->all().tags("FORM").length(), 2);
    EXPECT_EQ(errorNumberOf([&] { all.item(-1); }), sys::ErrSubscript);
    EXPECT_EQ(errorNumberOf([&] { all.item(all.length()); }), sys::ErrSubscript);

    // A collection fetched before a change sees the change.
    auto inputs = all.tags("INPUT");
    byName(document, "session")->setOuterHTML("");
    EXPECT_EQ(inputs.length(), 6);
    EXPECT_EQ(all.item("user")->sourceIndex(), all.tags("INPUT").item("user")->sourceIndex());
}

TEST(Element, OperationsThatCannotApplyRaiseAndLeaveThePageWhole) {
    auto document = dataPage("dom-two-forms.htm");
    const std::string before = document->serialize();
    auto html = document->documentElement();
    auto user = byName(document, "user");
    auto style = document->all().tags("STYLE").item(0);
    expectInvalidCalls({[&] { html->insertAdjacentHTML("BeforeBegin", "<p>x"); },
                        [&] { html->setOuterHTML(""); },
                        [&] { document->body()->setOuterHTML("<p>x</p>"); },
                        [&] { user->setInnerHTML("<b>x</b>"); },
                        [&] { user->insertAdjacentHTML("BeforeEnd", "x"); },
                        // A style sheet takes text only; markup that would end it is refused.
                        [&] { style->setInnerHTML("p{}</style><b>bold</b>"); }});
    EXPECT_EQ(errorNumberOf([&] { document->scripts().length(); }), 0);
    EXPECT_EQ(errorNumberOf([&] { byName(document, "search")->item(5); }), sys::ErrSubscript);
    EXPECT_EQ(errorNumberOf([&] { document->body()->length(); }), sys::ErrNoSuchProperty);
    EXPECT_EQ(document->serialize(), before);

    // A removed element reads as detached and refuses further writes.
    user->setOuterHTML("");
    EXPECT_EQ(user->sourceIndex(), -1);
    EXPECT_EQ(user->parentElement(), nullptr);
    EXPECT_EQ(user->document(), nullptr);
    expectInvalidCalls({[&] { user->setOuterHTML("<b>x</b>"); },
                        [&] { user->insertAdjacentHTML("AfterEnd", "<b>x</b>"); }});
    EXPECT_EQ(user->outerHTML(), "<INPUT type=\"text\" name=\"user\" maxlength=\"20\">");

    // Elements outlive their page.
    std::shared_ptr<dom::Element> survivor;
    {
        auto page = Document::parse("<p id=x>y</p>");
        survivor = page->all().item("x");
    }
    EXPECT_EQ(survivor->document(), nullptr);
    EXPECT_EQ(survivor->parentElement(), nullptr);
    EXPECT_EQ(survivor->outerHTML(), "<P id=\"x\">y</P>");

    // A field held while its form leaves the page stays in the form, and stands alone once
    // nothing holds the form; the page's memory taken by the form is used again.
    auto page = Document::parse("<form name=f><p><input name=a></p></form><div id=d></div>");
    auto form = page->all().item("f");
    auto field = page->all().item("a");
    form->setOuterHTML("");
    EXPECT_EQ(field->enclosingForm(), form);
    EXPECT_EQ(field->parentElement()->tagName(), "P");
    form.reset();
    EXPECT_EQ(field->parentElement(), nullptr);
    page->all().item("d")->setInnerHTML("<form name=g><input name=b></form>");
    EXPECT_EQ(page->all().item("g")->item(0)->getAttribute("name"), "b");
    EXPECT_EQ(field->outerHTML(), "<INPUT name=\"a\">");
}

// After a PLAINTEXT start tag the rest of the page is its text, so nothing can be written
// after that element: a page that would hold something there is settled as it reads back,
// and a write that would put something there is refused with the page left whole.
TEST(Element, NothingMayStandAfterAPlaintextElement) {
    // The parser puts the table of the source after the element; written out, it is gone.
    auto settled = Document::parse("<table><tr><td>a</td></tr><plaintext>x</b>");
    EXPECT_EQ(settled->all().item(settled->all().length() - 1)->tagName(), "PLAINTEXT");
    EXPECT_EQ(settled->all().tags("TD").length(), 0);
    EXPECT_EQ(Document::parse(settled->serialize())->serialize(), settled->serialize());

    auto document = Document::parse("<head><title>t</title></head><body><p id=p>one</p>"
                                    "<form name=f><input name=a><plaintext>hello</form>"
                                    "<input name=b>");
    auto form = byName(document, "f");
    auto plaintext = document->all().tags("PLAINTEXT").item(0);
    const std::string before = document->serialize();
    auto paragraph = document->all().item("p");
    document->setCaretAtEndOf(plaintext); // the caret stands after it
    expectInvalidCalls({[&] { form->insertAdjacentHTML("BeforeEnd", "<input name=c>"); },
                        [&] { document->body()->insertAdjacentHTML("BeforeEnd", "<p>x</p>"); },
                        [&] { plaintext->insertAdjacentHTML("AfterEnd", "tail"); },
                        [&] { form->insertAdjacentHTML("AfterEnd", "<b>x</b>"); },
                        [&] { document->selection().createRange().pasteHTML("<hr>"); },
                        // Nor may markup bring one in front of the rest of the page.
                        [&] { paragraph->insertAdjacentHTML("AfterEnd", "<plaintext>x"); },
                        [&] { paragraph->setOuterHTML("<xmp>a</xmp><plaintext>b"); }});
    EXPECT_EQ(document->serialize(), before);
    EXPECT_EQ(form->length(), 1);
    EXPECT_EQ(document->all().item("p"), paragraph);

    // What goes before it, or into its text, is written and reads back.
    form->insertAdjacentHTML("AfterBegin", "<INPUT TYPE=\"HIDDEN\" NAME=\"H1\">");
    document->head()->insertAdjacentHTML("BeforeEnd", "<script id=\"VQRStatus\">x=1;</script>");
    document->body()->insertAdjacentHTML("AfterBegin", "<div>part</div>");
    plaintext->insertAdjacentHTML("BeforeEnd", "<b>more</b>");
    EXPECT_EQ(plaintext->textContent(), "hello</form><input name=b><b>more</b>");
    paragraph->setOuterHTML("");
    EXPECT_EQ(form->length(), 2);
    auto again = Document::parse(document->serialize());
    EXPECT_EQ(again->serialize(), document->serialize());
    EXPECT_EQ(again->all().length(), document->all().length());
    // At the very end of the page markup may bring one.
    auto open = Document::parse("<p>x</p>");
    open->body()->insertAdjacentHTML("BeforeEnd", "<plaintext>a</p>");
    EXPECT_EQ(Document::parse(open->serialize())->serialize(), open->serialize());
}

// The parser takes a context named "html" for the page's root whatever its namespace; markup
// that ends a body inside such a foreign element must not reach the parser's own assertion,
// which would end the process.
// Markup that trips one of the parser's own assertions is refused like any other bad write:
// the page stays as it was and the process goes on.
TEST(Element, MarkupThatTheParserGivesUpOnIsRefusedAndThePageStays) {
    auto document = Document::parse("<p>a</p><svg></svg><p>b</p>");
    const std::string before = document->serialize();
    auto svg = document->all().tags("svg").item(0);
    ASSERT_NE(svg, nullptr);
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(errorNumberOf([&] { svg->setInnerHTML("<head><title><table><table></body>"); }),
                  sys::ErrInvalidCall);
        EXPECT_EQ(document->serialize(), before);
    }
    svg->setInnerHTML("<circle r=\"2\"/>");
    EXPECT_NE(document->serialize().find("<circle"), std::string::npos);
}

TEST(Element, WritingIntoAForeignElementNamedHtmlIsParsedAsForeignContent) {
    for (const char* page : {"<svg><html></html></svg>", "<math><html></html></math>"}) {
        SCOPED_TRACE(page);
        auto document = Document::parse(page);
        auto foreign = document->all().tags("html").item(1);
        ASSERT_NE(foreign, nullptr);
        for (const char* markup : {"<d></body>", "<p></body><frameset>", "<svg></body>"}) {
            errorNumberOf([&] { foreign->setInnerHTML(markup); });
            errorNumberOf([&] { foreign->insertAdjacentHTML("BeforeEnd", markup); });
        }
        EXPECT_EQ(Document::parse(document->serialize())->serialize(), document->serialize());
    }
}
