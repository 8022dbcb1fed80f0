#include "platform/dom/ElementProperties.h"
#include "platform/sys/Text.h"

#include "platform/dom/Element.h"
#include "platform/sys/Error.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

namespace dom {

namespace {

struct Reflected {
    std::string_view tag; // "*": every element
    std::string_view property;
    std::string_view attribute;
};

// Properties that read and write an attribute of the same meaning.
constexpr Reflected kReflected[] = {
    {"*", "id", "id"},
    {"*", "classname", "class"},
    {"*", "title", "title"},
    {"*", "lang", "lang"},
    {"*", "dir", "dir"},
    {"*", "accesskey", "accesskey"},
    {"input", "name", "name"},
    {"input", "src", "src"},
    {"input", "alt", "alt"},
    {"input", "size", "size"},
    {"input", "maxlength", "maxlength"},
    {"input", "align", "align"},
    {"input", "accept", "accept"},
    {"input", "placeholder", "placeholder"},
    {"input", "pattern", "pattern"},
    {"textarea", "name", "name"},
    {"textarea", "rows", "rows"},
    {"textarea", "cols", "cols"},
    {"textarea", "wrap", "wrap"},
    {"select", "name", "name"},
    {"select", "size", "size"},
    {"button", "name", "name"},
    {"button", "value", "value"},
    {"option", "label", "label"},
    {"form", "name", "name"},
    {"form", "action", "action"},
    {"form", "method", "method"},
    {"form", "target", "target"},
    {"form", "enctype", "enctype"},
    {"form", "encoding", "enctype"},
    {"form", "acceptcharset", "accept-charset"},
    {"a", "href", "href"},
    {"a", "name", "name"},
    {"a", "target", "target"},
    {"a", "rel", "rel"},
    {"area", "href", "href"},
    {"area", "alt", "alt"},
    {"area", "target", "target"},
    {"area", "shape", "shape"},
    {"area", "coords", "coords"},
    {"link", "href", "href"},
    {"link", "rel", "rel"},
    {"link", "type", "type"},
    {"link", "media", "media"},
    {"base", "href", "href"},
    {"base", "target", "target"},
    {"img", "src", "src"},
    {"img", "alt", "alt"},
    {"img", "name", "name"},
    {"img", "width", "width"},
    {"img", "height", "height"},
    {"img", "border", "border"},
    {"img", "align", "align"},
    {"img", "usemap", "usemap"},
    {"script", "src", "src"},
    {"script", "type", "type"},
    {"script", "language", "language"},
    {"script", "charset", "charset"},
    {"style", "type", "type"},
    {"style", "media", "media"},
    {"iframe", "src", "src"},
    {"iframe", "name", "name"},
    {"frame", "src", "src"},
    {"frame", "name", "name"},
    {"embed", "src", "src"},
    {"embed", "name", "name"},
    {"embed", "type", "type"},
    {"object", "name", "name"},
    {"object", "type", "type"},
    {"object", "data", "data"},
    {"param", "name", "name"},
    {"param", "value", "value"},
    {"param", "type", "type"},
    {"meta", "name", "name"},
    {"meta", "content", "content"},
    {"meta", "httpequiv", "http-equiv"},
    {"meta", "charset", "charset"},
    {"body", "background", "background"},
    {"body", "bgcolor", "bgcolor"},
    {"body", "text", "text"},
    {"body", "link", "link"},
    {"body", "vlink", "vlink"},
    {"body", "alink", "alink"},
    {"table", "bgcolor", "bgcolor"},
    {"table", "border", "border"},
    {"table", "width", "width"},
    {"table", "align", "align"},
    {"td", "bgcolor", "bgcolor"},
    {"td", "width", "width"},
    {"td", "align", "align"},
    {"th", "bgcolor", "bgcolor"},
    {"tr", "bgcolor", "bgcolor"},
    {"font", "color", "color"},
    {"font", "face", "face"},
    {"font", "size", "size"},
    {"label", "htmlfor", "for"},
    {"map", "name", "name"},
};

// Inline event handlers that every element offers.
constexpr std::string_view kEvents[] = {
    "onabort",     "onafterupdate", "onbeforeupdate", "onblur",       "onchange",
    "onclick",     "oncontextmenu", "oncopy",         "oncut",        "ondblclick",
    "ondrag",      "ondragend",     "ondragenter",    "ondragleave",  "ondragover",
    "ondragstart", "ondrop",        "onerror",        "onfocus",      "onfocusin",
    "onfocusout",  "onhelp",        "oninput",        "onkeydown",    "onkeypress",
    "onkeyup",     "onload",        "onmousedown",    "onmouseenter", "onmouseleave",
    "onmousemove", "onmouseout",    "onmouseover",    "onmouseup",    "onmousewheel",
    "onpaste",     "onreset",       "onresize",       "onscroll",     "onselect",
    "onsubmit"};

// Input types the engine reports as the page gives them; any other reads as "text".
constexpr std::string_view kInputTypes[] = {
    "text",  "password", "hidden", "image",  "button", "submit",   "reset",          "checkbox",
    "radio", "file",     "email",  "number", "date",   "datetime", "datetime-local", "month",
    "week",  "time",     "tel",    "url",    "search", "color"};

template <std::size_t N> bool contains(const std::string_view (&names)[N], std::string_view name) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

std::optional<std::string_view> reflectedAttribute(const Element& element,
                                                   std::string_view property) {
    for (const Reflected& entry : kReflected)
        if (entry.property == property && (entry.tag == "*" || element.is(entry.tag)))
            return entry.attribute;
    if (property == "type" && (element.is("ol") || element.is("ul") || element.is("li")))
        return "type";
    return std::nullopt;
}

// Writing a property with the value it reads must not change the page: an attribute that is
// absent reads as "", so writing "" leaves it absent.
void writeAttribute(Element& element, std::string_view name, const std::string& value) {
    if (!element.getAttribute(std::string(name)) && value.empty())
        return;
    element.setAttribute(std::string(name), value);
}

std::string collapseWhitespace(const std::string& text) {
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
            blank = !out.empty();
        } else {
            if (blank)
                out += ' ';
            blank = false;
            out += c;
        }
    }
    return out;
}

std::string optionValue(const Element& option) {
    if (auto value = option.getAttribute("value"))
        return *value;
    return collapseWhitespace(option.textContent());
}

void collectOptions(const Element& element, std::vector<std::shared_ptr<Element>>& out) {
    for (Node* child : element.children()) {
        if (!child->isElement())
            continue;
        auto* childElement = static_cast<Element*>(child);
        if (childElement->is("option"))
            out.push_back(std::static_pointer_cast<Element>(childElement->handle()));
        else
            collectOptions(*childElement, out);
    }
}

// The option a list shows as chosen: the last marked one of a single-choice list, the first of
// a multiple-choice one, the first option when none is marked.
std::shared_ptr<Element> selectedOption(const Element& select) {
    std::vector<std::shared_ptr<Element>> options;
    collectOptions(select, options);
    if (options.empty())
        return nullptr;
    bool multiple = select.getAttribute("multiple").has_value();
    std::shared_ptr<Element> chosen;
    for (const auto& option : options) {
        if (option->getAttribute("selected")) {
            chosen = option;
            if (multiple)
                break;
        }
    }
    return chosen ? chosen : options.front();
}

void selectValue(Element& select, const std::string& value) {
    std::vector<std::shared_ptr<Element>> options;
    collectOptions(select, options);
    auto match = std::find_if(options.begin(), options.end(),
                              [&](const auto& option) { return optionValue(*option) == value; });
    if (match == options.end() || *match == selectedOption(select))
        return;
    for (const auto& option : options)
        option->removeAttribute("selected");
    (*match)->setAttribute("selected", "");
}

std::optional<std::string> typeOf(const Element& element) {
    if (element.is("input")) {
        std::string type = sys::text::lowerAscii(element.getAttribute("type").value_or(""));
        return contains(kInputTypes, type) ? type : "text";
    }
    if (element.is("button")) {
        std::string type = sys::text::lowerAscii(element.getAttribute("type").value_or(""));
        return type == "reset" || type == "button" ? type : "submit";
    }
    if (element.is("select"))
        return element.getAttribute("multiple") ? "select-multiple" : "select-one";
    if (element.is("textarea"))
        return "textarea";
    return std::nullopt;
}

} // namespace

std::string ElementProperties::get(const Element& element, std::string_view name) {
    std::string property = sys::text::lowerAscii(name);
    if (property == "value") {
        if (element.is("input") || element.is("button") || element.is("param"))
            return element.getAttribute("value").value_or("");
        if (element.is("textarea"))
            return element.textContent();
        if (element.is("select")) {
            auto option = selectedOption(element);
            return option ? optionValue(*option) : "";
        }
        if (element.is("option"))
            return optionValue(element);
    }
    if (property == "type") {
        if (auto type = typeOf(element))
            return *type;
    }
    if (property == "tagname")
        return element.tagName();
    if (property == "outerhtml")
        return element.outerHTML();
    if (property == "innerhtml")
        return element.innerHTML();
    if (contains(kEvents, property))
        return element.getAttribute(property).value_or("");
    if (auto attribute = reflectedAttribute(element, property))
        return element.getAttribute(std::string(*attribute)).value_or("");
    // Attributes of the page that the engine has no property for are offered under their
    // own names.
    if (auto value = element.getAttribute(property))
        return *value;
    sys::raise(sys::ErrNoSuchProperty);
}

void ElementProperties::set(Element& element, std::string_view name, const std::string& value) {
    std::string property = sys::text::lowerAscii(name);
    if (property == "value") {
        if (element.is("input") || element.is("button") || element.is("param") ||
            element.is("option"))
            return writeAttribute(element, "value", value);
        if (element.is("textarea")) {
            if (element.textContent() != value)
                element.setTextContent(value);
            return;
        }
        if (element.is("select"))
            return selectValue(element, value);
    }
    if (property == "type") {
        if (element.is("input") || element.is("button"))
            return writeAttribute(element, "type", value);
        if (typeOf(element))
            sys::raise(sys::ErrInvalidCall); // a list's or a text area's type is what it is
    }
    if (property == "outerhtml")
        return element.setOuterHTML(value);
    if (property == "innerhtml")
        return element.setInnerHTML(value);
    // A script is stored as given: text that a reader took from our markup is decoded by that
    // reader, never here, or a script that holds "&amp;" would lose it.
    if (contains(kEvents, property))
        return writeAttribute(element, property, value);
    if (auto attribute = reflectedAttribute(element, property))
        return writeAttribute(element, *attribute, value);
    if (element.getAttribute(property))
        return element.setAttribute(property, value);
    sys::raise(sys::ErrNoSuchProperty);
}

} // namespace dom
