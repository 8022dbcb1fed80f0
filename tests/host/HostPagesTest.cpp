// Pages from the wild and files that are not quite pages, opened and saved through the host:
// a page comes back as it was, apart from what the run changed, and what cannot be kept is
// refused before anything runs.

#include "HostRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace hosttest;
using testing::HasSubstr;
using testing::Not;

const std::string Data = std::string(ZIRIRUR_TEST_DATA) + "/";

// Types a status bar text for the field that holds the cursor and closes the dialog.
std::string statusScript(const std::string& text) {
    return "menu Form Field Manager\nselect lstEffect \"Other Functions\"\nshow\n"
           "set txtStatus \"" +
           text + "\"\nclick Command8\nclick Command3\n";
}

class HostPagesTest : public HostRunTest {
protected:
    // A page copied into the test's folder as the user's own (writable) file; its name there.
    std::string copyPage(const fs::path& from) {
        const std::string name = from.filename().string();
        fs::copy_file(from, m_dir / name);
        fs::permissions(m_dir / name, fs::perms::owner_write, fs::perm_options::add);
        return name;
    }
    std::string read(const std::string& name) const { return readFile(m_dir / name); }
};

TEST_F(HostPagesTest, APageWithAByteItsCharsetRejectsIsReadInThatCharsetAndKeepsTheByte) {
    struct Case {
        const char* page;
        const char* field;
        std::string stray;   // the byte with what stands beside it in the file
        std::string typed;   // the status text as typed, in UTF-8
        std::string written; // the status text as the page's charset writes it
        std::vector<std::string> kept;
    };
    const std::vector<Case> cases = {
        {"host-utf8-stray-byte.htm",
         "Name",
         " bad:\xFF here",
         "Gr\xC3\xBC\xC3\x9F"
         "e \xE2\x82\xAC",
         "Gr\xC3\xBC\xC3\x9F"
         "e \xE2\x82\xAC",
         // The reference the page wrote comes back as the character, in UTF-8.
         {"value=\"caf\xC3\xA9 \xE2\x82\xAC\"", "Caf\xC3\xA9"}},
        {"host-shiftjis-stray-byte.htm",
         "\xE6\xB0\x8F\xE5\x90\x8D", // 氏名
         "> \x80</FORM>",
         "\xE7\xA2\xBA\xE8\xAA\x8D",                              // 確認
         "\x8A\x6D\x94\x46",                                      // 確認 in Shift_JIS
         {"name=\"\x8E\x81\x96\xBC\"",                            // 氏名
          "value=\"\x83\x81\x83\x62\x83\x5A\x81\x5B\x83\x57\""}}, // メッセージ
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.page);
        const std::string page = copyPage(Data + test.page);
        const std::string before = read(page);

        // Untouched, the page is not written at all.
        HostRun untouched = run({"--page", page, "--cursor", test.field}, "print-menu\n");
        EXPECT_EQ(untouched.status, 0) << untouched.err;
        EXPECT_EQ(read(page), before);

        // Changed: the typed text in the page's charset, the stray byte as it was.
        HostRun changed = run({"--page", page, "--cursor", test.field}, statusScript(test.typed));
        EXPECT_EQ(changed.status, 0) << changed.err;
        EXPECT_THAT(changed.out, HasSubstr(std::string("List1 list: [*\"") + test.field + "\"]"));
        const std::string saved = read(page);
        EXPECT_THAT(saved, HasSubstr("ZirirurStatus('" + test.written + "');"));
        EXPECT_THAT(saved, HasSubstr(test.stray));
        for (const std::string& kept : test.kept)
            EXPECT_THAT(saved, HasSubstr(kept));
        EXPECT_THAT(saved, Not(HasSubstr("&#65533;")));
    }
}

TEST_F(HostPagesTest, AUtf16PageWithAStrayByteAtItsEndKeepsItsMarkupAndTheByte) {
    const std::string page = copyPage(Data + "host-utf16-stray-byte.htm");
    const std::string before = read(page);
    EXPECT_EQ(run({"--page", page}, "").status, 0);
    EXPECT_EQ(read(page), before);

    HostRun changed = run({"--page", page, "--cursor", "Name"}, statusScript("Gr\xC3\xBC\xC3\x9F"
                                                                             "e"));
    EXPECT_EQ(changed.status, 0) << changed.err;
    const std::string saved = read(page);
    ASSERT_GT(saved.size(), 3u);
    EXPECT_EQ(saved.substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(saved.back(), '\n');
    EXPECT_EQ(saved.size() % 2, 1u) << "the stray byte stays alone at the end";
    // Markup as markup, and the typed text, in UTF-16LE.
    auto utf16 = [](const std::string& ascii) {
        std::string out;
        for (char c : ascii)
            out += std::string{c, '\0'};
        return out;
    };
    EXPECT_THAT(saved, HasSubstr(utf16("<INPUT name=\"Name\"")));
    EXPECT_THAT(saved, HasSubstr(utf16("ZirirurStatus('Gr") + std::string("\xFC\0\xDF\0", 4) +
                                 utf16("e');")));
    EXPECT_THAT(saved, Not(HasSubstr(utf16("&lt;"))));
}

TEST_F(HostPagesTest, ACharsetDeclaredByAnXmlDeclarationOrAMetaAfterTextIsFoundAgainAfterSaving) {
    // The XML declaration goes back as a declaration, not as a comment.
    const std::string xml = copyPage(Data + "host-xml-declaration-shiftjis.htm");
    EXPECT_EQ(run({"--page", xml}, "save\n").status, 0);
    const std::string once = read(xml);
    EXPECT_EQ(once.rfind("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>", 0), 0u) << once;
    HostRun again = run({"--page", xml, "--cursor", "\xE5\x90\x8D\xE5\x89\x8D"}, // 名前
                        statusScript("\xE7\xA2\xBA\xE8\xAA\x8D"));               // 確認
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_THAT(again.out, HasSubstr("List1 list: [*\"\xE5\x90\x8D\xE5\x89\x8D\"]"));
    EXPECT_THAT(read(xml), HasSubstr("ZirirurStatus('\x8A\x6D\x94\x46');"));

    // A meta that text pushed into the body, then pushed further by the scripts that the
    // effects put into the head: the page declares its charset again where it is found.
    const std::string meta = copyPage(Data + "host-meta-after-text-koi8r.htm");
    const std::string name = "\xD0\x98\xD0\xBC\xD1\x8F"; // Имя
    HostRun changed =
        run({"--page", meta, "--cursor", name},
            "menu Form Field Manager\nset txtCharLimit 10\nclick Command17\n"
            "select lstEffect \"Other Functions\"\nset txtStatus \"\xD0\x94\xD0\xB0\"\n"
            "click Command8\nclick Command3\n");
    EXPECT_EQ(changed.status, 0) << changed.err;
    const std::string saved = read(meta);
    EXPECT_THAT(saved, HasSubstr("ZirirurStatus('\xE4\xC1');")); // Да in KOI8-R
    EXPECT_THAT(saved, HasSubstr("name=\"\xE9\xCD\xD1\""));      // Имя in KOI8-R
    HostRun reopened = run({"--page", meta, "--cursor", name, "--out", "again.htm"},
                           "menu Form Field Manager\nshow\n");
    EXPECT_EQ(reopened.status, 0) << reopened.err;
    EXPECT_THAT(reopened.out, HasSubstr("List1 list: [*\"" + name + "\"]"));
    EXPECT_EQ(read("again.htm"), saved);
}

TEST_F(HostPagesTest, AFileThatIsNotTextIsRefusedAndLeftAsItWas) {
    const std::string png("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x01\0\0\0\x01\x08\x06\0\0\0", 29);
    const std::vector<std::pair<std::string, std::string>> files = {
        {"picture.png", png},
        {"nul.htm", std::string("<p>text\0</p>", 12)},
        // Declared UTF-8, and hardly a byte of it is.
        {"noise.htm", "\xEF\xBB\xBF\xFF\xFE\xC0\xC1\xF8\xF9\xFA\xFB"},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        writeFile(m_dir / name, bytes);
        for (bool unsaved : {false, true}) {
            std::vector<std::string> args = {"--page", name};
            if (unsaved)
                args.push_back("--unsaved");
            HostRun refused = run(args, "print-menu\nsave\n");
            EXPECT_EQ(refused.status, 2);
            EXPECT_THAT(refused.err,
                        HasSubstr("zirirur: cannot open the page " + name + ": it is not text"));
            EXPECT_EQ(refused.out, "");
            EXPECT_EQ(read(name), bytes);
        }
    }
}

TEST_F(HostPagesTest, AReadOnlyPageIsRefusedAndLeftAsItWas) {
    const std::string before = read("web/index.htm");
    fs::permissions(page(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    HostRun own = run({"--page", "web/index.htm", "--cursor", "FullName"}, statusScript("x"));
    EXPECT_EQ(own.status, 2);
    EXPECT_THAT(own.err, HasSubstr("the page cannot be saved to web/index.htm: it is read-only"));
    EXPECT_EQ(own.out, "");
    EXPECT_EQ(read("web/index.htm"), before);

    // Nor is a read-only file replaced by the page saved elsewhere, at the end or on the way.
    writeFile(m_dir / "locked.htm", "locked");
    fs::permissions(m_dir / "locked.htm", fs::perms::owner_read);
    EXPECT_EQ(run({"--page", "web/index.htm", "--out", "locked.htm"}, "").status, 2);
    HostRun copy = run({"--page", "web/index.htm", "--out", "-"}, "save locked.htm\n");
    EXPECT_EQ(copy.status, 1);
    EXPECT_THAT(copy.err, HasSubstr("script line 1 (save): locked.htm: the file is read-only"));
    EXPECT_EQ(read("locked.htm"), "locked");
}

TEST_F(HostPagesTest, TablesNestedSevenHundredFiftyDeepReadBackTheSameAfterEverySave) {
    std::string deep = "<html><body><form name=f>";
    for (int i = 0; i < 750; ++i)
        deep += "<table><tr><td>";
    deep += "<input name=Deep>";
    for (int i = 0; i < 750; ++i)
        deep += "</td></tr></table>";
    writeFile(m_dir / "deep.htm", deep + "</form></body></html>\n");
    ASSERT_EQ(run({"--page", "deep.htm", "--out", "once.htm"}, "").status, 0);
    ASSERT_EQ(run({"--page", "once.htm", "--out", "twice.htm"}, "").status, 0);
    ASSERT_EQ(run({"--page", "twice.htm"}, "save\n").status, 0);
    EXPECT_EQ(read("twice.htm"), read("once.htm"));
    EXPECT_EQ(std::string(read("once.htm")).find("<TBODY><TR></TR>"), std::string::npos);
    HostRun field = run({"--page", "twice.htm", "--cursor", "Deep"}, "menu Form Field Manager\n");
    EXPECT_EQ(field.status, 0) << field.err;
    EXPECT_EQ(read("twice.htm"), read("once.htm"));
}

TEST_F(HostPagesTest, APageOrAScriptThatNeverEndsIsRefused) {
    if (!fs::exists("/dev/zero"))
        GTEST_SKIP() << "no /dev/zero here";
    HostRun page = run({"--page", "/dev/zero"}, "print-menu\n");
    EXPECT_EQ(page.status, 2);
    EXPECT_THAT(page.err, HasSubstr("cannot open the page /dev/zero: the file is larger than"));
    EXPECT_EQ(page.out, "");

    HostRun script = runArgs({"/dev/zero"});
    EXPECT_EQ(script.status, 2);
    EXPECT_THAT(script.err, HasSubstr("the script /dev/zero is longer than"));

    // An endless pipe on standard input.
    const std::string command = "cd " + quoted(m_dir.string()) + " && yes print-menu | " +
                                quoted(ZIRIRUR_HOST_BINARY) + " --state " +
                                quoted(state().string()) + " >out.txt 2>err.txt";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2);
    EXPECT_THAT(read("err.txt"), HasSubstr("the script on standard input is longer than"));
    EXPECT_EQ(read("out.txt"), "");

    // One line far longer than any a person writes.
    HostRun line = run({}, "print-menu\nset Text1 " + std::string(17 << 20, 'x') + "\n");
    EXPECT_EQ(line.status, 2);
    EXPECT_THAT(line.err, HasSubstr(":2: the line is longer than"));
    EXPECT_EQ(line.out, "");
}

TEST_F(HostPagesTest, CharactersAKoi8rPageLacksAreSavedAsReferences) {
    writeFile(m_dir / "koi8.htm",
              "<html><head><meta charset=koi8-r></head><body><form><input name=A></form>\n");
    HostRun typed = run({"--page", "koi8.htm", "--cursor", "A"},
                        statusScript("\xE2\x82\xAC\xF0\x9F\x98\x80 \xD0\x94"));
    EXPECT_EQ(typed.status, 0) << typed.err;
    EXPECT_THAT(read("koi8.htm"), HasSubstr("ZirirurStatus('&#8364;&#128512; \xE4');"));
}

TEST_F(HostPagesTest, AMenuLayoutNestedBeyondAnyMenuIsDamagedAndTheEditorsMenusAreShown) {
    std::string layout = "editor menu layout 1\nbar\tMenu Bar\n";
    for (int depth = 1; depth <= 50000; ++depth)
        layout += "control\t" + std::to_string(depth) + "\t10\t0\t0\t0\t0\t1\t\tP\n";
    writeFile(state() / "commandbars", layout + "end\n");
    for (int start = 0; start < 2; ++start) {
        HostRun result = run({}, "print-menu\n");
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_THAT(result.out, HasSubstr("Spelling..."));
        EXPECT_THAT(result.out, HasSubstr("  Zirirur (popup)\n"));
        // The next start finds the layout the editor stored over the damaged one.
        EXPECT_EQ(result.err.find("the stored menu layout") != std::string::npos, start == 0);
    }
}

TEST_F(HostPagesTest, EveryCorpusPageIsLeftAloneWhenUntouchedAndReadsBackTheSameAfterEachSave) {
    int pages = 0;
    for (const auto& entry : fs::directory_iterator(ZIRIRUR_CORPUS_DIR)) {
        if (entry.path().extension() != ".htm")
            continue;
        const std::string name = copyPage(entry.path());
        SCOPED_TRACE(name);
        ++pages;
        EXPECT_EQ(run({"--page", name}, "print-menu\n").status, 0);
        EXPECT_EQ(read(name), readFile(entry.path())) << "untouched, not written";
        EXPECT_EQ(run({"--page", name}, "save\n").status, 0);
        const std::string once = read(name);
        EXPECT_EQ(run({"--page", name}, "save\n").status, 0);
        EXPECT_EQ(read(name), once) << "no byte changes after the first save";
    }
    EXPECT_GE(pages, 24);
}

} // namespace
