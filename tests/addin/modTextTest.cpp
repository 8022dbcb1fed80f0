#include "addin/modText.h"

#include "tests/platform/editor/ScratchFolder.h"
#include "tests/platform/sys/ErrorNumber.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

using namespace zirirur;

TEST(ModText, ReplaceTextReplacesEveryOccurrenceWithoutRegardToCase) {
    // The replacement is not searched again; matches go left to right, never overlapping; an
    // empty Find gives no endless loop. Letters whose cases differ in their first byte (ÿ Ÿ,
    // ŀ Ŀ) match; a byte of no character matches only itself.
    const std::array<const char*, 4> cases[] = {{"a;B;b", "b", "bb", "a;bb;bb"},
                                                {"xxx", "x", "xx", "xxxxxx"},
                                                {"xX", "x", "Xx", "XxXx"},
                                                {"aaaa", "aa", "b", "bb"},
                                                {"ababa", "aba", "X", "Xba"},
                                                {"abAB", "ab", "-", "--"},
                                                {"no match here", "zz", "y", "no match here"},
                                                {"", "b", "c", ""},
                                                {"onFocus=\"a;\"", "ONFOCUS", "", "=\"a;\""},
                                                {"Été, été!", "ÉTÉ", "summer", "summer, summer!"},
                                                {"ééAé", "a", "→", "éé→é"},
                                                {"ŸES ÿes", "ÿes", "no", "no no"},
                                                {"ŀ Ŀ", "Ŀ", "L", "L L"},
                                                {"Привет, ПРИВЕТ!", "привет", "Hi", "Hi, Hi!"},
                                                {"é\x80É\x80", "\x80", "-", "é-É-"},
                                                {"keep", "", "x", "keep"}};
    for (const auto& [text, find, with, result] : cases)
        EXPECT_EQ(ReplaceText(text, find, with), result) << text << " " << find;

    // Many occurrences among characters of two bytes, each replaced where it stands.
    std::string many;
    std::string replaced;
    for (int i = 0; i < 2000; ++i) {
        many += "é{formName}" + std::to_string(i);
        replaced += "éForm1" + std::to_string(i);
    }
    EXPECT_EQ(ReplaceText(many, "{FORMNAME}", "Form1"), replaced);
}

TEST(ModText, TextBetweenTakesTheFirstStartMarkAndTheNextEndMark) {
    // An end mark before the start mark, or inside it, does not count.
    const std::array<const char*, 4> cases[] = {
        {"[Name](Desc)", "[", "]", "Name"},
        {"[Name](Desc)", "(", ")", "Desc"},
        {"[Name](Desc)", "(", "]", ""},
        {"[Name](Desc)", "{", "}", ""},
        {"[Name](Desc", "(", ")", ""},
        {"a[PART1]body[/part1]b", "[part1]", "[/PART1]", "body"},
        {"x[]y", "[", "]", ""},
        {"[a][b]", "[", "]", "a"},
        {"abXb", "ab", "b", "X"},
        {"«é»(x)", "«", "»", "é"},
        {"Ÿ[a]ÿ[b]", "ÿ[", "]", "a"},
        {"ZirirurStatus('Hi');", "ZirirurStatus('", "');", "Hi"}};
    for (const auto& [text, start, end, between] : cases)
        EXPECT_EQ(TextBetween(text, start, end), between) << text << " " << start << end;
}

TEST(ModText, FileExistsAnswersOnlyForAMissingFileAndReadFileGivesTheWholeFile) {
    ScratchFolder dir;
    dir.write("here.txt", "x");
    std::filesystem::create_directory(dir.path("Folder"));
    EXPECT_TRUE(FileExists(dir.windows("here.txt")));
    EXPECT_TRUE(FileExists(dir.windows("HERE.TXT")));
    EXPECT_FALSE(FileExists(dir.windows("missing.txt")));
    // Other errors reach the caller, with their own numbers.
    EXPECT_EQ(errorNumberOf([&] { FileExists(dir.windows("NoFolder\\here.txt")); }), 76);
    EXPECT_EQ(errorNumberOf([&] { FileExists(dir.windows("Folder")); }), 75);

    dir.write("desc.txt", "Caf\xE9 \x96 \x80"
                          "5\r\nline two\r\n");
    EXPECT_EQ(ReadFile(dir.windows("desc.txt")), "Café – €5\r\nline two\r\n");
    dir.write("empty.txt", "");
    EXPECT_EQ(ReadFile(dir.windows("empty.txt")), "");
    EXPECT_EQ(ReadFile(dir.windows("missing.txt")), "");
    EXPECT_FALSE(std::filesystem::exists(dir.path("missing.txt"))); // opening created nothing
    EXPECT_EQ(errorNumberOf([&] { ReadFile(dir.windows("NoFolder\\x.txt")); }), 76);
}

TEST(ModText, IsValidFavNameTakesLettersDigitsHyphensAndBlanks) {
    // Long names are checked to the end; ".." would name a file outside the store.
    for (const std::string& name : {std::string("My Form-2"), std::string("abc123"),
                                    std::string(" "), std::string(40000, 'a')})
        EXPECT_TRUE(IsValidFavName(name)) << name;
    for (const std::string& name :
         {std::string("My_Form"), std::string(""), std::string("é"), std::string("caf€"),
          std::string("a\tb"), std::string("a/b"), std::string("a\\b"), std::string(".."),
          std::string("a\0b", 3), std::string(40000, 'a') + "_"})
        EXPECT_FALSE(IsValidFavName(name)) << name;
}
