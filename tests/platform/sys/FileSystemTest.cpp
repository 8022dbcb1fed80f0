#include "platform/sys/FileSystem.h"

#include "tests/platform/sys/ErrorNumber.h"
#include "tests/platform/sys/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using sys::EntryKind;
using sys::FileSystem;

TEST(SysFileSystem, MapsWindowsPathsOntoTheOneRoot) {
    EXPECT_EQ(FileSystem::nativePath("C:\\zr-none\\a.txt"), "/zr-none/a.txt");
    EXPECT_EQ(FileSystem::nativePath("d:/zr-none\\b\\c.txt"), "/zr-none/b/c.txt");
    EXPECT_EQ(FileSystem::nativePath("C:"), "/");
    EXPECT_EQ(FileSystem::nativePath("zr-none\\x"), "zr-none/x");
    EXPECT_EQ(FileSystem::windowsPath("/tmp/a b/c.htm"), "C:\\tmp\\a b\\c.htm");

    TempFolder dir;
    FileSystem::makeFolder(dir.windows("Sub"));
    FileSystem::writeBytes(dir.windows("Sub\\f.txt"), "x");
    EXPECT_EQ(dir.readRaw("Sub/f.txt"), "x");
    EXPECT_TRUE(FileSystem::fileExists(dir.native("Sub/f.txt")));
    EXPECT_TRUE(FileSystem::folderExists(dir.windows("Sub\\")));
    EXPECT_FALSE(FileSystem::fileExists(dir.windows("Sub")));
    EXPECT_FALSE(FileSystem::folderExists(dir.windows("Sub\\f.txt")));
}

TEST(SysFileSystem, NamesCompareWithoutRegardToCase) {
    TempFolder dir;
    FileSystem::makeFolder(dir.windows("FormFavs"));
    dir.writeRaw("FormFavs/My Form.ffv", "old");
    EXPECT_TRUE(FileSystem::fileExists(dir.windows("formfavs\\MY FORM.FFV")));
    EXPECT_EQ(FileSystem::readBytes(dir.windows("FORMFAVS\\my form.ffv")), "old");

    // Writing under another case replaces the existing file instead of adding a second one.
    FileSystem::writeBytes(dir.windows("formfavs\\my form.FFV"), "new");
    FileSystem::writeBytes(dir.windows("FORMFAVS\\Other.ffv"), "x");
    EXPECT_EQ(FileSystem::list(dir.windows("FormFavs"), EntryKind::File),
              (std::vector<std::string>{"My Form.ffv", "Other.ffv"}));
    EXPECT_EQ(dir.readRaw("FormFavs/My Form.ffv"), "new");
    EXPECT_EQ(FileSystem::list(dir.windows(), EntryKind::Folder),
              std::vector<std::string>{"FormFavs"});
}

TEST(SysFileSystem, FailuresCarryTheirErrorNumbers) {
    TempFolder dir;
    dir.writeRaw("a.txt", "a");
    FileSystem::makeFolder(dir.windows("Full"));
    dir.writeRaw("Full/x", "x");
    auto at = [&](const std::string& name) { return dir.windows(name); };

    EXPECT_EQ(errorNumberOf([&] { FileSystem::openForInput(at("missing.txt")); }), 53);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::openForInput(at("Nope\\missing.txt")); }), 76);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::openForInput(at("a.txt\\x")); }), 76);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::readBytes(at("Full")); }), 75);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::writeBytes(at("Full"), "x"); }), 75);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::writeBytes(at("Nope\\b.txt"), "x"); }), 76);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::appendText(at("Nope\\b.txt"), "x"); }), 76);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::copyFile(at("missing"), at("c")); }), 53);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::copyFile(at("a.txt"), at("Nope\\c")); }), 76);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::deleteFile(at("missing.txt")); }), 53);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::deleteFile(at("Nope\\missing.txt")); }), 76);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::makeFolder(at("Full")); }), 75);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::makeFolder(at("Nope\\Sub")); }), 76);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::removeFolder(at("Full")); }), 75);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::removeFolder(at("Nope")); }), 76);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::list(at("Nope"), EntryKind::File); }), 76);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::readAt(at("missing"), 0, 16); }), 53);

    try {
        FileSystem::readBytes(at("missing.txt"));
        ADD_FAILURE() << "no error";
    } catch (const sys::Error& error) {
        EXPECT_EQ(error.description(), "File not found");
    }

    if (::geteuid() != 0) { // permissions do not bind the superuser
        ::chmod(dir.native("a.txt").c_str(), 0);
        EXPECT_EQ(errorNumberOf([&] { FileSystem::openForInput(at("a.txt")); }), 70);
    }
}

TEST(SysFileSystem, TextFilesAreWindows1252OnDisk) {
    TempFolder dir;
    dir.writeRaw("in.txt", "caf\xE9 \x80 \x93quoted\x94\r\n");
    EXPECT_EQ(FileSystem::readText(dir.windows("in.txt")), "café € “quoted”\r\n");

    FileSystem::writeText(dir.windows("out.txt"), "naïve € → ok");
    EXPECT_EQ(dir.readRaw("out.txt"), "na\xEFve \x80 ? ok");
    FileSystem::appendText(dir.windows("out.txt"), "é");
    FileSystem::appendText(dir.windows("new.txt"), "é");
    EXPECT_EQ(dir.readRaw("out.txt"), "na\xEFve \x80 ? ok\xE9");
    EXPECT_EQ(dir.readRaw("new.txt"), "\xE9");
    FileSystem::writeText(dir.windows("out.txt"), "");
    EXPECT_EQ(dir.readRaw("out.txt"), "");
}

TEST(SysFileSystem, ReadsLinesEndedByCrOrCrLf) {
    TempFolder dir;
    dir.writeRaw("index.dat", "Header\r\r\n[a]\xE9\r\r\nLF\nstays\rlast");
    EXPECT_EQ(FileSystem::readLines(dir.windows("index.dat")),
              (std::vector<std::string>{"Header", "", "[a]é", "", "LF\nstays", "last"}));
    dir.writeRaw("end.dat", "one\r\n\r\n");
    EXPECT_EQ(FileSystem::readLines(dir.windows("end.dat")), (std::vector<std::string>{"one", ""}));
    dir.writeRaw("empty.dat", "");
    EXPECT_TRUE(FileSystem::readLines(dir.windows("empty.dat")).empty());
}

TEST(SysFileSystem, ReplacesAFileAtomically) {
    TempFolder dir;
    FileSystem::replaceText(dir.windows("formfav.dat"), "first é");
    EXPECT_EQ(dir.readRaw("formfav.dat"), "first \xE9");

    dir.writeRaw("keep.dat", "old content that is longer");
    ::chmod(dir.native("keep.dat").c_str(), 0640);
    FileSystem::replaceBytes(dir.windows("KEEP.DAT"), "new");
    EXPECT_EQ(dir.readRaw("keep.dat"), "new");
    struct stat st;
    ASSERT_EQ(::stat(dir.native("keep.dat").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // A read-only file is not replaced, by the superuser either.
    ::chmod(dir.native("keep.dat").c_str(), 0444);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::replaceBytes(dir.windows("keep.dat"), "x"); }), 70);
    EXPECT_EQ(dir.readRaw("keep.dat"), "new");

    // A read that would not end is cut off at its limit.
    EXPECT_EQ(FileSystem::readBytes(dir.windows("keep.dat"), 3), "new");
    EXPECT_EQ(errorNumberOf([&] { FileSystem::readBytes(dir.windows("keep.dat"), 2); }), 6);
    if (std::filesystem::exists("/dev/zero")) {
        EXPECT_EQ(errorNumberOf([&] { FileSystem::readBytes("/dev/zero", 1 << 20); }), 6);
    }

    // Failures leave nothing behind: no temporary file, no half-written target.
    FileSystem::makeFolder(dir.windows("Folder"));
    EXPECT_EQ(errorNumberOf([&] { FileSystem::replaceBytes(dir.windows("Folder"), "x"); }), 75);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::replaceBytes(dir.windows("No\\x.dat"), "x"); }), 76);
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(dir.native()))
        entries.push_back(entry.path().filename().string());
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"Folder", "formfav.dat", "keep.dat"}));
}

TEST(SysFileSystem, ReplacingThroughALinkOrIntoAPipeKeepsThem) {
    TempFolder dir;
    dir.writeRaw("real.htm", "old");
    ASSERT_EQ(::symlink("real.htm", dir.native("link.htm").c_str()), 0);
    FileSystem::replaceBytes(dir.windows("link.htm"), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.native("link.htm")));
    EXPECT_EQ(dir.readRaw("real.htm"), "new");

    // A pipe is written into, not replaced by a plain file.
    ASSERT_EQ(::mkfifo(dir.native("pipe").c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = dir.readRaw("pipe"); });
    FileSystem::replaceBytes(dir.windows("pipe"), "through the pipe");
    reader.join();
    EXPECT_EQ(received, "through the pipe");
    EXPECT_TRUE(std::filesystem::is_fifo(dir.native("pipe")));
}

TEST(SysFileSystem, RandomAccessKeepsTheRestOfTheFile) {
    TempFolder dir;
    dir.writeRaw("pal.axp", std::string(600, 'z'));
    FileSystem::writeAt(dir.windows("pal.axp"), 16, "0123456789abcdef");
    std::string bytes = dir.readRaw("pal.axp");
    EXPECT_EQ(bytes.size(), 600u);
    EXPECT_EQ(bytes.substr(14, 20), "zz0123456789abcdefzz");
    EXPECT_EQ(FileSystem::readAt(dir.windows("pal.axp"), 20, 4), "4567");
    EXPECT_EQ(FileSystem::readAt(dir.windows("pal.axp"), 596, 16), "zzzz");
    EXPECT_EQ(FileSystem::readAt(dir.windows("pal.axp"), 1000, 16), "");

    FileSystem::writeAt(dir.windows("new.axp"), 4, std::string("\x01\x00", 2));
    EXPECT_EQ(dir.readRaw("new.axp"), std::string("\0\0\0\0\x01\0", 6));
}

TEST(SysFileSystem, ListsCopiesAndDeletesFolderEntries) {
    TempFolder dir;
    for (const char* name : {"b.gif", "A.jpg", "noext", ".hidden", "c.txt"})
        dir.writeRaw(name, name);
    FileSystem::makeFolder(dir.windows("Sub"));
    FileSystem::makeFolder(dir.windows(".cache"));
    EXPECT_EQ(FileSystem::list(dir.windows(), EntryKind::File),
              (std::vector<std::string>{"A.jpg", "b.gif", "c.txt", "noext"}));
    EXPECT_EQ(FileSystem::list(dir.windows(), EntryKind::Folder), std::vector<std::string>{"Sub"});

    FileSystem::copyFile(dir.windows("A.jpg"), dir.windows("Sub\\copy.jpg"));
    FileSystem::copyFile(dir.windows("b.gif"), dir.windows("Sub\\copy.jpg")); // replaces
    EXPECT_EQ(dir.readRaw("Sub/copy.jpg"), "b.gif");

    FileSystem::deleteFile(dir.windows("*.TXT"));
    EXPECT_FALSE(FileSystem::fileExists(dir.windows("c.txt")));
    EXPECT_TRUE(FileSystem::fileExists(dir.windows("b.gif")));
    FileSystem::deleteFile(dir.windows("?.*"));
    EXPECT_EQ(FileSystem::list(dir.windows(), EntryKind::File), std::vector<std::string>{"noext"});
    FileSystem::deleteFile(dir.windows("*.*")); // takes names without an extension as well
    EXPECT_TRUE(FileSystem::list(dir.windows(), EntryKind::File).empty());
    EXPECT_TRUE(FileSystem::fileExists(dir.native(".hidden")));
    EXPECT_EQ(errorNumberOf([&] { FileSystem::deleteFile(dir.windows("*.*")); }), 53);

    FileSystem::deleteFile(dir.windows("Sub\\copy.jpg"));
    FileSystem::removeFolder(dir.windows("sub"));
    EXPECT_FALSE(FileSystem::folderExists(dir.windows("Sub")));
}
