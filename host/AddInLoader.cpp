#include "host/AddInLoader.h"

#include "addin/DllEntryPoints.h"
#include "platform/editor/IDTExtensibility2.h"
#include "platform/sys/Error.h"
#include "platform/sys/Registry.h"
#include "platform/sys/SharedLibrary.h"

namespace host {

namespace {

const char* const EditorAddinsKey =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\FrontPage\\Addins";
const std::uint32_t LoadAtStartup = 3;

} // namespace

struct AddInLoader::Loaded {
    std::string progId;
    sys::SharedLibrary library;
    editor::IDTExtensibility2* object = nullptr;
    zirirur::DllReleaseObjectFunction release = nullptr;
    zirirur::DllCanUnloadNowFunction canUnloadNow = nullptr;
    bool connected = false;

    Loaded(std::string id, const std::string& path) : progId(std::move(id)), library(path) {}
    Loaded(const Loaded&) = delete;
    Loaded& operator=(const Loaded&) = delete;
    // The object goes before its library.
    ~Loaded() {
        if (object != nullptr && release != nullptr)
            release(object);
    }
};

AddInLoader::AddInLoader(sys::Registry& registry) : m_registry(registry) {}

AddInLoader::~AddInLoader() {
    releaseAll();
}

bool AddInLoader::anyRegistered() const {
    return m_registry.keyExists(EditorAddinsKey) && !m_registry.subKeys(EditorAddinsKey).empty();
}

std::vector<AddInLoader::Registered> AddInLoader::registeredAddIns(std::ostream& problems) const {
    std::vector<Registered> found;
    if (!m_registry.keyExists(EditorAddinsKey))
        return found;
    for (const std::string& progId : m_registry.subKeys(EditorAddinsKey)) {
        const std::string addinKey = std::string(EditorAddinsKey) + "\\" + progId;
        std::optional<sys::Registry::Value> behaviour = m_registry.value(addinKey, "LoadBehavior");
        const std::uint32_t* number = behaviour ? std::get_if<std::uint32_t>(&*behaviour) : nullptr;
        if (number == nullptr || *number != LoadAtStartup)
            continue;
        std::optional<sys::Registry::Value> classId =
            m_registry.value("HKEY_CLASSES_ROOT\\" + progId + "\\CLSID", "");
        const std::string* classText = classId ? std::get_if<std::string>(&*classId) : nullptr;
        if (classText == nullptr || classText->empty()) {
            problems << "zirirur: add-in " << progId << ": its class is not registered\n";
            continue;
        }
        std::optional<sys::Registry::Value> server =
            m_registry.value("HKEY_CLASSES_ROOT\\CLSID\\" + *classText + "\\InprocServer32", "");
        const std::string* path = server ? std::get_if<std::string>(&*server) : nullptr;
        if (path == nullptr || path->empty()) {
            problems << "zirirur: add-in " << progId << ": no library is registered for it\n";
            continue;
        }
        found.push_back(Registered{progId, *path});
    }
    return found;
}

void AddInLoader::registerLibrary(const std::string& libraryPath) {
    sys::SharedLibrary library(libraryPath);
    auto* registerServer = library.function<int(const char*)>("DllRegisterServer");
    const int result = registerServer(m_registry.filePath().c_str());
    if (result != 0)
        sys::raise(result, "The add-in library " + libraryPath +
                               " could not register itself: " + sys::describeError(result));
}

int AddInLoader::connectAll(editor::Application& application, std::ostream& problems) {
    for (const Registered& addIn : registeredAddIns(problems)) {
        try {
            auto loaded = std::make_unique<Loaded>(addIn.progId, addIn.libraryPath);
            auto* create = loaded->library.function<editor::IDTExtensibility2*(const char*)>(
                "DllGetClassObject");
            loaded->release =
                loaded->library.function<void(editor::IDTExtensibility2*)>("DllReleaseObject");
            loaded->canUnloadNow = loaded->library.function<int()>("DllCanUnloadNow");
            loaded->object = create(addIn.progId.c_str());
            if (loaded->object == nullptr) {
                problems << "zirirur: add-in " << addIn.progId << ": " << addIn.libraryPath
                         << " does not serve that class\n";
                continue;
            }
            loaded->object->OnConnection(application, editor::ConnectMode::Startup, addIn.progId);
            loaded->connected = true;
            m_loaded.push_back(std::move(loaded));
        } catch (const sys::Error& error) {
            problems << "zirirur: add-in " << addIn.progId << ": " << error.description() << "\n";
        } catch (const std::exception& error) {
            problems << "zirirur: add-in " << addIn.progId << ": " << error.what() << "\n";
        }
    }
    return connectedCount();
}

void AddInLoader::disconnectAll() {
    for (auto& loaded : m_loaded) {
        if (!loaded->connected)
            continue;
        loaded->object->OnDisconnection(editor::DisconnectMode::HostShutdown);
        loaded->connected = false;
    }
}

void AddInLoader::releaseAll() {
    // Last connected, first released.
    while (!m_loaded.empty()) {
        std::unique_ptr<Loaded> loaded = std::move(m_loaded.back());
        m_loaded.pop_back();
        loaded->release(loaded->object);
        loaded->object = nullptr;
        // A library that still has objects alive stays loaded as long as the loader.
        if (loaded->canUnloadNow() != 0)
            m_kept.push_back(std::move(loaded));
    }
}

} // namespace host
