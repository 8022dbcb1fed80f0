#pragma once

#include <memory>
#include <string>
#include <vector>

namespace dom {

class Element;

// A live view on elements of a document (`all`, `tags(...)`, `scripts`). It is evaluated
// on each call, so it follows the page's changes.
class ElementCollection {
public:
    int length() const;
    // By index (for `all`, the element's source index); raises error 9 when out of range.
    std::shared_ptr<Element> item(int index) const;
    // By name: the first element whose id, else whose name attribute, equals name
    // (without regard to case); none when there is none.
    std::shared_ptr<Element> item(const std::string& name) const;
    // The collection's elements with that tag name (any case), a collection again.
    ElementCollection tags(const std::string& tagName) const;
    std::vector<std::shared_ptr<Element>> toVector() const;
};

} // namespace dom
