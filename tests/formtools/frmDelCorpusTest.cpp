#include "FormRemovalOracle.h"
#include "PageSession.h"

#include "formtools/frmDel.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> corpusPages() {
    std::vector<std::string> pages;
    for (const auto& entry : fs::directory_iterator(ZIRIRUR_CORPUS_DIR))
        if (entry.path().extension() == ".htm")
            pages.push_back(entry.path().string());
    std::sort(pages.begin(), pages.end());
    return pages;
}

struct Outcome {
    bool checked = false; // the oracle could work the expected page out
};

// Opens the page afresh, puts the caret into its form number formIndex (at the end of its
// first field, or into the form when it has none), removes as told and checks the page.
Outcome removeFromCorpusPage(const std::string& bytes, int formIndex, Removal removal,
                             const std::string& type) {
    Outcome outcome;
    auto session = PageSession::fromBytes(bytes);
    auto form = session->document()->all().tags("FORM").item(formIndex);
    session->document()->setCaretAtEndOf(form->length() > 0 ? form->item(0) : form);
    const std::string before = session->document()->serialize();
    const auto expected =
        expectedAfterRemoval(before, *form, fieldsRemovedBy(*form, removal, type), removal);
    const int forms = session->document()->all().tags("FORM").length();

    zirirur::frmDel dialog;
    std::vector<ui::Driver::Action> actions{
        [removal] { ui::Driver::instance().click("optDel", static_cast<int>(removal)); }};
    if (removal == Removal::FieldsOfType)
        actions.push_back(act::select("lstTypes", type));
    actions.push_back(act::click("Command1"));
    const auto transcript = session->run(dialog, actions);

    EXPECT_EQ(transcript.size(), 2u) << testing::PrintToString(transcript);
    const std::string after = session->document()->serialize();
    if (expected) {
        outcome.checked = true;
        EXPECT_EQ(after, *expected);
    }
    const bool formGoes = removal == Removal::WholeForm || removal == Removal::TagsAndFields;
    EXPECT_EQ(session->document()->all().tags("FORM").length(), forms - (formGoes ? 1 : 0));
    // What is saved reads back as it was left (a removal of one type adds nothing new to see).
    if (removal == Removal::FieldsOfType)
        return outcome;
    const std::string written = session->document()->serializeForSaving();
    session->save();
    session->reopen();
    EXPECT_EQ(session->document()->serialize(), written);
    return outcome;
}

// Real pages nobody here wrote: every removal on every form, every type on each first form.
TEST(frmDelCorpus, EveryRemovalOfEveryFormChangesThePageAsItsOptionSays) {
    int removals = 0;
    int checked = 0;
    for (const std::string& path : corpusPages()) {
        const std::string bytes = ScratchFolder::readFile(path);
        const int forms = PageSession::fromBytes(bytes)->document()->all().tags("FORM").length();
        for (int form = 0; form < forms; ++form) {
            for (Removal removal : {Removal::WholeForm, Removal::TagsAndFields, Removal::Fields}) {
                SCOPED_TRACE(fs::path(path).filename().string() + " form " + std::to_string(form) +
                             " option " + std::to_string(static_cast<int>(removal)));
                checked += removeFromCorpusPage(bytes, form, removal, "").checked;
                ++removals;
            }
            for (const std::string& type :
                 form == 0 ? RemovalFieldTypes : std::vector<std::string>{}) {
                SCOPED_TRACE(fs::path(path).filename().string() + " type " + type);
                checked += removeFromCorpusPage(bytes, form, Removal::FieldsOfType, type).checked;
                ++removals;
            }
        }
    }
    EXPECT_GT(removals, 300);
    // Identical forms on one page leave the oracle unable to tell which one went.
    EXPECT_GT(checked, removals * 9 / 10) << checked << " of " << removals;
}

} // namespace
