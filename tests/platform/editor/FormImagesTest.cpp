// The roads by which the favourites and components tools reach the files of a web: a form's
// images found by "<page folder address>/<src>" among the root folder's files, reached through
// the add-in's reading of a web file's address and copied; image and component files added to
// the page's folder.

#include "ScratchFolder.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/editor/Application.h"
#include "platform/editor/PageWindow.h"
#include "platform/editor/Web.h"
#include "platform/editor/WebFile.h"
#include "platform/editor/WebFiles.h"
#include "platform/editor/WebFolder.h"
#include "platform/sys/Error.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/Text.h"
#include "tests/platform/dom/DomTestSupport.h"
#include "tests/platform/editor/AddInPath.h"
#include "tests/platform/sys/ErrorNumber.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using sys::FileSystem;

// The web file of an image as the add-in looks it up; none when the web has none.
editor::WebFile* webFileOf(editor::Application& application, const std::string& src) {
    std::string key = pageFolderOf(application).url() + "/" + src;
    editor::WebFile* found = nullptr;
    try {
        found = &application.activeWeb()->rootFolder().files().item(key);
    } catch (const sys::Error&) {
    }
    return found;
}

std::string corpusPage(const std::string& name) {
    return ScratchFolder::readFile(std::string(ZIRIRUR_CORPUS_DIR) + "/" + name);
}

class FormImagesTest : public ::testing::Test {
protected:
    // A web whose folder names hold blanks, as the user's documents folders often do.
    std::string webPath() const { return site.path("My Web Site"); }
    std::string inWeb(const std::string& relative) const { return "My Web Site/" + relative; }
    std::string imageFolder() const {
        return FileSystem::windowsPath(store.path("FormImages")) + "\\Order Form";
    }

    ScratchFolder site;
    ScratchFolder store;
    editor::Application application;
};

} // namespace

TEST_F(FormImagesTest, CorpusImagesAreFoundThroughTheirPageFolderAndCopied) {
    const auto pages = domtest::corpusPages();
    ASSERT_FALSE(pages.empty());
    int pagesWithImages = 0;
    for (const auto& path : pages) {
        const std::string name = path.filename().string();
        SCOPED_TRACE(name);
        // Two folders down, so that "../" addresses stay inside the web.
        const std::filesystem::path place = std::filesystem::path("forms/saved pages") / name;
        site.write(inWeb(place.string()), corpusPage(name));
        application.openWeb(webPath());
        application.openPage(site.path(inWeb(place.string())));
        ASSERT_EQ(pageFolderOf(application).name(), "saved pages");

        // Every local image and image button, its file put where its address leads, its name
        // spelled in upper case on disk.
        std::vector<std::string> sources;
        auto document = application.activeDocument();
        for (int i = 0; i < document->all().length(); ++i) {
            auto element = document->all().item(i);
            bool image = element->tagName() == "IMG" ||
                         (element->tagName() == "INPUT" &&
                          sys::text::upper(element->getProperty("Type")) == "IMAGE");
            if (!image)
                continue;
            std::string src = element->getProperty("src");
            if (src.empty() || sys::text::upper(src.substr(0, 4)) == "HTTP" ||
                src.find(':') != std::string::npos || src.front() == '/')
                continue;
            std::filesystem::path file = (place.parent_path() / src).lexically_normal();
            file.replace_filename(sys::text::upper(file.filename().string()));
            site.write(inWeb(file.string()), "bytes of " + src);
            sources.push_back(src);
        }
        if (!sources.empty())
            ++pagesWithImages;

        std::filesystem::create_directories(store.path("FormImages"));
        for (const std::string& src : sources) {
            SCOPED_TRACE(src);
            editor::WebFile* file = webFileOf(application, src);
            ASSERT_NE(file, nullptr);
            EXPECT_EQ(file->name(), sys::text::upper(file->name()));
            std::string to = imageFolder();
            sys::tryStep([&] { FileSystem::makeFolder(to); });
            FileSystem::copyFile(addInPathOf(file->url()), to + "\\" + file->name());
            EXPECT_EQ(store.read("FormImages/Order Form/" + file->name()), "bytes of " + src);
        }
        std::filesystem::remove_all(store.path("FormImages"));
        std::filesystem::remove_all(webPath());
    }
    EXPECT_GE(pagesWithImages, 10);
}

TEST_F(FormImagesTest, ImageAddressesFindTheirFileHoweverTheyAreWritten) {
    site.write(inWeb("shop/order form.htm"), "<form><img src=x></form>");
    site.write(inWeb("shop/Images/Logo.GIF"), "logo");
    site.write(inWeb("shop/images/my logo.gif"), "spaced");
    site.write(inWeb("Shared/Banner.png"), "banner");
    site.write(inWeb("shop/100%/sale.gif"), "percent folder");
    site.write(inWeb("shop/images/.secret.gif"), "hidden");
    application.openWeb(webPath());
    application.openPage(site.path(inWeb("shop/order form.htm")));
    ASSERT_EQ(pageFolderOf(application).name(), "shop");

    auto nameOf = [&](const std::string& src) {
        editor::WebFile* file = webFileOf(application, src);
        return file ? file->name() : "(none)";
    };
    EXPECT_EQ(nameOf("images/logo.gif"), "Logo.GIF");
    EXPECT_EQ(nameOf("IMAGES/LOGO.GIF"), "Logo.GIF");
    EXPECT_EQ(nameOf("images\\logo.gif"), "Logo.GIF");
    EXPECT_EQ(nameOf("./images/./logo.gif"), "Logo.GIF");
    EXPECT_EQ(nameOf("../shared/banner.png"), "Banner.png");
    EXPECT_EQ(nameOf("..\\Shared\\Banner.png"), "Banner.png");
    EXPECT_EQ(nameOf("images/my%20logo.gif"), "my logo.gif");
    EXPECT_EQ(nameOf("images/my logo.gif"), "my logo.gif");
    EXPECT_EQ(nameOf("images/logo.gif?v=2"), "Logo.GIF");
    EXPECT_EQ(nameOf("images/my%20logo.gif?size=small#top"), "my logo.gif");
    EXPECT_EQ(nameOf("100%/sale.gif"), "sale.gif") << "a folder whose name holds a % sign";
    EXPECT_EQ(nameOf("100%25/sale.gif"), "sale.gif");
    EXPECT_EQ(nameOf("../../outside.gif"), "(none)");
    EXPECT_EQ(nameOf("images"), "(none)") << "a folder is no file";
    EXPECT_EQ(nameOf("images%2Flogo.gif"), "(none)") << "an escaped slash separates nothing";
    EXPECT_EQ(nameOf("Images/Logo.GIF%00.png"), "(none)") << "an escaped NUL ends no name";
    EXPECT_EQ(nameOf("images/.secret.gif"), "(none)") << "a hidden file is no web file";

    // The address of a file found leads the add-in to it, blanks and all.
    editor::WebFile* spaced = webFileOf(application, "images/my%20logo.gif");
    ASSERT_NE(spaced, nullptr);
    EXPECT_EQ(FileSystem::readBytes(addInPathOf(spaced->url())), "spaced");
}

TEST_F(FormImagesTest, FilesAreAddedIntoThePageFolderOverwritingTheirNamesakes) {
    site.write(inWeb("orders/2024 spring/page.htm"), "<p>page</p>");
    site.write(inWeb("orders/2024 spring/LOGO.gif"), "old logo");
    store.write("FormImages/Order Form/logo.gif", "new logo");
    store.write("FormImages/Order Form/caf\xC3\xA9 icon.png", "icon");
    application.openWeb(webPath());
    application.openPage(site.path(inWeb("orders/2024 spring/page.htm")));
    editor::WebFolder& folder = pageFolderOf(application);
    ASSERT_EQ(folder.name(), "2024 spring");

    // The add-in names each file with its image folder and the file list's entry.
    for (const std::string& entry : FileSystem::list(imageFolder(), sys::EntryKind::File))
        folder.files().add(imageFolder() + "\\" + entry, true);
    EXPECT_EQ(site.read(inWeb("orders/2024 spring/LOGO.gif")), "new logo");
    EXPECT_EQ(site.read(inWeb("orders/2024 spring/caf\xC3\xA9 icon.png")), "icon");
    // With no favourite selected the image folder is "FormImages\" itself, and the separator
    // comes twice.
    store.write("FormImages/loose.gif", "loose");
    folder.files().add(FileSystem::windowsPath(store.path("FormImages")) + "\\\\loose.gif", true);
    EXPECT_EQ(
        FileSystem::list(folder.nativePath(), sys::EntryKind::File),
        (std::vector<std::string>{"caf\xC3\xA9 icon.png", "LOGO.gif", "loose.gif", "page.htm"}));

    // A folder in the way of the file, a source that went away or is a folder: an error that
    // the caller passes over, and nothing else changes.
    std::filesystem::create_directories(site.path(inWeb("orders/2024 spring/busy.gif")));
    store.write("FormImages/Order Form/busy.gif", "busy");
    EXPECT_EQ(errorNumberOf([&] { folder.files().add(imageFolder() + "\\busy.gif", true); }),
              sys::ErrPathFileAccess);
    EXPECT_EQ(errorNumberOf([&] { folder.files().add(imageFolder() + "\\gone.gif", true); }),
              sys::ErrFileNotFound);
    EXPECT_EQ(errorNumberOf([&] { folder.files().add(imageFolder(), true); }),
              sys::ErrFileNotFound);
    EXPECT_TRUE(std::filesystem::is_directory(site.path(inWeb("orders/2024 spring/busy.gif"))));
}

TEST_F(FormImagesTest, APageOpenedUnderAnotherCaseLiesInItsFolder) {
    site.write(inWeb("Orders/Spring/Page.htm"), "<form><img src=\"Logo.gif\"></form>");
    site.write(inWeb("Orders/Spring/logo.GIF"), "logo");
    application.openWeb(site.path("my web site"));
    editor::PageWindow& page = application.openPage(site.path(inWeb("orders/SPRING/page.HTM")));
    // The editor keeps the names as the disk spells them, so the page's address begins with
    // its web's address and its folders are found.
    EXPECT_EQ(page.address(), application.activeWeb()->url() + "/Orders/Spring/Page.htm");
    EXPECT_EQ(page.file().name(), "Page.htm");
    EXPECT_EQ(pageFolderOf(application).name(), "Spring");
    ASSERT_NE(webFileOf(application, "Logo.gif"), nullptr);
    EXPECT_EQ(webFileOf(application, "Logo.gif")->name(), "logo.GIF");
}
