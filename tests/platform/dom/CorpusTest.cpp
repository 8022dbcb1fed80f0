#include "DomTestSupport.h"

#include <gtest/gtest.h>

#include <map>

using dom::Document;
using domtest::corpusPage;
using domtest::fieldCounts;
using domtest::walkToForm;

namespace {

// How many fields each form of a corpus page holds, in the forms' order: what a browser's
// parser ties to each form.
const std::map<std::string, std::vector<int>> kFieldsPerForm = {
    {"arabic-news-portal-windows1256-rtl.htm", {5, 1}},
    {"baidu-home-utf8-cjk-hidden-fields.htm", {9}},
    {"bbc-home-mixed-crlf-conditional-comments.htm", {4, 4}},
    {"become-a-rep-special-char-field-names-xhtml.htm", {23}},
    {"cheatsheet-bootstrap53-many-forms.htm", {10, 9, 2, 8, 2, 2}},
    {"checkout-bootstrap53.htm", {2, 18}},
    {"contact-shiftjis-xhtml-japanese-field-names.htm", {14}},
    {"contact-templatemo-bom-bogus-comments.htm", {1, 6}},
    {"feedback-comment-inside-input-tag.htm", {10}},
    {"feedback-fields-inside-pre-frontpage3.htm", {11}},
    {"feedback-frontpage-webbot-saveresults-dutch.htm", {11}},
    {"feedback-vbscript-uppercase-table.htm", {7}},
    {"guestbook-frontpage-cr-only-lineends.htm", {6}},
    {"guestbook-sign-html32-uppercase.htm", {6}},
    {"paypal-13-forms-image-inputs-frontpage.htm",
     {3, 12, 12, 12, 3, 12, 12, 12, 12, 12, 12, 3, 4}},
    {"pizza-order-markup-in-head-checkbox-groups.htm", {27}},
    {"recipe-two-forms-latin1-html2.htm", {5, 3}},
    {"registration-badly-malformed-docwrite-selects.htm", {16}},
    {"search-form-wrapping-table-row-1999.htm", {5}},
    {"signin-bootstrap3-conditional-comments.htm", {4}},
    {"survey-1990s-uppercase-wrapped-attrs-unclosed-form.htm", {54}},
    {"survey-formmail-checkboxes-spaced-names.htm", {28}},
    {"survey-html5-types-datalist-fieldsets.htm", {25}},
    {"survey-word-opo-tags-markup-in-attr.htm", {14}},
};

} // namespace

TEST(Corpus, EveryPageParsesReadsBackStablyAndListsItsFields) {
    int pages = 0;
    for (const auto& path : domtest::corpusPages()) {
        std::string name = path.filename().string();
        ++pages;
        auto document = corpusPage(path);
        ASSERT_TRUE(document->body()) << name;
        std::string once = document->serialize();
        auto again = Document::parse(once);
        EXPECT_EQ(again->serialize(), once) << name;
        ASSERT_TRUE(kFieldsPerForm.count(name)) << name;
        EXPECT_EQ(fieldCounts(document), kFieldsPerForm.at(name)) << name;
        EXPECT_EQ(fieldCounts(again), kFieldsPerForm.at(name)) << name;
        // Every field's walk up reaches its form, and every field of the page is listed
        // once at most.
        int listed = 0;
        for (const auto& form : document->all().tags("FORM").toVector()) {
            for (int i = 0; i < form->length(); ++i, ++listed)
                EXPECT_EQ(walkToForm(form->item(i)), form) << name << " field " << i;
        }
        EXPECT_LE(listed, document->all().tags("INPUT").length() +
                              document->all().tags("SELECT").length() +
                              document->all().tags("TEXTAREA").length() +
                              document->all().tags("BUTTON").length());
    }
    EXPECT_EQ(pages, static_cast<int>(kFieldsPerForm.size()));
}

TEST(Corpus, MisnestedFormsGetTheirFieldsAndKeepTheirTables) {
    auto search = corpusPage("search-form-wrapping-table-row-1999.htm");
    auto form = search->all().tags("FORM").item(0);
    EXPECT_EQ(form->parentElement()->tagName(), "TABLE");
    EXPECT_EQ(form->item(0)->getProperty("Name"), "query");
    EXPECT_EQ(form->item(4)->getProperty("Name"), "sufs");
    EXPECT_EQ(form->item(4)->getProperty("Type"), "hidden");
    // The hidden fields stay in their row, outside any cell.
    EXPECT_EQ(form->item(4)->parentElement()->tagName(), "TR");

    auto arabic = corpusPage("arabic-news-portal-windows1256-rtl.htm");
    auto second = arabic->all().tags("FORM").item(1);
    EXPECT_EQ(second->parentElement()->tagName(), "TR");
    EXPECT_EQ(second->item(0)->getProperty("Name"), "languages");
    EXPECT_EQ(second->item(0)->getProperty("Type"), "select-one");

    auto registration = corpusPage("registration-badly-malformed-docwrite-selects.htm");
    auto fields = registration->all().tags("FORM").item(0);
    EXPECT_EQ(fields->item(0)->getProperty("Name"), "surname");
    EXPECT_EQ(fields->item(0)->getProperty("Type"), "text"); // type="name" is no type
    // Placing the caret in a field and walking up finds the form.
    registration->setCaretAtEndOf(fields->item(6));
    EXPECT_EQ(walkToForm(registration->activeElement()), fields);
}

TEST(Corpus, AnEffectEditOnARealPageChangesOnlyThatField) {
    auto document = corpusPage("contact-templatemo-bom-bogus-comments.htm");
    auto form = document->all().tags("FORM").item(0);
    auto field = form->item(0);
    std::string onfocus = domtest::readAttributeFromMarkup(*field, "onfocus");
    EXPECT_EQ(onfocus, "clearText(this)");
    const std::string before = document->serialize();
    field->setProperty("onfocus", onfocus + ";ZirirurStatus('Search');");
    std::string after = document->serialize();
    std::string expected = before;
    expected.replace(expected.find("onfocus=\"clearText(this)\""), 25,
                     "onfocus=\"clearText(this);ZirirurStatus('Search');\"");
    EXPECT_EQ(after, expected);
}
