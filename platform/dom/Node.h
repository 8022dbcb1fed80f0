#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace dom {

class Document;
class Element;
class NodeArena;

// One node of a page's tree, allocated in its page's arena. A parent owns its children, and a
// handle (a shared pointer that the node gives out) owns the node it points at: a node goes
// when neither its parent nor a handle holds it any more. A child knows its parent by a plain
// pointer, which the parent clears when it goes itself, so a node that the add-in still holds
// after it left the page simply reads as detached.
class Node {
public:
    enum class Kind : std::uint8_t { Root, Element, Text, Comment, Doctype };

    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    Kind kind() const { return m_kind; }
    bool isElement() const { return m_kind == Kind::Element; }
    NodeArena& arena() const { return *m_arena; }

    // A handle on this node: it keeps the node, and the arena that holds it, alive.
    std::shared_ptr<Node> handle() const;

    Node* parent() const { return m_parent; }
    std::span<Node* const> children() const { return {m_children, m_childCount}; }
    std::size_t childCount() const { return m_childCount; }
    // Position among the parent's children; 0 without parent.
    std::size_t indexInParent() const;

    // The document whose tree holds this node; none when the node is detached.
    std::shared_ptr<Document> ownerDocument() const;
    // The top of the tree that holds this node (the document's root, or a detached subtree's top).
    const Node& top() const;
    // Whether some node of the tree comes after this node and its content in document order.
    bool hasFollowingNode() const;

    void insertChild(std::size_t index, const std::shared_ptr<Node>& child);
    void appendChild(const std::shared_ptr<Node>& child);
    // Inserts the nodes in their order at index.
    void insertChildren(std::size_t index, const std::vector<std::shared_ptr<Node>>& nodes);
    // Detaches and gives back the child at index.
    std::shared_ptr<Node> removeChildAt(std::size_t index);
    // Detaches this node from its parent, if it has one.
    void remove();

    // Building a tree: room for count more children, and a node made in this node's arena,
    // with no parent and no handle, appended as the last child.
    void reserveChildren(std::size_t count);
    void adoptChild(Node* child);

    // A run of this node's children [from, to) that goes to the end of into's children.
    struct ChildRun {
        Node* into;
        std::size_t from;
        std::size_t to;
    };
    // Moves the runs, ascending and apart, none holding an into, in one pass over the children:
    // many moves out of one long list cost what one does.
    void moveChildRuns(std::span<const ChildRun> runs);

protected:
    Node(Kind kind, NodeArena& arena) : m_arena(&arena), m_kind(kind) {}
    ~Node() = default;

private:
    friend class NodeArena;
    friend class Document;

    // A handle let go of this node.
    static void dropHandle(Node* node);
    // Frees this node and every node below it that no handle holds; those become detached.
    void destroy();
    void notifyTreeChanged();
    void placeChild(std::size_t index, Node* child);

    Node* m_parent = nullptr;
    NodeArena* m_arena;
    Node** m_children = nullptr;
    std::uint32_t m_childCount = 0;
    std::uint32_t m_childCapacity = 0;
    std::uint32_t m_handles = 0;
    Kind m_kind;
};

} // namespace dom
