#include "platform/editor/Web.h"
#include "ScratchFolder.h"
#include "platform/dom/Document.h"
#include "platform/editor/Application.h"
#include "platform/editor/FileAddress.h"
#include "platform/editor/PageWindow.h"
#include "platform/editor/WebFile.h"
#include "platform/editor/WebFolder.h"
#include "platform/sys/Error.h"
#include "platform/sys/FileSystem.h"
#include "tests/platform/editor/AddInPath.h"
#include "tests/platform/sys/ErrorNumber.h"

#include <gtest/gtest.h>

namespace {

class WebTest : public ::testing::Test {
protected:
    void SetUp() override {
        site.write("index.htm", "<html><body><p>home</p></body></html>");
        site.write("Images/Logo.GIF", "GIF89a-logo");
        site.write("products/tools/page.htm", "<p>tools</p>");
        site.write("products/tools/pic.png", "png");
        site.write("products/readme.txt", "text");
        outside.write("elsewhere.htm", "<p>outside</p>");
        outside.write("new-logo.gif", "GIF89a-new");
    }

    ScratchFolder site;
    ScratchFolder outside;
    editor::Application application;
};

} // namespace

TEST_F(WebTest, FoldersAreFoundByNameWithoutRegardToCase) {
    editor::Web& web = application.openWeb(site.path() + "/");
    EXPECT_EQ(application.activeWeb(), &web);
    editor::WebFolder& root = web.rootFolder();
    EXPECT_EQ(root.url(), "file:///C:" + site.path());
    EXPECT_EQ(web.url(), root.url());
    EXPECT_EQ(root.folders().count(), 2);
    EXPECT_EQ(root.files().count(), 1);

    editor::WebFolder& products = root.folders().item("PRODUCTS");
    EXPECT_EQ(products.name(), "products");
    EXPECT_EQ(products.url(), root.url() + "/products");
    EXPECT_EQ(&root.folders().item("products"), &products) << "one object per folder";
    editor::WebFolder& tools = products.folders().item("Tools");
    EXPECT_EQ(tools.url(), root.url() + "/products/tools");
    EXPECT_EQ(tools.files().count(), 2);

    EXPECT_EQ(errorNumberOf([&] { root.folders().item("missing"); }), sys::ErrSubscript);
    EXPECT_EQ(errorNumberOf([&] { root.folders().item("products/tools"); }), sys::ErrSubscript);
    EXPECT_EQ(errorNumberOf([&] { products.folders().item(".."); }), sys::ErrSubscript);
    EXPECT_EQ(errorNumberOf([&] { root.folders().item(""); }), sys::ErrSubscript);
    EXPECT_EQ(errorNumberOf([&] { application.openWeb(site.path("index.htm")); }),
              sys::ErrPathNotFound);
}

TEST_F(WebTest, FilesAreFoundByAddressIntoSubFolders) {
    editor::WebFolder& root = application.openWeb(site.path()).rootFolder();
    editor::WebFile& logo = root.files().item(root.url() + "/images/logo.gif");
    EXPECT_EQ(logo.name(), "Logo.GIF");
    EXPECT_EQ(logo.url(), root.url() + "/Images/Logo.GIF");

    editor::WebFolder& tools = root.folders().item("products").folders().item("tools");
    // A page two folders down with a relative image address that climbs back to the root.
    EXPECT_EQ(root.files().item(tools.url() + "/../../Images/Logo.gif").name(), "Logo.GIF");
    EXPECT_EQ(tools.files().item(tools.url() + "/pic.png").name(), "pic.png");
    EXPECT_EQ(tools.files().item("PIC.png").name(), "pic.png") << "a bare relative path";

    EXPECT_EQ(errorNumberOf([&] { root.files().item(root.url() + "/nothing.gif"); }),
              sys::ErrSubscript);
    EXPECT_EQ(errorNumberOf([&] { tools.files().item(root.url() + "/index.htm"); }),
              sys::ErrSubscript);
    EXPECT_EQ(errorNumberOf([&] { root.files().item("http://example.com/a.gif"); }),
              sys::ErrSubscript);
}

TEST_F(WebTest, AddingAFileCopiesItIntoTheFolder) {
    editor::WebFolder& root = application.openWeb(site.path()).rootFolder();
    editor::WebFolder& images = root.folders().item("images");

    // The add-in names the file with a Windows path.
    editor::WebFile& added =
        images.files().add(sys::FileSystem::windowsPath(outside.path("new-logo.gif")), true);
    EXPECT_EQ(added.name(), "new-logo.gif");
    EXPECT_EQ(site.read("Images/new-logo.gif"), "GIF89a-new");
    EXPECT_EQ(images.files().count(), 2);

    // Without overwrite an existing file is refused and kept.
    outside.write("logo.gif", "replacement");
    EXPECT_EQ(errorNumberOf([&] { images.files().add(outside.path("logo.gif"), false); }),
              sys::ErrFileAlreadyExists);
    EXPECT_EQ(site.read("Images/Logo.GIF"), "GIF89a-logo");
    // With overwrite the file of that name, in whatever case, is replaced: no second copy.
    EXPECT_EQ(images.files().add(outside.path("logo.gif"), true).name(), "Logo.GIF");
    EXPECT_EQ(site.read("Images/Logo.GIF"), "replacement");
    EXPECT_EQ(images.files().count(), 2);
}

TEST_F(WebTest, PageStateAndPageFile) {
    // No page.
    EXPECT_EQ(application.activePageWindow(), nullptr);
    EXPECT_EQ(errorNumberOf([&] { application.activeDocument(); }), sys::ErrObjectVariableNotSet);

    application.openWeb(site.path());
    editor::PageWindow& page = application.openPage(site.path("products/tools/page.htm"));
    EXPECT_EQ(application.activePageWindow(), &page);
    EXPECT_EQ(page.pageState(), 1);
    EXPECT_EQ(application.activeDocument(), page.document());
    EXPECT_EQ(page.document()->locationHref(), "file:///C:" + site.path("products/tools/page.htm"));
    EXPECT_EQ(page.file().name(), "page.htm");
    EXPECT_EQ(page.file().url(), page.address());

    // A page outside the web has no web file; neither has a page without a web.
    application.openPage(outside.path("elsewhere.htm"));
    EXPECT_EQ(application.activePageWindow()->pageState(), 1);
    EXPECT_NE(errorNumberOf([&] { application.activePageWindow()->file(); }), 0);
    application.closeWeb();
    application.openPage(site.path("index.htm"));
    EXPECT_NE(errorNumberOf([&] { application.activePageWindow()->file(); }), 0);

    // A page never saved: open, "unsaved" address, no file.
    editor::PageWindow& fresh = application.newPage("<p>new</p>");
    EXPECT_EQ(fresh.pageState(), 1);
    EXPECT_EQ(fresh.address(), "unsaved:///new_page_1.htm");
    EXPECT_EQ(fresh.document()->locationHref().substr(0, 7), "unsaved");
    EXPECT_NE(errorNumberOf([&] { fresh.file(); }), 0);
    EXPECT_NE(errorNumberOf([&] { application.savePage(); }), 0);

    application.closePage();
    EXPECT_EQ(application.activePageWindow(), nullptr);
    EXPECT_NE(errorNumberOf([&] { application.openPage(site.path("missing.htm")); }), 0);
}

TEST_F(WebTest, PageAddressesLeadToTheirFolderAndFile) {
    editor::WebFolder& root = application.openWeb(site.path()).rootFolder();
    application.openPage(site.path("products/tools/page.htm"));
    editor::WebFolder& tools = pageFolderOf(application);
    EXPECT_EQ(&tools, &root.folders().item("products").folders().item("tools"));
    EXPECT_EQ(tools.url() + "/page.htm", application.activeDocument()->locationHref());
    editor::PageWindow& top = application.openPage(site.path("index.htm"));
    EXPECT_EQ(&pageFolderOf(application), &root);

    // The add-in's path of a page address is the page's file.
    EXPECT_EQ(sys::FileSystem::nativePath(addInPathOf(top.address())), site.path("index.htm"));
    EXPECT_EQ(editor::FileAddress::toNativePath("FILE:///c:/tmp/a.htm"), "/tmp/a.htm");
    EXPECT_FALSE(editor::FileAddress::toNativePath("unsaved:///new_page_1.htm").has_value());
}

TEST_F(WebTest, SavingWritesThePageInPlaceOrUnderANewAddress) {
    application.openWeb(site.path());
    editor::PageWindow& page =
        application.newPage("<html><body><p>caf\xC3\xA9</p></body></html>", "draft.htm");
    application.savePageAs(site.path("products/draft.htm"));
    EXPECT_TRUE(page.saved());
    EXPECT_EQ(page.document()->locationHref(), "file:///C:" + site.path("products/draft.htm"));
    EXPECT_EQ(page.file().name(), "draft.htm");
    // No declaration: written as windows-1252, as it will be read again.
    EXPECT_NE(site.read("products/draft.htm").find("caf\xE9"), std::string::npos);

    page.document()->setLocationHref(page.address());
    application.savePage();
    application.openPage(site.path("products/draft.htm"));
    EXPECT_NE(application.activeDocument()->serialize().find("caf\xC3\xA9"), std::string::npos);
}

TEST_F(WebTest, WithNoWebOpenTheActiveWebHasAnEmptyAddress) {
    editor::Web* closed = application.activeWeb();
    ASSERT_NE(closed, nullptr);
    EXPECT_FALSE(closed->isOpen());
    EXPECT_EQ(closed->url(), "");
    EXPECT_FALSE(closed->holds(site.path("index.htm")));
    EXPECT_EQ(errorNumberOf([&] { closed->rootFolder(); }), sys::ErrObjectVariableNotSet);

    application.openPage(site.path("index.htm"));
    EXPECT_EQ(errorNumberOf([&] { application.activePageWindow()->file(); }),
              sys::ErrObjectVariableNotSet);

    application.openWeb(site.path());
    EXPECT_EQ(application.activeWeb()->url(), "file:///C:" + site.path());
    application.closeWeb();
    EXPECT_EQ(application.activeWeb()->url(), "");
}
