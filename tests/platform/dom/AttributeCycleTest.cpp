#include "DomTestSupport.h"

#include <gtest/gtest.h>

using dom::Document;
using domtest::attributeTextInMarkup;
using domtest::byName;
using domtest::dataPage;
using domtest::readAttributeFromMarkup;

// The add-in edits an event attribute by reading the text between its quotes in the field's
// markup and writing the edited text back through the element's property, then fetching the
// field again from its form. A double quote of the script stands in the markup as &quot;; the
// reader takes our markup's references back to their characters and the property stores what
// it is given, so the script itself never changes.
TEST(AttributeCycle, ScriptWithQuotesAndAmpersandsSurvivesFiftyEdits) {
    auto document = dataPage("dom-contact-table.htm");
    auto form = byName(document, "contact");
    const std::string script = "if(a&&b){x=\"<q>\";y='z'}";
    auto field = form->item(0);
    ASSERT_EQ(field->getAttribute("onfocus"), script);
    EXPECT_EQ(attributeTextInMarkup(*field, "onfocus"), "if(a&&b){x=&quot;<q>&quot;;y='z'}");
    for (int cycle = 0; cycle < 50; ++cycle) {
        field = form->item(0);
        std::string read = readAttributeFromMarkup(*field, "onfocus");
        ASSERT_EQ(read, script) << "cycle " << cycle;
        field->setProperty("onfocus", read);
        field = form->item(0);
        ASSERT_EQ(field->getAttribute("onfocus"), script) << "cycle " << cycle;
    }
    // The page written at the end reads back with the same script.
    auto again = Document::parse(document->serialize());
    EXPECT_EQ(byName(again, "realname")->getAttribute("onfocus"), script);
}

TEST(AttributeCycle, StatementsAppendedToAScriptKeepItsText) {
    auto document = dataPage("dom-contact-table.htm");
    auto form = byName(document, "contact");
    // The add rule: read, strip, append the statement, write back; twice over.
    for (const std::string statement :
         {"ZirirurStatus('Tom & \"Jerry\"');", "style.backgroundColor='#FFFFFF';"}) {
        auto field = form->item(0);
        std::string value = readAttributeFromMarkup(*field, "onfocus");
        if (!value.empty() && value.back() != ';')
            value += ";";
        field->setProperty("onfocus", value + statement);
    }
    EXPECT_EQ(form->item(0)->getAttribute("onfocus"),
              "if(a&&b){x=\"<q>\";y='z'};ZirirurStatus('Tom & \"Jerry\"');"
              "style.backgroundColor='#FFFFFF';");
    // The typed property and onblur go the same way.
    auto phone = form->item(2);
    std::string counter = readAttributeFromMarkup(*phone, "onKeyUp");
    EXPECT_EQ(counter, "ZirirurTextCounter(this,15);");
    phone->setOnkeyup(counter + "x=a&&b;");
    EXPECT_EQ(form->item(2)->onkeyup(), "ZirirurTextCounter(this,15);x=a&&b;");
    auto name = form->item(0);
    name->setProperty("onblur", readAttributeFromMarkup(*name, "onblur") + "VQRMakeUpper(this);");
    EXPECT_EQ(readAttributeFromMarkup(*form->item(0), "onblur"),
              "this.value=this.value.toUpperCase();VQRMakeUpper(this);");
}

TEST(AttributeCycle, RewritingTheOuterHtmlWithTheReadTextChangesNothing) {
    auto document = dataPage("dom-contact-table.htm");
    auto form = byName(document, "contact");
    const std::string before = form->item(0)->outerHTML();
    for (int cycle = 0; cycle < 50; ++cycle) {
        // The add-in's writer: the attribute replaced in the markup, the markup written back.
        auto field = form->item(0);
        std::string html = field->outerHTML();
        std::string value = attributeTextInMarkup(*field, "onfocus");
        std::size_t at = html.find("onfocus=\"");
        std::string rest = html.substr(at + 9 + value.size() + 1);
        if (!rest.empty() && rest.front() == ' ')
            rest.erase(0, 1);
        html = html.substr(0, at) + " onfocus=\"" + value + "\" " + rest;
        field->setOuterHTML(html);
    }
    EXPECT_EQ(form->item(0)->getAttribute("onfocus"), "if(a&&b){x=\"<q>\";y='z'}");
    EXPECT_EQ(form->item(0)->outerHTML(), before);
}

// A script that really holds the text of a reference keeps it: the markup shows it with its
// ampersand as &amp;, the reader takes that back, and a property write stores its text as given.
TEST(AttributeCycle, LiteralReferencesInAScriptAreKeptToo) {
    // A script that really contains the text "&lt;" (written &amp;lt; in the page).
    auto document = Document::parse("<form><input name=f onfocus=\"s='&amp;lt;'+'&'\"></form>");
    auto form = document->all().tags("FORM").item(0);
    EXPECT_EQ(attributeTextInMarkup(*form->item(0), "onfocus"), "s='&amp;lt;'+'&'");
    for (int cycle = 0; cycle < 50; ++cycle)
        form->item(0)->setProperty("onfocus", readAttributeFromMarkup(*form->item(0), "onfocus"));
    EXPECT_EQ(attributeTextInMarkup(*form->item(0), "onfocus"), "s='&amp;lt;'+'&'");
    EXPECT_EQ(form->item(0)->getAttribute("onfocus"), "s='&lt;'+'&'");

    // Written through the property, not read from any markup.
    const std::string script = "s='&amp;';t='&quot;';u='&#xD;';this.blur();";
    form->item(0)->setProperty("onfocus", script);
    form->item(0)->setOnkeyup(script);
    EXPECT_EQ(form->item(0)->getAttribute("onfocus"), script);
    EXPECT_EQ(form->item(0)->onkeyup(), script);
    EXPECT_EQ(readAttributeFromMarkup(*form->item(0), "onfocus"), script);
    auto again = Document::parse(document->serialize());
    EXPECT_EQ(again->all().item("f")->getAttribute("onfocus"), script);
    EXPECT_EQ(again->all().item("f")->onkeyup(), script);
}

TEST(AttributeCycle, WritingBackWhatWasReadLeavesThePageAlone) {
    // Selecting a field in the dialog writes its Name and Value back; nothing may appear.
    auto document = dataPage("dom-image-inputs.htm");
    const std::string before = document->serialize();
    for (const auto& form : document->all().tags("FORM").toVector()) {
        for (int i = 0; i < form->length(); ++i) {
            auto field = form->item(i);
            field->setProperty("Name", field->getProperty("Name"));
            field->setProperty("Value", field->getProperty("Value"));
            field->setProperty("onfocus", field->getProperty("onfocus"));
            form->setProperty("name", form->getProperty("name"));
        }
    }
    EXPECT_EQ(document->serialize(), before);
    auto selects = dataPage("dom-select-lists.htm");
    const std::string lists = selects->serialize();
    for (const auto& select : selects->all().tags("SELECT").toVector())
        select->setProperty("Value", select->getProperty("Value"));
    EXPECT_EQ(selects->serialize(), lists);
}

// A carriage return that the page spells as &#13; is no line end: the parser keeps it in the
// value, our markup shows it as a reference, and it must come back as itself from every
// road: the property written with the text read from the markup, a rewritten outer HTML, and
// the page saved with its own line ends and opened again.
TEST(AttributeCycle, CarriageReturnsFromReferencesSurviveEditsSavesAndReopening) {
    auto document = Document::parse("<form name=f><input name=a onfocus=\"a();&#13;b();\" "
                                    "value=\"1&#13;2\"></form><p id=p>x&#13;y</p>");
    auto form = byName(document, "f");
    ASSERT_EQ(form->item(0)->getAttribute("onfocus"), "a();\rb();");
    EXPECT_EQ(attributeTextInMarkup(*form->item(0), "onfocus"), "a();&#xD;b();");
    for (int cycle = 0; cycle < 3; ++cycle)
        form->item(0)->setProperty("onfocus", readAttributeFromMarkup(*form->item(0), "onfocus"));
    form->item(0)->setProperty("onfocus", readAttributeFromMarkup(*form->item(0), "onfocus") +
                                              "ZirirurStatus('x');");
    EXPECT_EQ(form->item(0)->getAttribute("onfocus"), "a();\rb();ZirirurStatus('x');");
    form->item(0)->setOnkeyup(readAttributeFromMarkup(*form->item(0), "onfocus"));
    EXPECT_EQ(form->item(0)->onkeyup(), "a();\rb();ZirirurStatus('x');");
    form->item(0)->setOuterHTML(form->item(0)->outerHTML());
    EXPECT_EQ(form->item(0)->getProperty("Value"), "1\r2");

    // Saved with carriage returns, or carriage return and line feed, as line ends.
    const std::string page = document->serialize();
    for (const std::string lineEnd : {"\r", "\r\n"}) {
        std::string saved;
        for (char c : page)
            saved += c == '\n' ? lineEnd : std::string(1, c);
        auto again = Document::parse(saved);
        auto field = byName(again, "a");
        EXPECT_EQ(field->getAttribute("onfocus"), "a();\rb();ZirirurStatus('x');");
        EXPECT_EQ(field->onkeyup(), "a();\rb();ZirirurStatus('x');");
        EXPECT_EQ(field->getProperty("Value"), "1\r2");
        EXPECT_EQ(again->all().item("p")->textContent(), "x\ry");
        EXPECT_EQ(again->serialize(), page);
    }
}
