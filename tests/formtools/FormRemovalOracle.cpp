#include "FormRemovalOracle.h"

#include "platform/dom/Element.h"
#include "platform/sys/Text.h"

std::optional<std::string>
expectedAfterRemoval(const std::string& page, const dom::Element& form,
                     const std::vector<std::shared_ptr<dom::Element>>& removed, Removal removal) {
    const std::string outer = form.outerHTML();
    const size_t at = page.find(outer);
    if (at == std::string::npos || page.find(outer, at + 1) != std::string::npos)
        return std::nullopt;

    const std::string endTag = "</FORM>";
    const size_t startTag = outer.size() - form.innerHTML().size() - endTag.size();
    std::string content = outer.substr(startTag, outer.size() - startTag - endTag.size());
    size_t limit = content.size();
    for (auto field = removed.rbegin(); field != removed.rend(); ++field) {
        const std::string markup = (*field)->outerHTML();
        if (markup.size() > limit)
            return std::nullopt;
        const size_t found = content.rfind(markup, limit - markup.size());
        if (found == std::string::npos)
            return std::nullopt;
        content.erase(found, markup.size());
        limit = found;
    }

    std::string replacement;
    switch (removal) {
    case Removal::WholeForm:
        replacement = " ";
        break;
    case Removal::TagsAndFields:
        replacement = content;
        break;
    case Removal::Fields:
    case Removal::FieldsOfType:
        replacement = outer.substr(0, startTag) + content + endTag;
        break;
    }
    std::string expected = page;
    expected.replace(at, outer.size(), replacement);
    return expected;
}

std::vector<std::shared_ptr<dom::Element>>
fieldsRemovedBy(const dom::Element& form, Removal removal, const std::string& type) {
    std::vector<std::shared_ptr<dom::Element>> removed;
    if (removal == Removal::WholeForm)
        return removed;
    for (int i = 0; i < form.length(); ++i) {
        auto field = form.item(i);
        const std::string own = sys::text::upper(field->getProperty("Type"));
        const bool ofType = own == type || (type == "SELECT" && own.rfind("SELECT-", 0) == 0);
        if (removal != Removal::FieldsOfType || ofType)
            removed.push_back(field);
    }
    return removed;
}
