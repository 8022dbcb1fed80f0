#include "platform/dom/FormOwnerFixup.h"

#include "platform/dom/Element.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace dom {

namespace {

// Whether node is, or holds, an element that passes the test.
template <typename Test> bool holdsElement(const Node& node, Test test) {
    if (node.isElement() && test(static_cast<const Element&>(node)))
        return true;
    for (const Node* child : node.children())
        if (holdsElement(*child, test))
            return true;
    return false;
}

bool holdsForm(const Node& node) {
    return holdsElement(node, [](const Element& element) { return element.isForm(); });
}

// The chain from the top of the tree down to node.
std::vector<Node*> ancestry(Node& node) {
    std::vector<Node*> chain;
    for (Node* up = &node; up; up = up->parent())
        chain.push_back(up);
    std::reverse(chain.begin(), chain.end());
    return chain;
}

// The nearest node that holds the form and all its fields; none when they lie in different trees.
Node* commonAncestor(Element& form, const std::vector<Element*>& fields) {
    std::vector<Node*> common = ancestry(form);
    for (Element* field : fields) {
        std::vector<Node*> chain = ancestry(*field);
        std::size_t shared = 0;
        while (shared < common.size() && shared < chain.size() && common[shared] == chain[shared])
            ++shared;
        common.resize(shared);
    }
    return common.empty() ? nullptr : common.back();
}

// The child of ancestor on the way down to node.
Node* childTowards(Node& ancestor, Node& node) {
    Node* step = &node;
    while (step->parent() && step->parent() != &ancestor)
        step = step->parent();
    return step->parent() == &ancestor ? step : nullptr;
}

// Moves the children [from, to] of parent to the end of form's content.
bool moveInto(Element& form, Node& parent, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i <= to; ++i)
        if (holdsForm(*parent.children()[i]))
            return false;
    std::vector<std::shared_ptr<Node>> moved;
    for (std::size_t i = to + 1; i > from; --i)
        moved.push_back(parent.removeChildAt(i - 1));
    std::reverse(moved.begin(), moved.end());
    form.insertChildren(form.childCount(), moved);
    return true;
}

// A form start tag closes an open paragraph: a form meant to stand inside parent stands beside
// the paragraph instead.
Node* outsideParagraphs(Node* parent) {
    for (Node* up = parent; up && up->isElement(); up = up->parent()) {
        const auto& element = static_cast<const Element&>(*up);
        if (element.endsParagraphScope())
            break;
        if (element.is("p"))
            parent = up->parent();
    }
    return parent;
}

// Takes the form, at formIndex of its parent, out of the tree, its content left where it
// stood; gives that content.
std::vector<std::shared_ptr<Node>> removeKeepingContent(Element& form, std::size_t formIndex) {
    Node* formParent = form.parent();
    std::vector<std::shared_ptr<Node>> content;
    while (form.childCount() > 0)
        content.push_back(form.removeChildAt(0));
    formParent->removeChildAt(formIndex);
    formParent->insertChildren(formIndex, content);
    return content;
}

// Finds where children stand among their parent's, starting where the last child of the same
// parent was found and looking further away on both sides: the forms of a long table, taken in
// the order of the page, each look for rows near the last ones, so that finding them costs
// little however long the table is.
class ChildPositions {
public:
    std::size_t of(const Node& child) {
        auto children = child.parent()->children();
        std::size_t& near = m_lastFound[child.parent()];
        near = std::min(near, children.size() - 1);
        for (std::size_t distance = 0;; ++distance) {
            if (near + distance < children.size() && children[near + distance] == &child)
                return near += distance;
            if (distance <= near && children[near - distance] == &child)
                return near -= distance;
        }
    }

private:
    std::unordered_map<const Node*, std::size_t> m_lastFound;
};

// The fields lie after the form, beside it or beside an element that holds it, but the form
// cannot take the nodes that hold them where it stands: those hold another form as well (the
// first of several forms among a table's rows stands in the table, while its rows went into
// the row group with the forms after it), or the form stands inside an earlier node (a form
// between a row and its cells ties the fields of the next row when the row's end tag is left
// out). The form, its own content left where it stood, moves in front of the first node that
// holds one of its fields and takes the nodes from there to the last that holds one: beside
// the element that holds it, or, while those nodes would hold another form, down into the one
// node that holds all its fields, as many levels as that takes. Written back, it reads back
// empty in front of the same nodes, as the forms among a table's rows do. Says no, leaving the
// tree alone, where no place will do: the fields spread over several nodes, the form holds a
// field of its own, or it would stand inside another form there, close a paragraph or stand
// in foreign content.
bool moveInFrontOfFields(Element& form, const std::vector<Element*>& fields,
                         ChildPositions& positions) {
    auto isField = [](const Element& element) { return element.isFormField(); };
    for (const Node* child : form.children())
        if (holdsElement(*child, isField))
            return false;
    Node* parent = commonAncestor(form, fields);
    Node* formBranch = parent ? childTowards(*parent, form) : nullptr;
    if (!formBranch)
        return false;
    std::size_t after = positions.of(*formBranch) + 1; // where the fields may start
    bool inPlace = formBranch == &form; // then it takes the nodes after it, as they stand
    std::size_t first = 0;
    std::size_t last = 0;
    for (;;) {
        first = parent->childCount();
        last = 0;
        for (Element* field : fields) {
            Node* branch = childTowards(*parent, *field);
            std::size_t at = branch ? positions.of(*branch) : 0;
            if (!branch || at < after)
                return false;
            first = std::min(first, at);
            last = std::max(last, at);
        }
        std::size_t from = inPlace ? after : first;
        auto run = parent->children().subspan(from, last + 1 - from);
        if (std::none_of(run.begin(), run.end(), [](const Node* node) { return holdsForm(*node); }))
            break;
        if (first != last || !parent->children()[first]->isElement())
            return false;
        parent = parent->children()[first];
        after = 0;
        inPlace = false;
    }
    if (inPlace || !parent->isElement())
        return false; // the nodes after it are for the rule that takes a form's siblings
    const auto& target = static_cast<const Element&>(*parent);
    if (target.elementNamespace() != Namespace::Html || target.is("html") || target.isForm() ||
        target.nearestForm() || outsideParagraphs(parent) != parent)
        return false;
    auto keepAlive = form.handle();
    removeKeepingContent(form, positions.of(form));
    Node::ChildRun run{&form, first, last + 1};
    parent->moveChildRuns({&run, 1});
    parent->insertChild(first, keepAlive);
    return true;
}

// The form wraps the siblings, under the nearest common ancestor, that reach from the first to
// the last of the form and its fields.
void wrapCommonAncestor(Element& form, const std::vector<Element*>& fields) {
    Node* wrapParent = outsideParagraphs(commonAncestor(form, fields));
    if (!wrapParent || !wrapParent->isElement() || static_cast<Element&>(*wrapParent).is("html"))
        return;
    Node& ancestor = *wrapParent;
    Node* firstNode = childTowards(ancestor, form);
    Node* lastNode = firstNode;
    for (Element* field : fields) {
        Node* branch = childTowards(ancestor, *field);
        if (branch->indexInParent() < firstNode->indexInParent())
            firstNode = branch;
        if (branch->indexInParent() > lastNode->indexInParent())
            lastNode = branch;
    }
    // The form's own content stays where the form stood.
    Node* formParent = form.parent();
    std::size_t formIndex = form.indexInParent();
    Node* before = formIndex > 0 ? formParent->children()[formIndex - 1] : nullptr;
    Node* after =
        formIndex + 1 < formParent->childCount() ? formParent->children()[formIndex + 1] : nullptr;
    auto keepAlive = form.handle();
    std::vector<std::shared_ptr<Node>> content = removeKeepingContent(form, formIndex);
    if (firstNode == &form)
        firstNode = content.empty() ? after : content.front().get();
    if (lastNode == &form)
        lastNode = content.empty() ? before : content.back().get();
    std::size_t insertAt = firstNode ? firstNode->indexInParent() : 0;
    bool wrapped = firstNode && lastNode && insertAt <= lastNode->indexInParent() &&
                   moveInto(form, ancestor, insertAt, lastNode->indexInParent());
    if (!wrapped) {
        // Nothing to wrap after all: the form goes back where it stood, with its content.
        for (std::size_t i = 0; i < content.size(); ++i)
            formParent->removeChildAt(formIndex);
        form.insertChildren(0, content);
        formParent->insertChild(formIndex, keepAlive);
        return;
    }
    ancestor.insertChild(insertAt, keepAlive);
}

} // namespace

namespace {

// Forms that take the siblings after them, as most pages' forms do, moved out of their parent
// all in one pass: taken form by form, the runs of a long table would each cost the table's
// length. A take waits while the forms after it take runs of the same parent; anything else
// first lets the waiting takes happen, so that each form meets the tree the forms before it
// left.
class FollowingSiblingTakes {
public:
    // Takes the siblings after form up to the last that holds one of fields, or says no and
    // leaves the tree alone (the fields do not all lie after the form, a run would hold a form,
    // or the form stands before a run that waits already).
    bool take(Element& form, const std::vector<Element*>& fields) {
        Node* parent = form.parent();
        if (parent != m_parent) {
            finish();
            m_parent = parent;
        }
        std::size_t formIndex = m_positions.of(form);
        if (!m_runs.empty() && m_runs.back().to > formIndex)
            return false;
        std::size_t last = formIndex;
        for (Element* field : fields) {
            Node* sibling = childTowards(*parent, *field);
            if (!sibling || m_positions.of(*sibling) <= formIndex)
                return false;
            last = std::max(last, m_positions.of(*sibling));
        }
        auto children = parent->children();
        for (std::size_t i = formIndex + 1; i <= last; ++i)
            if (holdsForm(*children[i]))
                return false;
        m_runs.push_back({&form, formIndex + 1, last + 1});
        return true;
    }

    // Lets the waiting takes happen.
    void finish() {
        if (!m_runs.empty())
            m_parent->moveChildRuns(m_runs);
        m_runs.clear();
        m_parent = nullptr;
    }

private:
    ChildPositions m_positions;
    Node* m_parent = nullptr;
    std::vector<Node::ChildRun> m_runs;
};

} // namespace

void FormOwnerFixup::apply(const std::vector<FormAssociation>& associations) {
    // Each form with the fields tied to it, the forms in the order they first come.
    std::vector<std::pair<Element*, std::vector<Element*>>> forms;
    std::unordered_map<Element*, std::size_t> formAt;
    for (const auto& association : associations) {
        auto [at, added] = formAt.emplace(association.form, forms.size());
        if (added)
            forms.push_back({association.form, {}});
        forms[at->second].second.push_back(association.field);
    }
    FollowingSiblingTakes takes;
    ChildPositions positions;
    for (auto& entry : forms) {
        Element* form = entry.first;
        std::vector<Element*>& fields = entry.second;
        auto inForm = [form](Element* field) { return field->nearestForm() == form; };
        std::erase_if(fields, inForm);
        if (fields.empty() || !form->parent() || takes.take(*form, fields))
            continue;
        takes.finish();
        std::erase_if(fields, inForm); // as the waiting takes left them
        if (fields.empty() || takes.take(*form, fields))
            continue;
        takes.finish();
        if (!moveInFrontOfFields(*form, fields, positions))
            wrapCommonAncestor(*form, fields);
    }
    takes.finish();
}

} // namespace dom

namespace dom {

namespace {

void flatten(Node& node, bool insideForm) {
    for (std::size_t i = 0; i < node.childCount(); ++i) {
        Node& child = *node.children()[i];
        if (!child.isElement())
            continue;
        bool form = static_cast<Element&>(child).isForm();
        flatten(child, insideForm || form);
        if (form && insideForm) {
            std::vector<std::shared_ptr<Node>> content;
            while (child.childCount() > 0)
                content.push_back(child.removeChildAt(0));
            node.removeChildAt(i);
            node.insertChildren(i, content);
            i += content.size();
            --i;
        }
    }
}

} // namespace

void FormOwnerFixup::flattenNestedForms(Node& root) {
    flatten(root, false);
}

void FormOwnerFixup::flattenNestedForms(std::vector<std::shared_ptr<Node>>& nodes,
                                        Landing landing) {
    bool insideForm = landing == Landing::InsideForm;
    std::vector<std::shared_ptr<Node>> kept;
    for (const auto& node : nodes) {
        bool form = node->isElement() && static_cast<Element&>(*node).isForm();
        flatten(*node, insideForm || form);
        if (!form || !insideForm) {
            kept.push_back(node);
            continue;
        }
        while (node->childCount() > 0)
            kept.push_back(node->removeChildAt(0));
    }
    nodes = std::move(kept);
}

} // namespace dom
