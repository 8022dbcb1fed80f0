#include "platform/sys/FileSystem.h"

#include "platform/sys/RandomFile.h"
#include "tests/platform/editor/ScratchFolder.h"
#include "tests/platform/sys/ErrorNumber.h"

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

    ScratchFolder dir;
    FileSystem::makeFolder(dir.windows("Sub"));
    FileSystem::writeBytes(dir.windows("Sub\\f.txt"), "x");
    EXPECT_EQ(dir.read("Sub/f.txt"), "x");
    EXPECT_TRUE(FileSystem::fileExists(dir.path("Sub/f.txt")));
    EXPECT_TRUE(FileSystem::folderExists(dir.windows("Sub\\")));
    EXPECT_FALSE(FileSystem::fileExists(dir.windows("Sub")));
    EXPECT_FALSE(FileSystem::folderExists(dir.windows("Sub\\f.txt")));
}

TEST(SysFileSystem, NamesCompareWithoutRegardToCase) {
    ScratchFolder dir;
    FileSystem::makeFolder(dir.windows("FormFavs"));
    dir.write("FormFavs/My Form.ffv", "old");
    EXPECT_TRUE(FileSystem::fileExists(dir.windows("formfavs\\MY FORM.FFV")));
    EXPECT_EQ(FileSystem::readBytes(dir.windows("FORMFAVS\\my form.ffv")), "old");

    // Writing or copying under another case replaces the existing file instead of adding a
    // second one.
    FileSystem::writeBytes(dir.windows("formfavs\\my form.FFV"), "new");
    EXPECT_EQ(dir.read("FormFavs/My Form.ffv"), "new");
    FileSystem::writeBytes(dir.windows("FORMFAVS\\Other.ffv"), "x");
    FileSystem::copyFile(dir.windows("FormFavs\\Other.ffv"), dir.windows("formfavs\\MY FORM.ffv"));
    EXPECT_EQ(FileSystem::list(dir.windows("formFAVS"), EntryKind::File),
              (std::vector<std::string>{"My Form.ffv", "Other.ffv"}));
    EXPECT_EQ(dir.read("FormFavs/My Form.ffv"), "x");
    EXPECT_EQ(FileSystem::list(dir.windows(), EntryKind::Folder),
              std::vector<std::string>{"FormFavs"});
}

TEST(SysFileSystem, FailuresCarryTheirErrorNumbers) {
    ScratchFolder dir;
    dir.write("a.txt", "a");
    FileSystem::makeFolder(dir.windows("Full"));
    dir.write("Full/x", "x");
    auto at = [&](const std::string& name) { return dir.windows(name); };

    EXPECT_EQ(errorNumberOf([&] { FileSystem::openForInput(at("missing.txt")); }), 53);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::openForInput(at("Nope\\missing.txt")); }), 76);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::openForInput(at("a.txt\\x")); }), 76);
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
    // A folder, a pipe or a device where a store's file should be stands for a file that
    // cannot be opened (the superuser reads any file): refused at once, never waited on nor
    // read without end, and left as it is.
    ASSERT_EQ(::mkfifo(dir.path("Pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.path("Device"));
    for (const char* odd : {"Full", "Pipe", "Device"}) {
        SCOPED_TRACE(odd);
        EXPECT_EQ(errorNumberOf([&] { FileSystem::openForInput(at(odd)); }), 75) << "not 53";
        EXPECT_EQ(errorNumberOf([&] { FileSystem::readBytes(at(odd)); }), 75);
        EXPECT_EQ(errorNumberOf([&] { FileSystem::readLines(at(odd)); }), 75);
        EXPECT_EQ(errorNumberOf([&] { FileSystem::readAt(at(odd), 0, 512); }), 75);
        EXPECT_EQ(errorNumberOf([&] { FileSystem::writeBytes(at(odd), "x"); }), 75);
        EXPECT_EQ(errorNumberOf([&] { FileSystem::appendText(at(odd), "x"); }), 75);
        EXPECT_EQ(errorNumberOf([&] { FileSystem::copyFile(at(odd), at("c")); }), 75);
        EXPECT_EQ(errorNumberOf([&] { FileSystem::copyFile(at("a.txt"), at(odd)); }), 75);
        EXPECT_EQ(errorNumberOf([&] { sys::RandomFile(at(odd), 16); }), 75);
    }
    EXPECT_EQ(errorNumberOf([&] { FileSystem::deleteFile(at("Full")); }), 75);
    EXPECT_TRUE(FileSystem::folderExists(at("Full")));
    EXPECT_TRUE(std::filesystem::is_fifo(dir.path("Pipe")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path("Device")));

    try {
        FileSystem::readBytes(at("missing.txt"));
        ADD_FAILURE() << "no error";
    } catch (const sys::Error& error) {
        EXPECT_EQ(error.description(), "File not found");
    }

    if (::geteuid() != 0) { // permissions do not bind the superuser
        ::chmod(dir.path("a.txt").c_str(), 0);
        EXPECT_EQ(errorNumberOf([&] { FileSystem::openForInput(at("a.txt")); }), 70);
    }
}

TEST(SysFileSystem, TextFilesAreWindows1252OnDisk) {
    ScratchFolder dir;
    dir.write("in.txt", "caf\xE9 \x80 \x93quoted\x94\r\n");
    EXPECT_EQ(FileSystem::readText(dir.windows("in.txt")), "café € “quoted”\r\n");

    FileSystem::writeText(dir.windows("out.txt"), "naïve € → ok");
    EXPECT_EQ(dir.read("out.txt"), "na\xEFve \x80 ? ok");
    FileSystem::appendText(dir.windows("out.txt"), "é");
    FileSystem::appendText(dir.windows("new.txt"), "é");
    EXPECT_EQ(dir.read("out.txt"), "na\xEFve \x80 ? ok\xE9");
    EXPECT_EQ(dir.read("new.txt"), "\xE9");
    FileSystem::writeText(dir.windows("out.txt"), "");
    EXPECT_EQ(dir.read("out.txt"), "");
}

TEST(SysFileSystem, ReadsLinesEndedByCrOrCrLf) {
    ScratchFolder dir;
    dir.write("index.dat", "Header\r\r\n[a]\xE9\r\r\nLF\nstays\rlast");
    EXPECT_EQ(FileSystem::readLines(dir.windows("index.dat")),
              (std::vector<std::string>{"Header", "", "[a]é", "", "LF\nstays", "last"}));
    dir.write("end.dat", "one\r\n\r\n");
    EXPECT_EQ(FileSystem::readLines(dir.windows("end.dat")), (std::vector<std::string>{"one", ""}));
    dir.write("empty.dat", "");
    EXPECT_TRUE(FileSystem::readLines(dir.windows("empty.dat")).empty());

    // Every byte but the line ends comes back from a read and a rewrite as it was, the five
    // that Windows-1252 leaves undefined included.
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            bytes += static_cast<char>(b);
    dir.write("all.dat", bytes + "\r\r\n");
    const std::vector<std::string> lines = FileSystem::readLines(dir.windows("all.dat"));
    ASSERT_EQ(lines.size(), 2u);
    FileSystem::replaceText(dir.windows("all.dat"), lines[0] + "\r\r\n");
    EXPECT_EQ(dir.read("all.dat"), bytes + "\r\r\n");
}

TEST(SysFileSystem, ReplacesAFileAtomically) {
    ScratchFolder dir;
    FileSystem::replaceText(dir.windows("formfav.dat"), "first é");
    EXPECT_EQ(dir.read("formfav.dat"), "first \xE9");

    dir.write("keep.dat", "old content that is longer");
    ::chmod(dir.path("keep.dat").c_str(), 0640);
    FileSystem::replaceBytes(dir.windows("KEEP.DAT"), "new");
    EXPECT_EQ(dir.read("keep.dat"), "new");
    struct stat st;
    ASSERT_EQ(::stat(dir.path("keep.dat").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // A read-only file is not replaced, by the superuser either.
    ::chmod(dir.path("keep.dat").c_str(), 0444);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::replaceBytes(dir.windows("keep.dat"), "x"); }), 70);
    EXPECT_EQ(dir.read("keep.dat"), "new");

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
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        entries.push_back(entry.path().filename().string());
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"Folder", "formfav.dat", "keep.dat"}));
}

TEST(SysFileSystem, ReplacingThroughALinkOrIntoAPipeKeepsThem) {
    ScratchFolder dir;
    dir.write("real.htm", "old");
    ASSERT_EQ(::symlink("real.htm", dir.path("link.htm").c_str()), 0);
    FileSystem::replaceBytes(dir.windows("link.htm"), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path("link.htm")));
    EXPECT_EQ(dir.read("real.htm"), "new");

    // A pipe is written into, not replaced by a plain file.
    ASSERT_EQ(::mkfifo(dir.path("pipe").c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = dir.read("pipe"); });
    FileSystem::replaceBytes(dir.windows("pipe"), "through the pipe");
    reader.join();
    EXPECT_EQ(received, "through the pipe");
    EXPECT_TRUE(std::filesystem::is_fifo(dir.path("pipe")));
}

TEST(SysFileSystem, RandomAccessKeepsTheRestOfTheFile) {
    ScratchFolder dir;
    dir.write("pal.axp", std::string(600, 'z'));
    FileSystem::writeAt(dir.windows("pal.axp"), 16, "0123456789abcdef");
    std::string bytes = dir.read("pal.axp");
    EXPECT_EQ(bytes.size(), 600u);
    EXPECT_EQ(bytes.substr(14, 20), "zz0123456789abcdefzz");
    EXPECT_EQ(FileSystem::readAt(dir.windows("pal.axp"), 20, 4), "4567");
    EXPECT_EQ(FileSystem::readAt(dir.windows("pal.axp"), 596, 16), "zzzz");
    EXPECT_EQ(FileSystem::readAt(dir.windows("pal.axp"), 1000, 16), "");

    FileSystem::writeAt(dir.windows("new.axp"), 4, std::string("\x01\x00", 2));
    EXPECT_EQ(dir.read("new.axp"), std::string("\0\0\0\0\x01\0", 6));

    // Records of a fixed length by number, their numbers little endian: a record written keeps
    // what lies beyond it, a shorter one the rest of its record.
    {
        sys::RandomFile file(dir.windows("pal.axp"), 16);
        std::string record;
        for (const std::int32_t value : {0x0000FF, -1, 240, 120})
            sys::RandomFile::appendInt32(record, value);
        file.put(record);
        file.put(record);
        file.put(2, std::string("\x05\0\0\0", 4));
    }
    bytes = dir.read("pal.axp");
    EXPECT_EQ(bytes.size(), 600u);
    EXPECT_EQ(bytes.substr(0, 16),
              std::string("\xFF\0\0\0\xFF\xFF\xFF\xFF\xF0\0\0\0\x78\0\0\0", 16));
    sys::RandomFile again(dir.windows("pal.axp"), 16);
    EXPECT_EQ(sys::RandomFile::int32At(again.get(2), 0), 5);
    EXPECT_EQ(sys::RandomFile::int32At(again.get(2), 4), -1);
    EXPECT_EQ(again.get(), std::string(16, 'z')) << "the record after the last one read";

    // A missing file is made empty; its records read as zeros.
    sys::RandomFile fresh(dir.windows("none.axp"), 16);
    EXPECT_TRUE(FileSystem::fileExists(dir.windows("none.axp")));
    EXPECT_EQ(fresh.get(1), std::string(16, '\0'));
    EXPECT_EQ(dir.read("none.axp"), "");
    EXPECT_EQ(errorNumberOf([&] { fresh.get(0); }), 63);
    EXPECT_EQ(errorNumberOf([&] { fresh.put(1, std::string(17, 'x')); }), 59);
    EXPECT_EQ(errorNumberOf([&] { sys::RandomFile(dir.windows("No Folder\\p.axp"), 16); }), 76);
}

TEST(SysFileSystem, ListsCopiesAndDeletesFolderEntries) {
    ScratchFolder dir;
    for (const char* name : {"b.gif", "A.jpg", "noext", ".hidden", "c.txt"})
        dir.write(name, name);
    FileSystem::makeFolder(dir.windows("Sub"));
    FileSystem::makeFolder(dir.windows(".cache"));
    EXPECT_EQ(FileSystem::list(dir.windows(), EntryKind::File),
              (std::vector<std::string>{"A.jpg", "b.gif", "c.txt", "noext"}));
    EXPECT_EQ(FileSystem::list(dir.windows(), EntryKind::Folder), std::vector<std::string>{"Sub"});

    FileSystem::copyFile(dir.windows("A.jpg"), dir.windows("Sub\\copy.jpg"));
    FileSystem::copyFile(dir.windows("b.gif"), dir.windows("Sub\\copy.jpg")); // replaces
    EXPECT_EQ(dir.read("Sub/copy.jpg"), "b.gif");

    FileSystem::deleteFile(dir.windows("*.TXT"));
    EXPECT_FALSE(FileSystem::fileExists(dir.windows("c.txt")));
    EXPECT_TRUE(FileSystem::fileExists(dir.windows("b.gif")));
    FileSystem::deleteFile(dir.windows("?.*"));
    EXPECT_EQ(FileSystem::list(dir.windows(), EntryKind::File), std::vector<std::string>{"noext"});
    FileSystem::deleteFile(dir.windows("*.*")); // takes names without an extension as well
    EXPECT_TRUE(FileSystem::list(dir.windows(), EntryKind::File).empty());
    EXPECT_TRUE(FileSystem::fileExists(dir.path(".hidden")));
    EXPECT_EQ(errorNumberOf([&] { FileSystem::deleteFile(dir.windows("*.*")); }), 53);

    FileSystem::deleteFile(dir.windows("Sub\\copy.jpg"));
    FileSystem::removeFolder(dir.windows("sub"));
    EXPECT_FALSE(FileSystem::folderExists(dir.windows("Sub")));
}
