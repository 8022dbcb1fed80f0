// The Quick Form Components dialog in-process: its list, its descriptions and GotScriptHere. The
// insert command's roads through the host program, the shipped components among them, are in
// CompsHostTest.cpp.

#include "PageSession.h"
#include "TestComponents.h"

#include "formtools/frmComps.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/ui/MsgBox.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::IsEmpty;
using zirirur::frmComps;

const char* const FormPage = "<html><head><title>t</title></head><body>\n"
                             "<form name=\"Order\"><input name=\"Item\"></form>\n"
                             "</body></html>\n";

TEST(frmComps, ListsTheComponentFoldersSortedAndNoPlainFile) {
    auto page = PageSession::fromBytes(FormPage);
    frmComps dialog;
    // No store at all: an empty list.
    page->run(dialog, {act::inspect([] { EXPECT_THAT(rows("List1"), IsEmpty()); })});

    for (const char* name : {"b second", "A first", "zeta"})
        MakeComponent(page->installFolder(), {.name = name});
    std::ofstream(page->installFolder() + "/FormComps/notes.txt") << "not a component";
    const auto transcript = page->run(
        dialog, {act::inspect([] {
                     EXPECT_THAT(rows("List1"), ElementsAre("A first", "b second", "zeta"));
                     // Nothing chosen yet.
                     expectShown({{"List1", ""}, {"Label5", ""}});
                 }),
                 act::click("Command3")});
    EXPECT_THAT(transcript,
                ElementsAre("form shown: Form Components +", "form closed: Form Components +"));
}

TEST(frmComps, ShowsTheDescriptionOfTheComponentClickedAndNothingForOneGone) {
    auto page = PageSession::fromBytes(FormPage);
    MakeComponent(page->installFolder(),
                  {.name = "Described", .description = "Line one\r\nLine two, caf\xC3\xA9"});
    MakeComponent(page->installFolder(), {.name = "Plain"});
    MakeComponent(page->installFolder(), {.name = "Vanishing", .description = "soon gone"});
    const std::string before = page->document()->serialize();

    frmComps dialog;
    const auto transcript = page->run(
        dialog, {act::select("List1", "Described"), act::inspect([] {
                     expectShown({{"Label5", "Line one\r\nLine two, caf\xC3\xA9"}});
                 }),
                 act::select("List1", "Plain"), act::inspect([] {
                     expectShown({{"Label5", ""}});
                 }),
                 act::select("List1", "Vanishing"), act::inspect([&] {
                     expectShown({{"Label5", "soon gone"}});
                     fs::remove_all(page->installFolder() + "/FormComps/Vanishing");
                 }),
                 // Clicked again once its folder has gone: an empty description, no error.
                 act::click("List1"), act::inspect([] {
                     expectShown({{"Label5", ""}});
                 }),
                 act::click("Command3")});
    EXPECT_THAT(errorLines(transcript), IsEmpty());
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_EQ(page->document()->serialize(), before);
}

TEST(frmComps, GotScriptHereComparesScriptsAsThePageWritesThemWithLineBreaksAsBlanks) {
    auto page = PageSession::fromBytes("<html><head><script>var a = 1;</script>\n"
                                       "<script>\nfunction f() {\n  return 2;\n}\n</script>"
                                       "<script data-form=\"A&amp;B\" data-x='It&#39;s x&lt;y'>"
                                       "go();</script></head><body><p>x</p></body></html>");
    frmComps dialog;
    page->run(
        dialog, {act::inspect([&] {
            const std::pair<std::string, bool> cases[] = {
                {"<SCRIPT>var a = 1;</SCRIPT>", true},
                // Outer blanks and line breaks aside.
                {"\n  <SCRIPT>\nfunction f() {\n  return 2;\n}\n</SCRIPT>\n ", true},
                // A line feed reads as one blank, so a blank in its place is equal.
                {"<SCRIPT> function f() {   return 2; } </SCRIPT>", true},
                // CR LF gives two blanks against one.
                {"<SCRIPT>\r\nfunction f() {\r\n  return 2;\r\n}\r\n</SCRIPT>", false},
                // Letter case counts in the script, not in the markup around it: the
                // page writes tag names, quotes and escapes its own way.
                {"<SCRIPT>VAR a = 1;</SCRIPT>", false},
                {"<script>var a = 1;</script>", true},
                {"<SCRIPT data-form=\"A&amp;B\" data-x=\"It&#39;s x&lt;y\">go();</SCRIPT>", true},
                {"<SCRIPT>var a = 2;</SCRIPT>", false},
            };
            for (const auto& [script, present] : cases) {
                std::string what = script;
                EXPECT_EQ(dialog.GotScriptHere(what), present) << script;
                EXPECT_EQ(what, script);
            }
        })});
}

} // namespace
