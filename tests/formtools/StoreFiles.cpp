#include "StoreFiles.h"

#include "tests/platform/editor/ScratchFolder.h"

#include <algorithm>
#include <filesystem>

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
    return ScratchFolder::readFile(path(relative));
}

void StoreFiles::write(const std::string& relative, const std::string& bytes) const {
    ScratchFolder::writeFile(path(relative), bytes);
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
