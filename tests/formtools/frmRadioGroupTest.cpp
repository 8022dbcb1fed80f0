#include "PageSession.h"

#include "formtools/frmRadioGroup.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Frame.h"
#include "platform/ui/OptionButton.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using zirirur::frmRadioGroup;

const char* const Page = "ft-radio-page.htm";
const char* const Shown = "form shown:  Radio Button Group";
const char* const Closed = "form closed:  Radio Button Group";

// An untouched option as the page writes it back.
const char* const SavedOption =
    "<INPUT type=\"radio\" value=\"* New Option\" name=\"RGroup1\">Text For New Option";

// One untouched option, as Add Item makes it, with or without "checked".
std::string untouched(const std::string& name, bool checked) {
    return std::string("<input type=\"radio\" value=\"* New Option\" ") +
           (checked ? "checked" : "") + " name=\"" + name + "\">Text For New Option";
}

ui::Driver::Action add() {
    return act::click("Command1");
}
ui::Driver::Action remove() {
    return act::click("Command2");
}
ui::Driver::Action selectRow(int row) {
    return [row] { ui::Driver::instance().selectRow("List1", -1, row); };
}
ui::Driver::Action markSelected() {
    return [] { ui::Driver::instance().click("Option1", 0); };
}
ui::Driver::Action markNotSelected() {
    return [] { ui::Driver::instance().click("Option1", 1); };
}

bool chosen(int option) {
    return dynamic_cast<ui::OptionButton&>(ui::Driver::instance().control("Option1", option))
        .value();
}

// The rows of both lists, value and text side by side.
std::vector<std::string> options() {
    const auto values = rows("List1");
    const auto texts = rows("List2");
    EXPECT_EQ(values.size(), texts.size());
    std::vector<std::string> both;
    for (size_t i = 0; i < values.size() && i < texts.size(); ++i)
        both.push_back(values[i] + "|" + texts[i]);
    return both;
}

class RadioGroupTest : public ::testing::Test {
protected:
    // Builds the group with the actions, looks at the markup it would paste, then inserts it.
    std::vector<std::string> insert(std::vector<ui::Driver::Action> actions) {
        actions.push_back(act::inspect([this] { markup = dialog.GroupHTML(); }));
        actions.push_back(act::click("Command3"));
        return page.run(dialog, std::move(actions));
    }
    // The page's radio inputs of the group, as "value" or "value checked".
    std::vector<std::string> inputs(const std::string& name = "RGroup1") {
        std::vector<std::string> found;
        for (const auto& element : page.document()->all().tags("INPUT").toVector()) {
            if (element->getAttribute("type") != "radio" || element->getAttribute("name") != name)
                continue;
            found.push_back(element->getProperty("Value") +
                            (element->getAttribute("checked") ? " checked" : ""));
        }
        return found;
    }

    PageSession page{Page};
    frmRadioGroup dialog;
    std::string markup;
};

TEST_F(RadioGroupTest, TwoUntouchedOptionsGiveTwoInputsAtTheCursor) {
    page.placeCursor("spot");
    const auto transcript = insert(
        {act::inspect([] {
             // Its captions and pictures are the host's transcript; here what it does not show.
             ui::Driver& driver = ui::Driver::instance();
             EXPECT_EQ(driver.topmostForm()->backColor(), 0x00D3B4B4);
             EXPECT_FALSE(driver.control("List2").isShown());
         }),
         add(), act::inspect([] {
             // The new option is current: its boxes show it and have the focus.
             expectShown({{"Text2", "* New Option"}, {"Text3", "Text For New Option"}});
             EXPECT_EQ(ui::Driver::instance().topmostForm()->focusedControl()->name(), "Text2");
             EXPECT_FALSE(chosen(0));
             EXPECT_TRUE(chosen(1));
         }),
         add()});

    EXPECT_THAT(transcript, ElementsAre(Shown, Closed));
    // Two blanks before name= where no option is checked.
    EXPECT_EQ(markup, untouched("RGroup1", false) + untouched("RGroup1", false));
    EXPECT_EQ(page.element("spot")->innerHTML(), std::string(SavedOption) + SavedOption);
    EXPECT_FALSE(dialog.isLoaded());
}

TEST_F(RadioGroupTest, EditingTheBoxesEditsTheCurrentOptionOnly) {
    page.placeCursor("spot");
    insert({add(), act::set("Text2", "mail"), act::set("Text3", "By mail"), add(),
            act::set("Text2", "web"), act::set("Text3", "On the web"), selectRow(0),
            act::inspect([] {
                expectShown({{"Text2", "mail"}, {"Text3", "By mail"}});
                EXPECT_THAT(options(), ElementsAre("mail|By mail", "web|On the web"));
            }),
            act::type("Text3", "!"), act::inspect([] {
                EXPECT_THAT(options(), ElementsAre("mail|By mail!", "web|On the web"));
            })});
    EXPECT_THAT(inputs(), ElementsAre("mail", "web"));
    EXPECT_EQ(page.element("spot")->textContent(), "By mail!On the web");
}

TEST_F(RadioGroupTest, TheCheckedOptionFollowsMarkingAndRemoval) {
    struct Case {
        const char* what;
        std::vector<ui::Driver::Action> actions;
        std::vector<std::string> values;
        std::vector<std::string> checked; // "x" for the checked input
    };
    auto named = [](const char* value) { return act::set("Text2", value); };
    // Options a, b, c (c current).
    auto abc = [&] {
        return std::vector<ui::Driver::Action>{add(),      named("a"), add(),
                                               named("b"), add(),      named("c")};
    };
    auto with = [](std::vector<ui::Driver::Action> first,
                   std::initializer_list<ui::Driver::Action> then) {
        first.insert(first.end(), then);
        return first;
    };
    const std::vector<Case> cases = {
        {"a later mark wins",
         with(abc(), {selectRow(0), markSelected(), selectRow(2), markSelected()}),
         {"a", "b", "c"},
         {"", "", "x"}},
        {"Not Selected keeps the mark",
         with(abc(), {selectRow(1), markSelected(), markNotSelected(), selectRow(0), selectRow(1),
                      act::inspect([] {
                          EXPECT_TRUE(chosen(0));
                          EXPECT_FALSE(chosen(1));
                      })}),
         {"a", "b", "c"},
         {"", "x", ""}},
        {"removing above the checked option keeps it",
         with(abc(), {selectRow(2), markSelected(), selectRow(0), remove()}),
         {"b", "c"},
         {"", "x"}},
        {"removing the checked option marks the one after it",
         with(abc(), {selectRow(1), markSelected(), remove()}),
         {"a", "c"},
         {"", "x"}},
        {"removing the last, checked option leaves none checked",
         with(abc(), {markSelected(), remove(), act::inspect([] {
                          // The last option is current now, and not the checked one.
                          expectShown({{"Text2", "b"}});
                          EXPECT_TRUE(chosen(1));
                      })}),
         {"a", "b"},
         {"", ""}},
        {"until a new option takes its row",
         with(abc(),
              {markSelected(), remove(), add(), act::inspect([] { EXPECT_TRUE(chosen(0)); })}),
         {"a", "b", "* New Option"},
         {"", "", "x"}},
    };
    for (const Case& c : cases) {
        PageSession fresh(Page);
        fresh.placeCursor("spot");
        frmRadioGroup group;
        auto actions = c.actions;
        fresh.run(group, with(actions, {act::click("Command3")}));
        std::vector<std::string> values;
        std::vector<std::string> checked;
        for (const auto& input : fresh.element("spot")->all().tags("INPUT").toVector()) {
            values.push_back(input->getProperty("Value"));
            checked.push_back(input->getAttribute("checked") ? "x" : "");
        }
        EXPECT_EQ(values, c.values) << c.what;
        EXPECT_EQ(checked, c.checked) << c.what;
    }
}

TEST_F(RadioGroupTest, WithNoOptionCurrentTheBoxesAndDeleteChangeNothing) {
    page.placeCursor("spot");
    const auto transcript = insert(
        {remove(), act::set("Text2", "typed"), act::set("Text3", "typed too"),
         act::inspect([] { EXPECT_THAT(options(), IsEmpty()); }), add(), remove(), act::inspect([] {
             EXPECT_THAT(options(), IsEmpty());
             expectShown({{"Text2", ""}, {"Text3", ""}});
         })});
    // No error reached the user; the empty group pasted nothing.
    EXPECT_THAT(transcript, ElementsAre(Shown, Closed));
    EXPECT_EQ(markup, "");
    EXPECT_EQ(page.element("spot")->innerHTML(), "");
}

TEST_F(RadioGroupTest, MarkersInTheTypedTextsAreReplacedAsTheTemplatesAre) {
    page.placeCursor("spot");
    insert({act::set("Text1", "g[value]"), add(), act::set("Text2", "v[IsChecked]"),
            act::set("Text3", "t[ISCHECKED]"), add(), act::set("Text2", "w"), selectRow(0),
            markSelected()});
    EXPECT_EQ(markup, "<input type=\"radio\" value=\"vchecked\" checked name=\"gvchecked\">tchecked"
                      "<input type=\"radio\" value=\"w\"  name=\"gw\">Text For New Option");
}

TEST_F(RadioGroupTest, QuotesInTheNameAndValuesStayInTheirAttributesAndTheTextStaysMarkup) {
    page.placeCursor("spot");
    insert({act::set("Text1", "say \"which\""), add(), act::set("Text2", "the \"best\" one"),
            act::set("Text3", "<b>Best</b> & 'only'"), markSelected()});
    EXPECT_EQ(markup, "<input type=\"radio\" value=\"the &quot;best&quot; one\" checked "
                      "name=\"say &quot;which&quot;\"><b>Best</b> & 'only'");
    const std::string written = page.document()->serialize();
    const std::string saved = page.save();
    page.reopen();
    auto input = page.document()->all().tags("INPUT").item(0);
    ASSERT_TRUE(input);
    EXPECT_EQ(input->getAttribute("name"), "say \"which\"");
    EXPECT_EQ(input->getAttribute("value"), "the \"best\" one");
    EXPECT_TRUE(input->getAttribute("checked"));
    EXPECT_EQ(page.element("spot")->all().tags("B").item(0)->textContent(), "Best");
    // The page keeps its own encoding.
    EXPECT_THAT(saved, HasSubstr("caf\xE9"));
    EXPECT_EQ(page.document()->serialize(), written);
}

TEST_F(RadioGroupTest, TheGroupReplacesTheSelectedText) {
    page.document()->setSelectionToContentOf(page.element("words"));
    insert({add()});
    EXPECT_EQ(page.element("words")->innerHTML(), SavedOption);

    // With no options an empty text is pasted: the selected text goes.
    PageSession second(Page);
    second.document()->setSelectionToContentOf(second.element("words"));
    frmRadioGroup group;
    EXPECT_THAT(second.run(group, {act::click("Command3")}), ElementsAre(Shown, Closed));
    EXPECT_EQ(second.element("words")->innerHTML(), "");
}

TEST_F(RadioGroupTest, AnElementSelectedWholeTakesNoGroupAndThePageStaysAsItWas) {
    page.document()->setControlSelection(page.element("logo"));
    const std::string before = page.document()->serialize();
    const auto transcript = insert({add(), add()});
    EXPECT_THAT(transcript, ElementsAre(Shown, Closed));
    EXPECT_EQ(page.document()->serialize(), before);
    EXPECT_FALSE(dialog.isLoaded());
}

TEST_F(RadioGroupTest, CancelChangesNothingAndTheNextShowStartsAfresh) {
    page.placeCursor("spot");
    const std::string before = page.document()->serialize();
    page.run(dialog, {add(), act::set("Text1", "other"), markSelected(), act::click("Command4")});
    EXPECT_EQ(page.document()->serialize(), before);

    page.run(dialog, {act::inspect([] {
                          expectShown({{"Text1", "RGroup1"}, {"Text2", ""}});
                          EXPECT_THAT(options(), IsEmpty());
                      }),
                      act::click("Command4")});
    EXPECT_EQ(dialog.CheckedIndex, -1);
}

} // namespace
