#pragma once

#include <stdexcept>
#include <string>

namespace host {

// A script line that cannot be read or run: its line number and what is wrong with it.
class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const std::string& message) : std::runtime_error(message), m_line(line) {}

    int line() const { return m_line; }

private:
    int m_line = 0;
};

} // namespace host
