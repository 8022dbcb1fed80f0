#include "formtools/FavouritesStore.h"

#include "addin/modText.h"
#include "platform/editor/PageEncoding.h"
#include "platform/sys/App.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/sys/FileSystem.h"

namespace zirirur {

using sys::FileSystem;

namespace {

// The CR of the store's own texts; the write adds CR LF after it.
const char* const OwnLineEnd = "\r";
const char* const WrittenLineEnd = "\r\n";

} // namespace

std::string FavouritesStore::IndexPath() {
    return sys::App::path() + "\\formfav.dat";
}

std::string FavouritesStore::FormFilePath(const std::string& Name) {
    return sys::App::path() + "\\FormFavs\\" + Name + ".ffv";
}

std::string FavouritesStore::ImageFolder(const std::string& Name) {
    return sys::App::path() + "\\FormImages\\" + Name;
}

std::string FavouritesStore::ImageFile(const std::string& Name, const std::string& fileName) {
    return ImageFolder(Name) + "\\" + fileName;
}

void FavouritesStore::CreateIndex(IndexHeader header) {
    if (header == IndexHeader::Written)
        AppendLine(std::string(HeaderLine) + OwnLineEnd);
    else
        FileSystem::appendBytes(IndexPath(), "");
}

void FavouritesStore::AppendLine(const std::string& text) {
    FileSystem::appendText(IndexPath(), text + WrittenLineEnd);
}

std::vector<std::string> FavouritesStore::ReadIndex() {
    return FileSystem::readLines(IndexPath());
}

void FavouritesStore::RewriteIndex(const std::vector<std::string>& lines) {
    std::string content;
    for (const std::string& line : lines)
        content += line + OwnLineEnd + WrittenLineEnd;
    FileSystem::replaceText(IndexPath(), content, sys::FolderRefusal::WriteInPlace);
}

bool FavouritesStore::IsListed(const std::string& Name) {
    if (!IsValidFavName(Name))
        return false;
    // A form file that cannot even be looked for (its folder is missing) is not there.
    bool exists = false;
    sys::tryStep([&] { exists = FileExists(FormFilePath(Name)); });
    return exists;
}

void FavouritesStore::WriteFormFile(const std::string& Name, const std::string& HTML) {
    static const editor::PageEncoding ansi = editor::PageEncoding::named("windows-1252");
    FileSystem::writeBytes(FormFilePath(Name), ansi.encode(HTML + WrittenLineEnd));
}

std::string FavouritesStore::ReadFormFile(const std::string& Name) {
    return ReadFile(FormFilePath(Name));
}

} // namespace zirirur
