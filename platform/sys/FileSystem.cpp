#include "platform/sys/FileSystem.h"

#include "platform/sys/Error.h"
#include "platform/sys/Text.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace sys {

namespace {

// Owns an open file descriptor and closes it when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(Descriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&&) = delete;
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    int get() const { return m_fd; }
    // Closes now, so that a failing close (a full disk on some file systems) can be reported.
    int close() { return ::close(std::exchange(m_fd, -1)); }

private:
    int m_fd = -1;
};

// Removes a half-written temporary file unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : m_path(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!m_kept)
            ::unlink(m_path.c_str());
    }

    const std::string& path() const { return m_path; }
    void keep() { m_kept = true; }

private:
    std::string m_path;
    bool m_kept = false;
};

bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool entryExists(const std::string& native) {
    struct stat st;
    return ::lstat(native.c_str(), &st) == 0;
}

bool isFolder(const std::string& native) {
    struct stat st;
    return ::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string parentOf(const std::string& native) {
    size_t slash = native.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return native.substr(0, slash);
}

std::string nameOf(const std::string& native) {
    size_t slash = native.find_last_of('/');
    return slash == std::string::npos ? native : native.substr(slash + 1);
}

std::string join(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

// "\" and "/" both separate; a drive letter stands for the root of the one file system.
std::string mapSeparators(std::string_view path) {
    bool drive = path.size() >= 2 && isAsciiLetter(path[0]) && path[1] == ':';
    if (drive)
        path.remove_prefix(2);
    std::string out;
    out.reserve(path.size() + 1);
    for (char c : path)
        out += c == '\\' ? '/' : c;
    if (drive && (out.empty() || out.front() != '/'))
        out.insert(out.begin(), '/');
    return out;
}

// The entry of folder whose name equals name without regard to case; empty when none.
// Of several, the first in byte order, so that the choice does not depend on the folder's order.
std::string findIgnoringCase(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr)
        return {};
    std::string found;
    while (const dirent* entry = ::readdir(dir)) {
        std::string candidate = entry->d_name;
        if (text::equal(candidate, name, text::Compare::IgnoreCase) &&
            (found.empty() || candidate < found))
            found = candidate;
    }
    ::closedir(dir);
    return found;
}

// Windows finds "FormFavs" when asked for "formfavs"; so do we, component by component, as
// long as the components exist. Missing components stay as written (a file about to be made).
std::string resolveCase(const std::string& path) {
    if (path.empty() || entryExists(path))
        return path;
    std::string out = path.front() == '/' ? "/" : "";
    bool missing = false;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        std::string component = path.substr(start, end - start);
        if (!component.empty()) {
            std::string candidate = join(out, component);
            if (!missing && component != "." && component != ".." && !entryExists(candidate)) {
                std::string match = findIgnoringCase(out, component);
                if (match.empty())
                    missing = true;
                else
                    candidate = join(out, match);
            }
            out = candidate;
        }
        start = end + 1;
    }
    if (path.back() == '/' && out.back() != '/')
        out += '/';
    return out;
}

// The error of a failed call on a file: a missing file is 53 when its folder exists, else 76.
[[noreturn]] void raiseFileError(int err, const std::string& native) {
    switch (err) {
    case ENOENT:
        raise(isFolder(parentOf(native)) ? ErrFileNotFound : ErrPathNotFound);
    case ENOTDIR:
        raise(ErrPathNotFound);
    case EISDIR:
    case ENXIO: // a pipe that nobody reads, a device that is not there
    case EEXIST:
    case ENOTEMPTY:
    case EBUSY:
    case ETXTBSY:
        raise(ErrPathFileAccess);
    case EACCES:
    case EPERM:
    case EROFS:
        raise(ErrPermissionDenied);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        raise(ErrDiskFull);
    case EMFILE:
    case ENFILE:
        raise(ErrTooManyFiles);
    case ENAMETOOLONG:
    case EINVAL:
        raise(ErrBadFileName);
    default:
        raise(ErrDeviceIO);
    }
}

// The error of a failed call on a folder: whatever is missing, it is the path.
[[noreturn]] void raiseFolderError(int err, const std::string& native) {
    if (err == ENOENT)
        raise(ErrPathNotFound);
    raiseFileError(err, native);
}

// The file a path names once its links are followed (a dangling link names its target).
std::string behindLinks(std::string native) {
    char target[4096];
    for (int hop = 0; hop < 40; ++hop) {
        ssize_t length = ::readlink(native.c_str(), target, sizeof target - 1);
        if (length < 0)
            break;
        std::string next(target, static_cast<size_t>(length));
        native = next.front() == '/' ? next : join(parentOf(native), next);
    }
    return native;
}

// Which files an opening takes.
enum class Opening {
    // A plain file only. The add-in's own files are always plain: a device, a pipe or a folder
    // in the place of one is refused with 75, as a file that cannot be opened, and the opening
    // never waits for a pipe's other end or a device.
    PlainFile,
    // A device or a pipe too (never a folder): a page may be read from one, or written into it.
    AnyFile,
};

Descriptor openNative(const std::string& native, int flags, Opening opening = Opening::PlainFile) {
    const int noWaiting = opening == Opening::PlainFile ? O_NONBLOCK : 0;
    int fd = ::open(native.c_str(), flags | noWaiting | O_CLOEXEC, 0666);
    if (fd < 0)
        raiseFileError(errno, native);
    Descriptor file(fd);
    struct stat st;
    if (::fstat(fd, &st) != 0)
        raiseFileError(errno, native);
    if (S_ISDIR(st.st_mode))
        raise(ErrPathFileAccess); // reading a folder opens on this system, not on Windows
    if (opening == Opening::PlainFile) {
        if (!S_ISREG(st.st_mode))
            raise(ErrPathFileAccess);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    }
    return file;
}

// Reads a stream of unknown length (a device or a pipe may have one), up to limit bytes.
std::string readAll(const Descriptor& file, const std::string& native, size_t limit) {
    std::string bytes;
    char buffer[65536];
    for (;;) {
        ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            raiseFileError(errno, native);
        if (got == 0)
            return bytes;
        if (static_cast<size_t>(got) > limit - bytes.size())
            raise(ErrOverflow, "the file is larger than " + std::to_string(limit) + " bytes");
        bytes.append(buffer, static_cast<size_t>(got));
    }
}

// Up to count bytes of a plain file from offset, and never more than the file held when it
// was opened: fewer at its end, and no more when it grows meanwhile.
std::string readRange(const Descriptor& file, const std::string& native, std::uint64_t offset,
                      size_t count) {
    struct stat st;
    if (::fstat(file.get(), &st) != 0)
        raiseFileError(errno, native);
    const auto size = static_cast<std::uint64_t>(st.st_size);
    count = offset >= size ? 0 : static_cast<size_t>(std::min<std::uint64_t>(count, size - offset));
    std::string bytes(count, '\0');
    size_t done = 0;
    while (done < count) {
        ssize_t got = ::pread(file.get(), bytes.data() + done, count - done,
                              static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            raiseFileError(errno, native);
        if (got == 0)
            break;
        done += static_cast<size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

void writeAll(const Descriptor& file, std::string_view bytes, const std::string& native) {
    while (!bytes.empty()) {
        ssize_t put = ::write(file.get(), bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            raiseFileError(errno, native);
        bytes.remove_prefix(static_cast<size_t>(put));
    }
}

void closeChecked(Descriptor& file, const std::string& native) {
    if (file.close() != 0)
        raiseFileError(errno, native);
}

// Writes the bytes at offset; 0, or the error number of the write that failed.
int putAt(const Descriptor& file, std::uint64_t offset, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t put = ::pwrite(file.get(), bytes.data() + done, bytes.size() - done,
                               static_cast<off_t>(offset + done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return errno;
        done += static_cast<size_t>(put);
    }
    return 0;
}

// Whether making or renaming a file failed because its folder may not be written (or its
// sticky bit keeps another's file from being replaced).
bool folderRefused(int err) {
    return err == EACCES || err == EPERM;
}

// Writes the file over where it stands. Should that fail halfway, what it held is put back, as
// far as the disk lets it.
void writeInPlace(const std::string& native, std::string_view bytes) {
    Descriptor file = openNative(native, O_RDWR);
    const std::string old = readRange(file, native, 0, std::numeric_limits<size_t>::max());
    const auto put = [&](std::string_view content) {
        int err = putAt(file, 0, content);
        if (err == 0 && ::ftruncate(file.get(), static_cast<off_t>(content.size())) != 0)
            err = errno;
        if (err == 0 && ::fsync(file.get()) != 0)
            err = errno;
        return err;
    };
    if (const int err = put(bytes); err != 0) {
        put(old);
        raiseFileError(err, native);
    }
    closeChecked(file, native);
}

void writeFile(std::string_view path, std::string_view bytes, int flags) {
    std::string native = FileSystem::nativePath(path);
    Descriptor file = openNative(native, O_WRONLY | O_CREAT | flags);
    writeAll(file, bytes, native);
    closeChecked(file, native);
}

size_t nextCharacter(std::string_view s, size_t i) {
    ++i;
    while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
        ++i;
    return i;
}

// "*" stands for any run of characters, "?" for one character.
bool wildcardMatch(std::string_view pattern, std::string_view name) {
    size_t p = 0;
    size_t n = 0;
    size_t starP = std::string_view::npos;
    size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            n = nextCharacter(name, n);
        } else if (p < pattern.size() && pattern[p] == name[n]) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            starN = nextCharacter(name, starN);
            n = starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

// Without regard to case; as on Windows, "name.*" also matches a name without an extension.
bool matchesPattern(const std::string& pattern, const std::string& name) {
    std::string p = text::upper(pattern);
    std::string n = text::upper(name);
    if (wildcardMatch(p, n))
        return true;
    return p.size() >= 2 && p.compare(p.size() - 2, 2, ".*") == 0 &&
           wildcardMatch(std::string_view(p).substr(0, p.size() - 2), n);
}

bool isHidden(const std::string& name) {
    return !name.empty() && name.front() == '.';
}

std::vector<std::string> listNative(const std::string& native, EntryKind kind) {
    DIR* dir = ::opendir(native.c_str());
    if (dir == nullptr)
        raiseFolderError(errno, native);
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (isHidden(name)) // also "." and ".."
            continue;
        struct stat st;
        if (::stat(join(native, name).c_str(), &st) != 0)
            continue;
        if ((kind == EntryKind::File && S_ISREG(st.st_mode)) ||
            (kind == EntryKind::Folder && S_ISDIR(st.st_mode)))
            names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        std::string ua = text::upper(a);
        std::string ub = text::upper(b);
        return ua != ub ? ua < ub : a < b;
    });
    return names;
}

void deleteNative(const std::string& native) {
    struct stat st;
    if (::lstat(native.c_str(), &st) != 0)
        raiseFileError(errno, native);
    if (S_ISDIR(st.st_mode))
        raise(ErrPathFileAccess);
    if (::unlink(native.c_str()) != 0)
        raiseFileError(errno, native);
}

} // namespace

std::string FileSystem::nativePath(std::string_view path) {
    return resolveCase(mapSeparators(path));
}

std::string FileSystem::windowsPath(std::string_view nativePath) {
    std::string out = !nativePath.empty() && nativePath.front() == '/' ? "C:" : "";
    for (char c : nativePath)
        out += c == '/' ? '\\' : c;
    return out;
}

bool FileSystem::fileExists(std::string_view path) {
    struct stat st;
    return ::stat(nativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FileSystem::folderExists(std::string_view path) {
    return isFolder(nativePath(path));
}

void FileSystem::openForInput(std::string_view path) {
    std::string native = nativePath(path);
    Descriptor file = openNative(native, O_RDONLY);
}

std::string FileSystem::readBytes(std::string_view path) {
    std::string native = nativePath(path);
    Descriptor file = openNative(native, O_RDONLY);
    return readRange(file, native, 0, std::numeric_limits<size_t>::max());
}

std::string FileSystem::readBytes(std::string_view path, size_t limit) {
    std::string native = nativePath(path);
    Descriptor file = openNative(native, O_RDONLY, Opening::AnyFile);
    return readAll(file, native, limit);
}

std::string FileSystem::readText(std::string_view path) {
    return text::fromAnsi(readBytes(path));
}

std::vector<std::string> FileSystem::readLines(std::string_view path) {
    std::string bytes = readBytes(path);
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r') {
            line += bytes[i];
            continue;
        }
        lines.push_back(text::fromAnsi(line));
        line.clear();
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
    }
    if (!line.empty())
        lines.push_back(text::fromAnsi(line));
    return lines;
}

void FileSystem::writeBytes(std::string_view path, std::string_view bytes) {
    writeFile(path, bytes, O_TRUNC);
}

void FileSystem::writeText(std::string_view path, std::string_view text) {
    writeBytes(path, text::toAnsi(text));
}

void FileSystem::appendBytes(std::string_view path, std::string_view bytes) {
    writeFile(path, bytes, O_APPEND);
}

void FileSystem::appendText(std::string_view path, std::string_view text) {
    appendBytes(path, text::toAnsi(text));
}

void FileSystem::replaceBytes(std::string_view path, std::string_view bytes,
                              FolderRefusal whenRefused) {
    static std::atomic<unsigned> counter{0};
    // Through a link, the file behind it gets the new content and the link stays.
    std::string native = behindLinks(nativePath(path));
    struct stat old;
    bool existed = ::stat(native.c_str(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode))
        raise(ErrPathFileAccess);
    // A file that nobody may write is read-only, and stays as it is, as Windows keeps it.
    if (existed && S_ISREG(old.st_mode) && (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        raise(ErrPermissionDenied, "the file is read-only");
    // A device or a pipe takes the bytes as they come: replacing it would remove it.
    if (existed && !S_ISREG(old.st_mode)) {
        Descriptor file = openNative(native, O_WRONLY, Opening::AnyFile);
        writeAll(file, bytes, native);
        closeChecked(file, native);
        return;
    }

    // The new content goes to a hidden file in the same folder, so the rename stays on one
    // file system and folder listings never show it.
    std::string folder = parentOf(native);
    std::string stem = join(folder, "." + nameOf(native) + ".new-" + std::to_string(::getpid()));
    int fd = -1;
    std::string temporary;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = stem + "-" + std::to_string(counter++);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && folderRefused(errno) && whenRefused == FolderRefusal::WriteInPlace)
            return writeInPlace(native, bytes);
        if (fd < 0 && (errno != EEXIST || attempt >= 100))
            raiseFileError(errno, temporary);
    }
    Descriptor file(fd);
    TemporaryFile cleanup(temporary);
    writeAll(file, bytes, native);
    if (existed)
        ::fchmod(fd, old.st_mode & 07777);
    if (::fsync(fd) != 0)
        raiseFileError(errno, native);
    closeChecked(file, native);
    if (::rename(temporary.c_str(), native.c_str()) != 0) {
        if (folderRefused(errno) && whenRefused == FolderRefusal::WriteInPlace)
            return writeInPlace(native, bytes);
        raiseFileError(errno, native);
    }
    cleanup.keep();

    // Make the rename itself durable; a folder that cannot be synced still holds the new file.
    int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

void FileSystem::replaceText(std::string_view path, std::string_view text,
                             FolderRefusal whenRefused) {
    replaceBytes(path, text::toAnsi(text), whenRefused);
}

std::string FileSystem::readAt(std::string_view path, std::uint64_t offset, std::size_t count) {
    std::string native = nativePath(path);
    Descriptor file = openNative(native, O_RDONLY);
    return readRange(file, native, offset, count);
}

void FileSystem::writeAt(std::string_view path, std::uint64_t offset, std::string_view bytes) {
    std::string native = nativePath(path);
    Descriptor file = openNative(native, O_WRONLY | O_CREAT);
    if (const int err = putAt(file, offset, bytes); err != 0)
        raiseFileError(err, native);
    closeChecked(file, native);
}

void FileSystem::copyFile(std::string_view from, std::string_view to) {
    std::string bytes = readBytes(from);
    writeBytes(to, bytes);
}

void FileSystem::deleteFile(std::string_view pathOrPattern) {
    std::string mapped = mapSeparators(pathOrPattern);
    std::string pattern = nameOf(mapped);
    if (pattern.find_first_of("*?") == std::string::npos) {
        deleteNative(resolveCase(mapped));
        return;
    }
    std::string folder = mapped.size() > pattern.size()
                             ? resolveCase(mapped.substr(0, mapped.size() - pattern.size()))
                             : std::string(".");
    int deleted = 0;
    for (const std::string& name : listNative(folder, EntryKind::File)) {
        if (matchesPattern(pattern, name)) {
            deleteNative(join(folder, name));
            ++deleted;
        }
    }
    if (deleted == 0)
        raise(ErrFileNotFound);
}

void FileSystem::makeFolder(std::string_view path) {
    std::string native = nativePath(path);
    if (::mkdir(native.c_str(), 0777) != 0)
        raiseFolderError(errno, native);
}

void FileSystem::removeFolder(std::string_view path) {
    std::string native = nativePath(path);
    if (::rmdir(native.c_str()) != 0)
        raiseFolderError(errno, native);
}

std::vector<std::string> FileSystem::list(std::string_view folder, EntryKind kind) {
    return listNative(nativePath(folder), kind);
}

} // namespace sys
