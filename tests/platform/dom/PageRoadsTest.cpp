// The ways the add-in's tools go through a page, call by call, on real pages: what each tool
// relies on the page to do, and that the page written afterwards reads back the same.

#include "DomTestSupport.h"

#include "platform/dom/TextRange.h"
#include "platform/sys/Error.h"

#include <gtest/gtest.h>

using dom::Document;
using dom::Element;
using domtest::byName;
using domtest::corpusPage;
using domtest::corpusPages;
using domtest::dataPage;
using domtest::fieldCounts;

namespace {

// The walk from the caret to its form as the tools make it: by source index, climbing through
// parent elements, and fetching the element at the index reached from the page's `all`.
std::shared_ptr<Element> formAtCursor(const std::shared_ptr<Document>& document) {
    auto element = document->activeElement();
    int index = element->sourceIndex();
    while (element->tagName() != "FORM" && element->tagName() != "BODY") {
        index = element->parentElement()->sourceIndex();
        element = element->parentElement();
    }
    auto reached = document->all().item(index);
    return reached->tagName() == "FORM" ? reached : nullptr;
}

std::vector<std::string> elementOrder(const std::shared_ptr<Document>& document) {
    std::vector<std::string> order;
    for (const auto& element : document->all().toVector())
        order.push_back(element->tagName() + "#" + element->id());
    return order;
}

int scriptsWithId(const std::shared_ptr<Document>& document, const std::string& id) {
    int count = 0;
    auto scripts = document->scripts();
    for (int i = 0; i < scripts.length(); ++i)
        count += scripts.item(i)->id() == id ? 1 : 0;
    return count;
}

std::string installedScript(const std::string& file) {
    return sys::FileSystem::readBytes(std::string(ZIRIRUR_INSTALL_DIR) + "/Scripts/" + file);
}

} // namespace

// The script files go at the end of the first HEAD element of `all`, which the parser makes
// for pages that never wrote one, and are found again by their id in `scripts`.
TEST(PageRoads, ScriptFilesGoIntoTheHeadOfPagesWrittenWithoutOne) {
    std::vector<std::shared_ptr<Document>> pages = {
        corpusPage("registration-badly-malformed-docwrite-selects.htm"), // no head, no doctype
        corpusPage("pizza-order-markup-in-head-checkbox-groups.htm"),    // body content in the head
        Document::parse("<p>Hello</p><form><input name=a></form>"),
        Document::parse("<!-- first --><html><body onload=\"go()\">text")};
    for (const auto& document : pages) {
        const std::vector<int> fields = fieldCounts(document);
        ASSERT_EQ(scriptsWithId(document, "VQRTextFuncs"), 0);
        for (const auto& [id, file] :
             {std::pair<std::string, std::string>{"VQRTextFuncs", "vqrtext.fps"},
              {"VQRStatus", "vqrstatus.fps"}}) {
            auto head = document->all().tags("head").item(0);
            ASSERT_TRUE(head);
            head->insertAdjacentHTML("BeforeEnd", installedScript(file));
            ASSERT_EQ(scriptsWithId(document, id), 1);
            auto script = document->all().item(id);
            EXPECT_EQ(script->tagName(), "SCRIPT");
            EXPECT_EQ(script->parentElement(), head);
            EXPECT_NE(script->innerHTML().find("function "), std::string::npos);
        }
        EXPECT_EQ(fieldCounts(document), fields);
        auto again = Document::parse(document->serialize());
        EXPECT_EQ(again->serialize(), document->serialize());
        EXPECT_EQ(scriptsWithId(again, "VQRTextFuncs"), 1);
        EXPECT_EQ(scriptsWithId(again, "VQRStatus"), 1);
        EXPECT_EQ(again->all().item("VQRStatus")->parentElement()->tagName(), "HEAD");
        EXPECT_EQ(fieldCounts(again), fields);
    }
}

// The hyperlink picker: a hidden DIV pasted at the caret, an IMG put into it and selected, the
// editor turning the selection into a link, the link read back from the DIV's content and
// the DIV emptied. Run at a field of every form of every corpus page.
TEST(PageRoads, HyperlinkPickerAtAFieldOfEveryCorpusForm) {
    const std::string address = "http://example.com/cgi?a=1&b=\xC3\xA9";
    int forms = 0;
    for (const auto& path : corpusPages()) {
        const std::vector<int> fields = fieldCounts(corpusPage(path));
        for (std::size_t k = 0; k < fields.size(); ++k) {
            if (fields[k] == 0)
                continue;
            ++forms;
            auto document = corpusPage(path);
            auto form = document->all().tags("FORM").item(static_cast<int>(k));
            document->setCaretAtEndOf(form->item(0));
            auto holder = domtest::selectHiddenImage(document);
            ASSERT_TRUE(holder) << path;
            // The editor's hyperlink command works on the selection.
            auto selected = document->selection().createRange();
            EXPECT_EQ(selected.htmlText(), "<IMG id=\"FPLink2\" src=\"\">") << path;
            selected.pasteHTML("<A href=\"http://example.com/cgi?a=1&amp;b=\xC3\xA9\">" +
                               selected.htmlText() + "</A>");
            EXPECT_EQ(domtest::takeLinkFromHiddenImage(document), address) << path;
            EXPECT_EQ(document->all().item("FPLink1"), holder) << path;
            EXPECT_EQ(holder->innerHTML(), "") << path;
            EXPECT_EQ(formAtCursor(document), form) << path;
            EXPECT_EQ(fieldCounts(document), fields) << path;
            EXPECT_EQ(fieldCounts(Document::parse(document->serialize())), fields) << path;
        }
    }
    EXPECT_GE(forms, 40);
}

// Quick components: a new form pasted at the caret, found in `all` by its name, renamed and
// found again by the new name; the component takes the placeholder's place, its first parts
// go before the body and at its start; a refused name takes the new form out again.
TEST(PageRoads, QuickComponentIntoANewFormAtTheCaret) {
    const std::string newForm = "<DIV><FORM NAME=\"VQTempForm\" ACTION=\"\" METHOD=\"POST\"><DIV "
                                "ID=\"VQTempDIV\">NewForm</DIV></FORM></DIV>";
    auto document = dataPage("dom-contact-table.htm");
    const std::vector<int> before = fieldCounts(document);
    auto cell = document->all().tags("TD").item(0);
    document->setCaretAtEndOf(document->all().tags("H1").item(0));
    EXPECT_EQ(formAtCursor(document), nullptr);
    auto range = document->selection().createRange();
    range.select();
    range.pasteHTML(newForm);
    auto form = document->all().item("VQTempForm");
    ASSERT_TRUE(form && form->isForm());
    form->setProperty("name", "Contact1");
    EXPECT_EQ(document->all().item("VQTempForm"), nullptr);
    EXPECT_EQ(document->all().item("Contact1"), form);
    EXPECT_EQ(form->getProperty("method"), "POST");

    const std::string part1 = "<script language=\"JavaScript\">\nfunction check_Contact1(f) "
                              "{ return f.email.value != ''; }\n</script>";
    document->body()->insertAdjacentHTML("BeforeBegin", part1);
    document->body()->insertAdjacentHTML("AfterBegin", "<p id=\"part2\">Note</p>");
    document->all()
        .item("VQTempDIV")
        ->setOuterHTML(
            "Name: <input type=\"text\" name=\"Contact1_name\"><br>Mail: <input type=\"text\" "
            "name=\"email\" onblur=\"VQRMakeLower(this);\"><input type=\"submit\" value=\"Send\" "
            "onclick=\"return check_Contact1(this.form);\">");
    EXPECT_EQ(form->length(), 3);
    EXPECT_EQ(form->item(1)->getProperty("Name"), "email");
    document->setCaretAtEndOf(form->item(1));
    EXPECT_EQ(formAtCursor(document), form);
    EXPECT_EQ(document->body()->children().front(), document->all().item("part2").get());
    // The first part is found again by its markup, line breaks read as blanks.
    bool found = false;
    for (const auto& script : document->scripts().toVector())
        found = found || script->outerHTML() ==
                             "<SCRIPT language=\"JavaScript\">\nfunction check_Contact1(f) { "
                             "return f.email.value != ''; }\n</SCRIPT>";
    EXPECT_TRUE(found);
    // The page's own form lost nothing; the new one reads back with its fields.
    std::vector<int> expected = {3};
    expected.insert(expected.end(), before.begin(), before.end());
    EXPECT_EQ(fieldCounts(document), expected);
    // Read back, the first part is the last element of the head: still right before the body.
    auto again = Document::parse(document->serialize());
    EXPECT_EQ(fieldCounts(again), expected);
    EXPECT_EQ(elementOrder(again), elementOrder(document));

    // A refused name: the new form and its placeholder go, the outer DIV keeps a blank.
    document->setCaretAtEndOf(cell);
    document->selection().createRange().pasteHTML(newForm);
    EXPECT_EQ(document->all().tags("FORM").length(), 2); // joined the form the cell is in
    document->setCaretAtEndOf(document->all().item("part2"));
    document->selection().createRange().pasteHTML(newForm);
    auto refused = document->all().item("VQTempForm");
    ASSERT_TRUE(refused && refused->isForm());
    auto outerDiv = refused->parentElement();
    refused->setOuterHTML(" ");
    EXPECT_EQ(outerDiv->innerHTML(), " ");
    EXPECT_EQ(document->all().item("VQTempForm"), nullptr);
    EXPECT_EQ(fieldCounts(document), expected);
}

// Add Form To Favourites looks for each element's markup inside its form's markup, stores the
// form's markup (or its start and end tags around its fields), and Insert Form From
// Favourites pastes what was stored, with the line end of the file, at any caret.
TEST(PageRoads, FavouritesStoreFormsByTheirMarkupAndPasteThemBack) {
    int forms = 0;
    for (const auto& path : corpusPages()) {
        auto document = corpusPage(path);
        for (const auto& form : document->all().tags("FORM").toVector()) {
            ++forms;
            const std::string outer = form->outerHTML();
            const std::string inner = form->innerHTML();
            if (!inner.empty()) {
                EXPECT_EQ(outer.find(inner), outer.find('>') + 1) << path;
            }
            for (const auto& element : form->all().toVector()) {
                std::size_t at = outer.find(element->outerHTML());
                EXPECT_TRUE(at != std::string::npos && at > 0) << path << element->outerHTML();
            }
            std::string fieldsOnly;
            for (int i = 0; i < form->length(); ++i)
                fieldsOnly += form->item(i)->outerHTML() + "<BR>";
            fieldsOnly = outer.substr(0, outer.size() - inner.size() - 7) + fieldsOnly + "</FORM>";

            for (const std::string& stored : {outer, fieldsOnly}) {
                auto target = Document::parse("<body><p id=p>x</p><table><tr><td id=cell>y"
                                              "</td></tr></table><form name=own><input "
                                              "name=mine></form>");
                target->setCaretAtEndOf(target->all().item("cell"));
                auto range = target->selection().createRange();
                range.select();
                range.pasteHTML(stored + "\r\n");
                // Pasted into a form, the stored one's fields join it.
                target->setCaretAtEndOf(byName(target, "mine"));
                target->selection().createRange().pasteHTML(stored + "\r\n");
                const std::vector<int> expected = {form->length(), form->length() + 1};
                EXPECT_EQ(fieldCounts(target), expected) << path;
                EXPECT_EQ(fieldCounts(Document::parse(target->serialize())), expected) << path;
            }
        }
    }
    EXPECT_GE(forms, 40);
}

// Remove Form/Form Parts: the whole form replaced by a blank, or its fields removed from the
// last to the first and then its outer HTML set to its inner HTML. The other forms of the
// page keep their fields, also once the page is read back.
TEST(PageRoads, RemovingEveryCorpusFormLeavesTheOtherFormsWhole) {
    for (const auto& path : corpusPages()) {
        const std::vector<int> fields = fieldCounts(corpusPage(path));
        for (std::size_t k = 0; k < fields.size(); ++k) {
            std::vector<int> expected = fields;
            expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(k));
            for (bool keepContent : {false, true}) {
                auto document = corpusPage(path);
                auto form = document->all().tags("FORM").item(static_cast<int>(k));
                if (keepContent) {
                    for (int i = form->length() - 1; i >= 0; --i)
                        form->item(i)->setOuterHTML("");
                    form->setOuterHTML(form->innerHTML());
                } else {
                    form->setInnerHTML(" ");
                    form->setOuterHTML(" ");
                }
                EXPECT_EQ(fieldCounts(document), expected) << path << " form " << k;
                auto again = Document::parse(document->serialize());
                EXPECT_EQ(fieldCounts(again), expected) << path << " form " << k;
                EXPECT_EQ(again->serialize(), document->serialize()) << path << " form " << k;
            }
        }
    }
}
