#pragma once

#include "platform/dom/Node.h"

namespace dom {

// The node at the top of a document's tree: the doctype, the comments around the HTML element
// and the HTML element itself are its children. It tells its document when the tree changes,
// so the document can drop what it computed from the old tree.
class DocumentRoot : public Node {
public:
    Document* owner() const { return m_owner; }
    // The document is going away; nodes still held elsewhere read as detached from now on.
    void release() { m_owner = nullptr; }
    void treeChanged();

private:
    friend class NodeArena;
    DocumentRoot(NodeArena& arena, Document* owner) : Node(Kind::Root, arena), m_owner(owner) {}

    Document* m_owner = nullptr;
};

} // namespace dom
