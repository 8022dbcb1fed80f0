// The components store's reading rule, the scrambler that writes what it reads, and the
// components we ship: each compfld.dat is exactly its readable source, scrambled.

#include "formtools/CompStore.h"
#include "addin/modText.h"
#include "formtools/tools/CompScrambler.h"
#include "platform/sys/Error.h"
#include "platform/sys/Text.h"
#include "tests/platform/editor/ScratchFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;
namespace text = sys::text;
using testing::HasSubstr;
using zirirur::CompPart1;
using zirirur::CompPart2;
using zirirur::CompPart3;
using zirirur::GenerateCompCode;
using zirirur::ScrambleCompCode;
using zirirur::ScrambleCompData;
using zirirur::TextBetween;

const fs::path Sources = ZIRIRUR_COMPONENT_SOURCES;
const fs::path Shipped = fs::path(ZIRIRUR_INSTALL_DIR) / "FormComps";

// The character of an ANSI code, as text.
std::string ansi(int code) {
    return text::fromAnsi(std::string(1, static_cast<char>(code)));
}

int errorNumber(const std::string& stored) {
    try {
        GenerateCompCode(stored);
    } catch (const sys::Error& error) {
        return error.number();
    }
    return 0;
}

std::set<std::string> folderNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_directory())
            names.insert(entry.path().filename().string());
    return names;
}

TEST(GenerateCompCode, TakesFourTwoOrOneFromEachCodeByItsBand) {
    EXPECT_EQ(GenerateCompCode("H"), "D");
    EXPECT_EQ(GenerateCompCode("A"), "?");
    EXPECT_EQ(GenerateCompCode("\r"), ansi(12)); // a stored line break is none
    EXPECT_EQ(GenerateCompCode(ansi(14) + ansi(11)), "\r\n");
    // The band edges, and two stored codes that give the same one.
    EXPECT_EQ(GenerateCompCode(ansi(71) + ansi(69) + ansi(70) + ansi(61) + ansi(60) + ansi(1)),
              ansi(67) + ansi(67) + ansi(68) + ansi(59) + ansi(59) + ansi(0));
    // Codes of the upper half of the code page, read as the code page's characters.
    EXPECT_EQ(GenerateCompCode(ansi(255) + "\xE2\x82\xAC"), ansi(251) + ansi(124));
    EXPECT_EQ(GenerateCompCode(""), "");
    // Code 0 cannot be unscrambled: the routine fails.
    EXPECT_EQ(errorNumber(std::string("ab\0c", 4)), 5);
}

TEST(CompScrambler, StoresEveryCodeThatGenerateCompCodeCanGive) {
    for (int code = 0; code <= 251; ++code)
        EXPECT_EQ(GenerateCompCode(ScrambleCompCode(ansi(code))), ansi(code)) << code;
    for (int code : {252, 255})
        EXPECT_THROW(ScrambleCompCode(ansi(code)), std::invalid_argument) << code;
    // A character that the code page lacks cannot be stored at all.
    EXPECT_THROW(ScrambleCompCode("\xC4\x81"), std::invalid_argument);
    EXPECT_EQ(ScrambleCompCode("{FORMNAME} & <é>"),
              text::fromAnsi("\x7F\x4A\x53\x56\x51\x52\x43\x51\x49\x81\x21\x27\x21\x3E\xED\x40"));
}

TEST(CompScrambler, ScramblesTheSectionsOnlyAndRefusesWhatWouldNotReadBack) {
    const std::string source = "note\n[part3]\n<B>{XTRADATA}</B>\n[/Part3]\n[PART1]x[/PART1]";
    const std::string stored = ScrambleCompData(source);
    // Markers and the text outside the sections stay as they are.
    EXPECT_EQ(stored, "note\n[part3]" + ScrambleCompCode("\n<B>{XTRADATA}</B>\n") + "[/Part3]\n" +
                          "[PART1]" + ScrambleCompCode("x") + "[/PART1]");
    EXPECT_EQ(GenerateCompCode(TextBetween(stored, CompPart3.StartMark, CompPart3.EndMark)),
              "\n<B>{XTRADATA}</B>\n");
    EXPECT_EQ(TextBetween(stored, CompPart2.StartMark, CompPart2.EndMark), "");

    // A line break of the source must be a single line feed.
    EXPECT_THROW(ScrambleCompData("[PART1]a\r\nb[/PART1]"), std::invalid_argument);
    // "W.L?NP0Y" scrambles into "[/PART1]", which would end the section early.
    try {
        ScrambleCompData("[PART1]aW.L?NP0Yb[/PART1]");
        ADD_FAILURE() << "a section that scrambles into its own end marker was taken";
    } catch (const std::invalid_argument& refusal) {
        EXPECT_THAT(refusal.what(), HasSubstr("[PART1]"));
    }
}

TEST(ShippedComponents, AreExactlyTheScrambledSourcesAndUseEverySectionAndPlaceholder) {
    const std::set<std::string> names = folderNames(Sources);
    EXPECT_EQ(folderNames(Shipped), names) << "a shipped component without its source, or so";
    EXPECT_GE(names.size(), 6u);

    std::set<std::string> used; // the sections and placeholders of the set
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::string source = ScratchFolder::readFile(Sources / name / "compfld.txt");
        const std::string shipped = ScratchFolder::readFile(Shipped / name / "compfld.dat");
        EXPECT_EQ(shipped, text::toAnsi(ScrambleCompData(source)))
            << "run: cmake --build build --target scramble_components";
        EXPECT_FALSE(ScratchFolder::readFile(Shipped / name / "desc.txt").empty());

        for (const auto& section : {CompPart1, CompPart2, CompPart3}) {
            const std::string part = TextBetween(source, section.StartMark, section.EndMark);
            if (part.empty())
                continue;
            used.insert(section.StartMark);
            for (const char* holder :
                 {zirirur::FormNameHolder, zirirur::XtraDataHolder, zirirur::HyperlinkHolder})
                if (text::find(part, holder) != 0)
                    used.insert(holder);
        }
        // A component works in a page outside any web too, where its extra files never go.
        EXPECT_FALSE(fs::exists(Shipped / name / "xtra"));
    }
    EXPECT_EQ(used, (std::set<std::string>{"[PART1]", "[PART2]", "[PART3]", "{FORMNAME}",
                                           "{XTRADATA}", "{HYPERLINK}"}));
}

} // namespace
