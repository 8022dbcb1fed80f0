#pragma once

#include <array>
#include <string>

namespace zirirur {

// The quick components store: installation folder & "\FormComps\", one sub-folder per
// component, named as the list shows it. A component holds "desc.txt" (its description, shown
// as it is), "compfld.dat" (up to three sections, each stored scrambled between plain markers)
// and a folder "xtra" of files for the page's web. The add-in only reads the store.

// installation folder & "\FormComps\"
std::string CompStoreFolder();

inline constexpr const char* CompDescFile = "\\desc.txt";
inline constexpr const char* CompDataFile = "\\compfld.dat";
inline constexpr const char* CompExtraFolder = "\\xtra";
// A file of the xtra folder that is never added to the web (compared exactly).
inline constexpr const char* CompExtraIndex = "files.dat";

// One section of compfld.dat: the text between its markers, found without regard to case.
struct CompSection {
    const char* StartMark;
    const char* EndMark;
};
// PART1 goes before the page's body, PART2 at its start, PART3 into the form.
inline constexpr CompSection CompPart1{"[PART1]", "[/PART1]"};
inline constexpr CompSection CompPart2{"[PART2]", "[/PART2]"};
inline constexpr CompSection CompPart3{"[PART3]", "[/PART3]"};
inline constexpr std::array<CompSection, 3> CompSections{CompPart1, CompPart2, CompPart3};

// Placeholders, present only once a section is unscrambled.
inline constexpr const char* FormNameHolder = "{FORMNAME}";
inline constexpr const char* XtraDataHolder = "{XTRADATA}";
inline constexpr const char* HyperlinkHolder = "{HYPERLINK}";

// The unscrambled text of one section: each character's code in the ANSI code page loses 4
// above 70, 2 from 61 to 70 and 1 below. A section holding a character of code 0 cannot be
// unscrambled and raises error 5.
std::string GenerateCompCode(const std::string& sName);

} // namespace zirirur
