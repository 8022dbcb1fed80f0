#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh real folder for one test (a web, a state folder), removed afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zr-editor-XXXXXX").string();
        char* made = ::mkdtemp(pattern.data());
        m_path = made ? std::filesystem::weakly_canonical(made).string() : "";
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string path(const std::string& relative = "") const {
        return relative.empty() ? m_path : m_path + "/" + relative;
    }

    // Writes a file, making its folders.
    void write(const std::string& relative, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(path(relative)).parent_path());
        std::ofstream(path(relative), std::ios::binary) << bytes;
    }

    std::string read(const std::string& relative) const { return readFile(path(relative)); }

    static std::string readFile(const std::string& nativePath) {
        std::ifstream in(nativePath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::string m_path;
};
