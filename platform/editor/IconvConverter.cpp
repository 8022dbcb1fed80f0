#include "platform/editor/IconvConverter.h"

#include "platform/sys/Error.h"

#include <cerrno>
#include <iconv.h>

namespace editor {

namespace {

iconv_t handleOf(void* handle) {
    return static_cast<iconv_t>(handle);
}

} // namespace

IconvConverter::IconvConverter(const std::string& toCharset, const std::string& fromCharset) {
    iconv_t cd = iconv_open(toCharset.c_str(), fromCharset.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        sys::raise(sys::ErrInvalidCall, "Unknown charset: " + fromCharset + " to " + toCharset);
    m_handle = cd;
}

IconvConverter::~IconvConverter() {
    iconv_close(handleOf(m_handle));
}

IconvConverter::Result IconvConverter::convert(std::string_view input) {
    Result result;
    // iconv takes a non-const input pointer but never writes through it.
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char* out = m_buffer.data();
        std::size_t outLeft = m_buffer.size();
        std::size_t rc = iconv(handleOf(m_handle), &in, &inLeft, &out, &outLeft);
        int error = errno;
        result.output.append(m_buffer.data(), m_buffer.size() - outLeft);
        if (rc != static_cast<std::size_t>(-1))
            break;
        if (error == E2BIG)
            continue;
        result.outcome = Outcome::Unconvertible;
        break;
    }
    result.consumed = input.size() - inLeft;
    return result;
}

std::string IconvConverter::reset() {
    std::string buffer(32, '\0');
    char* out = buffer.data();
    std::size_t outLeft = buffer.size();
    iconv(handleOf(m_handle), nullptr, nullptr, &out, &outLeft);
    buffer.resize(buffer.size() - outLeft);
    return buffer;
}

} // namespace editor
