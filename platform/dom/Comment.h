#pragma once

#include "platform/dom/Node.h"

#include <string_view>

namespace dom {

// A comment of the page; its text is what stands between "<!--" and "-->".
class Comment : public Node {
public:
    std::string_view data() const { return m_data; }

private:
    friend class NodeArena;
    // data is already in the arena.
    Comment(NodeArena& arena, std::string_view data) : Node(Kind::Comment, arena), m_data(data) {}

    std::string_view m_data;
};

} // namespace dom
