#include "platform/sys/Shell.h"

#include "platform/sys/FileSystem.h"

#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/wait.h>
#include <unistd.h>

namespace sys {

namespace {

struct ShellState {
    std::mutex mutex;
    std::vector<std::string> requests;
    std::map<int, Shell::Observer> observers;
    int nextId = 1;
};

ShellState& state() {
    static ShellState shellState;
    return shellState;
}

std::string findOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    if (path == nullptr)
        return {};
    std::string folders = path;
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        std::string folder = folders.substr(start, end - start);
        std::string candidate = (folder.empty() ? "." : folder) + "/" + program;
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

// Web addresses go as they are; the add-in's file paths are Windows paths.
std::string handlerArgument(const std::string& target) {
    if (target.find("://") != std::string::npos || target.rfind("mailto:", 0) == 0)
        return target;
    return FileSystem::nativePath(target);
}

// Starts program with one argument and does not wait for it: the child forks the handler and
// ends at once, so the handler is nobody's child and leaves no zombie behind.
void startDetached(const std::string& program, const std::string& argument) {
    pid_t child = ::fork();
    if (child < 0)
        return;
    if (child == 0) {
        if (::fork() == 0) {
            ::setsid();
            int null = ::open("/dev/null", O_RDWR);
            if (null >= 0) {
                ::dup2(null, STDIN_FILENO);
                ::dup2(null, STDOUT_FILENO);
                ::dup2(null, STDERR_FILENO);
            }
            char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(argument.c_str()),
                            nullptr};
            ::execv(program.c_str(), argv);
            ::_exit(127);
        }
        ::_exit(0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

void Shell::open(const std::string& target) {
    std::vector<Observer> observers;
    {
        std::lock_guard<std::mutex> lock(state().mutex);
        state().requests.push_back(target);
        for (const auto& [id, observer] : state().observers)
            observers.push_back(observer);
    }
    for (const Observer& observer : observers)
        observer(target);

    if (std::getenv("ZIRIRUR_NO_SHELL") != nullptr)
        return;
    std::string handler = findOnPath("xdg-open");
    if (handler.empty())
        return;
    startDetached(handler, handlerArgument(target));
}

std::vector<std::string> Shell::requests() {
    std::lock_guard<std::mutex> lock(state().mutex);
    return state().requests;
}

void Shell::clearRequests() {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().requests.clear();
}

int Shell::subscribe(Observer observer) {
    std::lock_guard<std::mutex> lock(state().mutex);
    int id = state().nextId++;
    state().observers.emplace(id, std::move(observer));
    return id;
}

void Shell::unsubscribe(int id) {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().observers.erase(id);
}

} // namespace sys
