#include "platform/dom/Node.h"

#include "platform/dom/Document.h"
#include "platform/dom/DocumentRoot.h"

#include <cassert>

namespace dom {

Node::~Node() {
    for (auto& child : m_children)
        child->m_parent = nullptr;
}

std::size_t Node::indexInParent() const {
    if (!m_parent)
        return 0;
    const auto& siblings = m_parent->m_children;
    for (std::size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this)
            return i;
    assert(false && "a node is always among its parent's children");
    return 0;
}

const Node& Node::top() const {
    const Node* node = this;
    while (node->m_parent)
        node = node->m_parent;
    return *node;
}

bool Node::hasFollowingNode() const {
    for (const Node* node = this; node->m_parent; node = node->m_parent)
        if (&*node->m_parent->m_children.back() != node)
            return true;
    return false;
}

std::shared_ptr<Document> Node::ownerDocument() const {
    const Node& root = top();
    if (root.kind() != Kind::Root)
        return nullptr;
    Document* owner = static_cast<const DocumentRoot&>(root).owner();
    return owner ? owner->shared_from_this() : nullptr;
}

void Node::insertChild(std::size_t index, std::shared_ptr<Node> child) {
    assert(child && !child->m_parent && child.get() != this);
    if (index > m_children.size())
        index = m_children.size();
    child->m_parent = this;
    m_children.insert(m_children.begin() + static_cast<std::ptrdiff_t>(index), std::move(child));
    notifyTreeChanged();
}

void Node::appendChild(std::shared_ptr<Node> child) {
    insertChild(m_children.size(), std::move(child));
}

void Node::insertChildren(std::size_t index, const std::vector<std::shared_ptr<Node>>& nodes) {
    for (const auto& node : nodes)
        insertChild(index++, node);
}

std::shared_ptr<Node> Node::removeChildAt(std::size_t index) {
    assert(index < m_children.size());
    std::shared_ptr<Node> child = std::move(m_children[index]);
    m_children.erase(m_children.begin() + static_cast<std::ptrdiff_t>(index));
    child->m_parent = nullptr;
    notifyTreeChanged();
    return child;
}

void Node::remove() {
    if (m_parent) {
        auto self = shared_from_this(); // keep this node alive while its parent lets it go
        m_parent->removeChildAt(indexInParent());
    }
}

void Node::notifyTreeChanged() {
    Node* node = this;
    while (node->m_parent)
        node = node->m_parent;
    node->treeChanged();
}

} // namespace dom
