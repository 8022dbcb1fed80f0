#include "UiTestSupport.h"

#include "platform/sys/ErrorsIgnored.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/TextBox.h"

#include <stdexcept>

namespace {

using namespace uitest;
using ui::CommandButton;
using ui::ListBox;
using ui::TextBox;

class FormTest : public UiTest {};

TestForm::Design textAndClose() {
    return [](TestForm& f) {
        f.make<TextBox>("Text1")->setText("design");
        auto* close = f.make<CommandButton>("Command1");
        close->onClick = [&f] { f.unload(); };
    };
}

TEST_F(FormTest, UnloadThenShowGivesFreshDesignTimeControlsWhileMembersKeepTheirValues) {
    TestForm form("frmTest", "Test", textAndClose());
    form.load();
    EXPECT_TRUE(form.isLoaded());
    EXPECT_FALSE(form.isVisible());
    form.get<TextBox>("Text1").setText("typed by the user");
    EXPECT_EQ(&form.get<TextBox>("text1"), form.control("TEXT1")); // names ignore case
    form.unload();
    EXPECT_FALSE(form.isLoaded());
    EXPECT_TRUE(form.controls().empty());
    EXPECT_EQ(form.control("Text1"), nullptr);

    script({[] { ui::Driver::instance().click("Command1"); }});
    form.show();
    EXPECT_EQ(form.loads, 2);
    EXPECT_FALSE(form.isLoaded());
    form.load();
    EXPECT_EQ(form.get<TextBox>("Text1").text(), "design");
    EXPECT_EQ(form.loads, 3);
    EXPECT_EQ(lines(), (Lines{"form shown: Test", "form closed: Test"}));
}

TEST_F(FormTest, ModalShowReturnsOnlyAfterItsFormUnloadsAndNestedShowsWork) {
    Lines order;
    TestForm inner("frmInner", "Inner", [&order](TestForm& f) {
        auto* ok = f.make<CommandButton>("Command1");
        ok->onClick = [&f, &order] {
            order.push_back("inner ok");
            f.unload();
        };
    });
    TestForm outer("frmOuter", "Outer", [&](TestForm& f) {
        auto* open = f.make<CommandButton>("Command1");
        open->onClick = [&] {
            order.push_back("before inner");
            inner.show();
            order.push_back("after inner"); // runs only when the inner dialog is gone
        };
        f.make<CommandButton>("Command2")->onClick = [&f] { f.hide(); };
    });
    auto& d = driver();
    script({[&] { d.click("Command1"); }, [&] { d.click("Command1"); },
            [&] { order.push_back("outer again"); }, [&] { d.click("Command2"); }});
    outer.show();
    order.push_back("outer returned");
    EXPECT_EQ(order,
              (Lines{"before inner", "inner ok", "after inner", "outer again", "outer returned"}));
    EXPECT_TRUE(outer.isLoaded()); // hidden, not unloaded
    EXPECT_FALSE(outer.isVisible());
    EXPECT_EQ(lines(), (Lines{"form shown: Outer", "form shown: Inner", "form closed: Inner",
                              "form closed: Outer"}));
}

TEST_F(FormTest, AScriptThatRunsOutClosesEveryOpenModalFormInnermostFirst) {
    TestForm inner("frmInner", "Inner", nullptr);
    int innerUnloads = 0;
    inner.onUnload = [&] { ++innerUnloads; };
    TestForm outer("frmOuter", "Outer", [&inner](TestForm& f) {
        f.make<CommandButton>("Command1")->onClick = [&inner] { inner.show(); };
    });
    script({[] { ui::Driver::instance().click("Command1"); }});
    outer.show();
    EXPECT_FALSE(inner.isLoaded());
    EXPECT_FALSE(outer.isLoaded());
    EXPECT_EQ(innerUnloads, 1);
    EXPECT_EQ(lines(), (Lines{"form shown: Outer", "form shown: Inner", "form closed: Inner",
                              "form closed: Outer"}));
    EXPECT_EQ(driver().topmostForm(), nullptr);
}

TEST_F(FormTest, ShowingAFormModallyFromInsideItsOwnModalShowRaises400) {
    TestForm form("frmTest", "Test", [](TestForm& f) {
        f.make<CommandButton>("Command1")->onClick = [&f] { f.show(); };
    });
    script({[] { driver().click("Command1"); }});
    form.show();
    EXPECT_EQ(lines(), (Lines{"form shown: Test",
                              "error 400: Form already displayed; can't show "
                              "modally (in frmTest_Command1_Click)",
                              "form closed: Test"}));
}

TEST_F(FormTest, ErrorsEscapingHandlersAreReportedForUserActionsAndTheLoopGoesOn) {
    int later = 0;
    TestForm form("frmManFields", "Fields", [&later](TestForm& f) {
        f.make<CommandButton>("Command2")->onClick = [] { sys::raise(53); };
        f.make<CommandButton>("Command3")->onClick = [] { throw std::runtime_error("bad state"); };
        f.make<CommandButton>("Command4")->onClick = [&later] { ++later; };
    });
    auto& d = driver();
    script({[&] { d.click("Command2"); }, [&] { d.click("Command3"); },
            [&] { d.click("NoSuchButton"); }, [&] { d.click("Command4"); }});
    form.show();
    EXPECT_EQ(later, 1);
    EXPECT_EQ(lines(), (Lines{"form shown: Fields",
                              "error 53: File not found (in frmManFields_Command2_Click)",
                              "error 51: bad state (in frmManFields_Command3_Click)",
                              "error 5: There is no control NoSuchButton on the form \"Fields\"",
                              "form closed: Fields"}));
}

TEST_F(FormTest, AHandlerErrorReachesCodeThatSetAPropertyAndTryStepSkipsIt) {
    TestForm form("frmTest", "Test", [](TestForm& f) {
        auto* list = f.make<ListBox>("List1");
        list->addItem("a");
        list->onClick = [] { sys::raise(9); };
    });
    form.load();
    auto& list = form.get<ListBox>("List1");
    EXPECT_EQ(raisedNumber([&] { list.setListIndex(0); }), 9);
    EXPECT_FALSE(sys::tryStep([&] { list.setListIndex(0); }));
    EXPECT_EQ(list.listIndex(), 0);
    EXPECT_TRUE(lines().empty());
    form.unload();
}

TEST_F(FormTest, DoEventsDeliversWhatWasPostedAndNothingOfTheScript) {
    int posted = 0;
    int scripted = 0;
    script({[&] { ++scripted; }});
    driver().post([&] { ++posted; });
    EXPECT_EQ(posted, 0);
    ui::doEvents();
    EXPECT_EQ(posted, 1);
    ui::doEvents();
    EXPECT_EQ(posted, 1);
    EXPECT_EQ(scripted, 0);

    // Inside a modal show, what is posted goes before the user's next action.
    Lines order;
    TestForm form("frmTest", "Test", nullptr);
    script({[&] {
                order.push_back("first");
                driver().post([&] { order.push_back("posted"); });
            },
            [&] { order.push_back("second"); }});
    form.show();
    EXPECT_EQ(order, (Lines{"first", "posted", "second"}));
}

TEST_F(FormTest, ControlsUnloadedByARunningHandlerStayUsableUntilItReturns) {
    std::string seen;
    TestForm form("frmTest", "Test", [&seen](TestForm& f) {
        auto* box = f.make<TextBox>("Text1");
        box->setText("still here");
        f.make<CommandButton>("Command1")->onClick = [&f, box, &seen] {
            f.unload();
            seen = box->text(); // the handler's own code goes on after Unload
        };
    });
    script({[] { driver().click("Command1"); }});
    form.show();
    EXPECT_EQ(seen, "still here");
    EXPECT_FALSE(form.isLoaded());
}

TEST_F(FormTest, ADesignThatFailsLeavesTheFormUnloadedAndTheNextLoadStartsAfresh) {
    bool fail = true;
    TestForm form("frmTest", "Test", [&fail](TestForm& f) {
        f.make<TextBox>("Text1");
        if (fail)
            sys::raise(53);
        f.make<TextBox>("Text2");
    });
    EXPECT_EQ(raisedNumber([&] { form.show(); }), 53);
    EXPECT_FALSE(form.isLoaded());
    EXPECT_TRUE(form.controls().empty());
    EXPECT_EQ(form.loads, 0);
    fail = false;
    form.load();
    EXPECT_EQ(form.controls().size(), 2u);
    EXPECT_EQ(form.loads, 1);
    // Two controls of one name cannot be made.
    EXPECT_EQ(raisedNumber([&] { form.make<TextBox>("TEXT1"); }), 5);
    form.unload();
    EXPECT_TRUE(lines().empty());
}

} // namespace
