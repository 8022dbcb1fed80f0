#pragma once

#include <string>

namespace sys {
class Registry;
}

namespace zirirur {

// The add-in library's own entries in the registry: its type library, its two classes (each
// naming the library that serves it) and its entry for the editor, which loads it at start.
class Registration {
public:
    static constexpr const char* ConnectProgId = "Zirirur.Connect";
    static constexpr const char* ColorBoxProgId = "Zirirur.AZColorBox";
    static constexpr const char* ConnectClassId = "{6D1A7C3E-2B54-4F0A-9C8E-5A3B1D2E7F01}";
    static constexpr const char* ColorBoxClassId = "{6D1A7C3E-2B54-4F0A-9C8E-5A3B1D2E7F02}";
    static constexpr const char* TypeLibId = "{6D1A7C3E-2B54-4F0A-9C8E-5A3B1D2E7F00}";
    static constexpr const char* TypeLibDescription = "Zirirur For MS Frontpage";

    // Where the editor looks for its add-ins, one key per class name below it.
    static constexpr const char* EditorAddinsKey =
        "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\FrontPage\\Addins";
    static constexpr const char* FriendlyName = "Dedarav Zirirur";
    static constexpr const char* Description = "Zirirur for Microsoft Frontpage";
    // Loaded when the editor starts.
    static constexpr unsigned LoadAtStartup = 3;

    // Writes every entry; libraryPath is the library that serves the classes. Writing again
    // over an earlier registration replaces it.
    static void registerServer(sys::Registry& registry, const std::string& libraryPath);
    // Removes every entry that registerServer writes; missing entries are passed over.
    static void unregisterServer(sys::Registry& registry);

    // The registry's keys for a class name and for a class id.
    static std::string progIdKey(const std::string& progId);
    static std::string classIdKey(const std::string& classId);
    static std::string typeLibKey();
    static std::string editorAddinKey();
};

} // namespace zirirur
