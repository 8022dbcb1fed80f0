#include "DomTestSupport.h"

#include "platform/dom/HtmlParser.h"
#include "platform/dom/HtmlSerializer.h"

#include <gtest/gtest.h>

#include <filesystem>

using dom::Document;
using domtest::byName;
using domtest::dataPage;

namespace {

std::string roundTrip(const std::string& html) {
    return Document::parse(html)->serialize();
}

// The value the parser reads back from a double-quoted attribute holding our escaped text.
std::string parsedAttributeValue(const std::string& value) {
    std::string markup = "<p title=\"";
    dom::HtmlSerializer::appendAttributeValue(markup, value);
    markup += "\">";
    auto p = Document::parse(markup)->all().tags("P").item(0);
    return p->getAttribute("title").value_or("<none>");
}

} // namespace

TEST(Serialization, EveryDataPageReadsBackToTheSameText) {
    int pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ZIRIRUR_TEST_DATA)) {
        std::string name = entry.path().filename().string();
        if (name.rfind("dom-", 0) != 0)
            continue;
        ++pages;
        std::string once = dataPage(name)->serialize();
        EXPECT_EQ(roundTrip(once), once) << name;
    }
    EXPECT_GE(pages, 10);
}

TEST(Serialization, TagsUpperCaseAttributesLowerCaseAndDoubleQuoted) {
    auto document = Document::parse("<Form Name=f ACTION='a.cgi'><input TYPE=text name=x "
                                    "checked></form>");
    auto input = document->all().tags("input").item(0);
    EXPECT_EQ(input->outerHTML(), "<INPUT type=\"text\" name=\"x\" checked=\"\">");
    auto form = document->all().tags("FORM").item(0);
    EXPECT_EQ(form->outerHTML().substr(0, 34), "<FORM name=\"f\" action=\"a.cgi\"><INP");
    // The add-in's own markup keeps its meaning when it comes back.
    form->insertAdjacentHTML("AfterBegin",
                             "<INPUT TYPE=\"HIDDEN\" NAME=\"H1\" VALUE=\"No Value\">");
    EXPECT_EQ(form->item(0)->outerHTML(), "<INPUT type=\"HIDDEN\" name=\"H1\" value=\"No Value\">");
}

TEST(Serialization, AttributeValuesReadBackExactly) {
    // Only a double quote and an ampersand that would start a reference are escaped.
    std::string out;
    dom::HtmlSerializer::appendAttributeValue(out, "if(a&&b){x=\"<q>\";y='z'} &lt; a&b=2 &copy=1");
    EXPECT_EQ(out, "if(a&&b){x=&quot;<q>&quot;;y='z'} &amp;lt; a&b=2 &copy=1");

    // Every reference the parser knows without its semicolon, in every position that matters.
    const char* legacy[] = {"amp",   "lt",     "gt",   "quot", "copy", "reg", "nbsp", "not",
                            "AElig", "frac12", "sup2", "yuml", "COPY", "ETH", "times"};
    for (const char* name : legacy) {
        for (const char* after : {"", ";", " x", "x", "1", "=", "&", "#", "\"", "'", "<"}) {
            std::string value = std::string("a&") + name + after;
            EXPECT_EQ(parsedAttributeValue(value), value) << value;
        }
    }
    for (std::string value :
         {"&#38;", "&#x26;", "&#", "&#x", "&;", "&unknown;", "&&&", "& ", "&amp;amp;", "\"&quot;\"",
          "&notin;", "&notit", "<b>&</b>", "caf\xC3\xA9 \xC2\xA0 &Eacute;"})
        EXPECT_EQ(parsedAttributeValue(value), value) << value;
    // Noncharacters beyond the first plane go as references, which read back as themselves;
    // bytes beyond the last character, or an overlong one, are no character and stay as they
    // are, for the reader of our markup as well.
    for (std::string value : {"a\xF0\x9F\xBF\xBE", "\xF4\x8F\xBF\xBF"})
        EXPECT_EQ(parsedAttributeValue(value), value);
    for (std::string bytes : {"\xF4\xBF\xBF\xBF", "\xF0\x8F\xBF\xBF", "\xF1?\xBF\xBE"}) {
        std::string written;
        dom::HtmlSerializer::appendAttributeValue(written, bytes);
        EXPECT_EQ(written, bytes);
        EXPECT_EQ(dom::HtmlSerializer::attributeValueFromMarkup(written), bytes);
    }
}

TEST(Serialization, TextIsEscapedOnlyWhereTheParserWouldMisread) {
    auto document = dataPage("dom-entities.htm");
    auto p = document->all().tags("P").item(0);
    EXPECT_EQ(p->innerHTML(), "Fish&nbsp;&&nbsp;Chips \xC2\xA9 2001 \xE2\x80\x94 prices &lt; "
                              "\xC2\xA3"
                              "5 \xE2\x80\x94 A&amp;B, AT&amp;T, Tom & Jerry, 5 &gt; 3.");
    // A literal "&lt;" keeps its escape.
    EXPECT_NE(byName(document, "literal")->outerHTML().find("value=\"&amp;lt;not a tag&amp;gt;\""),
              std::string::npos);
    EXPECT_EQ(byName(document, "quote")->getAttribute("value"), "He said \"hi\" & left");
}

TEST(Serialization, RawTextAndPreformattedContentKeptExactly) {
    auto document = dataPage("dom-scripts-head-body.htm");
    auto script = document->scripts().item(0);
    EXPECT_EQ(script->innerHTML(), "\nvar markup = \"<b>bold</b> & more\";\n"
                                   "if (1 < 2 && 3 > 2) { document.title = 'ok'; }\n");
    auto writer = document->scripts().item(2);
    EXPECT_NE(writer->outerHTML().find("'<p>Written by a script: </p>' + \"<\" + \"/p>\""),
              std::string::npos);

    auto textPage = dataPage("dom-textarea-pre.htm");
    auto comments = byName(textPage, "comments");
    // The parser drops the line feed after the start tag; the second one is content.
    EXPECT_EQ(comments->getProperty("Value"),
              "\nLeave <b>your</b> comments here & press Send.\nif (a < b && c > d) { }");
    EXPECT_NE(comments->outerHTML().find("<TEXTAREA name=\"comments\" rows=\"4\" cols=\"50\">\n\n"
                                         "Leave &lt;b&gt;your&lt;/b&gt;"),
              std::string::npos);
    auto pre = textPage->all().tags("PRE").item(1);
    EXPECT_EQ(pre->outerHTML().substr(0, 8), "<PRE>\n\n ");
    auto xmp = textPage->all().tags("XMP").item(0);
    EXPECT_EQ(xmp->innerHTML(), "<b>not bold</b> & raw");
}

TEST(Serialization, DoctypeCommentsAndRenderingModeSurvive) {
    std::string html = "<!-- first --><!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 "
                       "Transitional//EN\" 'http://www.w3.org/TR/html4/loose.dtd'><p>x";
    std::string once = roundTrip(html);
    EXPECT_EQ(once,
              "<!-- first --><!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
              "\"http://www.w3.org/TR/html4/loose.dtd\"><HTML><HEAD></HEAD><BODY><P>x</P>"
              "</BODY></HTML>");
    EXPECT_EQ(roundTrip(once), once);

    // Without a doctype a page runs in quirks mode, where a table stays inside a paragraph;
    // reading the page back must not switch modes and split them. A malformed declaration
    // forces quirks mode: it is written so that it still does.
    for (auto [page, start] :
         {std::pair{"<p><table></table>", "<HTML><HEAD></HEAD><BODY><P><TABLE>"},
          {"<!DOCTYPE html junk><p><table></table>",
           "<!DOCTYPE html quirks><HTML><HEAD></HEAD><BODY><P><TABLE>"},
          {"<!DOCTYPE html><p><table></table>",
           "<!DOCTYPE html><HTML><HEAD></HEAD><BODY><P></P><TABLE>"}}) {
        std::string once = roundTrip(page);
        EXPECT_EQ(once.substr(0, std::string(start).size()), start) << page;
        EXPECT_EQ(roundTrip(once), once) << page;
    }
}

TEST(Serialization, TextBeforeAFormEndTagStaysInTheForm) {
    auto document = Document::parse("<body><form name=f><input name=a> and more text</form>after");
    auto form = byName(document, "f");
    EXPECT_EQ(form->innerHTML(), "<INPUT name=\"a\"> and more text");
    EXPECT_EQ(document->body()->innerHTML(), "<FORM name=\"f\"><INPUT name=\"a\"> and more "
                                             "text</FORM>after");
    auto fragmentHost = document->body();
    fragmentHost->insertAdjacentHTML("BeforeEnd", "<FORM name=g>Tom &amp; Jerry</FORM>tail");
    EXPECT_EQ(byName(document, "g")->innerHTML(), "Tom & Jerry");
    EXPECT_EQ(fragmentHost->innerHTML().substr(fragmentHost->innerHTML().size() - 4), "tail");
}

TEST(Serialization, OddInputStillReadsBackStably) {
    const char* pages[] = {
        "<plaintext>a</b> & <c>",         // everything after it is text
        "<table><plaintext>x",            // and it may stand before a table
        "<script><!--<script>unfinished", // cut off inside a nested script
        "<svg><path d='M0 0'/><foreignObject><p>x</p></foreignObject></svg><math><mi>y</mi>",
        "<a href=x><table><a href=y>z</a></table>", // the parser nests links here
        "<p><b>1<p>2</b>3",                         // formatting carried across paragraphs
        "<!DOCTYPE><html><body>\xEF\xBF\xBD</body></html><!-- after -->",
        "<template><tr><td>t</td></tr></template><select><option>a<option>b</select>",
        "<a =x b\"c=1 '<d=2>e</a><!x><?php echo 1; ?>",
        "<title>&lt;t&gt;</title><textarea>\n\nx</textarea><pre>\ny</pre>",
    };
    for (const char* page : pages) {
        std::string once = roundTrip(page);
        EXPECT_EQ(roundTrip(once), once) << page;
    }
    EXPECT_EQ(roundTrip("<plaintext>a</b>"), "<HTML><HEAD></HEAD><BODY><PLAINTEXT>a</b>");
    // Links the parser nested (which no markup can express) are settled as read back.
    EXPECT_EQ(roundTrip("<a href=x><table><a href=y>z</a></table>"),
              "<HTML><HEAD></HEAD><BODY><A href=\"x\"></A><A href=\"y\">z</A><TABLE></TABLE>"
              "</BODY></HTML>");
    auto script = Document::parse("<script><!--<script>x")->scripts().item(0);
    EXPECT_EQ(script->innerHTML(), "<!--<script>x-->");
    // A byte order mark is no part of the page.
    EXPECT_EQ(roundTrip("\xEF\xBB\xBF<p>x"), "<HTML><HEAD></HEAD><BODY><P>x</P></BODY></HTML>");
}

// Every walk over the tree (writing it out, listing its elements, letting it go) recurses, so
// markup nested far deeper than any real page is kept at a depth those walks can take: the
// deepest elements follow each other, each keeping its own text, as browsers do it.
TEST(Serialization, DeeplyNestedMarkupIsKeptShallowEnoughToWalk) {
    std::string page = "<body><form name=f>";
    for (int i = 0; i < 20000; ++i)
        page += i % 2 ? "<div>" : "<span>";
    page += "<input name=deep>text<script>if (a < b) x();</script>";
    auto document = Document::parse(page);
    EXPECT_EQ(document->all().length(), 3 + 1 + 20000 + 2);
    auto form = byName(document, "f");
    EXPECT_EQ(form->length(), 1);
    EXPECT_EQ(document->scripts().item(0)->innerHTML(), "if (a < b) x();");
    EXPECT_NE(document->body()->innerHTML().find("<DIV>text</DIV><INPUT name=\"deep\"><SCRIPT>"),
              std::string::npos);
    std::string once = document->serialize();
    EXPECT_EQ(roundTrip(once), once);
    form->setOuterHTML(form->outerHTML());
    EXPECT_EQ(document->serialize(), once);
}

// Tables nested deeper than the tree is kept: each saving reads back as the page saved before.
TEST(Serialization, TablesNestedBeyondTheDeepestLevelReadBackAsSaved) {
    for (int tables : {749, 750, 751, 1000}) {
        SCOPED_TRACE(tables);
        std::string page = "<body><form name=f>";
        for (int i = 0; i < tables; ++i)
            page += "<table><tr><td>";
        page += "<input name=deep>cell";
        for (int i = 0; i < tables; ++i)
            page += "</td></tr></table>";
        auto document = Document::parse(page);
        EXPECT_EQ(document->all().tags("TABLE").length(), tables);
        EXPECT_EQ(document->all().tags("TD").length(), tables);
        EXPECT_EQ(byName(document, "f")->length(), 1);
        const std::string once = document->serializeForSaving();
        EXPECT_NE(once.find("<INPUT name=\"deep\">"), std::string::npos);
        EXPECT_NE(once.find("cell</TD>"), std::string::npos);
        EXPECT_EQ(Document::parse(once)->serializeForSaving(), once);
    }
}

// Markup that the parser repairs into a tree its own markup does not give back (a foreign
// element named like the page's root holding a table; list items split by forms that end
// early): the page as saved reads back as itself.
TEST(Serialization, ASavedPageReadsBackAsItselfWhereTheParserRepairedIt) {
    for (const char* page : {"<svg><html><title><table>", "<FORM><li><b></FORM><FORM><li>",
                             "<form><li><p></form><form><li>"}) {
        SCOPED_TRACE(page);
        const std::string saved = dom::Document::parse(page)->serializeForSaving();
        EXPECT_EQ(dom::Document::parse(saved)->serialize(), saved);
    }
}

// Most pages read back as the very tree they were written from. That is found by comparing the
// parser's reading with the tree, which builds no second page, and a page that reading would
// change, or another tree, is never taken for a match.
TEST(Serialization, APageThatReadsBackAsItsOwnTreeIsFoundWithoutBuildingItAgain) {
    using dom::HtmlParser;
    auto matches = [](const std::shared_ptr<Document>& document, const std::string& text) {
        return HtmlParser::readsBackAs(text, *document->root());
    };
    for (const char* page :
         {"<!DOCTYPE html><title>t</title><div><form>\n<input>\n</form></div>\n<p>x<!--c--></p>",
          "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"><pre>\n\nx</pre>",
          "<form name=f>a <b>b</b> c\n</form>\ntail<script>if (a < b) x();</script>",
          "<svg><circle r=1 xlink:href=\"#x\"/></svg><textarea>\n\nt</textarea>"}) {
        SCOPED_TRACE(page);
        auto document = Document::parse(page);
        EXPECT_TRUE(matches(document, document->serialize()));
        EXPECT_EQ(document->serializeForSaving(), document->serialize());
    }
    // Neighbouring texts are written as one, which reads back as one.
    auto document = Document::parse("<p id=p>x</p>");
    document->all().item("p")->insertAdjacentHTML("BeforeEnd", "y");
    EXPECT_TRUE(matches(document, document->serialize()));

    EXPECT_FALSE(matches(document, "<p id=p>xz</p>"));
    EXPECT_FALSE(matches(document, "<p id=q>xy</p>"));
    EXPECT_FALSE(matches(document, "<!DOCTYPE html><p id=p>xy</p>"));
    EXPECT_FALSE(matches(document, "<p id=p>xy</p><!---->"));
    // A form among a table's rows is read empty, and the fixing of forms gives it back the rows
    // up to its last field: so its page reads back as itself, unless the form holds a row after
    // its last field.
    auto rows = Document::parse("<table><tr><td>x</td></tr><form name=f><tr><td><input name=a>"
                                "</td></tr><tr><td><input name=b></td></tr></table>");
    EXPECT_TRUE(matches(rows, rows->serialize()));
    rows->all().item("b")->setOuterHTML("");
    EXPECT_FALSE(matches(rows, rows->serialize()));
    const std::string saved = rows->serializeForSaving();
    EXPECT_EQ(Document::parse(saved)->serialize(), saved);

    // Trees the parser repairs read back otherwise: the page is read the long way.
    for (const char* page : {"<svg><html><title><table>", "<FORM><li><b></FORM><FORM><li>"}) {
        SCOPED_TRACE(page);
        auto repaired = Document::parse(page);
        EXPECT_FALSE(matches(repaired, repaired->serialize()));
    }
}
