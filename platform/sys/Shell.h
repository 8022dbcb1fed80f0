#pragma once

#include <functional>
#include <string>
#include <vector>

namespace sys {

// The shell's "open" with its default handler, shown normally: the add-in's help page and web
// addresses. Every request is recorded and told to the observers (the host prints it); the
// target then goes to xdg-open when there is one, without waiting for it and without any
// failure coming back. With ZIRIRUR_NO_SHELL set (tests, CI) requests are only recorded.
class Shell {
public:
    using Observer = std::function<void(const std::string& target)>;

    static void open(const std::string& target);

    // The targets asked for so far, oldest first.
    static std::vector<std::string> requests();
    static void clearRequests();

    // Gives an id for unsubscribe.
    static int subscribe(Observer observer);
    static void unsubscribe(int id);
};

} // namespace sys
