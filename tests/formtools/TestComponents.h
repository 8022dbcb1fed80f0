#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// A quick component that a test puts into an installation folder, stored as the add-in reads
// it: each section's text scrambled between its plain markers.
struct TestComponent {
    std::string name = {};
    std::optional<std::string> description = {}; // desc.txt
    std::optional<std::string> part1 = {};
    std::optional<std::string> part2 = {};
    std::optional<std::string> part3 = {};
    std::vector<std::pair<std::string, std::string>> extraFiles = {}; // xtra\NAME, its bytes
    bool hasDataFile = true;                                          // compfld.dat
};

// Writes the component's folder into installFolder/FormComps (a real path).
void MakeComponent(const std::string& installFolder, const TestComponent& component);

// compfld.dat of these sections, each one scrambled.
std::string CompDataOf(const TestComponent& component);
