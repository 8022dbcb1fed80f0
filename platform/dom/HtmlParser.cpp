#include "platform/dom/HtmlParser.h"
#include "platform/sys/Text.h"

#include "platform/dom/Arena.h"
#include "platform/dom/Comment.h"
#include "platform/dom/Doctype.h"
#include "platform/dom/Element.h"
#include "platform/dom/FormOwnerFixup.h"
#include "platform/dom/NodeArena.h"
#include "platform/dom/RawText.h"
#include "platform/dom/Text.h"

#include "platform/sys/Error.h"

#include <gumbo.h>
#include <setjmp.h>
#include <signal.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <span>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace dom {

namespace {

// Owns one parse of the HTML5 parser. The parser's tree lives in an arena of its own, given
// back whole with the parse: the parser allocates piece by piece, and freeing its tree node by
// node costs about a third of what the parse itself does.
class GumboParse {
public:
    GumboParse(std::string_view html, GumboOptions options) {
        options.allocator = [](void* arena, std::size_t size) {
            return static_cast<Arena*>(arena)->allocate(size);
        };
        options.deallocator = [](void*, void*) {};
        options.userdata = &m_arena;
        m_output = parseGuarded(options, html);
        if (!m_output)
            sys::raise(sys::ErrInvalidCall, "The markup cannot be parsed");
    }
    GumboParse(const GumboParse&) = delete;
    GumboParse& operator=(const GumboParse&) = delete;

    const GumboOutput& output() const { return *m_output; }

private:
    // The parser checks its own invariants with assert(), which would end the process, and a
    // few malformed fragments still reach one. Such a parse is abandoned instead: everything
    // it allocated is in the arena, and only the parser's C frames lie between here and the
    // assertion. Gives nullptr for an abandoned parse.
    static GumboOutput* parseGuarded(const GumboOptions& options, std::string_view html) {
        sigjmp_buf jump;
        struct sigaction guard = {};
        struct sigaction previous = {};
        guard.sa_handler = [](int) { siglongjmp(*s_abandon, 1); };
        sigemptyset(&guard.sa_mask);
        sigaction(SIGABRT, &guard, &previous);
        GumboOutput* volatile output = nullptr;
        if (sigsetjmp(jump, 1) == 0) {
            s_abandon = &jump;
            output = gumbo_parse_with_options(&options, html.data(), html.size());
        }
        s_abandon = nullptr;
        sigaction(SIGABRT, &previous, nullptr);
        return output;
    }

    static inline sigjmp_buf* s_abandon = nullptr;
    Arena m_arena;
    GumboOutput* m_output = nullptr;
};

bool isTagDelimiter(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == '/' || c == '>';
}

// The name of an unknown element as the tokenizer reads it from its start tag: up to a blank,
// "/" or ">", ASCII letters in lower case, and what the input stream does not take over as it
// stands (NUL, controls, noncharacters, broken UTF-8) as U+FFFD.
std::string unknownTagName(std::string_view tag) {
    std::size_t from = tag.substr(0, 2) == "</" ? 2 : tag.substr(0, 1) == "<" ? 1 : 0;
    std::string name;
    for (std::size_t i = from; i < tag.size();) {
        auto c = static_cast<unsigned char>(tag[i]);
        if (c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == '/' || c == '>')
            break;
        std::size_t extra = c < 0x80         ? 0
                            : (c >> 5) == 6  ? 1
                            : (c >> 4) == 14 ? 2
                            : (c >> 3) == 30 ? 3
                                             : 9;
        char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        bool valid = extra != 9 && i + extra < tag.size() && (extra == 0 || c >= 0xC2);
        for (std::size_t k = 1; valid && k <= extra; ++k) {
            auto b = static_cast<unsigned char>(tag[i + k]);
            valid = (b & 0xC0) == 0x80;
            cp = (cp << 6) | (b & 0x3F);
        }
        valid = valid && !(extra == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) &&
                !(extra == 3 && (cp < 0x10000 || cp > 0x10FFFF));
        bool replaced =
            !valid || cp == 0 || (cp < 0x20 && cp != '\t' && cp != '\n' && cp != '\f') ||
            (cp >= 0x7F && cp <= 0x9F) || (cp >= 0xFDD0 && cp <= 0xFDEF) || (cp & 0xFFFE) == 0xFFFE;
        if (replaced) {
            name += "\xEF\xBF\xBD";
            i += valid ? extra + 1 : 1;
        } else {
            name += tag.substr(i, extra + 1);
            i += extra + 1;
        }
    }
    return sys::text::lowerAscii(name);
}

Namespace elementNamespace(GumboNamespaceEnum ns) {
    switch (ns) {
    case GUMBO_NAMESPACE_SVG:
        return Namespace::Svg;
    case GUMBO_NAMESPACE_MATHML:
        return Namespace::MathMl;
    default:
        return Namespace::Html;
    }
}

// The attribute's name as the page writes it: with its prefix for the XML namespaces.
const std::string& attributeName(const GumboAttribute& attribute, NameTable& names) {
    std::string_view name = attribute.name;
    switch (attribute.attr_namespace) {
    case GUMBO_ATTR_NAMESPACE_XLINK:
        return names.attribute("xlink:" + std::string(name));
    case GUMBO_ATTR_NAMESPACE_XML:
        return names.attribute("xml:" + std::string(name));
    case GUMBO_ATTR_NAMESPACE_XMLNS:
        return names.attribute(name == "xmlns" ? std::string(name) : "xmlns:" + std::string(name));
    default:
        return names.attribute(name);
    }
}

const GumboVector& childrenOf(const GumboNode& node) {
    return node.type == GUMBO_NODE_DOCUMENT ? node.v.document.children : node.v.element.children;
}

bool isElementNode(const GumboNode& node) {
    return node.type == GUMBO_NODE_ELEMENT || node.type == GUMBO_NODE_TEMPLATE;
}

bool isHtmlElement(const GumboNode& node, std::initializer_list<GumboTag> tags) {
    return isElementNode(node) && node.v.element.tag_namespace == GUMBO_NAMESPACE_HTML &&
           std::find(tags.begin(), tags.end(), node.v.element.tag) != tags.end();
}

// The parts of a table that the parser builds only inside their table, row group or row.
bool isTablePart(const GumboNode& node) {
    return isHtmlElement(node, {GUMBO_TAG_CAPTION, GUMBO_TAG_COLGROUP, GUMBO_TAG_COL,
                                GUMBO_TAG_TBODY, GUMBO_TAG_THEAD, GUMBO_TAG_TFOOT, GUMBO_TAG_TR,
                                GUMBO_TAG_TD, GUMBO_TAG_TH});
}

// A table, row group, row or column group: it holds table parts only, never other content.
bool holdsTablePartsOnly(const GumboNode& node) {
    return isHtmlElement(node, {GUMBO_TAG_TABLE, GUMBO_TAG_TBODY, GUMBO_TAG_THEAD, GUMBO_TAG_TFOOT,
                                GUMBO_TAG_TR, GUMBO_TAG_COLGROUP});
}

// Whether "</form" followed by a delimiter (or the end) starts at source[at], in any case.
bool formEndTagAt(std::string_view source, std::size_t at) {
    if (at + 6 > source.size() || source.substr(at, 2) != "</")
        return false;
    for (std::size_t k = 0; k < 4; ++k)
        if ((source[at + 2 + k] | 0x20) != "form"[k])
            return false;
    return at + 6 == source.size() || isTagDelimiter(source[at + 6]);
}

// Turns the parser's tree into ours, built in an arena, and, for whole pages, notes where in
// the source the things lie that decide which form a field belongs to.
class TreeBuilder {
public:
    TreeBuilder(std::string_view source, NodeArena& arena)
        : m_source(source), m_arena(arena), m_formEndTokens(formEndTokens(source)) {}

    // The node, new and without parent.
    Node* convert(const GumboNode& node, bool insideTemplate) {
        switch (node.type) {
        case GUMBO_NODE_ELEMENT:
        case GUMBO_NODE_TEMPLATE:
            return convertElement(node, insideTemplate);
        case GUMBO_NODE_COMMENT:
            noteOpaque(node.v.text.original_text);
            return m_arena.make<Comment>(m_arena, m_arena.copy(node.v.text.text));
        case GUMBO_NODE_CDATA:
            noteOpaque(node.v.text.original_text);
            return makeText(node.v.text.text);
        default:
            return makeText(node.v.text.text);
        }
    }

    // Every top-level node of the fragment or page, converted, new and without parent.
    std::vector<Node*> convertChildren(const GumboNode& parent) {
        std::vector<Node*> nodes;
        const GumboVector& children = childrenOf(parent);
        nodes.reserve(children.length);
        for (unsigned i = 0; i < children.length; ++i)
            nodes.push_back(convert(*static_cast<const GumboNode*>(children.data[i]), false));
        noteTextAfterForms(children, nodes);
        return nodes;
    }

    // Whether the children of the parser's node read as ours (for the document, ours without
    // the doctype), noting what a conversion notes. False at the first difference, and where
    // the conversion would change the tree in ways not compared here: nesting flattened below
    // the deepest level, a script given the close of its comment.
    bool childrenMatch(const GumboNode& parent, std::span<Node* const> ours) {
        return childrenMatch(childrenOf(parent), ours, false, nullptr);
    }

    // Ends the reading of the source: finds the form end tags that the parser read as tokens.
    void findFormEnds() {
        mergeOpaque();
        m_formEnds = formEndTags();
    }

    // Puts back into their forms the text that stood before their end tags.
    void returnTextToForms() {
        for (const TextAfterForm& candidate : m_textAfterForms)
            returnTextToForm(candidate);
    }

    // After the form end tags are found: whether each form that the parser had a text follow
    // holds at its end just what the conversion puts back into it from that text.
    bool formsHoldTheirText() const {
        return std::all_of(m_takenTexts.begin(), m_takenTexts.end(), [this](const TakenText& t) {
            return textBeforeFormEnd(t.source, t.text) == t.taken;
        });
    }

    // After the form end tags are found: whether the fixing of forms gives each form read
    // empty among a table's rows just the run of siblings that ours holds, and moves nothing
    // else: its fields are the ones tied to it, the last sibling of the run holds one of them.
    bool emptiedFormsTakeTheirRuns() {
        std::unordered_map<const Element*, std::vector<const Element*>> tied;
        for (const FormAssociation& association : formAssociations()) {
            if (!m_emptiedForms.contains(association.form))
                return false;
            tied[association.form].push_back(association.field);
        }
        for (const Element* form : m_emptiedForms) {
            const Node* last = form->children().back();
            bool lastHoldsOne = false;
            for (const Element* field : tied[form]) {
                if (field->nearestForm() != form)
                    return false;
                const Node* branch = field;
                while (branch->parent() != form)
                    branch = branch->parent();
                lastHoldsOne = lastHoldsOne || branch == last;
            }
            if (!lastHoldsOne)
                return false;
        }
        return true;
    }

    // Replays the parser's form pointer over the source: a form start tag sets it, every
    // "</form>" token clears it, and a field takes the form it points at when the field's
    // start tag comes. The tokens that the parser dropped are found in the source between the
    // parts of it that the tree accounts for (start tags, comments, raw text).
    std::vector<FormAssociation> formAssociations() {
        std::vector<FormAssociation> result;
        if (m_formEvents.empty())
            return result;
        // The tree gives its events in the order of the source, but where the parser moved
        // content; the form ends come in order, and are merged in.
        auto bySource = [](const FormEvent& a, const FormEvent& b) { return a.offset < b.offset; };
        if (!std::is_sorted(m_formEvents.begin(), m_formEvents.end(), bySource))
            std::stable_sort(m_formEvents.begin(), m_formEvents.end(), bySource);
        auto fromTree = static_cast<std::ptrdiff_t>(m_formEvents.size());
        for (std::size_t at : m_formEnds)
            m_formEvents.push_back({at, Event::FormEnd, nullptr});
        std::inplace_merge(m_formEvents.begin(), m_formEvents.begin() + fromTree,
                           m_formEvents.end(), bySource);
        Element* pointer = nullptr;
        for (const FormEvent& event : m_formEvents) {
            switch (event.kind) {
            case Event::FormStart:
                pointer = event.element;
                break;
            case Event::FormEnd:
                pointer = nullptr;
                break;
            case Event::Field:
                if (pointer && formAsRead(*event.element) != pointer)
                    result.push_back({event.element, pointer});
                break;
            }
        }
        return result;
    }

private:
    enum class Event { FormStart, FormEnd, Field };

    // The field's nearest form in the parser's reading: a form read empty does not hold it.
    Element* formAsRead(const Element& field) const {
        Element* form = field.nearestForm();
        return form && m_emptiedForms.contains(form) ? form->nearestForm() : form;
    }

    struct TextAfterForm {
        Element* form;
        Text* text;
        GumboStringPiece source;
    };
    struct FormEvent {
        std::size_t offset;
        Event kind;
        Element* element;
    };
    // A text that followed a form in the parser's tree, and the start of it that our form
    // holds at its end (empty when it holds none).
    struct TakenText {
        GumboStringPiece source;
        std::string_view text;
        std::string_view taken;
    };

    // The pair that the parser leaves when text stood right before a form's end tag.
    static bool isTextAfterForm(const GumboNode& node, const GumboNode& next) {
        return node.type == GUMBO_NODE_ELEMENT && node.v.element.tag == GUMBO_TAG_FORM &&
               node.v.element.tag_namespace == GUMBO_NAMESPACE_HTML &&
               (next.type == GUMBO_NODE_TEXT || next.type == GUMBO_NODE_WHITESPACE);
    }

    Text* makeText(const char* text) { return m_arena.make<Text>(m_arena, m_arena.copy(text)); }

    // The parser keeps the text that stands right before a "</form>" back until the next
    // element comes, by which time the form is closed: the text lands after the form instead
    // of at its end. Such text is the form's next sibling, and its source reaches over the
    // form's end tag.
    void noteTextAfterForms(const GumboVector& children, std::span<Node* const> nodes) {
        if (m_formEndTokens.empty())
            return; // no form ends in the source at all
        for (unsigned i = 0; i + 1 < children.length && i + 1 < nodes.size(); ++i) {
            const auto& child = *static_cast<const GumboNode*>(children.data[i]);
            const auto& next = *static_cast<const GumboNode*>(children.data[i + 1]);
            if (!isTextAfterForm(child, next))
                continue;
            m_textAfterForms.push_back({static_cast<Element*>(nodes[i]),
                                        static_cast<Text*>(nodes[i + 1]),
                                        next.v.text.original_text});
        }
    }

    // The start of a text after a form, read from source, that stood before a form's end tag;
    // empty when there is none.
    std::string textBeforeFormEnd(const GumboStringPiece& source, std::string_view text) const {
        if (source.length == 0 || source.data < m_source.data() ||
            source.data + source.length > m_source.data() + m_source.size())
            return {};
        std::size_t from = static_cast<std::size_t>(source.data - m_source.data());
        auto end = std::upper_bound(m_formEnds.begin(), m_formEnds.end(), from);
        if (end == m_formEnds.end() || *end >= from + source.length)
            return {};
        std::string before = decodedText(m_source.substr(from, *end - from));
        return text.substr(0, before.size()) == before ? before : std::string();
    }

    void returnTextToForm(const TextAfterForm& candidate) {
        std::string before = textBeforeFormEnd(candidate.source, candidate.text->data());
        if (before.empty() || candidate.text->parent() != candidate.form->parent())
            return;
        candidate.form->adoptChild(m_arena.make<Text>(m_arena, m_arena.copy(before)));
        std::string rest(candidate.text->data().substr(before.size()));
        if (rest.empty() && candidate.text->parent())
            candidate.text->remove();
        else
            candidate.text->setData(
                rest); // an emptied top-level node of a fragment is dropped later
    }

    // The text that a run of source text reads as.
    static std::string decodedText(std::string_view raw) {
        if (raw.find_first_of(std::string_view("&<\r\0", 4)) == std::string_view::npos)
            return std::string(raw);
        GumboOptions options = kGumboDefaultOptions;
        options.fragment_context = GUMBO_TAG_DIV;
        GumboParse parse(raw, options);
        std::string text;
        appendTextOf(*parse.output().root, text);
        return text;
    }

    static void appendTextOf(const GumboNode& node, std::string& out) {
        const GumboVector& children = childrenOf(node);
        for (unsigned i = 0; i < children.length; ++i) {
            const auto& child = *static_cast<const GumboNode*>(children.data[i]);
            if (isElementNode(child))
                appendTextOf(child, out);
            else if (child.type != GUMBO_NODE_COMMENT)
                out += child.v.text.text;
        }
    }

    const ElementName& nameOf(const GumboElement& element) {
        // The names of the parser's own HTML elements, looked up once per parse.
        bool known = element.tag != GUMBO_TAG_UNKNOWN &&
                     element.tag_namespace == GUMBO_NAMESPACE_HTML &&
                     static_cast<std::size_t>(element.tag) < m_htmlNames.size();
        if (known && m_htmlNames[element.tag])
            return *m_htmlNames[element.tag];
        std::string name;
        if (element.tag != GUMBO_TAG_UNKNOWN)
            name = gumbo_normalized_tagname(element.tag);
        else
            name = unknownTagName(
                std::string_view(element.original_tag.data, element.original_tag.length));
        if (name.empty())
            name = "unknown";
        if (element.tag_namespace == GUMBO_NAMESPACE_SVG) {
            GumboStringPiece piece{name.data(), name.size()};
            if (const char* adjusted = gumbo_normalize_svg_tagname(&piece))
                name = adjusted;
        }
        const ElementName& interned =
            m_arena.names().element(name, elementNamespace(element.tag_namespace));
        if (known)
            m_htmlNames[element.tag] = &interned;
        return interned;
    }

    // Whether the parser's children read as ours. Neighbouring texts of ours are written as
    // one, which the parser reads as one. Where the parser had a text follow a form, the
    // conversion may have put the start of the text into the form, as its last child.
    bool childrenMatch(const GumboVector& children, std::span<Node* const> ours,
                       bool insideTemplate, const Element* parent) {
        unsigned i = 0;
        return childrenMatch(children, i, ours, insideTemplate, parent, Extent::All);
    }

    // Whether all of the parser's children from i on, or with Extent::Prefix as many as ours
    // takes, read as ours; i is left after the last child read.
    enum class Extent { All, Prefix };
    bool childrenMatch(const GumboVector& children, unsigned& i, std::span<Node* const> ours,
                       bool insideTemplate, const Element* parent, Extent extent) {
        bool textOnly = parent && parent->holdsTextOnly();
        bool tableRows = parent && parent->name().has(ElementName::TableStructure);
        std::size_t j = 0;
        for (; i < children.length && !(extent == Extent::Prefix && j == ours.size()); ++i) {
            const auto& child = *static_cast<const GumboNode*>(children.data[i]);
            if (!isElementNode(child)) {
                if (textOnly || child.type == GUMBO_NODE_COMMENT || child.type == GUMBO_NODE_CDATA)
                    noteOpaque(child.v.text.original_text);
                bool same =
                    child.type == GUMBO_NODE_COMMENT
                        ? j < ours.size() && ours[j]->kind() == Node::Kind::Comment &&
                              static_cast<const Comment&>(*ours[j++]).data() == child.v.text.text
                        : textRunMatches(ours, j, child.v.text.text);
                if (!same)
                    return false;
                continue;
            }
            if (j == ours.size() || !ours[j]->isElement())
                return false;
            const auto& element = static_cast<const Element&>(*ours[j++]);
            const auto* next = i + 1 < children.length
                                   ? static_cast<const GumboNode*>(children.data[i + 1])
                                   : nullptr;
            bool textAfterForm = next && isTextAfterForm(child, *next) && !m_formEndTokens.empty();
            if (tableRows && element.isForm() && element.childCount() > 0 &&
                child.v.element.children.length == 0) {
                // A form among a table's rows, read empty, that holds the siblings after it:
                // what the fixing of forms gives it, checked once the fields' forms are known.
                if (!elementMatches(child, element, insideTemplate, element.childCount()))
                    return false;
                if (textAfterForm) // which the conversion must leave where it is
                    m_takenTexts.push_back({next->v.text.original_text, next->v.text.text, {}});
                ++i;
                if (!childrenMatch(children, i, element.children(), insideTemplate, nullptr,
                                   Extent::Prefix))
                    return false;
                --i;
                m_emptiedForms.insert(&element);
                continue;
            }
            if (!textAfterForm) {
                if (!elementMatches(child, element, insideTemplate, 0))
                    return false;
                continue;
            }
            std::string_view taken = textTaken(child, element);
            if (!elementMatches(child, element, insideTemplate, taken.empty() ? 0 : 1))
                return false;
            ++i;
            std::string_view text = next->v.text.text;
            m_takenTexts.push_back({next->v.text.original_text, text, taken});
            if (text.substr(0, taken.size()) != taken)
                return false;
            std::string_view rest = text.substr(taken.size());
            if (!(rest.empty() && !taken.empty()) && !textRunMatches(ours, j, rest))
                return false; // the text stays after the form, all of it or what is left
        }
        return j == ours.size() && (extent == Extent::Prefix || i == children.length);
    }

    // Whether ours, from j on, holds a run of texts that reads as text; moves j past it.
    static bool textRunMatches(std::span<Node* const> ours, std::size_t& j, std::string_view text) {
        std::size_t start = j;
        for (; j < ours.size() && ours[j]->kind() == Node::Kind::Text; ++j) {
            std::string_view piece = static_cast<const Text&>(*ours[j]).data();
            if (text.substr(0, piece.size()) != piece)
                return false;
            text.remove_prefix(piece.size());
        }
        return j > start && text.empty();
    }

    // The text that our form holds at its end beyond the parser's children of it.
    static std::string_view textTaken(const GumboNode& parserForm, const Element& form) {
        auto children = form.children();
        if (children.size() != parserForm.v.element.children.length + 1 ||
            children.back()->kind() != Node::Kind::Text)
            return {};
        return static_cast<const Text&>(*children.back()).data();
    }

    // ours may hold taken more children at its end, which the caller compares.
    bool elementMatches(const GumboNode& node, const Element& ours, bool insideTemplate,
                        std::size_t taken) {
        const GumboElement& source = node.v.element;
        if (&nameOf(source) != &ours.name() || !attributesMatch(source, ours))
            return false;
        noteOpaque(source.original_tag);
        noteFormEvent(node, const_cast<Element*>(&ours), insideTemplate);
        bool template_ = insideTemplate || node.type == GUMBO_NODE_TEMPLATE;
        if (m_depth + 1 >= kDeepestNesting)
            return false;
        ++m_depth;
        if (!childrenMatch(source.children, ours.children().first(ours.childCount() - taken),
                           template_, &ours))
            return false;
        --m_depth;
        return !ours.is("script") || !swallowsItsEndTag(ours);
    }

    // The attributes that the conversion keeps, in their order: the first of each name, none
    // without a name.
    bool attributesMatch(const GumboElement& source, const Element& ours) {
        auto kept = ours.attributes();
        std::size_t matched = 0;
        for (unsigned i = 0; i < source.attributes.length; ++i) {
            const auto& attribute = *static_cast<const GumboAttribute*>(source.attributes.data[i]);
            const std::string& name = attributeName(attribute, m_arena.names());
            if (name.empty() ||
                std::any_of(kept.begin(), kept.begin() + matched,
                            [&name](const Attribute& earlier) {
                                return sys::text::equalIgnoringAsciiCase(earlier.name(), name);
                            }))
                continue;
            if (matched == kept.size() || &kept[matched].name() != &name ||
                kept[matched].value() != attribute.value)
                return false;
            ++matched;
        }
        return matched == kept.size();
    }

    // The element alone, without its content.
    Element* makeElement(const GumboNode& node, bool insideTemplate) {
        const GumboElement& source = node.v.element;
        auto* element = m_arena.make<Element>(m_arena, nameOf(source));
        element->reserveAttributes(source.attributes.length);
        for (unsigned i = 0; i < source.attributes.length; ++i) {
            const auto& attribute = *static_cast<const GumboAttribute*>(source.attributes.data[i]);
            element->addParsedAttribute(attributeName(attribute, m_arena.names()), attribute.value);
        }
        noteOpaque(source.original_tag);
        noteFormEvent(node, element, insideTemplate);
        return element;
    }

    Element* convertElement(const GumboNode& node, bool insideTemplate) {
        Element* element = makeElement(node, insideTemplate);
        bool template_ = insideTemplate || node.type == GUMBO_NODE_TEMPLATE;
        const GumboVector& children = node.v.element.children;
        // A table's rows and cells go deeper first: what the holder takes must read back as
        // its own content, and rows or cells outside their table do not.
        if (++m_depth >= kDeepestNesting && !holdsTablePartsOnly(node)) {
            appendFlattened(*element, node, template_);
        } else {
            element->reserveChildren(children.length);
            for (unsigned i = 0; i < children.length; ++i)
                element->adoptChild(convertChild(*element, children, i, template_));
            noteTextAfterForms(children, element->children());
        }
        --m_depth;
        if (element->is("script"))
            closeNestedScript(*element);
        return element;
    }

    Node* convertChild(const Element& parent, const GumboVector& children, unsigned i,
                       bool insideTemplate) {
        const auto& child = *static_cast<const GumboNode*>(children.data[i]);
        if (parent.holdsTextOnly() && !isElementNode(child))
            noteOpaque(child.v.text.original_text);
        return convert(child, insideTemplate);
    }

    // Below the deepest level every element goes into holder, in the order of the source,
    // keeping its text and comments: the tree stays shallow enough for every walk over it.
    // A table keeps its rows and cells (a few levels at most), so that the holder's content
    // is read back as the same elements after the page is saved: a row or a cell standing
    // beside its table would be dropped or get new rows around it each time.
    void appendFlattened(Element& holder, const GumboNode& node, bool insideTemplate) {
        struct Level {
            const GumboNode* node;
            Element* element;
            bool insideTemplate;
            unsigned next = 0;
        };
        std::vector<Level> levels;
        levels.push_back({&node, &holder, insideTemplate});
        while (!levels.empty()) {
            Level& level = levels.back();
            const GumboVector& children = level.node->v.element.children;
            if (level.next == children.length) {
                if (level.element->is("script"))
                    closeNestedScript(*level.element);
                levels.pop_back();
                continue;
            }
            unsigned i = level.next++;
            const auto& child = *static_cast<const GumboNode*>(children.data[i]);
            if (!isElementNode(child)) {
                level.element->adoptChild(
                    convertChild(*level.element, children, i, level.insideTemplate));
                continue;
            }
            Element* element = makeElement(child, level.insideTemplate);
            (isTablePart(child) ? *level.element : holder).adoptChild(element);
            bool template_ = level.insideTemplate || child.type == GUMBO_NODE_TEMPLATE;
            levels.push_back({&child, element, template_});
        }
    }

    void noteFormEvent(const GumboNode& node, Element* element, bool insideTemplate) {
        const GumboElement& source = node.v.element;
        if (insideTemplate || source.original_tag.length == 0 ||
            (node.parse_flags & GUMBO_INSERTION_FROM_ISINDEX) ||
            source.tag_namespace != GUMBO_NAMESPACE_HTML)
            return;
        std::size_t offset = static_cast<std::size_t>(source.original_tag.data - m_source.data());
        if (source.tag == GUMBO_TAG_FORM)
            m_formEvents.push_back({offset, Event::FormStart, element});
        else if (element->isFormField())
            m_formEvents.push_back({offset, Event::Field, element});
    }

    // Notes a part of the source that the tree accounts for, where a "</form" is no token:
    // only those parts that hold one matter.
    void noteOpaque(const GumboStringPiece& piece) {
        if (piece.length == 0 || piece.data < m_source.data() ||
            piece.data >= m_source.data() + m_source.size())
            return;
        std::size_t from = static_cast<std::size_t>(piece.data - m_source.data());
        auto token = std::lower_bound(m_formEndTokens.begin(), m_formEndTokens.end(), from);
        if (token != m_formEndTokens.end() && *token < from + piece.length)
            m_opaque.emplace_back(from, from + piece.length);
    }

    // Sorts the noted spans and merges those that overlap, so that a look-up is one search.
    void mergeOpaque() {
        std::sort(m_opaque.begin(), m_opaque.end());
        std::vector<std::pair<std::size_t, std::size_t>> merged;
        for (const auto& span : m_opaque) {
            if (!merged.empty() && span.first <= merged.back().second)
                merged.back().second = std::max(merged.back().second, span.second);
            else
                merged.push_back(span);
        }
        m_opaque = std::move(merged);
    }

    bool insideOpaque(std::size_t at) const {
        auto after = std::upper_bound(
            m_opaque.begin(), m_opaque.end(), at,
            [](std::size_t value, const std::pair<std::size_t, std::size_t>& span) {
                return value < span.first;
            });
        return after != m_opaque.begin() && at < std::prev(after)->second;
    }

    // Every "</form" of the source that could be an end tag, in order.
    static std::vector<std::size_t> formEndTokens(std::string_view source) {
        std::vector<std::size_t> result;
        for (std::size_t at = source.find("</"); at != std::string_view::npos;
             at = source.find("</", at + 2))
            if (formEndTagAt(source, at))
                result.push_back(at);
        return result;
    }

    std::vector<std::size_t> formEndTags() const {
        std::vector<std::size_t> result;
        for (std::size_t at : m_formEndTokens)
            if (!insideOpaque(at))
                result.push_back(at);
        return result;
    }

    // Whether a script's text stops inside a nested "<script" of a comment, so that its own
    // end tag, once written, would be read as text.
    static bool swallowsItsEndTag(const Element& script) {
        std::string text;
        for (const Node* child : script.children())
            if (child->kind() == Node::Kind::Text)
                text += static_cast<const Text&>(*child).data();
        return RawText::check("script", text) == RawText::Fit::SwallowsItsEndTag;
    }

    // Such a script gets the comment's close, so that its end tag ends it again when the page
    // is read back.
    void closeNestedScript(Element& script) {
        if (swallowsItsEndTag(script))
            script.adoptChild(m_arena.make<Text>(m_arena, m_arena.copy("-->")));
    }

    // Deeper nesting than real pages ever have; the walks over our tree recurse.
    static constexpr int kDeepestNesting = 3000;

    std::string_view m_source;
    NodeArena& m_arena;
    std::vector<std::size_t> m_formEndTokens;
    std::array<const ElementName*, GUMBO_TAG_LAST> m_htmlNames{};
    int m_depth = 0;
    std::vector<std::pair<std::size_t, std::size_t>> m_opaque;
    std::vector<FormEvent> m_formEvents;
    std::vector<TextAfterForm> m_textAfterForms;
    std::vector<TakenText> m_takenTexts;
    std::unordered_set<const Element*> m_emptiedForms;
    std::vector<std::size_t> m_formEnds;
};

// The form in which the page's doctype is written so that it reads back as the same
// declaration, putting the page into the same rendering mode.
Doctype::Form doctypeForm(const GumboDocument& document) {
    for (Doctype::Form form :
         {Doctype::Form::Plain, Doctype::Form::EmptySystem, Doctype::Form::ForcedQuirks}) {
        std::string markup = Doctype::markup(document.name, document.public_identifier,
                                             document.system_identifier, form);
        GumboParse parse(markup, kGumboDefaultOptions);
        const GumboDocument& again = parse.output().document->v.document;
        if (again.has_doctype && again.doc_type_quirks_mode == document.doc_type_quirks_mode &&
            std::string_view(document.name) == again.name &&
            std::string_view(document.public_identifier) == again.public_identifier &&
            std::string_view(document.system_identifier) == again.system_identifier)
            return form;
    }
    return Doctype::Form::Plain;
}

Doctype* makeDoctype(const GumboDocument& document, NodeArena& arena) {
    auto* doctype = arena.make<Doctype>(arena, arena.copy(document.name),
                                        arena.copy(document.public_identifier),
                                        arena.copy(document.system_identifier));
    doctype->setForm(doctypeForm(document));
    return doctype;
}

// Whether ours is the doctype that the page's declaration gives.
bool doctypeMatches(const Node& ours, const GumboDocument& document) {
    if (ours.kind() != Node::Kind::Doctype)
        return false;
    const auto& doctype = static_cast<const Doctype&>(ours);
    return doctype.name() == document.name && doctype.publicId() == document.public_identifier &&
           doctype.systemId() == document.system_identifier &&
           doctype.form() == doctypeForm(document);
}

// Where the doctype stood among the page's leading comments: after those that start before it.
std::size_t doctypePosition(std::string_view source, const GumboNode& document) {
    const GumboVector& children = document.v.document.children;
    std::size_t searchFrom = 0;
    std::size_t position = 0;
    for (unsigned i = 0; i < children.length; ++i) {
        const auto& child = *static_cast<const GumboNode*>(children.data[i]);
        if (child.type != GUMBO_NODE_COMMENT)
            break;
        const GumboStringPiece& text = child.v.text.original_text;
        std::size_t start = static_cast<std::size_t>(text.data - source.data());
        std::size_t doctype =
            sys::text::lowerAscii(source.substr(searchFrom, start - searchFrom)).find("<!doctype");
        if (doctype != std::string::npos)
            break;
        searchFrom = start + text.length;
        position = i + 1;
    }
    return position;
}

GumboTag fragmentContextTag(const Element& context) {
    GumboTag tag = gumbo_tag_enum(context.localName().c_str());
    // A foreign element named "html" is taken by the parser for the page's root whatever its
    // namespace, and markup ending a body inside it trips the parser's own assertion (which
    // would end the process): it is parsed as any other foreign element.
    switch (context.elementNamespace()) {
    case Namespace::Svg:
        return tag == GUMBO_TAG_UNKNOWN || tag == GUMBO_TAG_HTML ? GUMBO_TAG_SVG : tag;
    case Namespace::MathMl:
        return tag == GUMBO_TAG_UNKNOWN || tag == GUMBO_TAG_HTML ? GUMBO_TAG_MATH : tag;
    case Namespace::Html:
        break;
    }
    // Markup put around the HEAD or the BODY (before the body, at the end of the page) is
    // taken as it is, not wrapped into a new head or body; an unknown element holds flow
    // content like a DIV.
    if (tag == GUMBO_TAG_HTML)
        return GUMBO_TAG_BODY;
    if (tag == GUMBO_TAG_UNKNOWN)
        return GUMBO_TAG_DIV;
    return tag;
}

GumboNamespaceEnum fragmentNamespace(const Element& context) {
    switch (context.elementNamespace()) {
    case Namespace::Svg:
        return GUMBO_NAMESPACE_SVG;
    case Namespace::MathMl:
        return GUMBO_NAMESPACE_MATHML;
    default:
        return GUMBO_NAMESPACE_HTML;
    }
}

} // namespace

std::vector<FormAssociation> HtmlParser::parseDocument(std::string_view html, Node& root) {
    GumboParse parse(html, kGumboDefaultOptions);
    const GumboNode& document = *parse.output().document;
    TreeBuilder builder(html, root.arena());
    std::vector<Node*> nodes = builder.convertChildren(document);
    if (document.v.document.has_doctype) {
        std::size_t at = doctypePosition(html, document);
        nodes.insert(nodes.begin() + static_cast<std::ptrdiff_t>(at),
                     makeDoctype(document.v.document, root.arena()));
    }
    builder.findFormEnds();
    builder.returnTextToForms();
    root.reserveChildren(nodes.size());
    for (Node* node : nodes)
        root.adoptChild(node);
    return builder.formAssociations();
}

bool HtmlParser::readsBackAs(std::string_view html, const Node& root) {
    GumboParse parse(html, kGumboDefaultOptions);
    const GumboNode& document = *parse.output().document;
    TreeBuilder builder(html, root.arena());
    std::vector<Node*> ours(root.children().begin(), root.children().end());
    if (document.v.document.has_doctype) {
        std::size_t at = doctypePosition(html, document);
        if (at >= ours.size() || !doctypeMatches(*ours[at], document.v.document))
            return false;
        ours.erase(ours.begin() + static_cast<std::ptrdiff_t>(at));
    }
    if (!builder.childrenMatch(document, ours))
        return false;
    builder.findFormEnds();
    return builder.formsHoldTheirText() && builder.emptiedFormsTakeTheirRuns();
}

std::vector<std::shared_ptr<Node>> HtmlParser::parseFragment(std::string_view html,
                                                             const Element& context) {
    GumboOptions options = kGumboDefaultOptions;
    options.fragment_context = fragmentContextTag(context);
    options.fragment_namespace = fragmentNamespace(context);
    GumboParse parse(html, options);
    NodeArena& arena = context.arena();
    TreeBuilder builder(html, arena);
    // The fragment's nodes are the children of the parser's root element.
    std::vector<std::shared_ptr<Node>> nodes;
    for (Node* node : builder.convertChildren(*parse.output().root))
        nodes.push_back(node->handle());
    builder.findFormEnds();
    builder.returnTextToForms();
    // Inside a form the parser's form pointer is set, so it drops the start tag of another
    // form (its end tag, without an open form of its own, is dropped as well).
    FormOwnerFixup::flattenNestedForms(nodes, context.isForm() || context.nearestForm()
                                                  ? FormOwnerFixup::Landing::InsideForm
                                                  : FormOwnerFixup::Landing::OutsideForms);
    std::erase_if(nodes, [](const std::shared_ptr<Node>& node) {
        return node->kind() == Node::Kind::Text && static_cast<const Text&>(*node).data().empty();
    });
    if (context.is("script")) {
        std::string text;
        for (const auto& node : nodes)
            if (node->kind() == Node::Kind::Text)
                text += static_cast<const Text&>(*node).data();
        if (RawText::check("script", text) == RawText::Fit::SwallowsItsEndTag)
            nodes.push_back(arena.make<Text>(arena, arena.copy("-->"))->handle());
    }
    return nodes;
}

void HtmlParser::parseOnly(std::string_view html) {
    // As any user of the parser has it: its own allocation, and its tree freed afterwards.
    GumboOutput* output = gumbo_parse_with_options(&kGumboDefaultOptions, html.data(), html.size());
    gumbo_destroy_output(&kGumboDefaultOptions, output);
}

} // namespace dom
