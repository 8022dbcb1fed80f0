#pragma once

#include "platform/dom/Node.h"

#include <string>

namespace dom {

// Character data of the page, kept decoded (entities resolved).
class Text : public Node {
public:
    explicit Text(std::string data) : Node(Kind::Text), m_data(std::move(data)) {}

    const std::string& data() const { return m_data; }
    void setData(std::string data) { m_data = std::move(data); }

private:
    std::string m_data;
};

} // namespace dom
