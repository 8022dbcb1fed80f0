#include "platform/dom/ElementCollection.h"

#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/sys/Error.h"
#include "platform/sys/Text.h"

namespace dom {

namespace {

void collect(const Node& node, const ElementCollection::Predicate& predicate,
             std::vector<Element*>& out) {
    for (Node* child : node.children()) {
        if (!child->isElement())
            continue;
        auto* element = static_cast<Element*>(child);
        if (!predicate || predicate(*element))
            out.push_back(element);
        collect(*element, predicate, out);
    }
}

std::shared_ptr<Element> handleOf(Element* element) {
    return std::static_pointer_cast<Element>(element->handle());
}

} // namespace

ElementCollection::ElementCollection(std::shared_ptr<const Node> scope, Predicate predicate,
                                     const Element* form)
    : m_scope(std::move(scope)), m_predicate(std::move(predicate)), m_form(form) {}

ElementCollection ElementCollection::descendantsOf(std::shared_ptr<const Node> scope) {
    return ElementCollection(std::move(scope), {});
}

ElementCollection ElementCollection::fieldsOf(std::shared_ptr<const Element> form) {
    const Element* formElement = form.get();
    return ElementCollection(
        std::move(form),
        [formElement](const Element& element) { return element.isFieldOf(*formElement); },
        formElement);
}

const std::vector<Element*>* ElementCollection::documentList() const {
    if (m_scope->kind() != Node::Kind::Root && !m_form)
        return nullptr;
    auto document = m_scope->ownerDocument();
    if (!document)
        return nullptr;
    return m_form ? &document->fieldsOf(*m_form) : &document->elementsInOrder();
}

std::vector<Element*> ElementCollection::elements() const {
    // The whole page or a form's fields: the document keeps them between changes.
    if (const auto* elements = documentList()) {
        if (!m_predicate || m_form)
            return *elements;
        std::vector<Element*> out;
        for (Element* element : *elements)
            if (m_predicate(*element))
                out.push_back(element);
        return out;
    }
    std::vector<Element*> out;
    collect(*m_scope, m_predicate, out);
    return out;
}

std::vector<std::shared_ptr<Element>> ElementCollection::toVector() const {
    std::vector<Element*> elements = this->elements();
    std::vector<std::shared_ptr<Element>> out;
    out.reserve(elements.size());
    for (Element* element : elements)
        out.push_back(handleOf(element));
    return out;
}

int ElementCollection::length() const {
    if (const auto* elements = documentList(); elements && (!m_predicate || m_form))
        return static_cast<int>(elements->size());
    return static_cast<int>(elements().size());
}

std::shared_ptr<Element> ElementCollection::item(int index) const {
    if (index < 0)
        sys::raise(sys::ErrSubscript);
    auto at = static_cast<std::size_t>(index);
    if (const auto* elements = documentList(); elements && (!m_predicate || m_form)) {
        if (at >= elements->size())
            sys::raise(sys::ErrSubscript);
        return handleOf((*elements)[at]);
    }
    auto elements = this->elements();
    if (at >= elements.size())
        sys::raise(sys::ErrSubscript);
    return handleOf(elements[at]);
}

std::shared_ptr<Element> ElementCollection::item(const std::string& name) const {
    auto elements = this->elements();
    for (Element* element : elements)
        if (sys::text::equal(element->id(), name, sys::text::Compare::IgnoreCase) &&
            element->getAttribute("id"))
            return handleOf(element);
    for (Element* element : elements) {
        auto attribute = element->getAttribute("name");
        if (attribute && sys::text::equal(*attribute, name, sys::text::Compare::IgnoreCase))
            return handleOf(element);
    }
    return nullptr;
}

ElementCollection ElementCollection::tags(const std::string& tagName) const {
    // HTML elements match in any case; SVG and MathML ones by their exact name.
    std::string lower = tagName;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    Predicate inner = m_predicate;
    return ElementCollection(m_scope, [inner, lower, tagName](const Element& element) {
        if (inner && !inner(element))
            return false;
        if (element.elementNamespace() == Namespace::Html)
            return element.localName() == lower;
        return element.localName() == tagName;
    });
}

} // namespace dom
