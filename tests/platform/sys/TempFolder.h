#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zr-test-XXXXXX").string();
        char* made = ::mkdtemp(pattern.data());
        m_path = made != nullptr ? made : "";
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The real path of name inside the folder.
    std::string native(const std::string& name = "") const {
        return name.empty() ? m_path : m_path + "/" + name;
    }

    // The same place as the add-in writes it: "C:\tmp\zr-test-abc\" followed by name.
    std::string windows(const std::string& name = "") const {
        std::string path = "C:" + m_path;
        for (char& c : path)
            if (c == '/')
                c = '\\';
        return name.empty() ? path : path + "\\" + name;
    }

    void writeRaw(const std::string& name, const std::string& bytes) const {
        std::ofstream(native(name), std::ios::binary) << bytes;
    }

    std::string readRaw(const std::string& name) const {
        std::ifstream in(native(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::string m_path;
};
