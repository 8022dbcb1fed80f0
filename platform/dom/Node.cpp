#include "platform/dom/Node.h"

#include "platform/dom/Comment.h"
#include "platform/dom/Doctype.h"
#include "platform/dom/Document.h"
#include "platform/dom/DocumentRoot.h"
#include "platform/dom/Element.h"
#include "platform/dom/NodeArena.h"
#include "platform/dom/Text.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace dom {

std::shared_ptr<Node> Node::handle() const {
    auto* self = const_cast<Node*>(this);
    ++self->m_handles;
    m_arena->hold();
    return std::shared_ptr<Node>(self, &Node::dropHandle);
}

void Node::dropHandle(Node* node) {
    NodeArena* arena = node->m_arena;
    bool heldByDocument =
        node->m_kind == Kind::Root && static_cast<DocumentRoot*>(node)->owner() != nullptr;
    if (--node->m_handles == 0 && !node->m_parent && !heldByDocument)
        node->destroy();
    arena->release();
}

void Node::destroy() {
    for (Node* child : children()) {
        if (child->m_handles > 0)
            child->m_parent = nullptr;
        else
            child->destroy();
    }
    NodeArena& arena = *m_arena;
    arena.deallocate(m_children, m_childCapacity * sizeof(Node*));
    switch (m_kind) {
    case Kind::Root:
        arena.discard(static_cast<DocumentRoot*>(this));
        break;
    case Kind::Element:
        static_cast<Element*>(this)->freeAttributes();
        arena.discard(static_cast<Element*>(this));
        break;
    case Kind::Text:
        arena.discard(static_cast<Text*>(this)->data());
        arena.discard(static_cast<Text*>(this));
        break;
    case Kind::Comment:
        arena.discard(static_cast<Comment*>(this)->data());
        arena.discard(static_cast<Comment*>(this));
        break;
    case Kind::Doctype:
        static_cast<Doctype*>(this)->freeIdentifiers();
        arena.discard(static_cast<Doctype*>(this));
        break;
    }
}

std::size_t Node::indexInParent() const {
    if (!m_parent)
        return 0;
    auto siblings = m_parent->children();
    auto at = std::find(siblings.begin(), siblings.end(), this);
    assert(at != siblings.end() && "a node is always among its parent's children");
    return static_cast<std::size_t>(at - siblings.begin());
}

const Node& Node::top() const {
    const Node* node = this;
    while (node->m_parent)
        node = node->m_parent;
    return *node;
}

bool Node::hasFollowingNode() const {
    for (const Node* node = this; node->m_parent; node = node->m_parent)
        if (node->m_parent->children().back() != node)
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

void Node::reserveChildren(std::size_t count) {
    std::size_t wanted = m_childCount + count;
    if (wanted <= m_childCapacity)
        return;
    auto** grown = static_cast<Node**>(m_arena->allocate(wanted * sizeof(Node*)));
    if (m_childCount > 0)
        std::memcpy(grown, m_children, m_childCount * sizeof(Node*));
    m_arena->deallocate(m_children, m_childCapacity * sizeof(Node*));
    m_children = grown;
    m_childCapacity = static_cast<std::uint32_t>(wanted);
}

void Node::placeChild(std::size_t index, Node* child) {
    assert(child && !child->m_parent && child != this && child->m_arena == m_arena);
    if (m_childCount == m_childCapacity)
        reserveChildren(std::max<std::size_t>(m_childCount, 2));
    index = std::min<std::size_t>(index, m_childCount);
    std::memmove(m_children + index + 1, m_children + index,
                 (m_childCount - index) * sizeof(Node*));
    m_children[index] = child;
    ++m_childCount;
    child->m_parent = this;
}

void Node::adoptChild(Node* child) {
    placeChild(m_childCount, child);
}

void Node::moveChildRuns(std::span<const ChildRun> runs) {
    std::size_t kept = 0;
    std::size_t next = 0;
    for (const ChildRun& run : runs) {
        assert(run.from >= next && run.from <= run.to && run.to <= m_childCount);
        for (; next < run.from; ++next)
            m_children[kept++] = m_children[next];
        run.into->reserveChildren(run.to - run.from);
        for (; next < run.to; ++next) {
            m_children[next]->m_parent = nullptr;
            run.into->placeChild(run.into->m_childCount, m_children[next]);
        }
    }
    for (; next < m_childCount; ++next)
        m_children[kept++] = m_children[next];
    m_childCount = static_cast<std::uint32_t>(kept);
    notifyTreeChanged();
}

void Node::insertChild(std::size_t index, const std::shared_ptr<Node>& child) {
    placeChild(index, child.get());
    notifyTreeChanged();
}

void Node::appendChild(const std::shared_ptr<Node>& child) {
    insertChild(m_childCount, child);
}

void Node::insertChildren(std::size_t index, const std::vector<std::shared_ptr<Node>>& nodes) {
    for (const auto& node : nodes)
        insertChild(index++, node);
}

std::shared_ptr<Node> Node::removeChildAt(std::size_t index) {
    assert(index < m_childCount);
    Node* child = m_children[index];
    std::memmove(m_children + index, m_children + index + 1,
                 (m_childCount - index - 1) * sizeof(Node*));
    --m_childCount;
    child->m_parent = nullptr;
    auto held = child->handle(); // before anything can let it go
    notifyTreeChanged();
    return held;
}

void Node::remove() {
    if (m_parent)
        m_parent->removeChildAt(indexInParent());
}

void Node::notifyTreeChanged() {
    Node* node = this;
    while (node->m_parent)
        node = node->m_parent;
    if (node->m_kind == Kind::Root)
        static_cast<DocumentRoot*>(node)->treeChanged();
}

} // namespace dom
