#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace dom {

class Document;
class Element;

// One node of a page's tree. A parent owns its children; a child knows its parent only by a
// plain pointer, which the parent clears when it lets the child go or is destroyed, so a node
// that the add-in still holds after it left the page simply reads as detached.
class Node : public std::enable_shared_from_this<Node> {
public:
    enum class Kind { Root, Element, Text, Comment, Doctype };

    explicit Node(Kind kind) : m_kind(kind) {}
    virtual ~Node();
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    Kind kind() const { return m_kind; }
    bool isElement() const { return m_kind == Kind::Element; }

    Node* parent() const { return m_parent; }
    const std::vector<std::shared_ptr<Node>>& children() const { return m_children; }
    std::size_t childCount() const { return m_children.size(); }
    // Position among the parent's children; 0 without parent.
    std::size_t indexInParent() const;

    // The document whose tree holds this node; none when the node is detached.
    std::shared_ptr<Document> ownerDocument() const;
    // The top of the tree that holds this node (the document's root, or a detached subtree's top).
    const Node& top() const;
    // Whether some node of the tree comes after this node and its content in document order.
    bool hasFollowingNode() const;

    void insertChild(std::size_t index, std::shared_ptr<Node> child);
    void appendChild(std::shared_ptr<Node> child);
    // Inserts the nodes in their order at index.
    void insertChildren(std::size_t index, const std::vector<std::shared_ptr<Node>>& nodes);
    // Detaches and gives back the child at index.
    std::shared_ptr<Node> removeChildAt(std::size_t index);
    // Detaches this node from its parent, if it has one.
    void remove();

protected:
    // The document root overrides this to tell its document that the tree changed.
    virtual void treeChanged() {}

private:
    void notifyTreeChanged();

    Kind m_kind;
    Node* m_parent = nullptr;
    std::vector<std::shared_ptr<Node>> m_children;
};

} // namespace dom
