#include "TestComponents.h"

#include "formtools/CompStore.h"
#include "formtools/tools/CompScrambler.h"
#include "platform/sys/Text.h"
#include "tests/platform/editor/ScratchFolder.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string CompDataOf(const TestComponent& component) {
    const std::pair<const std::optional<std::string>*, zirirur::CompSection> sections[] = {
        {&component.part1, zirirur::CompPart1},
        {&component.part2, zirirur::CompPart2},
        {&component.part3, zirirur::CompPart3}};
    std::string data;
    for (const auto& [text, section] : sections)
        if (*text)
            data += std::string(section.StartMark) + zirirur::ScrambleCompCode(**text) +
                    section.EndMark + "\r\n";
    return data;
}

void MakeComponent(const std::string& installFolder, const TestComponent& component) {
    const fs::path folder = fs::path(installFolder) / "FormComps" / component.name;
    fs::create_directories(folder);
    if (component.description)
        ScratchFolder::writeFile(folder / "desc.txt", sys::text::toAnsi(*component.description));
    if (component.hasDataFile)
        ScratchFolder::writeFile(folder / "compfld.dat", sys::text::toAnsi(CompDataOf(component)));
    for (const auto& [name, bytes] : component.extraFiles)
        ScratchFolder::writeFile(folder / "xtra" / name, bytes);
}
