#pragma once

// The interface through which the editor talks to a loaded add-in. The add-in library hands
// out objects of its own classes that implement it; the editor calls them on its one thread.

#include <string>

namespace editor {

class Application;

enum class ConnectMode : int { AfterStartup = 0, Startup = 1, External = 2, CommandLine = 3 };
enum class DisconnectMode : int { HostShutdown = 0, UserClosed = 1 };

class IDTExtensibility2 {
public:
    virtual ~IDTExtensibility2() = default;
    virtual void OnConnection(Application& application, ConnectMode connectMode,
                              const std::string& addInInst) = 0;
    virtual void OnDisconnection(DisconnectMode removeMode) = 0;
    virtual void OnAddInsUpdate() = 0;
    virtual void OnStartupComplete() = 0;
    virtual void OnBeginShutdown() = 0;
};

} // namespace editor
