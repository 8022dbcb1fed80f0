#pragma once

#include <memory>
#include <string>

namespace dom {

class Element;

// An element's inline style, read from and written into its style attribute. Setting a
// property to "" removes it; the attribute is removed when no property remains.
class Style {
public:
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
};

} // namespace dom
