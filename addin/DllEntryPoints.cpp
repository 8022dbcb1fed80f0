#include "addin/DllEntryPoints.h"

#include "addin/Connect.h"
#include "addin/Dialogs.h"
#include "addin/Registration.h"
#include "platform/sys/Error.h"
#include "platform/sys/Registry.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <exception>
#include <string>

#define ZIRIRUR_EXPORT __attribute__((visibility("default")))

namespace {

// Objects handed out and not yet released.
int g_liveObjects = 0;

// The path of this library, as the loader found it.
std::string libraryPath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) == 0 ||
        info.dli_fname == nullptr)
        sys::raise(sys::ErrFileNotFound, "The add-in library cannot find its own file");
    return info.dli_fname;
}

// Runs a registration step; an error becomes its number, anything else "invalid call".
template <typename Step> int guarded(Step&& step) {
    try {
        step();
        return 0;
    } catch (const sys::Error& error) {
        return error.number();
    } catch (const std::exception&) {
        return sys::ErrInvalidCall;
    }
}

// Class names and class ids are looked up as the registry holds its keys: without regard to
// case, so "zirirur.connect" and a class id in small letters name the class too.
bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool names(const char* asked, const char* progId, const char* classId) {
    const std::string text = asked == nullptr ? "" : asked;
    return sameName(text, progId) || sameName(text, classId);
}

} // namespace

extern "C" {

ZIRIRUR_EXPORT int DllRegisterServer(const char* registryFile) {
    return guarded([&] {
        if (registryFile == nullptr)
            sys::raise(sys::ErrInvalidCall);
        sys::Registry registry(registryFile);
        zirirur::Registration::registerServer(registry, libraryPath());
    });
}

ZIRIRUR_EXPORT int DllUnregisterServer(const char* registryFile) {
    return guarded([&] {
        if (registryFile == nullptr)
            sys::raise(sys::ErrInvalidCall);
        sys::Registry registry(registryFile);
        zirirur::Registration::unregisterServer(registry);
    });
}

ZIRIRUR_EXPORT editor::IDTExtensibility2* DllGetClassObject(const char* classNameOrId) {
    using zirirur::Registration;
    if (!names(classNameOrId, Registration::ConnectProgId, Registration::ConnectClassId))
        return nullptr; // the colour control's class is not served through this interface
    try {
        auto* object = new zirirur::Connect();
        ++g_liveObjects;
        return object;
    } catch (const std::exception&) {
        return nullptr;
    }
}

ZIRIRUR_EXPORT void DllReleaseObject(editor::IDTExtensibility2* object) {
    if (object == nullptr)
        return;
    delete object;
    --g_liveObjects;
}

ZIRIRUR_EXPORT int DllCanUnloadNow() {
    if (g_liveObjects > 0)
        return 1;
    zirirur::Dialogs::releaseAll();
    return 0;
}
}
