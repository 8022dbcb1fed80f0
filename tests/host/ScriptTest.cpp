#include "host/Script.h"
#include "host/ScriptAction.h"
#include "host/ScriptError.h"
#include "platform/ui/MsgBox.h"

#include <gtest/gtest.h>

namespace {

using host::ScriptAction;
using Words = std::vector<std::string>;
using K = ScriptAction::Kind;

ScriptAction action(const std::string& line) {
    return ScriptAction::parse(host::ScriptLine{7, host::Script::splitWords(line, 7)});
}

// The line number and message of the error step raises; 0 when none is raised.
template <typename Step> std::pair<int, std::string> failure(Step&& step) {
    try {
        step();
    } catch (const host::ScriptError& error) {
        return {error.line(), error.what()};
    }
    return {0, ""};
}

TEST(ScriptWords, SplitAsAShellSplitsThem) {
    using host::Script;
    EXPECT_EQ(Script::splitWords("  click   Command1 "), (Words{"click", "Command1"}));
    EXPECT_EQ(Script::splitWords("set txtName 'two  words'"),
              (Words{"set", "txtName", "two  words"}));
    EXPECT_EQ(Script::splitWords(R"(set t "say \"hi\" \\ \n")"),
              (Words{"set", "t", R"(say "hi" \ \n)"}));
    EXPECT_EQ(Script::splitWords(R"(set t a\ b\'c)"), (Words{"set", "t", "a b'c"}));
    EXPECT_EQ(Script::splitWords(R"(set t $'one\r\ntwo\'s')"), (Words{"set", "t", "one\r\ntwo's"}));
    EXPECT_EQ(Script::splitWords("set t ''"), (Words{"set", "t", ""}));
    EXPECT_EQ(Script::splitWords("set t pre'quoted'post"), (Words{"set", "t", "prequotedpost"}));
    // A comment starts the line or stands alone; a colour after the action is a word.
    EXPECT_EQ(Script::splitWords("choose-colour #FF0000 # red"),
              (Words{"choose-colour", "#FF0000"}));
    EXPECT_EQ(Script::splitWords("choose-colour #FF0000 #"), (Words{"choose-colour", "#FF0000"}));
    EXPECT_TRUE(Script::splitWords("#show").empty());
    EXPECT_EQ(Script::splitWords("set t a#b"), (Words{"set", "t", "a#b"}));
    EXPECT_EQ(Script::splitWords("set t '#x'"), (Words{"set", "t", "#x"}));
    EXPECT_TRUE(Script::splitWords("   # only a comment").empty());
    EXPECT_EQ(Script::splitWords("menu About Zirirur\r"), (Words{"menu", "About", "Zirirur"}));
    EXPECT_EQ(Script::splitWords("set t 'größe'"), (Words{"set", "t", "größe"}));
}

TEST(ScriptWords, ParseKeepsLineNumbersAndSkipsBlankAndCommentLines) {
    host::Script script =
        host::Script::parse("# demo\r\n\r\nprint-menu\r\n  \n menu 'About Zirirur'");
    ASSERT_EQ(script.lines().size(), 2u);
    EXPECT_EQ(script.lines()[0].number, 3);
    EXPECT_EQ(script.lines()[0].words, Words{"print-menu"});
    EXPECT_EQ(script.lines()[1].number, 5);
    EXPECT_EQ(script.lines()[1].words, (Words{"menu", "About Zirirur"}));
    EXPECT_TRUE(host::Script::parse("").lines().empty());
}

TEST(ScriptWords, OpenQuotesAndTextThatIsNotUtf8AreRefusedNamingTheLine) {
    const auto expectRefusedOnLine3 = [](const std::string& bad, const std::string& reason) {
        auto [line, message] =
            failure([&] { host::Script::parse("show\n# fine\n" + bad + "\nshow\n"); });
        EXPECT_EQ(line, 3) << bad;
        EXPECT_NE(message.find(reason), std::string::npos) << bad << ": " << message;
    };
    for (const char* open : {"set t 'open", "set t \"open", "set t $'open", "set t \"a\\\""})
        expectRefusedOnLine3(open, "is not closed");
    // A script saved in a legacy code page would hand broken text to the page and the forms.
    for (const char* bad : {"set t 'caf\xE9'", "menu About\xFF", "set t \xC3", "set t \xED\xA0\x80",
                            "set t \xC0\xAF", "set t \xF4\x90\x80\x80"})
        expectRefusedOnLine3(bad, "UTF-8");
    // Even inside a comment: the file as a whole is not text of the expected kind.
    EXPECT_THROW(host::Script::parse("# caf\xE9\nshow\n"), host::ScriptError);

    // A byte order mark, as some editors write, starts the file and is no part of the action.
    host::Script marked = host::Script::parse("\xEF\xBB\xBFprint-menu\nset t 'gr\xC3\xB6\xC3\x9F"
                                              "e \xF0\x9F\x98\x80'\n");
    ASSERT_EQ(marked.lines().size(), 2u);
    EXPECT_EQ(marked.lines()[0].words, Words{"print-menu"});
    EXPECT_EQ(marked.lines()[1].words[2], "gr\xC3\xB6\xC3\x9F"
                                          "e \xF0\x9F\x98\x80");
}

// Most actions are read in the host's own runs; here the arguments those runs do not give.
TEST(ScriptActions, ReadEveryActionWithItsArguments) {
    ScriptAction click = action("click optDel(3)");
    EXPECT_EQ(click.kind, K::Click);
    EXPECT_EQ(click.control.name, "optDel");
    EXPECT_EQ(click.control.index, 3);
    EXPECT_EQ(click.line, 7);
    EXPECT_EQ(action("click Command1").control.index, -1);
    ScriptAction byIndex = action("select lstTypes 2");
    EXPECT_FALSE(byIndex.rowByText);
    EXPECT_EQ(byIndex.number, 2);

    EXPECT_EQ(action("key txtName a").number, 'A');
    EXPECT_EQ(action("key txtName 5").number, '5');
    EXPECT_EQ(action("key txtName 27").number, 27);
    EXPECT_EQ(action("key txtName F2").number, 113);
    ScriptAction mouse = action("mouse down ColorBox 10 -2");
    EXPECT_EQ(mouse.text, "down");
    EXPECT_EQ(mouse.x, 10);
    EXPECT_EQ(mouse.y, -2);
    EXPECT_EQ(mouse.button, 1); // a press is with the left button unless told
    EXPECT_EQ(action("mouse move ColorBox 1 2").button, 0);
    EXPECT_EQ(action("mouse up ColorBox 1 2 right").button, 2);

    EXPECT_EQ(action("wait 400").number, 400);
    EXPECT_EQ(action("answer Cancel").number, ui::vbCancel);
    EXPECT_EQ(action("choose-colour #FF8000").colour, 0x0080FF); // 0x00BBGGRR
    EXPECT_EQ(action("choose-colour #0000ff").colour, 0xFF0000);
    EXPECT_TRUE(action("hyperlink --cancel").cancel);
}

TEST(ScriptActions, BadLinesAreRefusedWithTheirLineAndAReason) {
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"frobnicate", "unknown action"},
        {"click", "usage: click CONTROL"},
        {"click a b", "usage: click CONTROL"},
        {"print-menu now", "usage: print-menu"},
        {"click 1abc", "not a control name"},
        {"click a(b)", "not a control name"},
        {"click a(1", "not a control name"},
        {"click a(-1)", "not a control name"},
        {"check chk 2", "not 0 or 1"},
        {"key t NoSuchKey", "not a key"},
        {"key t 300", "not a key"},
        {"wait -5", "not a number"},
        {"wait soon", "not a number"},
        {"dblclick List1 x", "not a row number"},
        {"mouse press C 1 2", "not down, move or up"},
        {"mouse down C 1 y", "two whole numbers"},
        {"mouse down C 1 2 thumb", "not a mouse button"},
        {"answer Maybe", "not an answer"},
        {"choose-colour red", "not a colour"},
        {"choose-colour #12345", "not a colour"},
        {"choose-colour #GG0000", "not a colour"},
        {"save a b", "usage: save"},
        {"menu", "usage: menu"},
    };
    for (const auto& [line, reason] : bad) {
        auto [number, message] = failure([&] { action(line); });
        EXPECT_EQ(number, 7) << line;
        EXPECT_NE(message.find(reason), std::string::npos) << line << ": " << message;
    }
}

} // namespace
