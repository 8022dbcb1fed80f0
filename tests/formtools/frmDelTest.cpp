#include "FormRemovalOracle.h"
#include "FormToolsTestSupport.h"
#include "PageSession.h"

#include "formtools/frmDel.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/OptionButton.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using zirirur::frmDel;

const char* const TablePage = "ft-remove-table-form.htm";
const char* const NoFormLine =
    "msgbox [Zirirur] exclamation: You must have your cursor in a form -> OK";

ui::Driver::Action choose(Removal removal) {
    return [removal] { ui::Driver::instance().click("optDel", static_cast<int>(removal)); };
}

// The ids of the fields of the form named by idOrName, in its order.
std::vector<std::string> fieldIds(PageSession& page, const std::string& form) {
    std::vector<std::string> ids;
    auto element = page.element(form);
    for (int i = 0; element && i < element->length(); ++i)
        ids.push_back(element->item(i)->id());
    return ids;
}

// Runs the removal on the form that holds the cursor and checks the page against the oracle.
// removedIds: the fields that must go (for the whole form: none are cut on their own).
void expectRemoval(PageSession& page, const std::string& cursor, Removal removal,
                   const std::string& type, const std::vector<std::string>& removedIds) {
    page.placeCursor(cursor);
    auto form = page.element(cursor)->enclosingForm();
    ASSERT_TRUE(form);
    std::vector<std::shared_ptr<dom::Element>> removed;
    for (const std::string& id : removedIds)
        removed.push_back(page.element(id));
    const std::string before = page.document()->serialize();
    const auto expected = expectedAfterRemoval(before, *form, removed, removal);
    ASSERT_TRUE(expected);

    frmDel dialog;
    std::vector<ui::Driver::Action> actions{choose(removal)};
    if (!type.empty())
        actions.push_back(act::select("lstTypes", type));
    actions.push_back(act::click("Command1"));
    const auto transcript = page.run(dialog, actions);

    EXPECT_THAT(transcript, ElementsAre("form shown: Delete Form", "form closed: Delete Form"));
    EXPECT_EQ(page.document()->serialize(), *expected) << type;
    EXPECT_FALSE(dialog.isLoaded());
}

TEST(frmDel, OffersItsFourOptionsAndTheFieldTypesWithImagePreselected) {
    PageSession page(TablePage);
    page.placeCursor("customer");
    frmDel dialog;
    const std::string before = page.document()->serialize();

    const auto transcript = page.run(
        dialog,
        {act::inspect([&] {
             ui::Driver& driver = ui::Driver::instance();
             EXPECT_EQ(driver.topmostForm()->caption(), "Delete Form");
             const std::vector<std::string> captions{
                 "Delete Entire Form",
                 "Delete Just The Form Components                (Keep HTML Content)",
                 "Delete Form Fields         (Keep Form OutLine)", "Delete Form Fields of Type :"};
             for (int i = 0; i < 4; ++i) {
                 auto& option = dynamic_cast<ui::OptionButton&>(driver.control("optDel", i));
                 EXPECT_EQ(option.caption(), captions[i]);
                 EXPECT_EQ(option.value(), i == 0) << i;
             }
             auto& types = dynamic_cast<ui::ComboBox&>(driver.control("lstTypes"));
             std::vector<std::string> rows;
             for (int i = 0; i < types.listCount(); ++i)
                 rows.push_back(types.list(i));
             EXPECT_THAT(rows, ElementsAre("HIDDEN", "IMAGE", "TEXT", "BUTTON", "SUBMIT", "RESET",
                                           "SELECT", "CHECKBOX", "RADIO"));
             EXPECT_EQ(types.text(), "IMAGE");
             EXPECT_EQ(types.style(), ui::ComboStyle::DropDownList);
             expectShippedPicture("Command1", "remove");
             expectShippedPicture("Command3", "cancel");
             // Choosing another option leaves the type list usable.
             driver.click("optDel", 2);
             EXPECT_TRUE(types.isUsable());
         }),
         // Cancel changes nothing.
         act::click("Command3")});

    EXPECT_THAT(transcript, ElementsAre("form shown: Delete Form", "form closed: Delete Form"));
    EXPECT_EQ(page.document()->serialize(), before);
}

TEST(frmDel, WithTheCursorOutsideEveryFormSaysSoAndShowsNothing) {
    PageSession page(TablePage);
    const std::string before = page.document()->serialize();
    frmDel dialog;

    for (const char* outside : {"before", "after"}) {
        page.placeCursor(outside);
        EXPECT_THAT(page.run(dialog, {}), ElementsAre(NoFormLine)) << outside;
        EXPECT_FALSE(dialog.isLoaded());
    }
    // The caret nowhere: the page's body holds it.
    page.reopen();
    EXPECT_THAT(page.run(dialog, {}), ElementsAre(NoFormLine));
    EXPECT_EQ(page.document()->serialize(), before);

    // The next command finds the form again, the options back as they were made.
    page.placeCursor("notes");
    page.run(dialog, {act::inspect([] {
                 auto& types =
                     dynamic_cast<ui::ComboBox&>(ui::Driver::instance().control("lstTypes"));
                 EXPECT_EQ(types.text(), "IMAGE");
             })});
    EXPECT_TRUE(dialog.InForm);
}

TEST(frmDel, EachRemovalOfAFormInATableChangesThePageAsItsOptionSays) {
    const std::vector<std::string> every = {"customer", "secret", "notes", "size", "extras",
                                            "gift",     "card",   "cash",  "post", "code",
                                            "calc",     "help",   "go",    "send", "clear"};
    {
        PageSession page(TablePage);
        EXPECT_EQ(fieldIds(page, "order"), every);
        expectRemoval(page, "customer", Removal::WholeForm, "", {});
        // One blank where the form stood, in its table cell.
        EXPECT_EQ(page.element("cell")->innerHTML(), "\n       \n    ");
        EXPECT_FALSE(page.document()->all().item("intro"));
    }
    {
        PageSession page(TablePage);
        expectRemoval(page, "notes", Removal::TagsAndFields, "", every);
        // The other content stays where it was, the image that is no field among it.
        EXPECT_EQ(page.element("intro")->parentElement()->id(), "cell");
        EXPECT_EQ(page.element("inner")->parentElement()->id(), "cell");
        EXPECT_TRUE(page.element("logo"));
        EXPECT_FALSE(page.document()->all().item("order"));
    }
    {
        PageSession page(TablePage);
        expectRemoval(page, "gift", Removal::Fields, "", every);
        EXPECT_THAT(fieldIds(page, "order"), IsEmpty());
        EXPECT_EQ(page.element("inner")->parentElement()->getProperty("name"), "order");
    }
}

TEST(frmDel, RemovingFieldsOfOneTypeTakesExactlyTheFieldsThePageGivesThatType) {
    // Text areas and password fields are no TEXT; selection lists of both kinds are SELECT;
    // the type's letter case in the page does not matter; every group's radio buttons go.
    const std::map<std::string, std::vector<std::string>> removedByType = {
        {"HIDDEN", {"code"}},           {"IMAGE", {"go"}},      {"TEXT", {"customer"}},
        {"BUTTON", {"calc", "help"}},   {"SUBMIT", {"send"}},   {"RESET", {"clear"}},
        {"SELECT", {"size", "extras"}}, {"CHECKBOX", {"gift"}}, {"RADIO", {"card", "cash", "post"}},
    };
    for (const auto& [type, removed] : removedByType) {
        PageSession page(TablePage);
        expectRemoval(page, "customer", Removal::FieldsOfType, type, removed);
        for (const std::string& id : removed)
            EXPECT_FALSE(page.document()->all().item(id)) << type << " " << id;
    }

    // The preselected IMAGE, straight after opening the dialog.
    PageSession page(TablePage);
    page.placeCursor("size");
    frmDel dialog;
    page.run(dialog, {choose(Removal::FieldsOfType), act::click("Command1")});
    EXPECT_FALSE(page.document()->all().item("go"));
    EXPECT_EQ(fieldIds(page, "order").size(), 14u);
}

TEST(frmDel, FormsWithoutFieldsOrWithNothingButFields) {
    // No fields: options 2 and 3 change nothing, option 1 keeps the content without the tags.
    for (Removal removal : {Removal::Fields, Removal::FieldsOfType}) {
        PageSession page(TablePage);
        const std::string before = page.document()->serialize();
        expectRemoval(page, "lonely", removal, "", {});
        EXPECT_EQ(page.document()->serialize(), before);
    }
    {
        PageSession page(TablePage);
        expectRemoval(page, "lonely", Removal::TagsAndFields, "", {});
        EXPECT_EQ(page.element("lonely")->parentElement()->tagName(), "BODY");
        EXPECT_FALSE(page.document()->all().item("empty"));
    }
    // Nothing but fields: option 1 takes the whole form, option 2 all three fields.
    {
        PageSession page(TablePage);
        expectRemoval(page, "b", Removal::TagsAndFields, "", {"a", "b", "c"});
        EXPECT_FALSE(page.document()->all().item("onlyfields"));
    }
    {
        PageSession page(TablePage);
        expectRemoval(page, "c", Removal::Fields, "", {"a", "b", "c"});
        EXPECT_EQ(page.element("onlyfields")->innerHTML(), "");
    }
}

TEST(frmDel, TheSavedPageReadsBackAsTheRemovalLeftIt) {
    PageSession page(TablePage);
    page.placeCursor("secret");
    frmDel dialog;
    page.run(dialog, {choose(Removal::TagsAndFields), act::click("Command1")});
    const std::string saved = page.save();
    // The page keeps its characters and its charset; nothing of the form is left.
    EXPECT_THAT(saved, testing::HasSubstr("caf\xC3\xA9 & more:"));
    EXPECT_THAT(saved, testing::HasSubstr("<META charset=\"utf-8\">"));
    for (const char* gone : {"name=\"order\"", "customer", "<SELECT", "<TEXTAREA", "<BUTTON"})
        EXPECT_THAT(saved, testing::Not(testing::HasSubstr(gone)));
    page.reopen();
    EXPECT_EQ(page.document()->serialize(), saved);
}

} // namespace
