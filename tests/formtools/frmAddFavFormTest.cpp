// Add Form To Favourites, driven as a user drives it, with the store's files read back byte for
// byte.

#include "StoreFiles.h"
#include "tests/fieldmanager/PageSession.h"

#include "formtools/frmAddFavForm.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/sys/Text.h"
#include "platform/ui/Driver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::Not;
using zirirur::frmAddFavForm;

const std::string Header = indexLine("Zirirur Forms Data File");
// The indexes of the control array Option1.
const int FieldsOnly = 0;
const int FieldsAndHTML = 1;
const std::string InvalidName = "msgbox [Zirirur] information: Name given is invalid. Please use "
                                "Alpha/Numeric values in naming. -> OK";

// The order form's page in the folder "shop" of a web, with the image files its form shows.
struct OrderPage {
    OrderPage() : page("fav-order-form.htm", "shop"), store(page.installFolder()) {
        write("shop/images/logo.gif", "GIF89a logo");
        write("shop/buttons/send.png", "PNG send");
        page.placeCursor("customer");
    }
    void write(const std::string& inWeb, const std::string& bytes) const {
        ScratchFolder::writeFile(page.webFolder() + "/" + inWeb, bytes);
    }
    // Saves the form at the cursor under a name, as the user does it.
    std::vector<std::string> save(const std::string& name, const std::string& description = "",
                                  int option = FieldsAndHTML) {
        frmAddFavForm dialog;
        auto transcript =
            page.run(dialog, {act::set("txtFavName", name), act::set("txtFavDesc", description),
                              [option] { ui::Driver::instance().click("Option1", option); },
                              act::click("Command1")});
        EXPECT_FALSE(dialog.isLoaded()) << "a save closes the dialog";
        return transcript;
    }

    PageSession page;
    StoreFiles store;
};

TEST(frmAddFavForm, AFreshStoreGetsItsHeaderAndASaveItsRecordAndFormFile) {
    OrderPage order;
    order.page.app().closeWeb();
    const std::string outer = order.page.element("order")->outerHTML();
    const std::string pageBefore = order.page.document()->serialize();

    frmAddFavForm dialog;
    const auto transcript = order.page.run(
        dialog, {act::inspect([&] {
                     // The load made the index with its header alone; nothing is listed.
                     EXPECT_EQ(order.store.index(), Header);
                     EXPECT_THAT(rows("List1"), IsEmpty());
                     EXPECT_FALSE(ui::Driver::instance().control("List3").visible());
                     expectShown({{"Label1", "Current Favourites :"}, {"txtFavName", ""}});
                     EXPECT_TRUE(dialog.InForm);
                     EXPECT_EQ(dialog.FormElement, order.page.element("order"));
                 }),
                 act::set("txtFavName", "Order Form"),
                 act::set("txtFavDesc", "The shop's form\r\nwith (brackets) & <marks>"),
                 act::click("Command1")});
    EXPECT_THAT(transcript, ElementsAre("form shown:  Add Form To Favourites",
                                        "form closed:  Add Form To Favourites"));
    EXPECT_FALSE(dialog.isLoaded());

    // The record, byte for byte: the description as typed, line break and all.
    EXPECT_EQ(order.store.index(),
              Header + indexLine("[Order Form](The shop's form\r\nwith (brackets) & "
                                 "<marks>){order.cgi}<post>#%order%#"));
    // Outside a web the form is stored as it stands, with its closing CR LF, and no image goes
    // into its (new, empty) image folder.
    EXPECT_EQ(order.store.formFile("Order Form"), sys::text::toAnsi(outer) + "\r\n");
    EXPECT_TRUE(order.store.hasImageFolder("Order Form"));
    EXPECT_THAT(order.store.images("Order Form"), IsEmpty());
    EXPECT_EQ(order.page.document()->serialize(), pageBefore) << "saving changes no page";
}

TEST(frmAddFavForm, FieldsOnlyKeepsTheFormTagsAndEachFieldFollowedByABreak) {
    PageSession page("fav-fields-only.htm");
    StoreFiles store(page.installFolder());
    struct Case {
        const char* cursor;
        const char* stored;
    };
    const Case cases[] = {
        {"first", "<FORM name=\"contact\" id=\"contact\" action=\"mail.cgi\" method=\"get\">"
                  "<INPUT type=\"text\" name=\"who\" id=\"who\"><BR>"
                  "<INPUT type=\"submit\" name=\"go\" value=\"Send\"><BR></FORM>"},
        {"wordy", "<FORM name=\"words\" id=\"words\" action=\"words.cgi\"></FORM>"},
        // The start tag holds the same text as the content: only the content goes.
        {"search", "<FORM name=\"search\" id=\"search\" action=\"search\"></FORM>"},
        {"empty", "<FORM name=\"empty\" id=\"empty\" action=\"empty.cgi\"></FORM>"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.cursor);
        page.placeCursor(each.cursor);
        frmAddFavForm dialog;
        page.run(dialog, {act::set("txtFavName", each.cursor),
                          [] { ui::Driver::instance().click("Option1", FieldsOnly); },
                          act::click("Command1")});
        EXPECT_EQ(store.formFile(each.cursor), std::string(each.stored) + "\r\n");
    }
    // No image folder was filled, and the records carry each form's action and method.
    EXPECT_THAT(store.images("first"), IsEmpty());
    EXPECT_THAT(store.index(), HasSubstr(indexLine("[first](){mail.cgi}<get>#%contact%#")));
    EXPECT_THAT(store.index(), HasSubstr(indexLine("[empty](){empty.cgi}<>#%empty%#")));
}

TEST(frmAddFavForm, RefusesBadNamesAndFormlessCursors) {
    OrderPage order;
    for (const std::string name : {"", "My_Form", "Caf\xC3\xA9", "a/b", "..\\x"}) {
        SCOPED_TRACE(name);
        frmAddFavForm dialog;
        const auto transcript = order.page.run(
            dialog, {act::set("txtFavName", name), act::click("Command1"),
                     act::inspect([&] { EXPECT_TRUE(dialog.isVisible()) << "it stays open"; })});
        EXPECT_THAT(transcript, testing::Contains(InvalidName));
        EXPECT_EQ(order.store.index(), Header) << "nothing is written";
        EXPECT_TRUE(std::filesystem::is_empty(order.store.path("FormFavs")));
    }

    // The cursor in no form: the list is filled, then the message, then the dialog closes.
    order.store.write("FormFavs/Kept.ffv", "<FORM></FORM>\r\n");
    order.store.writeIndex(Header + indexLine("[Kept](){}<>#%%#"));
    order.page.placeCursor("outro");
    frmAddFavForm dialog;
    const auto transcript = order.page.run(dialog, {});
    EXPECT_THAT(transcript,
                ElementsAre("form shown:  Add Form To Favourites",
                            "msgbox [Zirirur] exclamation: You must have your cursor in a "
                            "form\\rto save it to favourites! -> OK",
                            "form closed:  Add Form To Favourites"));
    EXPECT_FALSE(dialog.InForm);
    EXPECT_FALSE(dialog.isLoaded());
}

TEST(frmAddFavForm, ASecondSaveUnderANameAppendsAndReplaces) {
    OrderPage order;
    // A name of blanks only is a name like any other.
    order.save("   ", "blanks");
    EXPECT_TRUE(order.store.hasFormFile("   "));

    order.save("Order Form", "first");
    order.write("shop/images/logo.gif", "GIF89a new logo");
    order.page.placeCursor("notes");
    order.save("Order Form", "second", FieldsOnly);

    EXPECT_EQ(order.store.index(), Header + indexLine("[   ](blanks){order.cgi}<post>#%order%#") +
                                       indexLine("[Order Form](first){order.cgi}<post>#%order%#") +
                                       indexLine("[Order Form](second){order.cgi}<post>#%order%#"));
    // One form file, the latest, whose fields keep their image addresses; the image folder
    // keeps the first save's copies.
    EXPECT_THAT(order.store.formFile("Order Form"), HasSubstr("<BR>"));
    EXPECT_THAT(order.store.formFile("Order Form"), HasSubstr("src=\"buttons/send.png\""));
    EXPECT_EQ(order.store.read("FormImages/Order Form/logo.gif"), "GIF89a logo");

    frmAddFavForm dialog;
    order.page.run(dialog, {act::inspect([] {
                       EXPECT_THAT(rows("List1"), ElementsAre("   ", "Order Form", "Order Form"));
                   })});
}

TEST(frmAddFavForm, WithoutItsFoldersTheStoreKeepsTheRecordButListsNothing) {
    OrderPage order;
    std::filesystem::remove_all(order.store.path("FormFavs"));
    std::filesystem::remove_all(order.store.path("FormImages"));
    const auto transcript = order.save("Order Form");
    EXPECT_THAT(errorLines(transcript), IsEmpty());
    EXPECT_EQ(order.store.index(), Header + indexLine("[Order Form](){order.cgi}<post>#%order%#"));
    EXPECT_FALSE(order.store.exists("FormFavs"));
    EXPECT_FALSE(order.store.exists("FormImages"));

    frmAddFavForm dialog;
    order.page.run(dialog, {act::inspect([] { EXPECT_THAT(rows("List1"), IsEmpty()); })});
}

TEST(frmAddFavForm, AnIndexThatCannotBeReadIsReportedAndClosesTheDialog) {
    OrderPage order;
    std::filesystem::create_directories(order.store.path("formfav.dat"));
    frmAddFavForm dialog;
    dialog.FormElement = order.page.element("intro"); // left from an earlier opening
    const auto transcript = order.page.run(dialog, {});
    EXPECT_THAT(transcript,
                ElementsAre("form shown:  Add Form To Favourites",
                            "error 75: Path/File access error (in frmAddFavForm_Form_Load)",
                            "form closed:  Add Form To Favourites"));
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_TRUE(std::filesystem::is_empty(order.store.path("FormFavs")));
}

} // namespace
