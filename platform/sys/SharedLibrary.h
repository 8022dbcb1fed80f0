#pragma once

#include <string>

namespace sys {

// A loaded shared library (the add-in, as the host loads it). Failures raise sys::Error with
// the loader's own text: error 48 when the library cannot be loaded, 453 for a missing symbol.
class SharedLibrary {
public:
    // Paths with "\" or a drive letter go through the file layer's mapping.
    explicit SharedLibrary(const std::string& path);
    ~SharedLibrary();
    SharedLibrary(SharedLibrary&& other) noexcept;
    SharedLibrary& operator=(SharedLibrary&& other) noexcept;
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    const std::string& path() const { return m_path; }
    bool isOpen() const { return m_handle != nullptr; }

    void* symbol(const std::string& name) const;
    // The exported function name, as a pointer of type F (a function type).
    template <typename F> F* function(const std::string& name) const {
        return reinterpret_cast<F*>(symbol(name));
    }

    void close();

private:
    std::string m_path;
    void* m_handle = nullptr;
};

} // namespace sys
