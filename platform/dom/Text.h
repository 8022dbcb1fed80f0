#pragma once

#include "platform/dom/Node.h"
#include "platform/dom/NodeArena.h"

#include <string_view>

namespace dom {

// Character data of the page, kept decoded (entities resolved).
class Text : public Node {
public:
    std::string_view data() const { return m_data; }
    void setData(std::string_view data) {
        std::string_view old = m_data;
        m_data = arena().copy(data);
        arena().discard(old);
    }

private:
    friend class NodeArena;
    // data is already in the arena.
    Text(NodeArena& arena, std::string_view data) : Node(Kind::Text, arena), m_data(data) {}

    std::string_view m_data;
};

} // namespace dom
