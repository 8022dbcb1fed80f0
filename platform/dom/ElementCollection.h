#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace dom {

class Element;
class Node;

// A live view on elements of a document (`all`, `tags(...)`, `scripts`, a form's fields): the
// elements inside a scope, in document order, that a predicate accepts. It is evaluated on
// each call, so it follows the page's changes.
class ElementCollection {
public:
    using Predicate = std::function<bool(const Element&)>;

    int length() const;
    // By index (for `all`, the element's source index); raises error 9 when out of range.
    std::shared_ptr<Element> item(int index) const;
    // By name: the first element whose id, else whose name attribute, equals name
    // (without regard to case); none when there is none.
    std::shared_ptr<Element> item(const std::string& name) const;
    // The collection's elements with that tag name (any case), a collection again.
    ElementCollection tags(const std::string& tagName) const;
    std::vector<std::shared_ptr<Element>> toVector() const;

    // Every element below scope (a document's root, or an element).
    static ElementCollection descendantsOf(std::shared_ptr<const Node> scope);
    // The fields of a form: INPUT, BUTTON, SELECT and TEXTAREA whose nearest form it is.
    static ElementCollection fieldsOf(std::shared_ptr<const Element> form);

private:
    ElementCollection(std::shared_ptr<const Node> scope, Predicate predicate,
                      const Element* form = nullptr);
    // The document's own list when the scope is a whole page or a form of a page (its
    // fields), none otherwise.
    const std::vector<Element*>* documentList() const;
    // The collection's elements, without handles on them.
    std::vector<Element*> elements() const;

    std::shared_ptr<const Node> m_scope;
    Predicate m_predicate;           // empty: every element
    const Element* m_form = nullptr; // set for a form's fields
};

} // namespace dom
