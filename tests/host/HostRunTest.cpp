// Runs the built host program as a person would, with scripts and golden transcripts.
// ZIRIRUR_UPDATE_GOLDEN=1 rewrites the golden files when a change of the transcript is intended.

#include "HostRun.h"
#include "FormRemovalOracle.h"

#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/editor/Application.h"
#include "platform/editor/PageWindow.h"
#include "platform/gfx/Surface.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/Registry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace hosttest;
using testing::EndsWith;
using testing::HasSubstr;
using testing::Not;
using testing::StartsWith;

const std::string Scripts = std::string(ZIRIRUR_TESTS_DIR) + "/host/scripts/";
const char* const AddinsKey = "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\FrontPage\\Addins";
const char* const HelpOpened = "shell open: <install>\\Help\\index.htm\n";

TEST_F(HostRunTest, DemoShowsTheMenuTheAboutBoxTheHelpPageAStatusTextAndHighlighting) {
    HostRun result = run(
        {"--web", "web", "--page", "web/index.htm", "--cursor", "FullName", "--out", "saved.htm"},
        readFile(DemoDir + "demo.zs"));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    expectGolden("demo", result.out);
    // The status text and the highlighting reached the field and the status script the head;
    // saving what was saved changes nothing further.
    const std::string saved = readFile(m_dir / "saved.htm");
    EXPECT_THAT(saved, HasSubstr("onfocus=\"ZirirurStatus('Please give your full name');"
                                 "style.backgroundColor='#FFFFE0';style.color='#000080';\" "
                                 "onblur=\"ZirirurStatus(' ');style.backgroundColor='#FFFFFF';"
                                 "style.color='#000000';\""));
    EXPECT_LT(saved.find("id=\"VQRStatus\""), saved.find("</HEAD>"));
    HostRun again = run({"--page", "saved.htm", "--out", "again.htm"}, "");
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(readFile(m_dir / "again.htm"), saved);
}

// The Form Field Manager on fields whose own handlers a reader of the markup would miss or
// mistake: the saved page holds them as they were, and a status text with an apostrophe,
// quotes, a backslash and references comes back into the dialog as typed.
TEST_F(HostRunTest, TheFieldManagerKeepsThePagesOwnHandlersAndTheTypedStatusText) {
    const fs::path roads = m_dir / "web" / "roads.htm";
    fs::copy_file(std::string(ZIRIRUR_TEST_DATA) + "/fm-roads.htm", roads);
    HostRun result =
        run({"--web", "web", "--page", "web/roads.htm", "--cursor", "k", "--out", "saved.htm"},
            readFile(Scripts + "field-roads.zs"));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");

    auto before = dom::Document::parse(readFile(roads));
    auto after = dom::Document::parse(readFile(m_dir / "saved.htm"));
    for (const char* field : {"k", "email", "xonblur", "long", "keyed", "story", "tracked"})
        for (const char* name : {"onfocus", "onblur", "onkeyup", "title", "data-onfocus"}) {
            if (std::string(field) == "email" && std::string(name).rfind("on", 0) == 0)
                continue; // the status text's field, below
            EXPECT_EQ(after->all().item(field)->getAttribute(name).value_or(""),
                      before->all().item(field)->getAttribute(name).value_or(""))
                << field << " " << name;
        }
    EXPECT_EQ(after->all().item("email")->getAttribute("onfocus"),
              R"(ZirirurStatus('Don\x27t "say" C:\\new & Tom &amp; Jerry a&#xD;b');)");
    EXPECT_EQ(after->all().item("email")->getAttribute("onblur"),
              "check(this);ZirirurStatus(' ');");

    HostRun again = run({"--page", "saved.htm", "--cursor", "email", "--out", "again.htm"},
                        "menu Form Field Manager\nselect List1 email\n"
                        "select lstEffect \"Other Functions\"\nshow\n");
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_THAT(again.out, HasSubstr(R"(txtStatus textbox: "Don't \"say\" C:\\new & Tom &amp; )"
                                     R"(Jerry a&#xD;b")"));
}

// Highlighting colours chosen in the Color Selector in each of its four ways (a palette cell,
// typed colour text, "More Colors..." and the page's own colours), Cancel, and the effect on
// and off; the saved page shows the same swatches and states when the dialog opens on it again.
TEST_F(HostRunTest, TheColorSelectorGivesTheSwatchesTheColoursThatGoIntoThePage) {
    const fs::path page = m_dir / "web" / "walkers.htm";
    fs::copy_file(std::string(ZIRIRUR_TEST_DATA) + "/fm-highlight.htm", page);
    HostRun result =
        run({"--web", "web", "--page", "web/walkers.htm", "--cursor", "Name", "--out", "saved.htm"},
            readFile(Scripts + "highlighting.zs"));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");

    auto saved = dom::Document::parse(readFile(m_dir / "saved.htm"));
    auto attribute = [&](const char* field, const char* name) {
        return saved->all().item(field)->getAttribute(name).value_or("(none)");
    };
    const std::string focused = "style.backgroundColor='#FF0000';style.color='#0000FF';";
    const std::string left = "style.backgroundColor='#FFFFE0';style.color='#333333';";
    EXPECT_EQ(attribute("Name", "onfocus"), "window.pageOwnFocus=1;" + focused);
    EXPECT_EQ(attribute("Name", "onblur"), left + "VQRMakeUpper(this);");
    EXPECT_EQ(attribute("Town", "onfocus"), focused + "ZirirurStatus('Your town');");
    EXPECT_EQ(attribute("Town", "onblur"), left + "ZirirurStatus(' ');");
    for (const char* field : {"Name", "Town"})
        EXPECT_EQ(attribute(field, "style"), "background-color: #FFFFE0; color: #333333") << field;
    // "-" takes the background colours away and leaves the text colours.
    EXPECT_EQ(attribute("Notes", "onfocus"), "style.color='#0000FF';");
    EXPECT_EQ(attribute("Notes", "onblur"), "style.color='#333333';");
    EXPECT_THAT(attribute("Notes", "style"), Not(HasSubstr("background")));
    // The page's own escapes keep their meaning through Apply To All, Set, the lock and bold.
    EXPECT_EQ(attribute("Escaped", "onfocus"),
              "style.backgroundColor='red';style.color='#0000FF';ZirirurStatus('Tab\\there "
              "\u00e9 Don\\x27t');this.blur();this.style.fontWeight='bold';");
    EXPECT_EQ(attribute("Escaped", "onblur"),
              left + "ZirirurStatus(' ');this.style.fontWeight='normal';");
    // So they do through "+" and through Cancel in the Color Selector on the page as it stands.
    for (const std::string road : {"click Command6\n", "click Command4\nclick Command7\n"}) {
        HostRun one = run({"--page", "web/walkers.htm", "--cursor", "Name", "--out", "road.htm"},
                          "menu Form Field Manager\nselect lstEffect \"Highlight Functions\"\n"
                          "select List1 Escaped\n" +
                              road);
        EXPECT_EQ(one.status, 0) << one.err;
        EXPECT_EQ(dom::Document::parse(readFile(m_dir / "road.htm"))
                      ->all()
                      .item("Escaped")
                      ->getAttribute("onfocus"),
                  R"(ZirirurStatus('Tab\there \u00e9 Don\'t');style.backgroundColor='red';)"
                  "style.color='#0000FF';")
            << road;
    }

    HostRun again = run({"--page", "saved.htm", "--cursor", "Name", "--out", "again.htm"},
                        "menu Form Field Manager\nselect lstEffect \"Highlight Functions\"\nshow\n"
                        "select List1 Notes\nshow\n");
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(readFile(m_dir / "again.htm"), readFile(m_dir / "saved.htm"));
    expectGolden("highlighting", result.out + again.out);

    // A press dragged on with the button held and released on Jade, and the control's face
    // written as a picture: its band shows the colour, its first cell Red.
    HostRun face = run({"--page", "saved.htm", "--cursor", "Name"},
                       "menu Form Field Manager\nselect lstEffect \"Highlight Functions\"\n"
                       "click Command4\nmouse down ColorBox 25 29\n"
                       "mouse move ColorBox 25 41 left\nmouse up ColorBox 25 41\n"
                       "snapshot ColorBox face.png\nclick Command7\n");
    ASSERT_EQ(face.status, 0) << face.err;
    const gfx::Surface picture = gfx::Surface::loadPng((m_dir / "face.png").string());
    EXPECT_EQ(picture.width(), 139);
    EXPECT_EQ(picture.height(), 157);
    EXPECT_EQ(picture.pixel(70, 10), 0x80FF00u); // #00FF80
    EXPECT_EQ(picture.pixel(13, 29), 0x0000FFu); // #FF0000
}

TEST_F(HostRunTest, WithoutAPageToolsSayWhatTheyNeedWhileAboutAndHelpWork) {
    HostRun result = run({}, readFile(Scripts + "no-page.zs"));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    expectGolden("no-page", result.out);
}

TEST_F(HostRunTest, AnEditorEndingWithoutDisconnectionFindsItsSubmenuAgain) {
    HostRun first = run({"--no-disconnect"}, "print-menu\n");
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_THAT(readFile(state() / "commandbars"), HasSubstr("Zirirur Help"));
    HostRun second = run({}, "print-menu\nmenu Zirirur Help\nmenu Form Field Manager\n");
    EXPECT_EQ(second.status, 0) << second.err;
    // One submenu, its buttons in their order, and they answer clicks again.
    expectGolden("restart", second.out);
    EXPECT_EQ(first.out + HelpOpened +
                  "msgbox [Zirirur] information: You must have a page open/saved. -> OK\n",
              second.out);
}

TEST_F(HostRunTest, DisconnectionTakesTheSubmenuAwayAndTheNextStartBuildsItAgain) {
    HostRun first = run({}, "print-menu\n");
    EXPECT_EQ(first.status, 0) << first.err;
    ASSERT_THAT(first.out, HasSubstr("  Zirirur (popup)\n"));
    EXPECT_THAT(readFile(state() / "commandbars"), Not(HasSubstr("Zirirur")));

    // The stored menu no longer holds the submenu: without the add-in, Tools has none.
    fs::copy(state(), m_dir / "bare-state", fs::copy_options::recursive);
    fs::remove(m_dir / "bare-state" / "registry");
    HostRun bare =
        run({"--state", (m_dir / "bare-state").string(), "--no-auto-register"}, "print-menu\n");
    EXPECT_THAT(bare.out, Not(HasSubstr("Zirirur")));

    EXPECT_EQ(run({}, "print-menu\n").out, first.out);
}

TEST_F(HostRunTest, WithNoAddInRegisteredThereIsNoSubmenuAndTheHostSaysSo) {
    HostRun result = run({"--no-auto-register"}, "print-menu\nmenu About Zirirur\nprint-menu\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.err, HasSubstr("zirirur: no add-in is registered for the editor\n"));
    EXPECT_THAT(result.err,
                HasSubstr("script line 2 (menu): the Tools menu has no \"Zirirur\" submenu"));
    EXPECT_THAT(result.out, Not(HasSubstr("Zirirur")));
    EXPECT_THAT(result.out, StartsWith("Tools\n"));
    // The menu was printed twice: the run went on after the failing line.
    EXPECT_NE(result.out.find("Tools\n", 1), std::string::npos);
    EXPECT_FALSE(fs::exists(state() / "registry") &&
                 sys::Registry((state() / "registry").string()).keyExists(AddinsKey));
}

TEST_F(HostRunTest, TheAddInIsLoadedThroughItsRegistration) {
    // The first run registers the library of this build.
    EXPECT_EQ(run({}, "").status, 0);
    sys::Registry registry((state() / "registry").string());
    const std::string addin = std::string(AddinsKey) + "\\Zirirur.Connect";
    EXPECT_EQ(registry.number(addin, "LoadBehavior"), 3u);
    EXPECT_EQ(registry.text(addin, "FriendlyName"), "Dedarav Zirirur");
    const std::string classId = registry.text("HKEY_CLASSES_ROOT\\Zirirur.Connect\\CLSID", "");
    const std::string server = "HKEY_CLASSES_ROOT\\CLSID\\" + classId + "\\InprocServer32";
    EXPECT_EQ(fs::canonical(registry.text(server, "")), fs::canonical(ZIRIRUR_ADDIN_LIBRARY));

    // Point the registration at a library that is not there: nothing loads, nothing crashes,
    // and the host does not register another library over the user's entry.
    registry.setText(server, "", (m_dir / "gone" / "zirirur_addin.so").string());
    HostRun stale = run({}, "print-menu\n");
    EXPECT_EQ(stale.status, 0);
    EXPECT_THAT(stale.err, HasSubstr("add-in Zirirur.Connect:"));
    EXPECT_THAT(stale.out, Not(HasSubstr("Zirirur")));

    // A load behaviour other than 3 is not loaded at the start.
    registry.setText(server, "", ZIRIRUR_ADDIN_LIBRARY);
    registry.setNumber(addin, "LoadBehavior", 0);
    HostRun off = run({}, "print-menu\n");
    EXPECT_EQ(off.err, "");
    EXPECT_THAT(off.out, Not(HasSubstr("Zirirur")));

    // An entry spelt in other letters, as another tool may write it, names the same add-in.
    registry.deleteKey(addin);
    const std::string lower = std::string(AddinsKey) + "\\zirirur.connect";
    registry.setText(lower, "FriendlyName", "Dedarav Zirirur");
    registry.setNumber(lower, "LoadBehavior", 3);
    HostRun spelt = run({}, "print-menu\n");
    EXPECT_EQ(spelt.status, 0) << spelt.err;
    EXPECT_EQ(spelt.err, "");
    EXPECT_THAT(spelt.out, HasSubstr("  Zirirur (popup)\n"));
}

TEST_F(HostRunTest, ADamagedRegistryIsReportedAndTheEditorStillRuns) {
    writeFile(state() / "registry", "this is not a registry\n");
    HostRun result = run({"--page", "web/index.htm", "--out", "saved.htm"}, "print-menu\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_THAT(result.err, HasSubstr("the add-ins cannot be loaded"));
    EXPECT_THAT(result.out, StartsWith("Tools\n"));
    EXPECT_TRUE(fs::exists(m_dir / "saved.htm"));
}

TEST_F(HostRunTest, ABadScriptLineRunsNothingAndSavesNothing) {
    std::string script;
    for (int line = 1; line < 30; ++line)
        script += line % 2 ? "print-menu\n" : "# comment\n";
    script += "click Command1 extra\n";
    const std::string before = readFile(page());
    HostRun result = run({"--page", "web/index.htm", "--out", "saved.htm"}, script);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_THAT(result.err, HasSubstr(":30: usage: click CONTROL"));
    EXPECT_FALSE(fs::exists(m_dir / "saved.htm"));
    EXPECT_EQ(readFile(page()), before);
    EXPECT_FALSE(fs::exists(state() / "registry")); // not even the editor started
}

TEST_F(HostRunTest, AFailingActionIsReportedWithItsLineAndTheRunGoesOn) {
    HostRun result = run({"--page", "web/index.htm", "--out", "saved.htm"},
                         "menu About Zirirur\nclick NoSuchButton\nset Label18 text\n"
                         "click Command1\nclose\nmenu No Such Command\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "form shown: About Zirirur From Dedarav.\n"
                          "form closed: About Zirirur From Dedarav.\n");
    EXPECT_THAT(result.err, HasSubstr("zirirur: script line 2 (click): "));
    EXPECT_THAT(result.err, HasSubstr("zirirur: script line 3 (set): "));
    EXPECT_THAT(result.err, HasSubstr("zirirur: script line 5 (close): no form is open"));
    EXPECT_THAT(result.err,
                HasSubstr("script line 6 (menu): the Zirirur submenu has no \"No Such Command\""));
    EXPECT_TRUE(fs::exists(m_dir / "saved.htm"));
}

TEST_F(HostRunTest, InsertFromFavouritesOnAFreshStoreMakesItsIndexEmpty) {
    const fs::path install = freshInstall();
    HostRun result = run({"--install", install.string(), "--page", "web/index.htm"},
                         "menu Insert Form From Favourites\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_THAT(result.out, StartsWith("form shown:  Insert Form\n"));
    EXPECT_TRUE(fs::exists(install / "formfav.dat"));
    EXPECT_EQ(readFile(install / "formfav.dat"), "");
}

TEST_F(HostRunTest, FavouritesAreSavedInsertedAndDeletedThroughTheHost) {
    const fs::path install = freshInstall();
    const std::string data = std::string(ZIRIRUR_TEST_DATA) + "/";
    fs::create_directories(m_dir / "shop web/shop/images");
    fs::create_directories(m_dir / "shop web/shop/buttons");
    fs::copy_file(data + "fav-order-form.htm", m_dir / "shop web/shop/order.htm");
    writeFile(m_dir / "shop web/shop/images/logo.gif", "GIF89a logo");
    writeFile(m_dir / "shop web/shop/buttons/send.png", "PNG send");
    writeFile(m_dir / "shop web/shop/buttons/thanks.gif", "GIF89a thanks");
    const std::string target = "<html><head><title>Target</title></head><body>"
                               "<p id=\"here\">Here:</p><p>After.</p></body></html>";
    fs::create_directories(m_dir / "target web/pages");
    writeFile(m_dir / "target web/pages/target.htm", target);
    fs::create_directories(m_dir / "nowhere");
    writeFile(m_dir / "nowhere/target.htm", target);
    const std::vector<std::string> withInstall = {"--install", install.string()};
    auto with = [&](std::vector<std::string> args) {
        args.insert(args.begin(), withInstall.begin(), withInstall.end());
        return args;
    };
    std::string transcripts;

    HostRun add = run(with({"--web", "shop web", "--page", "shop web/shop/order.htm", "--cursor",
                            "customer", "--out", "order-saved.htm"}),
                      readFile(Scripts + "fav-add.zs"));
    EXPECT_EQ(add.status, 0) << add.err;
    transcripts += "== add\n" + add.out;
    EXPECT_EQ(readFile(install / "formfav.dat"),
              "Zirirur Forms Data File\r\r\n"
              "[Order Form](The shop's order form){order.cgi}<post>#%order%#\r\r\n");
    const std::string stored = readFile(install / "FormFavs/Order Form.ffv");
    EXPECT_THAT(stored, StartsWith("<FORM name=\"order\" id=\"order\""));
    EXPECT_THAT(stored, EndsWith("</FORM>\r\n"));
    // Every occurrence of a local picture's address, in any letter case, became the bare file
    // name, also for a picture after the form whose markup the form holds only before its
    // last picture; web addresses and a picture without its file kept theirs; the effects'
    // statements and the page's characters travel as they are.
    for (const char* kept :
         {"<IMG src=\"logo.gif\" alt=\"Our logo\">", "<A href=\"logo.gif\">Full size</A>",
          "<!-- <IMG src=\"thanks.gif\"> -->",
          "<INPUT type=\"image\" src=\"send.png\" name=\"send\"",
          "src=\"http://www.example.com/banner.gif\"", "src=\"HTTPS://www.example.com/seal.gif\"",
          "src=\"missing.gif\"", "onblur=\"VQRMakeUpper(this);\"", "caf\xE9 prices"})
        EXPECT_THAT(stored, HasSubstr(kept));
    EXPECT_THAT(stored, Not(HasSubstr("images/")));
    EXPECT_THAT(stored, Not(HasSubstr("IMAGES/")));
    EXPECT_EQ(readFile(install / "FormImages/Order Form/logo.gif"), "GIF89a logo");
    EXPECT_EQ(readFile(install / "FormImages/Order Form/send.png"), "PNG send");
    EXPECT_EQ(readFile(install / "FormImages/Order Form/thanks.gif"), "GIF89a thanks");

    HostRun insert = run(with({"--web", "target web", "--page", "target web/pages/target.htm",
                               "--cursor", "here", "--out", "inserted.htm"}),
                         readFile(Scripts + "fav-insert.zs"));
    EXPECT_EQ(insert.status, 0) << insert.err;
    transcripts += "== insert\n" + insert.out;
    EXPECT_EQ(readFile(m_dir / "target web/pages/logo.gif"), "GIF89a logo");
    EXPECT_EQ(readFile(m_dir / "target web/pages/send.png"), "PNG send");
    const std::string inserted = readFile(m_dir / "inserted.htm");
    EXPECT_THAT(inserted, HasSubstr("Here:</P><FORM name=\"order\""));
    EXPECT_LT(inserted.find("id=\"VQRTextFuncs\""), inserted.find("id=\"VQRStatus\""));
    EXPECT_LT(inserted.find("id=\"VQRStatus\""), inserted.find("</HEAD>"));

    HostRun noWeb =
        run(with({"--page", "nowhere/target.htm", "--cursor", "here", "--out", "no-web.htm"}),
            readFile(Scripts + "fav-insert-no-web.zs"));
    EXPECT_EQ(noWeb.status, 0) << noWeb.err;
    transcripts += "== insert outside a web\n" + noWeb.out;
    EXPECT_THAT(readFile(m_dir / "no-web.htm"), HasSubstr("<FORM name=\"order\""));
    EXPECT_THAT(readFile(m_dir / "no-web.htm"), HasSubstr("id=\"VQRStatus\""));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir / "nowhere"), fs::directory_iterator()),
              1);

    HostRun remove = run(with({"--page", "nowhere/target.htm", "--out", "unchanged.htm"}),
                         readFile(Scripts + "fav-delete.zs"));
    EXPECT_EQ(remove.status, 0) << remove.err;
    transcripts += "== delete\n" + remove.out;
    EXPECT_EQ(readFile(install / "formfav.dat"), "");
    EXPECT_FALSE(fs::exists(install / "FormFavs/Order Form.ffv"));
    EXPECT_FALSE(fs::exists(install / "FormImages/Order Form"));

    expectGolden("favourites", transcripts);
}

// "Fields Only" keeps the FORM tags and each field's markup followed by a line break; the text
// between the fields stays behind, a PLAINTEXT that ends the form (and so leaves its end tag
// out of the form's markup) too.
TEST_F(HostRunTest, AFieldsOnlyFavouriteKeepsTheFormTagsAndEachFieldOnItsLine) {
    const fs::path install = freshInstall();
    struct Case {
        const char* page;
        const char* stored;
    };
    const Case cases[] = {
        {"<html><body><form name=\"ask\" action=\"ask.cgi\"><p>Your name:</p>"
         "<input type=\"text\" name=\"who\" id=\"who\"><p>Then send it.</p>"
         "<input type=\"submit\" value=\"Send\"></form></body></html>",
         "<FORM name=\"ask\" action=\"ask.cgi\"><INPUT type=\"text\" name=\"who\" id=\"who\"><BR>"
         "<INPUT type=\"submit\" value=\"Send\"><BR></FORM>\r\n"},
        {"<form name=\"f\" action=\"a\"><p>Intro text</p><input name=\"who\" id=\"who\">"
         "<plaintext>junk <b>x</b>",
         "<FORM name=\"f\" action=\"a\"><INPUT name=\"who\" id=\"who\"><BR></FORM>\r\n"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.page);
        writeFile(m_dir / "page.htm", each.page);
        HostRun add = run({"--install", install.string(), "--page", "page.htm", "--cursor", "who"},
                          "menu Add Form To Favourites\nset txtFavName Ask\n"
                          "click Option1(0)\nclick Command1\n");
        EXPECT_EQ(add.status, 0) << add.err;
        EXPECT_EQ(readFile(install / "FormFavs/Ask.ffv"), each.stored);
        EXPECT_EQ(readFile(m_dir / "page.htm"), each.page);
    }
}

// The tools' own files are plain files: a pipe, a device or a folder in the place of one is
// refused at once, as a file that cannot be opened, with the tool's own message for that.
TEST_F(HostRunTest, AToolFileThatIsAPipeADeviceOrAFolderIsRefusedAtOnceAndChangesNothing) {
    const fs::path install = freshInstall();
    const std::string index = "[Kept](){}<>#%%#\r\r\n[Odd](){}<>#%%#\r\r\n";
    writeFile(install / "FormFavs/Kept.ffv", "<FORM></FORM>\r\n");
    fs::create_directories(install / "FormComps/Odd");
    const std::string pageBefore = readFile(page());
    const std::string colours =
        "menu Form Field Manager\nselect lstEffect \"Highlight Functions\"\nclick Command4\n";
    const std::string listed = "List1 list: [\"Kept\"]\n";
    struct Case {
        const char* file;
        std::string script;
        std::string shown;
    };
    const Case cases[] = {
        {"odd.axp", colours + "choose-file odd.axp\nselect DropPal \"Save Custom\"\n",
         "msgbox [Color Manager] critical: An Error Occured When Attempting To Save The Current "
         "Custom Palette -> OK\n"},
        {"odd.axp", colours + "choose-file odd.axp\nselect DropPal \"Load Custom\"\n",
         "msgbox [Zirirur] none: The custom palette could not be loaded. -> OK\n"},
        {"formfav.dat", "menu Add Form To Favourites\n",
         "error 75: Path/File access error (in frmAddFavForm_Form_Load)\n"},
        {"formfav.dat", "menu Insert Form From Favourites\nshow\n", "List1 list: []\n"},
        {"FormFavs/Odd.ffv", "menu Insert Form From Favourites\nshow\n", listed},
        {"FormFavs/Odd.ffv",
         "menu Add Form To Favourites\nshow\nset txtFavName Odd\nclick Command1\n", listed},
        {"FormComps/Odd/compfld.dat",
         "menu Quick Form Components\nselect List1 Odd\nclick Command1\n",
         "msgbox [Zirirur] exclamation: Data Files not found! Please check your installation. "
         "-> OK\n"},
    };
    for (const Case& each : cases) {
        for (const std::string kind : {"pipe", "device", "folder"}) {
            SCOPED_TRACE(each.file + (" as a " + kind) + "\n" + each.script);
            writeFile(install / "formfav.dat", index);
            const fs::path odd = install / each.file;
            fs::remove_all(odd);
            if (kind == "pipe")
                ASSERT_EQ(::mkfifo(odd.c_str(), 0600), 0);
            else if (kind == "device")
                fs::create_symlink("/dev/zero", odd);
            else
                fs::create_directory(odd);

            HostRun result = run(
                {"--install", install.string(), "--page", "web/index.htm", "--cursor", "FullName"},
                each.script);
            EXPECT_EQ(result.status, 0) << result.err;
            EXPECT_EQ(result.err, "");
            EXPECT_THAT(result.out, HasSubstr(each.shown));
            // No error but the one shown.
            EXPECT_EQ(result.out.find("error") != std::string::npos,
                      each.shown.find("error") != std::string::npos);
            EXPECT_EQ(readFile(page()), pageBefore);
            EXPECT_TRUE(kind == "pipe"     ? fs::is_fifo(odd)
                        : kind == "device" ? fs::is_symlink(odd)
                                           : fs::is_directory(odd));
            fs::remove_all(odd);
        }
    }
}

// A favourite deleted from an installation folder that takes no new file (it may not be
// written) leaves the index all the same, the index being written over in place; an index that
// cannot be written either keeps the whole favourite, and the user is told. Permissions do not
// bind the superuser, so the host runs as nobody then.
TEST_F(HostRunTest, AFavouriteDeletedFromAReadOnlyInstallationLeavesTheIndexOrStaysWhole) {
    if (::geteuid() == 0) {
        m_runAs = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
        if (std::system(
                (m_runAs + quoted(ZIRIRUR_HOST_BINARY) + " --help >/dev/null 2>&1").c_str()))
            GTEST_SKIP() << "the host cannot be run as an unprivileged user here (no setpriv, or "
                            "the build's folders are closed to others)";
        ::chmod(state().c_str(), 0777);
    }
    const fs::path install = freshInstall();
    const std::string index = "[Kept](k){}<>#%%#\r\r\n[Other](o){}<>#%%#\r\r\n";
    writeFile(install / "FormFavs/Kept.ffv", "<FORM></FORM>\r\n");
    writeFile(install / "FormFavs/Other.ffv", "<FORM></FORM>\r\n");
    fs::create_directories(install / "FormImages/Kept");
    writeFile(install / "FormImages/Kept/logo.gif", "GIF89a");
    // Everything in the folder may be written, but not the folder itself; it is made writable
    // again for the clean-up, however the test ends.
    for (const auto& entry : fs::recursive_directory_iterator(install))
        fs::permissions(entry.path(), fs::perms::others_read | fs::perms::others_write,
                        fs::perm_options::add);
    struct ReadOnly {
        fs::path folder;
        ~ReadOnly() { ::chmod(folder.c_str(), 0755); }
    } readOnly{install};
    ::chmod(install.c_str(), 0555);
    const std::string refused = "msgbox [Zirirur] exclamation: The favourite could not be "
                                "deleted: the favourites index cannot be written. -> OK\n";

    for (const mode_t indexMode : {0444, 0666}) {
        SCOPED_TRACE(indexMode == 0444 ? "a read-only index" : "a writable index");
        writeFile(install / "formfav.dat", index);
        ::chmod((install / "formfav.dat").c_str(), indexMode);
        HostRun result = run(
            {"--install", install.string(), "--page", "web/index.htm", "--out", "-"},
            "menu Insert Form From Favourites\nselect List1 Kept\nanswer Yes\nclick Command2\n");
        EXPECT_EQ(result.status, 0) << result.err;
        if (indexMode == 0444) {
            EXPECT_THAT(result.out, HasSubstr(refused));
            EXPECT_EQ(readFile(install / "formfav.dat"), index);
            EXPECT_TRUE(fs::exists(install / "FormFavs/Kept.ffv"));
            EXPECT_TRUE(fs::exists(install / "FormImages/Kept/logo.gif"));
        } else {
            EXPECT_THAT(result.out, Not(HasSubstr(refused)));
            EXPECT_EQ(readFile(install / "formfav.dat"), "[Other](o){}<>#%%#\r\r\n");
            EXPECT_FALSE(fs::exists(install / "FormFavs/Kept.ffv"));
            EXPECT_FALSE(fs::exists(install / "FormImages/Kept"));
        }
        EXPECT_TRUE(fs::exists(install / "FormFavs/Other.ffv"));
    }
}

// Picture buttons show no caption but a picture of the installation's Buttons folder: every
// picture that the transcripts show is shipped, as a PNG that can be read.
TEST_F(HostRunTest, EveryPictureTheDialogsShowIsShipped) {
    const std::regex picture(R"re(picture "<install>\\\\Buttons\\\\([^"]+)")re");
    std::set<std::string> shown;
    for (const auto& golden : fs::directory_iterator(Golden)) {
        const std::string transcript = readFile(golden.path());
        for (std::sregex_iterator it(transcript.begin(), transcript.end(), picture), end; it != end;
             ++it)
            shown.insert((*it)[1]);
    }
    EXPECT_GE(shown.size(), 10u);
    for (const std::string& name : shown)
        EXPECT_GT(
            gfx::Surface::loadPng(std::string(ZIRIRUR_INSTALL_DIR) + "/Buttons/" + name).width(), 0)
            << name;
}

TEST_F(HostRunTest, ThePageIsSavedWhereAskedAndOnlyThere) {
    // The page as the editor writes it when nothing changed.
    const std::string before = readFile(page());
    ASSERT_EQ(run({"--page", "web/index.htm", "--out", "normal.htm"}, "").status, 0);
    const std::string normal = readFile(m_dir / "normal.htm");
    EXPECT_EQ(readFile(page()), before); // --out leaves the page's own file alone

    // To standard output, after the transcript.
    HostRun out = run({"--page", "web/index.htm", "--out", "-"}, "menu Zirirur Help\n");
    EXPECT_EQ(out.status, 0) << out.err;
    EXPECT_EQ(out.out, HelpOpened + normal);

    // A copy saved during the run; the page's own file, which the run did not change, stays
    // as it was until the script says "save".
    HostRun copy = run({"--page", "web/index.htm"}, "save copy.htm\n");
    EXPECT_EQ(copy.status, 0) << copy.err;
    EXPECT_EQ(readFile(m_dir / "copy.htm"), normal);
    EXPECT_EQ(readFile(page()), before);
    HostRun own = run({"--page", "web/index.htm"}, "save\n");
    EXPECT_EQ(own.status, 0) << own.err;
    EXPECT_EQ(readFile(page()), normal);

    // A page never saved is written from the text it was made of.
    HostRun unsaved = run({"--page", "web/index.htm", "--unsaved", "--out", "new.htm"}, "");
    EXPECT_EQ(unsaved.status, 0) << unsaved.err;
    EXPECT_EQ(readFile(m_dir / "new.htm"), normal);

    // With no page, "save" has nothing to write.
    HostRun none = run({}, "save x.htm\n");
    EXPECT_EQ(none.status, 1);
    EXPECT_THAT(none.err, HasSubstr("script line 1 (save): no page is open"));
    EXPECT_FALSE(fs::exists(m_dir / "x.htm"));
}

TEST_F(HostRunTest, BadOptionsAndMissingFilesStopBeforeAnythingRuns) {
    writeFile(m_dir / "menu.zs", "print-menu\n");
    writeFile(m_dir / "plain.txt", "x");
    // A name longer than the system takes is a bad option like any other.
    const std::string tooLong(5000, 'a');
    const std::vector<std::pair<std::vector<std::string>, testing::Matcher<std::string>>> refused =
        {
            {{"--frobnicate"}, HasSubstr("unknown option --frobnicate")},
            {{"--page", "web/missing.htm"}, HasSubstr("cannot open the page web/missing.htm")},
            {{"--page", "web/index.htm", "--cursor", "NoSuchField"}, HasSubstr("\"NoSuchField\"")},
            {{"--install", "nowhere"}, HasSubstr("nowhere")},
            // Files where folders belong, and folders where files belong, are named as such.
            {{"--web", "plain.txt"}, HasSubstr("the web folder plain.txt is not a folder")},
            {{"--install", "plain.txt"}, HasSubstr("plain.txt is not a folder")},
            {{"--state", "plain.txt"}, HasSubstr("plain.txt: it is a file")},
            {{"--page", "web"}, HasSubstr("cannot open the page web: it is a folder")},
            {{"--page", tooLong}, StartsWith("zirirur: cannot open the page ")},
            {{"--web", tooLong}, HasSubstr("zirirur: ")},
            {{"--install", tooLong}, HasSubstr("zirirur: ")},
            {{"--state", tooLong}, HasSubstr("zirirur: ")},
            {{"--page", "web/index.htm", "--out", tooLong}, HasSubstr("File name too long")},
        };
    for (auto [args, error] : refused) {
        args.push_back("menu.zs");
        HostRun result = runArgs(args);
        EXPECT_EQ(result.status, 2) << args[0] << ": " << result.err.substr(0, 300);
        EXPECT_THAT(result.err, error) << args[0];
        EXPECT_EQ(result.out, "") << args[0];
    }
    HostRun noScript = runArgs({"missing.zs"});
    EXPECT_EQ(noScript.status, 2);
    EXPECT_THAT(noScript.err, HasSubstr("cannot read the script"));

    // A script saved in a legacy code page, and one with a byte order mark.
    HostRun legacy = run({}, "print-menu\nset t 'caf\xE9'\n");
    EXPECT_EQ(legacy.status, 2);
    EXPECT_THAT(legacy.err, HasSubstr(":2: the line is not UTF-8 text"));
    EXPECT_EQ(legacy.out, "");
    EXPECT_EQ(run({}, "\xEF\xBB\xBFmenu Zirirur Help\n").status, 0);

    // A word as long as a page is cut short in the message about it.
    HostRun longLine = run({}, "menu " + std::string(100000, 'A') + "\n");
    EXPECT_EQ(longLine.status, 1);
    EXPECT_THAT(longLine.err, HasSubstr("script line 1 (menu): "));
    EXPECT_LT(longLine.err.size(), 1000u) << longLine.err.substr(0, 1000);

    HostRun help = runArgs({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("Exit status"));
    // When the page is saved, and what is refused.
    EXPECT_THAT(help.out, HasSubstr("file only when the run changed it"));
    EXPECT_THAT(help.out, HasSubstr("Refused before anything runs: a page file that is not text"));
}

TEST_F(HostRunTest, APageThatCouldNotBeKeptStopsTheRunBeforeItStarts) {
    const std::string before = readFile(page());
    const std::string script = "menu Zirirur Help\n";

    HostRun noFolder = run({"--page", "web/index.htm", "--out", "gone/saved.htm"}, script);
    EXPECT_EQ(noFolder.status, 2);
    EXPECT_THAT(noFolder.err, HasSubstr("the page cannot be saved to gone/saved.htm: its folder "));
    EXPECT_EQ(noFolder.out, ""); // nothing ran
    EXPECT_FALSE(fs::exists(state() / "registry"));

    fs::create_directories(m_dir / "folder");
    HostRun intoFolder = run({"--page", "web/index.htm", "--out", "folder"}, script);
    EXPECT_EQ(intoFolder.status, 2);
    EXPECT_THAT(intoFolder.err, HasSubstr("cannot be saved to folder: it is a folder"));
    EXPECT_TRUE(fs::is_empty(m_dir / "folder"));
    EXPECT_EQ(readFile(page()), before);

    // A save during the run that cannot be written says where, and the run goes on.
    HostRun midRun = run({"--page", "web/index.htm", "--out", "end.htm"},
                         "save gone/copy.htm\nmenu Zirirur Help\n");
    EXPECT_EQ(midRun.status, 1);
    EXPECT_THAT(midRun.err, HasSubstr("script line 1 (save): gone/copy.htm: "));
    EXPECT_THAT(midRun.out, HasSubstr("shell open: "));
    EXPECT_TRUE(fs::exists(m_dir / "end.htm"));
}

TEST_F(HostRunTest, SavingThroughALinkOrIntoAPipeKeepsTheLinkAndThePipe) {
    ASSERT_EQ(run({"--page", "web/index.htm", "--out", "plain.htm"}, "").status, 0);
    const std::string expected = readFile(m_dir / "plain.htm");

    // The file behind the link takes the page; the link stays a link.
    writeFile(m_dir / "real.htm", "old");
    fs::create_symlink("real.htm", m_dir / "link.htm");
    EXPECT_EQ(run({"--page", "web/index.htm", "--out", "link.htm"}, "").status, 0);
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.htm"));
    EXPECT_EQ(readFile(m_dir / "real.htm"), expected);

    // The page's own file, opened through a link, is saved behind the link as well.
    fs::create_symlink(page(), m_dir / "own.htm");
    EXPECT_EQ(run({"--page", "own.htm"}, "save\n").status, 0);
    EXPECT_TRUE(fs::is_symlink(m_dir / "own.htm"));
    EXPECT_EQ(readFile(page()), expected);

    // A pipe (as /dev/stdout or /dev/null are devices) takes the bytes and stays a pipe.
    const fs::path pipe = m_dir / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(run({"--page", "web/index.htm", "--out", pipe.string()}, "").status, 0);
    EXPECT_TRUE(fs::is_fifo(pipe));
    std::string received(expected.size() + 16, '\0');
    const ssize_t got = ::read(reader, received.data(), received.size());
    ::close(reader);
    received.resize(got > 0 ? static_cast<size_t>(got) : 0);
    EXPECT_EQ(received, expected);
}

TEST_F(HostRunTest, AStandardOutputThatCannotBeWrittenIsAFailure) {
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    writeFile(m_dir / "empty.zs", "");
    HostRun page = runArgs({"--page", "web/index.htm", "--out", "-", "empty.zs"}, "/dev/full");
    EXPECT_EQ(page.status, 1);
    EXPECT_THAT(page.err, HasSubstr("the page cannot be saved: standard output cannot be written"));

    // A reader that goes away early (as "| head" does) ends neither the run nor the saving.
    std::string longTranscript;
    for (int i = 0; i < 5000; ++i)
        longTranscript += "print-menu\n";
    writeFile(m_dir / "long.zs", longTranscript);
    const std::string command =
        "cd " + quoted(m_dir.string()) + " && ZIRIRUR_NO_SHELL=1 " + quoted(ZIRIRUR_HOST_BINARY) +
        " --state " + quoted(state().string()) +
        " --page web/index.htm --out saved.htm long.zs 2>err.txt </dev/null | true;"
        " echo ${PIPESTATUS[0]} >status.txt";
    ASSERT_EQ(std::system(("bash -c " + quoted(command)).c_str()), 0);
    EXPECT_EQ(readFile(m_dir / "status.txt"), "1\n") << readFile(m_dir / "err.txt");
    EXPECT_THAT(readFile(m_dir / "err.txt"), HasSubstr("the transcript could not be written"));
    EXPECT_TRUE(fs::exists(m_dir / "saved.htm"));

    writeFile(m_dir / "menu.zs", "print-menu\n");
    HostRun transcript = runArgs({"menu.zs"}, "/dev/full");
    EXPECT_EQ(transcript.status, 1);
    EXPECT_THAT(transcript.err, HasSubstr("the transcript could not be written"));
}

TEST_F(HostRunTest, TheCursorGoesToTheElementSpeltAsGivenBeforeOneInOtherLetters) {
    // The page's own ids and names tell its fields apart by case; so does --cursor. Without an
    // exact match, other letters still find it.
    writeFile(m_dir / "case.htm", "<html><body><form name=\"First\"><input id=\"email\"></form>"
                                  "<form name=\"Second\"><input name=\"Email\"></form>"
                                  "</body></html>");
    for (const auto& [cursor, form] : {std::pair{"Email", "Second"}, {"EMAIL", "First"}}) {
        HostRun result = run({"--page", "case.htm", "--cursor", cursor, "--out", "-"},
                             "menu Form Field Manager\nshow\n");
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_THAT(result.out, HasSubstr(std::string("Text3 textbox: \"") + form + "\""));
    }
}

// --- The form tools through the host ---

const std::string TestData = std::string(ZIRIRUR_TEST_DATA) + "/";

// A page as the editor reads it: decoded from its charset and parsed.
std::unique_ptr<editor::Application> opened(const fs::path& page) {
    auto app = std::make_unique<editor::Application>();
    app->openPage(page.string());
    return app;
}

// The removal as the user asks for it; no type chosen leaves the type the list starts with.
std::string removalScript(Removal removal, const std::string& type) {
    std::string script = "menu Remove Form/Form Parts\nclick optDel(" +
                         std::to_string(static_cast<int>(removal)) + ")\n";
    if (removal == Removal::FieldsOfType && !type.empty())
        script += "select lstTypes " + type + "\n";
    return script + "click Command1\n";
}

// The element that --cursor T finds first (its id, else its name, spelt as the page spells it),
// taken as a name for the field; "" when the field has no name that finds it.
std::string cursorFor(const dom::Document& document, const std::shared_ptr<dom::Element>& field) {
    for (const std::string& name : {field->id(), field->getAttribute("name").value_or("")})
        if (!name.empty() && name.find_first_of(" \t\r\n'\"") == std::string::npos &&
            document.all().item(name) == field)
            return name;
    return "";
}

class FormToolsHostTest : public HostRunTest {
protected:
    // Runs the removal through the host with the caret in the field named cursor, and checks
    // the saved page against the page worked out from the one opened here: changed exactly as
    // the option says, in the page's own charset.
    void expectRemoval(const fs::path& page, const std::string& cursor, Removal removal,
                       const std::string& type) {
        SCOPED_TRACE(page.filename().string() + " at " + cursor + " option " +
                     std::to_string(static_cast<int>(removal)) + " " + type);
        auto original = opened(page);
        auto document = original->activeDocument();
        auto form = document->all().item(cursor)->enclosingForm();
        ASSERT_TRUE(form);
        const auto expected = expectedAfterRemoval(
            document->serialize(), *form,
            fieldsRemovedBy(*form, removal, type.empty() ? "IMAGE" : type), removal);

        const fs::path saved = m_dir / "saved.htm";
        HostRun result = run({"--page", page.string(), "--cursor", cursor, "--out", saved.string()},
                             removalScript(removal, type));
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, "form shown: Delete Form\nform closed: Delete Form\n");

        auto after = opened(saved);
        const auto& encoding = after->activePageWindow()->encoding();
        EXPECT_EQ(encoding.charset(), original->activePageWindow()->encoding().charset());
        EXPECT_EQ(encoding.byteOrderMark(),
                  original->activePageWindow()->encoding().byteOrderMark());
        if (expected) {
            EXPECT_EQ(after->activeDocument()->serialize(),
                      dom::Document::parse(*expected)->serializeForSaving());
        }
        ++m_removals;
        m_checked += expected.has_value();
    }

    int m_removals = 0;
    int m_checked = 0;
};

TEST_F(FormToolsHostTest, EachRemovalOfAFormInATableChangesTheSavedPageAsItsOptionSays) {
    const fs::path page = m_dir / "table.htm";
    fs::copy_file(TestData + "ft-remove-table-form.htm", page);
    for (Removal removal : {Removal::WholeForm, Removal::TagsAndFields, Removal::Fields})
        expectRemoval(page, "customer", removal, "");

    // Each type takes exactly the fields that the page gives that type: text areas and password
    // fields are no TEXT, selection lists of both kinds are SELECT, the type's letter case in the
    // page does not matter, and every group's radio buttons go. IMAGE is chosen at the start.
    const std::map<std::string, std::vector<std::string>> removedByType = {
        {"HIDDEN", {"code"}},
        {"IMAGE", {"go"}},
        {"TEXT", {"customer"}},
        {"BUTTON", {"calc", "help"}},
        {"SUBMIT", {"send"}},
        {"RESET", {"clear"}},
        {"SELECT", {"size", "extras"}},
        {"CHECKBOX", {"gift"}},
        {"RADIO", {"card", "cash", "post"}},
        {"", {"go"}}};
    auto original = opened(page);
    auto form = original->activeDocument()->all().item("order");
    for (const auto& [type, removed] : removedByType) {
        std::vector<std::string> ids;
        for (const auto& field :
             fieldsRemovedBy(*form, Removal::FieldsOfType, type.empty() ? "IMAGE" : type))
            ids.push_back(field->id());
        EXPECT_EQ(ids, removed) << type;
        expectRemoval(page, "notes", Removal::FieldsOfType, type);
    }
    EXPECT_EQ(m_checked, m_removals);
}

TEST_F(FormToolsHostTest, TheCursorOutsideEveryFormGivesTheMessageAndNoDialog) {
    const fs::path page = m_dir / "table.htm";
    fs::copy_file(TestData + "ft-remove-table-form.htm", page);
    ASSERT_EQ(run({"--page", page.string(), "--out", "untouched.htm"}, "").status, 0);
    const std::string message =
        "msgbox [Zirirur] exclamation: You must have your cursor in a form -> OK\n";
    HostRun after = run({"--page", page.string(), "--cursor", "after", "--out", "saved.htm"},
                        "menu Remove Form/Form Parts\nshow\n");
    EXPECT_EQ(after.status, 1); // show finds no dialog
    EXPECT_THAT(after.err, HasSubstr("script line 2 (show)"));
    EXPECT_EQ(after.out, message);
    EXPECT_EQ(readFile(m_dir / "saved.htm"), readFile(m_dir / "untouched.htm"));
    // The caret nowhere, and a script that ends where the box asks: its default answer.
    HostRun nowhere =
        run({"--page", page.string(), "--out", "saved.htm"}, "menu Remove Form/Form Parts\n");
    EXPECT_EQ(nowhere.status, 0) << nowhere.err;
    EXPECT_EQ(nowhere.err, "");
    EXPECT_EQ(nowhere.out, message);
    EXPECT_EQ(readFile(m_dir / "saved.htm"), readFile(m_dir / "untouched.htm"));
}

// Real pages nobody here wrote: the removals on a form of each page that a name reaches.
TEST_F(FormToolsHostTest, RemovalsOnTheCorpusPagesSaveThePagesAsTheirOptionsSay) {
    int page = 0;
    for (const auto& entry : fs::directory_iterator(ZIRIRUR_CORPUS_DIR)) {
        if (entry.path().extension() != ".htm")
            continue;
        auto original = opened(entry.path());
        auto document = original->activeDocument();
        std::string cursor;
        for (const auto& form : document->all().tags("FORM").toVector())
            for (int i = 0; i < form->length() && cursor.empty(); ++i)
                cursor = cursorFor(*document, form->item(i));
        if (cursor.empty()) {
            ADD_FAILURE() << entry.path() << ": no field that a name reaches";
            continue;
        }
        // Two of the four options on each page, each option on half the pages.
        for (int option : {page % 4, (page + 2) % 4})
            expectRemoval(entry.path(), cursor, static_cast<Removal>(option),
                          RemovalFieldTypes[page % RemovalFieldTypes.size()]);
        ++page;
    }
    EXPECT_GT(page, 20);
    EXPECT_GT(m_checked, m_removals * 9 / 10) << m_checked << " of " << m_removals;
}

TEST_F(FormToolsHostTest, BothDialogsShowTheirControls) {
    const fs::path page = m_dir / "table.htm";
    fs::copy_file(TestData + "ft-remove-table-form.htm", page);
    HostRun result = run({"--page", page.string(), "--cursor", "customer", "--out", "saved.htm"},
                         "menu Remove Form/Form Parts\nshow\nclick Command3\n"
                         "menu Insert Form Radio Group\nshow\nclick Command4\n");
    EXPECT_EQ(result.status, 0) << result.err;
    expectGolden("form-tools", result.out);
    // Cancel in both changes nothing.
    ASSERT_EQ(run({"--page", page.string(), "--out", "untouched.htm"}, "").status, 0);
    EXPECT_EQ(readFile(m_dir / "saved.htm"), readFile(m_dir / "untouched.htm"));
}

TEST_F(FormToolsHostTest, ARadioGroupIsSavedAtTheCursorInThePagesOwnCharset) {
    const fs::path page = m_dir / "radio.htm";
    fs::copy_file(TestData + "ft-radio-page.htm", page);
    HostRun result = run({"--page", page.string(), "--cursor", "spot", "--out", "saved.htm"},
                         "menu Insert Form Radio Group\n"
                         "click Command1\nset Text2 mail\nset Text3 \"By mail\"\n"
                         "click Command1\nclick Option1(0)\ncheck Check1 1\n"
                         "set Text1 \"\"\nclick Command3\nset Text1 Heard\nclick Command3\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "form shown:  Radio Button Group\n"
                          "msgbox [Zirirur] information: Name Cannot Be Zero Length. -> OK\n"
                          "form closed:  Radio Button Group\n");
    const std::string saved = readFile(m_dir / "saved.htm");
    EXPECT_THAT(saved, HasSubstr("<SPAN id=\"spot\"><INPUT type=\"radio\" value=\"mail\" "
                                 "name=\"Heard\">By mail<BR><INPUT type=\"radio\" "
                                 "value=\"* New Option\" checked=\"\" name=\"Heard\">Text For "
                                 "New Option<BR></SPAN>"));
    EXPECT_THAT(saved, HasSubstr("caf\xE9"));
}

// Real pages nobody here wrote: a group of two, the second checked, after a field of a form.
TEST_F(FormToolsHostTest, RadioGroupsOnTheCorpusPagesAreSavedWhereTheCursorWas) {
    int pages = 0;
    for (const auto& entry : fs::directory_iterator(ZIRIRUR_CORPUS_DIR)) {
        if (entry.path().extension() != ".htm")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        auto original = opened(entry.path());
        auto document = original->activeDocument();
        std::shared_ptr<dom::Element> field;
        std::string cursor;
        for (const auto& form : document->all().tags("FORM").toVector())
            for (int i = 0; i < form->length() && cursor.empty(); ++i)
                cursor = cursorFor(*document, field = form->item(i));
        ASSERT_FALSE(cursor.empty());
        const fs::path saved = m_dir / "saved.htm";
        HostRun result =
            run({"--page", entry.path().string(), "--cursor", cursor, "--out", saved.string()},
                "menu Insert Form Radio Group\nset Text1 ZrGroup\nclick Command1\nset Text2 one\n"
                "click Command1\nset Text2 two\nclick Option1(0)\nclick Command3\n");
        EXPECT_EQ(result.status, 0) << result.err;

        auto after = opened(saved);
        EXPECT_EQ(after->activePageWindow()->encoding().charset(),
                  original->activePageWindow()->encoding().charset());
        std::vector<std::string> group;
        for (const auto& input : after->activeDocument()->all().tags("INPUT").toVector())
            if (input->getAttribute("name") == "ZrGroup")
                group.push_back(input->getProperty("Value") +
                                (input->getAttribute("checked") ? " checked" : ""));
        EXPECT_EQ(group, (std::vector<std::string>{"one", "two checked"}));
        // Nothing else of the page changed: without the group it is the page as it was.
        std::string withoutGroup = after->activeDocument()->serialize();
        for (const char* option :
             {"<INPUT type=\"radio\" value=\"one\" name=\"ZrGroup\">Text For New Option",
              "<INPUT type=\"radio\" value=\"two\" checked=\"\" name=\"ZrGroup\">Text For New "
              "Option"}) {
            const size_t at = withoutGroup.find(option);
            ASSERT_NE(at, std::string::npos) << option;
            withoutGroup.erase(at, std::string(option).size());
        }
        EXPECT_EQ(withoutGroup, document->serializeForSaving());
        ++pages;
    }
    EXPECT_GT(pages, 20);
}

} // namespace
