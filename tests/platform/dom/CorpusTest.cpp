#include "DomTestSupport.h"

#include "platform/dom/HtmlParser.h"

#include <gtest/gtest.h>

#include <map>

using dom::Document;
using domtest::corpusPage;
using domtest::fieldCounts;
using domtest::formOfEachField;
using domtest::walkToForm;

namespace {

// The form of each field of a corpus page, in document order, as runs of {form, fields} (form
// -1: none): what Chromium ties the fields to, leaving aside those that a page's script writes.
const std::map<std::string, std::vector<std::pair<int, int>>> kFormRuns = {
    {"arabic-news-portal-windows1256-rtl.htm", {{0, 5}, {1, 1}}},
    {"baidu-home-utf8-cjk-hidden-fields.htm", {{0, 9}}},
    {"bbc-home-mixed-crlf-conditional-comments.htm", {{0, 4}, {1, 4}}},
    {"become-a-rep-special-char-field-names-xhtml.htm", {{0, 23}}},
    {"cheatsheet-bootstrap53-many-forms.htm",
     {{-1, 7},
      {0, 10},
      {1, 9},
      {-1, 11},
      {2, 2},
      {3, 8},
      {-1, 71},
      {4, 2},
      {-1, 1},
      {5, 2},
      {-1, 22}}},
    {"checkout-bootstrap53.htm", {{-1, 4}, {0, 2}, {1, 18}}},
    {"contact-shiftjis-xhtml-japanese-field-names.htm", {{0, 14}}},
    {"contact-templatemo-bom-bogus-comments.htm", {{0, 1}, {1, 6}}},
    {"feedback-comment-inside-input-tag.htm", {{0, 10}}},
    {"feedback-fields-inside-pre-frontpage3.htm", {{0, 11}}},
    {"feedback-frontpage-webbot-saveresults-dutch.htm", {{0, 11}}},
    {"feedback-vbscript-uppercase-table.htm", {{0, 7}}},
    {"guestbook-frontpage-cr-only-lineends.htm", {{0, 6}}},
    {"guestbook-sign-html32-uppercase.htm", {{0, 6}}},
    {"paypal-13-forms-image-inputs-frontpage.htm",
     {{0, 3},
      {1, 12},
      {2, 12},
      {3, 12},
      {4, 3},
      {5, 12},
      {6, 12},
      {7, 12},
      {8, 12},
      {9, 12},
      {10, 12},
      {11, 3},
      {12, 4}}},
    {"pizza-order-markup-in-head-checkbox-groups.htm", {{0, 27}}},
    {"recipe-two-forms-latin1-html2.htm", {{0, 5}, {1, 3}}},
    {"registration-badly-malformed-docwrite-selects.htm", {{0, 16}}},
    {"search-form-wrapping-table-row-1999.htm", {{0, 5}}},
    {"signin-bootstrap3-conditional-comments.htm", {{0, 4}}},
    {"survey-1990s-uppercase-wrapped-attrs-unclosed-form.htm", {{0, 54}}},
    {"survey-formmail-checkboxes-spaced-names.htm", {{0, 28}}},
    {"survey-html5-types-datalist-fieldsets.htm", {{0, 25}}},
    {"survey-word-opo-tags-markup-in-attr.htm", {{0, 14}}},
};

std::vector<int> expanded(const std::vector<std::pair<int, int>>& runs) {
    std::vector<int> forms;
    for (auto [form, fields] : runs)
        forms.insert(forms.end(), static_cast<std::size_t>(fields), form);
    return forms;
}

// How many fields each form holds, from the form of each field (every corpus form has some).
std::vector<int> fieldsPerForm(const std::vector<int>& formOfEachField) {
    std::vector<int> counts;
    for (int form : formOfEachField) {
        if (form < 0)
            continue;
        if (counts.size() <= static_cast<std::size_t>(form))
            counts.resize(static_cast<std::size_t>(form) + 1);
        ++counts[static_cast<std::size_t>(form)];
    }
    return counts;
}

} // namespace

TEST(Corpus, EveryPageParsesReadsBackStablyAndListsItsFields) {
    int pages = 0;
    for (const auto& path : domtest::corpusPages()) {
        std::string name = path.filename().string();
        ++pages;
        auto document = corpusPage(path);
        ASSERT_TRUE(document->body()) << name;
        std::string once = document->serialize();
        // Saved as written, found to read back so without building the page again.
        EXPECT_TRUE(dom::HtmlParser::readsBackAs(once, *document->root())) << name;
        EXPECT_EQ(document->serializeForSaving(), once) << name;
        auto again = Document::parse(once);
        EXPECT_EQ(again->serialize(), once) << name;
        ASSERT_TRUE(kFormRuns.count(name)) << name;
        std::vector<int> forms = expanded(kFormRuns.at(name));
        EXPECT_EQ(formOfEachField(document), forms) << name;
        EXPECT_EQ(formOfEachField(again), forms) << name;
        EXPECT_EQ(fieldCounts(document), fieldsPerForm(forms)) << name;
        EXPECT_EQ(fieldCounts(again), fieldsPerForm(forms)) << name;
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
    EXPECT_EQ(pages, static_cast<int>(kFormRuns.size()));
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
