#include "platform/ui/PropertyBag.h"

namespace ui {

PropertyValue PropertyBag::readProperty(const std::string& key,
                                        const PropertyValue& defaultValue) const {
    const auto found = m_values.find(key);
    return found == m_values.end() ? defaultValue : found->second;
}

void PropertyBag::writeProperty(const std::string& key, const PropertyValue& value,
                                const PropertyValue& defaultValue) {
    if (value == defaultValue)
        m_values.erase(key);
    else
        m_values[key] = value;
}

bool PropertyBag::contains(const std::string& key) const {
    return m_values.count(key) > 0;
}

} // namespace ui
