#pragma once

#include "addin/DllEntryPoints.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace editor {
class Application;
class IDTExtensibility2;
} // namespace editor
namespace sys {
class Registry;
class SharedLibrary;
} // namespace sys

namespace host {

// Finds the add-ins registered for the editor, loads their libraries, creates and connects
// them, and disconnects and unloads them again, as the editor does at its start and its end.
class AddInLoader {
public:
    // An add-in the editor loads at its start: its class name and the library serving it.
    struct Registered {
        std::string progId;
        std::string libraryPath;
    };

    explicit AddInLoader(sys::Registry& registry);
    ~AddInLoader();
    AddInLoader(const AddInLoader&) = delete;
    AddInLoader& operator=(const AddInLoader&) = delete;

    // The entries under the editor's add-in key whose load behaviour is 3. An entry whose class
    // or library is not registered is reported to `problems` and left out.
    std::vector<Registered> registeredAddIns(std::ostream& problems) const;
    // Whether the editor's add-in key names any add-in at all.
    bool anyRegistered() const;

    // Loads the library and lets it register itself; raises sys::Error when it cannot.
    void registerLibrary(const std::string& libraryPath);

    // Loads, creates and connects every registered add-in; failures are reported to
    // `problems` and the other add-ins still load. Gives the number connected.
    int connectAll(editor::Application& application, std::ostream& problems);
    // Tells every connected add-in that the editor ends.
    void disconnectAll();
    // Releases every add-in object and unloads the libraries that allow it.
    void releaseAll();

    int connectedCount() const { return static_cast<int>(m_loaded.size()); }

private:
    struct Loaded;

    sys::Registry& m_registry;
    std::vector<std::unique_ptr<Loaded>> m_loaded;
    std::vector<std::unique_ptr<Loaded>> m_kept;
};

} // namespace host
