#pragma once

#include "platform/dom/Document.h"
#include "platform/editor/Application.h"
#include "platform/editor/PageWindow.h"
#include "platform/editor/Web.h"
#include "platform/editor/WebFile.h"
#include "platform/editor/WebFolder.h"
#include "platform/editor/WebFolders.h"
#include "platform/sys/Text.h"

#include <string>

// What the add-in does with a web file's address to reach the file: every "/" becomes "\" and
// a leading "file:\\\" (any case) goes; the file layer then maps "C:\..." onto the real path.
inline std::string addInPathOf(const std::string& address) {
    std::string path = address;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    if (path.size() > 8 && sys::text::upper(path.substr(0, 8)) == "FILE:\\\\\\")
        path = path.substr(8);
    return path;
}

// The add-in's walk from the active page's address to the page's folder: the address cut after
// the root folder's address and "/", less the page file's name, then one folder per "/".
inline editor::WebFolder& pageFolderOf(editor::Application& application) {
    editor::Web& web = *application.activeWeb();
    editor::PageWindow& page = *application.activePageWindow();
    std::string address = page.document()->locationHref();
    std::string relative = address.substr(web.rootFolder().url().size() + 1);
    std::string folderPart = relative.substr(0, relative.size() - page.file().name().size());
    editor::WebFolder* folder = &web.rootFolder();
    std::size_t start = 0;
    for (std::size_t slash; (slash = folderPart.find('/', start)) != std::string::npos;
         start = slash + 1)
        folder = &folder->folders().item(folderPart.substr(start, slash - start));
    return *folder;
}
