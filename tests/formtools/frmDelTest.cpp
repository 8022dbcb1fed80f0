#include "FormRemovalOracle.h"
#include "PageSession.h"

#include "formtools/frmDel.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/ui/ComboBox.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;
using zirirur::frmDel;

const char* const TablePage = "ft-remove-table-form.htm";
const char* const NoFormLine =
    "msgbox [Zirirur] exclamation: You must have your cursor in a form -> OK";

ui::Driver::Action choose(Removal removal) {
    return [removal] { ui::Driver::instance().click("optDel", static_cast<int>(removal)); };
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

// The removal's message and its caption, options and types are the host's tests: here, what the
// dialog keeps from one command to the next.
TEST(frmDel, AfterARefusalTheNextCommandFindsTheFormWithTheOptionsAsMade) {
    PageSession page(TablePage);
    frmDel dialog;
    page.placeCursor("before");
    EXPECT_THAT(page.run(dialog, {}), ElementsAre(NoFormLine));
    EXPECT_FALSE(dialog.isLoaded());

    page.placeCursor("notes");
    page.run(dialog, {act::inspect([] {
                 auto& types =
                     dynamic_cast<ui::ComboBox&>(ui::Driver::instance().control("lstTypes"));
                 EXPECT_EQ(types.text(), "IMAGE");
                 EXPECT_EQ(types.style(), ui::ComboStyle::DropDownList);
                 // Choosing another option leaves the type list usable.
                 ui::Driver::instance().click("optDel", 2);
                 EXPECT_TRUE(types.isUsable());
             })});
    EXPECT_TRUE(dialog.InForm);
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

} // namespace
