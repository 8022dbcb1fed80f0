// The Quick Form Components command through the host program, as a user works it, with
// components that each test makes in an installation folder of its own.

#include "TestComponents.h"
#include "tests/host/HostRun.h"
#include "tests/platform/editor/ScratchFolder.h"

#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::Not;
using testing::UnorderedElementsAre;

const char* const Shown = "form shown: Form Components +";
const char* const Closed = "form closed: Form Components +";
const char* const Menu = "menu Quick Form Components\n";
const char* const NotInForm =
    "msgbox [Zirirur] none: Not currently in a form! Do you wish to insert one now? -> ";
const char* const Unnamed =
    "msgbox [Zirirur] none: This form has no identifying name! Do you wish to name it now? -> ";
const char* const NameAsked = "input [Zirirur]: Name to give form? -> ";
const char* const BadName = "msgbox [Zirirur] exclamation: No or bad name given! Exiting. -> OK";
const char* const NoWeb = "msgbox [Zirirur] information: Additional image/file contents etc (if "
                          "any) will not be added without being in a Frontpage Web. -> OK";
const char* const NoData =
    "msgbox [Zirirur] exclamation: Data Files not found! Please check your installation. -> OK";
const char* const ExtraAsked =
    "input [Zirirur]: This component requires extra data, such as text for a message or such, as "
    "described in the component description.\\r\\rPlease enter the additional text/data :  -> ";

// A page with a named form, an unnamed one and a paragraph in no form.
const char* const Page = "<html><head><title>t</title></head><body>\n"
                         "<div id=\"intro\">Hello</div>\n"
                         "<form name=\"Contact\" action=\"send\"><input name=\"Email\"></form>\n"
                         "<form action=\"other\"><input name=\"Other\"></form>\n"
                         "</body></html>\n";

// Every section and placeholder but the two that ask the user.
const TestComponent Full{
    .name = "Full",
    .description = "Everything",
    .part1 = "\n<SCRIPT id=\"{FORMNAME}Head\">var head = 1;</SCRIPT>\n",
    .part2 = "<SCRIPT>var start = \"{formname}\";</SCRIPT>",
    .part3 = "<SPAN id=\"Part3\">in {FORMNAME}</SPAN>",
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

enum class InWeb { Yes, No };

class CompsHostTest : public hosttest::HostRunTest {
protected:
    fs::path install() const { return m_dir / "install"; }
    fs::path web() const { return m_dir / "site"; }
    void component(const TestComponent& made) { MakeComponent(install().string(), made); }

    // The components as shipped.
    void shipped() const {
        fs::create_directories(install());
        fs::copy(fs::path(ZIRIRUR_INSTALL_DIR) / "FormComps", install() / "FormComps",
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }

    // Puts the page at pagePath (in the web unless told), runs the host on it with the script
    // and the caret at cursor, and gives the transcript's lines; the host saves the page in
    // place. The run must end well.
    std::vector<std::string> run(const std::string& script, const std::string& cursor,
                                 InWeb inWeb = InWeb::Yes, const std::string& page = Page,
                                 const std::string& folder = "") {
        m_page = (inWeb == InWeb::Yes ? web() / folder : m_dir / "loose") / "page.htm";
        ScratchFolder::writeFile(m_page, page);
        std::vector<std::string> args{"--install",     install().string(), "--page",
                                      m_page.string(), "--cursor",         cursor};
        if (inWeb == InWeb::Yes) {
            args.push_back("--web");
            args.push_back(web().string());
        }
        const hosttest::HostRun result = HostRunTest::run(args, script);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");
        return linesOf(result.out);
    }

    // The page as the host saved it, and as a browser's parser reads it.
    std::string saved() const { return ScratchFolder::readFile(m_page); }
    std::shared_ptr<dom::Document> savedDocument() const { return dom::Document::parse(saved()); }

    std::vector<std::string> filesIn(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file() && entry.path() != m_page)
                names.push_back(entry.path().filename().string());
        return names;
    }

    fs::path m_page;
};

TEST_F(CompsHostTest, ANamedFormAtTheCursorTakesItsPartThereAndTheScriptsGoAroundTheBodyStart) {
    component(Full);
    // A double click on the row inserts at once.
    EXPECT_THAT(run(std::string(Menu) + "select List1 Full\ndblclick List1\n", "Email"),
                ElementsAre(Shown, Closed));

    const std::string page = saved();
    // PART3 at the cursor, right after the field; PART2 first in the body; PART1 before the
    // body, which a saved page holds as the end of its head.
    EXPECT_THAT(page, HasSubstr("<INPUT name=\"Email\"><SPAN id=\"Part3\">in Contact</SPAN>"));
    EXPECT_THAT(page, HasSubstr("<BODY><SCRIPT>var start = \"Contact\";</SCRIPT>"));
    EXPECT_THAT(page, HasSubstr("<SCRIPT id=\"ContactHead\">var head = 1;</SCRIPT></HEAD>"));
    EXPECT_LT(page.find("ContactHead"), page.find("<BODY>"));

    // Inserted again: its scripts are there already, only PART3 comes again.
    run(std::string(Menu) + "select List1 Full\nclick Command1\n", "Email", InWeb::Yes, page);
    auto again = savedDocument();
    EXPECT_EQ(again->scripts().length(), 2);
    EXPECT_EQ(again->all().tags("SPAN").length(), 2);
}

TEST_F(CompsHostTest, AFormNameWithQuotesAndMarkupReadsBackAsItIsAndBreaksNothing) {
    component(Full);
    const std::string name = "It's \"ours\" & <b>";
    run(std::string(Menu) + "select List1 Full\nclick Command1\n", "Field", InWeb::Yes,
        "<html><head></head><body><form name='It&#39;s &quot;ours&quot; &amp; &lt;b&gt;'>"
        "<input name=\"Field\"></form></body></html>");
    auto page = savedDocument();
    EXPECT_EQ(page->all().item("Part3")->textContent(), "in " + name);
    EXPECT_EQ(page->scripts().length(), 2);
    EXPECT_EQ(page->scripts().item(0)->id(), name + "Head");
    EXPECT_EQ(page->all().tags("FORM").length(), 1);
}

TEST_F(CompsHostTest, OutsideEveryFormYesAndANameGiveANewFormHoldingTheComponent) {
    component(Full);
    component({.name = "Scripts only", .part1 = "<SCRIPT>var only = 1;</SCRIPT>"});

    EXPECT_THAT(run(std::string(Menu) + "select List1 Full\nanswer Yes\ninput Contact1\n"
                                        "click Command1\n",
                    "intro"),
                ElementsAre(Shown, NotInForm + std::string("Yes"),
                            NameAsked + std::string("Contact1"), Closed));
    EXPECT_THAT(saved(),
                HasSubstr("<DIV id=\"intro\">Hello<DIV><FORM name=\"Contact1\" action=\"\" "
                          "method=\"POST\"><SPAN id=\"Part3\">in Contact1</SPAN>"
                          "</FORM></DIV></DIV>"));

    // Without PART3 the new form keeps its placeholder.
    run(std::string(Menu) + "select List1 \"Scripts only\"\nanswer Yes\ninput Contact2\n"
                            "click Command1\n",
        "intro");
    EXPECT_THAT(saved(), HasSubstr("<FORM name=\"Contact2\" action=\"\" method=\"POST\">"
                                   "<DIV id=\"VQTempDIV\">NewForm</DIV></FORM>"));
    EXPECT_THAT(saved(), HasSubstr("var only = 1;"));
}

TEST_F(CompsHostTest, ARefusedNameTakesTheNewFormAwayAgainAndNoEndsAtOnce) {
    component(Full);
    const std::string pick = std::string(Menu) + "select List1 Full\n";
    for (const char* answer : {"input Contact-1", "input \"two words\"", "input --cancel"}) {
        SCOPED_TRACE(answer);
        const auto transcript = run(pick + "answer Yes\n" + answer + "\nclick Command1\n", "intro");
        EXPECT_EQ(transcript.size(), 5u);
        EXPECT_EQ(transcript.at(3), BadName);
        // The outer DIV stays, holding a blank; nothing of the component came.
        EXPECT_THAT(saved(), HasSubstr("<DIV id=\"intro\">Hello<DIV> </DIV></DIV>"));
        EXPECT_THAT(saved(), Not(HasSubstr("FORM name=\"VQTempForm\"")));
        EXPECT_THAT(saved(), Not(HasSubstr("SCRIPT")));
    }

    EXPECT_THAT(run(pick + "answer No\nclick Command1\n", "intro"),
                ElementsAre(Shown, NotInForm + std::string("No"), Closed));
    EXPECT_EQ(saved(), Page); // nothing changed it: the host leaves it as it was
}

TEST_F(CompsHostTest, AnUnnamedFormIsNamedOnYesAndLeftAloneOtherwise) {
    component(Full);
    const std::string pick = std::string(Menu) + "select List1 Full\n";

    EXPECT_THAT(run(pick + "answer Yes\ninput Second\nclick Command1\n", "Other"),
                ElementsAre(Shown, Unnamed + std::string("Yes"), NameAsked + std::string("Second"),
                            Closed));
    EXPECT_THAT(saved(), HasSubstr("<FORM action=\"other\" name=\"Second\"><INPUT name=\"Other\">"
                                   "<SPAN id=\"Part3\">in Second</SPAN></FORM>"));

    EXPECT_THAT(run(pick + "answer No\nclick Command1\n", "Other"),
                ElementsAre(Shown, Unnamed + std::string("No"), NoWeb, Closed));
    EXPECT_THAT(saved(), Not(HasSubstr("Part3")));

    EXPECT_THAT(run(pick + "answer Yes\ninput \"\"\nclick Command1\n", "Other"),
                ElementsAre(Shown, Unnamed + std::string("Yes"), NameAsked, BadName, Closed));
    EXPECT_EQ(saved(), Page); // nothing changed it: the host leaves it as it was
}

TEST_F(CompsHostTest, AMissingDataFileIsReportedAfterTheExtraFilesAndKeepsTheNewForm) {
    component({.name = "No data", .extraFiles = {{"pic.gif", "GIF89a"}}, .hasDataFile = false});
    EXPECT_THAT(run(std::string(Menu) + "select List1 \"No data\"\nanswer Yes\ninput Order\n"
                                        "click Command1\n",
                    "intro"),
                ElementsAre(Shown, NotInForm + std::string("Yes"), NameAsked + std::string("Order"),
                            NoData, Closed));
    EXPECT_EQ(ScratchFolder::readFile(web() / "pic.gif"), "GIF89a");
    EXPECT_THAT(saved(), HasSubstr("<FORM name=\"Order\" action=\"\" method=\"POST\">"
                                   "<DIV id=\"VQTempDIV\">NewForm</DIV></FORM>"));

    // No row chosen: the store folder itself is taken, which holds no data file.
    EXPECT_THAT(run(std::string(Menu) + "click Command1\n", "Email"),
                ElementsAre(Shown, NoData, Closed));
}

TEST_F(CompsHostTest, ANewFormTakesItsComponentInsideItselfNotInANewFormOfAnEarlierRun) {
    shipped();
    // The first run's form keeps its placeholder: no row was chosen, so no data file was found.
    EXPECT_THAT(run(std::string(Menu) + "answer Yes\ninput A1\nclick Command1\n", "intro",
                    InWeb::Yes,
                    "<p id=intro>Hi</p><p id=later>Later</p><form name=F1><input name=x></form>"),
                ElementsAre(Shown, NotInForm + std::string("Yes"), NameAsked + std::string("A1"),
                            NoData, Closed));
    run(std::string(Menu) + "select List1 \"Submit Once\"\nanswer Yes\ninput B2\n"
                            "click Command1\n",
        "later", InWeb::Yes, saved());
    auto page = savedDocument();
    auto first = page->all().item("A1");
    auto second = page->all().item("B2");
    ASSERT_TRUE(first && second);
    EXPECT_TRUE(first->all().item("VQTempDIV"));
    EXPECT_FALSE(first->all().item("SendOnce"));
    EXPECT_FALSE(second->all().item("VQTempDIV"));
    EXPECT_TRUE(second->all().item("SendOnce"));
}

// Each shipped component, with the answers it asks for.
struct ShippedInsert {
    std::string component;
    std::string answers; // script lines
    std::vector<std::string> asked;
};

TEST_F(CompsHostTest, EveryShippedComponentInsertedTwiceIntoAFormOfAnyNameBringsItsScriptsOnce) {
    shipped();
    const ShippedInsert inserts[] = {
        {"Confirm Before Reset", "input Sure?\n", {ExtraAsked + std::string("Sure?")}},
        {"E-mail Address Check", "", {}},
        {"Go To Address Button",
         "input Prices\nhyperlink prices.htm\n",
         {ExtraAsked + std::string("Prices"), "hyperlink -> prices.htm"}},
        {"Jump Menu", "input Home=index.htm\n", {ExtraAsked + std::string("Home=index.htm")}},
        {"Required Fields Check", "input Item\n", {ExtraAsked + std::string("Item")}},
        {"Submit Once", "", {}},
        {"Text Area With Countdown", "input 100\n", {ExtraAsked + std::string("100")}},
    };
    std::string script;
    std::vector<std::string> transcript;
    for (const auto& insert : inserts) {
        script += std::string(Menu) + "select List1 \"" + insert.component + "\"\n" +
                  insert.answers + "click Command1\n";
        transcript.push_back(Shown);
        transcript.insert(transcript.end(), insert.asked.begin(), insert.asked.end());
        transcript.push_back(Closed);
    }
    // A form's name goes into the components as markup that the page writes back its own way.
    const std::pair<std::string, std::string> forms[] = {
        {"A&B", "F1"}, {"It's", "F2"}, {"x<y", "F3"}, {"Plain", "F4"}};
    std::string page = "<html><head><title>t</title></head><body>\n"
                       "<form name=\"A&amp;B\"><input id=\"F1\" name=\"Item\"></form>\n"
                       "<form name=\"It's\"><input id=\"F2\" name=\"Item\"></form>\n"
                       "<form name=\"x&lt;y\"><input id=\"F3\" name=\"Item\"></form>\n"
                       "<form name=\"Plain\"><input id=\"F4\" name=\"Item\"></form>\n"
                       "</body></html>\n";
    auto scriptsOf = [](const dom::Document& document) {
        std::vector<std::string> scripts;
        for (const auto& element : document.scripts().toVector())
            scripts.push_back(element->outerHTML());
        return scripts;
    };
    for (const auto& [name, field] : forms) {
        SCOPED_TRACE(name);
        EXPECT_THAT(run(script, field, InWeb::Yes, page), ElementsAreArray(transcript));
        auto once = savedDocument();
        // Inserted again on the page as saved: the form takes each component a second time,
        // its scripts are found there already.
        EXPECT_THAT(run(script, field, InWeb::Yes, saved()), ElementsAreArray(transcript));
        auto twice = savedDocument();
        EXPECT_EQ(scriptsOf(*twice), scriptsOf(*once));
        // What the components put into the form, beside its one field.
        auto added = [&](const dom::Document& document) {
            return document.all().item(field)->enclosingForm()->all().length() - 1;
        };
        EXPECT_EQ(added(*twice), 2 * added(*once));
        EXPECT_EQ(twice->all().item(field)->enclosingForm()->getAttribute("name"), name);
        page = saved();
    }
    // No form's scripts are another's.
    const auto scripts = scriptsOf(*savedDocument());
    EXPECT_EQ(std::set<std::string>(scripts.begin(), scripts.end()).size(), scripts.size());
}

TEST_F(CompsHostTest, ExtraDataIsAskedForOnceAndLandsAsTypedAndThePickedAddressAsGiven) {
    component({.name = "Ask",
               .part3 = "<B id=\"Upper\">{XTRADATA}</B><I id=\"Lower\">{xtradata}</I>"
                        "<INPUT id=\"Typed\" value=\"{XTRADATA}\"><A id=\"Link\" "
                        "href=\"{HYPERLINK}\">go</A>"});
    component({.name = "Quiet", .part3 = "<B id=\"Quiet\">{xtradata}</B>"});
    const std::string typed = "Tom & \"Jerry\" <i>it's</i>";

    EXPECT_THAT(run(std::string(Menu) + "select List1 Ask\n"
                                        "input \"Tom & \\\"Jerry\\\" <i>it's</i>\"\n"
                                        "hyperlink \"two.htm?a=1&b='x'\"\n"
                                        "click Command1\n",
                    "Email"),
                ElementsAre(Shown, ExtraAsked + typed, "hyperlink -> two.htm?a=1&b='x'", Closed));
    auto page = savedDocument();
    // Both placeholders are replaced with the text as typed; the markup around it holds.
    EXPECT_EQ(page->all().item("Upper")->textContent(), typed);
    EXPECT_EQ(page->all().item("Lower")->textContent(), typed);
    EXPECT_EQ(page->all().item("Typed")->getAttribute("value"), typed);
    EXPECT_EQ(page->all().item("Link")->getAttribute("href"), "two.htm?a=1&b='x'");
    // The link is where the cursor was, inside the form, not in the hyperlink picker's hidden
    // element.
    EXPECT_EQ(page->all().item("Link")->parentElement()->tagName(), "FORM");
    EXPECT_EQ(page->all().item("FPLink1")->innerHTML(), "");

    // Only the lower-case placeholder: no question, and it stays.
    EXPECT_THAT(run(std::string(Menu) + "select List1 Quiet\nclick Command1\n", "Email"),
                ElementsAre(Shown, Closed));
    EXPECT_EQ(savedDocument()->all().item("Quiet")->textContent(), "{xtradata}");
}

TEST_F(CompsHostTest, ExtraFilesGoIntoThePagesWebFolderButFilesDat) {
    component({.name = "Files",
               .part3 = "<SPAN id=\"Part3\">x</SPAN>",
               .extraFiles = {{"helper.js", "new"},
                              {"files.dat", "index"},
                              {"FILES.DAT", "upper"},
                              {".hidden", "no"}}});
    ScratchFolder::writeFile(web() / "sub" / "helper.js", "old");

    EXPECT_THAT(run(std::string(Menu) + "select List1 Files\nclick Command1\n", "Email", InWeb::Yes,
                    Page, "sub"),
                ElementsAre(Shown, Closed));
    EXPECT_THAT(filesIn(web() / "sub"), UnorderedElementsAre("helper.js", "FILES.DAT"));
    EXPECT_EQ(ScratchFolder::readFile(web() / "sub" / "helper.js"), "new");
    EXPECT_THAT(filesIn(web()), IsEmpty());
    EXPECT_THAT(saved(), HasSubstr("<SPAN id=\"Part3\">x</SPAN>"));
}

TEST_F(CompsHostTest, APageInNoWebIsToldAndGetsTheSectionsButNoFiles) {
    component({.name = "Files",
               .part3 = "<SPAN id=\"Part3\">x</SPAN>",
               .extraFiles = {{"helper.js", "new"}}});
    component({.name = "Index only", .part3 = "<SPAN>y</SPAN>", .extraFiles = {{"files.dat", ""}}});
    component({.name = "No files", .part3 = "<SPAN>z</SPAN>"});

    EXPECT_THAT(run(std::string(Menu) + "select List1 Files\nclick Command1\n", "Email", InWeb::No),
                ElementsAre(Shown, NoWeb, Closed));
    EXPECT_THAT(saved(), HasSubstr("<SPAN id=\"Part3\">x</SPAN>"));
    EXPECT_THAT(filesIn(m_dir / "loose"), IsEmpty());

    // A files.dat alone is no file to add, but the web is still missed.
    EXPECT_THAT(run(std::string(Menu) + "select List1 \"Index only\"\nclick Command1\n", "Email",
                    InWeb::No),
                ElementsAre(Shown, NoWeb, Closed));
    EXPECT_THAT(
        run(std::string(Menu) + "select List1 \"No files\"\nclick Command1\n", "Email", InWeb::No),
        ElementsAre(Shown, Closed));
}

TEST_F(CompsHostTest, AnEarlierFailureOfTheRunLeavesTheExtraFilesOut) {
    component({.name = "Files",
               .part3 = "<SPAN id=\"Part3\">x</SPAN>",
               .extraFiles = {{"helper.js", "new"}}});
    // The new form's name is an id of the page already, so the form is not found again by it.
    EXPECT_THAT(run(std::string(Menu) + "select List1 Files\nanswer Yes\ninput intro\n"
                                        "click Command1\n",
                    "intro"),
                ElementsAre(Shown, NotInForm + std::string("Yes"), NameAsked + std::string("intro"),
                            Closed));
    EXPECT_THAT(filesIn(web()), IsEmpty());
    EXPECT_THAT(saved(), HasSubstr("<FORM name=\"intro\" action=\"\" method=\"POST\">"
                                   "<SPAN id=\"Part3\">x</SPAN></FORM>"));
}

TEST_F(CompsHostTest, ASectionThatCannotBeUnscrambledGoesInAsItWasRead) {
    ScratchFolder::writeFile(install() / "FormComps" / "Broken" / "compfld.dat",
                             std::string("[PART3]<U id=\"Raw\">a\0b</U>[/PART3]", 34));
    EXPECT_THAT(run(std::string(Menu) + "select List1 Broken\nclick Command1\n", "Email"),
                ElementsAre(Shown, Closed));
    auto page = savedDocument();
    auto raw = page->all().item("Raw");
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->parentElement()->tagName(), "FORM");
}

} // namespace
