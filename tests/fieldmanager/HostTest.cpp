// The "Form Field Manager" command through the host program, as a user runs it.
#include "PageSession.h"

#include "platform/dom/Element.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

using testing::HasSubstr;
using testing::Not;

struct HostRun {
    int status = -1;
    std::string output;
};

// Runs the host on the session's page with a script; the page is saved to its own file.
HostRun runHost(PageSession& page, const std::string& pageFile, const std::string& cursor,
                const std::string& script) {
    const std::string scriptPath = page.webFolder() + "/../script.txt";
    std::ofstream(scriptPath) << script;
    const std::string command = std::string("'") + ZIRIRUR_HOST + "' --state '" + page.webFolder() +
                                "/../state' --install '" + page.installFolder() + "' --web '" +
                                page.webFolder() + "' --page '" + page.webFolder() + "/" +
                                pageFile + "' --cursor " + cursor + " '" + scriptPath + "' 2>&1";
    HostRun run;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t read = 0;
        while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            run.output.append(buffer, read);
        run.status = ::pclose(pipe);
    }
    return run;
}

TEST(HostFormFieldManager, ShowsTheFieldsOfTheFormInATable) {
    PageSession page("fm-table-form.htm");
    const HostRun run =
        runHost(page, "fm-table-form.htm", "amount", "menu \"Form Field Manager\"\nshow\nclose\n");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_THAT(run.output, HasSubstr("form shown:  Form Fields Manager\n"));
    EXPECT_THAT(run.output, HasSubstr("List1 list: [*\"customer\", \"code\", \"amount\", "
                                      "\"notes\", \"size\", \"calc\", \"go\", \"send\"]"));
    EXPECT_THAT(run.output, HasSubstr("txtName textbox: \"customer\""));
    EXPECT_THAT(run.output, HasSubstr("txtValue textbox: \"Ann\""));
    EXPECT_THAT(run.output, HasSubstr("txtType label: \"text\""));
    EXPECT_THAT(run.output, HasSubstr("Frame7 frame: \" Text Functions \""));
    EXPECT_THAT(run.output, Not(HasSubstr("Frame8 frame")));
    EXPECT_THAT(run.output, HasSubstr("txtUpperOnlyOn label: \"ON\""));
    EXPECT_THAT(run.output, HasSubstr("txtLowerOnlyOn label: \"OFF\""));
    EXPECT_THAT(run.output, HasSubstr("form closed:  Form Fields Manager"));
}

TEST(HostFormFieldManager, RefusesWithTheCursorOutsideEveryForm) {
    PageSession page("fm-table-form.htm");
    const HostRun run =
        runHost(page, "fm-table-form.htm", "intro", "menu \"Form Field Manager\"\nshow\n");
    EXPECT_THAT(run.output, HasSubstr("msgbox [Zirirur] exclamation: You must have your cursor "
                                      "in a form\\rto manage the fields! -> OK\n"));
    EXPECT_THAT(run.output, Not(HasSubstr("form shown")));
}

TEST(HostFormFieldManager, EffectsChangeTheSavedPage) {
    PageSession page("fm-effects.htm");
    const HostRun run = runHost(page, "fm-effects.htm", "plain",
                                "menu \"Form Field Manager\"\n"
                                "click Command12\n"
                                "select lstEffect \"Other Functions\"\n"
                                "set txtStatus \"Fill me\"\n"
                                "click Command8\n"
                                "click Command3\n");
    EXPECT_EQ(run.status, 0) << run.output;
    page.reopen();
    auto field = page.element("plain");
    EXPECT_EQ(field->getAttribute("onblur"), "VQRMakeUpper(this);ZirirurStatus(' ');");
    EXPECT_EQ(field->getAttribute("onfocus"), "ZirirurStatus('Fill me');");
}

} // namespace
