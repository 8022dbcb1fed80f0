#include "platform/dom/NameTable.h"

namespace dom {

const ElementName& NameTable::element(std::string_view localName, Namespace ns) {
    Names& names = m_elements[static_cast<std::size_t>(ns)];
    auto found = names.find(localName);
    if (found == names.end())
        found = names.emplace(std::string(localName), std::make_unique<ElementName>(localName, ns))
                    .first;
    return *found->second;
}

const std::string& NameTable::attribute(std::string_view name) {
    auto found = m_attributes.find(name);
    if (found == m_attributes.end())
        found = m_attributes.emplace(name).first;
    return *found;
}

} // namespace dom
