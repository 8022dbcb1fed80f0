#include "platform/sys/App.h"

namespace sys {

namespace {
std::string& installationFolder() {
    static std::string folder;
    return folder;
}
} // namespace

const std::string& App::path() {
    return installationFolder();
}

void App::setPath(const std::string& path) {
    installationFolder() = path;
}

} // namespace sys
