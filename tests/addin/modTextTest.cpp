#include "addin/modText.h"

#include "platform/sys/Shell.h"
#include "tests/platform/sys/ErrorNumber.h"
#include "tests/platform/sys/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace zirirur;

TEST(ModText, ReplaceTextReplacesEveryOccurrenceWithoutRegardToCase) {
    EXPECT_EQ(ReplaceText("a;B;b", "b", "bb"), "a;bb;bb");
    EXPECT_EQ(ReplaceText("xxx", "x", "xx"), "xxxxxx"); // the replacement is not searched again
    EXPECT_EQ(ReplaceText("aaaa", "aa", "b"), "bb");    // left to right, never overlapping
    EXPECT_EQ(ReplaceText("no match here", "zz", "y"), "no match here");
    EXPECT_EQ(ReplaceText("", "b", "c"), "");
    EXPECT_EQ(ReplaceText("onFocus=\"a;\"", "ONFOCUS", ""), "=\"a;\"");
    EXPECT_EQ(ReplaceText("Été, été!", "ÉTÉ", "summer"), "summer, summer!");
    EXPECT_EQ(ReplaceText("ééAé", "a", "→"), "éé→é");
    EXPECT_EQ(ReplaceText("file:///C:/a/b.htm", "/", "\\"), "file:\\\\\\C:\\a\\b.htm");
    EXPECT_EQ(ReplaceText("keep", "", "x"), "keep"); // an empty Find gives no endless loop
}

TEST(ModText, TextBetweenTakesTheFirstStartMarkAndTheNextEndMark) {
    EXPECT_EQ(TextBetween("[Name](Desc)", "[", "]"), "Name");
    EXPECT_EQ(TextBetween("[Name](Desc)", "(", ")"), "Desc");
    EXPECT_EQ(TextBetween("[Name](Desc)", "(", "]"), ""); // the "]" lies before the "("
    EXPECT_EQ(TextBetween("[Name](Desc)", "{", "}"), "");
    EXPECT_EQ(TextBetween("[Name](Desc", "(", ")"), "");
    EXPECT_EQ(TextBetween("a[PART1]body[/part1]b", "[part1]", "[/PART1]"), "body");
    EXPECT_EQ(TextBetween("x[]y", "[", "]"), "");
    EXPECT_EQ(TextBetween("[a][b]", "[", "]"), "a");
    EXPECT_EQ(TextBetween("abXb", "ab", "b"),
              "X"); // an end mark inside the start mark does not count
    EXPECT_EQ(TextBetween("«é»(x)", "«", "»"), "é");
    EXPECT_EQ(TextBetween("ZirirurStatus('Hi');", "ZirirurStatus('", "');"), "Hi");
}

TEST(ModText, FileExistsAnswersOnlyForAMissingFile) {
    TempFolder dir;
    dir.writeRaw("here.txt", "x");
    std::filesystem::create_directory(dir.native("Folder"));
    EXPECT_TRUE(FileExists(dir.windows("here.txt")));
    EXPECT_TRUE(FileExists(dir.windows("HERE.TXT")));
    EXPECT_FALSE(FileExists(dir.windows("missing.txt")));
    // Other errors reach the caller, with their own numbers.
    EXPECT_EQ(errorNumberOf([&] { FileExists(dir.windows("NoFolder\\here.txt")); }), 76);
    EXPECT_EQ(errorNumberOf([&] { FileExists(dir.windows("Folder")); }), 75);
}

TEST(ModText, ReadFileGivesTheWholeFileAsText) {
    TempFolder dir;
    dir.writeRaw("desc.txt", "Caf\xE9 \x96 \x80"
                             "5\r\nline two\r\n");
    EXPECT_EQ(ReadFile(dir.windows("desc.txt")), "Café – €5\r\nline two\r\n");
    dir.writeRaw("empty.txt", "");
    EXPECT_EQ(ReadFile(dir.windows("empty.txt")), "");
    EXPECT_EQ(ReadFile(dir.windows("missing.txt")), "");
    EXPECT_FALSE(std::filesystem::exists(dir.native("missing.txt"))); // opening created nothing
    EXPECT_EQ(errorNumberOf([&] { ReadFile(dir.windows("NoFolder\\x.txt")); }), 76);
}

TEST(ModText, IsValidFavNameTakesLettersDigitsHyphensAndBlanks) {
    EXPECT_TRUE(IsValidFavName("My Form-2"));
    EXPECT_TRUE(IsValidFavName("abc123"));
    EXPECT_TRUE(IsValidFavName(" "));
    EXPECT_FALSE(IsValidFavName("My_Form"));
    EXPECT_FALSE(IsValidFavName(""));
    EXPECT_FALSE(IsValidFavName("é"));
    EXPECT_FALSE(IsValidFavName("caf€"));
    EXPECT_FALSE(IsValidFavName("a\tb"));
    EXPECT_FALSE(IsValidFavName("a/b"));
    EXPECT_FALSE(IsValidFavName("a\\b"));
    EXPECT_FALSE(IsValidFavName("..")); // would name a file outside the store
    EXPECT_FALSE(IsValidFavName(std::string("a\0b", 3)));
    EXPECT_TRUE(IsValidFavName(std::string(40000, 'a'))); // long names are checked to the end
    EXPECT_FALSE(IsValidFavName(std::string(40000, 'a') + "_"));
}

TEST(ModText, ShellOpenHandsTheTargetToTheShell) {
    ::setenv("ZIRIRUR_NO_SHELL", "1", 1);
    sys::Shell::clearRequests();
    ShellOpen("C:\\inst\\Help\\index.htm");
    EXPECT_EQ(sys::Shell::requests(), std::vector<std::string>{"C:\\inst\\Help\\index.htm"});
}
