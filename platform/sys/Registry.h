#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace sys {

// The stand-in of the system registry: keys such as
// "HKEY_CURRENT_USER\Software\Microsoft\Office\FrontPage\Addins" holding named
// values, each a text or a 32-bit number. Key and value names compare without regard to case
// and keep the spelling they were created with. The store is one file: every call reads it
// afresh and every change writes it anew (atomically), so separate instances on one file, in
// one process or several, see each other's changes. A file that cannot be read or parsed
// raises an error that names it; nothing here ends the process.
class Registry {
public:
    using Value = std::variant<std::string, std::uint32_t>;

    explicit Registry(std::string filePath);

    const std::string& filePath() const { return m_filePath; }

    bool keyExists(std::string_view key) const;
    // Creates the key and any missing key above it; an existing key is left as it is.
    void createKey(std::string_view key);
    // Deletes the key with its values and every key below it; a missing key raises error 5.
    void deleteKey(std::string_view key);
    // The names (last component) of the keys directly below key, sorted without regard to case.
    std::vector<std::string> subKeys(std::string_view key) const;

    // Set a value, creating the key when it is missing.
    void setText(std::string_view key, std::string_view name, std::string_view text);
    void setNumber(std::string_view key, std::string_view name, std::uint32_t number);
    // The value, or nothing when the key or the value is missing.
    std::optional<Value> value(std::string_view key, std::string_view name) const;
    // Raise error 5 when missing and 13 when the value is of the other kind.
    std::string text(std::string_view key, std::string_view name) const;
    std::uint32_t number(std::string_view key, std::string_view name) const;
    // A missing value or key raises error 5.
    void deleteValue(std::string_view key, std::string_view name);
    std::vector<std::string> valueNames(std::string_view key) const;

private:
    std::string m_filePath;
};

} // namespace sys
