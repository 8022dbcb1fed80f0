#include "StoreFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

StoreFiles::StoreFiles(std::string installFolder) : m_folder(std::move(installFolder)) {
    fs::create_directories(path("FormFavs"));
    fs::create_directories(path("FormImages"));
}

std::string StoreFiles::path(const std::string& relative) const {
    return m_folder + "/" + relative;
}

bool StoreFiles::exists(const std::string& relative) const {
    return fs::exists(path(relative));
}

std::string StoreFiles::read(const std::string& relative) const {
    std::ifstream in(path(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void StoreFiles::write(const std::string& relative, const std::string& bytes) const {
    fs::create_directories(fs::path(path(relative)).parent_path());
    std::ofstream(path(relative), std::ios::binary) << bytes;
}

std::vector<std::string> StoreFiles::images(const std::string& Name) const {
    std::vector<std::string> names;
    std::error_code missing;
    for (const auto& entry : fs::directory_iterator(path("FormImages/" + Name), missing))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string indexLine(const std::string& text) {
    return text + "\r" + "\r\n";
}
