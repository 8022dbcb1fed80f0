// Writes the shipped components' compfld.dat files from their readable sources:
//   scramble-components SOURCES INSTALL
// For each folder NAME of SOURCES that holds compfld.txt, INSTALL/FormComps/NAME/compfld.dat
// becomes its scrambled form, in the ANSI code page. Nothing is written when a source is refused.

#include "formtools/tools/CompScrambler.h"
#include "platform/sys/Text.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: scramble-components SOURCES INSTALL\n";
        return 2;
    }
    const fs::path sources = argv[1];
    const fs::path store = fs::path(argv[2]) / "FormComps";

    std::map<fs::path, std::string> scrambled; // target file, its bytes
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(sources, error)) {
        const fs::path source = entry.path() / "compfld.txt";
        if (!entry.is_directory() || !fs::is_regular_file(source))
            continue;
        std::ifstream in(source, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        try {
            scrambled[store / entry.path().filename() / "compfld.dat"] =
                sys::text::toAnsi(zirirur::ScrambleCompData(text));
        } catch (const std::invalid_argument& refusal) {
            std::cerr << "scramble-components: " << source.string() << ": " << refusal.what()
                      << "\n";
            return 1;
        }
    }
    if (error) {
        std::cerr << "scramble-components: " << sources.string() << ": " << error.message() << "\n";
        return 1;
    }

    for (const auto& [target, bytes] : scrambled) {
        fs::create_directories(target.parent_path());
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out << bytes;
        if (!out.flush()) {
            std::cerr << "scramble-components: cannot write " << target.string() << "\n";
            return 1;
        }
        std::cout << target.string() << "\n";
    }
    return 0;
}
