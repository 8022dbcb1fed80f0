// The file roads of the add-in's stores, as the favourites, the quick components and the
// custom palette use them, on real folders in an installation folder of their own.

#include "platform/sys/FileSystem.h"
#include "platform/sys/RandomFile.h"
#include "platform/sys/Text.h"

#include "tests/platform/sys/ErrorNumber.h"
#include "tests/platform/sys/TempFolder.h"

#include <gtest/gtest.h>

using sys::EntryKind;
using sys::FileSystem;
using sys::RandomFile;

namespace {

// A line as the favourites store writes it: its own CR, then the line end of the write.
std::string indexLine(const std::string& text) {
    return text + "\r" + "\r\n";
}

} // namespace

TEST(SysStoreFiles, FavouritesIndexReadsAndRewritesLineByLine) {
    TempFolder inst;
    const std::string index = inst.windows("formfav.dat");
    FileSystem::appendText(index, indexLine("Zirirur Forms Data File"));
    FileSystem::appendText(index,
                           indexLine("[Caf\xC3\xA9 Order](Prices in \xE2\x82\xAC \xE2\x80\x93 "
                                     "all){post.cgi}<post>#%order%#"));
    FileSystem::appendText(index, indexLine("[Two Lines](first\r\nsecond){}<get>#%%#"));
    EXPECT_EQ(inst.readRaw("formfav.dat").substr(0, 26), "Zirirur Forms Data File\r\r\n");
    EXPECT_NE(inst.readRaw("formfav.dat").find("Caf\xE9 Order](Prices in \x80 \x96 all)"),
              std::string::npos);

    // A line ends at a CR or a CR LF: each written line is followed by an empty one, and a
    // description's line break splits its record.
    const std::vector<std::string> lines = FileSystem::readLines(index);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "Zirirur Forms Data File", "",
                         "[Caf\xC3\xA9 Order](Prices in \xE2\x82\xAC \xE2\x80\x93 all){post.cgi}"
                         "<post>#%order%#",
                         "", "[Two Lines](first", "second){}<get>#%%#", ""}));

    // The deletion writes the kept lines back; they come back byte for byte.
    std::string rewritten;
    for (const std::string& line : {lines[2], lines[4]})
        rewritten += indexLine(line);
    FileSystem::replaceText(index, rewritten);
    EXPECT_EQ(inst.readRaw("formfav.dat"),
              "[Caf\xE9 Order](Prices in \x80 \x96 all){post.cgi}<post>#%order%#\r\r\n"
              "[Two Lines](first\r\r\n");

    // Every byte but the line ends survives a read and a rewrite, the five that Windows-1252
    // leaves undefined included.
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            bytes += static_cast<char>(b);
    inst.writeRaw("formfav.dat", bytes + "\r\r\n");
    std::vector<std::string> read = FileSystem::readLines(index);
    ASSERT_EQ(read.size(), 2u);
    FileSystem::replaceText(index, indexLine(read[0]));
    EXPECT_EQ(inst.readRaw("formfav.dat"), bytes + "\r\r\n");
}

TEST(SysStoreFiles, FormFilesAndImageFoldersComeAndGo) {
    TempFolder inst;
    FileSystem::makeFolder(inst.windows("FormFavs"));
    FileSystem::makeFolder(inst.windows("FormImages"));
    inst.writeRaw("logo.gif", "GIF89a");

    // Names of blanks only, or ending in a blank, are names like any other.
    for (const std::string name : {"Order Form", "   ", "Form - 2 "}) {
        SCOPED_TRACE("[" + name + "]");
        const std::string form = inst.windows("FormFavs\\" + name + ".ffv");
        const std::string images = inst.windows("FormImages\\" + name);
        FileSystem::writeText(form, "<FORM>caf\xC3\xA9</FORM>\r\n");
        EXPECT_EQ(FileSystem::readText(form), "<FORM>caf\xC3\xA9</FORM>\r\n");
        FileSystem::makeFolder(images);
        // A second save makes the folder again: that fails and the folder keeps its files.
        FileSystem::copyFile(inst.windows("logo.gif"), images + "\\logo.gif");
        EXPECT_EQ(errorNumberOf([&] { FileSystem::makeFolder(images); }), 75);
        FileSystem::copyFile(inst.windows("logo.gif"), images + "\\LOGO.GIF");
        EXPECT_EQ(FileSystem::list(images, EntryKind::File), std::vector<std::string>{"logo.gif"});

        FileSystem::deleteFile(images + "\\*.*");
        FileSystem::removeFolder(images);
        FileSystem::deleteFile(form);
        EXPECT_FALSE(FileSystem::folderExists(images));
        EXPECT_FALSE(FileSystem::fileExists(form));
    }
    EXPECT_TRUE(FileSystem::list(inst.windows("FormFavs"), EntryKind::File).empty());
    EXPECT_TRUE(FileSystem::list(inst.windows("FormImages"), EntryKind::Folder).empty());

    // A missing store folder fails the write of the form file; it is no crash.
    FileSystem::removeFolder(inst.windows("FormFavs"));
    EXPECT_EQ(errorNumberOf([&] { FileSystem::writeText(inst.windows("FormFavs\\a.ffv"), "x"); }),
              76);
}

TEST(SysStoreFiles, AFolderInPlaceOfAStoreFileFailsEveryCall) {
    // The superuser reads any file, so a folder stands for a file that cannot be opened.
    TempFolder inst;
    FileSystem::makeFolder(inst.windows("formfav.dat"));
    FileSystem::makeFolder(inst.windows("pal.axp"));
    const std::string index = inst.windows("formfav.dat");

    EXPECT_FALSE(FileSystem::fileExists(index));
    EXPECT_EQ(errorNumberOf([&] { FileSystem::openForInput(index); }), 75) << "not 53";
    EXPECT_EQ(errorNumberOf([&] { FileSystem::readLines(index); }), 75);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::readText(index); }), 75);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::appendText(index, "x"); }), 75);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::writeText(index, "x"); }), 75);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::replaceText(index, "x"); }), 75);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::deleteFile(index); }), 75);
    EXPECT_EQ(errorNumberOf([&] { FileSystem::copyFile(index, inst.windows("copy")); }), 75);
    EXPECT_EQ(errorNumberOf([&] { RandomFile(inst.windows("pal.axp"), 16); }), 75);
    EXPECT_TRUE(FileSystem::folderExists(index));
    EXPECT_EQ(FileSystem::list(inst.windows(), EntryKind::File), std::vector<std::string>{});
}

TEST(SysStoreFiles, ComponentFilesReadAsTheCodesTheyHold) {
    TempFolder inst;
    FileSystem::makeFolder(inst.windows("FormComps"));
    FileSystem::makeFolder(inst.windows("FormComps\\Mail Link"));
    FileSystem::makeFolder(inst.windows("FormComps\\Mail Link\\xtra"));
    FileSystem::makeFolder(inst.windows("FormComps\\Mail Link\\xtra\\old"));
    inst.writeRaw("FormComps/readme.txt", "not a component");
    inst.writeRaw("FormComps/Mail Link/xtra/FILES.DAT", "list");
    inst.writeRaw("FormComps/Mail Link/xtra/mail.gif", "gif");
    inst.writeRaw("FormComps/Mail Link/xtra/.hidden", "hidden");
    EXPECT_EQ(FileSystem::list(inst.windows("FormComps\\"), EntryKind::Folder),
              std::vector<std::string>{"Mail Link"});
    EXPECT_EQ(FileSystem::list(inst.windows("formcomps\\mail link\\XTRA"), EntryKind::File),
              (std::vector<std::string>{"FILES.DAT", "mail.gif"}));

    // The scrambled sections are read whole as text; each character gives back the code of
    // the byte it was read from, for all 256 of them.
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    inst.writeRaw("FormComps/Mail Link/compfld.dat", "[PART1]" + bytes + "[/PART1]");
    const std::string data =
        FileSystem::readText(inst.windows("FormComps\\Mail Link\\compfld.dat"));
    const std::string section = sys::text::mid(data, 8, 256);
    ASSERT_EQ(sys::text::length(section), 256);
    for (long k = 1; k <= 256; ++k)
        EXPECT_EQ(sys::text::ansiCode(sys::text::mid(section, k, 1)), k - 1);
    EXPECT_EQ(sys::text::toAnsi(section), bytes);
}

TEST(SysStoreFiles, PaletteRecordsByNumberLittleEndian) {
    TempFolder inst;
    const std::string path = inst.windows("My Palettes\\PAL.AXP.axp");
    FileSystem::makeFolder(inst.windows("My Palettes"));
    inst.writeRaw("My Palettes/PAL.AXP.axp", std::string(600, '\x7F'));
    {
        RandomFile file(path, 16);
        for (std::int32_t cell = 0; cell < 32; ++cell) {
            std::string record;
            RandomFile::appendInt32(record, cell == 0 ? 0x0000FF : -cell);
            RandomFile::appendInt32(record, cell * 7);
            RandomFile::appendInt32(record, 240);
            RandomFile::appendInt32(record, 120);
            file.put(record);
        }
    }
    std::string raw = inst.readRaw("My Palettes/PAL.AXP.axp");
    ASSERT_EQ(raw.size(), 600u) << "nothing is cut off";
    EXPECT_EQ(raw.substr(0, 16), std::string("\xFF\0\0\0\0\0\0\0\xF0\0\0\0\x78\0\0\0", 16));
    EXPECT_EQ(raw.substr(16, 4), "\xFF\xFF\xFF\xFF");
    EXPECT_EQ(raw.substr(512), std::string(88, '\x7F'));

    RandomFile again(path, 16);
    EXPECT_EQ(RandomFile::int32At(again.get(32), 4), 31 * 7);
    EXPECT_EQ(RandomFile::int32At(again.get(2), 0), -1);
    EXPECT_EQ(RandomFile::int32At(again.get(), 0), -2) << "the record after the last one read";
    again.put(3, std::string("\x05\0\0\0", 4));
    EXPECT_EQ(RandomFile::int32At(again.get(3), 0), 5);
    EXPECT_EQ(RandomFile::int32At(again.get(3), 4), 14) << "the rest of the record stays";

    // Opening a missing file makes it empty; its records read as zeros.
    RandomFile fresh(inst.windows("new.axp"), 16);
    EXPECT_TRUE(FileSystem::fileExists(inst.windows("new.axp")));
    EXPECT_EQ(fresh.get(1), std::string(16, '\0'));
    EXPECT_EQ(inst.readRaw("new.axp"), "");
    EXPECT_EQ(errorNumberOf([&] { fresh.get(0); }), 63);
    EXPECT_EQ(errorNumberOf([&] { fresh.put(1, std::string(17, 'x')); }), 59);
    EXPECT_EQ(errorNumberOf([&] { RandomFile(inst.windows("No Folder\\p.axp"), 16); }), 76);
}
