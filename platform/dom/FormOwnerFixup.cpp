#include "platform/dom/FormOwnerFixup.h"

#include "platform/dom/Element.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace dom {

namespace {

bool holdsForm(const Node& node) {
    if (node.isElement() && static_cast<const Element&>(node).isForm())
        return true;
    for (const Node* child : node.children())
        if (holdsForm(*child))
            return true;
    return false;
}

// The chain from the top of the tree down to node.
std::vector<Node*> ancestry(Node& node) {
    std::vector<Node*> chain;
    for (Node* up = &node; up; up = up->parent())
        chain.push_back(up);
    std::reverse(chain.begin(), chain.end());
    return chain;
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

// The fields lie in the siblings after the form.
bool takeFollowingSiblings(Element& form, const std::vector<Element*>& fields) {
    Node* parent = form.parent();
    if (!parent)
        return false;
    std::size_t formIndex = form.indexInParent();
    std::size_t last = formIndex;
    for (Element* field : fields) {
        Node* sibling = childTowards(*parent, *field);
        if (!sibling || sibling->indexInParent() <= formIndex)
            return false;
        last = std::max(last, sibling->indexInParent());
    }
    return moveInto(form, *parent, formIndex + 1, last);
}

// The form wraps the siblings, under the nearest common ancestor, that reach from the first to
// the last of the form and its fields.
void wrapCommonAncestor(Element& form, const std::vector<Element*>& fields) {
    std::vector<Node*> common = ancestry(form);
    for (Element* field : fields) {
        std::vector<Node*> chain = ancestry(*field);
        std::size_t shared = 0;
        while (shared < common.size() && shared < chain.size() && common[shared] == chain[shared])
            ++shared;
        common.resize(shared);
    }
    if (common.empty())
        return;
    Node* wrapParent = common.back();
    // A form start tag closes an open paragraph: the form goes around the paragraph instead.
    for (Node* up = wrapParent; up && up->isElement(); up = up->parent()) {
        const auto& element = static_cast<const Element&>(*up);
        if (element.endsParagraphScope())
            break;
        if (element.is("p"))
            wrapParent = up->parent();
    }
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
    std::vector<std::shared_ptr<Node>> content;
    while (form.childCount() > 0)
        content.push_back(form.removeChildAt(0));
    auto keepAlive = form.handle();
    formParent->removeChildAt(formIndex);
    formParent->insertChildren(formIndex, content);
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
        std::size_t formIndex = positionOf(form);
        if (!m_runs.empty() && m_runs.back().to > formIndex)
            return false;
        std::size_t last = formIndex;
        for (Element* field : fields) {
            Node* sibling = childTowards(*parent, *field);
            if (!sibling || positionOf(*sibling) <= formIndex)
                return false;
            last = std::max(last, positionOf(*sibling));
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
        m_positions.clear();
        m_parent = nullptr;
    }

private:
    std::size_t positionOf(const Node& child) {
        if (m_positions.empty()) {
            auto children = m_parent->children();
            m_positions.reserve(children.size());
            for (std::size_t i = 0; i < children.size(); ++i)
                m_positions.emplace(children[i], i);
        }
        return m_positions.at(&child);
    }

    Node* m_parent = nullptr;
    std::unordered_map<const Node*, std::size_t> m_positions; // of m_parent's children
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
    for (auto& entry : forms) {
        Element* form = entry.first;
        std::vector<Element*>& fields = entry.second;
        auto inForm = [form](Element* field) { return field->nearestForm() == form; };
        std::erase_if(fields, inForm);
        if (fields.empty() || !form->parent() || takes.take(*form, fields))
            continue;
        takes.finish();
        std::erase_if(fields, inForm); // as the waiting takes left them
        if (!fields.empty() && !takeFollowingSiblings(*form, fields))
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
