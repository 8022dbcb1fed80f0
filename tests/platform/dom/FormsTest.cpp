#include "DomTestSupport.h"

#include "platform/dom/HtmlParser.h"
#include "platform/dom/TextRange.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

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

// Each field of the page, in document order, with the name of its form ("-" for none): "a:f0".
std::vector<std::string> fieldForms(const std::shared_ptr<Document>& document) {
    auto forms = document->all().tags("FORM").toVector();
    std::vector<int> formOf = domtest::formOfEachField(document);
    std::vector<std::string> result;
    for (const auto& element : document->all().toVector()) {
        if (!element->isFormField())
            continue;
        int form = formOf[result.size()];
        result.push_back(element->getAttribute("name").value_or("") + ":" +
                         (form < 0 ? "-" : forms[form]->getAttribute("name").value_or("")));
    }
    return result;
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// A page, and each of its fields with its form as Chromium has them: "a:f0 b:-".
struct BrowserCase {
    const char* page;
    const char* fieldForms;
};

// The page is saved as it stands, found to read back so without being built again, and each
// further open and save gives the same bytes and the same forms.
void expectSavedAsItStands(const std::shared_ptr<Document>& document) {
    const std::string saved = document->serializeForSaving();
    EXPECT_EQ(saved, document->serialize());
    EXPECT_TRUE(dom::HtmlParser::readsBackAs(saved, *document->root()));
    for (int cycle = 0; cycle < 2; ++cycle) {
        auto reopened = Document::parse(saved);
        EXPECT_EQ(fieldForms(reopened), fieldForms(document));
        EXPECT_EQ(reopened->serializeForSaving(), saved);
    }
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

// The first of several forms among a table's rows stands in the table, while the parser puts
// its rows into the row group that holds the forms after it: the form goes down in front of
// its rows and takes them, so the field there belongs to it, as in a browser.
TEST(Forms, TheFirstOfSeveralFormsAmongRowsGoesDownToItsRows) {
    auto document =
        Document::parse("<table><form name=f0><tr><td><input name=a></td></tr></form>"
                        "<form name=f1><tr><td><input name=b></td></tr></form></table>");
    EXPECT_EQ(document->body()->innerHTML(),
              "<TABLE><TBODY><FORM name=\"f0\"><TR><TD><INPUT name=\"a\"></TD></TR></FORM>"
              "<FORM name=\"f1\"><TR><TD><INPUT name=\"b\"></TD></TR></FORM></TBODY></TABLE>");
    EXPECT_EQ(fieldNames(byName(document, "f0")), std::vector<std::string>{"a"});
    EXPECT_EQ(fieldNames(byName(document, "f1")), std::vector<std::string>{"b"});
    document->setCaretAtEndOf(byName(document, "a"));
    EXPECT_EQ(walkToForm(document->activeElement()), byName(document, "f0"));
    expectSavedAsItStands(document);
}

// Forms among a table's rows and cells as legacy pages write them: each field belongs to the
// form that Chromium ties it to (the form's elements there), and the page saves as it stands.
TEST(Forms, FormsAmongTableTagsHoldTheFieldsABrowserTiesToThem) {
    const BrowserCase cases[] = {
        // Several rows a form, blank lines between the tags, the last field a list.
        {"<table border=1>\n<form name=f0>\n<tr><td><input name=a1></td></tr>\n"
         "<tr><td><input name=a2></td></tr>\n</form>\n<form name=f1>\n<tr><td><input name=b>"
         "</td></tr>\n</form>\n<form name=f2>\n<tr><td><select name=c><option>x</select></td>"
         "</tr>\n</form>\n</table>\n",
         "a1:f0 a2:f0 b:f1 c:f2"},
        // Without </form> the parser drops the forms that follow: the first holds every field.
        {"<table><form name=f0><tr><td><input name=a></td></tr><form name=f1><tr><td>"
         "<input name=b></td></tr></table>",
         "a:f0 b:f0"},
        // The last form left open, nothing after the table.
        {"<table><form name=f0><tr><td><input name=a></td></tr></form><form name=f1><tr><td>"
         "<input name=b></td></tr></table>",
         "a:f0 b:f1"},
        // The row group written out; a caption; a row without fields before the first one with;
        // a hidden field between the rows, which stays among them.
        {"<table><form name=f0><tbody><tr><td><input name=a></td></tr></form><form name=f1><tr>"
         "<td><input name=b></td></tr></form></tbody></table>",
         "a:f0 b:f1"},
        {"<table><form name=f0><caption>Order</caption><tr><td><input name=a></td></tr></form>"
         "<form name=f1><tr><td><input name=b></td></tr></form></table>",
         "a:f0 b:f1"},
        {"<table><form name=f0><tr><th>Item</th></tr><tr><td><input name=a></td></tr></form>"
         "<form name=f1><tr><td><input name=b></td></tr></form></table>",
         "a:f0 b:f1"},
        {"<table><form name=f0><tr><td><input name=a></td></tr><input type=hidden name=h></form>"
         "<form name=f1><tr><td><input name=b></td></tr></form></table>",
         "a:f0 h:f0 b:f1"},
        // Forms between a row and its cells; the first of them before the row.
        {"<table><tr><form name=f0><td><input name=a></td></form><form name=f1><td>"
         "<input name=b></td></form></tr></table>",
         "a:f0 b:f1"},
        {"<table><form name=f0><tr><td><input name=a></td></form><form name=f1><td>"
         "<input name=b></td></tr></table>",
         "a:f0 b:f1"},
        // Forms before rows whose end tags are left out: the next form stands in the row before
        // its own.
        {"<table>\n<form name=f0>\n<tr><td><input name=a></td>\n</form>\n<form name=f1>\n"
         "<tr><td><input name=b></td>\n</form>\n<form name=f2>\n<tr><td><input name=c></td>\n"
         "</form>\n</table>\n",
         "a:f0 b:f1 c:f2"},
        // A form whose rows hold no fields keeps none.
        {"<table><form name=f0><tr><td>text</td></tr></form><form name=f1><tr><td><input name=b>"
         "</td></tr></form><form name=f2><tr><td><input name=c></td></tr></form></table>",
         "b:f1 c:f2"},
        // Nested tables: forms among the rows of the inner one; an outer form whose row holds
        // a table with its field.
        {"<table><tr><td><table><form name=g0><tr><td><input name=x></td></tr></form>"
         "<form name=g1><tr><td><input name=y></td></tr></form></table></td></tr></table>",
         "x:g0 y:g1"},
        {"<table><form name=f0><tr><td><table><tr><td><input name=a></td></tr></table></td></tr>"
         "</form><form name=f1><tr><td><input name=b></td></tr></form></table>",
         "a:f0 b:f1"},
        // Two such tables one after the other, inside a paragraph.
        {"<p><table><form name=f0><tr><td><input name=a></td></tr></form><form name=f1><tr><td>"
         "<input name=b></td></tr></form></table><table><form name=g0><tr><td><input name=c>"
         "</td></tr></form><form name=g1><tr><td><input name=d></td></tr></form></table>",
         "a:f0 b:f1 c:g0 d:g1"},
        // A form that its block's end tag closes, its field in the next block beside another
        // form: its own text stays where it stood.
        {"<div id=d>Name: <form name=f0>your name</div><div><input name=a></form><form name=f1>"
         "<input name=b></form></div>",
         "a:f0 b:f1"},
    };
    for (const BrowserCase& c : cases) {
        SCOPED_TRACE(c.page);
        auto document = Document::parse(c.page);
        EXPECT_EQ(fieldForms(document), words(c.fieldForms));
        for (const auto& form : document->all().tags("FORM").toVector())
            for (int i = 0; i < form->length(); ++i)
                EXPECT_EQ(walkToForm(form->item(i)), form);
        expectSavedAsItStands(document);
    }
    auto block = Document::parse(cases[std::size(cases) - 1].page);
    EXPECT_EQ(block->all().item("d")->innerHTML(), "Name: your name");
    // An order page with all of it: the first form of the outer and of a nested table, a hidden
    // field among the rows, rows without end tags, forms between a row and its cells.
    auto order = dataPage("dom-order-rows.htm");
    EXPECT_EQ(fieldForms(order), words("teacount:tea teaorder:tea item:tea coffeecount:coffee "
                                       "juicecount:juice watercount:water cake:cakes "
                                       "cream:scones buncount:buns"));
    expectSavedAsItStands(order);
}

// Where no tree gives each field the form that Chromium ties it to (one form's fields in two
// row groups, or in and outside the table, while the table holds another form too; a form
// that would have to stand in a paragraph), no field gets another form: such a field is left
// without one, and the page saves as it stands.
TEST(Forms, WhereNoTreeHoldsABrowsersFormsNoFieldGetsAnotherForm) {
    const BrowserCase cases[] = {
        {"<table><form name=f0><thead><tr><td><input name=a></td></tr></thead><tr><td>"
         "<input name=a2></td></tr></form><form name=f1><tr><td><input name=b></td></tr></form>"
         "</table>",
         "a:f0 a2:f0 b:f1"},
        {"<table><form name=f0><tr><td><input name=a></td></tr><input name=v></form>"
         "<form name=f1><tr><td><input name=b></td></tr></form></table>",
         "v:f0 a:f0 b:f1"},
        {"<table><form name=f0><tr><td><input name=a></td></tr><tr><td><table><form name=g0>"
         "<tr><td><input name=x></td></tr></form><form name=g1><tr><td><input name=y></td></tr>"
         "</form></table></table>",
         "a:f0 x:f0 y:g1"},
        {"<table><form name=f0><tr><td><input name=a></td></form><form name=f1><td>"
         "<input name=b></td></tr><tr><td><input name=c></td></tr></table>",
         "a:f0 b:f1 c:f1"},
        {"<table><form name=f0><tr><td><input name=a></td></tr></form><form name=f1><tr><td>"
         "<input name=b></td></tr></table><input name=c>",
         "a:f0 b:f1 c:f1"},
        {"<div><form name=f0>x</div><p><input name=a></form><table><tr><td><form name=f1>"
         "<input name=b></form></td></tr></table>",
         "a:f0 b:f1"},
    };
    for (const BrowserCase& c : cases) {
        SCOPED_TRACE(c.page);
        auto document = Document::parse(c.page);
        std::vector<std::string> ours = fieldForms(document);
        std::vector<std::string> browsers = words(c.fieldForms);
        ASSERT_EQ(ours.size(), browsers.size());
        for (std::size_t i = 0; i < ours.size(); ++i) {
            std::string none = browsers[i].substr(0, browsers[i].find(':')) + ":-";
            EXPECT_TRUE(ours[i] == browsers[i] || ours[i] == none) << ours[i];
        }
        expectSavedAsItStands(document);
    }
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
