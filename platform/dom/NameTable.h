#pragma once

#include "platform/dom/ElementName.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace dom {

// The names of one page's elements and attributes, each kept once: a page of a million
// elements has a few dozen names, and its elements and attributes point at them.
class NameTable {
public:
    const ElementName& element(std::string_view localName, Namespace ns);
    const std::string& attribute(std::string_view name);

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>()(text);
        }
    };
    using Names =
        std::unordered_map<std::string, std::unique_ptr<ElementName>, Hash, std::equal_to<>>;

    std::array<Names, 3> m_elements; // by namespace
    std::unordered_set<std::string, Hash, std::equal_to<>> m_attributes;
};

} // namespace dom
