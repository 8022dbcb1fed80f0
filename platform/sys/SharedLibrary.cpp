#include "platform/sys/SharedLibrary.h"

#include "platform/sys/Error.h"
#include "platform/sys/FileSystem.h"

#include <dlfcn.h>
#include <utility>

namespace sys {

namespace {

// A bare name ("libm.so.6") is left to the loader's own search.
std::string loaderPath(const std::string& path) {
    bool windows = path.find('\\') != std::string::npos || (path.size() >= 2 && path[1] == ':');
    return windows ? FileSystem::nativePath(path) : path;
}

std::string loaderError(const std::string& fallback) {
    const char* message = ::dlerror();
    return message != nullptr ? std::string(message) : fallback;
}

} // namespace

SharedLibrary::SharedLibrary(const std::string& path) : m_path(path) {
    ::dlerror();
    m_handle = ::dlopen(loaderPath(path).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_handle == nullptr)
        raise(ErrLoadingLibrary, loaderError(path + ": cannot be loaded"));
}

SharedLibrary::~SharedLibrary() {
    if (m_handle != nullptr)
        ::dlclose(m_handle);
}

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : m_path(std::move(other.m_path)), m_handle(std::exchange(other.m_handle, nullptr)) {}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept {
    if (this != &other) {
        if (m_handle != nullptr)
            ::dlclose(m_handle);
        m_path = std::move(other.m_path);
        m_handle = std::exchange(other.m_handle, nullptr);
    }
    return *this;
}

void* SharedLibrary::symbol(const std::string& name) const {
    if (m_handle == nullptr)
        raise(ErrObjectVariableNotSet, "The library " + m_path + " is not loaded");
    ::dlerror();
    void* address = ::dlsym(m_handle, name.c_str());
    if (address == nullptr)
        raise(ErrEntryPointNotFound, loaderError(name + ": symbol not found"));
    return address;
}

void SharedLibrary::close() {
    if (m_handle == nullptr)
        return;
    int failed = ::dlclose(std::exchange(m_handle, nullptr));
    if (failed != 0)
        raise(ErrLoadingLibrary, loaderError(m_path + ": cannot be unloaded"));
}

} // namespace sys
