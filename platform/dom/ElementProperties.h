#pragma once

#include <string>
#include <string_view>

namespace dom {

class Element;

// The properties that an element offers by name at run time, with the meaning the add-in
// expects of them: most mirror an attribute, a few (Value, Type) are worked out from the
// element's kind and content. Names are compared without regard to case; a name the element
// does not offer raises error 438.
class ElementProperties {
public:
    static std::string get(const Element& element, std::string_view name);
    static void set(Element& element, std::string_view name, const std::string& value);
};

} // namespace dom
