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

// A message as the error stream shows it: a script word can be a whole page long, so a long
// message is cut (at the start of a character) and marked as cut.
inline std::string clippedMessage(const std::string& message) {
    const size_t most = 300;
    if (message.size() <= most)
        return message;
    size_t cut = most;
    while (cut > 0 && (static_cast<unsigned char>(message[cut]) & 0xC0) == 0x80)
        --cut;
    return message.substr(0, cut) + "... (" + std::to_string(message.size()) + " bytes)";
}

} // namespace host
