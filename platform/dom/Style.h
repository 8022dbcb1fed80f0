#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace dom {

class Element;

// An element's inline style, read from and written into its style attribute. Setting a
// property to "" removes it; the attribute is removed when no property remains. The other
// declarations of the attribute keep their text.
class Style {
public:
    explicit Style(std::shared_ptr<Element> element);

    std::string backgroundColor() const;
    void setBackgroundColor(const std::string& value);
    std::string color() const;
    void setColor(const std::string& value);
    std::string fontFamily() const;
    void setFontFamily(const std::string& value);
    std::string fontWeight() const;
    void setFontWeight(const std::string& value);
    // The whole declaration text ("cssText").
    std::string cssText() const;

private:
    std::string value(std::string_view property) const;
    // Raises error 5 for a value that would spill into other declarations.
    void setValue(std::string_view property, const std::string& value);

    std::shared_ptr<Element> m_element;
};

} // namespace dom
