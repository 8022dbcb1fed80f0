#include "platform/sys/Registry.h"

#include "platform/sys/Error.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/Text.h"

#include <map>
#include <unistd.h>

namespace sys {

namespace {

// The file: a header line, then each key as "[path]" followed by its values, one a line:
// "name" text "value"  or  "name" number 3. Bytes that would break a line up ("%", quotes,
// brackets, control characters) are written as %XX.
constexpr std::string_view kHeader = "Registry 1";

struct NamedValue {
    std::string name;
    Registry::Value value;
};

struct KeyData {
    std::string path;                         // as first created
    std::map<std::string, NamedValue> values; // by folded name
};

using Store = std::map<std::string, KeyData>; // by folded path

std::string fold(std::string_view s) {
    return text::upper(s);
}

// Empty components ("A\\B", a trailing "\") are dropped; the root needs a name.
std::vector<std::string> componentsOf(std::string_view key) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= key.size()) {
        size_t end = key.find('\\', start);
        if (end == std::string_view::npos)
            end = key.size();
        if (end > start)
            parts.emplace_back(key.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string joined(const std::vector<std::string>& parts, size_t count) {
    std::string path;
    for (size_t i = 0; i < count; ++i)
        path += (i == 0 ? "" : "\\") + parts[i];
    return path;
}

std::string keyPath(std::string_view key) {
    std::vector<std::string> parts = componentsOf(key);
    if (parts.empty())
        raise(ErrInvalidCall, "A registry key needs a name");
    return joined(parts, parts.size());
}

KeyData& ensureKey(Store& store, const std::vector<std::string>& parts) {
    KeyData* data = nullptr;
    for (size_t count = 1; count <= parts.size(); ++count) {
        std::string path = joined(parts, count);
        data = &store[fold(path)];
        if (data->path.empty())
            data->path = path;
    }
    return *data;
}

std::string encode(std::string_view s) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : s) {
        unsigned char b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || c == '%' || c == '"' || c == '[' || c == ']') {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::string> decode(std::string_view s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '"' || s[i] == '[' || s[i] == ']')
            return std::nullopt;
        if (s[i] != '%') {
            out += s[i];
            continue;
        }
        if (i + 2 >= s.size())
            return std::nullopt;
        int high = hexValue(s[i + 1]);
        int low = hexValue(s[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

[[noreturn]] void corrupt(const std::string& file, size_t line, const std::string& why) {
    raise(ErrRegistryCorrupt, "The registry file \"" + file + "\" is corrupt: line " +
                                  std::to_string(line) + ": " + why);
}

std::optional<std::uint32_t> parseNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 10)
        return std::nullopt;
    std::uint64_t number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (number > 0xFFFFFFFFu)
        return std::nullopt;
    return static_cast<std::uint32_t>(number);
}

std::optional<Registry::Value> parseValue(std::string_view rest) {
    constexpr std::string_view kText = " text \"";
    constexpr std::string_view kNumber = " number ";
    if (rest.substr(0, kText.size()) == kText && rest.size() > kText.size() && rest.back() == '"') {
        std::optional<std::string> text =
            decode(rest.substr(kText.size(), rest.size() - kText.size() - 1));
        if (!text)
            return std::nullopt;
        return Registry::Value(*text);
    }
    if (rest.substr(0, kNumber.size()) == kNumber) {
        std::optional<std::uint32_t> number = parseNumber(rest.substr(kNumber.size()));
        if (!number)
            return std::nullopt;
        return Registry::Value(*number);
    }
    return std::nullopt;
}

Store parse(const std::string& file, const std::string& bytes) {
    Store store;
    KeyData* current = nullptr;
    size_t lineNumber = 0;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string_view line(bytes.data() + start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (lineNumber == 1) {
            if (line != kHeader)
                corrupt(file, lineNumber, "not a registry file");
            continue;
        }
        if (line.empty())
            continue;
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            std::optional<std::string> path = decode(line.substr(1, line.size() - 2));
            if (!path || componentsOf(*path).empty())
                corrupt(file, lineNumber, "bad key name");
            current = &ensureKey(store, componentsOf(*path));
            continue;
        }
        if (line.front() == '"') {
            size_t close = line.find('"', 1);
            if (close == std::string_view::npos)
                corrupt(file, lineNumber, "unterminated value name");
            if (current == nullptr)
                corrupt(file, lineNumber, "value outside a key");
            std::optional<std::string> name = decode(line.substr(1, close - 1));
            std::optional<Registry::Value> value = parseValue(line.substr(close + 1));
            if (!name || !value)
                corrupt(file, lineNumber, "bad value");
            current->values[fold(*name)] = NamedValue{*name, *value};
            continue;
        }
        corrupt(file, lineNumber, "unexpected text");
    }
    return store; // an empty file is an empty registry
}

Store load(const std::string& file) {
    if (FileSystem::folderExists(file))
        raise(ErrPathFileAccess, "The registry file \"" + file + "\" is a folder");
    if (!FileSystem::fileExists(file))
        return {};
    if (::access(FileSystem::nativePath(file).c_str(), R_OK) != 0)
        raise(ErrPermissionDenied, "The registry file \"" + file + "\" cannot be read");
    return parse(file, FileSystem::readBytes(file));
}

void save(const std::string& file, const Store& store) {
    std::string out(kHeader);
    out += '\n';
    for (const auto& [folded, key] : store) {
        out += "[" + encode(key.path) + "]\n";
        for (const auto& [foldedName, named] : key.values) {
            out += "\"" + encode(named.name) + "\"";
            if (const std::string* text = std::get_if<std::string>(&named.value))
                out += " text \"" + encode(*text) + "\"\n";
            else
                out += " number " + std::to_string(std::get<std::uint32_t>(named.value)) + "\n";
        }
    }
    FileSystem::replaceBytes(file, out);
}

[[noreturn]] void missingKey(std::string_view key) {
    raise(ErrInvalidCall, "The registry key \"" + std::string(key) + "\" does not exist");
}

[[noreturn]] void missingValue(std::string_view key, std::string_view name) {
    raise(ErrInvalidCall, "The registry value \"" + std::string(name) + "\" of \"" +
                              std::string(key) + "\" does not exist");
}

const KeyData& existingKey(const Store& store, std::string_view key) {
    auto found = store.find(fold(keyPath(key)));
    if (found == store.end())
        missingKey(key);
    return found->second;
}

// Whether folded path lies directly below the folded parent.
bool isChild(const std::string& path, const std::string& parent) {
    return path.size() > parent.size() + 1 && path.compare(0, parent.size(), parent) == 0 &&
           path[parent.size()] == '\\' && path.find('\\', parent.size() + 1) == std::string::npos;
}

bool isBelow(const std::string& path, const std::string& parent) {
    return path.size() > parent.size() + 1 && path.compare(0, parent.size(), parent) == 0 &&
           path[parent.size()] == '\\';
}

} // namespace

Registry::Registry(std::string filePath) : m_filePath(std::move(filePath)) {}

bool Registry::keyExists(std::string_view key) const {
    Store store = load(m_filePath);
    return store.count(fold(keyPath(key))) != 0;
}

void Registry::createKey(std::string_view key) {
    Store store = load(m_filePath);
    ensureKey(store, componentsOf(keyPath(key)));
    save(m_filePath, store);
}

void Registry::deleteKey(std::string_view key) {
    Store store = load(m_filePath);
    std::string folded = fold(keyPath(key));
    if (store.erase(folded) == 0)
        missingKey(key);
    for (auto it = store.begin(); it != store.end();)
        it = isBelow(it->first, folded) ? store.erase(it) : std::next(it);
    save(m_filePath, store);
}

std::vector<std::string> Registry::subKeys(std::string_view key) const {
    Store store = load(m_filePath);
    existingKey(store, key);
    std::string folded = fold(keyPath(key));
    std::vector<std::string> names;
    for (const auto& [path, data] : store)
        if (isChild(path, folded))
            names.push_back(data.path.substr(data.path.rfind('\\') + 1));
    return names;
}

void Registry::setText(std::string_view key, std::string_view name, std::string_view text) {
    Store store = load(m_filePath);
    KeyData& data = ensureKey(store, componentsOf(keyPath(key)));
    data.values[fold(name)] = NamedValue{std::string(name), std::string(text)};
    save(m_filePath, store);
}

void Registry::setNumber(std::string_view key, std::string_view name, std::uint32_t number) {
    Store store = load(m_filePath);
    KeyData& data = ensureKey(store, componentsOf(keyPath(key)));
    data.values[fold(name)] = NamedValue{std::string(name), number};
    save(m_filePath, store);
}

std::optional<Registry::Value> Registry::value(std::string_view key, std::string_view name) const {
    Store store = load(m_filePath);
    auto found = store.find(fold(keyPath(key)));
    if (found == store.end())
        return std::nullopt;
    auto named = found->second.values.find(fold(name));
    if (named == found->second.values.end())
        return std::nullopt;
    return named->second.value;
}

std::string Registry::text(std::string_view key, std::string_view name) const {
    std::optional<Value> found = value(key, name);
    if (!found)
        missingValue(key, name);
    if (!std::holds_alternative<std::string>(*found))
        raise(ErrTypeMismatch);
    return std::get<std::string>(*found);
}

std::uint32_t Registry::number(std::string_view key, std::string_view name) const {
    std::optional<Value> found = value(key, name);
    if (!found)
        missingValue(key, name);
    if (!std::holds_alternative<std::uint32_t>(*found))
        raise(ErrTypeMismatch);
    return std::get<std::uint32_t>(*found);
}

void Registry::deleteValue(std::string_view key, std::string_view name) {
    Store store = load(m_filePath);
    auto found = store.find(fold(keyPath(key)));
    if (found == store.end())
        missingKey(key);
    if (found->second.values.erase(fold(name)) == 0)
        missingValue(key, name);
    save(m_filePath, store);
}

std::vector<std::string> Registry::valueNames(std::string_view key) const {
    Store store = load(m_filePath);
    std::vector<std::string> names;
    for (const auto& [folded, named] : existingKey(store, key).values)
        names.push_back(named.name);
    return names;
}

} // namespace sys
