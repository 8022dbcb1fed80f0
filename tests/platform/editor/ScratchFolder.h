#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh real folder for one test (a web, a state or an installation folder), removed with
// everything in it afterwards; and the whole-file reads and writes that tests make.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zr-test-XXXXXX").string();
        char* made = ::mkdtemp(pattern.data());
        m_path = made ? std::filesystem::weakly_canonical(made).string() : "";
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The real path of relative inside the folder.
    std::string path(const std::string& relative = "") const {
        return relative.empty() ? m_path : m_path + "/" + relative;
    }

    // The same place as the add-in writes it: "C:\tmp\zr-test-abc" followed by "\" and relative.
    std::string windows(const std::string& relative = "") const {
        std::string windowsPath = "C:" + m_path;
        for (char& c : windowsPath)
            if (c == '/')
                c = '\\';
        return relative.empty() ? windowsPath : windowsPath + "\\" + relative;
    }

    void write(const std::string& relative, const std::string& bytes) const {
        writeFile(path(relative), bytes);
    }
    std::string read(const std::string& relative) const { return readFile(path(relative)); }

    // A file's bytes; "" when it is missing.
    static std::string readFile(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Writes a file, making its folders.
    static void writeFile(const std::filesystem::path& file, const std::string& bytes) {
        if (file.has_parent_path())
            std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }

private:
    std::string m_path;
};
