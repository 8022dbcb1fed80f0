#pragma once

#include "platform/dom/Node.h"

#include <string>

namespace dom {

// A comment of the page; its text is what stands between "<!--" and "-->".
class Comment : public Node {
public:
    explicit Comment(std::string data) : Node(Kind::Comment), m_data(std::move(data)) {}

    const std::string& data() const { return m_data; }

private:
    std::string m_data;
};

} // namespace dom
