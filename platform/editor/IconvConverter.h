#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace editor {

// One direction of the system's charset converter (glibc iconv), owned for its lifetime.
class IconvConverter {
public:
    enum class Outcome {
        Done,         // every byte of the input was converted
        Unconvertible // the input holds, at `consumed`, a sequence the target cannot take or
                      // that is not valid in the source (a truncated one at the end included)
    };
    struct Result {
        std::string output;
        std::size_t consumed = 0;
        Outcome outcome = Outcome::Done;
    };

    // Raises error 5 when the system knows either charset under no such name.
    IconvConverter(const std::string& toCharset, const std::string& fromCharset);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // Converts from the start of input and stops at the first sequence it cannot convert. The
    // work is in proportion to what it converts, so that a caller going on after each
    // sequence it could not convert stays linear.
    Result convert(std::string_view input);
    // The bytes that bring a stateful target (ISO-2022-JP) back to its initial shift state.
    std::string reset();

private:
    void* m_handle = nullptr;
    std::string m_buffer = std::string(16384, '\0'); // the converter's output, a piece at a time
};

} // namespace editor
