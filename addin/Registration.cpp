#include "addin/Registration.h"

#include "platform/sys/Registry.h"

namespace zirirur {

namespace {

// The unnamed value of a key (the key's default value).
const char* const Default = "";

void registerClass(sys::Registry& registry, const std::string& progId, const std::string& classId,
                   const std::string& libraryPath) {
    const std::string progKey = Registration::progIdKey(progId);
    registry.setText(progKey, Default, progId);
    registry.setText(progKey + "\\CLSID", Default, classId);

    const std::string classKey = Registration::classIdKey(classId);
    registry.setText(classKey, Default, progId);
    registry.setText(classKey + "\\InprocServer32", Default, libraryPath);
    registry.setText(classKey + "\\InprocServer32", "ThreadingModel", "Apartment");
    registry.setText(classKey + "\\ProgID", Default, progId);
    registry.setText(classKey + "\\TypeLib", Default, Registration::TypeLibId);
}

} // namespace

std::string Registration::progIdKey(const std::string& progId) {
    return "HKEY_CLASSES_ROOT\\" + progId;
}

std::string Registration::classIdKey(const std::string& classId) {
    return "HKEY_CLASSES_ROOT\\CLSID\\" + classId;
}

std::string Registration::typeLibKey() {
    return std::string("HKEY_CLASSES_ROOT\\TypeLib\\") + TypeLibId;
}

std::string Registration::editorAddinKey() {
    return std::string(EditorAddinsKey) + "\\" + ConnectProgId;
}

void Registration::registerServer(sys::Registry& registry, const std::string& libraryPath) {
    const std::string typeLib = typeLibKey() + "\\1.0";
    registry.setText(typeLib, Default, TypeLibDescription);
    registry.setText(typeLib + "\\0\\win32", Default, libraryPath);
    registry.setText(typeLib + "\\FLAGS", Default, "0");

    registerClass(registry, ConnectProgId, ConnectClassId, libraryPath);
    registerClass(registry, ColorBoxProgId, ColorBoxClassId, libraryPath);

    const std::string addin = editorAddinKey();
    registry.setText(addin, "FriendlyName", FriendlyName);
    registry.setText(addin, "Description", Description);
    registry.setNumber(addin, "LoadBehavior", LoadAtStartup);
}

void Registration::unregisterServer(sys::Registry& registry) {
    for (const std::string& key :
         {editorAddinKey(), progIdKey(ConnectProgId), classIdKey(ConnectClassId),
          progIdKey(ColorBoxProgId), classIdKey(ColorBoxClassId), typeLibKey()}) {
        if (registry.keyExists(key))
            registry.deleteKey(key);
    }
}

} // namespace zirirur
