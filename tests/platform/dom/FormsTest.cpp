#include "DomTestSupport.h"

#include "platform/dom/HtmlParser.h"
#include "platform/dom/TextRange.h"

#include <gtest/gtest.h>

using dom::Document;
using dom::Element;
using domtest::byName;
using domtest::dataPage;
using domtest::walkToForm;

namespace {

std::vector<std::string> fieldNames(const std::shared_ptr<Element>& form) {
    std::vector<std::string> names;
    for (int i = 0; i < form->length(); ++i)
        names.push_back(form->item(i)->getProperty("Name"));
    return names;
}

} // namespace

TEST(Forms, FieldsOfEveryKindInDocumentOrder) {
    auto document = dataPage("dom-contact-table.htm");
    auto form = byName(document, "contact");
    EXPECT_EQ(fieldNames(form), (std::vector<std::string>{"realname", "email", "phone", "message",
                                                          "", "", "recipient"}));
    EXPECT_EQ(form->getProperty("name"), "contact");
    EXPECT_EQ(form->getProperty("method"), "post");
    // Image inputs and buttons count; fields of another form do not.
    auto shop = dataPage("dom-two-forms.htm");
    EXPECT_EQ(fieldNames(byName(shop, "search")), (std::vector<std::string>{"q", "go"}));
    EXPECT_EQ(
        fieldNames(byName(shop, "login")),
        (std::vector<std::string>{"session", "return", "user", "pass", "remember", "action", ""}));
    EXPECT_FALSE(document->body()->isForm());
}

TEST(Forms, FormsBetweenTableTagsOwnTheFieldsThatFollowThem) {
    auto document = dataPage("dom-malformed-table-form.htm");
    auto forms = document->all().tags("FORM").toVector();
    ASSERT_EQ(forms.size(), 2u);
    EXPECT_EQ(fieldNames(forms[0]), (std::vector<std::string>{"query", "", "db"}));
    EXPECT_EQ(fieldNames(forms[1]), (std::vector<std::string>{"pick", "other"}));
    for (const auto& form : forms)
        for (int i = 0; i < form->length(); ++i)
            EXPECT_EQ(walkToForm(form->item(i)), form) << form->item(i)->outerHTML();
    // The table keeps its rows; the form sits between the table and its rows.
    EXPECT_EQ(forms[0]->parentElement()->tagName(), "TABLE");
    EXPECT_EQ(forms[1]->parentElement()->tagName(), "TR");
    EXPECT_EQ(byName(document, "pick")->parentElement()->parentElement(), forms[1]);

    // Fields placed before the table by the parser, and after it while the form was open.
    auto fostered = dataPage("dom-foster-parented.htm");
    auto form = byName(fostered, "fostered");
    EXPECT_EQ(fieldNames(form), (std::vector<std::string>{"stray", "inside", "after"}));
    EXPECT_EQ(form->parentElement()->id(), "outer");
    auto unclosed = dataPage("dom-unclosed-forms.htm");
    EXPECT_EQ(fieldNames(byName(unclosed, "survey")),
              (std::vector<std::string>{"q1", "q1", "comments", ""}));
    EXPECT_EQ(fieldNames(byName(unclosed, "second")), (std::vector<std::string>{"alone"}));
    EXPECT_EQ(walkToForm(byName(unclosed, "comments")), byName(unclosed, "survey"));
}

// A long table with a form before each of its rows, as legacy order pages have it: each form
// takes the rows that hold its fields, in one pass over the table, and the page reads back so.
TEST(Forms, FormsBeforeEachRowOfATableTakeTheirRows) {
    std::string page = "<table><tr><td>head</td></tr>";
    for (int i = 0; i < 3; ++i) {
        std::string n = std::to_string(i);
        page += "<form name=f" + n + ">\n<tr><td><input name=a" + n + "></td><td><input name=b" +
                n + "></td></tr><tr><td><input name=c" + n + "></td></tr></form>\n";
    }
    page += "<tr><td id=plain>plain</td></tr></table>";
    auto document = Document::parse(page);
    for (int i = 0; i < 3; ++i) {
        std::string n = std::to_string(i);
        auto form = byName(document, "f" + n);
        EXPECT_EQ(fieldNames(form), (std::vector<std::string>{"a" + n, "b" + n, "c" + n}));
        EXPECT_EQ(form->parentElement()->tagName(), "TBODY");
    }
    EXPECT_EQ(document->all().item("plain")->enclosingForm(), nullptr);
    // Read back, the forms are empty again and take the same rows: found without a second tree.
    EXPECT_TRUE(dom::HtmlParser::readsBackAs(document->serialize(), *document->root()));
    EXPECT_EQ(document->serializeForSaving(), document->serialize());
    EXPECT_EQ(Document::parse(document->serialize())->serialize(), document->serialize());
}

TEST(Forms, RewritingAFieldKeepsItsPlaceAndRemovingItShiftsTheRest) {
    auto document = dataPage("dom-malformed-table-form.htm");
    auto form = document->all().tags("FORM").item(0);
    auto query = form->item(0);
    query->setOuterHTML("<input name=\"query\" size=\"30\" onblur=\"VQRMakeUpper(this);\">");
    EXPECT_EQ(query->document(), nullptr); // the old object is gone from the page
    auto rewritten = form->item(0);
    EXPECT_EQ(rewritten->getAttribute("onblur"), "VQRMakeUpper(this);");
    EXPECT_EQ(walkToForm(rewritten), form);
    EXPECT_EQ(form->length(), 3);

    form->item(1)->setOuterHTML("");
    EXPECT_EQ(fieldNames(form), (std::vector<std::string>{"query", "db"}));
    // The hidden field in the table row is rewritten in the row's context.
    form->item(1)->setOuterHTML("<INPUT TYPE=\"hidden\" NAME=\"db\" VALUE=\"all\">");
    EXPECT_EQ(form->item(1)->getProperty("Value"), "all");
    EXPECT_EQ(form->item(1)->parentElement()->tagName(), "TR");

    // The page written back reads as the same forms.
    auto again = Document::parse(document->serialize());
    EXPECT_EQ(fieldNames(again->all().tags("FORM").item(0)),
              (std::vector<std::string>{"query", "db"}));
    EXPECT_EQ(again->serialize(), document->serialize());
}

TEST(Forms, RemovingAFormOrItsTagsAsTheRemoveToolDoes) {
    auto document = dataPage("dom-two-forms.htm");
    auto login = byName(document, "login");
    // The form's tags go, its content stays.
    for (int i = login->length() - 1; i >= 0; --i)
        login->item(i)->setOuterHTML("");
    login->setOuterHTML(login->innerHTML());
    EXPECT_EQ(document->all().tags("FORM").length(), 1);
    EXPECT_NE(document->body()->innerHTML().find("User: <BR>"), std::string::npos);
    // The whole form: a single blank in its place.
    auto search = byName(document, "search");
    search->setInnerHTML(" ");
    search->setOuterHTML(" ");
    EXPECT_EQ(document->all().tags("FORM").length(), 0);
    EXPECT_EQ(document->all().tags("INPUT").length(), 0);
}

// Form tags cannot be nested: read back, an inner form's start tag is dropped and its end tag
// closes the outer form early. Markup written inside a form therefore brings no FORM of its
// own; its content joins the form it lands in, as the parser would have it.
TEST(Forms, MarkupHoldingAFormWrittenInsideAnotherFormJoinsThatForm) {
    auto document = Document::parse("<body><form name=outer><table><tr><td id=cell>x</td></tr>"
                                    "</table><p id=p>text</p><input name=a></form>");
    auto outer = byName(document, "outer");
    const std::string stored = "<FORM name=\"fav\" action=\"x.cgi\" method=\"post\"><INPUT "
                               "name=\"b\"><BR><INPUT type=\"submit\"><BR></FORM>\r\n";
    document->setCaretAtEndOf(document->all().item("p"));
    auto range = document->selection().createRange();
    range.select();
    range.pasteHTML(stored);
    document->all().item("cell")->insertAdjacentHTML("BeforeEnd", "<form name=c><input name=c>");
    byName(document, "a")->setOuterHTML("<form name=d></form><input name=a><form name=e>");
    EXPECT_EQ(document->all().tags("FORM").length(), 1);
    EXPECT_EQ(fieldNames(outer), (std::vector<std::string>{"c", "b", "", "a"}));
    EXPECT_EQ(walkToForm(byName(document, "b")), outer);
    auto again = Document::parse(document->serialize());
    EXPECT_EQ(again->serialize(), document->serialize());
    EXPECT_EQ(fieldNames(byName(again, "outer")), fieldNames(outer));
    // Nor does markup that nests forms by way of a template.
    document->body()->insertAdjacentHTML(
        "BeforeEnd", "<form name=t><template><form name=u><input name=v></form></template>");
    EXPECT_EQ(byName(document, "u"), nullptr);
    for (const auto& form : document->all().tags("FORM").toVector())
        EXPECT_EQ(form->enclosingForm(), nullptr) << form->outerHTML();
}
