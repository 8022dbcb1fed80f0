// Deleting a favourite, from either dialog: the question first, then the index rewritten with
// what was listed, the image folder and the form file removed, the list reloaded.

#include "StoreFiles.h"
#include "tests/fieldmanager/PageSession.h"

#include "formtools/frmAddFavForm.h"
#include "formtools/frmInsertForm.h"
#include "platform/ui/Driver.h"
#include "platform/ui/MsgBox.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::IsEmpty;
using zirirur::frmAddFavForm;
using zirirur::frmInsertForm;

// A store as saves and a hand leave it: a header, records whose form files are there, two
// saves under one name, a record whose form file went, a description with a line break.
class DeleteTest : public ::testing::Test {
protected:
    DeleteTest() {
        page.placeCursor("customer");
        for (const char* name : {"Alpha", "Twice", "Split"})
            store.write("FormFavs/" + std::string(name) + ".ffv", "<FORM></FORM>\r\n");
        store.write("FormImages/Alpha/logo.gif", "logo");
        store.write("FormImages/Alpha/send.png", "send");
        store.write("FormImages/Twice/x.gif", "x");
        store.writeIndex(OldIndex);
    }

    // Runs the dialog with the actions; the answers go to the question of the delete.
    template <typename Dialog>
    std::vector<std::string> run(std::vector<ui::Driver::Action> actions) {
        Dialog dialog;
        return page.run(dialog, std::move(actions));
    }

    static ui::Driver::Action answer(int reply) {
        return [reply] { ui::Driver::instance().queueMsgBoxAnswer(reply); };
    }

    const std::string OldIndex =
        indexLine("Zirirur Forms Data File") + indexLine("[Alpha](first){a}<post>#%f%#") +
        indexLine("[Twice](one){}<>#%%#") + indexLine("[Gone](no form file)") +
        indexLine("[Split](line one\r\nline two)") + indexLine("[Twice](two){}<>#%%#");

    PageSession page{"fav-order-form.htm"};
    StoreFiles store{page.installFolder()};
};

TEST_F(DeleteTest, RewritesTheIndexWithWhatWasListedAndRemovesTheFiles) {
    const auto transcript = run<frmAddFavForm>(
        {act::select("List1", "Alpha"), answer(ui::vbYes), act::click("Command3"),
         act::inspect([&] {
             // The dialog stays open, the list read afresh.
             EXPECT_THAT(rows("List1"), ElementsAre("Twice", "Split", "Twice"));
             EXPECT_THAT(rows("List3"), ElementsAre("[Twice](one){}<>#%%#", "[Split](line one",
                                                    "[Twice](two){}<>#%%#"));
         })});
    EXPECT_THAT(errorLines(transcript), IsEmpty());
    // No header, no record without its form file, no continuation line.
    EXPECT_EQ(store.index(), indexLine("[Twice](one){}<>#%%#") + indexLine("[Split](line one") +
                                 indexLine("[Twice](two){}<>#%%#"));
    EXPECT_FALSE(store.hasFormFile("Alpha"));
    EXPECT_FALSE(store.hasImageFolder("Alpha"));
    EXPECT_TRUE(store.hasFormFile("Twice"));
}

TEST_F(DeleteTest, DeletingOneOfTwoSavesUnderANameTakesTheSharedFiles) {
    run<frmInsertForm>(
        {act::select("List1", "Twice"), answer(ui::vbYes), act::click("Command2"),
         act::inspect([] { EXPECT_THAT(rows("List1"), ElementsAre("Alpha", "Split")); })});
    // The other record stays until the next rewrite drops it.
    EXPECT_EQ(store.index(), indexLine("[Alpha](first){a}<post>#%f%#") +
                                 indexLine("[Split](line one") + indexLine("[Twice](two){}<>#%%#"));
    EXPECT_FALSE(store.hasFormFile("Twice"));
    EXPECT_FALSE(store.hasImageFolder("Twice"));

    run<frmInsertForm>({act::select("List1", "Split"), answer(ui::vbYes), act::click("Command2")});
    EXPECT_EQ(store.index(), indexLine("[Alpha](first){a}<post>#%f%#"));
}

// Keeps the process from writing a file beyond a few bytes while it lives, as a full disk
// would; a write that goes beyond fails instead of ending the process.
class FullDisk {
public:
    FullDisk() {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = m_old;
        small.rlim_cur = 8;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST_F(DeleteTest, AnInterruptedRewriteLeavesTheOldIndexWholeAndTheFavouriteWithIt) {
    std::unique_ptr<FullDisk> full;
    const auto transcript =
        run<frmInsertForm>({act::select("List1", "Alpha"), answer(ui::vbYes), [&] {
                                // The pause before the rewrite: a crash here must find the index
                                // whole. Then the disk fills up, so the new index cannot be
                                // written.
                                ui::Driver::instance().post([&] {
                                    EXPECT_EQ(store.index(), OldIndex);
                                    full = std::make_unique<FullDisk>();
                                });
                                ui::Driver::instance().click("Command2");
                            }});
    ASSERT_TRUE(full);
    full.reset();

    EXPECT_EQ(store.index(), OldIndex);
    // The user is told, and the favourite keeps its files, so it is listed again.
    EXPECT_THAT(transcript, testing::Contains("msgbox [Zirirur] exclamation: The favourite could "
                                              "not be deleted: the favourites index cannot be "
                                              "written. -> OK"));
    EXPECT_TRUE(store.hasFormFile("Alpha"));
    EXPECT_THAT(store.images("Alpha"), ElementsAre("logo.gif", "send.png"));
    // Nothing half written is left beside it.
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(page.installFolder()))
        if (entry.is_regular_file())
            files.push_back(entry.path().filename().string());
    EXPECT_THAT(files, ElementsAre("formfav.dat"));
}

} // namespace
