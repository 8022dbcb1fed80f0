#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sys {

// Which entries of a folder a listing gives.
enum class EntryKind { File, Folder };

// What replacing a file does where its folder takes no new file (a read-only folder) though
// the file itself may be written: fail, or write the file over in place.
enum class FolderRefusal { Fail, WriteInPlace };

// The file layer: the add-in's paths are Windows paths ("C:\inst\FormFavs\a.ffv", "\" or "/"
// as separator), mapped onto the one real file system: a drive letter stands for its root, so
// "C:\tmp\a.txt" is "/tmp/a.txt". Names compare without regard to case, as on Windows: a path
// component that does not exist as written finds an existing entry that differs only in case.
// Text files are in the ANSI code page (Windows-1252) on disk and UTF-8 in memory.
// Every failure raises sys::Error with the number the add-in expects (53 "File not found",
// 76 "Path not found", 75 "Path/File access error", 70 "Permission denied", ...).
// Files are plain files: a device, a pipe or a folder where one is read or written is refused
// with 75 without waiting for the pipe's other end, and no read takes more than the file holds.
// Only a page may come from a device or a pipe (readBytes with a limit) or go into one
// (replaceBytes).
class FileSystem {
public:
    // The real path of a Windows path (existing components matched without regard to case).
    static std::string nativePath(std::string_view path);
    // The Windows form of a real absolute path: "/tmp/a.txt" gives "C:\tmp\a.txt".
    static std::string windowsPath(std::string_view nativePath);

    // Never raise: false for anything that is not an existing file / folder.
    static bool fileExists(std::string_view path);
    static bool folderExists(std::string_view path);

    // Opens the file for sequential input and closes it again at once; raises what opening
    // raises (53 missing file, 76 missing folder, 75 a folder, device or pipe, 70 no
    // permission).
    static void openForInput(std::string_view path);

    // The whole file, as bytes / converted from Windows-1252.
    static std::string readBytes(std::string_view path);
    // The whole file, or what a device or a pipe gives, when it is no more than limit bytes;
    // raises 6 (overflow) for more, having read no more than that (a device or a pipe may
    // never end).
    static std::string readBytes(std::string_view path, std::size_t limit);
    static std::string readText(std::string_view path);
    // The lines of a Windows-1252 text file, read as the add-in's line input reads them: a line
    // ends at a CR, and a CR directly followed by LF is one line end (a lone LF stays in the
    // line); the end of the last line is optional.
    static std::vector<std::string> readLines(std::string_view path);

    // Creates or truncates the file and writes it.
    static void writeBytes(std::string_view path, std::string_view bytes);
    static void writeText(std::string_view path, std::string_view text);
    // Creates the file when missing and writes at its end.
    static void appendBytes(std::string_view path, std::string_view bytes);
    static void appendText(std::string_view path, std::string_view text);
    // Writes a new file beside the old one and renames it over it, so that a crash leaves
    // either the old or the new content, never a half-written file. A read-only file (no
    // write permission for anyone) is refused with 70, as Windows refuses it. Where the folder
    // takes no new file, WriteInPlace writes the file over where it stands instead; should that
    // fail halfway, what it held is put back.
    static void replaceBytes(std::string_view path, std::string_view bytes,
                             FolderRefusal whenRefused = FolderRefusal::Fail);
    static void replaceText(std::string_view path, std::string_view text,
                            FolderRefusal whenRefused = FolderRefusal::Fail);

    // Random access: up to count bytes from offset (fewer at the end of the file).
    static std::string readAt(std::string_view path, std::uint64_t offset, std::size_t count);
    // Writes at offset, creating a missing file; an existing file is not truncated.
    static void writeAt(std::string_view path, std::uint64_t offset, std::string_view bytes);

    // Copies a file over any existing file of the target's name.
    static void copyFile(std::string_view from, std::string_view to);
    // Deletes one file, or every file that a pattern with "*" and "?" in its last component
    // matches ("folder\*.*"); a pattern that matches nothing raises 53, as a missing file.
    static void deleteFile(std::string_view pathOrPattern);
    static void makeFolder(std::string_view path);
    // Removes an empty folder; a folder that holds anything raises 75.
    static void removeFolder(std::string_view path);
    // The names of the folder's files or sub-folders, without hidden and system entries,
    // sorted without regard to case.
    static std::vector<std::string> list(std::string_view folder, EntryKind kind);
};

} // namespace sys
