// Insert Form From Favourites, and the listing that both favourites dialogs share, on stores
// written the way the Add dialog writes them and on stores edited or damaged by hand.

#include "StoreFiles.h"
#include "tests/fieldmanager/PageSession.h"

#include "formtools/frmAddFavForm.h"
#include "formtools/frmInsertForm.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/editor/Application.h"
#include "platform/sys/Text.h"
#include "platform/ui/Driver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::Not;
using zirirur::frmAddFavForm;
using zirirur::frmInsertForm;

// The position of the script element with that id in the page's markup; npos when none.
std::size_t scriptAt(const std::string& markup, const std::string& id) {
    return markup.find("id=\"" + id + "\"");
}

int count(const std::string& text, const std::string& part) {
    int found = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

// A favourite saved from the order form of one web, and a target page in another web.
class InsertTest : public ::testing::Test {
protected:
    InsertTest() {
        ScratchFolder::writeFile(page.webFolder() + "/shop/images/logo.gif", "GIF89a logo");
        ScratchFolder::writeFile(page.webFolder() + "/shop/buttons/send.png", "PNG send");
        page.placeCursor("customer");
        frmAddFavForm add;
        page.run(add, {act::set("txtFavName", "Order Form"), act::set("txtFavDesc", "To order"),
                       act::click("Command1")});
    }

    // Opens a page of these bytes in a web of its own, the caret after "here".
    void openTarget(const std::string& relative, const std::string& html) {
        const fs::path web = fs::path(page.webFolder()).parent_path() / "other web";
        ScratchFolder::writeFile(web / relative, html);
        page.app().openWeb(web.string());
        page.app().openPage((web / relative).string());
        page.placeCursor("here");
        targetFolder = (web / relative).parent_path();
    }

    std::vector<std::string> insert(std::vector<ui::Driver::Action> actions) {
        frmInsertForm dialog;
        auto transcript = page.run(dialog, std::move(actions));
        EXPECT_FALSE(dialog.isLoaded());
        return transcript;
    }

    PageSession page{"fav-order-form.htm", "shop"};
    StoreFiles store{page.installFolder()};
    fs::path targetFolder;
};

const std::string Target = "<!DOCTYPE html><html><head><title>Target</title></head><body>"
                           "<p id=\"here\">Here:</p><p>After.</p></body></html>";

TEST_F(InsertTest, APageThatHoldsTheScriptsGetsNeitherAgain) {
    openTarget("target.htm", "<html><head><script id=\"VQRTextFuncs\"></script>"
                             "<script id=\"VQRStatus\"></script></head>"
                             "<body><p id=\"here\">Here:</p></body></html>");
    insert({act::select("List1", "Order Form"), act::click("Command1")});
    const std::string markup = page.document()->serialize();
    EXPECT_EQ(count(markup, "id=\"VQRTextFuncs\""), 1);
    EXPECT_EQ(count(markup, "id=\"VQRStatus\""), 1);
    EXPECT_EQ(page.document()->all().tags("FORM").length(), 1);
}

TEST_F(InsertTest, WithNothingSelectedTheInsertChangesNothing) {
    // The FormImages folder holds a stray file that must not reach the web.
    store.write("FormImages/stray.gif", "stray");
    openTarget("target.htm", Target);
    page.document()->setSelectionToContentOf(page.element("here"));
    const std::string before = page.document()->serialize();
    const auto transcript = insert({act::click("Command1")});
    EXPECT_THAT(transcript, ElementsAre("form shown:  Insert Form", "form closed:  Insert Form"));
    EXPECT_EQ(page.document()->serialize(), before);
    EXPECT_FALSE(fs::exists(targetFolder / "stray.gif"));
}

TEST_F(InsertTest, AnElementSelectedWholeGetsNoPasteButTheRestRuns) {
    openTarget("target.htm", Target);
    page.document()->setControlSelection(page.element("here"));
    const auto transcript = insert({act::select("List1", "Order Form"), act::click("Command1")});
    EXPECT_THAT(errorLines(transcript), IsEmpty());
    EXPECT_EQ(page.document()->all().tags("FORM").length(), 0);
    EXPECT_TRUE(fs::exists(targetFolder / "logo.gif"));
    EXPECT_NE(scriptAt(page.document()->serialize(), "VQRTextFuncs"), std::string::npos);
}

TEST_F(InsertTest, ScriptFilesFollowTheFunctionNamesInTheirExactCase) {
    store.write("FormFavs/Lower.ffv", "<form><input onfocus=\"zirirurstatus('x');\"></form>\r\n");
    store.write("FormFavs/Counter.ffv",
                "<form><input onkeyup=\"ZirirurTextCounter(this,5);\"></form>\r\n");
    store.writeIndex(store.index() + indexLine("[Lower](){}<>#%%#") +
                     indexLine("[Counter](){}<>#%%#"));
    for (const char* name : {"Lower", "Counter"}) {
        SCOPED_TRACE(name);
        openTarget(std::string(name) + ".htm", Target);
        insert({act::select("List1", name), act::click("Command1")});
        const std::string markup = page.document()->serialize();
        EXPECT_EQ(scriptAt(markup, "VQRStatus"), std::string::npos);
        EXPECT_EQ(scriptAt(markup, "VQRTextFuncs") != std::string::npos,
                  std::string(name) == "Counter");
    }
}

TEST(frmInsertForm, ListsWhatCanBeListedOfAHandEditedOrDamagedIndex) {
    PageSession page("fav-order-form.htm");
    StoreFiles store(page.installFolder());
    for (const char* name : {"Plain", "Cut", "Broken", "Moved", "x", "Late"})
        store.write("FormFavs/" + std::string(name) + ".ffv", "<form></form>\r\n");
    store.write("Scripts.ffv", "outside the store");
    store.writeIndex(
        std::string("Zirirur Forms Data File\r\r\n") +
        indexLine("[Plain](A plain one){a}<get>#%f%#") + indexLine("[Cut](has ) inside){}<>#%%#") +
        indexLine("[Broken](first line\r\nsecond line){}<>#%%#") + "no marks at all\r\n" +
        indexLine("[](empty name)") + indexLine("[Gone](its form file is missing)") +
        indexLine("[..\\Scripts](a path out of the store)") +
        indexLine("[Bad\x01\x80\xFF](bytes)") + std::string("\x00\x1A\r\n", 4) +
        "  text before the mark [Moved](hand made)\n[x]\r" + "[Late](no line end)");
    frmInsertForm dialog;
    page.run(dialog, {act::inspect([] {
                          EXPECT_THAT(rows("List1"),
                                      ElementsAre("Plain", "Cut", "Broken", "Moved", "Late"));
                      }),
                      act::select("List1", "Cut"), act::inspect([] {
                          expectShown({{"Label5", "has "}});
                      }),
                      act::select("List1", "Broken"), act::inspect([] {
                          expectShown({{"Label5", ""}});
                      }),
                      act::select("List1", "Plain"), act::inspect([] {
                          expectShown({{"Label5", "A plain one"}});
                      })});
}

TEST(frmInsertForm, TextThatTheCodePageLacksComesBackTheSame) {
    PageSession page("fav-utf8-form.htm");
    StoreFiles store(page.installFolder());
    page.placeCursor("label");
    const std::string label = page.element("label")->getProperty("innerHTML");
    const std::string value = page.element("name")->getProperty("value");
    frmAddFavForm add;
    page.run(add, {act::set("txtFavName", "Contact"), act::click("Command1")});

    // The form file is code page text: what the code page lacks is written as a reference.
    const std::string stored = store.formFile("Contact");
    EXPECT_THAT(stored, HasSubstr("&#1575;&#1604;&#1575;&#1587;&#1605; / &#21517;&#21069; / "
                                  "caf\xE9 \x80"));
    EXPECT_THAT(stored, HasSubstr("value=\"&#1605;&#1585;&#1581;&#1576;&#1575; &#128512;\""));
    EXPECT_THAT(stored, Not(HasSubstr("?")));

    // Inserted into a new page, the form shows the same text again.
    page.app().newPage("<html><head></head><body><p id=\"here\">Here:</p></body></html>");
    page.placeCursor("here");
    frmInsertForm insert;
    page.run(insert, {act::select("List1", "Contact"), act::click("Command1")});
    auto forms = page.document()->all().tags("FORM");
    ASSERT_EQ(forms.length(), 1);
    EXPECT_EQ(forms.item(0)->item(0)->getProperty("value"), value);
    EXPECT_EQ(forms.item(0)->item(1)->getProperty("value"),
              "\xE7\x99\xBE\xE5\xBA\xA6\xE4\xB8\x80\xE4\xB8\x8B");
    EXPECT_EQ(forms.item(0)->item(0)->getProperty("name"), "\xE5\x90\x8D\xE5\x89\x8D");
    EXPECT_EQ(page.document()->all().tags("P").item(1)->getProperty("innerHTML"), label);
}

} // namespace
