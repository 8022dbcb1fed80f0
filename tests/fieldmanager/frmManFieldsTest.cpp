#include "PageSession.h"

#include "fieldmanager/frmManFields.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/PictureBox.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using zirirur::frmManFields;

bool isShown(const std::string& control) {
    return ui::Driver::instance().control(control).isShown();
}

TEST(frmManFields, ListsTheFieldsOfTheFormThatHoldsTheCursor) {
    PageSession page("fm-table-form.htm");
    page.placeCursor("amount");
    frmManFields dialog;
    const std::string before = page.document()->serialize();

    const auto transcript = page.run(
        dialog,
        {act::inspect([&] {
             // Hidden fields, buttons and image inputs all have their rows, in the form's order.
             EXPECT_THAT(rows("List1"), ElementsAre("customer", "code", "amount", "notes", "size",
                                                    "calc", "go", "send"));
             // The first field is current, whatever field holds the cursor; the states come
             // from the page's own attributes.
             const Shown first = {{"Text3", "order"},       {"List1", "customer"},
                                  {"txtName", "customer"},  {"txtValue", "Ann"},
                                  {"txtType", "text"},      {"lstEffect", "Text Functions"},
                                  {"txtStatusOn", "ON"},    {"txtStatus", "Your name"},
                                  {"txtUpperOnlyOn", "ON"}, {"txtLowerOnlyOn", "OFF"},
                                  {"txtNumOnlyOn", "OFF"},  {"txtCharLimitOn", "OFF"},
                                  {"txtCharLimit", "50"},   {"lblLockOn", "OFF"},
                                  {"lblBoldFont", "OFF"},   {"txtHigh", "OFF"}};
             expectShown(first);
             EXPECT_TRUE(isShown("Frame7"));
             for (const char* frame : {"Frame2", "Frame8", "Frame3"})
                 EXPECT_FALSE(isShown(frame)) << frame;
             // The nine lists keep in step.
             EXPECT_THAT(rows("List5"),
                         ElementsAre("YES", "NO", "NO", "NO", "NO", "NO", "NO", "NO"));
             EXPECT_THAT(rows("List8"),
                         ElementsAre("YES", "NO", "NO", "NO", "NO", "NO", "NO", "NO"));
             EXPECT_THAT(rows("List10"),
                         ElementsAre("NO", "NO", "NO", "NO", "NO", "NO", "NO", "YES"));
             EXPECT_EQ(rows("List11").size(), 8u);
             EXPECT_FALSE(isShown("List4"));
         }),
         act::select("List1", "amount"),
         // No status on this field: the label says so, the box keeps the last text.
         act::inspect([&] {
             const Shown amount = {{"txtType", "text"},       {"txtCharLimitOn", "ON"},
                                   {"txtCharLimit", "4"},     {"txtNumOnlyOn", "ON"},
                                   {"txtUpperOnlyOn", "OFF"}, {"txtStatusOn", "OFF"},
                                   {"txtStatus", "Your name"}};
             expectShown(amount);
         }),
         act::select("List1", "notes"), act::inspect([&] {
             expectShown({{"txtType", "textarea"}, {"txtValue", "none"}, {"txtCharLimit", "4"}});
         }),
         act::select("List1", "size"), act::inspect([&] {
             expectShown({{"txtType", "select-one"}, {"txtValue", "l"}});
         }),
         act::select("List1", "send"), act::inspect([&] {
             expectShown({{"txtType", "submit"}, {"lblLockOn", "ON"}, {"lblBoldFont", "ON"}});
         }),
         act::select("lstEffect", "Other Functions"), act::inspect([&] {
             EXPECT_TRUE(isShown("Frame8"));
             EXPECT_FALSE(isShown("Frame7"));
         })});

    EXPECT_THAT(transcript.front(), HasSubstr("form shown:  Form Fields Manager"));
    EXPECT_THAT(errorLines(transcript), IsEmpty());
    // Looking at the fields changes nothing in the page.
    EXPECT_EQ(page.document()->serialize(), before);
}

TEST(frmManFields, RefusesToOpenWithTheCursorOutsideEveryForm) {
    for (const char* where : {"intro", "outro"}) {
        PageSession page("fm-table-form.htm");
        page.placeCursor(where);
        frmManFields dialog;
        const auto transcript = page.run(dialog, {});
        EXPECT_THAT(transcript,
                    ElementsAre("msgbox [Zirirur] exclamation: You must have your cursor in a "
                                "form\\rto manage the fields! -> OK"));
        EXPECT_FALSE(dialog.isLoaded());
        EXPECT_FALSE(dialog.FormFound);
        // The walk stopped at the body.
        ASSERT_TRUE(dialog.CurField);
        EXPECT_EQ(dialog.CurField->tagName(), "BODY");
    }
}

TEST(frmManFields, RenamesAddsHiddenFieldsAndDeletesInThePage) {
    PageSession page("fm-table-form.htm");
    page.placeCursor("customer");
    frmManFields dialog;
    const auto transcript = page.run(
        dialog, {act::set("Text3", "order2"), act::set("txtName", ""),
                 act::inspect([&] { EXPECT_EQ(rows("List1").front(), ""); }),
                 // The row and the page follow every keystroke.
                 act::type("txtName", "client"), act::inspect([&] {
                     EXPECT_EQ(rows("List1").front(), "client");
                     EXPECT_EQ(page.element("customer")->getProperty("Name"), "client");
                 }),
                 act::set("txtValue", "Bob"), act::click("Command1"), act::click("Command1"),
                 act::inspect([&] {
                     // The newest hidden field is the first row and the current field.
                     EXPECT_THAT(rows("List1"), ElementsAre("H1", "H1", "client", "code", "amount",
                                                            "notes", "size", "calc", "go", "send"));
                     EXPECT_EQ(rows("List8").size(), 10u);
                     expectShown({{"List1", "H1"},
                                  {"txtName", "H1"},
                                  {"txtValue", "No Value"},
                                  {"txtType", "hidden"}});
                     EXPECT_EQ(dialog.CurField->getProperty("Name"), "H1");
                     EXPECT_EQ(dialog.CurField, dialog.CurForm->item(0));
                 }),
                 act::select("List1", "code"), act::click("Command2"), act::inspect([&] {
                     EXPECT_THAT(rows("List1"), ElementsAre("H1", "H1", "client", "amount", "notes",
                                                            "size", "calc", "go", "send"));
                     EXPECT_EQ(shown("List1"), "H1");
                 }),
                 act::click("Command3")});
    EXPECT_THAT(errorLines(transcript), IsEmpty());
    EXPECT_FALSE(dialog.isLoaded());

    page.save();
    page.reopen();
    auto form = page.document()->all().tags("FORM").item(0);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->getProperty("name"), "order2");
    std::vector<std::string> names;
    for (int i = 0; i < form->length(); ++i)
        names.push_back(form->item(i)->getProperty("Name"));
    EXPECT_THAT(names,
                ElementsAre("H1", "H1", "client", "amount", "notes", "size", "calc", "go", "send"));
    for (int i : {0, 1}) {
        EXPECT_EQ(form->item(i)->getProperty("Type"), "hidden");
        EXPECT_EQ(form->item(i)->getProperty("Value"), "No Value");
        // Each went in at the very start of the form, before its table.
        EXPECT_EQ(form->item(i)->parentElement(), form);
    }
    EXPECT_EQ(form->item(2)->getProperty("Value"), "Bob");
    EXPECT_FALSE(page.document()->all().item("code"));
}

TEST(frmManFields, WithoutFieldsTheCommandsTouchNothing) {
    PageSession page("fm-empty-form.htm");
    page.placeCursor("only");
    {
        // Deleting the last field leaves an empty list; a further Delete Field does nothing.
        frmManFields dialog;
        const auto transcript = page.run(dialog, {act::click("Command2"), act::inspect([&] {
                                                      EXPECT_TRUE(rows("List1").empty());
                                                      EXPECT_TRUE(rows("List9").empty());
                                                  }),
                                                  act::click("Command2")});
        EXPECT_THAT(errorLines(transcript), IsEmpty());
        EXPECT_FALSE(page.document()->all().item("only"));
        EXPECT_EQ(page.document()->all().tags("FORM").length(), 2);
    }
    page.placeCursor("inside");
    frmManFields dialog;
    const std::string before = page.document()->serialize();
    const auto transcript = page.run(
        dialog, {act::inspect([&] {
                     EXPECT_TRUE(rows("List1").empty());
                     EXPECT_TRUE(rows("List11").empty());
                     EXPECT_EQ(shown("Text3"), "nothing");
                     // No row to select: the current field stays the form itself.
                     EXPECT_EQ(dialog.CurField, page.element("nothing"));
                 }),
                 act::click("Command2"), act::set("txtName", "x"), act::set("txtValue", "y"),
                 act::click("Command12"), act::click("Command15"), act::click("Command17"),
                 act::select("lstEffect", "Basic Text Style"), act::click("Command27"),
                 act::click("Command24"), act::click("Command26")});
    EXPECT_THAT(errorLines(transcript), IsEmpty());
    EXPECT_EQ(page.document()->serialize(), before);
}

TEST(frmManFields, TheLimitBoxHoldsANumber) {
    PageSession page("fm-table-form.htm");
    page.placeCursor("customer");
    frmManFields dialog;
    const auto transcript =
        page.run(dialog, {act::set("txtCharLimit", "12abc"),
                          act::inspect([] { EXPECT_EQ(shown("txtCharLimit"), "12"); }),
                          act::set("txtCharLimit", ""), act::type("txtCharLimit", "3x4"),
                          act::inspect([] { EXPECT_EQ(shown("txtCharLimit"), "34"); }),
                          // Too large a number is reported, and the dialog goes on.
                          act::set("txtCharLimit", "1E999"), act::click("Command3")});
    EXPECT_EQ(errorLines(transcript).size(), 1u);
    EXPECT_FALSE(dialog.isLoaded());
}

TEST(frmManFields, EffectsAreDetectedByTheirExactKeysAndSetJMethodRewritesTheField) {
    PageSession page("fm-several-forms.htm");
    page.placeCursor("pw");
    frmManFields dialog;
    page.run(dialog, {act::inspect([&] {
                          EXPECT_EQ(shown("Text3"), "signup");
                          EXPECT_THAT(rows("List1"), ElementsAre("email", "nick", "ponblur", "pw",
                                                                 "news", "clear"));
                          // "onBlur" in mixed case is found; a statement in other letter case does
                          // not count; the name "ponblur" comes first and hides the real onblur
                          // attribute.
                          EXPECT_EQ(rows("List9")[0], "YES");
                          EXPECT_EQ(rows("List8")[1], "NO");
                          EXPECT_EQ(rows("List8")[2], "NO");
                          EXPECT_EQ(frmManFields::GetJMethod(page.element("email"), "onblur"),
                                    "VQRMakeLower(this);");
                      }),
                      act::select("List1", "pw"), act::inspect([&] {
                          auto before = dialog.CurField;
                          // An empty onfocus is replaced in place.
                          dialog.SetJMethod(before, "onfocus", "go();");
                          auto pw = page.element("pw");
                          EXPECT_EQ(pw->getAttribute("onfocus"), "go();");
                          EXPECT_EQ(pw->getProperty("Name"), "pw");
                          // The page holds a new element; the current field is it.
                          EXPECT_EQ(dialog.CurField, pw);
                          EXPECT_NE(dialog.CurField, before);
                          // An absent attribute is added; the tag stays whole.
                          dialog.SetJMethod(page.element("news"), "onblur", "x();");
                          EXPECT_EQ(page.element("news")->getAttribute("onblur"), "x();");
                          EXPECT_EQ(page.element("news")->getProperty("Value"), "yes");
                          EXPECT_EQ(dialog.CurForm->length(), 6);
                          // A detached element is skipped without harm.
                          dialog.SetJMethod(before, "onblur", "y();");
                          dialog.SetJMethod(nullptr, "onblur", "y();");
                      })});
}

TEST(frmManFields, SwatchesReadTheColoursOfAHighlightedField) {
    PageSession page("fm-effects.htm");
    page.placeCursor("plain");
    frmManFields dialog;
    auto swatch = [](const std::string& name) {
        return &dynamic_cast<ui::PictureBox&>(ui::Driver::instance().control(name));
    };
    page.run(dialog, {act::inspect([&] {
                          EXPECT_EQ(shown("txtHigh"), "OFF");
                          EXPECT_EQ(swatch("Picture1")->toolTipText(), "#FFFFFF");
                          EXPECT_EQ(swatch("picNormalText")->toolTipText(), "#000000");
                      }),
                      act::select("List1", "lit"), act::inspect([&] {
                          EXPECT_EQ(shown("txtHigh"), "ON");
                          EXPECT_EQ(swatch("Picture1")->toolTipText(), "#FFFF00");
                          EXPECT_EQ(swatch("Picture1")->backColor(), 0x00FFFF);
                          EXPECT_EQ(swatch("Picture2")->toolTipText(), "#FFFFFF");
                          EXPECT_EQ(swatch("picHighlightText")->toolTipText(), "#0000FF");
                          EXPECT_EQ(swatch("picHighlightText")->backColor(), 0xFF0000);
                          EXPECT_EQ(swatch("picNormalText")->toolTipText(), "#000000");
                      }),
                      // A field without highlighting leaves the swatches as they were.
                      act::select("List1", "plain"), act::inspect([&] {
                          EXPECT_EQ(shown("txtHigh"), "OFF");
                          EXPECT_EQ(swatch("Picture1")->toolTipText(), "#FFFF00");
                      }),
                      act::select("List1", "story"), act::inspect([&] {
                          expectShown({{"lstFonts", "Georgia,courier"}, {"txtType", "textarea"}});
                      })});
}

TEST(frmManFields, EveryEffectRowHasItsPlusBeforeItsMinus) {
    PageSession page("fm-effects.htm");
    page.placeCursor("plain");
    frmManFields dialog;
    page.run(
        dialog, {act::inspect([] {
            const std::vector<std::pair<const char*, const char*>> buttons{
                {"Command17", "Command18"}, {"Command15", "Command16"}, {"Command11", "Command14"},
                {"Command12", "Command13"}, {"Command6", "Command7"},   {"Command21", "Command22"},
                {"Command8", "Command9"},   {"Command27", "Command28"}};
            for (const auto& [on, off] : buttons) {
                auto& plus = dynamic_cast<ui::CommandButton&>(ui::Driver::instance().control(on));
                auto& minus = dynamic_cast<ui::CommandButton&>(ui::Driver::instance().control(off));
                EXPECT_EQ(plus.caption(), "+") << on;
                EXPECT_EQ(plus.toolTipText(), "Turn Effect On") << on;
                EXPECT_EQ(minus.caption(), "-") << off;
                EXPECT_EQ(minus.toolTipText(), "Turn Effect Off") << off;
                EXPECT_LT(plus.left(), minus.left()) << on;
                EXPECT_EQ(plus.top(), minus.top()) << on;
            }
        })});
}

} // namespace
