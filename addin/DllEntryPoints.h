#pragma once

// The add-in library's entry points, the only symbols it exports (with C linkage, so a loader
// finds them by name). The registry of the editor is a file: the registration entry points
// take its path. None of them lets an error out: they give 0 on success, else an error number.

namespace editor {
class IDTExtensibility2;
}

extern "C" {

// Writes / removes the library's registration (its classes name the library's own path).
int DllRegisterServer(const char* registryFile);
int DllUnregisterServer(const char* registryFile);

// A new object of the class with that class name ("Zirirur.Connect") or class id; nullptr for
// a class the library does not serve (yet).
editor::IDTExtensibility2* DllGetClassObject(const char* classNameOrId);
// Destroys an object that DllGetClassObject gave.
void DllReleaseObject(editor::IDTExtensibility2* object);
// 0 when no object is alive any more, so the library may be unloaded; it then drops the
// dialogs it kept.
int DllCanUnloadNow();
}

namespace zirirur {
using DllRegisterServerFunction = int (*)(const char*);
using DllUnregisterServerFunction = int (*)(const char*);
using DllGetClassObjectFunction = editor::IDTExtensibility2* (*)(const char*);
using DllReleaseObjectFunction = void (*)(editor::IDTExtensibility2*);
using DllCanUnloadNowFunction = int (*)();
} // namespace zirirur
