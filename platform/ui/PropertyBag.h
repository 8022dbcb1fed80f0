#pragma once

#include "platform/ui/Font.h"

#include <cstdint>
#include <map>
#include <string>
#include <variant>

namespace ui {

// A stored property value: nothing (a null object), a Boolean, a number, a text or a font.
using PropertyValue = std::variant<std::monostate, bool, int32_t, std::string, Font>;

// The values that a container keeps for a user control between sessions, by key.
class PropertyBag {
public:
    // The stored value, or defaultValue when the key holds none.
    PropertyValue readProperty(const std::string& key, const PropertyValue& defaultValue) const;
    // Stores the value; a value equal to the default is not stored (and drops a stored one).
    void writeProperty(const std::string& key, const PropertyValue& value,
                       const PropertyValue& defaultValue);
    bool contains(const std::string& key) const;
    const std::map<std::string, PropertyValue>& values() const { return m_values; }

private:
    std::map<std::string, PropertyValue> m_values;
};

} // namespace ui
